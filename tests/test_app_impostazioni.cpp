// What the main window keeps between runs: geometry in twips and the print
// header, through an INI file in a temporary folder.
#include "test_app_supporto.h"

#include "ImpostazioniFinestra.h"
#include "Twips.h"

class TestImpostazioni : public QObject {
    Q_OBJECT

    static void Scrivi(QSettings& s, const QMap<QString, QString>& valori)
    {
        s.beginGroup(QStringLiteral("Settings"));
        for (auto it = valori.begin(); it != valori.end(); ++it)
            s.setValue(it.key(), it.value());
        s.endGroup();
        s.sync();
    }
    static QString Letto(QSettings& s, const char* chiave)
    {
        return s.value(QStringLiteral("Settings/") + QLatin1String(chiave)).toString();
    }

private slots:
    void initTestCase()
    {
        LocaleItaliano();
        if (DpiLogicoSchermo() != 96)
            QSKIP("the pixel values below are for 96 DPI");
    }

    void testoSingolo_data()
    {
        QTest::addColumn<float>("valore");
        QTest::addColumn<QString>("italiano");
        QTest::addColumn<QString>("inglese");
        QTest::newRow("intero") << 1005.0f << "1005" << "1005";
        QTest::newRow("migliaia senza separatore") << 11940.0f << "11940" << "11940";
        QTest::newRow("frazione") << 1500.5f << "1500,5" << "1500.5";
        QTest::newRow("zero") << 0.0f << "0" << "0";
        QTest::newRow("negativo") << -30.0f << "-30" << "-30";
        QTest::newRow("sette cifre") << 877.0909f << "877,0909" << "877.0909";
    }
    void testoSingolo()
    {
        QFETCH(float, valore);
        QFETCH(QString, italiano);
        QFETCH(QString, inglese);
        const QLocale it(QLocale::Italian, QLocale::Italy), en(QLocale::English, QLocale::UnitedStates);
        QCOMPARE(TestoSingolo(valore, it), italiano);
        QCOMPARE(TestoSingolo(valore, en), inglese);
        QCOMPARE(LeggiSingolo(italiano, it), std::optional<float>(valore));
        QCOMPARE(LeggiSingolo(inglese, en), std::optional<float>(valore));
    }

    void primoAvvio()
    {
        ProgrammaDiProva p;
        QVERIFY(p.stato().IntestazioneUtente.empty());
        QVERIFY(p.impostazioni->allKeys().isEmpty());
    }

    void andataERitornoNormale()
    {
        ProgrammaDiProva p(false);
        Scrivi(*p.impostazioni, {{"MainLeft", "1500"}, {"MainTop", "750"}, {"MainWidth", "9000"},
                                 {"MainHeight", "6000"}, {"IntestazioneUtente", "Laboratorio è àccentato"}});
        p.Avvia();
        frmMain& f = p.f();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(QString::fromStdString(p.stato().IntestazioneUtente), QStringLiteral("Laboratorio è àccentato"));
        f.showNormal();
        QTRY_COMPARE(f.pos(), QPoint(100, 50));
        QCOMPARE(f.size(), QSize(600, 400));
        f.move(150, 120);
        p.stato().IntestazioneUtente = "Nuova";
        f.close();
        QCOMPARE(Letto(*p.impostazioni, "MainLeft"), QStringLiteral("2250"));
        QCOMPARE(Letto(*p.impostazioni, "MainTop"), QStringLiteral("1800"));
        QCOMPARE(Letto(*p.impostazioni, "MainWidth"), QStringLiteral("9000"));
        QCOMPARE(Letto(*p.impostazioni, "MainHeight"), QStringLiteral("6000"));
        QCOMPARE(Letto(*p.impostazioni, "IntestazioneUtente"), QStringLiteral("Nuova"));
    }

    // Ending maximized stores the maximized frame; the next start restores
    // to exactly that.
    void andataERitornoMassimizzato()
    {
        ProgrammaDiProva p;
        frmMain& f = p.f();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QTRY_VERIFY(f.isMaximized());
        const QPoint posizione = f.pos();
        const QSize dimensione = f.size();
        QVERIFY(dimensione.width() > 433);
        f.close();
        QCOMPARE(Letto(*p.impostazioni, "MainWidth"), QString::number(dimensione.width() * 15));
        QCOMPARE(Letto(*p.impostazioni, "MainHeight"), QString::number(dimensione.height() * 15));
        QCOMPARE(Letto(*p.impostazioni, "IntestazioneUtente"), QString());

        p.programma.reset();
        p.Avvia();
        QVERIFY(QTest::qWaitForWindowExposed(&p.f()));
        p.f().showNormal();
        QTRY_VERIFY(!p.f().isMaximized());
        QTRY_COMPARE(p.f().size(), dimensione);
        QCOMPARE(p.f().pos(), posizione);
    }

    // Minimized: nothing is written, so a header changed in this run is lost.
    void minimizzato()
    {
        ProgrammaDiProva p(false);
        Scrivi(*p.impostazioni, {{"IntestazioneUtente", "Vecchia"}});
        p.Avvia();
        QVERIFY(QTest::qWaitForWindowExposed(&p.f()));
        p.stato().IntestazioneUtente = "Nuova";
        p.f().showMinimized();
        QTRY_VERIFY(p.f().isMinimized());
        p.f().close();
        QCOMPARE(p.impostazioni->allKeys(), QStringList{"Settings/IntestazioneUtente"});
        QCOMPARE(Letto(*p.impostazioni, "IntestazioneUtente"), QStringLiteral("Vecchia"));
    }

    // A stored value that is not a usable number falls back to its own key's
    // default; the other keys keep theirs.
    void valoreNonValido_data()
    {
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("pixel");  // what that key becomes
        for (const char* chiave : {"MainLeft", "MainTop", "MainWidth", "MainHeight"}) {
            const int predefinito = QByteArray(chiave).startsWith("MainW") || QByteArray(chiave).startsWith("MainH") ? 433 : 67;
            for (const char* testo : {"abc", "", "12x", "1e30", "inf", "nan", "1.000.000.000"})
                QTest::addRow("%s %s", chiave, testo) << chiave << testo << predefinito;
            QTest::addRow("%s decimale", chiave) << chiave << "1500,4" << 100;
        }
        QTest::newRow("larghezza zero") << "MainWidth" << "0" << 433;
        QTest::newRow("altezza negativa") << "MainHeight" << "-4500" << 433;
        QTest::newRow("blanchi attorno") << "MainLeft" << " 1500 " << 100;
    }
    void valoreNonValido()
    {
        QFETCH(QString, chiave);
        QFETCH(QString, testo);
        QFETCH(int, pixel);
        ProgrammaDiProva p(false);
        QMap<QString, QString> valori{{"MainLeft", "300"}, {"MainTop", "450"}, {"MainWidth", "7500"}, {"MainHeight", "6000"}};
        valori[chiave] = testo;
        Scrivi(*p.impostazioni, valori);
        p.Avvia();
        frmMain& f = p.f();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        f.showNormal();
        QTRY_VERIFY(!f.isMaximized());
        QMap<QString, int> attesi{{"MainLeft", 20}, {"MainTop", 30}, {"MainWidth", 500}, {"MainHeight", 400}};
        attesi[chiave] = pixel;
        QTRY_COMPARE(f.pos(), QPoint(attesi["MainLeft"], attesi["MainTop"]));
        QCOMPARE(f.size(), QSize(attesi["MainWidth"], attesi["MainHeight"]));
    }
};

CURVELLO_TEST_MAIN(TestImpostazioni)
#include "test_app_impostazioni.moc"
