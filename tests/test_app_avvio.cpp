// Start-up as a newcomer sees it, and the settings kept between runs.
#include "test_app_supporto.h"

#include "Twips.h"

#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>

class TestAvvio : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    // Every command of the table is one action, placed unless it is a hidden
    // File entry; a name that is no command fails loudly. Every button's
    // tooltip ends with its key. Hidden entries are in no menu, so their
    // Ctrl+O never reaches: that key is the toolbar's Open, Ctrl+N the menu's New.
    // Ending maximized stores the maximized frame and the next start restores
    // it; ending minimized writes nothing, so a header changed then is lost.
    void avvio()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QVERIFY(p.esposta && f.isMaximized());
        QVERIFY(f.tbToolBar->isVisible() && f.Picture1->isVisible() && f.statusBar()->isVisible());
        QVERIFY(f.GradoPolinomio->text().isEmpty() && f.AreaFigli()->subWindowList().isEmpty());
        // Save, Grafico, Tabella and the entries Salva ... Esporta grafico off.
        QCOMPARE(f.windowTitle() + u' ' + p.accesi(), QStringLiteral("Curvello 11011100100001"));
        for (const DefinizioneComando& c : frmMain::TabellaComandi()) {
            QCOMPARE(f.findChildren<QAction*>(c.nome).size(), 1);
            QCOMPARE(p.voce(c.nome)->associatedObjects().isEmpty(), c.posto == PostoComando::FileNascosta);
        }
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, f.Comando(QStringLiteral("mnuFileApri")));
        QStringList file;
        for (const QAction* a : f.findChild<QMenu*>(QStringLiteral("mnuFile"))->actions())
            file << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(file.join(u'|'), "Nu&ovo|Antep&rima di stampa|-|&Esci");
        QString suggerimenti;
        for (int i = 0; i < 9; ++i)
            suggerimenti += p.voce(Comandi[i])->toolTip().section(u'(', 1);
        QCOMPARE(p.voce("New")->toolTip() + suggerimenti, "Nuova simulazione (Ctrl+N)Ctrl+N)Ctrl+O)Ctrl+S)Ctrl+P)F5)F6)F7)F8)F9)");
        f.activateWindow();
        QTest::keyClick(f.GradoPolinomio, Qt::Key_O, Qt::ControlModifier);  // New's question, then the file's
        QTest::keyClick(f.GradoPolinomio, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(p.dialoghi->Domande().size(), 3);
        const StatoApplicazione& s = p.programma->Stato();
        QVERIFY(s.programma.punti.NumeroElementi() == 0 && s.programma.terne->NumeroElementi() == 0);
        QVERIFY(!s.programma.polinomio && !s.Coppie && !s.Tabella && !s.fGrafico);

        const int twips = 1440 / DpiLogicoSchermo();
        const QRect massima(f.pos(), f.size());
        QVERIFY(massima.width() > 433);
        f.close();
        QCOMPARE(p.letto("MainWidth"), QString::number(massima.width() * twips));
        QCOMPARE(p.letto("MainHeight"), QString::number(massima.height() * twips));
        p.programma.reset();
        p.Avvia();
        p.f().showNormal();
        QTRY_COMPARE(p.f().size(), massima.size());
        QCOMPARE(p.f().pos(), massima.topLeft());

        p.stato().IntestazioneUtente = "Nuova";
        p.f().showMinimized();
        QTRY_VERIFY(p.f().isMinimized());
        p.f().close();
        QCOMPARE(p.letto("IntestazioneUtente"), QString());
    }

    // Settings in a temporary INI file at 96 DPI (15 twips a pixel): defaults
    // 1000/1000/6500/6500 twips; a bad value falls back to its own key's
    // default. Esci writes the moved frame, its size and the new header.
    void andataERitorno_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("pixel");  // what that key becomes
        QTest::newRow("MainTop 12x") << "MainTop" << "12x" << 67;
        QTest::newRow("MainWidth 1e30") << "MainWidth" << "1e30" << 433;
        QTest::newRow("decimale") << "MainHeight" << "4500,4" << 300;
        QTest::newRow("larghezza zero") << "MainWidth" << "0" << 433;
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
        valori[chiave] = testo;
        attesi[chiave] = pixel;
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
};

QTEST_MAIN(TestAvvio)
#include "test_app_avvio.moc"
