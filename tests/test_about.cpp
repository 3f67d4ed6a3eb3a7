// The about box: the version as whole numbers never grouped, its images, its texts.
#include "frmAbout.h"

#include <QLabel>
#include <QtTest>

class TestAbout : public QObject {
    Q_OBJECT

private slots:
    void testi()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        QCOMPARE(TestoVersione(12, 3, 1234), QStringLiteral("Versione 12.3.1234"));
        frmAbout d(nullptr);
        QStringList testi;
        for (QLabel* l : {d.lblTitle, d.lblDescription, d.Label1, d.Label2, d.Label4})
            testi << l->text();
        // Neutral contacts: no invented address or number.
        QCOMPARE(testi.join(u'|'), QStringLiteral("Curvello|Software ideato da Brivona, per qualsiasi informazione sui "
                                                  "nostri prodotti contattate:|Fax: non disponibile|E-mail: non "
                                                  "disponibile|Web: non disponibile"));
        QVERIFY(!d.Picture1->pixmap().isNull() && !d.PicIcon->pixmap().isNull() && d.isModal());
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
