// The File commands through the real frame and scripted dialogs: save and
// open, the two exports, the print command with its jobs on a recording
// printer, and one person's session printed to PDF.
#include "test_app_supporto.h"
#include "test_pdf_supporto.h"

#include "Disposizione.h"
#include "StampanteRegistrata.h"
#include "fGrafico.h"
#include "frmStampa.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using Numeri = QList<double>;

// A listing job: triples X, Y, P flattened (the pairs take X and Y), the
// coefficients (none: no fit yet, the degree box reads "abc").
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
const QByteArray EsempioGrado1 = "9,1\r\n1,5,4.04444444444444\r\n2,3,4.64444444444444\r\n3,4,5.24444444444444\r\n"
                                 "4,5,5.84444444444444\r\n5,7,6.44444444444444\r\n6,9,7.04444444444444\r\n"
                                 "7,12,7.64444444444444\r\n8,7,8.24444444444444\r\n9,6,8.84444444444444\r\n"
                                 "3.44444444444444\r\n0.6\r\n";

QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<manca>");
}

// A graph window opened as "Grafico" opens one: designated, shown, active.
fGrafico* ApriGrafico(ProgrammaDiProva& p)
{
    StatoApplicazione& s = p.programma->Stato();
    auto* g = new fGrafico(s.grafico, s.programma, p.dialoghi);
    QMdiSubWindow* cornice = p.f().AreaFigli()->addSubWindow(g);
    s.fGrafico = g;
    cornice->show();
    p.f().AreaFigli()->setActiveSubWindow(cornice);
    return g;
}

// Every job the frame prints goes to one recording printer; job number
// `guasto` fails before it starts.
struct Registro {
    std::shared_ptr<StampanteRegistrata> stampante;
    int lavori = 0;
    Registro(frmMain& f, int guasto = 0, double altezzaRiga = 240)
        : stampante(std::make_shared<StampanteRegistrata>(StampanteRegistrata::Metriche{10000, 144, altezzaRiga}))
    {
        f.ImpostaFabbricaStampante([this, guasto]() -> std::shared_ptr<Stampante> {
            if (++lavori == guasto)
                throw ErroreStampa("Carta finita.");
            return stampante;
        });
    }
    // A letter a job: C pairs, T triples, K coefficients, G graph.
    QString Lavori() const
    {
        QMap<int, QChar> r;
        for (const VoceStampata& v : stampante->Voci()) {
            const QChar c = !v.immagine.isEmpty() ? u'G' : v.testo.startsWith("P(X)") ? u'K' : v.testo == "P" ? u'T'
                          : r.value(v.lavoro, u'C');
            r[v.lavoro] = c;
        }
        return QString(r.values().constData(), r.size());
    }
};

void Stampa(ProgrammaDiProva& p, const Lavoro& l)
{
    StatoProgramma& s = p.stato();
    for (qsizetype i = 0; i + 2 < l.terne.size(); i += 3) {
        s.punti.Add(l.terne[i], l.terne[i + 1]);
        s.terne->Add(l.terne[i], l.terne[i + 1], l.terne[i + 2]);
    }
    if (!l.coeff.isEmpty()) {
        s.polinomio = std::make_unique<Polinomio>();
        s.polinomio->ImpostaGrado(static_cast<int16_t>(l.coeff.size() - 1));
        for (double c : l.coeff)
            s.polinomio->Add(c);
    }
    s.IntestazioneUtente = l.intestazione.toStdString();
    p.f().GradoPolinomio->setText(QStringLiteral("abc"));
    frmMain& f = p.f();
    l.tabulato == "coppie" ? f.StampaCoppie() : l.tabulato == "terne" ? f.StampaTerne() : f.StampaCoeff();
}

Numeri Serie(int n)
{
    Numeri r;
    for (int i = 0; i < n; ++i)
        r << i << 0.5 * i << 1;
    return r;
}

} // namespace

