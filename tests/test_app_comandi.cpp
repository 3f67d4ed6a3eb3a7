// The commands of the frame: the command state, New, the view toggles,
// "Calcolo" through the real window with every refusal, the window
// arrangements, help, options and about through their real modal windows.
#include "test_app_supporto.h"

#include "AvanzamentoSimulazione.h"
#include "Curvello.h"
#include "Guida.h"
#include "frmAbout.h"
#include "frmOptions.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

const QStringList Pulsanti = {"Open", "Save", "Print", "Calcolo", "Grafico", "Tabella"};
const QStringList Voci = {"mnuFileSave", "mnuFileSaveAs", "mnuFileEsporta", "mnuFileEsportaGrafico", "mnuFilePrint"};

QMap<QString, bool> StatoComandi(ProgrammaDiProva& p)
{
    QMap<QString, bool> r;
    for (const QString& k : Pulsanti)
        r[k] = p.f().PulsanteBarra(k)->isEnabled();
    for (const QString& v : Voci)
        r[v] = p.f().findChild<QAction*>(v)->isEnabled();
    return r;
}

void ImpostaTutti(ProgrammaDiProva& p, bool acceso)
{
    for (const QString& k : Pulsanti)
        p.f().PulsanteBarra(k)->setEnabled(acceso);
    for (const QString& v : Voci)
        p.f().findChild<QAction*>(v)->setEnabled(acceso);
}

QWidget* ApriFiglio(frmMain& f, const QString& nome, const QString& titolo)
{
    auto* w = new QWidget;
    w->setObjectName(nome);
    w->setWindowTitle(titolo);
    w->resize(200, 120);
    QMdiSubWindow* s = f.AreaFigli()->addSubWindow(w);
    s->show();
    return w;
}

void Punti(StatoProgramma& s, std::initializer_list<std::pair<double, double>> punti)
{
    s.punti.Vuota();
    for (auto [x, y] : punti)
        s.punti.Add(x, y);
}

} // namespace

