// The frame's commands, the progress window, the options dialog and help.
#include "test_app_supporto.h"

#include "AvanzamentoSimulazione.h"
#include "Curvello.h"
#include "Disposizione.h"
#include "NumeriTesto.h"
#include "Twips.h"
#include "frmOptions.h"

#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

#include <QAccessible>

#include <cmath>
#include <stdexcept>
#include <utility>

namespace {

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
    void nuovo_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("accesi");
        QTest::addColumn<int>("punti");
        QTest::newRow("Annulla") << false << "11111111111111" << 9;
        QTest::newRow("OK") << true << "11011100100001" << 0;
    }
    void nuovo()
    {
        QFETCH(bool, ok);
        QFETCH(QString, accesi);
        QFETCH(int, punti);
        ProgrammaDiProva p;
        p.esempioCalcolato(QStringLiteral("2"));
        p.premi("Tabella");
        QPointer<QWidget> figlio = Cornice(p.tabella()), griglia = Cornice(p.coppie());
        QVERIFY(figlio && griglia);
        QPointer<QWidget> sciolta = new QWidget(&p.f(), Qt::Window);
        sciolta->setObjectName(QStringLiteral("Sciolta"));
        sciolta->setAttribute(Qt::WA_DeleteOnClose);
        sciolta->show();
        QVERIFY(p.f().FormAperto(QStringLiteral("Tabella")) && p.f().FormAperto(QStringLiteral("Sciolta")));
        QVERIFY(!p.f().FormAperto(QStringLiteral("tabella")) && !p.f().FormAperto(QStringLiteral("Tab")));
        p.dialoghi->AccodaRisposta(ok ? RispostaMessaggio::Ok : RispostaMessaggio::Annulla);
        p.premi("New");
        QCOMPARE(p.messaggi(), QStringList{"Curvello|ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una "
                                           "nuova simulazione, continuare?"});
        const DomandaDialogo& d = p.dialoghi->Domande().first();
        QVERIFY(d.pulsanti == PulsantiMessaggio::OkAnnulla && d.icona == IconaMessaggio::Esclamazione);
        QTRY_COMPARE(figlio.isNull() && sciolta.isNull() && griglia.isNull(), ok);
        QCOMPARE(p.f().FormAperto(QStringLiteral("Tabella")), !ok);
        QCOMPARE(p.accesi(), accesi);
        QCOMPARE(p.stato().punti.NumeroElementi(), punti);
        QCOMPARE(p.f().GradoPolinomio->text(), QStringLiteral("2"));
        QCOMPARE(p.stato().polinomio->NumeroElementi(), 3);
    }

    // Through the real window. The progress window is shown once, painted before
    // the loops, ends at step 80 of 81 (98 %) and is gone afterwards.
    void calcoloConEsempioGrado2()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QTest::mouseClick(f.tbToolBar->widgetForAction(f.PulsanteBarra(QStringLiteral("Esempio"))), Qt::LeftButton);
        QTest::keyClicks(f.GradoPolinomio, QStringLiteral("2"));
        SpiaAvanzamento spia;
        qApp->installEventFilter(&spia);
        QTest::mouseClick(f.tbToolBar->widgetForAction(f.PulsanteBarra(QStringLiteral("Calcolo"))), Qt::LeftButton);
        qApp->removeEventFilter(&spia);
        QVERIFY(p.dialoghi->Domande().isEmpty());
        const Polinomio& poli = *p.stato().polinomio;
        QCOMPARE(poli.Grado(), int16_t(2));
        QVERIFY(qAbs(poli.Coeff(0) - 0.904762) < 5e-7);
        QVERIFY(qAbs(poli.Coeff(1) - 1.985281) < 5e-7);
        QVERIFY(qAbs(poli.Coeff(2) + 0.138528) < 5e-7);
        QCOMPARE(p.stato().terne->NumeroElementi(), 9);
        QCOMPARE(p.accesi(), QStringLiteral("11111111111111"));
        QCOMPARE(spia.mostrata, 1);
        QVERIFY(spia.dipinta >= 1);
        QCOMPARE(spia.valore, 98);
        QVERIFY(!f.findChild<AvanzamentoSimulazione*>());
    }

    // Exact text, OK only, no icon, titled Curvello; state kept (3 after a fit);
    // no progress window left. Points: "esempio", "101" or x;y pairs.
    void rifiuti_data()
    {
        QTest::addColumn<QString>("punti");
        QTest::addColumn<QString>("grado");
        QTest::addColumn<QString>("testo");
        const QString m3 = QStringLiteral("Il grado del polinomio approssimante non può essere minore o uguale a zero.");
        const QString m4 = QStringLiteral("Il grado del polinomio deve essere un numero intero compreso tra 1 e 10");
        QTest::newRow("M1") << "" << "2" << "Non soo state inserite coppie X - Y, inserirle e poi ripremere Calcola";
        QTest::newRow("M2") << "esempio" << "" << "Inserire un grado per il polinomio approssimante";
        QTest::newRow("M3 zero") << "esempio" << "0" << m3;
        QTest::newRow("M3 negativo") << "esempio" << "-2" << m3;
        QTest::newRow("M3 lettere") << "esempio" << "abc" << m3;
        QTest::newRow("M3 0,5") << "esempio" << "0,5" << m3;
        QTest::newRow("M4 11") << "esempio" << "11" << m4;
        QTest::newRow("M4 2,5") << "esempio" << "2,5" << m4;
        QTest::newRow("M5") << "101" << "2" << "Il numero di punti e' > di 100";
        QTest::newRow("M6") << "1;1 2;4 3;9" << "3" << "Il grado 3 non puo' essere >= al numero di punti 3 ";
        QTest::newRow("M7") << "2;1 2;2 2;3" << "2" << "divisione per zero nell'eliminazione gaussiana !!!";
        QTest::newRow("silenzioso 3x") << "esempio" << "3x" << "";
        QTest::newRow("silenzioso x=2 grado 1") << "2;1 2;2" << "1" << "";
    }
    void rifiuti()
    {
        QFETCH(QString, punti);
        QFETCH(QString, grado);
        QFETCH(QString, testo);
        for (bool dopoUnSuccesso : {false, true}) {
            ProgrammaDiProva p;
            frmMain& f = p.f();
            if (dopoUnSuccesso) {
                p.esempioCalcolato(QStringLiteral("1"));
                f.ChiudiFinestre();
            }
            StatoProgramma& s = p.stato();
            s.punti.Vuota();
            if (punti == QLatin1String("esempio"))
                s.punti.RiempiEsempio();
            for (int i = 0; punti == QLatin1String("101") && i < 101; ++i)
                s.punti.Add(i, i * 0.5);
            for (const QString& xy : punti.split(u' ', Qt::SkipEmptyParts))
                if (xy.contains(u';'))
                    s.punti.Add(xy.section(u';', 0, 0).toDouble(), xy.section(u';', 1, 1).toDouble());
            const QString prima = p.accesi();
            QCOMPARE(prima, dopoUnSuccesso ? QStringLiteral("11111111111111") : QStringLiteral("11011100100001"));
            const int terne = s.terne->NumeroElementi();
            bool avanzamentoAperto = false;
            p.dialoghi->allaDomanda = [&](const DomandaDialogo&) {
                auto* w = f.findChild<AvanzamentoSimulazione*>();
                avanzamentoAperto = w && w->isVisible() && f.FormAperto(QStringLiteral("AvanzamentoSimulazione"));
            };
            f.GradoPolinomio->setText(grado);
            p.premi("Calcolo");

            QCOMPARE(p.messaggi(), testo.isEmpty() ? QStringList() : QStringList{"Curvello|" + testo});
            for (const DomandaDialogo& d : p.dialoghi->Domande())
                QVERIFY(d.pulsanti == PulsantiMessaggio::Ok && d.icona == IconaMessaggio::Nessuna);
            QCOMPARE(avanzamentoAperto, QTest::currentDataTag() == QByteArray("M7"));
            QCOMPARE(p.accesi(), prima);
            QCOMPARE(s.terne->NumeroElementi(), terne);
            QCOMPARE(s.polinomio->NumeroElementi(), 0);
            QVERIFY(!f.findChild<AvanzamentoSimulazione*>());
        }
    }

    // The toolbar through the pairs window. "x;y" types a pair, "#n" checks
    // the point count, "chiudi" closes the pairs window, other words press
    // that button. Coefficients to 6 decimals.
    void conLaGriglia_data()
    {
        QTest::addColumn<QString>("copione");
        QTest::addColumn<QString>("grado");
        QTest::addColumn<QString>("punti");
        QTest::addColumn<QString>("coefficienti");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("Esempio con la griglia aperta") << "Punti 1;1 2;4 3;9 Esempio #9 Calcolo" << "2"
                                                       << "1;1|2;4|3;9" << "0 0 1" << "";
        QTest::newRow("Calcolo con la griglia chiusa") << "Esempio chiudi #9 Calcolo" << "1"
                                                       << "1;5|2;3|3;4|4;5|5;7|6;9|7;12|8;7|9;6" << "3,444444 0,6" << "";
        QTest::newRow("X vuota come zero") << "Punti ;1 1;3 Calcolo" << "1" << "0;1|1;3" << "1 2" << "";
        QTest::newRow("testo non numerico, poi il calcolo") << "Punti 1;1 2;3 abc;5 Calcolo" << "1" << "1;1|2;3" << "-1 2"
                                                            << "La riga 3 contiene un valore non numerico: abc";
        QTest::newRow("Elimina riga senza griglia") << "Esempio chiudi mnuCoppieEliminaRiga" << "1" << "" << "" << "";
    }
    void conLaGriglia()
    {
        QFETCH(QString, copione);
        QFETCH(QString, grado);
        QFETCH(QString, punti);
        QFETCH(QString, coefficienti);
        QFETCH(QString, messaggio);
        ProgrammaDiProva p;
        p.f().GradoPolinomio->setText(grado);
        for (const QString& passo : copione.split(u' ')) {
            if (passo.startsWith(u'#')) {
                QCOMPARE(p.stato().punti.NumeroElementi(), passo.mid(1).toInt());
            } else if (passo == QLatin1String("chiudi")) {
                Cornice(p.coppie())->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            } else if (passo.contains(u';')) {
                ScriviCoppia(p.coppie(), passo.section(u';', 0, 0), passo.section(u';', 1, 1));
            } else if (passo.startsWith(QLatin1String("mnu"))) {
                p.voce(passo)->trigger();
            } else {
                p.premi(qPrintable(passo));
            }
        }
        if (copione.endsWith(QLatin1String("mnuCoppieEliminaRiga"))) {
            // Opened again on the example, its current row (the last) deleted.
            QCOMPARE(p.coppie()->TotaleRighe(), 8);
            QCOMPARE(Righe(p.coppie()->DataGrid1).section(u'|', -1), QStringLiteral("8;7"));
            return;
        }
        QCOMPARE(Righe(p.stato().punti), punti);
        QStringList c;
        for (int k = 0; k < p.stato().polinomio->NumeroElementi(); ++k)
            c << QString::fromStdString(FormaGenerale(Arrotonda(p.stato().polinomio->Coeff(k), 6), Separatori::Italiani()));
        QCOMPARE(c.join(u' '), coefficienti);
        QCOMPARE(p.messaggi(), messaggio.isEmpty() ? QStringList() : QStringList{"Curvello|" + messaggio});
    }

    // Each press opens one more table, titled with the degree text as it
    // stands, showing the last fit: "abc" is not checked.
    void tabellaConGradoAbc()
    {
        ProgrammaDiProva p;
        p.esempioCalcolato(QStringLiteral("1"));
        p.premi("Tabella");
        QPointer<Tabella> prima = p.tabella();
        p.f().GradoPolinomio->setText(QStringLiteral("abc"));
        p.premi("Tabella");
        QVERIFY(prima && p.tabella() != prima && Cornice(p.tabella())->isVisible());
        QCOMPARE(prima->windowTitle() + u'|' + p.tabella()->windowTitle(), QStringLiteral("Grado: 1|Grado: abc"));
        QCOMPARE(Righe(p.tabella()->DataCoeff), QStringLiteral("0;3,444444|1;0,6|;"));
        QCOMPARE(p.f().AreaFigli()->subWindowList().size(), 3);
    }

    // A failure inside a menu command ends it with a message and the program
    // goes on; inside a toolbar command it is skipped without one.
    void comandiGuardati_data()
    {
        QTest::addColumn<bool>("dalMenu");
        QTest::newRow("menu") << true;
        QTest::newRow("barra") << false;
    }
    void comandiGuardati()
    {
        QFETCH(bool, dalMenu);
        ProgrammaDiProva p;
        bool lancia = true;
        p.dialoghi->allaDomanda = [&](const DomandaDialogo&) {
            if (std::exchange(lancia, false))
                throw std::runtime_error("guasto");
        };
        if (dalMenu)
            p.voce(QStringLiteral("mnuFileNew"))->trigger();
        else
            p.premi("New");
        QStringList attesi{"Curvello|ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una nuova simulazione, "
                           "continuare?"};
        if (dalMenu)
            attesi << "Curvello|Si è verificato un errore imprevisto durante il comando \"Nuovo\": il comando è stato "
                      "interrotto.";
        QCOMPARE(p.messaggi(), attesi);
        p.premi("Esempio");
        QCOMPARE(p.stato().punti.NumeroElementi(), 9);
    }

    // Each box is named by its label; the grids by what they hold.
    void nomiAccessibili()
    {
        ProgrammaDiProva p;
        p.esempioCalcolato(QStringLiteral("1"));
        p.premi("Tabella");
        std::string intestazione;
        frmOptions d(intestazione, &p.f());
        const std::pair<QWidget*, const char*> attesi[] = {
            {p.f().GradoPolinomio, "Grado del polinomio approssimante"}, {d.TIntestUtente, "Intestazione stampe"},
            {p.coppie()->Text1, "X:"}, {p.coppie()->Text2, "Y:"}, {p.coppie()->DataGrid1, "Coppie X - Y"},
            {p.tabella()->DataCoeff, "Coefficenti"}, {p.tabella()->DataTerna, "Punti"}};
        for (auto [w, nome] : attesi)
            QCOMPARE(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name), QString::fromUtf8(nome));
    }

    // Modeless; whole percents, NaN ignored, below 0 as 0; only Chiudi closes it.
    void finestraAvanzamento()
    {
        ProgrammaDiProva p;
        AvanzamentoSimulazione w(&p.f());
        QCOMPARE(w.windowTitle() + u'|' + w.Label1->text(), QStringLiteral("Stato calcolo|avanzamento calcolo"));
        QProgressBar* barra = w.BarraAvanzamentoSimulazione;
        QVERIFY(barra->minimum() == 0 && barra->maximum() == 100);
        w.Mostra();
        QVERIFY(w.isVisible() && !w.isModal() && !QApplication::activeModalWidget());
        for (auto [percento, valore] : {std::pair{99.99f, 99}, {std::nanf(""), 99}, {-5.0f, 0}}) {
            w.Avanza(percento);
            QCOMPARE(barra->value(), valore);
        }
        QVERIFY(!w.close() && w.isVisible());
        w.Chiudi();
        QVERIFY(!w.isVisible());
    }

    // Hiding and showing either bar keeps every enabled state, buttons too.
    void barreNascosteEMostrate()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        const QString prima = p.accesi();
        for (auto [nome, barra] : {std::pair<const char*, QWidget*>{"mnuViewToolbar", f.tbToolBar},
                                   {"mnuViewStatusBar", f.statusBar()}}) {
            p.voce(nome)->trigger();
            QVERIFY(!p.voce(nome)->isChecked() && !barra->isVisible());
            p.voce(nome)->trigger();
            QVERIFY(p.voce(nome)->isChecked() && barra->isVisible());
        }
        QCOMPARE(p.accesi(), prima);
        for (QAction* a : f.tbToolBar->actions())
            QCOMPARE(f.tbToolBar->widgetForAction(a)->isEnabled(), a->isEnabled());
    }

    // Icons go bottom left, the rest untouched; tiling un-maximizes and covers
    // the area above the icons exactly, in rows or columns.
    void disposizioneFinestre_data()
    {
        QTest::addColumn<QString>("voce");
        QTest::newRow("icone") << "mnuWindowArrangeIcons";
        QTest::newRow("orizzontale") << "mnuWindowTileHorizontal";
        QTest::newRow("verticale") << "mnuWindowTileVertical";
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
        const QRect normale = figli[3]->geometry();
        p.voce(voce)->trigger();
        const QRect area = p.f().AreaFigli()->viewport()->rect();
        QCOMPARE(figli[0]->geometry().bottomLeft(), area.bottomLeft());
        QCOMPARE(figli[2]->geometry().topLeft(), figli[0]->geometry().topRight() + QPoint(1, 0));
        if (voce == QLatin1String("mnuWindowArrangeIcons")) {
            QCOMPARE(figli[3]->geometry(), normale);
            return;
        }
        const QRect libera(area.topLeft(), QPoint(area.right(), figli[0]->y() - 1));
        QRegion coperta;
        int superficie = 0;
        for (int i : {1, 3, 4}) {
            coperta += figli[i]->geometry();
            superficie += figli[i]->width() * figli[i]->height();
        }
        QCOMPARE(coperta, QRegion(libera));
        QCOMPARE(superficie, libera.width() * libera.height());
        QCOMPARE(figli[3]->width() == libera.width(), voce == QLatin1String("mnuWindowTileHorizontal"));
        QVERIFY(!figli[1]->isMaximized());
    }

    // Children listed once each, numbered, '&' doubled, the active one checked.
    void elencoFinestre()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QMenu* finestra = f.findChild<QMenu*>(QStringLiteral("mnuWindow"));
        emit finestra->aboutToShow();
        QCOMPARE(finestra->actions().size(), 4);
        ApriFiglio(f, QStringLiteral("Tabella"), QStringLiteral("Grado: 2"));
        f.AreaFigli()->setActiveSubWindow(ApriFiglio(f, QStringLiteral("fGrafico"), QStringLiteral("Grado: a&b")));
        emit finestra->aboutToShow();
        emit finestra->aboutToShow();
        const QList<QAction*> voci = finestra->actions();
        QCOMPARE(voci.size(), 7);
        QVERIFY(voci[4]->isSeparator());
        QCOMPARE(voci[5]->text() + u'|' + voci[6]->text(), QStringLiteral("&1 Grado: 2|&2 Grado: a&&b"));
        QVERIFY(!voci[5]->isChecked() && voci[6]->isChecked());
        voci[5]->trigger();
        QCOMPARE(f.AreaFigli()->activeSubWindow()->widget()->objectName(), QStringLiteral("Tabella"));
    }

    // Titled with the caption as it stands: changed, or with a maximized child's.
    void guida_data()
    {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<bool>("figlioMassimizzato");
        QTest::newRow("sommario") << "mnuHelpContents" << false;
        QTest::newRow("cerca") << "mnuHelpSearchForHelpOn" << true;
    }
    void guida()
    {
        QFETCH(QString, voce);
        QFETCH(bool, figlioMassimizzato);
        ProgrammaDiProva p;
        QMdiSubWindow* figlio = ApriFiglio(p.f(), QStringLiteral("Tabella"), QStringLiteral("Grado: 2"));
        if (figlioMassimizzato)
            figlio->showMaximized();
        else
            p.f().setWindowTitle(QStringLiteral("Curvello - prova"));
        const QString titolo = p.f().windowTitle();
        QVERIFY(titolo.startsWith(QStringLiteral("Curvello ")));
        p.voce(voce)->trigger();
        QCOMPARE(p.messaggi(), QStringList{titolo + "|Impossibile visualizzare il Sommario della Guida. Nessun file "
                                                    "della Guida associato al progetto."});
        const DomandaDialogo& d = p.dialoghi->Domande().first();
        QVERIFY(d.pulsanti == PulsantiMessaggio::Ok && d.icona == IconaMessaggio::Informazione);
    }

    // Modal, fixed size, close box only; the focus waits in the text box with
    // the header selected, so typing replaces it.
    void opzioniAspetto()
    {
        std::string intestazione = "Ditta Rossi";
        frmOptions d(intestazione, nullptr);
        QVERIFY(d.isModal() && d.minimumSize() == d.maximumSize());
        QCOMPARE(d.windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
                 Qt::WindowFlags(Qt::WindowCloseButtonHint));
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), d.TIntestUtente);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" e figli"));
        d.cmdOK->click();
        QCOMPARE(QString::fromStdString(intestazione), QStringLiteral(" e figli"));
    }

    // Without exec(). OK or Enter keeps the typed text as is; Annulla, Esc and
    // the close box drop it. Ctrl(+Shift)+Tab and a click on the tab move its
    // panel to 210 twips; other keys do not.
    void opzioni_data()
    {
        QTest::addColumn<QString>("azione");  // a key sequence, or what is clicked
        QTest::addColumn<QString>("testo");
        QTest::addColumn<bool>("aperta");
        QTest::addColumn<QString>("intestazione");
        QTest::addColumn<bool>("spostato");
        QTest::newRow("OK") << "OK" << "Laboratorio" << false << "Laboratorio" << false;
        QTest::newRow("OK spazi tenuti") << "OK" << "  a  " << false << "  a  " << false;
        QTest::newRow("Invio") << "Return" << "Con Invio" << false << "Con Invio" << false;
        QTest::newRow("Annulla") << "Annulla" << "Laboratorio" << false << "Vecchia" << false;
        QTest::newRow("Esc") << "Esc" << "Laboratorio" << false << "Vecchia" << false;
        QTest::newRow("chiusura") << "chiusura" << "Laboratorio" << false << "Vecchia" << false;
        QTest::newRow("Ctrl+Tab") << "Ctrl+Tab" << "testo" << true << "Vecchia" << true;
        QTest::newRow("Ctrl+Maiusc+Tab") << "Ctrl+Shift+Backtab" << "testo" << true << "Vecchia" << true;
        QTest::newRow("Ctrl+Alt+Tab") << "Ctrl+Alt+Tab" << "testo" << true << "Vecchia" << true;
        QTest::newRow("clic sulla scheda") << "Generali" << "testo" << true << "Vecchia" << true;
        QTest::newRow("Tab") << "Tab" << "testo" << true << "Vecchia" << false;
        QTest::newRow("Ctrl+A") << "Ctrl+A" << "testo" << true << "Vecchia" << false;
    }
    void opzioni()
    {
        QFETCH(QString, azione);
        QFETCH(QString, testo);
        QFETCH(bool, aperta);
        QFETCH(QString, intestazione);
        QFETCH(bool, spostato);
        std::string tenuta = "Vecchia";
        frmOptions d(tenuta, nullptr);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QWidget* pannello = d.picOptions[0];
        const int progettato = pannello->x();
        d.TIntestUtente->setFocus();
        d.TIntestUtente->setText(testo);
        QTabBar* schede = d.tbsOptions->tabBar();
        if (azione == QLatin1String("chiusura"))
            d.close();
        else if (azione == d.cmdOK->text() || azione == d.cmdCancel->text())
            QTest::mouseClick(azione == d.cmdOK->text() ? d.cmdOK : d.cmdCancel, Qt::LeftButton);
        else if (azione == schede->tabText(0))
            QTest::mouseClick(schede, Qt::LeftButton, {}, schede->tabRect(0).center());
        else
            QTest::keySequence(d.TIntestUtente, QKeySequence(azione));
        QCOMPARE(d.isVisible(), aperta);
        QCOMPARE(QString::fromStdString(tenuta), intestazione);
        QCOMPARE(d.result(), int(!aperta && intestazione == testo ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(pannello->x(), spostato ? PixelDaTwips(210, DpiLogicoSchermo()) : progettato);
    }

    // Options and about through their real modal windows, centred on the frame.
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
                d->TIntestUtente->setText(QStringLiteral("Laboratorio Prove"));
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
        QCOMPARE(visti, (QStringList{"Opzioni", "1", "Vecchia", "Informazioni su Progetto1", "1"}));
        QCOMPARE(QString::fromStdString(p.stato().IntestazioneUtente), QStringLiteral("Laboratorio Prove"));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestComandi)
#include "test_app_comandi.moc"
