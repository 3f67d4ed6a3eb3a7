// The helpers every window shares: twips, the file filter form, the
// tolerant toolbar steps and the scripted dialogs' defaults.
#include "DialoghiScriptati.h"
#include "EseguiPasso.h"
#include "QtDialoghi.h"
#include "SeparatoriLocale.h"
#include "Twips.h"

#include <QPrinter>
#include <QtTest>

#include <stdexcept>

class TestComune : public QObject {
    Q_OBJECT

private slots:
    void twips_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixel");
        QTest::newRow("1000 a 96") << 1000.0 << 96.0 << 67;
        QTest::newRow("6500 a 96") << 6500.0 << 96.0 << 433;
        QTest::newRow("15 a 96") << 15.0 << 96.0 << 1;
        QTest::newRow("7 a 96") << 7.0 << 96.0 << 0;
        QTest::newRow("8 a 96") << 8.0 << 96.0 << 1;
        QTest::newRow("630 a 144") << 630.0 << 144.0 << 63;
        QTest::newRow("1000 a 120") << 1000.0 << 120.0 << 83;
        QTest::newRow("negativo") << -20000.0 << 96.0 << -1333;
        QTest::newRow("enorme") << 1e300 << 96.0 << QWIDGETSIZE_MAX;
        QTest::newRow("enorme negativo") << -1e300 << 96.0 << -QWIDGETSIZE_MAX;
        QTest::newRow("infinito") << qInf() << 96.0 << 0;
        QTest::newRow("nan") << qQNaN() << 96.0 << 0;
    }
    void twips()
    {
        QFETCH(double, twips);
        QFETCH(double, dpi);
        QFETCH(int, pixel);
        QCOMPARE(PixelDaTwips(twips, dpi), pixel);
    }

    void pixelInTwips()
    {
        QCOMPARE(TwipsDaPixel(67, 96), 1005.0);
        QCOMPARE(TwipsDaPixel(63, 144), 630.0);
        QCOMPARE(RettangoloDaTwips(120, 120, 2655, 255, 96), QRect(8, 8, 177, 17));
    }

    void filtroQt_data()
    {
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("dati") << "Accumulatore (*.cv)|*.cv| Tutti i file (*.*)|*.* "
                              << "Accumulatore (*.cv);; Tutti i file (*.*)";
        QTest::newRow("testo") << "Testo (*.txt)|*.txt| Tutti i file (*.*)|*.* "
                               << "Testo (*.txt);; Tutti i file (*.*)";
        QTest::newRow("senza modello nella descrizione") << "Immagini|*.bmp" << "Immagini (*.bmp)";
        QTest::newRow("vuoto") << "" << "";
        QTest::newRow("dispari") << "Solo descrizione" << "";
        QTest::newRow("modello vuoto") << "A|| B (*.b)|*.b" << " B (*.b)";
    }
    void filtroQt()
    {
        QFETCH(QString, filtro);
        QFETCH(QString, atteso);
        QCOMPARE(FiltroQt(filtro), atteso);
    }

    void separatori_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("decimale");
        QTest::addColumn<QString>("gruppo");
        QTest::newRow("italiano") << QLocale(QLocale::Italian, QLocale::Italy) << "," << ".";
        QTest::newRow("inglese") << QLocale(QLocale::English, QLocale::UnitedStates) << "." << ",";
        QTest::newRow("svizzero") << QLocale(QLocale::German, QLocale::Switzerland) << "." << "’";
    }
    void separatori()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, decimale);
        QFETCH(QString, gruppo);
        const Separatori s = SeparatoriLocale(locale);
        QCOMPARE(QString::fromStdString(s.decimale), decimale);
        QCOMPARE(QString::fromStdString(s.gruppo), gruppo);
        // A number in that locale's own form reads back through core's rule.
        QLocale conGruppi(locale);
        conGruppi.setNumberOptions({});
        const std::optional<double> v = ConvertiTesto(conGruppi.toString(-12345.5, 'f', 1).toStdString(), s);
        QVERIFY(v);
        QCOMPARE(*v, -12345.5);
    }

    void passiTolleranti()
    {
        QStringList fatti;
        const bool primo = EseguiPasso([&] {
            fatti << "prima";
            throw std::overflow_error("overflow");
        });
        const bool secondo = EseguiPasso([&] { fatti << "dopo"; });
        const bool terzo = EseguiPasso([&] { (void)std::string().at(3); });
        QVERIFY(!primo);
        QVERIFY(secondo);
        QVERIFY(!terzo);
        QCOMPARE(fatti, (QStringList{"prima", "dopo"}));
    }

    void dialoghiScriptati_data()
    {
        QTest::addColumn<int>("pulsanti");
        QTest::addColumn<int>("senzaCoda");
        QTest::newRow("Ok") << int(PulsantiMessaggio::Ok) << int(RispostaMessaggio::Ok);
        QTest::newRow("OkAnnulla") << int(PulsantiMessaggio::OkAnnulla) << int(RispostaMessaggio::Annulla);
        QTest::newRow("SiNo") << int(PulsantiMessaggio::SiNo) << int(RispostaMessaggio::No);
        QTest::newRow("SiNoAnnulla") << int(PulsantiMessaggio::SiNoAnnulla) << int(RispostaMessaggio::Annulla);
    }
    void dialoghiScriptati()
    {
        QFETCH(int, pulsanti);
        QFETCH(int, senzaCoda);
        DialoghiScriptati d;
        const auto p = PulsantiMessaggio(pulsanti);
        d.AccodaRisposta(RispostaMessaggio::Si);
        QCOMPARE(d.Messaggio("a", "t", p, IconaMessaggio::Domanda), RispostaMessaggio::Si);
        QCOMPARE(d.Messaggio("b", "t", p, IconaMessaggio::Nessuna), RispostaMessaggio(senzaCoda));
        QCOMPARE(d.Domande().size(), 2);
        QCOMPARE(d.Domande()[1].testo, QStringLiteral("b"));
        QCOMPARE(d.Domande()[0].icona, IconaMessaggio::Domanda);
    }

    void fileEStampante()
    {
        DialoghiScriptati d;
        QString vista;
        d.allaDomanda = [&](const DomandaDialogo& q) { vista = q.titolo; };
        d.AccodaNomeFile(QStringLiteral("/tmp/a.cv"));
        QCOMPARE(d.NomeFileSalva("Salva con nome", "A|*.a", "vecchio.cv"), QStringLiteral("/tmp/a.cv"));
        QCOMPARE(vista, QStringLiteral("Salva con nome"));
        QCOMPARE(d.NomeFileApri("Apri", "A|*.a", ""), QString());
        QPrinter stampante;
        QVERIFY(!d.DialogoStampante(stampante, "Stampa"));
        d.AccodaStampante(true);
        QVERIFY(d.DialogoStampante(stampante, "Stampa"));
        QCOMPARE(d.Domande().size(), 4);
        QCOMPARE(d.Domande()[0].tipo, DomandaDialogo::Tipo::Salva);
        QCOMPARE(d.Domande()[0].filtro, QStringLiteral("A|*.a"));
        QCOMPARE(d.Domande()[0].ultimoNome, QStringLiteral("vecchio.cv"));
        QCOMPARE(d.Domande()[1].tipo, DomandaDialogo::Tipo::Apri);
        QCOMPARE(d.Domande()[3].tipo, DomandaDialogo::Tipo::Stampante);
    }
};

QTEST_MAIN(TestComune)
#include "test_app_comune.moc"
