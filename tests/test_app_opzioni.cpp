// The options dialog without exec(): fields set, buttons pressed, results read.
#include "test_app_supporto.h"

#include "Twips.h"
#include "frmOptions.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

class TestOpzioni : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { LocaleItaliano(); }

    void aspetto()
    {
        std::string intestazione = "Ditta Rossi";
        frmOptions d(intestazione, nullptr);
        QCOMPARE(d.windowTitle(), QStringLiteral("Opzioni"));
        QCOMPARE(d.tbsOptions->count(), 1);
        QCOMPARE(d.tbsOptions->tabText(0), QStringLiteral("Generali"));
        QCOMPARE(d.SchedaSelezionata(), 1);
        QCOMPARE(d.picOptions.size(), 1);
        QCOMPARE(d.picOptions[0]->objectName(), QStringLiteral("picOptions"));
        QCOMPARE(d.fraSample1->title(), QStringLiteral("Informazioni utente"));
        QCOMPARE(d.Label1->text(), QStringLiteral("Intestazione stampe"));
        QCOMPARE(d.cmdOK->text(), QStringLiteral("OK"));
        QCOMPARE(d.cmdCancel->text(), QStringLiteral("Annulla"));
        QCOMPARE(d.TIntestUtente->text(), QStringLiteral("Ditta Rossi"));
        QVERIFY(d.isModal());
        QVERIFY(!(d.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(d.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(d.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(d.minimumSize(), d.maximumSize());
        if (DpiLogicoSchermo() == 96)
            QVERIFY(d.width() >= 413 && d.height() >= 327);  // 6195 by 4905 twips
    }

    void chiusure_data()
    {
        QTest::addColumn<QString>("come");
        QTest::addColumn<QString>("nuovoTesto");
        QTest::addColumn<QString>("atteso");
        QTest::addColumn<int>("esito");
        QTest::newRow("OK") << "ok" << "Laboratorio" << "Laboratorio" << int(QDialog::Accepted);
        QTest::newRow("OK testo vuoto") << "ok" << "" << "" << int(QDialog::Accepted);
        QTest::newRow("OK con Invio") << "invio" << "Con Invio" << "Con Invio" << int(QDialog::Accepted);
        QTest::newRow("OK spazi tenuti") << "ok" << "  a  " << "  a  " << int(QDialog::Accepted);
        QTest::newRow("Annulla") << "annulla" << "Laboratorio" << "Vecchia" << int(QDialog::Rejected);
        QTest::newRow("Esc") << "esc" << "Laboratorio" << "Vecchia" << int(QDialog::Rejected);
        QTest::newRow("chiusura") << "chiudi" << "Laboratorio" << "Vecchia" << int(QDialog::Rejected);
    }
    void chiusure()
    {
        QFETCH(QString, come);
        QFETCH(QString, nuovoTesto);
        QFETCH(QString, atteso);
        QFETCH(int, esito);
        std::string intestazione = "Vecchia";
        frmOptions d(intestazione, nullptr);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.TIntestUtente->text(), QStringLiteral("Vecchia"));
        d.TIntestUtente->setFocus();
        d.TIntestUtente->setText(nuovoTesto);
        if (come == QLatin1String("ok"))
            QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        else if (come == QLatin1String("invio"))
            QTest::keyClick(d.TIntestUtente, Qt::Key_Return);
        else if (come == QLatin1String("annulla"))
            QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
        else if (come == QLatin1String("esc"))
            QTest::keyClick(d.TIntestUtente, Qt::Key_Escape);
        else
            d.close();
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), esito);
        QCOMPARE(QString::fromStdString(intestazione), atteso);
    }

    // Ctrl+Tab and Ctrl+Shift+Tab select a tab again wherever the focus is,
    // Alt or not; the selected tab's panel moves to 210 twips and is enabled.
    void tastiSchede_data()
    {
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("modificatori");
        QTest::addColumn<bool>("gestito");
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << true;
        QTest::newRow("Ctrl+Maiusc+Tab") << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl+Alt+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier | Qt::AltModifier) << true;
        QTest::newRow("Ctrl+Alt+Maiusc+Tab") << int(Qt::Key_Backtab)
                                             << int(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier) << true;
        QTest::newRow("Tab") << int(Qt::Key_Tab) << int(Qt::NoModifier) << false;
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << false;
    }
    void tastiSchede()
    {
        QFETCH(int, tasto);
        QFETCH(int, modificatori);
        QFETCH(bool, gestito);
        const auto mod = Qt::KeyboardModifiers(modificatori);
        std::string intestazione;
        frmOptions d(intestazione, nullptr);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QWidget* pannello = d.picOptions[0];
        const int progettato = pannello->x();
        QCOMPARE(d.Form_KeyDown(tasto, mod), gestito);
        QCOMPARE(d.SchedaSelezionata(), 1);
        QCOMPARE(pannello->x(), gestito ? PixelDaTwips(210, DpiLogicoSchermo()) : progettato);
        QVERIFY(pannello->isEnabled());

        // Through real key presses, with the focus in the text box.
        for (QWidget* fuoco : {static_cast<QWidget*>(d.TIntestUtente), static_cast<QWidget*>(d.cmdOK)}) {
            pannello->move(progettato, pannello->y());
            fuoco->setFocus();
            d.TIntestUtente->setText(QStringLiteral("testo"));
            QTest::keyClick(fuoco, Qt::Key(tasto), mod);
            QCOMPARE(d.SchedaSelezionata(), 1);
            QCOMPARE(pannello->x() == PixelDaTwips(210, DpiLogicoSchermo()), gestito);
            if (gestito)
                QCOMPARE(d.TIntestUtente->text(), QStringLiteral("testo"));
        }
        QVERIFY(d.isVisible());
    }

    void clicSullaScheda()
    {
        std::string intestazione;
        frmOptions d(intestazione, nullptr);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QTabBar* barra = d.tbsOptions->tabBar();
        QTest::mouseClick(barra, Qt::LeftButton, {}, barra->tabRect(0).center());
        QCOMPARE(d.picOptions[0]->x(), PixelDaTwips(210, DpiLogicoSchermo()));
        QVERIFY(d.picOptions[0]->isEnabled());
        QVERIFY(d.picOptions[0]->isVisible());
    }

    void centratoSulProprietario()
    {
        QWidget proprietario;
        proprietario.setGeometry(120, 90, 700, 500);
        proprietario.show();
        QVERIFY(QTest::qWaitForWindowExposed(&proprietario));
        std::string intestazione;
        frmOptions d(intestazione, &proprietario);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        const QPoint scarto = d.frameGeometry().center() - proprietario.frameGeometry().center();
        QVERIFY2(scarto.manhattanLength() <= 4, qPrintable(QStringLiteral("%1,%2").arg(scarto.x()).arg(scarto.y())));
    }
};

CURVELLO_TEST_MAIN(TestOpzioni)
#include "test_app_opzioni.moc"
