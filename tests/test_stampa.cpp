// Printing: the listings on the recording printer, the print type window, and
// one real job on a PDF printer read back with pdftotext.
#include "DialoghiScriptati.h"
#include "StampanteQt.h"
#include "StampanteRegistrata.h"
#include "Tabulati.h"
#include "frmStampa.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QtTest>

namespace {

using Numeri = QList<double>;

// terne: X, Y, P flattened (the pairs take X and Y); no coefficients: no fit yet.
void Stampa(Stampante& s, const QString& tabulato, const Numeri& terne, const Numeri& coeff,
            const QString& intestazione, const std::string& grado = "abc")
{
    MySource punti;
    XYPoli xy;
    Polinomio poli;
    for (qsizetype i = 0; i + 2 < terne.size(); i += 3) {
        punti.Add(terne[i], terne[i + 1]);
        xy.Add(terne[i], terne[i + 1], terne[i + 2]);
    }
    poli.ImpostaGrado(static_cast<int16_t>(coeff.size() - 1));
    for (double c : coeff)
        poli.Add(c);
    const ContenutoStampa c{punti, xy, coeff.isEmpty() ? nullptr : &poli, grado,
                            intestazione.toStdString(), Separatori::Italiani()};
    (tabulato == "coppie" ? StampaCoppie : tabulato == "terne" ? StampaTerne : StampaCoeff)(s, c);
}

Numeri Serie(int n)
{
    Numeri r;
    for (int i = 0; i < n; ++i)
        r << i << 0.5 * i << 1;
    return r;
}

} // namespace

class TestStampa : public QObject {
    Q_OBJECT
private slots:
    // Exact output of a job: "page x y text", x and y in twips; a unit is 100
    // twips, a character 144 wide, a line 240 high, so zones start every 2016.
    void tabulato_data()
    {
        QTest::addColumn<QString>("tabulato");
        QTest::addColumn<Numeri>("terne");
        QTest::addColumn<Numeri>("coeff");
        QTest::addColumn<QString>("intestazione");
        QTest::addColumn<QStringList>("atteso");
        const QStringList testeXY = {"1 600 1440 X", "1 2016 1440 Y"};
        QTest::newRow("coppie prima del calcolo: il testo del grado")
            << "coppie" << Numeri{1, 5, 9, 0.5, -3, 9} << Numeri{} << "Ditta"
            << QStringList{"1 4640 0 Ditta", "1 600 720 Grado del polinomio approssimante: abc"} + testeXY
                   + QStringList{"1 600 1920  1 ", "1 2016 1920  5 ", "1 600 2160  0,5 ", "1 2016 2160 -3 "};
        QTest::newRow("nessuna riga") << "coppie" << Numeri{} << Numeri{1, 2} << "Ditta"
                                      << QStringList{"1 4640 0 Ditta", "1 600 720 Grado del polinomio approssimante: 1"}
                                             + testeXY;
        QTest::newRow("terne: P a 4 decimali, metà al pari, voce lunga, intestazione vuota")
            << "terne" << Numeri{0.25, 1, 0.03125, -2, 1e20, 0.09375, 123456789012345, 4, -1.5} << Numeri{1, 2, 3} << ""
            << QStringList{"1 600 720 Grado del polinomio approssimante: 2", "1 600 1440 X", "1 2016 1440 Y",
                           "1 4032 1440 P", "1 600 1920  0,25 ", "1 2016 1920  1 ", "1 4032 1920  0,0312 ",
                           "1 600 2160 -2 ", "1 2016 2160  1E+20 ", "1 4032 2160  0,0938 ",
                           "1 600 2400  123456789012345 ", "1 4032 2400  4 ", "1 6048 2400 -1,5 "};
        QTest::newRow("coefficienti a 8 decimali")
            << "coeff" << Numeri{} << Numeri{1, -0.25, 0.001953125} << "Ab"
            << QStringList{"1 4856 0 Ab", "1 600 720 P(X)=C(0) + C(1)*X + C(2)*X^2 + ... + C(GR)*X^GR",
                           "1 600 1680 C(0)= 1", "1 600 1920 C(1)= -0,25", "1 600 2160 C(2)= 0,00195312"};
        QTest::newRow("coefficienti senza polinomio")
            << "coeff" << Numeri{} << Numeri{} << "Ab"
            << QStringList{"1 4856 0 Ab", "1 600 720 P(X)=C(0) + C(1)*X + C(2)*X^2 + ... + C(GR)*X^GR"};
    }
    void tabulato()
    {
        QFETCH(QString, tabulato);
        QFETCH(Numeri, terne);
        QFETCH(Numeri, coeff);
        QFETCH(QString, intestazione);
        QFETCH(QStringList, atteso);
        StampanteRegistrata s;
        Stampa(s, tabulato, terne, coeff, intestazione);
        QStringList letto;
        for (const VoceStampata& v : s.Voci())
            letto << QStringLiteral("%1 %2 %3 %4").arg(v.pagina).arg(v.x).arg(v.y).arg(v.testo);
        QCOMPARE(letto, atteso);
        QCOMPARE(s.NomeCarattere() + QString::number(s.PuntiCarattere()), "Courier12");
        QCOMPARE(s.LavoriFiniti(), 1);
    }

