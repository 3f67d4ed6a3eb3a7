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

#include <QtTest>

namespace {
const QList<QLocale> Locali = {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::Italian, QLocale::Italy)};
}

class TestComune : public QObject {
    Q_OBJECT

private slots:
    // Twips rounded to the nearest pixel, held within what a widget takes; Qt's filters;
    // a number in the locale's own form, grouped, read back through core's rule.
    void conversioni()
    {
        QCOMPARE(PixelDaTwips(7, 96), 0);
        QCOMPARE(PixelDaTwips(-20000, 96), -1333);
        QCOMPARE(PixelDaTwips(1e300, 96), QWIDGETSIZE_MAX);
        QCOMPARE(PixelDaTwips(qQNaN(), 96), 0);
        QCOMPARE(FiltroQt("Accumulatore (*.cv)|*.cv|Tabelle di testo (*.csv;*.txt;*.tsv)|*.csv;*.txt;*.tsv| Tutti i file (*.*)|*.* "),
                 "Accumulatore (*.cv);;Tabelle di testo (*.csv *.txt *.tsv);; Tutti i file (*.*)");
        QCOMPARE(FiltroQt("Immagini|*.bmp"), "Immagini (*.bmp)");
        for (const QLocale& l : Locali)
            QCOMPARE(ConvertiTesto(l.toString(-12345.5, 'f', 1).toStdString(), SeparatoriLocale(l)), std::optional<double>(-12345.5));
    }

    // Qt's standard buttons in Italian whatever the system's language, as New asks.
    void pulsantiItaliani()
    {
        for (const QLocale& sistema : Locali) {
            QLocale::setDefault(sistema);
            QVERIFY(InstallaTraduzioneQt());
            const auto box = CreaScatolaMessaggio("continuare?", "Curvello", PulsantiMessaggio::OkAnnulla,
                                                  IconaMessaggio::Esclamazione, nullptr);
            QStringList testi;
            for (QAbstractButton* b : box->buttons())
                testi << b->text();
            testi.sort();
            QCOMPARE(testi, (QStringList{"Annulla", "OK"}));
            QCOMPARE(box->icon(), QMessageBox::Warning);
        }
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
