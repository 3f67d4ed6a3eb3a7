// The pairs window through real keys and clicks, its transfer to the point
// set, and the results table's texts.
#include "Curvello.h"
#include "Funzioni.h"
#include "Polinomio.h"
#include "Statistiche.h"
#include "Tabella.h"
#include "test_viste_supporto.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QScrollBar>
#include <QToolTip>

namespace {

// A pairs window in a main window's area, as the frame opens it.
struct Finestra {
    QMdiArea area;
    MySource punti;
    DialoghiScriptati dialoghi;
    QMenu menu;
    QAction* elimina = menu.addAction(QStringLiteral("Elimina riga"));
    QAction scorciatoia;  // a window's shortcut on the grid's keys, as another window may have
    Coppie* c = nullptr;

    explicit Finestra(const QList<QPointF>& iniziali = {})
    {
        for (const QPointF& p : iniziali)
            punti.Add(p.x(), p.y());
        QObject::connect(elimina, &QAction::triggered, [this] { c->EliminaRiga(); });
        scorciatoia.setShortcuts({Qt::Key_Delete, Qt::Key_Return, Qt::Key_F2});
        area.addAction(&scorciatoia);
        QObject::connect(&scorciatoia, &QAction::triggered, [this] { c->AggiungiCoppia("rubato", ""); });
        c = new Coppie(punti, dialoghi, &menu);
        area.addSubWindow(c);
        c->Form_Load();
        area.resize(900, 700);
        area.show();
        c->parentWidget()->show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
    }
    // Runs a script: "x;y" types a pair, "X:t" or "Y:t" types t and Enter
    // in one box, "clic:r,c" and "doppio:r,c" click a cell, "destro:r,c" then
    // "elimina" deletes through the right-click menu, "tasto:k" presses k in the grid.
    void esegui(const QString& copione)
    {
        QWidget* griglia = c->DataGrid1->viewport();
        for (const QString& passo : copione.split(u' ', Qt::SkipEmptyParts)) {
            const QString tipo = passo.section(u':', 0, 0), resto = passo.section(u':', 1);
            const QModelIndex indice = c->DataGrid1->model()->index(resto.section(u',', 0, 0).toInt() - 1,
                                                                    resto.section(u',', 1, 1).toInt() - 1);
            const QPoint cella = c->DataGrid1->visualRect(indice).center();
            if (tipo == QLatin1String("clic") || tipo == QLatin1String("doppio"))
                QTest::mouseClick(griglia, Qt::LeftButton, {}, cella);
            if (tipo == QLatin1String("doppio")) {
                QTest::mouseDClick(griglia, Qt::LeftButton, {}, cella);
                QTest::mouseRelease(griglia, Qt::LeftButton, {}, cella);
            } else if (tipo == QLatin1String("destro")) {
                QTest::mouseClick(griglia, Qt::RightButton, {}, cella);
            } else if (passo == QLatin1String("elimina")) {
                elimina->trigger();
            } else if (tipo == QLatin1String("X") || tipo == QLatin1String("Y")) {
                QLineEdit* casella = tipo == QLatin1String("X") ? c->Text1 : c->Text2;
                QTest::keyClick(casella, Qt::Key_A, Qt::ControlModifier);  // typed over
                QTest::keyClicks(casella, resto);
                QTest::keyClick(casella, Qt::Key_Return);
            } else if (tipo == QLatin1String("tasto")) {
                QTest::keySequence(c->DataGrid1, QKeySequence(resto));
            } else if (tipo != QLatin1String("clic")) {
                ScriviCoppia(c, passo.section(u';', 0, 0), passo.section(u';', 1, 1));
            }
        }
    }
    QStringList messaggi() const { return Messaggi(dialoghi); }
};

} // namespace

