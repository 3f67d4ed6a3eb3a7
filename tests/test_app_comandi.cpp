// The frame's commands, the progress window, the options dialog and help.
#include "test_app_supporto.h"

#include "AvanzamentoSimulazione.h"
#include "Disposizione.h"
#include "NumeriTesto.h"
#include "Twips.h"
#include "frmAbout.h"
#include "frmOptions.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include <stdexcept>
#include <utility>

namespace {

const QString Nuovo = QStringLiteral(
    "Curvello|ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una nuova simulazione, continuare?");
const QString Guasto = QStringLiteral(
    "Curvello|Si è verificato un errore imprevisto durante il comando \"Nuovo\": il comando è stato interrotto.");

QMdiSubWindow* ApriFiglio(frmMain& f, const QString& nome, const QString& titolo = {})
{
    auto* w = new QWidget;
    w->setObjectName(nome);
    w->setWindowTitle(titolo.isEmpty() ? nome : titolo);
    w->resize(200, 120);
    QMdiSubWindow* s = f.AreaFigli()->addSubWindow(w);
    s->show();
    return s;
}

} // namespace

class TestComandi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    // Each code as its column says ('=' unchanged), from all on and all off.
    void statoComandi_data()
    {
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("colonna");
        QTest::newRow("1") << 1 << "=101=100=00001";
        QTest::newRow("2") << 2 << "=10==100=0000=";
        QTest::newRow("3") << 3 << "=11==111=11111";
        for (int codice : {0, 4, -1, 32767, -32768})
            QTest::addRow("%d", codice) << codice << QString(Comandi.size(), u'=');
    }
    void statoComandi()
    {
        QFETCH(int, codice);
        QFETCH(QString, colonna);
        for (char partenza : {'0', '1'}) {
            ProgrammaDiProva p;
            for (const QString& nome : Comandi)
                p.voce(nome)->setEnabled(partenza == '1');
            p.f().ImpostaStatoComandi(static_cast<int16_t>(codice));
            QCOMPARE(p.accesi(), QString(colonna).replace(u'=', QLatin1Char(partenza)));
        }
    }

    // After a fit, with two windows open: Annulla changes nothing; OK closes
    // them, empties the points, sets state 1, keeps the degree and the last fit.
    void nuovo()
    {
        ProgrammaDiProva p;
        p.esempioCalcolato(QStringLiteral("2"));
        p.premi("Tabella");
        QPointer<QWidget> figlio = Cornice(p.tabella()), griglia = Cornice(p.coppie());
        // A grid that cannot go across closes all the same, saying so.
        p.coppie()->AggiungiCoppia(QStringLiteral("x"), QStringLiteral("1"));
        p.dialoghi->AccodaRisposta(RispostaMessaggio::Annulla);
        p.premi("New");
        QCOMPARE(p.messaggi(), QStringList{Nuovo});
        const DomandaDialogo& d = p.dialoghi->Domande().first();
        QVERIFY(d.pulsanti == PulsantiMessaggio::OkAnnulla && d.icona == IconaMessaggio::Esclamazione);
        QVERIFY(figlio && griglia && p.f().FormAperto(QStringLiteral("Tabella")));
        QCOMPARE(p.accesi() + u' ' + Righe(p.stato().punti), "11111111111111 1;5|2;3|3;4|4;5|5;7|6;9|7;12|8;7|9;6");

        p.dialoghi->AccodaRisposta(RispostaMessaggio::Ok);
        p.premi("New");
        QCOMPARE(p.messaggi(), (QStringList{Nuovo, Nuovo, "Curvello|La riga 10 contiene un valore non numerico: x"}));
        QTRY_VERIFY(figlio.isNull() && griglia.isNull());
        QVERIFY(!p.f().FormAperto(QStringLiteral("Tabella")) && p.stato().punti.NumeroElementi() == 0);
        QCOMPARE(p.accesi() + u' ' + p.f().GradoPolinomio->text(), "11011100100001 2");
        QCOMPARE(p.stato().polinomio->NumeroElementi(), 3);
    }

    // The fit through the frame and the pairs window. "x;y" types a pair,
    // "G:t" writes the degree, "#n" checks the point count, "chiudi" closes
    // the pairs window, other words press that button or menu entry. Messages
    // are OK only, no icon; a fit that does not succeed leaves the command
    // state and the triples as they were. Coefficients to 6 decimals.
    void calcolo_data()
    {
        QTest::addColumn<QString>("copione");
        QTest::addColumn<QString>("punti");
        QTest::addColumn<QString>("coefficienti");
        QTest::addColumn<QString>("messaggio");
        const QString esempio = QStringLiteral("1;5|2;3|3;4|4;5|5;7|6;9|7;12|8;7|9;6");
        QTest::newRow("M7") << "Punti 2;1 2;2 2;3 G:2 Calcolo" << "2;1|2;2|2;3" << ""
                            << "divisione per zero nell'eliminazione gaussiana !!!";
        QTest::newRow("3x dopo un successo, Tabella") << "Esempio G:1 Calcolo G:3x Calcolo Tabella" << esempio << "" << "";
        QTest::newRow("Esempio con la griglia aperta") << "Punti 1;1 2;4 3;9 Esempio #9 G:2 Calcolo" << "1;1|2;4|3;9" << "0 0 1" << "";
        QTest::newRow("Calcolo con la griglia chiusa") << "Esempio chiudi #9 G:1 Calcolo" << esempio << "3,444444 0,6" << "";
        QTest::newRow("testo non numerico") << "Punti 1;1 2;3 abc;5 G:1 Calcolo" << "1;1|2;3" << "-1 2"
                                            << "La riga 3 contiene un valore non numerico: abc";
        QTest::newRow("Incolla e Calcolo") << "Esempio mnuCoppieIncolla G:1 Calcolo" << esempio + "|10;1|11;4.5" << "5,527273 0,040909" << "";
        QTest::newRow("Elimina riga senza griglia") << "Esempio chiudi mnuCoppieEliminaRiga Calcolo" << esempio.section(u'|', 0, 7) << ""
                                                    << "Inserire un grado per il polinomio approssimante";
    }
    void calcolo()
    {
        QFETCH(QString, copione);
        QFETCH(QString, punti);
        QFETCH(QString, coefficienti);
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QGuiApplication::clipboard()->setText("X\tY\n10\t1\n11\t4,5\n");  // for "Incolla"
        bool avanzamentoAperto = false;
        p.dialoghi->allaDomanda = [&](const DomandaDialogo&) {
            auto* w = f.findChild<AvanzamentoSimulazione*>();
            avanzamentoAperto |= w && w->isVisible() && f.FormAperto(QStringLiteral("AvanzamentoSimulazione"));
        };
        QString prima;
        int terne = 0;
        for (const QString& passo : copione.split(u' ')) {
            if (passo.startsWith(u'#')) {
                QCOMPARE(p.stato().punti.NumeroElementi(), passo.mid(1).toInt());
            } else if (passo.startsWith(QLatin1String("G:"))) {
                f.GradoPolinomio->setText(passo.mid(2));
            } else if (passo == QLatin1String("chiudi")) {
                Cornice(p.coppie())->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            } else if (passo.contains(u';')) {
                ScriviCoppia(p.coppie(), passo.section(u';', 0, 0), passo.section(u';', 1, 1));
            } else if (passo.startsWith(QLatin1String("mnu"))) {
                p.voce(passo)->trigger();
            } else {
                prima = p.accesi();
                terne = p.stato().terne->NumeroElementi();
                p.premi(qPrintable(passo));
            }
        }
        QCOMPARE(Righe(p.stato().punti), punti);
        QStringList c;
        for (int k = 0; k < p.stato().polinomio->NumeroElementi(); ++k)
            c << QString::fromStdString(FormaGenerale(Arrotonda(p.stato().polinomio->Coeff(k), 6), Separatori::Italiani()));
        QCOMPARE(c.join(u' '), coefficienti);
        QTEST(p.messaggi().join(u' ').remove("Curvello|"), "messaggio");
        for (const DomandaDialogo& d : p.dialoghi->Domande())
            QVERIFY(d.pulsanti == PulsantiMessaggio::Ok && d.icona == IconaMessaggio::Nessuna);
        QCOMPARE(avanzamentoAperto, QTest::currentDataTag() == QByteArray("M7"));
        QCOMPARE(p.accesi(), coefficienti.isEmpty() ? prima : QStringLiteral("11111111111111"));
        QCOMPARE(p.stato().terne->NumeroElementi(), coefficienti.isEmpty() ? terne : int(punti.count(u'|') + 1));
        if (Tabella* t = p.tabella())  // no coefficients, no fit: no C rows, no P
            QVERIFY(t->DataCoeff->rowCount() == c.size() + 1 && t->DataTerna->item(0, 3)->text().isEmpty() == c.isEmpty());
    }

    // A failure in a menu command ends it with a message, in a toolbar step silently; the program goes on.
    void comandiGuardati()
    {
        for (bool dalMenu : {true, false}) {
            ProgrammaDiProva p;
            bool lancia = true;
            p.dialoghi->allaDomanda = [&](const DomandaDialogo&) {
                if (std::exchange(lancia, false))
                    throw std::runtime_error("guasto");
            };
            dalMenu ? p.voce(QStringLiteral("mnuFileNew"))->trigger() : p.premi("New");
            p.premi("Esempio");
            QCOMPARE(p.messaggi().join(u' ') + u' ' + QString::number(p.stato().punti.NumeroElementi()),
                     Nuovo + (dalMenu ? u' ' + Guasto : QString()) + " 9");
        }
    }

    // Tiling puts the icons bottom left, un-maximizes and covers the area
    // above the icons exactly, in rows or columns.
    void disposizioneFinestre_data()
    {
        QTest::addColumn<QString>("voce");
        for (const char* voce : {"mnuWindowTileHorizontal", "mnuWindowTileVertical"})
            QTest::newRow(voce) << voce;
    }
    void disposizioneFinestre()
    {
        QFETCH(QString, voce);
        ProgrammaDiProva p;
        QList<QMdiSubWindow*> figli;
        for (int i = 0; i < 5; ++i)
            figli << ApriFiglio(p.f(), QStringLiteral("F%1").arg(i));
        figli[0]->showMinimized();
        figli[2]->showMinimized();
        figli[0]->move(100, 30);
        figli[2]->move(10, 200);
        figli[1]->showMaximized();
        p.voce(voce)->trigger();
        const QRect area = p.f().AreaFigli()->viewport()->rect();
        QCOMPARE(figli[0]->geometry().bottomLeft(), area.bottomLeft());
        QCOMPARE(figli[2]->geometry().topLeft(), figli[0]->geometry().topRight() + QPoint(1, 0));
        // Covered exactly: the union is the free area and the pieces add up to it.
        const QRect libera(area.topLeft(), QPoint(area.right(), figli[0]->y() - 1));
        QRegion coperta;
        int superficie = 0;
        for (int i : {1, 3, 4}) {
            coperta += figli[i]->geometry();
            superficie += figli[i]->width() * figli[i]->height();
        }
        QVERIFY(coperta == QRegion(libera) && superficie == libera.width() * libera.height());
        QCOMPARE(figli[3]->width() == libera.width(), voce == QLatin1String("mnuWindowTileHorizontal"));
        QVERIFY(!figli[1]->isMaximized());
    }

    // Cascade: the pairs window, a table and two graphs in creation order, each a title bar lower and
    // righter than the one before, its size kept unless it would stick out of the area, its content whole.
    void sovrapponi()
    {
        ProgrammaDiProva p;
        p.esempioCalcolato(QStringLiteral("2"));
        for (const char* comando : {"Tabella", "Grafico", "Grafico"})
            p.premi(comando);
        const QList<QMdiSubWindow*> figli = p.f().AreaFigli()->subWindowList(QMdiArea::CreationOrder);
        QList<QSize> prima;
        for (QMdiSubWindow* s : figli)
            prima << s->size();
        p.voce("mnuWindowCascade")->trigger();
        const QRect area = p.f().AreaFigli()->viewport()->rect();
        for (int i = 0, passo = 0; i < figli.size(); passo += figli[i++]->widget()->y()) {
            QVERIFY(figli[i]->widget()->rect().contains(figli[i]->widget()->childrenRect()));
            QCOMPARE(figli[i]->geometry(), QRect(area.topLeft() + QPoint(passo, passo), prima[i].boundedTo(area.size() - QSize(passo, passo))));
        }
    }

    // Children listed once each, numbered, '&' doubled, the active one checked.
    // Help is titled with the frame's caption as it stands, here changed by a maximized child.
    void finestreEGuida()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QMenu* finestra = f.findChild<QMenu*>(QStringLiteral("mnuWindow"));
        ApriFiglio(f, QStringLiteral("Tabella"), QStringLiteral("Grado: 2"));
        QMdiSubWindow* grafico = ApriFiglio(f, QStringLiteral("fGrafico"), QStringLiteral("Grado: a&b"));
        f.AreaFigli()->setActiveSubWindow(grafico);
        grafico->showMaximized();
        emit finestra->aboutToShow();
        emit finestra->aboutToShow();
        const QList<QAction*> voci = finestra->actions();
        QVERIFY(voci.size() == 7 && voci[4]->isSeparator());
        QCOMPARE(voci[5]->text() + u'|' + voci[6]->text(), QStringLiteral("&1 Grado: 2|&2 Grado: a&&b"));
        QVERIFY(!voci[5]->isChecked() && voci[6]->isChecked());

        const QString titolo = f.windowTitle();
        QVERIFY(titolo.startsWith(QStringLiteral("Curvello ")));
        for (const char* voce : {"mnuHelpContents", "mnuHelpSearchForHelpOn"})
            p.voce(voce)->trigger();
        const QString testo = titolo + "|Impossibile visualizzare il Sommario della Guida. Nessun file della Guida "
                                       "associato al progetto.";
        QCOMPARE(p.messaggi(), (QStringList{testo, testo}));
        QVERIFY(p.dialoghi->Domande().first().icona == IconaMessaggio::Informazione);

        voci[5]->trigger();
        QCOMPARE(f.AreaFigli()->activeSubWindow()->widget()->objectName(), QStringLiteral("Tabella"));
    }

    // Without exec(). The focus waits in the named text box with the header
    // selected, so typing replaces it. Enter keeps the typed text (OK with its
    // blanks: dialoghiDalMenu); Annulla drops it. Ctrl+Tab and a click on the
    // tab move its panel to 210 twips; other keys do not.
    void opzioni_data()
    {
        QTest::addColumn<QString>("azione");  // a key sequence, or what is clicked
        QTest::addColumn<QString>("dopo");    // the header kept, or the dialog still open; the panel moved or not
        QTest::newRow("Invio") << "Return" << "Con Invio";
        QTest::newRow("Annulla") << "Annulla" << "Vecchia";
        QTest::newRow("Ctrl+Tab") << "Ctrl+Tab" << "aperta, spostato";
        QTest::newRow("clic sulla scheda") << "Generali" << "aperta, spostato";
        QTest::newRow("Tab") << "Tab" << "aperta";
    }
    void opzioni()
    {
        QFETCH(QString, azione);
        QFETCH(QString, dopo);
        std::string tenuta = "Vecchia";
        frmOptions d(tenuta, nullptr);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        const int progettato = d.picOptions[0]->x();
        QCOMPARE(QApplication::focusWidget(), d.TIntestUtente);
        QCOMPARE(QAccessible::queryAccessibleInterface(d.TIntestUtente)->text(QAccessible::Name), QStringLiteral("Intestazione stampe"));
        QTest::keyClicks(d.TIntestUtente, QStringLiteral("Con Invio"));
        QTabBar* schede = d.tbsOptions->tabBar();
        if (azione == d.cmdCancel->text())
            QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
        else if (azione == schede->tabText(0))
            QTest::mouseClick(schede, Qt::LeftButton, {}, schede->tabRect(0).center());
        else
            QTest::keySequence(d.TIntestUtente, QKeySequence(azione));
        const bool spostato = d.picOptions[0]->x() == PixelDaTwips(210, DpiLogicoSchermo());
        QVERIFY(spostato || d.picOptions[0]->x() == progettato);
        QCOMPARE((d.isVisible() ? QStringLiteral("aperta") : QString::fromStdString(tenuta)) + (spostato ? ", spostato" : ""), dopo);
        QCOMPARE(d.result(), int(dopo == "Con Invio" ? QDialog::Accepted : QDialog::Rejected));
    }

    // Options and about through their real modal windows, centred on the frame.
    // The version is whole numbers never grouped; the contacts invent nothing.
    void dialoghiDalMenu()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        f.showNormal();
        f.setGeometry(150, 90, 500, 400);
        QTRY_COMPARE(f.size(), QSize(500, 400));
        p.stato().IntestazioneUtente = "Vecchia";
        QStringList visti;
        const auto rispondi = [&](QWidget* w) {
            const QPoint scarto = w->frameGeometry().center() - f.frameGeometry().center();
            visti << w->windowTitle() << QString::number(scarto.manhattanLength() <= 4);
            if (auto* d = qobject_cast<frmOptions*>(w)) {
                visti << d->TIntestUtente->text();
                d->TIntestUtente->setText(QStringLiteral(" Laboratorio  Prove "));
            }
            if (auto* a = qobject_cast<frmAbout*>(w)) {
                for (QLabel* l : {a->lblTitle, a->lblDescription, a->Label1, a->Label2, a->Label4})
                    visti << l->text();
                visti << QString::number(!a->Picture1->pixmap().isNull() && !a->PicIcon->pixmap().isNull());
            }
            if (auto* ok = w->findChild<QPushButton*>(QStringLiteral("cmdOK")))
                ok->click();
            else
                w->close();
        };
        for (const char* voce : {"mnuViewOptions", "mnuHelpAbout"}) {
            QuandoModale(rispondi);
            p.voce(voce)->trigger();
        }
        QCOMPARE(visti, (QStringList{"Opzioni", "1", "Vecchia", "Informazioni su Progetto1", "1", "Curvello",
                                     "Software ideato da Brivona, per qualsiasi informazione sui nostri prodotti "
                                     "contattate:",
                                     "Fax: non disponibile", "E-mail: non disponibile", "Web: non disponibile", "1"}));
        QCOMPARE(TestoVersione(12, 3, 1234), QStringLiteral("Versione 12.3.1234"));
        QCOMPARE(QString::fromStdString(p.stato().IntestazioneUtente), QStringLiteral(" Laboratorio  Prove "));  // blanks kept
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestComandi)
#include "test_app_comandi.moc"