class TestFile : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy)); }

    // The example, a fit, Save, New, Open, "Calcolo": the same coefficients;
    // then the table's three listings and the graph printed to PDF.
    void giroCompleto()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        ProgrammaDiProva p;
        frmMain& f = p.f();
        p.stato().IntestazioneUtente = "Ditta Rossi";
        p.esempioCalcolato(QStringLiteral("2"));
        const Polinomio prima = *p.stato().polinomio;
        p.premi("Tabella");
        const QString file = p.cartella.filePath(QStringLiteral("esempio.cv"));
        p.dialoghi->AccodaNomeFile(file);
        p.premi("Save");
        QCOMPARE(p.tabella()->windowTitle(), QDir::toNativeSeparators(file));
        const QByteArray salvato = Leggi(file);
        QVERIFY(salvato.startsWith("9,2\r\n1,5,2.75151515151515\r\n") && salvato.endsWith("\r\n-0.138528138528139\r\n"));
        QCOMPARE(salvato.count("\r\n"), 13);

        p.dialoghi->AccodaRisposta(RispostaMessaggio::Ok);
        p.premi("New");
        f.GradoPolinomio->setText(QStringLiteral("abc"));
        p.dialoghi->AccodaRisposta(RispostaMessaggio::Ok);
        p.dialoghi->AccodaNomeFile(file);
        p.premi("Open");
        QStringList domande;
        for (const DomandaDialogo& d : p.dialoghi->Domande())
            domande << d.titolo + u'|' + d.filtro + u'|' + d.ultimoNome;
        const QString filtro = QStringLiteral("Accumulatore (*.cv)|*.cv| Tutti i file (*.*)|*.* ");
        QCOMPARE(domande, QStringList({"Salva con nome|" + filtro + '|', "Curvello||", "Curvello||",
                                       "Apri|" + filtro + '|' + file}));
        QCOMPARE(Righe(p.stato().punti), Esempio);
        QCOMPARE(f.GradoPolinomio->text(), QStringLiteral("2"));
        QCOMPARE(p.accesi(), QStringLiteral("11011100100001"));
        QTRY_VERIFY(f.AreaFigli()->subWindowList().isEmpty());
        p.premi("Calcolo");
        for (int k = 0; k < 3; ++k)
            QCOMPARE(p.stato().polinomio->Coeff(k), prima.Coeff(k));

        // Each listing, then the graph, on the frame's own printer set to a file.
        p.premi("Tabella");
        f.Printer().setOutputFormat(QPrinter::PdfFormat);
        for (int i = 0; i < 4; ++i) {
            f.Printer().setOutputFileName(p.cartella.filePath(QStringLiteral("lavoro%1.pdf").arg(i)));
            p.dialoghi->AccodaStampante(true);
            if (i == 3)
                ApriGrafico(p)->ConsolidaPicture1();
            p.premi("Print");
            if (auto* stampa = f.findChild<frmStampa*>()) {
                stampa->TipoStampa[i]->setChecked(true);
                stampa->PulsOK->click();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        }
        for (int i = 0; i < 3; ++i)
            QCOMPARE(PagineDelPdf(p.cartella.filePath(QStringLiteral("lavoro%1.pdf").arg(i))),
                     QList<QStringList>{EsempioStampato[i]});
        const QSize grafico = qobject_cast<fGrafico*>(p.programma->Stato().fGrafico.data())->ImmaginePicture1().size();
        QCOMPARE(ImmaginiDelPdf(p.cartella.filePath(QStringLiteral("lavoro3.pdf"))),
                 QStringList{QStringLiteral("1:%1x%2").arg(grafico.width()).arg(grafico.height())});
    }

    // Open after the example with the degree box at 7: New answered, the file
    // read or not; what a failure leaves stays.
    void apri_data()
    {
        QTest::addColumn<bool>("nuovo");       // New answered OK
        QTest::addColumn<QByteArray>("file");  // dati.cv; empty: the dialog cancelled; "-": no such file
        QTest::addColumn<QString>("punti");
        QTest::addColumn<QString>("grado");
        QTest::addColumn<QString>("messaggio");  // %1: the path
        const QByteArray tre = "3,1\r\n1,2,0\r\n3,4,0\r\n5,6,0\r\n";
        const QString treP = "1;2|3;4|5;6";
        QTest::newRow("completo") << true << tre + "0.5\r\n1\r\n" << treP << "1" << "";
        QTest::newRow("senza coefficienti") << true << tre << treP << "1" << "";
        QTest::newRow("campi su altre righe") << true << QByteArray("3\r\n1\r\n1,2,0\r\n3\r\n4\r\n0,5,6\r\n0") << treP << "1" << "";
        QTest::newRow("0 punti, grado 2") << true << QByteArray("0,2\r\n") << "" << "2" << "";
        QTest::newRow("decimali col punto") << true << QByteArray("1,2\r\n1.5,-2.25,0\r\n") << "1.5;-2.25" << "2" << "";
        QTest::newRow("Nuovo rifiutato: in coda") << false << tre << Esempio + '|' + treP << "1" << "";
        QTest::newRow("annullato") << false << QByteArray() << Esempio << "7" << "";
        QTest::newRow("file mancante") << true << QByteArray("-") << "" << "7" << "Impossibile aprire il file \"%1\".";
        QTest::newRow("file corto") << true << QByteArray("3,4\r\n1,2,0\r\n") << "1;2" << "4"
                                    << "Il file \"%1\" è incompleto: finisce dopo 1 dei 3 punti annunciati.";
        QTest::newRow("campo non numerico") << true << QByteArray("2,1\r\n1,a,0\r\n") << "" << "1"
            << "Il file \"%1\" non è valido: alla riga 2 la Y del punto 1 (\"a\") non è un numero.";
        QTest::newRow("troppi punti") << false << QByteArray("300,3\r\n") << Esempio << "3"
            << "Il file \"%1\" contiene 300 punti, ma se ne possono aggiungere solo 292 (al massimo 301 in tutto): "
               "nessun punto del file è stato caricato.";
    }
    void apri()
    {
        QFETCH(bool, nuovo);
        QFETCH(QByteArray, file);
        QFETCH(QString, messaggio);
        ProgrammaDiProva p;
        p.premi("Esempio");
        p.f().GradoPolinomio->setText(QStringLiteral("7"));
        const QString percorso = p.cartella.filePath(QStringLiteral("dati.cv"));
        QFile scritto(percorso);
        QVERIFY(file.size() < 2 || (scritto.open(QIODevice::WriteOnly) && scritto.write(file) == file.size()));
        scritto.close();
        if (!file.isEmpty())
            p.dialoghi->AccodaNomeFile(percorso);
        p.dialoghi->AccodaRisposta(nuovo ? RispostaMessaggio::Ok : RispostaMessaggio::Annulla);
        p.premi("Open");
        QTEST(Righe(p.stato().punti), "punti");
        QTEST(p.f().GradoPolinomio->text(), "grado");
        QCOMPARE(p.messaggi().mid(2), messaggio.isEmpty() ? QStringList() : QStringList{"Curvello|" + messaggio.arg(percorso)});
    }

    // Save after a fit with the table active: the file replaced whole and the
    // caption set, or a message with the old file left as it was.
    void salva_data()
    {
        QTest::addColumn<QString>("nome");         // chosen in the dialog; empty: cancelled
        QTest::addColumn<QString>("solaLettura");  // made read-only: "vecchio.cv" or "." (the folder)
        QTest::addColumn<int>("limite");           // bytes a file may grow to; 0: no limit
        QTest::addColumn<QString>("errore");       // %1: the path
        QTest::newRow("sostituisce il vecchio") << "vecchio.cv" << "" << 0 << "";
        QTest::newRow("senza finestre aperte") << "vecchio.cv" << "" << 0 << "";
        QTest::newRow("annullato") << "" << "" << 0 << "";
        QTest::newRow("una cartella") << "." << "" << 0 << "Impossibile salvare il file \"%1\": è una cartella.";
        QTest::newRow("cartella che non esiste") << "manca/dati.cv" << "" << 0
            << "Impossibile salvare il file \"%1\": la cartella non esiste o è protetta in scrittura.";
#ifdef Q_OS_UNIX
        QTest::newRow("cartella di sola lettura") << "vecchio.cv" << "." << 0
            << "Impossibile salvare il file \"%1\": la cartella non esiste o è protetta in scrittura.";
        QTest::newRow("file di sola lettura") << "vecchio.cv" << "vecchio.cv" << 0
            << "Impossibile salvare il file \"%1\": il file è protetto in scrittura.";
        QTest::newRow("disco pieno a metà") << "vecchio.cv" << "" << 10
            << "Impossibile salvare il file \"%1\": la scrittura non è stata completata, il file precedente è rimasto com'era.";
#endif
    }
    void salva()
    {
        QFETCH(QString, nome);
        QFETCH(QString, solaLettura);
        QFETCH(int, limite);
        QFETCH(QString, errore);
        ProgrammaDiProva p;
        p.esempioCalcolato(QStringLiteral("1"));
        p.premi("Tabella");
        const bool finestre = QTest::currentDataTag() != QByteArray("senza finestre aperte");
        if (!finestre) {
            p.f().ChiudiFinestre();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(nome);
        QFile vecchio(cartella.filePath(QStringLiteral("vecchio.cv")));
        QVERIFY(vecchio.open(QIODevice::WriteOnly) && vecchio.write("vecchio") == 7);
        vecchio.close();
        if (!nome.isEmpty())
            p.dialoghi->AccodaNomeFile(percorso);
#ifdef Q_OS_UNIX
        // Root writes whatever the permissions say, so root saves as nobody
        // here (real and effective user, as access() looks at the real one):
        // the folder and the file are open to everyone unless read-only.
        const bool comeNessuno = !solaLettura.isEmpty() && geteuid() == 0;
#ifndef Q_OS_LINUX
        if (comeNessuno)
            QSKIP("root cannot drop to another user and back here");
#endif
        QVERIFY(chmod(qPrintable(cartella.path()), solaLettura == "." ? 0555 : 0777) == 0);
        QVERIFY(chmod(qPrintable(vecchio.fileName()), solaLettura == "vecchio.cv" ? 0444 : 0666) == 0);
        rlimit prima{};
        getrlimit(RLIMIT_FSIZE, &prima);
        rlimit stretto = prima;
        stretto.rlim_cur = limite > 0 ? static_cast<rlim_t>(limite) : prima.rlim_cur;
        const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &stretto);
#ifdef Q_OS_LINUX
        QVERIFY(!comeNessuno || setresuid(65534, 65534, 0) == 0);
#endif
        p.premi("Save");
#ifdef Q_OS_LINUX
        QVERIFY(!comeNessuno || setresuid(0, 0, 0) == 0);
#endif
        setrlimit(RLIMIT_FSIZE, &prima);
        std::signal(SIGXFSZ, segnale);
        chmod(qPrintable(cartella.path()), 0700);
#else
        p.premi("Save");
#endif
        const bool salvato = !nome.isEmpty() && errore.isEmpty();
        QCOMPARE(p.messaggi().mid(1), errore.isEmpty() ? QStringList() : QStringList{"Curvello|" + errore.arg(QDir::toNativeSeparators(percorso))});
        QCOMPARE(Leggi(vecchio.fileName()), salvato ? EsempioGrado1 : QByteArray("vecchio"));
        QCOMPARE(QDir(cartella.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"vecchio.cv"});
        if (finestre)
            QCOMPARE(p.tabella()->windowTitle(), salvato ? QDir::toNativeSeparators(percorso) : QStringLiteral("Grado: 1"));
    }

    // The text table through its hidden entry: the heading, then samples 0 to
    // N in 14-character zones, t to 1 decimal, the series to 3, halves to even.
    void esportaTesto_data()
    {
        QTest::addColumn<int>("N");
        QTest::addColumn<Numeri>("campione1");  // V, P, Qt, Qs of sample 1
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QByteArray>("atteso");  // the file, or the message
        const QByteArray testa = "t             V(t)          P(t)          Qt(t)         Qs(t)\r\n";
        const QByteArray zeri = " 0             0             0             0             0 \r\n";
        const Numeri nulla = {0, 0, 0, 0};
        QTest::newRow("N = 0: la testa e una riga di zeri") << 0 << nulla << "it_IT" << testa + zeri;
        QTest::newRow("3 decimali, metà al pari, voci che riempiono o passano la zona")
            << 1 << Numeri{12345678.125, -0.1875, 123456789012.5, 0.0625} << "it_IT"
            << testa + zeri + " 0,1           12345678,125 -0,188         123456789012,5              0,062 \r\n";
        QTest::newRow("separatore di due byte, una colonna") << 1 << Numeri{1.5, 0, 0, 0} << "ar_EG"
            << testa + zeri + QString(" 0٫1           1٫5           0             0             0 \r\n").toUtf8();
        QTest::newRow("N oltre i campioni") << 3001 << nulla << "it_IT"
            << QByteArray("Curvello|Impossibile esportare la tabella: il registro ha solo 3001 campioni.");
    }
    void esportaTesto()
    {
        QFETCH(int, N);
        QFETCH(Numeri, campione1);
        QFETCH(QString, locale);
        QFETCH(QByteArray, atteso);
        ProgrammaDiProva p;
        p.esempioCalcolato(QStringLiteral("1"));  // the entry is on after a fit
        RegistroCampioni& r = *p.programma->Stato().registro;
        r.N = static_cast<int16_t>(N);
        r.serieV[1] = campione1[0];
        r.serieP[1] = campione1[1];
        r.serieQt[1] = campione1[2];
        r.serieQs[1] = campione1[3];
        const QString percorso = p.cartella.filePath(QStringLiteral("tabella.txt"));
        p.dialoghi->AccodaNomeFile(percorso);
        QLocale::setDefault(QLocale(locale));
        p.voce(QStringLiteral("mnuFileEsporta"))->trigger();
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const bool scritto = !atteso.startsWith("Curvello|");
        QCOMPARE(scritto ? Leggi(percorso) : p.messaggi().value(1).toUtf8(), atteso);
        const DomandaDialogo& d = p.dialoghi->Domande().first();
        QCOMPARE(d.titolo + u'|' + d.filtro, QStringLiteral("Salva con nome|Testo (*.txt)|*.txt| Tutti i file (*.*)|*.* "));
        QCOMPARE(p.coppie()->windowTitle() == QDir::toNativeSeparators(percorso), scritto);
    }

    // The bitmap through its hidden entry: the designated graph window brought
    // to the front and its committed picture saved; no window, a message.
    void esportaGrafico_data()
    {
        QTest::addColumn<QString>("grafico");
        QTest::newRow("aperto") << "aperto";
        QTest::newRow("mai aperto") << "";
        QTest::newRow("chiuso") << "chiuso";
    }
    void esportaGrafico()
    {
        QFETCH(QString, grafico);
        ProgrammaDiProva p;
        p.esempioCalcolato(QStringLiteral("2"));
        QPointer<fGrafico> g = grafico.isEmpty() ? nullptr : ApriGrafico(p);
        if (grafico == "chiuso")
            Cornice(g)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        p.premi("Tabella");
        const QString percorso = p.cartella.filePath(QStringLiteral("grafico.bmp"));
        p.dialoghi->AccodaNomeFile(percorso);
        p.voce(QStringLiteral("mnuFileEsportaGrafico"))->trigger();
        QCOMPARE(p.dialoghi->Domande().first().filtro, QStringLiteral("Bitmap (*.bmp)|*.bmp| Tutti i file (*.*)|*.* "));
        QCOMPARE(p.messaggi().mid(1), g ? QStringList() : QStringList{
            "Curvello|Non c'è nessun grafico da esportare: aprire prima un grafico con \"Grafico\"."});
        QCOMPARE(Leggi(percorso).left(2), g ? QByteArray("BM") : QByteArray("<m"));
        QCOMPARE(p.tabella()->windowTitle(), g ? QDir::toNativeSeparators(percorso) : QStringLiteral("Grado: 2"));
        if (!g)
            return;
        QCOMPARE(p.f().AreaFigli()->currentSubWindow()->widget(), g.data());
        QCOMPARE(QImage(percorso).convertToFormat(QImage::Format_RGB32), g->ImmaginePicture1().convertToFormat(QImage::Format_RGB32));
    }

    // Each job as "page x y text", in twips: a unit is 100 twips, a character
    // 144 wide, a line 240 high, so zones start every 2016.
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
        ProgrammaDiProva p;
        Registro r(p.f());
        Stampa(p, lavoro);
        QStringList letto;
        for (const VoceStampata& v : r.stampante->Voci())
            letto << QStringLiteral("%1 %2 %3 %4").arg(v.pagina).arg(v.x).arg(v.y).arg(v.testo);
        QCOMPARE(letto, lavoro.atteso);
        QCOMPARE(r.stampante->NomeCarattere() + QString::number(r.stampante->PuntiCarattere()) +
                 QString::number(r.stampante->LavoriFiniti()), "Courier121");
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
        ProgrammaDiProva p;
        Registro r(p.f(), 0, lavoro.altezzaRiga);
        Stampa(p, lavoro);
        QMap<int, QList<double>> righe;
        int intestazioni = 0;
        for (const VoceStampata& v : r.stampante->Voci()) {
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

    // The print command on each kind of active window after a fit; in
    // frmStampa the boxes ticked and the button pressed. "annullata": the
    // printer dialog cancelled; "guasto N": job N fails.
    void comando_data()
    {
        QTest::addColumn<QString>("figlio");
        QTest::addColumn<QString>("azione");
        QTest::addColumn<QString>("atteso");  // the questions asked, ">", a letter a job printed
        QTest::newRow("nessuna finestra") << "" << "" << ">";
        QTest::newRow("coppie") << "Coppie" << "" << "Stampa|>C";
        QTest::newRow("coppie, stampante annullata") << "Coppie" << "annullata" << "Stampa|>";
        QTest::newRow("coppie, un guasto taciuto") << "Coppie" << "guasto 1" << "Stampa|>";
        QTest::newRow("grafico") << "fGrafico" << "" << "Stampa|>G";
        QTest::newRow("tutte e tre in ordine") << "Tabella" << "111 OK" << "Stampa|>CTK";
        QTest::newRow("prima e terza") << "Tabella" << "101 OK" << "Stampa|>CK";
        QTest::newRow("nessuna casella") << "Tabella" << "000 OK" << "Stampa|>";
        QTest::newRow("stampante annullata") << "Tabella" << "111 OK annullata" << "Stampa|>";
        QTest::newRow("Cancel") << "Tabella" << "111 Cancel" << ">";
        QTest::newRow("la seconda fallisce") << "Tabella" << "111 OK guasto 2" << "Stampa| Curvello|Carta finita.>C";
    }
    void comando()
    {
        QFETCH(QString, figlio);
        QFETCH(QString, azione);
        ProgrammaDiProva p;
        p.esempioCalcolato(QStringLiteral("2"));  // the pairs window active
        if (figlio == "Tabella")
            p.premi("Tabella");
        else if (figlio == "fGrafico")
            ApriGrafico(p);
        else if (figlio.isEmpty())
            p.f().ChiudiFinestre();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Registro r(p.f(), azione.contains("guasto") ? azione.back().digitValue() : 0);
        p.dialoghi->AccodaStampante(!azione.contains("annullata"));
        p.premi("Print");
        QPointer<frmStampa> f = p.f().findChild<frmStampa*>();
        QCOMPARE(f.isNull(), figlio != "Tabella");
        if (f) {
            QStringList testi = {f->windowTitle(), f->Frame1->title()};
            for (int i = 0; i < 3; ++i) {
                testi << f->TipoStampa[i]->text() + (f->TipoStampa[i]->isChecked() ? "!" : "");
                f->TipoStampa[i]->setChecked(azione[i] == '1');
            }
            QCOMPARE(testi << f->PulsOK->text() << f->PulsCancel->text(),
                     QStringList({"Stampa", "Selezionare il tipo di stampa da eseguire", "Coppie x - y",
                                  "Terne x - y - polinomio", "Coefficenti polinomio", "OK", "Cancel"}));
            (azione.contains("Cancel") ? f->PulsCancel : f->PulsOK)->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(f.isNull());
        }
        QTEST(p.messaggi().join(u' ') + u'>' + r.Lavori(), "atteso");
    }
};

QTEST_MAIN(TestFile)
#include "test_app_file.moc"
