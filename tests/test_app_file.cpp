// The File commands through the real frame and scripted dialogs, printing on a
// recording printer, and one person's session printed to PDF.
#include "Funzioni.h"
#include "test_app_supporto.h"
#include "test_pdf_supporto.h"

#include "SeparatoriLocale.h"
#include "StampanteRegistrata.h"
#include "StampanteQt.h"
#include "TabellaTesto.h"
#include "frmStampa.h"
#include "test_grafico_supporto.h"

#include <QBitmap>
#include <QCheckBox>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

// A listing job: triples X, Y, P flattened (the pairs take X and Y), the
// coefficients (none: a run of degree 3 that ended early; the degree box reads "abc").
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

const QString Esempio = QStringLiteral("1;5|2;3|3;4|4;5|5;7|6;9|7;12|8;7|9;6");

// A graph window opened by the "Grafico" command: designated, shown, active.
fGrafico* ApriGrafico(ProgrammaDiProva& p)
{
    p.f().tbToolBar_ButtonClick(p.f().PulsanteBarra(QStringLiteral("Grafico")));
    return qobject_cast<fGrafico*>(p.programma->Stato().fGrafico.data());
}

// Every job the frame prints goes to one recording printer; job number
// `guasto` fails before it starts.
struct Registro {
    std::shared_ptr<StampanteRegistrata> stampante;
    int lavori = 0;
    Registro(frmMain& f, int guasto = 0, double altezzaRiga = 240)
        : stampante(std::make_shared<StampanteRegistrata>(StampanteRegistrata::Metriche{10000, 144, altezzaRiga}))
    {
        f.File().ImpostaFabbricaStampante([this, guasto]() -> std::shared_ptr<Stampante> {
            if (++lavori == guasto)
                throw ErroreStampa("Carta finita.");
            return stampante;
        });
    }
    // A letter a printed page: C pairs, T triples, K coefficients, S statistics, G graph.
    QString Lavori() const
    {
        QMap<std::pair<int, int>, QChar> pagine;
        for (const VoceStampata& v : stampante->Voci()) {
            QChar& c = pagine[{v.lavoro, v.pagina}];
            c = !v.immagine.isEmpty() ? u'G' : v.testo.startsWith("P(X)") ? u'K' : v.testo == "P" ? u'T'
                : v.testo.startsWith("Errore standard") ? u'S' : c.isNull() ? u'C' : c;
        }
        const QList<QChar> lettere = pagine.values();
        return QString(lettere.constData(), lettere.size());
    }
};

} // namespace

class TestFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    // The example, a fit, Save, New, Open, "Calcolo": the same coefficients;
    // then on the frame's printer set to a PDF file, the table's four
    // listings as one file, the graph of a window 1280 pixels wide whole on
    // A4, scaled to the width; then a picture of device pixel ratio 2 at its size.
    void giroCompleto()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        ProgrammaDiProva p;
        frmMain& f = p.f();
        p.stato().IntestazioneUtente = "Ditta Rossi";
        p.esempioCalcolato(QStringLiteral("2"));
        const Polinomio prima = *p.stato().polinomio;
        const QString file = p.cartella.filePath(QStringLiteral("esempio.cv"));
        p.dialoghi->AccodaNomeFile(file);
        p.premi("Save");
        QVERIFY(Leggi(file).startsWith("9,2\r\n1,5,2.75151515151515\r\n"));  // the period, in Italian too
        p.dialoghi->AccodaRisposta(RispostaMessaggio::Ok);
        p.premi("New");
        f.GradoPolinomio->setText(QStringLiteral("abc"));
        p.dialoghi->AccodaRisposta(RispostaMessaggio::Ok);
        p.dialoghi->AccodaNomeFile(file);
        p.premi("Open");
        const DomandaDialogo& apri = p.dialoghi->Domande().last();
        QCOMPARE(apri.titolo + u'|' + apri.filtro + u'|' + apri.ultimoNome,
                 "Apri|Accumulatore (*.cv)|*.cv|Tabelle di testo (*.csv;*.txt;*.tsv)|*.csv;*.txt;*.tsv| Tutti i file (*.*)|*.* |" + file);
        QCOMPARE(Righe(p.stato().punti) + u' ' + f.GradoPolinomio->text() + u' ' + p.accesi(), Esempio + " 2 11011100100001");
        p.premi("Calcolo");
        for (int k = 0; k < 3; ++k)
            QCOMPARE(p.stato().polinomio->Coeff(k), prima.Coeff(k));
        p.premi("Tabella");
        f.File().Printer().setOutputFormat(QPrinter::PdfFormat);
        const QString pdf = p.cartella.filePath(QStringLiteral("stampa.pdf")), pagina = p.cartella.filePath("pagina");
        f.File().Printer().setOutputFileName(pdf);
        p.dialoghi->AccodaStampante(true);
        p.premi("Print");
        auto* stampa = f.findChild<frmStampa*>();
        for (QCheckBox* casella : stampa->TipoStampa)
            casella->setChecked(true);
        stampa->PulsOK->click();
        QCOMPARE(PagineDelPdf(pdf), EsempioStampato);  // one file, a listing a page
        fGrafico* g = ApriGrafico(p);
        g->parentWidget()->resize(1280, 900);
        p.dialoghi->AccodaStampante(true);
        p.premi("Print");
        const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
        QCOMPARE(QProcess::execute(pdftoppm, {"-r", "48", "-gray", "-singlefile", pdf, pagina}), 0);
        const QSize grafico = g->ImmagineStampa().size();
        const QRect carta = f.File().Printer().pageLayout().paintRectPixels(48);
        const QRect attesa(carta.topLeft(), grafico.scaled(carta.size(), Qt::KeepAspectRatio));
        const QImage pdfPagina(pagina + ".pgm");
        const QRect stampata = QRegion(QBitmap::fromImage(pdfPagina.createMaskFromColor(qRgb(255, 255, 255)))).boundingRect();
        QVERIFY2(grafico.width() * 48 > attesa.width() * 96 && (stampata.topLeft() - attesa.topLeft()).manhattanLength()
                     + (stampata.bottomRight() - attesa.bottomRight()).manhattanLength() <= 4,
                 qPrintable(QDebug::toString(stampata)));

        // It prints at its logical size: 192 by 96 pixels cover 2 by 1 inches on paper, here
        // the black area at 36 dots per inch, give or take the edges.
        QImage immagine(QSize(384, 192), QImage::Format_RGB32);
        immagine.fill(Qt::black);
        immagine.setDevicePixelRatio(2);
        StampanteQt s(f.File().Printer());
        s.PaintPicture(immagine);
        s.EndDoc();
        QCOMPARE(QProcess::execute(pdftoppm, {"-r", "36", "-gray", "-singlefile", pdf, pagina}), 0);
        const QImage nera = QImage(pagina + ".pgm").createMaskFromColor(qRgb(0, 0, 0), Qt::MaskOutColor);
        const QRect area = QRegion(QBitmap::fromImage(nera)).boundingRect();
        QVERIFY2(std::abs(area.width() - 72) <= 2 && std::abs(area.height() - 36) <= 2, qPrintable(QDebug::toString(area)));
    }

    // Open after the example with the degree box at 7: New answered, the file
    // read into the points and the degree box, or a message and what was read.
    void apri_data()
    {
        QTest::addColumn<bool>("nuovo");       // New answered OK
        QTest::addColumn<QByteArray>("file");  // dati.cv; empty: the dialog cancelled
        QTest::addColumn<QString>("atteso");  // the points, the degree box, the message (%1: the path)
        QTest::newRow("su altre righe, col punto, senza coefficienti") << true
            << QByteArray("3\r\n1\r\n1.5,2,0\r\n3\r\n4\r\n0,5,6.25\r\n0") << "1.5;2|3;4|5;6.25 1 ";
        QTest::newRow("Nuovo rifiutato: in coda") << false << QByteArray("3,1\r\n1,2,0\r\n3,4,0\r\n5,6,0\r\n") << Esempio + "|1;2|3;4|5;6 1 ";
        QTest::newRow("Nuovo, poi annullato") << true << QByteArray() << " 7 ";
        QTest::newRow("file corto") << false << QByteArray("3,4\r\n1,2,0\r\n")
            << Esempio + "|1;2 4 Curvello|Il file \"%1\" è incompleto: finisce dopo 1 dei 3 punti annunciati.";
    }
    void apri()
    {
        QFETCH(bool, nuovo);
        QFETCH(QByteArray, file);
        QFETCH(QString, atteso);
        ProgrammaDiProva p;
        p.premi("Esempio");
        p.f().GradoPolinomio->setText(QStringLiteral("7"));
        const QString percorso = p.cartella.filePath(QStringLiteral("dati.cv"));
        atteso.replace(QStringLiteral("%1"), percorso);
        QVERIFY(file.isEmpty() || Scrivi(percorso, file));
        if (!file.isEmpty())
            p.dialoghi->AccodaNomeFile(percorso);
        p.dialoghi->AccodaRisposta(nuovo ? RispostaMessaggio::Ok : RispostaMessaggio::Annulla);
        p.programma->Stato().grafico.GraficoZoommato = true;
        p.premi("Open");
        QCOMPARE(p.programma->Stato().grafico.GraficoZoommato, !nuovo && file.isEmpty());  // new data, full view
        const auto stato = [&p] { return Righe(p.stato().punti) + u' ' + p.f().GradoPolinomio->text() + u' ' + p.messaggi().mid(2).join(u' '); };
        QCOMPARE(stato(), atteso);
        if (!nuovo) {  // the pairs window stayed open: its grid shows the points read, so a transfer keeps them
            TrasferisciCoppie(*p.coppie(), false);
            QCOMPARE(stato(), atteso);
        }
    }

    // A file from outside: dropped on the frame, New asked first, or named at
    // start-up, nothing asked; before, the points were 9;9. Several files, or
    // one Open does not take, open nothing and say so before asking anything.
    void daFuori_data()
    {
        QTest::addColumn<bool>("avvio");
        QTest::addColumn<QStringList>("file");  // dati.cv: 1;2|3;4 at degree 1; dati.csv: a text table
        QTest::addColumn<QString>("punti");     // "=": as the table reader reads dati.csv
        QTest::addColumn<QString>("messaggio"); // %1: the file
        const QString uno = "Curvello|Si può aprire un solo file alla volta: nessun file è stato aperto.";
        const QString nuovo = "Curvello|ATTENZIONE! Verranno azzerati tutti i valori e si inizierà una nuova "
                              "simulazione, continuare?";
        QTest::newRow("rilasciato") << false << QStringList{"dati.cv"} << "1;2|3;4" << nuovo;
        QTest::newRow("rilasciata una tabella di testo") << false << QStringList{"dati.csv"} << "=" << nuovo;
        QTest::newRow("rilasciati due file") << false << QStringList{"dati.cv", "dati.csv"} << "9;9" << uno;
        QTest::newRow("rilasciata un'immagine") << false << QStringList{"foto.png"} << "9;9"
            << "Curvello|Impossibile aprire \"%1\": si possono aprire solo file di dati (*.cv) e tabelle di testo "
               "(*.csv, *.txt, *.tsv).";
        QTest::newRow("all'avvio") << true << QStringList{"dati.cv"} << "1;2|3;4" << "";
        QTest::newRow("all'avvio, due file") << true << QStringList{"dati.cv", "dati.cv"} << "" << uno;
    }
    void daFuori()
    {
        QFETCH(bool, avvio);
        QFETCH(QStringList, file);
        QFETCH(QString, punti);
        QFETCH(QString, messaggio);
        ProgrammaDiProva p(false);
        QMimeData dati;
        for (QString& nome : file)
            dati.setUrls(dati.urls() << QUrl::fromLocalFile(nome = p.cartella.filePath(nome)));
        QVERIFY(Scrivi(p.cartella.filePath("dati.cv"), "2,1\r\n1,2,0\r\n3,4,0\r\n")
                && Scrivi(p.cartella.filePath("dati.csv"), "X;Y\r\n1;2\r\n3;4\r\n"));
        p.Avvia(avvio ? file : QStringList());
        if (!avvio) {
            p.stato().punti.Add(9, 9);
            p.dialoghi->AccodaRisposta(RispostaMessaggio::Ok);
            QDragEnterEvent entra(QPoint(50, 50), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
            QDropEvent rilascio(QPointF(50, 50), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
            QVERIFY(QApplication::sendEvent(&p.f(), &entra) && QApplication::sendEvent(&p.f(), &rilascio));
            QCoreApplication::processEvents();
        }
        QStringList attesi = QStringList(messaggio.replace("%1", file.first())).mid(messaggio.isEmpty());
        MySource letti;
        if (punti == "=")  // whatever the table reader makes of it, Open's way
            try {
                CaricaTabellaTesto(letti, file.first().toStdU16String(), SeparatoriLocale());
            } catch (const ErroreFileDati& e) {
                attesi << "Curvello|" + QString::fromUtf8(e.what());
            }
        QCOMPARE(Righe(p.stato().punti), punti == "=" ? Righe(letti) : punti);
        QCOMPARE(p.messaggi(), attesi);
        QCOMPARE(p.f().GradoPolinomio->text() + p.accesi(), (punti == "1;2|3;4" ? "1" : "") + QString("11011100100001"));
    }

    // Save and the two exports after a fit, the table active: the file written
    // whole and the table captioned with its path, or a message and all as it
    // was. A name "" cancels the dialog; the folder holds vecchio.cv.
    void salvaConNome_data()
    {
        QTest::addColumn<QString>("voce");  // the command and its filter
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("prima");  // "ro:NAME" read-only, "pieno" 10 bytes a file, a graph "aperto" or
                                             // "chiuso", "nessuna" window, a locale, "vuoto" no coefficients
        QTest::addColumn<Numeri>("campione1");  // V, P, Qt, Qs of sample 1; none: N = 0
        QTest::addColumn<QByteArray>("atteso");  // the file, or the message (%1: the path)
        const QByteArray testa = "t             V(t)          P(t)          Qt(t)         Qs(t)\r\n"
                                 " 0             0             0             0             0 \r\n";
        const QByteArray errore = "Curvello|Impossibile salvare il file \"%1\": ";
        const QString cv = "Save|Accumulatore (*.cv)|*.cv", txt = "mnuFileEsporta|Testo (*.txt)|*.txt",
                      bmp = "mnuFileEsportaGrafico|Bitmap (*.bmp)|*.bmp";
        QTest::newRow("senza finestre") << cv << "vecchio.cv" << "nessuna" << Numeri() << QByteArray("9,1\r\n1,5,4.04444444444444\r\n");  // the start of the file
        QTest::newRow("annullato") << cv << "" << "" << Numeri() << QByteArray();
        QTest::newRow("una cartella") << cv << "." << "" << Numeri() << errore + "è una cartella.";
        QTest::newRow("calcolo interrotto: niente da salvare") << cv << "vecchio.cv" << "vuoto" << Numeri() << errore
            + "l'ultimo calcolo non ha prodotto nessun polinomio. Ripetere \"Calcolo\" con un grado valido.";
#ifdef Q_OS_LINUX
        QTest::newRow("cartella di sola lettura") << cv << "vecchio.cv" << "ro:." << Numeri()
                                                  << errore + "la cartella non esiste o è protetta in scrittura.";
        QTest::newRow("file di sola lettura") << cv << "vecchio.cv" << "ro:vecchio.cv" << Numeri()
                                              << errore + "il file è protetto in scrittura.";
        QTest::newRow("disco pieno a metà") << cv << "vecchio.cv" << "pieno" << Numeri() << errore
            + "la scrittura non è stata completata, il file precedente è rimasto com'era.";
#endif
        QTest::newRow("tabella: 3 decimali, metà al pari, voci oltre la zona") << txt << "t.txt" << ""
            << Numeri{12345678.1254, -0.1875, 123456789012.5, 0.0625}
            << testa + " 0,1           12345678,125 -0,188         123456789012,5              0,062 \r\n";
        QTest::newRow("tabella: separatore di due byte") << txt << "t.txt" << "ar_EG" << Numeri{1.5, 0, 0, 0}
            << testa + QString(" 0٫1           1٫5           0             0             0 \r\n").toUtf8();
        QTest::newRow("grafico") << bmp << "g.bmp" << "aperto" << Numeri() << QByteArray("BM");
        QTest::newRow("grafico chiuso") << bmp << "g.bmp" << "chiuso" << Numeri()
            << QByteArray("Curvello|Non c'è nessun grafico da esportare: aprire prima un grafico con \"Grafico\".");
    }
    void salvaConNome()
    {
        QFETCH(QString, voce);
        QFETCH(QString, nome);
        QFETCH(QString, prima);
        QFETCH(Numeri, campione1);
        QFETCH(QByteArray, atteso);
        ProgrammaDiProva p;
        p.esempioCalcolato(QStringLiteral("1"));
        QPointer<fGrafico> g = prima == "aperto" || prima == "chiuso" ? ApriGrafico(p) : nullptr;
        if (prima == "chiuso")
            g->parentWidget()->close();
        p.premi("Tabella");
        if (prima == "nessuna")
            p.f().ChiudiFinestre();
        if (prima == "vuoto")  // as a run that ends early leaves it
            p.stato().polinomio = std::make_unique<Polinomio>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        RegistroCampioni& r = *p.programma->Stato().registro;
        r.N = static_cast<int16_t>(campione1.size() / 4);
        for (double* serie : {&r.serieV[1], &r.serieP[1], &r.serieQt[1], &r.serieQs[1]})
            *serie = campione1.isEmpty() ? 0 : campione1.takeFirst();
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(nome), vecchio = cartella.filePath(QStringLiteral("vecchio.cv"));
        QVERIFY(Scrivi(vecchio, "vecchio"));
        if (!nome.isEmpty())
            p.dialoghi->AccodaNomeFile(percorso);
        QLocale::setDefault(QLocale(prima.contains(u'_') ? prima : QStringLiteral("it_IT")));
#ifdef Q_OS_LINUX
        // Root writes whatever the permissions say, so it saves as nobody here (the real user
        // too: access() asks about that one). Folder and file are open to all unless read-only.
        const bool comeNessuno = prima.startsWith("ro:") && geteuid() == 0;
        QVERIFY(chmod(qPrintable(cartella.path()), prima == "ro:." ? 0555 : 0777) == 0);
        QVERIFY(chmod(qPrintable(vecchio), prima == "ro:vecchio.cv" ? 0444 : 0666) == 0);
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit stretto{prima == "pieno" ? 10 : limite.rlim_cur, limite.rlim_max};
        const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &stretto);
        QVERIFY(!comeNessuno || setresuid(65534, 65534, 0) == 0);
#endif
        const QString comando = voce.section(u'|', 0, 0);
        comando == "Save" ? p.premi("Save") : p.voce(comando)->trigger();
#ifdef Q_OS_LINUX
        QVERIFY(!comeNessuno || setresuid(0, 0, 0) == 0);
        setrlimit(RLIMIT_FSIZE, &limite);
        std::signal(SIGXFSZ, segnale);
        chmod(qPrintable(cartella.path()), 0700);
#endif
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const DomandaDialogo& d = p.dialoghi->Domande().first();
        QCOMPARE(d.titolo + u'|' + d.filtro, "Salva con nome|" + voce.section(u'|', 1) + "| Tutti i file (*.*)|*.* ");
        const bool messaggio = atteso.startsWith("Curvello|"), scritto = !nome.isEmpty() && !messaggio;
        QCOMPARE(p.messaggi().mid(1).join(u' '), messaggio ? QString(atteso).arg(QDir::toNativeSeparators(percorso)) : "");
        const QByteArray letto = Leggi(scritto ? percorso : vecchio);
        QCOMPARE(scritto && comando != "mnuFileEsporta" ? letto.left(atteso.size()) : letto, scritto ? atteso : "vecchio");
        if (p.tabella())
            QCOMPARE(p.tabella()->windowTitle(), scritto ? QDir::toNativeSeparators(percorso) : QStringLiteral("Grado: 1"));
        if (scritto && g) {  // brought to the front, its committed picture saved
            QCOMPARE(p.f().AreaFigli()->currentSubWindow()->widget(), g.data());
            QCOMPARE(QImage(percorso).convertToFormat(QImage::Format_RGB32),
                     g->ImmaginePicture1().convertToFormat(QImage::Format_RGB32));
        }
    }

    // A job on the recording printer as "page x y text", in twips: a unit is
    // 100 twips, a character 144 wide, a line 240 high, so zones start every
    // 2016. Long jobs as the rows of each page, "count@first y-last y".
    void tabulato_data()
    {
        QTest::addColumn<Lavoro>("lavoro");
        const QString formula = "1 600 720 P(X)=C(0) + C(1)*X + C(2)*X^2 + ... + C(GR)*X^GR";
        auto serie = [](int n) { Numeri r; for (int i = 0; i < n; ++i) r << i << 0.5 * i << 1; return r; };
        QTest::newRow("coppie senza coefficienti: il testo del grado") << Lavoro{
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
        QTest::newRow("coefficienti: nessuno, solo la formula") << Lavoro{"coeff", {}, {}, "Ab", {"1 4856 0 Ab", formula}};
        QTest::newRow("terne senza coefficienti: i punti, nessuna P") << Lavoro{"terne", {1, 5, 9}, {}, "",
            {"1 600 720 Grado del polinomio approssimante: abc", "1 600 1440 X", "1 2016 1440 Y", "1 4032 1440 P",
             "1 600 1920  1 ", "1 2016 1920  5 "}};
        QTest::newRow("statistiche senza gradi di libertà: n.d. e il motivo a capo") << Lavoro{
            "statistiche", {0, 1, 1, 1, 3, 3}, {1, 2}, "", QString(
            "1 600 720 Grado del polinomio approssimante: 1|1 600 1440 C(i)                   |1 4032 1440 Errore standard|"
            "1 8064 1440 t|1 600 1920 C(0)= 1                |1 4032 1920  n.d.          |1 8064 1920  n.d. |"
            "1 600 2160 C(1)= 2                |1 4032 2160  n.d.          |1 8064 2160  n.d. |"
            "1 600 2640 Bontà dell'adattamento|1 600 3120 Punti                          |1 6048 3120  2 |"
            "1 600 3360 Gradi di libertà               |1 6048 3360  0 |1 600 3600 R²                             |"
            "1 6048 3600  1 |1 600 3840 R² corretto                    |1 6048 3840  n.d. |"
            "1 600 4080 Deviazione standard dei residui|1 6048 4080  n.d. |1 600 4320 Somma dei quadrati dei residui |"
            "1 6048 4320  0 |1 600 4560 Somma dei quadrati totale      |1 6048 4560  2 |"
            "1 600 4800 F con 1 e 0 gradi di libertà   |1 6048 4800  n.d. |"
            "1 600 5280 Non definito: i punti sono tanti quanti i coefficienti|1 600 5520 (nessun grado di libertà).").split(u'|')};
        QTest::newRow("la riga a 14160 resta, oltre una pagina nuova, teste sulla riga 4")
            << Lavoro{"coppie", serie(53), {1, 2}, "Ditta", {"52@1920-14160", "1@1200-1200"}};
        QTest::newRow("righe di 270 twips")
            << Lavoro{"terne", serie(120), {1, 2}, "Ditta", {"45@2160-14040", "48@1350-14040", "27@1350-8370"}, 270};
        QTest::newRow("coefficienti: la riga del salto, poi una vuota")
            << Lavoro{"coeff", {}, serie(21).mid(2), "Ditta", {"53@1680-14160", "8@720-2640"}};
    }
    void tabulato()
    {
        QFETCH(Lavoro, lavoro);
        ProgrammaDiProva p;
        Registro r(p.f(), 0, lavoro.altezzaRiga);
        StatoProgramma& s = p.stato();
        for (qsizetype i = 0; i + 2 < lavoro.terne.size(); i += 3) {
            s.punti.Add(lavoro.terne[i], lavoro.terne[i + 1]);
            s.terne->Add(lavoro.terne[i], lavoro.terne[i + 1], lavoro.terne[i + 2]);
        }
        s.polinomio = Polinomiale(lavoro.coeff);
        if (lavoro.coeff.isEmpty())
            s.polinomio->ImpostaGrado(3);
        s.IntestazioneUtente = lavoro.intestazione.toStdString();
        p.f().GradoPolinomio->setText(QStringLiteral("abc"));
        frmMain& f = p.f();
        lavoro.tabulato == "coppie" ? f.File().StampaCoppie() : lavoro.tabulato == "terne" ? f.File().StampaTerne()
            : lavoro.tabulato == "coeff" ? f.File().StampaCoeff() : f.File().StampaStatistiche();
        QStringList voci, pagine;
        QMap<int, QList<double>> righe;
        int intestazioni = 0;
        for (const VoceStampata& v : r.stampante->Voci()) {
            voci << QStringLiteral("%1 %2 %3 %4").arg(v.pagina).arg(v.x).arg(v.y).arg(v.testo);
            intestazioni += v.y == 0 && v.testo == "Ditta";
            if (v.x == 600 && (v.testo.startsWith(' ') || v.testo.startsWith("C(")))
                righe[v.pagina] << v.y;
        }
        for (const QList<double>& y : righe)
            pagine << QStringLiteral("%1@%2-%3").arg(y.size()).arg(y.first()).arg(y.last());
        const bool perPagina = lavoro.atteso.first().contains(u'@');
        QCOMPARE(perPagina ? pagine : voci, lavoro.atteso);
        QVERIFY(!perPagina || intestazioni == righe.size());
        QCOMPARE(r.stampante->NomeCarattere() + QString::number(r.stampante->PuntiCarattere()) +
                 QString::number(r.stampante->LavoriFiniti()), "Courier121");
    }

    // The print command on each kind of active window after a fit; in
    // frmStampa the boxes ticked and the button pressed. "annullata": the
    // printer dialog cancelled; "guasto N": job N fails; "due": Print pressed
    // twice. Then the preview: the pages printed, line for line.
    void comando_data()
    {
        QTest::addColumn<QString>("figlio");
        QTest::addColumn<QString>("azione");
        QTest::addColumn<QString>("atteso");  // the questions asked, ">", a letter a job printed
        QTest::newRow("nessuna finestra") << "" << "" << ">";
        QTest::newRow("coppie") << "Coppie" << "" << "Stampa|>C";
        QTest::newRow("coppie, stampante annullata") << "Coppie" << "annullata" << "Stampa|>";
        QTest::newRow("grafico") << "fGrafico" << "" << "Stampa|>G";
        QTest::newRow("tutte e quattro in ordine, Print due volte") << "Tabella" << "1111 OK due" << "Stampa|>CTKS";
        QTest::newRow("nessuna casella") << "Tabella" << "0000 OK" << "Stampa|>";
        QTest::newRow("stampante annullata") << "Tabella" << "1111 OK annullata" << "Stampa|>";
        QTest::newRow("Cancel") << "Tabella" << "1111 Cancel" << ">";
        QTest::newRow("un guasto, detto") << "Tabella" << "1111 OK guasto 1" << "Stampa| Curvello|Carta finita.>";
    }
    void comando()
    {
        QFETCH(QString, figlio);
        QFETCH(QString, azione);
        ProgrammaDiProva p;
        p.esempioCalcolato(QStringLiteral("2"));  // the pairs window active
        QPointer<fGrafico> g = figlio == "fGrafico" ? ApriGrafico(p) : nullptr;
        if (g)  // a line drawn since the last commit goes on paper too
            g->Picture1->Linea(1, 5, 9, 6);
        if (figlio == "Tabella")
            p.premi("Tabella");
        if (figlio.isEmpty())
            p.f().ChiudiFinestre();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Registro r(p.f(), azione.contains("guasto") ? azione.back().digitValue() : 0);
        p.dialoghi->AccodaStampante(!azione.contains("annullata"));
        p.premi("Print");
        if (azione.contains("due"))  // the open Stampa window comes forward, no second one
            p.premi("Print");
        QPointer<frmStampa> f = p.f().findChild<frmStampa*>();
        QCOMPARE(p.f().findChildren<frmStampa*>().size(), int(figlio == "Tabella"));
        if (f) {
            QStringList testi = {f->windowTitle(), f->Frame1->title()};
            for (int i = 0; i < 4; ++i) {
                testi << f->TipoStampa[i]->text() + (f->TipoStampa[i]->isChecked() ? "!" : "");
                f->TipoStampa[i]->setChecked(azione[i] == '1');
            }
            QCOMPARE(testi << f->PulsOK->text() << f->PulsCancel->text(),
                     QStringList({"Stampa", "Selezionare il tipo di stampa da eseguire", "Coppie x - y",
                                  "Terne x - y - polinomio", "Coefficenti polinomio", "Statistiche", "OK", "Cancel"}));
            (azione.contains("Cancel") ? f->PulsCancel : f->PulsOK)->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(f.isNull());
        }
        QTEST(p.messaggi().join(u' ') + u'>' + r.Lavori(), "atteso");
        QVERIFY(!g || g->ImmaginePicture1() == g->Picture1->Immagine());

        QMap<std::pair<int, int>, QMap<double, QString>> righe;
        for (const VoceStampata& v : r.stampante->Voci())
            righe[{v.lavoro, v.pagina}][v.y] += u' ' + v.testo;
        QList<QStringList> pagine;
        for (const QMap<double, QString>& pagina : righe) {
            pagine << QStringList();
            for (const QString& riga : pagina)
                if (!riga.simplified().isEmpty())
                    pagine.last() << riga.simplified();
        }
        const QString pdf = p.cartella.filePath(QStringLiteral("anteprima.pdf"));
        p.dialoghi->Dimentica();
        p.dialoghi->AccodaAnteprima(pdf);
        p.voce("mnuFileAnteprima")->trigger();
        if (figlio.isEmpty())
            QCOMPARE(p.messaggi(), QStringList{"Curvello|Non c'è niente da mostrare in anteprima: attivare prima la "
                                               "finestra delle coppie, una tabella o un grafico."});
        else if (!pagine.isEmpty())
            QCOMPARE(PagineDelPdf(pdf), pagine);
    }
};

QTEST_MAIN(TestFile)
#include "test_app_file.moc"
