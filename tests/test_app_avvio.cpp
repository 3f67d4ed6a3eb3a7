// Start-up as a newcomer sees it: the frame, its toolbar, strip, status bar
// and menus, and the entries that must stay out of reach.
#include "test_app_supporto.h"

#include "Costanti.h"
#include "Twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

class TestAvvio : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { LocaleItaliano(); }

    void valoriIniziali()
    {
        ProgrammaDiProva p;
        const StatoApplicazione& s = p.programma->Stato();
        QCOMPARE(s.programma.limiti.GradoMassimo, int16_t(10));
        QCOMPARE(s.programma.limiti.PuntiMassimi, int16_t(100));
        QCOMPARE(s.programma.limiti.ScalaturaRighe, int16_t(1));
        QCOMPARE(s.programma.limiti.PivotParziale, int16_t(1));
        QCOMPARE(s.grafico.ScalaX, 1.0f);
        QCOMPARE(s.grafico.ScalaY, 1.0f);
        QCOMPARE(s.grafico.EstensioneX, 100.0f);
        QCOMPARE(s.grafico.EstensioneY, 100.0f);
        QCOMPARE(s.grafico.PassoGrafico, 0.1f);
        QCOMPARE(s.grafico.Particolari, 0);
        QVERIFY(!s.grafico.CollimatoreAttivo && !s.grafico.ZoomRettangoloAttivo && !s.grafico.DifferenzaAttiva);
        QCOMPARE(s.programma.punti.NumeroElementi(), 0);
        QCOMPARE(s.programma.terne->NumeroElementi(), 0);
        QVERIFY(!s.programma.polinomio);
        QVERIFY(!s.programma.oggcoppiecopia);
        QVERIFY(s.programma.IntestazioneUtente.empty());
        QVERIFY(!s.Coppie && !s.Tabella && !s.fGrafico);
    }

    void finestraPrincipale()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.windowTitle(), QStringLiteral("Curvello"));
        QCOMPARE(f.objectName(), QStringLiteral("frmMain"));
        QVERIFY(f.isMaximized());
        QVERIFY(f.tbToolBar->isVisible());
        QVERIFY(f.Picture1->isVisible());
        QVERIFY(f.statusBar()->isVisible());
        QCOMPARE(f.statusBar()->objectName(), QStringLiteral("sbStatusBar"));
        QCOMPARE(f.Label1->text(), QStringLiteral("Grado del polinomio approssimante"));
        QVERIFY(f.GradoPolinomio->text().isEmpty());
        QVERIFY(f.AreaFigli()->subWindowList().isEmpty());
        QVERIFY(!f.FormAperto(QStringLiteral("Coppie")));
        QVERIFY(!f.FormAperto(QStringLiteral("AvanzamentoSimulazione")));
        QVERIFY(f.FormAperto(QStringLiteral("frmMain")));
        QVERIFY(!f.FormAperto(QStringLiteral("frmmain")));
        // The strip lies between the toolbar and the child windows.
        QVERIFY(f.Picture1->mapTo(&f, QPoint(0, 0)).y() >= f.tbToolBar->geometry().bottom());
        QVERIFY(f.AreaFigli()->mapTo(&f, QPoint(0, 0)).y() >= f.Picture1->mapTo(&f, QPoint(0, f.Picture1->height())).y());
        QVERIFY(f.AreaFigli()->height() > 0);
        QVERIFY(f.tbToolBar->height() >= PixelDaTwips(630, DpiLogicoSchermo()));
        QVERIFY(f.Picture1->height() >= PixelDaTwips(615, DpiLogicoSchermo()));
    }

    void geometriaSenzaImpostazioni()
    {
        if (DpiLogicoSchermo() != 96)
            QSKIP("the pixel values below are for 96 DPI");
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.showNormal();
        QTRY_VERIFY(!f.isMaximized());
        // 1000 and 6500 twips at 15 twips a pixel.
        QTRY_COMPARE(f.pos(), QPoint(67, 67));
        QCOMPARE(f.size(), QSize(433, 433));
    }

    void statoIniziale_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<bool>("attivo");
        for (auto [chiave, attivo] : {std::pair{"New", true}, {"Open", true}, {"Save", false},
                                      {"Print", true}, {"Punti", true}, {"Calcolo", true},
                                      {"Grafico", false}, {"Tabella", false}, {"Esempio", true}})
            QTest::newRow(chiave) << QString::fromLatin1(chiave) << attivo;
    }
    void statoIniziale()
    {
        QFETCH(QString, chiave);
        QFETCH(bool, attivo);
        ProgrammaDiProva p;
        QCOMPARE(p.f().PulsanteBarra(chiave)->isEnabled(), attivo);
        QToolButton* pulsante = qobject_cast<QToolButton*>(p.f().tbToolBar->widgetForAction(p.f().PulsanteBarra(chiave)));
        QVERIFY(pulsante);
        QCOMPARE(pulsante->isEnabled(), attivo);
    }

    void barraStrumenti()
    {
        ProgrammaDiProva p;
        const QList<QAction*> azioni = p.f().tbToolBar->actions();
        struct Atteso {
            const char* chiave;
            const char* suggerimento;
            bool immagine;
        };
        const Atteso attesi[] = {{"New", "Nuova simulazione", true},   {"Open", "Carica simulazione", true},
                                 {"Save", "Salva simulazione", true},  {nullptr, nullptr, false},
                                 {"Print", "Print", true},             {nullptr, nullptr, false},
                                 {"Punti", "Valori iniziali", false},  {"Calcolo", "Inizio simulazione", false},
                                 {"Grafico", "Grafico", false},        {"Tabella", "Tabella", false},
                                 {"Esempio", "Esempio", false}};
        QCOMPARE(azioni.size(), qsizetype(std::size(attesi)));
        for (size_t i = 0; i < std::size(attesi); ++i) {
            QAction* a = azioni[static_cast<qsizetype>(i)];
            const Atteso& e = attesi[i];
            if (!e.chiave) {
                QVERIFY2(a->isSeparator(), qPrintable(QString::number(i)));
                continue;
            }
            QCOMPARE(a->data().toString(), QString::fromLatin1(e.chiave));
            QCOMPARE(a->toolTip(), QString::fromLatin1(e.suggerimento));
            auto* pulsante = qobject_cast<QToolButton*>(p.f().tbToolBar->widgetForAction(a));
            QVERIFY(pulsante);
            if (e.immagine) {
                QVERIFY(!a->icon().isNull());
                QCOMPARE(a->icon().pixmap(16, 16).size(), QSize(16, 16));
                QCOMPARE(pulsante->toolButtonStyle(), Qt::ToolButtonIconOnly);
            } else {
                QVERIFY(a->icon().isNull());
                QCOMPARE(pulsante->text(), QString::fromLatin1(e.chiave));
            }
        }
    }

    void menuVisibili()
    {
        ProgrammaDiProva p;
        QStringList titoli;
        for (QAction* a : p.f().menuBar()->actions())
            titoli << a->text();
        QCOMPARE(titoli, (QStringList{"&File", "&Visualizza", "Fi&nestra", "&?"}));

        auto voci = [&](const char* menu) {
            QStringList r;
            for (QAction* a : p.f().findChild<QMenu*>(QString::fromLatin1(menu))->actions())
                r << (a->isSeparator() ? QStringLiteral("-") : a->text());
            return r;
        };
        QCOMPARE(voci("mnuFile"), (QStringList{"Nu&ovo", "-", "&Esci"}));
        QCOMPARE(voci("mnuView"), (QStringList{"Barra degli &strumenti", "&Barra di stato", "-", "&Opzioni..."}));
        QCOMPARE(voci("mnuWindow"), (QStringList{"&Sovrapponi", "Affianca &orizzontalmente",
                                                 "Affianca &verticalmente", "&Disponi icone"}));
        QCOMPARE(voci("mnuHelp"), (QStringList{"&Sommario", "&Cerca argomento...", "-", "&Informazioni su "}));
        QCOMPARE(p.voce("mnuFileNew")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QVERIFY(p.voce("mnuViewToolbar")->isChecked());
        QVERIFY(p.voce("mnuViewStatusBar")->isChecked());

        QMenu* modifica = p.f().mnuCoppieModifica;
        QCOMPARE(modifica->objectName(), QStringLiteral("mnuCoppieModifica"));
        QCOMPARE(modifica->title(), QStringLiteral("Modiifica"));
        QCOMPARE(modifica->actions().size(), 1);
        QCOMPARE(modifica->actions().first()->objectName(), QStringLiteral("mnuCoppieEliminaRiga"));
        QCOMPARE(modifica->actions().first()->text(), QStringLiteral("Elimina riga"));
        QVERIFY(!p.f().menuBar()->actions().contains(modifica->menuAction()));
    }

    void vociNascoste()
    {
        ProgrammaDiProva p;
        QStringList testi;
        for (QAction* a : p.f().VociFileNascoste()) {
            testi << a->text();
            QVERIFY2(a->associatedObjects().isEmpty(), qPrintable(a->objectName()));
        }
        QCOMPARE(testi, (QStringList{"&Apri...", "&Salva", "Sal&va con nome...", "E&sporta tabella...",
                                     "Es&porta grafico...", "S&tampa..."}));
        QCOMPARE(p.voce("mnuFileOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    }

    // Ctrl+O belongs to a hidden entry: nothing happens. Ctrl+N asks for New.
    void scorciatoie()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.activateWindow();
        QSignalSpy apri(p.voce("mnuFileOpen"), &QAction::triggered);
        QTest::keyClick(&f, Qt::Key_O, Qt::ControlModifier);
        QTest::keyClick(f.GradoPolinomio, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(apri.count(), 0);
        QVERIFY(p.dialoghi->Domande().isEmpty());

        QTest::keyClick(f.GradoPolinomio, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(p.dialoghi->Domande().size(), 1);
        QCOMPARE(p.dialoghi->Domande().first().icona, IconaMessaggio::Esclamazione);
    }

    void barraDiStato()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        auto* stato = f.statusBar()->findChild<QLabel*>(QStringLiteral("sbStato"));
        auto* data = f.statusBar()->findChild<QLabel*>(QStringLiteral("sbData"));
        auto* ora = f.statusBar()->findChild<QLabel*>(QStringLiteral("sbOra"));
        QVERIFY(stato && data && ora);
        QCOMPARE(stato->text(), QStringLiteral("Stato"));
        const QLocale it;
        QCOMPARE(data->text(), it.toString(QDate::currentDate(), QLocale::ShortFormat));
        // The time panel keeps up: after a change it shows the clock again.
        ora->setText(QStringLiteral("-"));
        QTRY_VERIFY_WITH_TIMEOUT(ora->text() != QStringLiteral("-"), 3000);
        const QTime letta = it.toTime(ora->text(), QLocale::ShortFormat);
        QVERIFY(letta.isValid());
        QVERIFY(qAbs(letta.secsTo(QTime::currentTime())) < 120);
        QVERIFY(stato->width() > data->width());
    }
};

CURVELLO_TEST_MAIN(TestAvvio)
#include "test_app_avvio.moc"
