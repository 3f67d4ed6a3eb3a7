// Start-up as a newcomer sees it, and the settings kept between runs.
#include "test_app_supporto.h"

#include "ImpostazioniFinestra.h"
#include "Twips.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>

class TestAvvio : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void avvio()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QVERIFY(p.esposta && f.isMaximized());
        QCOMPARE(f.windowTitle(), QStringLiteral("Curvello"));
        QVERIFY(f.tbToolBar->isVisible() && f.Picture1->isVisible() && f.statusBar()->isVisible());
        QCOMPARE(f.Label1->text(), QStringLiteral("Grado del polinomio approssimante"));
        QVERIFY(f.GradoPolinomio->text().isEmpty());
        QVERIFY(f.AreaFigli()->subWindowList().isEmpty());
        // Save, Grafico, Tabella and the entries Salva ... Esporta grafico off.
        QCOMPARE(p.accesi(), QStringLiteral("11011100100001"));
        const StatoApplicazione& s = p.programma->Stato();
        const LimitiCalcolo& l = s.programma.limiti;  // the switches show in no result here
        QVERIFY(l.ScalaturaRighe == 1 && l.PivotParziale == 1 && l.GradoMassimo == 10 && l.PuntiMassimi == 100);
        QVERIFY(s.programma.punti.NumeroElementi() == 0 && s.programma.terne->NumeroElementi() == 0);
        QVERIFY(!s.programma.polinomio && !s.Coppie && !s.Tabella && !s.fGrafico);
    }

    // Every caption in order; toolbar items as key|tooltip|16x16 image or caption.
    void testi_data()
    {
        QTest::addColumn<QString>("dove");
        QTest::addColumn<QStringList>("attesi");
        QTest::newRow("barra") << "tbToolBar"
                               << QStringList{"New|Nuova simulazione|16x16", "Open|Carica simulazione|16x16",
                                              "Save|Salva simulazione|16x16", "-", "Print|Print|16x16", "-",
                                              "Punti|Valori iniziali|Punti", "Calcolo|Inizio simulazione|Calcolo",
                                              "Grafico|Grafico|Grafico", "Tabella|Tabella|Tabella",
                                              "Esempio|Esempio|Esempio"};
        QTest::newRow("menu") << "" << QStringList{"&File", "&Visualizza", "Fi&nestra", "&?"};
        QTest::newRow("File") << "mnuFile" << QStringList{"&File", "Nu&ovo", "-", "&Esci"};
        QTest::newRow("Visualizza") << "mnuView" << QStringList{"&Visualizza", "Barra degli &strumenti",
                                                                "&Barra di stato", "-", "&Opzioni..."};
        QTest::newRow("Finestra") << "mnuWindow" << QStringList{"Fi&nestra", "&Sovrapponi", "Affianca &orizzontalmente",
                                                                "Affianca &verticalmente", "&Disponi icone"};
        QTest::newRow("?") << "mnuHelp" << QStringList{"&?", "&Sommario", "&Cerca argomento...", "-", "&Informazioni su "};
        QTest::newRow("nascoste") << "nascoste" /* no such widget: VociFileNascoste */ << QStringList{"&Apri...", "&Salva", "Sal&va con nome...",
                                                               "E&sporta tabella...", "Es&porta grafico...", "S&tampa..."};
        QTest::newRow("clic destro") << "mnuCoppieModifica" << QStringList{"Modiifica", "Elimina riga"};
    }
    void testi()
    {
        QFETCH(QString, dove);
        QFETCH(QStringList, attesi);
        ProgrammaDiProva p;
        QWidget* w = dove.isEmpty() ? p.f().menuBar() : p.f().findChild<QWidget*>(dove);
        auto* menu = qobject_cast<QMenu*>(w);
        QStringList testi;
        if (menu)
            testi << menu->title();
        for (QAction* a : w ? w->actions() : p.f().VociFileNascoste()) {
            const QPixmap immagine = a->icon().pixmap(16, 16);
            if (a->isSeparator())
                testi << QStringLiteral("-");
            else if (w == p.f().tbToolBar)
                testi << a->data().toString() + u'|' + a->toolTip() + u'|'
                             + (immagine.isNull() ? a->text() : QStringLiteral("%1x%2").arg(immagine.width()).arg(immagine.height()));
            else
                testi << a->text();
        }
        QCOMPARE(testi, attesi);
    }

    // Hidden File entries are in no menu, so Ctrl+O does nothing; Ctrl+N does.
    void vociNascoste()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        for (QAction* a : f.VociFileNascoste())
            QVERIFY2(a->associatedObjects().isEmpty(), qPrintable(a->objectName()));
        QCOMPARE(p.voce("mnuFileOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        f.activateWindow();
        QSignalSpy apri(p.voce("mnuFileOpen"), &QAction::triggered);
        QTest::keyClick(f.GradoPolinomio, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(apri.count(), 0);
        QTest::keyClick(f.GradoPolinomio, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(p.dialoghi->Domande().size(), 1);
    }

    void barraDiStato()
    {
        ProgrammaDiProva p;
        QStatusBar* barra = p.f().statusBar();
        QCOMPARE(barra->findChild<QLabel*>(QStringLiteral("sbStato"))->text(), QStringLiteral("Stato"));
        QCOMPARE(barra->findChild<QLabel*>(QStringLiteral("sbData"))->text(),
                 QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
        // The time panel keeps up: after a change it shows the clock again.
        auto* ora = barra->findChild<QLabel*>(QStringLiteral("sbOra"));
        ora->setText(QStringLiteral("-"));
        QTRY_COMPARE_WITH_TIMEOUT(ora->text(), QLocale().toString(QTime::currentTime(), QLocale::ShortFormat), 3000);
    }

    // The locale's decimal separator, never grouped, both ways.
    void testoSingolo()
    {
        const QLocale it(QLocale::Italian, QLocale::Italy), en(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(TestoSingolo(11940.0f, it) + u' ' + TestoSingolo(-30.0f, it), QStringLiteral("11940 -30"));
        QCOMPARE(TestoSingolo(877.0909f, it) + u' ' + TestoSingolo(877.0909f, en), QStringLiteral("877,0909 877.0909"));
        QCOMPARE(LeggiSingolo(QStringLiteral("877,0909"), it), std::optional<float>(877.0909f));
        QCOMPARE(LeggiSingolo(QStringLiteral("1500.5"), en), std::optional<float>(1500.5f));
    }

    // Settings in a temporary INI file at 96 DPI (15 twips a pixel): defaults
    // 1000/1000/6500/6500 twips; a bad value falls back to its own key's
    // default. Esci writes the moved frame, its size and the new header.
    void andataERitorno_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("pixel");  // what that key becomes
        QTest::newRow("nessuna impostazione") << "" << "" << 0;
        QTest::newRow("tutte valide") << "MainLeft" << "300" << 20;
        for (const char* chiave : {"MainLeft", "MainTop", "MainWidth", "MainHeight"}) {
            const int predefinito = QByteArray(chiave).startsWith("MainW") || QByteArray(chiave).startsWith("MainH") ? 433 : 67;
            for (const char* testo : {"abc", "", "12x", "1e30", "inf", "nan", "1.000.000.000"})
                QTest::addRow("%s %s", chiave, testo) << chiave << testo << predefinito;
            QTest::addRow("%s decimale", chiave) << chiave << "4500,4" << 300;
        }
        QTest::newRow("larghezza zero") << "MainWidth" << "0" << 433;
        QTest::newRow("altezza negativa") << "MainHeight" << "-4500" << 433;
        QTest::newRow("bianchi attorno") << "MainLeft" << " 1500 " << 100;
    }
    void andataERitorno()
    {
        QFETCH(QString, chiave);
        QFETCH(QString, testo);
        QFETCH(int, pixel);
        if (DpiLogicoSchermo() != 96)
            QSKIP("the pixel values are for 96 DPI");
        ProgrammaDiProva p(false);
        QMap<QString, QString> valori{{"MainLeft", "300"}, {"MainTop", "450"}, {"MainWidth", "7500"},
                                      {"MainHeight", "6000"}, {"IntestazioneUtente", "Laboratorio è àccentato"}};
        QMap<QString, int> attesi{{"MainLeft", 20}, {"MainTop", 30}, {"MainWidth", 500}, {"MainHeight", 400}};
        if (chiave.isEmpty()) {
            valori.clear();
            attesi = {{"MainLeft", 67}, {"MainTop", 67}, {"MainWidth", 433}, {"MainHeight", 433}};
        } else {
            valori[chiave] = testo;
            attesi[chiave] = pixel;
        }
        for (auto it = valori.begin(); it != valori.end(); ++it)
            p.impostazioni->setValue(QStringLiteral("Settings/") + it.key(), it.value());
        p.Avvia();
        frmMain& f = p.f();
        QCOMPARE(QString::fromStdString(p.stato().IntestazioneUtente), valori.value(QStringLiteral("IntestazioneUtente")));
        f.showNormal();
        QTRY_COMPARE(f.pos(), QPoint(attesi["MainLeft"], attesi["MainTop"]));
        QCOMPARE(f.size(), QSize(attesi["MainWidth"], attesi["MainHeight"]));
        f.move(150, 120);
        p.stato().IntestazioneUtente = "Nuova";
        p.voce("mnuFileExit")->trigger();
        QVERIFY(!f.isVisible());
        QStringList letti;
        for (const char* k : {"MainLeft", "MainTop", "MainWidth", "MainHeight", "IntestazioneUtente"})
            letti << p.letto(k);
        QCOMPARE(letti, (QStringList{"2250", "1800", QString::number(attesi["MainWidth"] * 15),
                                     QString::number(attesi["MainHeight"] * 15), "Nuova"}));
    }

    // Ending maximized stores the maximized frame; the next start restores it.
    void andataERitornoMassimizzato()
    {
        if (DpiLogicoSchermo() != 96)
            QSKIP("the pixel values are for 96 DPI");
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QTRY_VERIFY(f.isMaximized());
        const QRect massima(f.pos(), f.size());
        QVERIFY(massima.width() > 433);
        f.close();
        QCOMPARE(p.letto("MainWidth"), QString::number(massima.width() * 15));
        QCOMPARE(p.letto("MainHeight"), QString::number(massima.height() * 15));
        p.programma.reset();
        p.Avvia();
        p.f().showNormal();
        QTRY_COMPARE(p.f().size(), massima.size());
        QCOMPARE(p.f().pos(), massima.topLeft());
    }

    // Minimized: nothing is written, so a header changed in this run is lost.
    void minimizzato()
    {
        ProgrammaDiProva p(false);
        p.impostazioni->setValue(QStringLiteral("Settings/IntestazioneUtente"), QStringLiteral("Vecchia"));
        p.Avvia();
        p.stato().IntestazioneUtente = "Nuova";
        p.f().showMinimized();
        QTRY_VERIFY(p.f().isMinimized());
        p.f().close();
        QCOMPARE(p.impostazioni->allKeys(), QStringList{"Settings/IntestazioneUtente"});
        QCOMPARE(p.letto("IntestazioneUtente"), QStringLiteral("Vecchia"));
    }
};

QTEST_MAIN(TestAvvio)
#include "test_app_avvio.moc"
