// A person's session with the real frame: the example, a fit with its progress window, a table, a corrected
// pair, a second fit and a second table beside the first, titled with the degree text as it stands, even when
// it is no degree; then what a screen reader announces.
#include "test_app_supporto.h"

#include "AvanzamentoSimulazione.h"
#include "Disposizione.h"
#include "fGrafico.h"

#include <QAccessible>
#include <QMdiArea>
#include <QProgressBar>
#include <QToolButton>

namespace {

// Counts the progress window's showings and paints; keeps its bar's last value.
struct SpiaAvanzamento : QObject {
    int mostrata = 0, dipinta = 0, valore = -1;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        auto* w = qobject_cast<AvanzamentoSimulazione*>(o);
        mostrata += w && e->type() == QEvent::Show;
        dipinta += w && e->type() == QEvent::Paint && valore < 0;
        valore = w && e->type() == QEvent::Hide ? w->BarraAvanzamentoSimulazione->value() : valore;
        return false;
    }
};

} // namespace

class TestScenario : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void comeUnaPersona()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        p.clicca("Esempio");
        Coppie* griglia = p.coppie();
        QVERIFY(griglia && Cornice(griglia)->isVisible() && griglia->TotaleRighe() == 9);
        QTest::keyClicks(f.GradoPolinomio, QStringLiteral("2"));
        // The progress window is shown once, painted before the loops, ends
        // at step 80 of 81 (98 %) and is gone afterwards.
        SpiaAvanzamento spia;
        qApp->installEventFilter(&spia);
        p.clicca("Calcolo");
        qApp->removeEventFilter(&spia);
        QVERIFY(spia.mostrata == 1 && spia.dipinta >= 1 && spia.valore == 98);
        QVERIFY(!f.findChild<AvanzamentoSimulazione*>());
        p.clicca("Tabella");
        QPointer<Tabella> prima = p.tabella();
        QCOMPARE(prima->windowTitle() + u' ' + Righe(prima->DataCoeff),
                 QStringLiteral("Grado: 2 0;0,904762;2,971021;0,304529|1;1,985281;1,364177;1,455296|2;-0,138528;0,1330456;-1,041208|;;;"));
        QCOMPARE(Righe(prima->DataTerna).section(u'|', 6, 6), QStringLiteral("7;7;12;8,0139;3,9861"));

        // The seventh pair's Y, 12, corrected to 8 in the grid.
        griglia->DataGrid1->setCurrentCell(6, 1);
        QTest::keyClick(griglia->DataGrid1, Qt::Key_F2);
        QTest::keyClicks(griglia->Text2, QStringLiteral("\b\b8\r"));

        p.clicca("Calcolo");
        f.GradoPolinomio->setText(QStringLiteral("abc"));
        p.clicca("Tabella");
        QVERIFY(p.tabella() != prima && Cornice(p.tabella())->isVisible());
        QCOMPARE(p.tabella()->windowTitle() + u' ' + Righe(p.tabella()->DataTerna).section(u'|', 6, 6),
                 QStringLiteral("Grado: abc 7;7;8;7,2104;0,7896"));
        QCOMPARE(Righe(prima->DataTerna).section(u'|', 6, 6), QStringLiteral("7;7;12;8,0139;3,9861"));
        QVERIFY(f.AreaFigli()->subWindowList().size() == 3 && p.dialoghi->Domande().isEmpty());

        // Each box is named by its label, each grid by what it holds.
        const std::pair<QWidget*, const char*> nomi[] = {
            {f.GradoPolinomio, "Grado del polinomio approssimante"}, {griglia->Text1, "X:"}, {griglia->Text2, "Y:"},
            {griglia->DataGrid1, "Coppie X - Y"}, {prima->DataCoeff, "Coefficenti"}, {prima->DataTerna, "Punti"},
            {f.findChild<QToolButton*>(QStringLiteral("New")), "Nuova simulazione"},
            {f.findChild<QToolButton*>(QStringLiteral("Punti")), "Punti"}};
        for (auto [w, nome] : nomi)
            QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), QString::fromUtf8(nome));
    }

    // A whole session with keys only, each sent where the focus is: "=t" types t, other words are keys. Tab
    // cycles through a window's inputs; Alt+G reaches the degree box from any window, Shift+Tab the toolbar.
    void soloTastiera()
    {
        ProgrammaDiProva p;
        const QString file = p.cartella.filePath(QStringLiteral("tastiera.cv"));
        p.dialoghi->AccodaNomeFile(file);
        const QStringList copione = {
            "F5 =1 Return =5 Return =2 Return =3 Return =3 Return =99 Return =4 Return =4 Return =5 Return =7 Return",
            "Tab Tab Down Down Right F2 Ctrl+A =8 Return",  // the third Y corrected
            "Tab Down Delete",  // the fourth pair deleted
            "Alt+G =2 F6 F8 F7",  // degree, Calcolo, Tabella, Grafico
            // On the graph's plot: the tracker moved by arrows, a zoom and a difference picked with Enter.
            "T Right ? Shift+Right ? Escape Z Return Shift+Right Shift+Down Return ? F Left Return Right Return ?",
            "Ctrl+S",
            "Alt+G" + QString(" Shift+Tab").repeated(9) + " Alt+G" + QString(" Tab").repeated(4),
        };
        QStringList fuoco;  // where each Tab landed
        QStringList letture;  // at each "?": the graph's X readout, its DX and whether it is zoomed
        for (const QString& passo : copione.join(u' ').split(u' ')) {
            // Offscreen, nothing is active once the progress window is gone; a window manager gives the frame back.
            if (!QApplication::activeWindow()) {
                p.f().activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&p.f()));
            }
            QWidget* w = QApplication::focusWidget();
            if (passo == u'?') {
                auto* g = qobject_cast<fGrafico*>(p.programma->Stato().fGrafico.data());
                letture << g->Text1->text() + u'/' + g->DiffX->text() + u'/'
                               + QString::number(p.programma->Stato().grafico.GraficoZoommato);
                continue;
            }
            passo.startsWith(u'=') ? QTest::keyClicks(w, passo.mid(1)) : QTest::keySequence(w, QKeySequence(passo));
            if (passo.endsWith(QLatin1String("Tab")))
                fuoco << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(Righe(p.stato().punti) + u' ' + p.f().GradoPolinomio->text(), QStringLiteral("1;5|2;3|3;8|5;7 2"));
        QVERIFY(p.tabella() && p.programma->Stato().fGrafico && Leggi(file).startsWith("4,2\r\n1,5,"));
        QCOMPARE(letture.join(u' '), QStringLiteral("3,005/0/0 3,095/0/0 3,185/0/1 3,185/0,143/1"));
        QCOMPARE(fuoco.join(u' '), QStringLiteral("Text2 DataGrid1 DataGrid1 Esempio Tabella Grafico Calcolo Punti Print "
                                                  "Save Open New Text1 Text2 DataGrid1 Text1"));
    }
};

QTEST_MAIN(TestScenario)
#include "test_app_scenario.moc"