class TestComandi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { LocaleItaliano(); }

    // Each code sets what its column lists and leaves "unchanged" items as
    // they were, starting from everything on and from everything off.
    void tabellaStatoComandi_data()
    {
        QTest::addColumn<int>("codice");
        QTest::addColumn<bool>("partenza");
        // Open Save Print Calcolo Grafico Tabella, then the entries Salva,
        // Salva con nome, Esporta tabella, Esporta grafico, Stampa; '=' unchanged.
        QTest::addColumn<QString>("atteso");
        const std::pair<int, const char*> colonne[] = {
            {1, "10110000001"}, {2, "10=1000000="}, {3, "11=11111111"},
        };
        for (auto [codice, colonna] : colonne)
            for (bool partenza : {true, false})
                QTest::addRow("codice %d da %s", codice, partenza ? "acceso" : "spento")
                    << codice << partenza << QString::fromLatin1(colonna);
        for (int codice : {0, 4, -1, 32767, -32768})
            for (bool partenza : {true, false})
                QTest::addRow("codice %d da %s", codice, partenza ? "acceso" : "spento")
                    << codice << partenza << QStringLiteral("===========");
    }
    void tabellaStatoComandi()
    {
        QFETCH(int, codice);
        QFETCH(bool, partenza);
        QFETCH(QString, atteso);
        ProgrammaDiProva p;
        ImpostaTutti(p, partenza);
        p.f().ImpostaStatoComandi(static_cast<int16_t>(codice));
        const QStringList elementi = Pulsanti + Voci;
        const QMap<QString, bool> stato = StatoComandi(p);
        QCOMPARE(atteso.size(), elementi.size());
        for (int i = 0; i < elementi.size(); ++i) {
            const QChar c = atteso[i];
            const bool voluto = c == QLatin1Char('=') ? partenza : c == QLatin1Char('1');
            QVERIFY2(stato[elementi[i]] == voluto, qPrintable(elementi[i]));
        }
        // Buttons the state never touches stay enabled.
        for (const char* k : {"New", "Punti", "Esempio"})
            QVERIFY(p.f().PulsanteBarra(QString::fromLatin1(k))->isEnabled());
    }

    void nuovoAnnullato()
    {
        ProgrammaDiProva p;
        p.premi("Esempio");
        p.f().GradoPolinomio->setText(QStringLiteral("2"));
        p.premi("Calcolo");
        ApriFiglio(p.f(), QStringLiteral("Tabella"), QStringLiteral("Grado: 2"));
        const QMap<QString, bool> prima = StatoComandi(p);
        p.dialoghi->AccodaRisposta(RispostaMessaggio::Annulla);
        p.premi("New");
        QCOMPARE(p.dialoghi->Domande().size(), 1);
        const DomandaDialogo d = p.dialoghi->Domande().first();
        QCOMPARE(d.testo, QStringLiteral("ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una "
                                         "nuova simulazione, continuare?"));
        QCOMPARE(d.titolo, QStringLiteral("Curvello"));
        QCOMPARE(d.pulsanti, PulsantiMessaggio::OkAnnulla);
        QCOMPARE(d.icona, IconaMessaggio::Esclamazione);
        QCOMPARE(StatoComandi(p), prima);
        QCOMPARE(p.stato().punti.NumeroElementi(), 9);
        QCOMPARE(p.f().AreaFigli()->subWindowList().size(), 1);
    }

    void nuovoConfermato()
    {
        ProgrammaDiProva p;
        p.premi("Esempio");
        p.f().GradoPolinomio->setText(QStringLiteral("2"));
        p.premi("Calcolo");
        QCOMPARE(p.stato().polinomio->NumeroElementi(), 3);
        QPointer<QWidget> a = ApriFiglio(p.f(), QStringLiteral("Tabella"), QStringLiteral("Grado: 2"));
        QPointer<QWidget> b = ApriFiglio(p.f(), QStringLiteral("fGrafico"), QStringLiteral("Grado: 2"));
        p.dialoghi->AccodaRisposta(RispostaMessaggio::Ok);
        p.premi("New");
        QTRY_VERIFY(!a && !b);
        QVERIFY(p.f().AreaFigli()->subWindowList().isEmpty());
        QCOMPARE(p.stato().punti.NumeroElementi(), 0);
        QCOMPARE(p.f().GradoPolinomio->text(), QStringLiteral("2"));
        // The last fit's results stay.
        QCOMPARE(p.stato().polinomio->NumeroElementi(), 3);
        QCOMPARE(p.stato().terne->NumeroElementi(), 9);
        for (const char* k : {"Save", "Grafico", "Tabella"})
            QVERIFY(!p.f().PulsanteBarra(QString::fromLatin1(k))->isEnabled());
        QVERIFY(p.f().PulsanteBarra(QStringLiteral("Print"))->isEnabled());
        QVERIFY(p.voce("mnuFilePrint")->isEnabled());
    }

    void calcoloConEsempioGrado2()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTest::mouseClick(f.tbToolBar->widgetForAction(f.PulsanteBarra(QStringLiteral("Esempio"))), Qt::LeftButton);
        QCOMPARE(p.stato().punti.NumeroElementi(), 9);
        QTest::keyClicks(f.GradoPolinomio, QStringLiteral("2"));
        QTest::mouseClick(f.tbToolBar->widgetForAction(f.PulsanteBarra(QStringLiteral("Calcolo"))), Qt::LeftButton);

        QVERIFY(p.dialoghi->Domande().isEmpty());
        const Polinomio& poli = *p.stato().polinomio;
        QCOMPARE(poli.Grado(), int16_t(2));
        QCOMPARE(poli.NumeroElementi(), 3);
        QVERIFY(qAbs(poli.Coeff(0) - 0.904762) < 5e-7);
        QVERIFY(qAbs(poli.Coeff(1) - 1.985281) < 5e-7);
        QVERIFY(qAbs(poli.Coeff(2) + 0.138528) < 5e-7);
        QCOMPARE(p.stato().terne->NumeroElementi(), 9);
        for (const QString& k : Pulsanti)
            QVERIFY2(f.PulsanteBarra(k)->isEnabled(), qPrintable(k));
        for (const QString& v : Voci)
            QVERIFY2(p.voce(qPrintable(v))->isEnabled(), qPrintable(v));
        QVERIFY(!f.FormAperto(QStringLiteral("AvanzamentoSimulazione")));
        QVERIFY(!f.findChild<AvanzamentoSimulazione*>());
    }

    // Each refusal shows its exact text, OK only, no icon, the application's
    // title; the command state stays; the progress window is gone.
    void rifiuti_data()
    {
        QTest::addColumn<QString>("punti");  // "vuoto", "esempio", "101", "quadrati", "x2"
        QTest::addColumn<QString>("grado");
        QTest::addColumn<QString>("testo");
        const QString m3 = QStringLiteral("Il grado del polinomio approssimante non può essere minore o uguale a zero.");
        const QString m4 = QStringLiteral("Il grado del polinomio deve essere un numero intero compreso tra 1 e 10");
        QTest::newRow("M1") << "vuoto" << "2"
                            << "Non soo state inserite coppie X - Y, inserirle e poi ripremere Calcola";
        QTest::newRow("M2") << "esempio" << "" << "Inserire un grado per il polinomio approssimante";
        QTest::newRow("M3 zero") << "esempio" << "0" << m3;
        QTest::newRow("M3 negativo") << "esempio" << "-2" << m3;
        QTest::newRow("M3 lettere") << "esempio" << "abc" << m3;
        QTest::newRow("M3 0,5") << "esempio" << "0,5" << m3;
        QTest::newRow("M4 11") << "esempio" << "11" << m4;
        QTest::newRow("M4 2,5") << "esempio" << "2,5" << m4;
        QTest::newRow("M5") << "101" << "2" << "Il numero di punti e' > di 100";
        QTest::newRow("M6") << "quadrati" << "3" << "Il grado 3 non puo' essere >= al numero di punti 3 ";
        QTest::newRow("M7") << "x2" << "2" << "divisione per zero nell'eliminazione gaussiana !!!";
        QTest::newRow("silenzioso 3x") << "esempio" << "3x" << "";
        QTest::newRow("silenzioso x=2 grado 1") << "x2 due" << "1" << "";
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
                p.premi("Esempio");
                f.GradoPolinomio->setText(QStringLiteral("1"));
                p.premi("Calcolo");
                QVERIFY(f.PulsanteBarra(QStringLiteral("Tabella"))->isEnabled());
            }
            StatoProgramma& s = p.stato();
            if (punti == QLatin1String("vuoto"))
                s.punti.Vuota();
            else if (punti == QLatin1String("esempio"))
                s.punti.RiempiEsempio();
            else if (punti == QLatin1String("101")) {
                s.punti.Vuota();
                for (int i = 0; i < 101; ++i)
                    s.punti.Add(i, i * 0.5);
            } else if (punti == QLatin1String("quadrati"))
                Punti(s, {{1, 1}, {2, 4}, {3, 9}});
            else if (punti == QLatin1String("x2"))
                Punti(s, {{2, 1}, {2, 2}, {2, 3}});
            else
                Punti(s, {{2, 1}, {2, 2}});
            const QMap<QString, bool> prima = StatoComandi(p);
            const int terne = s.terne->NumeroElementi();

            bool avanzamentoAperto = false;
            p.dialoghi->allaDomanda = [&](const DomandaDialogo&) {
                auto* w = f.findChild<AvanzamentoSimulazione*>();
                avanzamentoAperto = w && w->isVisible() && f.FormAperto(QStringLiteral("AvanzamentoSimulazione"));
            };
            f.GradoPolinomio->setText(grado);
            p.premi("Calcolo");

            if (testo.isEmpty()) {
                QVERIFY(p.dialoghi->Domande().isEmpty());
            } else {
                QCOMPARE(p.dialoghi->Domande().size(), 1);
                const DomandaDialogo d = p.dialoghi->Domande().first();
                QCOMPARE(d.testo, testo);
                QCOMPARE(d.titolo, QStringLiteral("Curvello"));
                QCOMPARE(d.pulsanti, PulsantiMessaggio::Ok);
                QCOMPARE(d.icona, IconaMessaggio::Nessuna);
                QCOMPARE(avanzamentoAperto, QTest::currentDataTag() == QByteArray("M7"));
            }
            QCOMPARE(StatoComandi(p), prima);
            QCOMPARE(s.terne->NumeroElementi(), terne);
            QVERIFY(s.polinomio);
            QCOMPARE(s.polinomio->NumeroElementi(), 0);
            QVERIFY(!f.FormAperto(QStringLiteral("AvanzamentoSimulazione")));
            QVERIFY(!f.findChild<AvanzamentoSimulazione*>());
        }
    }

    void finestraAvanzamento()
    {
        ProgrammaDiProva p;
        AvanzamentoSimulazione prova(&p.f());
        QCOMPARE(prova.objectName(), QStringLiteral("AvanzamentoSimulazione"));
        QCOMPARE(prova.windowTitle(), QStringLiteral("Stato calcolo"));
        QCOMPARE(prova.Label1->objectName(), QStringLiteral("Label1"));
        QCOMPARE(prova.Label1->text(), QStringLiteral("avanzamento calcolo"));
        QCOMPARE(prova.BarraAvanzamentoSimulazione->objectName(), QStringLiteral("BarraAvanzamentoSimulazione"));
        QCOMPARE(prova.BarraAvanzamentoSimulazione->minimum(), 0);
        QCOMPARE(prova.BarraAvanzamentoSimulazione->maximum(), 100);
        QVERIFY(prova.isWindow());
        prova.Mostra();
        QVERIFY(prova.isVisible());
        QVERIFY(!prova.isModal());
        QVERIFY(!QApplication::activeModalWidget());
        prova.Avanza(99.99f);
        QCOMPARE(prova.BarraAvanzamentoSimulazione->value(), 99);
        prova.Avanza(std::nanf(""));
        QCOMPARE(prova.BarraAvanzamentoSimulazione->value(), 99);
        prova.Avanza(-5);
        QCOMPARE(prova.BarraAvanzamentoSimulazione->value(), 0);
        QVERIFY(!prova.close());  // the user cannot close it while the run goes on
        QVERIFY(prova.isVisible());
        prova.Chiudi();
        QVERIFY(!prova.isVisible());
    }

    // During a real run the window is shown and painted before the loops,
    // its bar climbs to 99, and it is gone when the run ends.
    void avanzamentoDuranteIlCalcolo()
    {
        struct Spia : QObject {
            int mostrata = 0, dipinta = 0, valore = -1;
            bool eventFilter(QObject* o, QEvent* e) override
            {
                auto* w = qobject_cast<AvanzamentoSimulazione*>(o);
                if (w && e->type() == QEvent::Show)
                    ++mostrata;
                if (w && e->type() == QEvent::Paint && valore < 0)
                    ++dipinta;
                if (w && e->type() == QEvent::Hide)
                    valore = w->BarraAvanzamentoSimulazione->value();
                return false;
            }
        } spia;
        ProgrammaDiProva p;
        QVERIFY(QTest::qWaitForWindowExposed(&p.f()));
        p.stato().punti.Vuota();
        for (int i = 1; i <= 100; ++i)
            p.stato().punti.Add(i, std::sin(i));
        p.f().GradoPolinomio->setText(QStringLiteral("10"));
        qApp->installEventFilter(&spia);
        p.premi("Calcolo");
        qApp->removeEventFilter(&spia);
        QVERIFY(p.dialoghi->Domande().isEmpty());
        QCOMPARE(p.stato().polinomio->NumeroElementi(), 11);
        QCOMPARE(spia.mostrata, 1);
        QVERIFY(spia.dipinta >= 1);
        QCOMPARE(spia.valore, 99);
        QVERIFY(!p.f().findChild<AvanzamentoSimulazione*>());
    }

    void barreNascosteEMostrate()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        p.premi("Esempio");
        f.GradoPolinomio->setText(QStringLiteral("2"));
        p.premi("Calcolo");
        f.PulsanteBarra(QStringLiteral("Open"))->setEnabled(false);
        const QMap<QString, bool> prima = StatoComandi(p);
        QAction* barra = p.voce("mnuViewToolbar");
        barra->trigger();
        QVERIFY(!barra->isChecked());
        QVERIFY(!f.tbToolBar->isVisible());
        barra->trigger();
        QVERIFY(barra->isChecked());
        QVERIFY(f.tbToolBar->isVisible());
        QCOMPARE(StatoComandi(p), prima);
        for (QAction* a : f.tbToolBar->actions())
            if (!a->isSeparator())
                QCOMPARE(f.tbToolBar->widgetForAction(a)->isEnabled(), a->isEnabled());

        QAction* stato = p.voce("mnuViewStatusBar");
        stato->trigger();
        QVERIFY(!stato->isChecked());
        QVERIFY(!f.statusBar()->isVisible());
        stato->trigger();
        QVERIFY(f.statusBar()->isVisible());
    }

    void formApertoEChiudiFinestre()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QPointer<QWidget> coppie = ApriFiglio(f, QStringLiteral("Coppie"), QStringLiteral("Coppie"));
        QVERIFY(f.FormAperto(QStringLiteral("Coppie")));
        QVERIFY(!f.FormAperto(QStringLiteral("coppie")));
        QVERIFY(!f.FormAperto(QStringLiteral("Copp")));
        auto* sciolta = new QWidget(nullptr, Qt::Window);
        sciolta->setObjectName(QStringLiteral("Sciolta"));
        sciolta->setAttribute(Qt::WA_DeleteOnClose);
        sciolta->show();
        QPointer<QWidget> guardia(sciolta);
        QVERIFY(f.FormAperto(QStringLiteral("Sciolta")));
        f.ChiudiFinestre();
        QTRY_VERIFY(!coppie && !guardia);
        QVERIFY(f.isVisible());
        QVERIFY(!f.FormAperto(QStringLiteral("Coppie")));
    }

    void disposizioneFinestre_data()
    {
        QTest::addColumn<QString>("voce");
        QTest::newRow("sovrapponi") << "mnuWindowCascade";
        QTest::newRow("orizzontale") << "mnuWindowTileHorizontal";
        QTest::newRow("verticale") << "mnuWindowTileVertical";
    }
    void disposizioneFinestre()
    {
        QFETCH(QString, voce);
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QList<QMdiSubWindow*> figli;
        for (int i = 0; i < 3; ++i)
            figli << qobject_cast<QMdiSubWindow*>(ApriFiglio(f, QStringLiteral("F%1").arg(i), QStringLiteral("F%1").arg(i))->parentWidget());
        figli[1]->showMaximized();
        p.voce(qPrintable(voce))->trigger();
        const QRect area = f.AreaFigli()->viewport()->rect();
        for (QMdiSubWindow* s : figli) {
            QVERIFY(!s->isMaximized());
            QVERIFY(area.contains(s->geometry()));
        }
        if (voce == QLatin1String("mnuWindowCascade")) {
            QVERIFY(figli[0]->y() != figli[1]->y() || figli[0]->x() != figli[1]->x());
            return;
        }
        const bool righe = voce == QLatin1String("mnuWindowTileHorizontal");
        int lunghezza = 0;
        for (int i = 0; i < 3; ++i) {
            const QRect r = figli[i]->geometry();
            if (righe) {
                QCOMPARE(r.width(), area.width());
                lunghezza += r.height();
            } else {
                QCOMPARE(r.height(), area.height());
                lunghezza += r.width();
            }
            for (int j = i + 1; j < 3; ++j)
                QVERIFY(!r.intersects(figli[j]->geometry()));
        }
        QCOMPARE(lunghezza, righe ? area.height() : area.width());
    }

    void disponiIcone()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QList<QMdiSubWindow*> figli;
        for (int i = 0; i < 4; ++i)
            figli << qobject_cast<QMdiSubWindow*>(ApriFiglio(f, QStringLiteral("F%1").arg(i), QStringLiteral("F%1").arg(i))->parentWidget());
        figli[0]->showMinimized();
        figli[2]->showMinimized();
        figli[0]->move(100, 30);
        figli[2]->move(10, 200);
        const QRect normale = figli[1]->geometry();
        p.voce("mnuWindowArrangeIcons")->trigger();
        const QRect area = f.AreaFigli()->viewport()->rect();
        QCOMPARE(figli[0]->geometry().bottomLeft(), area.bottomLeft());
        QCOMPARE(figli[2]->geometry().left(), figli[0]->geometry().right() + 1);
        QCOMPARE(figli[2]->geometry().bottom(), area.bottom());
        QCOMPARE(figli[1]->geometry(), normale);

        // Tiling leaves the icons' row free.
        p.voce("mnuWindowTileHorizontal")->trigger();
        QVERIFY(!figli[1]->geometry().intersects(figli[0]->geometry()));
        QVERIFY(!figli[3]->geometry().intersects(figli[2]->geometry()));
    }

    void elencoFinestre()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QMenu* finestra = f.findChild<QMenu*>(QStringLiteral("mnuWindow"));
        emit finestra->aboutToShow();
        QCOMPARE(finestra->actions().size(), 4);
        ApriFiglio(f, QStringLiteral("Tabella"), QStringLiteral("Grado: 2"));
        QWidget* b = ApriFiglio(f, QStringLiteral("fGrafico"), QStringLiteral("Grado: a&b"));
        f.AreaFigli()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(b->parentWidget()));
        emit finestra->aboutToShow();
        emit finestra->aboutToShow();  // no duplicates
        const QList<QAction*> voci = finestra->actions();
        QCOMPARE(voci.size(), 7);
        QVERIFY(voci[4]->isSeparator());
        QCOMPARE(voci[5]->text(), QStringLiteral("&1 Grado: 2"));
        QCOMPARE(voci[6]->text(), QStringLiteral("&2 Grado: a&&b"));
        QVERIFY(!voci[5]->isChecked());
        QVERIFY(voci[6]->isChecked());
        voci[5]->trigger();
        QCOMPARE(f.AreaFigli()->activeSubWindow()->widget()->objectName(), QStringLiteral("Tabella"));
    }

    // Both help commands, whatever child is active, titled with the frame's
    // caption as it stands (a maximized child adds its own title to it).
    void guida_data()
    {
        QTest::addColumn<QString>("voce");
        QTest::addColumn<bool>("figlioMassimizzato");
        for (bool massimizzato : {false, true}) {
            QTest::addRow("sommario %d", massimizzato) << "mnuHelpContents" << massimizzato;
            QTest::addRow("cerca %d", massimizzato) << "mnuHelpSearchForHelpOn" << massimizzato;
        }
    }
    void guida()
    {
        QFETCH(QString, voce);
        QFETCH(bool, figlioMassimizzato);
        ProgrammaDiProva p;
        QVERIFY(QTest::qWaitForWindowExposed(&p.f()));
        QWidget* figlio = ApriFiglio(p.f(), QStringLiteral("Tabella"), QStringLiteral("Grado: 2"));
        if (figlioMassimizzato)
            figlio->parentWidget()->showMaximized();
        else
            p.f().setWindowTitle(QStringLiteral("Curvello - prova"));
        const QString titolo = p.f().windowTitle();
        QVERIFY(titolo.startsWith(QStringLiteral("Curvello")));
        p.voce(qPrintable(voce))->trigger();
        QCOMPARE(p.dialoghi->Domande().size(), 1);
        const DomandaDialogo d = p.dialoghi->Domande().first();
        QCOMPARE(d.testo, QStringLiteral("Impossibile visualizzare il Sommario della Guida. Nessun file "
                                         "della Guida associato al progetto."));
        QCOMPARE(d.titolo, titolo);
        QCOMPARE(d.pulsanti, PulsantiMessaggio::Ok);
        QCOMPARE(d.icona, IconaMessaggio::Informazione);
    }

    // Through the real modal dialog: OK stores the header, Annulla does not.
    void opzioniDalMenu()
    {
        ProgrammaDiProva p;
        QVERIFY(QTest::qWaitForWindowExposed(&p.f()));
        p.stato().IntestazioneUtente = "Vecchia";
        QString mostrato;
        bool centrato = false;
        QuandoModale([&](QWidget* w) {
            auto* d = qobject_cast<frmOptions*>(w);
            QVERIFY(d);
            mostrato = d->TIntestUtente->text();
            centrato = (d->frameGeometry().center() - p.f().frameGeometry().center()).manhattanLength() <= 4;

            d->TIntestUtente->setText(QStringLiteral("Laboratorio Prove"));
            d->cmdOK->click();
        });
        p.voce("mnuViewOptions")->trigger();
        QCOMPARE(mostrato, QStringLiteral("Vecchia"));
        QVERIFY(centrato);
        QCOMPARE(QString::fromStdString(p.stato().IntestazioneUtente), QStringLiteral("Laboratorio Prove"));

        QuandoModale([](QWidget* w) {
            auto* d = qobject_cast<frmOptions*>(w);
            QVERIFY(d);
            d->TIntestUtente->setText(QStringLiteral("scartata"));
            QTest::keyClick(d->TIntestUtente, Qt::Key_Escape);
        });
        p.voce("mnuViewOptions")->trigger();
        QCOMPARE(QString::fromStdString(p.stato().IntestazioneUtente), QStringLiteral("Laboratorio Prove"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void informazioniDalMenu()
    {
        ProgrammaDiProva p;
        QString titolo;
        QuandoModale([&](QWidget* w) {
            auto* d = qobject_cast<frmAbout*>(w);
            QVERIFY(d);
            titolo = d->windowTitle();
            d->cmdOK->click();
        });
        p.voce("mnuHelpAbout")->trigger();
        QCOMPARE(titolo, QStringLiteral("Informazioni su Progetto1"));
        QVERIFY(!QApplication::activeModalWidget());
    }

    void esci()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QPointer<QWidget> figlio = ApriFiglio(f, QStringLiteral("Tabella"), QStringLiteral("Grado: 1"));
        p.voce("mnuFileExit")->trigger();
        QVERIFY(!f.isVisible());
        QTRY_VERIFY(!figlio);
        QVERIFY(p.impostazioni->contains(QStringLiteral("Settings/MainLeft")));
    }
};

CURVELLO_TEST_MAIN(TestComandi)
#include "test_app_comandi.moc"
