// Files written whole or not at all: the text table's bytes, the bitmap read
// back, the data file saved, and every way a write can fail.
#include "Esportazione.h"
#include "FileDati.h"
#include "ScritturaSicura.h"

#include <QImage>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {

// The ErroreScrittura or ErroreFileDati that f throws; empty when none.
template <typename F>
QString Errore(F f)
{
    try {
        f();
    } catch (const std::runtime_error& e) {
        return QString::fromUtf8(e.what());
    }
    return {};
}

QByteArray Leggi(const QString& percorso)
{
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<manca>");
}

} // namespace

class TestEsporta : public QObject {
    Q_OBJECT
private slots:
    void tabella_data()
    {
        QTest::addColumn<int>("N");
        QTest::addColumn<QList<double>>("campione1");  // V, P, Qt, Qs of sample 1
        QTest::addColumn<bool>("inglese");
        QTest::addColumn<QByteArray>("atteso");
        const QByteArray testa = "t             V(t)          P(t)          Qt(t)         Qs(t)\r\n";
        const QByteArray zeri = " 0             0             0             0             0 \r\n";
        QTest::newRow("N = 0: la testa e una riga di zeri") << 0 << QList<double>{} << false << testa + zeri;
        QTest::newRow("N negativo: solo la testa") << -1 << QList<double>{} << false << testa;
        QTest::newRow("3 decimali, metà al pari, voce lunga")
            << 1 << QList<double>{0.0625, -0.1875, 123456789012.5, 2} << false
            << testa + zeri + " 0,1           0,062        -0,188         123456789012,5              2 \r\n";
        QTest::newRow("punto decimale") << 1 << QList<double>{1.5, 0, 0, 0} << true
                                        << testa + zeri + " 0.1           1.5           0             0             0 \r\n";
        QTest::newRow("N oltre i campioni") << 3001 << QList<double>{} << false
                                            << QByteArray("Impossibile esportare la tabella: il registro ha solo 3001 campioni.");
    }
    void tabella()
    {
        QFETCH(int, N);
        QFETCH(QList<double>, campione1);
        QFETCH(bool, inglese);
        QFETCH(QByteArray, atteso);
        auto r = std::make_unique<RegistroCampioni>();
        r->N = static_cast<int16_t>(N);
        if (!campione1.isEmpty()) {
            r->serieV[1] = campione1[0];
            r->serieP[1] = campione1[1];
            r->serieQt[1] = campione1[2];
            r->serieQs[1] = campione1[3];
        }
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("tabella.txt"));
        const QString errore =
            Errore([&] { EsportaTesto(*r, percorso, inglese ? Separatori::Inglesi() : Separatori::Italiani()); });
        QCOMPARE(errore.isEmpty() ? Leggi(percorso) : errore.toUtf8(), atteso);
    }

    void bitmap()
    {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("grafico.bmp"));
        QImage grafico(7, 5, QImage::Format_RGB32);
        grafico.fill(Qt::white);
        grafico.setPixel(6, 4, qRgb(255, 0, 0));
        EsportaBitmap(grafico, percorso);
        QCOMPARE(Leggi(percorso).left(2), "BM");
        const QImage letto(percorso);
        QCOMPARE(letto.size(), QSize(7, 5));
        QCOMPARE(letto.pixel(6, 4), qRgb(255, 0, 0));
        QCOMPARE(letto.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(Errore([&] { EsportaBitmap(QImage(), percorso); }),
                 "Non c'è nessun grafico da esportare: aprire prima un grafico con \"Grafico\".");
    }

    // A save replaces the old file only once the new one is whole; a refused
    // or failed one leaves the old bytes and no stray file beside them.
    void salva_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("calcolato");
        QTest::addColumn<int>("limiteByte");  // files may grow to this; 0: no limit
        QTest::addColumn<QString>("errore");
        QTest::newRow("nuovo file") << "nuovo.cv" << true << 0 << "";
        QTest::newRow("sostituisce il vecchio") << "vecchio.cv" << true << 0 << "";
        QTest::newRow("nessun calcolo ancora") << "vecchio.cv" << false << 0
            << "Impossibile salvare \"%1\": non è ancora stato calcolato nessun polinomio.";
        QTest::newRow("una cartella") << "cartella" << true << 0 << "Impossibile salvare il file \"%1\": è una cartella.";
        QTest::newRow("cartella che non esiste") << "manca/dati.cv" << true << 0
            << "Impossibile salvare il file \"%1\": la cartella non esiste o è protetta in scrittura.";
#ifdef Q_OS_UNIX
        QTest::newRow("disco pieno a metà") << "vecchio.cv" << true << 10
            << "Impossibile salvare il file \"%1\": la scrittura non è stata completata, il file precedente è rimasto com'era.";
#endif
    }
    void salva()
    {
        QFETCH(QString, nome);
        QFETCH(bool, calcolato);
        QFETCH(int, limiteByte);
        QFETCH(QString, errore);
        QTemporaryDir cartella;
        QVERIFY(QDir(cartella.path()).mkdir(QStringLiteral("cartella")));
        const QString percorso = cartella.filePath(nome);
        const QString vecchio = cartella.filePath(QStringLiteral("vecchio.cv"));
        QFile f(vecchio);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("vecchio") == 7);
        f.close();
        StatoProgramma stato;
        stato.punti.RiempiEsempio();
        if (calcolato) {
            stato.polinomio = std::make_unique<Polinomio>();
            stato.polinomio->ImpostaGrado(1);
            stato.polinomio->Add(0.5);
            stato.polinomio->Add(2);
        }
#ifdef Q_OS_UNIX
        rlimit prima{};
        getrlimit(RLIMIT_FSIZE, &prima);
        const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = prima;
        if (limiteByte > 0)
            limite.rlim_cur = static_cast<rlim_t>(limiteByte);
        setrlimit(RLIMIT_FSIZE, &limite);
#endif
        const QString letto = Errore([&] { SalvaFileDatiSicuro(stato, percorso); });
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &prima);
        std::signal(SIGXFSZ, segnale);
#endif
        QCOMPARE(letto, errore.isEmpty() ? errore : errore.arg(QDir::toNativeSeparators(percorso)));
        if (errore.isEmpty())
            QCOMPARE(Leggi(percorso), QByteArray::fromStdString(TestoFileDati(stato, "")));
        else if (percorso == vecchio)
            QCOMPARE(Leggi(vecchio), "vecchio");
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).size(),
                 percorso == vecchio || !errore.isEmpty() ? 2 : 3);
    }
};

QTEST_MAIN(TestEsporta)
#include "test_esporta.moc"