    // Rows per page as "count@first y-last y"; every page starts with the header.
    void pagine_data()
    {
        QTest::addColumn<QString>("tabulato");
        QTest::addColumn<int>("righe");
        QTest::addColumn<double>("altezzaRiga");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("l'ultima riga a 14160 resta sulla pagina") << "coppie" << 52 << 240.0 << "52@1920-14160";
        QTest::newRow("oltre 14160 una pagina nuova, teste sulla riga 4")
            << "coppie" << 53 << 240.0 << "52@1920-14160 1@1200-1200";
        QTest::newRow("terne su due pagine") << "terne" << 100 << 240.0 << "52@1920-14160 48@1200-12480";
        QTest::newRow("righe di 270 twips") << "terne" << 120 << 270.0 << "45@2160-14040 48@1350-14040 27@1350-8370";
        QTest::newRow("coefficienti: la riga del salto, poi una vuota")
            << "coeff" << 61 << 240.0 << "53@1680-14160 8@720-2640";
    }
    void pagine()
    {
        QFETCH(QString, tabulato);
        QFETCH(int, righe);
        QFETCH(double, altezzaRiga);
        QFETCH(QString, atteso);
        StampanteRegistrata s({10000, 144, altezzaRiga});
        Stampa(s, tabulato, Serie(righe), tabulato == "coeff" ? Serie(righe).mid(0, righe) : Numeri{1, 2}, "Ditta");
        QMap<int, QList<double>> pagine;
        int intestazioni = 0;
        for (const VoceStampata& v : s.Voci()) {
            if (v.y == 0)
                intestazioni += v.testo == "Ditta";
            else if (v.x == 600 && (v.testo.startsWith(' ') || v.testo.startsWith("C(")))
                pagine[v.pagina] << v.y;
        }
        QStringList letto;
        for (const QList<double>& y : pagine)
            letto << QStringLiteral("%1@%2-%3").arg(y.size()).arg(y.first()).arg(y.last());
        QCOMPARE(letto.join(' '), atteso);
        QCOMPARE(intestazioni, pagine.size());
    }

    // OK asks for the printer once and runs the ticked listings in order;
    // Cancel asks nothing. Either closes the window.
    void finestra_data()
    {
        QTest::addColumn<QString>("spunte");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("accettato");
        QTest::addColumn<int>("fallisce");
        QTest::addColumn<QString>("lavori");
        QTest::newRow("nessuna casella") << "000" << true << true << -1 << "";
        QTest::newRow("tutte e tre in ordine") << "111" << true << true << -1 << "CTK";
        QTest::newRow("prima e terza") << "101" << true << true << -1 << "CK";
        QTest::newRow("stampante annullata") << "111" << true << false << -1 << "";
        QTest::newRow("Cancel") << "111" << false << true << -1 << "";
        QTest::newRow("la seconda fallisce: un messaggio, niente dopo") << "111" << true << true << 1 << "CT";
    }
    void finestra()
    {
        QFETCH(QString, spunte);
        QFETCH(bool, ok);
        QFETCH(bool, accettato);
        QFETCH(int, fallisce);
        QFETCH(QString, lavori);
        DialoghiScriptati dialoghi;
        dialoghi.AccodaStampante(accettato);
        QPrinter stampante;
        QString eseguiti;
        auto lavoro = [&](int i) {
            return [&, i] {
                eseguiti += QStringLiteral("CTK")[i];
                if (i == fallisce)
                    throw ErroreStampa("Carta finita.");
            };
        };
        QPointer<frmStampa> f = new frmStampa(dialoghi, stampante, {lavoro(0), lavoro(1), lavoro(2)});
        QStringList testi = {f->windowTitle(), f->Frame1->title()};
        for (int i = 0; i < 3; ++i) {
            testi << f->TipoStampa[i]->text();
            QVERIFY(!f->TipoStampa[i]->isChecked());
            f->TipoStampa[i]->setChecked(spunte[i] == '1');
        }
        testi << f->PulsOK->text() << f->PulsCancel->text();
        QCOMPARE(testi.join('|'), "Stampa|Selezionare il tipo di stampa da eseguire|Coppie x - y|"
                                  "Terne x - y - polinomio|Coefficenti polinomio|OK|Cancel");
        (ok ? f->PulsOK : f->PulsCancel)->click();
        QCOMPARE(eseguiti, lavori);
        QStringList domande;
        for (const DomandaDialogo& d : dialoghi.Domande())
            domande << d.titolo + '|' + d.testo;
        QCOMPARE(domande.join(' '), QString(ok ? "Stampa|" : "") + (fallisce >= 0 ? " Curvello|Carta finita." : ""));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(f.isNull());
    }

