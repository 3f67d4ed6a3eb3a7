// The about box and the help message.
#include "DialoghiScriptati.h"
#include "Guida.h"
#include "frmAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    void versione_data()
    {
        QTest::addColumn<int>("maggiore");
        QTest::addColumn<int>("minore");
        QTest::addColumn<int>("revisione");
        QTest::addColumn<QString>("testo");
        QTest::newRow("4.0.0") << 4 << 0 << 0 << "Versione 4.0.0";
        QTest::newRow("a più cifre") << 12 << 3 << 45 << "Versione 12.3.45";
        QTest::newRow("senza separatori delle migliaia") << 1 << 2 << 1234 << "Versione 1.2.1234";
    }
    void versione()
    {
        QFETCH(int, maggiore);
        QFETCH(int, minore);
        QFETCH(int, revisione);
        QFETCH(QString, testo);
        QCOMPARE(TestoVersione(maggiore, minore, revisione), testo);
    }

    void testi()
    {
        frmAbout d(nullptr);
        QCOMPARE(d.windowTitle(), QStringLiteral("Informazioni su Progetto1"));
        QCOMPARE(d.lblTitle->text(), QStringLiteral("Curvello"));
        QCOMPARE(d.lblVersion->text(), QStringLiteral("Versione 4.0.0"));
        QCOMPARE(d.lblDescription->text(), QStringLiteral("Software ideato da Brivona, per qualsiasi "
                                                          "informazione sui nostri prodotti contattate:"));
        QCOMPARE(d.Label3->text(), QStringLiteral("Brivona"));
        for (QLabel* contatto : {d.Label1, d.Label2, d.Label4}) {
            QVERIFY2(contatto->text().endsWith(QStringLiteral("non disponibile")), qPrintable(contatto->text()));
            QVERIFY(!contatto->text().contains(QLatin1Char('@')));
            QVERIFY(!contatto->text().contains(QStringLiteral("www")));
        }
        QCOMPARE(d.cmdOK->text(), QStringLiteral("OK"));
        for (QLabel* l : d.findChildren<QLabel*>())
            QCOMPARE(l->font().family(), QStringLiteral("Arial"));
        QVERIFY(!d.Picture1->pixmap().isNull());
        QVERIFY(!d.PicIcon->pixmap().isNull());
        QVERIFY(!IconaApplicazione().isNull());
        QVERIFY(d.isModal());
    }

    void chiusura_data()
    {
        QTest::addColumn<bool>("conOk");
        QTest::newRow("OK") << true;
        QTest::newRow("chiusura") << false;
    }
    void chiusura()
    {
        QFETCH(bool, conOk);
        frmAbout d(nullptr);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        if (conOk)
            QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        else
            d.close();
        QVERIFY(!d.isVisible());
    }

    void guida()
    {
        DialoghiScriptati d;
        MostraGuidaNonDisponibile(d, QStringLiteral("Curvello"));
        QCOMPARE(d.Domande().size(), 1);
        QCOMPARE(d.Domande()[0].testo, QStringLiteral("Impossibile visualizzare il Sommario della Guida. "
                                                      "Nessun file della Guida associato al progetto."));
        QCOMPARE(d.Domande()[0].titolo, QStringLiteral("Curvello"));
        QCOMPARE(d.Domande()[0].icona, IconaMessaggio::Informazione);
        QCOMPARE(d.Domande()[0].pulsanti, PulsantiMessaggio::Ok);
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
