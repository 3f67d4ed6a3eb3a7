// Shared helpers: twips, file filters, the locale's separators, Qt's Italian texts.
#include "QtDialoghi.h"
#include "SeparatoriLocale.h"
#include "TraduzioneQt.h"
#include "Twips.h"
#include "test_pdf_supporto.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>

#include <QtTest>

#include <string>

class TestComune : public QObject {
    Q_OBJECT

private slots:
    // Rounded to the nearest pixel, held within what a widget takes.
    void twips_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<double>("dpi");
        QTest::addColumn<int>("pixel");
        QTest::newRow("7 a 96") << 7.0 << 96.0 << 0;
        QTest::newRow("negativo") << -20000.0 << 96.0 << -1333;
        QTest::newRow("enorme") << 1e300 << 96.0 << QWIDGETSIZE_MAX;
        QTest::newRow("nan") << qQNaN() << 96.0 << 0;
    }
    void twips()
    {
        QFETCH(double, twips);
        QFETCH(double, dpi);
        QFETCH(int, pixel);
        QCOMPARE(PixelDaTwips(twips, dpi), pixel);
    }

    void filtroQt_data()
    {
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("apri") << "Accumulatore (*.cv)|*.cv|Tabelle di testo (*.csv;*.txt;*.tsv)|*.csv;*.txt;*.tsv| "
                                 "Tutti i file (*.*)|*.* "
                              << "Accumulatore (*.cv);;Tabelle di testo (*.csv *.txt *.tsv);; Tutti i file (*.*)";
        QTest::newRow("senza modello nella descrizione") << "Immagini|*.bmp" << "Immagini (*.bmp)";
    }
    void filtroQt()
    {
        QFETCH(QString, filtro);
        QFETCH(QString, atteso);
        QCOMPARE(FiltroQt(filtro), atteso);
    }

    // A number in the locale's own form, grouped, reads back through core's rule.
    void separatori_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("italiano") << QLocale(QLocale::Italian, QLocale::Italy);
        QTest::newRow("inglese") << QLocale(QLocale::English, QLocale::UnitedStates);
    }
    void separatori()
    {
        QFETCH(QLocale, locale);
        const Separatori s = SeparatoriLocale(locale);
        QCOMPARE(ConvertiTesto(locale.toString(-12345.5, 'f', 1).toStdString(), s), std::optional<double>(-12345.5));
    }

    // Qt's standard buttons in Italian whatever the system's language, as New asks.
    void pulsantiItaliani_data()
    {
        QTest::addColumn<QLocale>("sistema");
        QTest::newRow("inglese") << QLocale(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("italiano") << QLocale(QLocale::Italian, QLocale::Italy);
    }
    void pulsantiItaliani()
    {
        QFETCH(QLocale, sistema);
        QLocale::setDefault(sistema);
        QVERIFY(InstallaTraduzioneQt());
        const auto box = CreaScatolaMessaggio(QStringLiteral("continuare?"), QStringLiteral("Curvello"),
                                              PulsantiMessaggio::OkAnnulla, IconaMessaggio::Esclamazione, nullptr);
        QStringList testi;
        for (QAbstractButton* b : box->buttons())
            testi << b->text();
        testi.sort();
        QCOMPARE(testi, (QStringList{"Annulla", "OK"}));
        QCOMPARE(box->icon(), QMessageBox::Warning);
    }

    // The real preview, answered by a timer: the pages drawn for it, then
    // printed from it on the printer it was given.
    void anteprimaQt()
    {
        QTemporaryDir cartella;
        QPrinter stampante(QPrinter::HighResolution);
        stampante.setOutputFileName(cartella.filePath(QStringLiteral("stampa.pdf")));
        QString visto;
        QTimer::singleShot(0, [&] {  // the dialog builds its pages as it shows, before its loop runs
            QWidget* w = QApplication::activeModalWidget();
            auto* anteprima = w->findChild<QPrintPreviewWidget*>();
            visto = w->windowTitle() + QString::number(anteprima->pageCount());
            anteprima->print();
            w->close();
        });
        QtDialoghi(nullptr).AnteprimaStampa(stampante, QStringLiteral("Anteprima di stampa"), [](QPrinter& p) {
            QPainter pittore(&p);
            pittore.drawText(100, 100, QStringLiteral("uno"));
            p.newPage();
            pittore.drawText(100, 100, QStringLiteral("due"));
        });
        QCOMPARE(visto, QStringLiteral("Anteprima di stampa2"));
        QCOMPARE(PagineDelPdf(stampante.outputFileName()), (QList<QStringList>{{"uno"}, {"due"}}));
    }
};

QTEST_MAIN(TestComune)
#include "test_app_comune.moc"