class TestViste : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    // "grid / TotaleRighe / points / message": the grid after the script, then
    // what a transfer leaves in the point set and says.
    void coppie_data()
    {
        QTest::addColumn<QString>("copione");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("seconda coppia accodata") << "1;5 2;3" << "1;5|2;3 / 2 / 1;5|2;3 / ";
        QTest::newRow("caselle vuote") << ";" << "; / 1 / 0;0 / ";
        QTest::newRow("virgola decimale") << "2,5;-1" << "2,5;-1 / 1 / 2.5;-1 / ";
        QTest::newRow("elimina l'unica riga") << "1;5 elimina" << "; / 0 /  / ";
        QTest::newRow("elimina la riga di mezzo") << "1;1 2;2 3;3 clic:2,1 destro:3,2 elimina" << "1;1|3;3 / 2 / 1;1|3;3 / ";
        QTest::newRow("elimina due volte senza clic") << "1;1 2;2 elimina elimina" << "1;1 / 1 / 1;1 / ";
        QTest::newRow("correzione X senza riga nuova") << "1;5 2;3 doppio:1,1 X:7" << "7;5|2;3 / 2 / 7;5|2;3 / ";
        QTest::newRow("correzione nella riga vuota") << "doppio:1,2 Y:4" << ";4 / 1 / 0;4 / ";
        QTest::newRow("F2 e Invio correggono la cella corrente")
            << "1;5 2;3 clic:1,1 tasto:Down tasto:F2 X:7 tasto:Right tasto:Return Y:8" << "1;5|7;8 / 2 / 1;5|7;8 / ";
        QTest::newRow("Canc elimina la riga corrente") << "1;1 2;2 3;3 clic:3,1 tasto:Up tasto:Del" << "1;1|3;3 / 2 / 1;1|3;3 / ";
        QTest::newRow("testo non numerico") << "1;1 abc;2 3;3"
            << "1;1|abc;2|3;3 / 3 / 1;1 / Curvello|La riga 2 contiene un valore non numerico: abc";
    }
    void coppie()
    {
        QFETCH(QString, copione);
        Finestra f;
        f.esegui(copione);
        QVERIFY(!f.c->InModifica());
        const QString griglia = Righe(f.c->DataGrid1) + " / " + QString::number(f.c->TotaleRighe()) + " / ";
        f.punti.Add(9, 9);  // replaced by the transfer
        const bool trasferite = TrasferisciCoppie(*f.c, false);
        QTEST(griglia + Righe(f.punti) + " / " + f.messaggi().join(u' '), "atteso");
        QCOMPARE(trasferite, f.messaggi().isEmpty());
    }

    // Opened on a point set: one row per pair in the general form, decimal
    // comma. Enter in X moves to Y; a pair sends the focus back to X; a
    // correction keeps it in its box. The right button opens the menu and
    // leaves the highlight on the row the menu deletes.
    void fuocoEMenu()
    {
        Finestra f({{1, 5}, {0.1, -2.5}, {1e20, 3}});
        QCOMPARE(Righe(f.c->DataGrid1), QStringLiteral("1;5|0,1;-2,5|1E+20;3"));
        QCOMPARE(f.c->RigaCorrente(), 3);
        f.esegui(QStringLiteral("-0,287777777777778;3 doppio:4,2 Y:65081559,1234567"));
        TestiInteri(f.c->DataGrid1);
        f.c->DataGrid1->horizontalHeader()->resizeSection(0, 300);  // as the user drags it, kept when the window changes
        f.c->parentWidget()->resize(500, 400);
        QCOMPARE(f.c->DataGrid1->columnWidth(0), 300);
        f.esegui(QStringLiteral("X:1"));
        QCOMPARE(f.c->focusWidget(), f.c->Text2);
        f.esegui(QStringLiteral("Y:2 3;4"));
        QCOMPARE(f.c->focusWidget(), f.c->Text1);
        f.esegui(QStringLiteral("clic:1,1 destro:2,2"));
        QVERIFY(f.menu.isVisible());
        f.menu.hide();
        QCOMPARE(f.c->DataGrid1->currentRow() + 1, f.c->RigaCorrente());
        for (const char* tasto : {"Menu", "Shift+F10"}) {  // the menu of the current row, from the keyboard
            f.esegui(QStringLiteral("tasto:Down tasto:") + tasto);
            QVERIFY(f.menu.isVisible() && f.c->DataGrid1->currentRow() + 1 == f.c->RigaCorrente());
            f.menu.hide();
        }
        f.esegui(QStringLiteral("doppio:2,1"));
        QCOMPARE(f.c->focusWidget(), f.c->Text1);
        QCOMPARE(f.c->Text1->text() + u'|' + f.c->Text2->text(), QStringLiteral("0,1|"));
        QVERIFY(f.c->InModifica());
    }

    // Closing by the user keeps a grid that does not go across whole (New closes
    // it anyway: test_app_comandi). Past 301 rows nothing is written.
    void chiusura_data()
    {
        QTest::addColumn<int>("righe");
        QTest::addColumn<QString>("ultima");
        QTest::addColumn<QString>("atteso");  // the points, the message
        QTest::newRow("vuota") << 0 << "" << "0 ";
        QTest::newRow("non numerica") << 2 << "x" << "1 Curvello|La riga 2 contiene un valore non numerico: x";
        QTest::newRow("301 righe") << 301 << "1" << "301 ";
        QTest::newRow("302 righe") << 302 << "1"
                                   << "301 Curvello|La griglia contiene 302 righe: sono state trasferite solo le prime 301 coppie";
    }
    void chiusura()
    {
        QFETCH(int, righe);
        QFETCH(QString, ultima);
        Finestra f;
        for (int i = 1; i <= righe; ++i)
            f.c->AggiungiCoppia(QString::number(i), i == righe ? ultima : QStringLiteral("0"));
        f.punti.RiempiEsempio();
        QPointer<QWidget> cornice = f.c->parentWidget();
        cornice->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTEST(QString::number(f.punti.NumeroElementi()) + u' ' + f.messaggi().join(u' '), "atteso");
        QCOMPARE(cornice.isNull(), f.messaggi().isEmpty());
    }

    // Ctrl+V in the grid after `prima` pairs i;i: the clipboard's pairs go in
    // as written (the transfer reads them as typed ones), all or none.
    void incolla_data()
    {
        QTest::addColumn<bool>("inglese");
        QTest::addColumn<int>("prima");
        QTest::addColumn<QString>("appunti");
        QTest::addColumn<QString>("atteso");  // the rows added (";": none, the empty row kept), ">", the message
        const QString riga = ">Curvello|La riga %1 degli appunti non contiene una coppia di numeri: %2";
        QTest::newRow("foglio italiano") << false << 0 << "X\tY\r\n1,5\t2\r\n-1.234,5\t1E-3\r\n" << "1,5;2|-1.234,5;1E-3>";
        QTest::newRow("foglio inglese") << true << 0 << "x\ty\n1.5\t2\n1,000.5\t3" << "1.5;2|1,000.5;3>";
        QTest::newRow("punti e virgola, blank, righe vuote") << false << 1 << "1;2\n\t\n 3 ; 4;\n5   6" << "|1;2|3;4|5;6>";
        QTest::newRow("riga cattiva in mezzo") << false << 1 << "1\t2\n3\tabc\n5\t6" << riga.arg(2).arg("3 abc");
        QTest::newRow("il punto non è la virgola") << false << 0 << "1.5\t2" << ';' + riga.arg(1).arg("1.5 2");
        QTest::newRow("solo l'intestazione") << false << 0 << "\nX Y\n" << ';' + riga.arg(2).arg("X Y");
        QTest::newRow("fino a 301") << false << 300 << "7 7" << "|7;7>";
        QTest::newRow("oltre 301") << false << 300 << "7 7\n8 8" << ">Curvello|Gli appunti contengono 2 coppie, ma la griglia "
                                      "può averne al massimo 301 e ne ha già 300: nessuna coppia è stata incollata";
    }
    void incolla()
    {
        QFETCH(bool, inglese);
        QFETCH(int, prima);
        QFETCH(QString, appunti);
        if (inglese)
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Finestra f;
        for (int i = 1; i <= prima; ++i)
            f.c->AggiungiCoppia(QString::number(i), QString::number(i));
        const QString griglia = prima ? Righe(f.c->DataGrid1) : QString();  // else one empty row, pasted over
        QGuiApplication::clipboard()->setText(appunti);
        QTest::keySequence(f.c->DataGrid1, QKeySequence::Paste);
        QVERIFY(Righe(f.c->DataGrid1).startsWith(griglia));
        QTEST(Righe(f.c->DataGrid1).mid(griglia.size()) + u'>' + f.messaggi().join(u' '), "atteso");
    }

    // Ctrl+C: the selected block, else the whole grid without its empty last
    // rows; a number at full precision (typed ones as the transfer reads them),
    // other texts as they are. The years' coefficients at degree 8 read back exact.
    void copia()
    {
        Finestra f({{0.1, 1.0 / 3}});
        f.esegui(QStringLiteral("1.234,5;abc ;"));
        QTest::keySequence(f.c->DataGrid1, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), "0,1\t0,333333333333333\n1234,5\tabc\n");
        f.c->DataGrid1->setRangeSelected(QTableWidgetSelectionRange(0, 0, 1, 1), true);
        f.c->DataGrid1->setRangeSelected(QTableWidgetSelectionRange(0, 1, 0, 1), false);
        QTest::keySequence(f.c->DataGrid1, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), "0,1\t\n1234,5\tabc\n");

        StatoProgramma s;
        for (int anno = 1990; anno <= 2020; ++anno)
            s.punti.Add(anno, 59 + 4 * std::sin((anno - 1990) / 5.0) + (anno - 1990) * 0.05);
        QCOMPARE(Curvello(s, CanaliCalcolo{}).CalcolaPolinomio("8", Separatori::Italiani()).esito, EsitoCalcolo::Riuscito);
        Tabella t;
        t.Form_Load(s.polinomio.get(), s.punti);
        t.show();
        QVERIFY(QTest::qWaitForWindowActive(&t));
        QTest::keySequence(t.DataCoeff, QKeySequence::Copy);
        const QStringList righe = QGuiApplication::clipboard()->text().split(u'\n');
        QCOMPARE(righe.size(), 10);  // each line ends with a line feed
        for (int k = 0; k <= 8; ++k)
            QVERIFY(ConvertiTesto(righe[k].section(u'\t', 1).toStdString(), Separatori::Italiani()) == s.polinomio->Coeff(k));
        t.DataTerna->setRangeSelected(QTableWidgetSelectionRange(1, 0, 2, 1), true);
        t.DataTerna->actions().constFirst()->trigger();  // "Copia" in the grid's menu
        QCOMPARE(QGuiApplication::clipboard()->text(), "2\t1991\n3\t1992\n");
    }

    // Twips: the grid 100 narrower and 800 lower than the window, never below 0; halves split evenly.
    void misureGriglia()
    {
        auto misure = [](double larghezza, double altezza) {
            const MisureGriglia m = MisureGrigliaCoppie(larghezza, altezza);
            return QList<double>{m.larghezza, m.altezza, m.colonnaFissa, m.colonnaDati};
        };
        QCOMPARE(misure(4301, 900), (QList<double>{4201, 100, 300, 1750}));
        QCOMPARE(misure(4303, 900), (QList<double>{4203, 100, 300, 1752}));
        QCOMPARE(misure(50, 500), (QList<double>{0, 0, 300, 0}));
    }

    // Coefficients to 6 decimals, P and the residual to 4, halves to even,
    // the general form in the locale; statistics (those of the fitted points
    // when given) to 7 significant digits, "n.d." with its reason when not
    // defined. Each grid ends with one empty row, shows every text whole
    // without scrolling sideways, and a cell narrowed by hand its text in the tooltip.
    void tabella_data()
    {
        QTest::addColumn<QList<double>>("coefficienti");
        QTest::addColumn<QList<QPointF>>("punti");
        QTest::addColumn<bool>("adattati");
        QTest::addColumn<QString>("atteso");  // the coefficients, " # ", the triples, " # ", the statistics
        QList<QPointF> esempio;
        for (auto [x, y] : {std::pair{1, 5}, {2, 3}, {3, 4}, {4, 5}, {5, 7}, {6, 9}, {7, 12}, {8, 7}, {9, 6}})
            esempio << QPointF(x, y);
        QTest::newRow("esempio grado 2")
            << QList<double>{19.0 / 21, 2293.0 / 1155, -32.0 / 231} << esempio << true
            << "0;0,904762;2,971021;0,304529|1;1,985281;1,364177;1,455296|2;-0,138528;0,1330456;-1,041208|;;; # "
               "1;1;5;2,7515;2,2485|2;2;3;4,3212;-1,3212|3;3;4;5,6139;-1,6139|4;4;5;6,6294;-1,6294|"
               "5;5;7;7,368;-0,368|6;6;9;7,8294;1,1706|7;7;12;8,0139;3,9861|8;8;7;7,9212;-0,9212|"
               "9;9;6;7,5515;-1,5515|;;;; # "
               "Punti 9|Gradi di libertà 6|R² 0,456817|R² corretto 0,275756|Deviazione standard dei residui 2,334941|"
               "Somma dei quadrati dei residui 32,71169|Somma dei quadrati totale 60,22222|F 2,523 con 2 e 6 gradi di libertà";
        QTest::newRow("nessun grado di libertà") << QList<double>{1, -1.5, 0.5} << QList<QPointF>{{1, 0}, {2, 0}, {3, 1}} << true
            << "0;1;n.d.;n.d.|1;-1,5;n.d.;n.d.|2;0,5;n.d.;n.d.|;;; # 1;1;0;0;0|2;2;0;0;0|3;3;1;1;0|;;;; # "
               "Punti 3|Gradi di libertà 0|R² 1|R² corretto n.d.|Deviazione standard dei residui n.d.|"
               "Somma dei quadrati dei residui 0|Somma dei quadrati totale 0,6666667|F n.d. con 2 e 0 gradi di libertà";
        QTest::newRow("arrotondamenti") << QList<double>{0.00000049, 2.12345678, -0.0000004} << QList<QPointF>{{0.1, 1e-9}}
                                        << false << "0;0;;|1;2,123457;;|2;0;;|;;; # 1;0,1;1E-09;0,2123;-0,2123|;;;; # ";
        QTest::newRow("anni: numeri lunghi") << QList<double>{-1.39814995173351e18, -1622806.1234567}
            << QList<QPointF>{{2006.462, 65081559.123456}} << false << "0;-1,39814995173351E+18;;|1;-1622806,123457;;|;;; # "
               "1;2006,462;65081559,123456;-1,39814995498961E+18;1,39814995505469E+18|;;;; # ";
    }
    void tabella()
    {
        QFETCH(QList<double>, coefficienti);
        QFETCH(QList<QPointF>, punti);
        QFETCH(bool, adattati);
        Polinomio p;
        p.ImpostaGrado(static_cast<int16_t>(coefficienti.size() - 1));
        for (double c : coefficienti)
            p.Add(c);
        MySource s;
        for (const QPointF& xy : punti)
            s.Add(xy.x(), xy.y());
        Tabella t;
        t.Form_Load(&p, s, adattati ? &s : nullptr);
        QStringList righe;
        for (qsizetype i = 0; i < t.NomiBonta.size() && !t.LBonta->isHidden(); ++i)
            righe << t.NomiBonta[i]->text() + u' ' + t.ValoriBonta[i]->text();
        QTEST(Righe(t.DataCoeff) + " # " + Righe(t.DataTerna) + " # "
                  + (righe << t.GradiF->text()).join(u'|').replace(QStringLiteral("|con"), QStringLiteral(" con")), "atteso");
        t.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t));
        for (QTableWidget* g : {t.DataCoeff, t.DataTerna}) {
            TestiInteri(g);
            QCOMPARE(g->horizontalScrollBar()->maximum(), 0);
        }
        // The whole double behind the text, the exact residual where the row is fitted.
        auto esatto = [](const QVariant& v) { return QString::number(v.toDouble(), 'g', 17); };  // QCOMPARE is fuzzy
        QCOMPARE(esatto(t.DataCoeff->item(0, 1)->data(Qt::UserRole)), esatto(coefficienti[0]));
        const int r = punti.size() > 6 ? 6 : 0;  // the exact 12 - 8.013852813852814 is not Y - P in doubles
        const double residuo = r ? 3.986147186147186 : punti[r].y() - p.ValorePolinomio(punti[r].x());
        QCOMPARE(esatto(t.DataTerna->item(r, 4)->data(Qt::UserRole)), esatto(residuo));
        // What a screen reader says of a value, why a value is missing.
        if (adattati)
            QCOMPARE(QAccessible::queryAccessibleInterface(t.ValoriBonta[2])->text(QAccessible::Name),
                     t.NomiBonta[2]->text() + u':' + u' ' + t.ValoriBonta[2]->text());
        const QString motivo = QString::fromStdString(DescriviMotivo(MotivoNonDefinito::NessunGradoDiLiberta));
        for (const QLabel* valore : t.ValoriBonta)
            QCOMPARE(valore->toolTip(), valore->text() == "n.d." ? motivo : QString());
        // A cell narrowed by hand shows its whole text in the tooltip, an "n.d." its reason.
        const bool nd = Righe(t.DataCoeff).contains("n.d.");
        QTableWidget* g = nd ? t.DataCoeff : t.DataTerna;
        g->horizontalHeader()->setMinimumSectionSize(1);
        g->setColumnWidth(2, 8);
        const QPoint cella = g->visualRect(g->model()->index(0, 2)).center();
        QHelpEvent aiuto(QEvent::ToolTip, cella, g->viewport()->mapToGlobal(cella));
        QApplication::sendEvent(g->viewport(), &aiuto);
        QCOMPARE(QToolTip::text(), nd ? motivo : Righe(g).section(u';', 2, 2));
    }
};

QTEST_MAIN(TestViste)
#include "test_views.moc"
