// Start-up as a newcomer sees it, and the settings kept between runs.
#include "test_app_supporto.h"

#include "Twips.h"

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
        QVERIFY(f.GradoPolinomio->text().isEmpty() && f.AreaFigli()->subWindowList().isEmpty());
        // Save, Grafico, Tabella and the entries Salva ... Esporta grafico off.
        QCOMPARE(p.accesi(), QStringLiteral("11011100100001"));
        const StatoApplicazione& s = p.programma->Stato();
        QVERIFY(s.programma.punti.NumeroElementi() == 0 && s.programma.terne->NumeroElementi() == 0);
        QVERIFY(!s.programma.polinomio && !s.Coppie && !s.Tabella && !s.fGrafico);
    }

    // Every command of the table is one action, in the table's order in its
    // own place, separators where the table says; a name that is no command
    // fails loudly. Hidden File entries are in no menu, so Ctrl+O does
    // nothing; Ctrl+N does.
    void comandi()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QMap<PostoComando, QWidget*> posti{{PostoComando::Barra, f.tbToolBar}, {PostoComando::MenuCoppie, f.mnuCoppieModifica}};
        const QList<QAction*> menu = f.menuBar()->actions();
        QCOMPARE(menu.size(), 4);
        int i = 0;
        for (PostoComando posto : {PostoComando::MenuFile, PostoComando::MenuVisualizza, PostoComando::MenuFinestra,
                                   PostoComando::MenuGuida})
            posti[posto] = menu[i++]->menu();
        QMap<QWidget*, QStringList> attesi;
        for (const DefinizioneComando& c : frmMain::TabellaComandi()) {
            QCOMPARE(f.findChildren<QAction*>(c.nome).size(), 1);
            if (QWidget* dove = posti.value(c.posto))
                attesi[dove] << (c.separatorePrima ? QStringList{"-", c.nome} : QStringList{c.nome});
            QCOMPARE(p.voce(c.nome)->associatedObjects().isEmpty(), c.posto == PostoComando::FileNascosta);
        }
        for (QWidget* dove : posti) {
            QStringList visti;
            for (QAction* a : dove->actions())
                visti << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
            QCOMPARE(visti, attesi[dove]);
        }
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, f.Comando(QStringLiteral("mnuFileApri")));
        QCOMPARE(p.voce("mnuFileOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        f.activateWindow();
        QSignalSpy apri(p.voce("mnuFileOpen"), &QAction::triggered);
        QTest::keyClick(f.GradoPolinomio, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(apri.count(), 0);
        QTest::keyClick(f.GradoPolinomio, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(p.dialoghi->Domande().size(), 1);
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
        const char* chiavi[] = {"MainLeft", "MainTop", "MainWidth", "MainHeight"};
        int k = 0;
        for (const char* testo : {"abc", "", "12x", "1e30", "nan", "1.000.000.000"}) {
            const int i = k++ % 4;  // the keys in turn: the first two places, then two sizes
            QTest::addRow("%s %s", chiavi[i], testo) << chiavi[i] << testo << (i < 2 ? 67 : 433);
        }
        QTest::newRow("decimale") << "MainHeight" << "4500,4" << 300;
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
