// Files written whole or not at all: the text table's bytes, the bitmap read
// back, the data file saved, and the ways a write fails.
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

// The file's bytes, or the message of what f threw.
template <typename F>
QByteArray Scrivi(const QString& percorso, F f)
{
    try {
        f();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<manca>";
}

} // namespace

class TestEsporta : public QObject {
    Q_OBJECT
private slots:
    void tabella_data()
    {
        QTest::addColumn<int>("N");
        QTest::addColumn<QList<double>>("campione1");  // V, P, Qt, Qs of sample 1
        QTest::addColumn<QString>("decimale");
        QTest::addColumn<QByteArray>("atteso");
        const QByteArray testa = "t             V(t)          P(t)          Qt(t)         Qs(t)\r\n";
        const QByteArray zeri = " 0             0             0             0             0 \r\n";
        const QList<double> nulla = {0, 0, 0, 0};
        QTest::newRow("N = 0: la testa e una riga di zeri") << 0 << nulla << "," << testa + zeri;
        QTest::newRow("3 decimali, metà al pari, voci che riempiono o passano la zona")
            << 1 << QList<double>{12345678.125, -0.1875, 123456789012.5, 0.0625} << ","
            << testa + zeri + " 0,1           12345678,125 -0,188         123456789012,5              0,062 \r\n";
        QTest::newRow("separatore di due byte, una colonna") << 1 << QList<double>{1.5, 0, 0, 0} << "٫"
            << testa + zeri + QString(" 0٫1           1٫5           0             0             0 \r\n").toUtf8();
        QTest::newRow("N oltre i campioni") << 3001 << nulla << ","
            << QByteArray("Impossibile esportare la tabella: il registro ha solo 3001 campioni.");
    }
    void tabella()
    {
        QFETCH(int, N);
        QFETCH(QList<double>, campione1);
        QFETCH(QString, decimale);
        auto r = std::make_unique<RegistroCampioni>();
        r->N = static_cast<int16_t>(N);
        r->serieV[1] = campione1[0];
        r->serieP[1] = campione1[1];
        r->serieQt[1] = campione1[2];
        r->serieQs[1] = campione1[3];
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("tabella.txt"));
        QTEST(Scrivi(percorso, [&] { EsportaTesto(*r, percorso, {decimale.toStdString(), ""}); }), "atteso");
    }

    void bitmap()
    {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("grafico.bmp"));
        QImage grafico(7, 5, QImage::Format_RGB32);
        grafico.fill(Qt::white);
        grafico.setPixel(6, 4, qRgb(255, 0, 0));
        QCOMPARE(Scrivi(percorso, [&] { EsportaBitmap(grafico, percorso); }).left(2), "BM");
        const QImage letto(percorso);
        QCOMPARE(letto.size(), QSize(7, 5));
        QCOMPARE(letto.pixel(6, 4), qRgb(255, 0, 0));
        QCOMPARE(Scrivi(percorso, [&] { EsportaBitmap(QImage(), percorso); }),
                 "Non c'è nessun grafico da esportare: aprire prima un grafico con \"Grafico\".");
    }

    // The old file is replaced only by a whole new one; a refused or failed
    // save leaves its bytes and nothing beside it.
    void salva_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("solaLettura");  // made read-only first: "vecchio.cv" or "." (the folder)
        QTest::addColumn<int>("limite");  // bytes a file may grow to; 0: no limit
        QTest::addColumn<QString>("errore");
        QTest::newRow("sostituisce il vecchio") << "vecchio.cv" << "" << 0 << "";
        QTest::newRow("una cartella") << "" << "" << 0 << "Impossibile salvare il file \"%1\": è una cartella.";
        QTest::newRow("cartella che non esiste") << "manca/dati.cv" << "" << 0
            << "Impossibile salvare il file \"%1\": la cartella non esiste o è protetta in scrittura.";
        QTest::newRow("cartella di sola lettura") << "vecchio.cv" << "." << 0
            << "Impossibile salvare il file \"%1\": la cartella non esiste o è protetta in scrittura.";
        QTest::newRow("file di sola lettura") << "vecchio.cv" << "vecchio.cv" << 0
            << "Impossibile salvare il file \"%1\": il file è protetto in scrittura.";
#ifdef Q_OS_UNIX
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
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(nome);
        QFile vecchio(cartella.filePath(QStringLiteral("vecchio.cv")));
        QVERIFY(vecchio.open(QIODevice::WriteOnly) && vecchio.write("vecchio") == 7);
        vecchio.close();
        const QString protetto = cartella.filePath(solaLettura);
        auto permessi = qScopeGuard([&] { QFile::setPermissions(protetto, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner); });
        if (!solaLettura.isEmpty() && QFile::setPermissions(protetto, QFile::ReadOwner | QFile::ExeOwner)
            && QFileInfo(protetto).isWritable())
            QSKIP("this user writes where permissions say read-only (root)");
        StatoProgramma stato;
        stato.punti.RiempiEsempio();
        stato.polinomio = std::make_unique<Polinomio>();
        stato.polinomio->Add(0.5);
#ifdef Q_OS_UNIX
        rlimit prima{};
        getrlimit(RLIMIT_FSIZE, &prima);
        rlimit stretto = prima;
        stretto.rlim_cur = limite > 0 ? static_cast<rlim_t>(limite) : prima.rlim_cur;
        const auto segnale = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &stretto);
#endif
        const QByteArray letto = Scrivi(percorso, [&] { SalvaFileDatiSicuro(stato, percorso); });
#ifdef Q_OS_UNIX
        setrlimit(RLIMIT_FSIZE, &prima);
        std::signal(SIGXFSZ, segnale);
#endif
        QCOMPARE(letto, errore.isEmpty() ? QByteArray::fromStdString(TestoFileDati(stato, ""))
                                         : errore.arg(QDir::toNativeSeparators(percorso)).toUtf8());
        QCOMPARE(QDir(cartella.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"vecchio.cv"});
        if (!errore.isEmpty())
            QCOMPARE(Scrivi(vecchio.fileName(), [] {}), "vecchio");
    }
};

QTEST_MAIN(TestEsporta)
#include "test_esporta.moc"
