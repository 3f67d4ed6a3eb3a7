// Printing: the listings on the recording printer, the print type window, and
// a real job on a PDF printer read back with pdftotext.
#include "DialoghiScriptati.h"
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

using Numeri = QList<double>;

// A job and what it prints: triples X, Y, P flattened (the pairs take X and
// Y), the coefficients (none: no fit yet, the degree text is "abc").
struct Lavoro {
    QString tabulato;
    Numeri terne;
    Numeri coeff;
    QString intestazione;
    QStringList atteso;
    double altezzaRiga = 240;
};
Q_DECLARE_METATYPE(Lavoro)

namespace {

struct Dati {
    MySource punti;
    XYPoli xy;
    Polinomio poli;
    ContenutoStampa contenuto;
    explicit Dati(const Lavoro& l)
        : contenuto{punti, xy, l.coeff.isEmpty() ? nullptr : &poli, "abc", l.intestazione.toStdString(),
                    Separatori::Italiani()}
    {
        for (qsizetype i = 0; i + 2 < l.terne.size(); i += 3) {
            punti.Add(l.terne[i], l.terne[i + 1]);
            xy.Add(l.terne[i], l.terne[i + 1], l.terne[i + 2]);
        }
        poli.ImpostaGrado(static_cast<int16_t>(l.coeff.size() - 1));
        for (double c : l.coeff)
            poli.Add(c);
    }
};

void Stampa(Stampante& s, const Lavoro& l)
{
    (l.tabulato == "coppie" ? StampaCoppie : l.tabulato == "terne" ? StampaTerne : StampaCoeff)(s, Dati(l).contenuto);
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
    // Every text as "page x y text", in twips: a unit is 100 twips, a
    // character 144 wide, a line 240 high, so zones start every 2016.
    void tabulato_data()
    {
        QTest::addColumn<Lavoro>("lavoro");
        const QString formula = "1 600 720 P(X)=C(0) + C(1)*X + C(2)*X^2 + ... + C(GR)*X^GR";
        QTest::newRow("coppie prima del calcolo: il testo del grado") << Lavoro{
            "coppie", {1, 5, 9, 0.5, -3, 9}, {}, "Ditta",
            {"1 4640 0 Ditta", "1 600 720 Grado del polinomio approssimante: abc", "1 600 1440 X", "1 2016 1440 Y",
             "1 600 1920  1 ", "1 2016 1920  5 ", "1 600 2160  0,5 ", "1 2016 2160 -3 "}};
        QTest::newRow("terne: P a 4 decimali, metà al pari, voce lunga, intestazione vuota") << Lavoro{
            "terne", {0.25, 1, 0.03125, -2, 1e20, 0.09375, 123456789012345, 4, -1.5}, {1, 2, 3}, "",
            {"1 600 720 Grado del polinomio approssimante: 2", "1 600 1440 X", "1 2016 1440 Y", "1 4032 1440 P",
             "1 600 1920  0,25 ", "1 2016 1920  1 ", "1 4032 1920  0,0312 ", "1 600 2160 -2 ", "1 2016 2160  1E+20 ",
             "1 4032 2160  0,0938 ", "1 600 2400  123456789012345 ", "1 4032 2400  4 ", "1 6048 2400 -1,5 "}};
        QTest::newRow("coefficienti a 8 decimali") << Lavoro{"coeff", {}, {1, -0.25, 0.001953125}, "Ab",
            {"1 4856 0 Ab", formula, "1 600 1680 C(0)= 1", "1 600 1920 C(1)= -0,25", "1 600 2160 C(2)= 0,00195312"}};
        QTest::newRow("coefficienti senza polinomio") << Lavoro{"coeff", {}, {}, "Ab", {"1 4856 0 Ab", formula}};
    }
    void tabulato()
    {
        QFETCH(Lavoro, lavoro);
        StampanteRegistrata s;
        Stampa(s, lavoro);
        QStringList letto;
        for (const VoceStampata& v : s.Voci())
            letto << QStringLiteral("%1 %2 %3 %4").arg(v.pagina).arg(v.x).arg(v.y).arg(v.testo);
        QCOMPARE(letto, lavoro.atteso);
        QCOMPARE(s.NomeCarattere() + QString::number(s.PuntiCarattere()) + QString::number(s.LavoriFiniti()), "Courier121");
    }

    // Rows of each page as "count@first y-last y"; each page has the header.
    void pagine_data()
    {
        QTest::addColumn<Lavoro>("lavoro");
        QTest::newRow("l'ultima riga a 14160 resta sulla pagina") << Lavoro{"coppie", Serie(52), {1, 2}, "Ditta", {"52@1920-14160"}};
        QTest::newRow("oltre 14160 una pagina nuova, teste sulla riga 4")
            << Lavoro{"coppie", Serie(53), {1, 2}, "Ditta", {"52@1920-14160", "1@1200-1200"}};
        QTest::newRow("righe di 270 twips")
            << Lavoro{"terne", Serie(120), {1, 2}, "Ditta", {"45@2160-14040", "48@1350-14040", "27@1350-8370"}, 270};
        QTest::newRow("coefficienti: la riga del salto, poi una vuota")
            << Lavoro{"coeff", {}, Serie(21).mid(2), "Ditta", {"53@1680-14160", "8@720-2640"}};
    }
    void pagine()
    {
        QFETCH(Lavoro, lavoro);
        StampanteRegistrata s({10000, 144, lavoro.altezzaRiga});
        Stampa(s, lavoro);
        QMap<int, QList<double>> righe;
        int intestazioni = 0;
        for (const VoceStampata& v : s.Voci()) {
            intestazioni += v.y == 0 && v.testo == "Ditta";
            if (v.x == 600 && (v.testo.startsWith(' ') || v.testo.startsWith("C(")))
                righe[v.pagina] << v.y;
        }
        QStringList letto;
        for (const QList<double>& y : righe)
            letto << QStringLiteral("%1@%2-%3").arg(y.size()).arg(y.first()).arg(y.last());
        QCOMPARE(letto, lavoro.atteso);
        QCOMPARE(intestazioni, righe.size());
    }

    // OK asks for the printer once and runs the ticked listings in order (a
    // failing one, "!", stops them with one message); Cancel asks nothing.
    // Either closes the window.
    void finestra_data()
    {
        QTest::addColumn<QString>("spunte");
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<QString>("atteso");  // listings run, then the questions asked
        QTest::newRow("nessuna casella") << "000" << "OK" << "Stampa|";
        QTest::newRow("tutte e tre in ordine") << "111" << "OK" << "CTKStampa|";
        QTest::newRow("prima e terza") << "101" << "OK" << "CKStampa|";
        QTest::newRow("stampante annullata") << "111" << "OK annullata" << "Stampa|";
        QTest::newRow("Cancel") << "111" << "Cancel" << "";
        QTest::newRow("la seconda fallisce") << "111" << "OK fallisce T" << "CTStampa| Curvello|Carta finita.";
    }
    void finestra()
    {
        QFETCH(QString, spunte);
        QFETCH(QString, pulsante);
        DialoghiScriptati dialoghi;
        dialoghi.AccodaStampante(!pulsante.contains("annullata"));
        QPrinter stampante;
        QString letto;
        auto lavoro = [&](QChar c) {
            return [&, c] {
                letto += c;
                if (pulsante.endsWith(QStringLiteral("fallisce ") + c))
                    throw ErroreStampa("Carta finita.");
            };
        };
        QPointer<frmStampa> f = new frmStampa(dialoghi, stampante, {lavoro('C'), lavoro('T'), lavoro('K')});
        QStringList testi = {f->windowTitle(), f->Frame1->title()};
        for (int i = 0; i < 3; ++i) {
            testi << f->TipoStampa[i]->text() + (f->TipoStampa[i]->isChecked() ? "!" : "");
            f->TipoStampa[i]->setChecked(spunte[i] == '1');
        }
        QCOMPARE(testi << f->PulsOK->text() << f->PulsCancel->text(),
                 QStringList({"Stampa", "Selezionare il tipo di stampa da eseguire", "Coppie x - y",
                              "Terne x - y - polinomio", "Coefficenti polinomio", "OK", "Cancel"}));
        (pulsante.startsWith("OK") ? f->PulsOK : f->PulsCancel)->click();
        QStringList domande;
        for (const DomandaDialogo& d : dialoghi.Domande())
            domande << d.titolo + '|' + d.testo;
        QTEST(letto + domande.join(' '), "atteso");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(f.isNull());
    }

    // The report in one PDF on A4, read back as text: pairs and triples take
    // three pages each; further pages start their rows three lines higher.
    void pdf()
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir cartella;
        const QString file = cartella.filePath(QStringLiteral("stampa.pdf"));
        Numeri terne = Serie(100);
        terne[5] = 0.03125;
        StampaRapportoPdf(file, Dati({"", terne, {4.5, -0.125, 0.25}, "Ditta Rossi", {}}).contenuto,
                          QImage(50, 40, QImage::Format_RGB32));
        QProcess p;
        p.start(pdftotext, {QStringLiteral("-layout"), file, QStringLiteral("-")});
        QVERIFY(p.waitForFinished(30000));
        QList<QStringList> pagine;  // a page's lines, blanks collapsed; the graph's page has none
        for (const QString& pagina : QString::fromUtf8(p.readAllStandardOutput()).chopped(1).split('\f')) {
            pagine.append(QStringList());
            for (const QString& riga : pagina.split('\n', Qt::SkipEmptyParts))
                pagine.last() << riga.simplified();
        }
        QCOMPARE(pagine.size(), 8);
        QCOMPARE(pagine[0].mid(0, 4), QStringList({"Ditta Rossi", "Grado del polinomio approssimante: 2", "X Y", "0 0"}));
        QCOMPARE(pagine[1].mid(0, 2), QStringList({"Ditta Rossi", "X Y"}));
        QCOMPARE(pagine[3].mid(2, 3), QStringList({"X Y P", "0 0 1", "1 0,5 0,0312"}));
        QCOMPARE(pagine[6], QStringList({"Ditta Rossi", "P(X)=C(0) + C(1)*X + C(2)*X^2 + ... + C(GR)*X^GR",
                                         "C(0)= 4,5", "C(1)= -0,125", "C(2)= 0,25"}));
        const QStringList coppie = pagine[0] + pagine[1] + pagine[2];
        for (int i = 0; i < 100; ++i)
            QVERIFY(coppie.contains(QStringLiteral("%1 %2").arg(i).arg(QString::number(0.5 * i).replace('.', ','))));
        QCOMPARE(pagine[1].size() - 2, pagine[0].size() - 3 + 3);
    }
};

QTEST_MAIN(TestStampa)
#include "test_stampa.moc"
