// The about box's texts and images; the menu's way to it is in test_app_comandi.
#include "frmAbout.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    // Neutral contacts: no invented address or number. The version: whole
    // numbers joined by dots, never grouped.
    void testi()
    {
        QCOMPARE(TestoVersione(12, 3, 1234), QStringLiteral("Versione 12.3.1234"));
        frmAbout d(nullptr);
        QCOMPARE(d.windowTitle(), QStringLiteral("Informazioni su Progetto1"));
        QStringList testi;
        for (QLabel* l : {d.lblTitle, d.lblVersion, d.lblDescription, d.Label3, d.Label1, d.Label2, d.Label4})
            testi << l->text();
        QCOMPARE(testi, (QStringList{"Curvello", "Versione 4.0.0",
                                     "Software ideato da Brivona, per qualsiasi informazione sui nostri prodotti "
                                     "contattate:",
                                     "Brivona", "Fax: non disponibile", "E-mail: non disponibile",
                                     "Web: non disponibile"}));
        QCOMPARE(d.cmdOK->text(), QStringLiteral("OK"));
        for (QLabel* l : d.findChildren<QLabel*>())
            QCOMPARE(l->font().family(), QStringLiteral("Arial"));
        QVERIFY(!d.Picture1->pixmap().isNull() && !d.PicIcon->pixmap().isNull() && !IconaApplicazione().isNull());
        QVERIFY(d.isModal());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