    // Triples over two pages and the coefficients in one PDF, read back word by
    // word with their boxes in points: 20 mm margins on A4 leave 481.9 points
    // of width from x = 56.7 and put the top of the printable area at 56.7.
    void pdf()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir cartella;
        QPrinter stampante(QPrinter::HighResolution);
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(cartella.filePath(QStringLiteral("stampa.pdf")));
        stampante.setPageSize(QPageSize(QPageSize::A4));
        stampante.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        {
            StampanteQt s(stampante, true);
            Numeri terne = {1, 5, 0.03125};
            Stampa(s, "terne", terne + Serie(59), {4.5, -0.125, 0.25}, "Ditta Rossi");
            Stampa(s, "coeff", {}, {4.5, -0.125, 0.25}, "Ditta Rossi");
            s.Termina();
        }
        QProcess p;
        p.start(pdftotext, {QStringLiteral("-bbox"), stampante.outputFileName(), QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        // Each page's lines, words joined by a blank; and where each word starts.
        QList<QMap<double, QMap<double, QString>>> parole;
        QMap<QString, QPointF> inizio;
        double ultimaRiga = 0;
        const QRegularExpression parola(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\".*>(.*)</word>"));
        for (const QString& riga : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
            if (riga.contains(QStringLiteral("<page ")))
                parole.append(QMap<double, QMap<double, QString>>());
            const QRegularExpressionMatch m = parola.match(riga);
            if (!m.hasMatch())
                continue;
            const QPointF punto(m.captured(1).toDouble(), m.captured(2).toDouble());
            parole.last()[punto.y()][punto.x()] = m.captured(3);
            inizio.insert(m.captured(3), punto);
            ultimaRiga = std::max(ultimaRiga, punto.y() - 56.69);
        }
        QList<QStringList> pagine;
        for (const auto& righe : parole) {
            pagine.append(QStringList());
            for (const auto& riga : righe)
                pagine.last() << riga.values().join(' ');
        }
        QCOMPARE(pagine.size(), 3);
        QCOMPARE(pagine[0].mid(0, 4), QStringList({"Ditta Rossi", "Grado del polinomio approssimante: 2", "X Y P", "1 5 0,0312"}));
        QCOMPARE(pagine[1].mid(0, 2), QStringList({"Ditta Rossi", "X Y P"}));
        QCOMPARE(pagine[2], QStringList({"Ditta Rossi", "P(X)=C(0) + C(1)*X + C(2)*X^2 + ... + C(GR)*X^GR",
                                         "C(0)= 4,5", "C(1)= -0,125", "C(2)= 0,25"}));
        // Rows start down to 14160 twips (708 points), never a line below it.
        QVERIFY2(ultimaRiga > 690 && ultimaRiga <= 709, qPrintable(QString::number(ultimaRiga)));
        QVERIFY(qAbs(inizio["Grado"].x() - (56.69 + 0.06 * 481.89)) < 1);
        const double zona = inizio["Y"].x() - 56.69;
        QVERIFY(zona > 30 && qAbs(inizio["P"].x() - 56.69 - 2 * zona) < 1);
    }
};

QTEST_MAIN(TestStampa)
#include "test_stampa.moc"
