// The graph's coordinates and drawing functions on their own: the data<->pixel
// map, sampling, the data window, labels, and what lands on the surfaces.
#include "FunzioniGrafico.h"
#include "IconeStrumenti.h"
#include "MappaScala.h"
#include "StatoProgramma.h"
#include "test_grafico_supporto.h"

#include <limits>

namespace {

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

bool Vicino(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
}

std::unique_ptr<Polinomio> Polinomiale(const QList<double>& c)
{
    auto p = std::make_unique<Polinomio>();
    p->ImpostaGrado(static_cast<int16_t>(c.size() - 1));
    for (double v : c)
        p->Add(v);
    return p;
}

const QList<double> Esempio2 = {19.0 / 21, 2293.0 / 1155, -32.0 / 231};
const QList<QPointF> PuntiEsempio = {{1, 5}, {2, 3}, {3, 4}, {4, 5}, {5, 7}, {6, 9}, {7, 12}, {8, 7}, {9, 6}};

// Three surfaces of the design's sizes at 96 DPI.
struct Superfici {
    SuperficieDisegno Picture1{QPalette::Base}, PictValX{QPalette::Window}, PictValY{QPalette::Window};
    StatoGrafico g;
    ContestoGrafico c{g, Picture1, PictValX, PictValY, Separatori::Italiani()};
    Superfici()
    {
        Picture1.resize(401, 329);
        PictValX.resize(401, 25);
        PictValY.resize(49, 329);
    }
};

}  // namespace

class TestGraficoFunzioni : public QObject {
    Q_OBJECT
private slots:
    void mappa_data();
    void mappa();
    void passo_data();
    void passo();
    void estremi_data();
    void estremi();
    void allarga_data();
    void allarga();
    void finestra_data();
    void finestra();
    void etichette_data();
    void etichette();
    void testoEtichetta_data();
    void testoEtichetta();
    void disegnoEsempio();
    void operazioni_data();
    void operazioni();
    void nitidezza();
    void icone();
};

void TestGraficoFunzioni::mappa_data()
{
    QTest::addColumn<QList<double>>("bordi");  // left, top, right, bottom
    QTest::addColumn<QSizeF>("dispositivo");
    QTest::addColumn<QPointF>("utente");
    QTest::addColumn<QPointF>("pixel");  // NaN when the map is not valid

    QTest::newRow("Y verso l'alto") << QList<double>{0, 10, 80, 0} << QSizeF(400, 200) << QPointF(20, 7.5) << QPointF(100, 50);
    QTest::newRow("Y verso il basso") << QList<double>{0, 0, 10, 10} << QSizeF(100, 100) << QPointF(2.5, 7.5) << QPointF(25, 75);
    QTest::newRow("sinistra negativa") << QList<double>{-40, 8, 40, -8} << QSizeF(800, 160) << QPointF(-40, 8) << QPointF(0, 0);
    QTest::newRow("striscia dei valori X") << QList<double>{0, 10, 80, 0} << QSizeF(400, 25) << QPointF(8, 8) << QPointF(40, 5);
    QTest::newRow("oltre i bordi") << QList<double>{0, 10, 80, 0} << QSizeF(400, 200) << QPointF(160, -10) << QPointF(800, 400);
    QTest::newRow("larghezza nulla") << QList<double>{5, 1, 5, 0} << QSizeF(100, 100) << QPointF(5, 0) << QPointF(NaN, NaN);
    QTest::newRow("altezza nulla") << QList<double>{0, 1, 5, 1} << QSizeF(100, 100) << QPointF(5, 1) << QPointF(NaN, NaN);
    QTest::newRow("dispositivo senza area") << QList<double>{0, 1, 1, 0} << QSizeF(0, 100) << QPointF(0, 0) << QPointF(NaN, NaN);
    QTest::newRow("bordo infinito") << QList<double>{-Inf, 1, 1, 0} << QSizeF(10, 10) << QPointF(0, 0) << QPointF(NaN, NaN);
}

void TestGraficoFunzioni::mappa()
{
    QFETCH(QList<double>, bordi);
    QFETCH(QSizeF, dispositivo);
    QFETCH(QPointF, utente);
    QFETCH(QPointF, pixel);
    const MappaScala m(bordi[0], bordi[1], bordi[2], bordi[3], dispositivo);
    QCOMPARE(m.Valida(), !std::isnan(pixel.x()));
    const QPointF d = m.VersoDispositivo(utente.x(), utente.y());
    QVERIFY2(Vicino(d.x(), pixel.x()) && Vicino(d.y(), pixel.y()), qPrintable(QString("%1 %2").arg(d.x()).arg(d.y())));
    if (m.Valida()) {
        const QPointF u = m.VersoUtente(pixel);
        QVERIFY(Vicino(u.x(), utente.x()) && Vicino(u.y(), utente.y()));
    } else {
        QVERIFY(std::isnan(m.VersoUtenteX(1)) && std::isnan(m.VersoUtenteY(1)));
    }
}

void TestGraficoFunzioni::passo_data()
{
    QTest::addColumn<double>("da");
    QTest::addColumn<double>("a");
    QTest::addColumn<float>("passo");
    QTest::addColumn<double>("atteso");

    QTest::newRow("esempio") << 0.0 << 10.0 << 0.1f << double(0.1f);
    QTest::newRow("100000 unità: un milione di campioni") << 0.0 << 100000.0 << 0.1f << double(0.1f);
    QTest::newRow("125000 unità: limitato") << -25000.0 << 100000.0 << 0.1f << 0.125;
    QTest::newRow("intervallo vuoto") << 3.0 << 3.0 << 0.1f << double(0.1f);
    QTest::newRow("passo nullo") << 0.0 << 10.0 << 0.0f << 1e-5;
    QTest::newRow("ai limiti del double") << -1e308 << 1e308 << 0.1f << 2e302;
}

void TestGraficoFunzioni::passo()
{
    QFETCH(double, da);
    QFETCH(double, a);
    QFETCH(float, passo);
    QFETCH(double, atteso);
    QVERIFY(Vicino(PassoCampionamento(da, a, passo), atteso));
}

void TestGraficoFunzioni::estremi_data()
{
    QTest::addColumn<QList<double>>("coefficienti");
    QTest::addColumn<double>("da");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("massimo");
    QTest::addColumn<double>("minimo");

    QTest::newRow("esempio, grado 2, su [1, 9]") << Esempio2 << 1.0 << 9.0 << 8.017489177489178 << 2.751515151515152;
    QTest::newRow("tutto entro 0,1: solo P(da)") << QList<double>{0, 1} << 1.0 << 1.05 << 1.0 << 1.0;
    QTest::newRow("parabola") << QList<double>{0, 0, 1} << -1.0 << 1.05 << 1.0 << 0.0;
    QTest::newRow("valori infiniti saltati") << QList<double>{0, 0, 1e308} << 0.0 << 3.0 << 1.69e308 << 0.0;
    QTest::newRow("un passo che non avanza") << QList<double>{0, 1} << 1e20 << 1e20 + 1e6 << 1e20 << 1e20;
    QTest::newRow("nessun valore finito") << QList<double>{Inf} << 0.0 << 1.0 << NaN << NaN;
}

void TestGraficoFunzioni::estremi()
{
    QFETCH(QList<double>, coefficienti);
    QFETCH(double, da);
    QFETCH(double, a);
    QFETCH(double, massimo);
    QFETCH(double, minimo);
    const auto p = Polinomiale(coefficienti);
    double mx = 0, mn = 0;
    MassimoPolinomio(*p, da, a, 0.1f, mx);
    MinimoPolinomio(*p, da, a, 0.1f, mn);
    QVERIFY2(std::abs(mx - massimo) <= 1e-6 * std::max(1.0, std::abs(massimo)) || Vicino(mx, massimo), qPrintable(QString::number(mx, 'g', 17)));
    QVERIFY2(Vicino(mn, minimo), qPrintable(QString::number(mn, 'g', 17)));
}

void TestGraficoFunzioni::allarga_data()
{
    QTest::addColumn<double>("minimo");
    QTest::addColumn<double>("massimo");
    QTest::addColumn<double>("nuovoMinimo");
    QTest::addColumn<double>("nuovoMassimo");

    QTest::newRow("con ampiezza: com'è") << 1.0 << 2.0 << 1.0 << 2.0;
    QTest::newRow("vuoto in 5") << 5.0 << 5.0 << 4.5 << 5.5;
    QTest::newRow("vuoto in 0") << 0.0 << 0.0 << -1.0 << 1.0;
    QTest::newRow("vuoto in -3") << -3.0 << -3.0 << -3.3 << -2.7;
    QTest::newRow("minimo non numero") << NaN << 4.0 << 3.6 << 4.4;
    QTest::newRow("entrambi infiniti") << Inf << -Inf << -1.0 << 1.0;
}

void TestGraficoFunzioni::allarga()
{
    QFETCH(double, minimo);
    QFETCH(double, massimo);
    QFETCH(double, nuovoMinimo);
    QFETCH(double, nuovoMassimo);
    AllargaIntervallo(minimo, massimo);
    QVERIFY(Vicino(minimo, nuovoMinimo) && Vicino(massimo, nuovoMassimo));
}

void TestGraficoFunzioni::finestra_data()
{
    QTest::addColumn<QList<QPointF>>("punti");
    QTest::addColumn<QList<double>>("coefficienti");  // none: no polynomial
    // XMin, XMax, YMin, YMax, ScalaX, ScalaY, VistaSinistra, VistaDestra
    QTest::addColumn<QList<double>>("attesi");

    QTest::newRow("esempio, grado 2") << PuntiEsempio << Esempio2
        << QList<double>{1, 9, 2.751515151515152, 12, 8, 80 / 14.751515151515152, 0, 10};
    QTest::newRow("X più grande 0") << QList<QPointF>{{-4, 1}, {-2, 2}, {0, 3}} << QList<double>{3, 0.5}
        << QList<double>{-4, 10, 1, 3, 80.0 / 14, 80.0 / 4, -5.75, 11.75};
    QTest::newRow("Y più grande 0") << QList<QPointF>{{1, -2}, {2, -1}, {3, 0}} << QList<double>{-3, 1}
        << QList<double>{1, 3, -2, 10, 20, 80.0 / 12, 0.75, 3.25};
    QTest::newRow("il polinomio alza YMax") << QList<QPointF>{{0, 0}, {2, 0}} << QList<double>{0, 10, -5}
        << QList<double>{0, 2, 0, 5, 40, 16, -0.25, 2.25};
    QTest::newRow("X tutte uguali") << QList<QPointF>{{3, 1}, {3, 2}, {3, 4}} << QList<double>{}
        << QList<double>{2.7, 3.3, 1, 4, 80 / 6.0, 16, 2.625, 3.375};
    QTest::newRow("X tutte uguali e negative") << QList<QPointF>{{-5, 1}, {-5, 2}} << QList<double>{}
        << QList<double>{-5.5, -4.5, 1, 2, 80, 80.0 / 3, -5.625, -4.375};
    QTest::newRow("Y e P costanti") << QList<QPointF>{{1, 4}, {2, 4}, {3, 4}} << QList<double>{4}
        << QList<double>{1, 3, 3.6, 4.4, 20, 10, 0.75, 3.25};
    QTest::newRow("tutto zero") << QList<QPointF>{{0, 0}} << QList<double>{0}
        << QList<double>{0, 10, 0, 10, 8, 8, -1.25, 11.25};
}

void TestGraficoFunzioni::finestra()
{
    QFETCH(QList<QPointF>, punti);
    QFETCH(QList<double>, coefficienti);
    QFETCH(QList<double>, attesi);
    const auto pol = coefficienti.isEmpty() ? nullptr : Polinomiale(coefficienti);
    XYPoli terne;
    for (const QPointF& p : punti)
        terne.Add(p.x(), p.y(), pol ? pol->ValorePolinomio(p.x()) : 0.0);
    Superfici s;
    FinestraCompleta(s.g, terne, pol.get());
    ImpostaScala(s.c);
    const QList<double> letti = {s.g.XMin, s.g.XMax, s.g.YMin, s.g.YMax, s.g.ScalaX, s.g.ScalaY,
                                 s.g.VistaSinistra, s.g.VistaDestra};
    for (int i = 0; i < attesi.size(); ++i)
        QVERIFY2(std::abs(letti[i] - attesi[i]) <= 1e-6 * std::max(1.0, std::abs(attesi[i])),
                 qPrintable(QString("campo %1: %2").arg(i).arg(letti[i], 0, 'g', 17)));
    // The surfaces share the view: the plot's X with the X strip, its Y with the Y strip.
    QCOMPARE(s.Picture1.Mappa().Sinistra(), s.PictValX.Mappa().Sinistra());
    QCOMPARE(s.Picture1.Mappa().Basso(), s.PictValY.Mappa().Basso());
    QVERIFY(s.Picture1.Mappa().Valida() && s.PictValX.Mappa().Valida() && s.PictValY.Mappa().Valida());
}

void TestGraficoFunzioni::etichette_data()
{
    QTest::addColumn<QList<double>>("limiti");  // da, a, yDa, yA
    QTest::addColumn<QList<double>>("x");
    QTest::addColumn<QList<double>>("y");

    QTest::newRow("esempio, vista intera") << QList<double>{0, 10, 2.751515151515152, 12}
        << QList<double>{1, 3.5, 6, 8.5, 11} << QList<double>{2.8, 5.1, 7.4, 9.7, 12};
    QTest::newRow("zoom") << QList<double>{2, 6, 0, 4} << QList<double>{2.4, 3.4, 4.4, 5.4, 6.4}
        << QList<double>{0, 1, 2, 3, 4};
    // Each label is formed from the rounded one before it.
    QTest::newRow("arrotondamento che si porta avanti") << QList<double>{0.004, 0.564, 0.06, 0.62}
        << QList<double>{0.1, 0.2, 0.3, 0.4, 0.5} << QList<double>{0.1, 0.2, 0.3, 0.4, 0.5};
}

void TestGraficoFunzioni::etichette()
{
    QFETCH(QList<double>, limiti);
    QFETCH(QList<double>, x);
    QFETCH(QList<double>, y);
    const auto p = PosizioniEtichette(limiti[0], limiti[1], limiti[2], limiti[3]);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(p[i].x, float(x[i]));
        QVERIFY2(Vicino(p[i].y, y[i]), qPrintable(QString::number(p[i].y, 'g', 17)));
    }
}

void TestGraficoFunzioni::testoEtichetta_data()
{
    QTest::addColumn<float>("valore");
    QTest::addColumn<QString>("testo");
    QTest::newRow("3,5") << 3.5f << " 3,5 ";
    QTest::newRow("sotto 1: lo zero davanti") << 0.5f << " 0,5 ";
    QTest::newRow("negativo") << -0.25f << "-0,25 ";
    QTest::newRow("0,1 in singola precisione") << 0.1f << " 0,1 ";
    QTest::newRow("sette cifre") << 1234567.9f << " 1234568 ";
}

void TestGraficoFunzioni::testoEtichetta()
{
    QFETCH(float, valore);
    QFETCH(QString, testo);
    QCOMPARE(QString::fromStdString(TestoEtichettaX(valore, Separatori::Italiani())), testo);
}

void TestGraficoFunzioni::disegnoEsempio()
{
    const auto pol = Polinomiale(Esempio2);
    XYPoli terne;
    for (const QPointF& p : PuntiEsempio)
        terne.Add(p.x(), p.y(), pol->ValorePolinomio(p.x()));
    Superfici s;
    FinestraCompleta(s.g, terne, pol.get());
    ImpostaScala(s.c);
    DisegnaPunti(s.c, terne, 0, 10, s.g.YMin, s.g.YMax);
    DisegnaCurva(s.c, *pol, 0, 10);
    const float sx = s.g.ScalaX, sy = s.g.ScalaY;
    for (const QPointF& p : PuntiEsempio)
        QVERIFY2(ColoreVicino(s.Picture1, sx * p.x(), sy * p.y(), Qt::red), qPrintable(QString::number(p.x())));
    QVERIFY(ColoreVicino(s.Picture1, sx * 5, sy * pol->ValorePolinomio(5), Qt::black, 1));
    // The curve ends at the last sample below the right edge.
    QVERIFY2(s.Picture1.CorrenteX / sx > 9.85 && s.Picture1.CorrenteX / sx < 10, qPrintable(QString::number(s.Picture1.CorrenteX / sx)));
    // A label's text starts at its value, one blank in.
    const QImage x = s.PictValX.Immagine();
    for (double v : {1.0, 3.5, 6.0, 8.5}) {
        bool scuro = false;
        const int inizio = Pixel(s.PictValX, sx * v - 1, 0).x();
        for (int px = inizio; px < inizio + 25; ++px)
            for (int py = 0; py < x.height(); ++py)
                scuro = scuro || (x.rect().contains(px, py) && x.pixelColor(px, py).lightness() < 100);
        QVERIFY2(scuro, qPrintable(QString::number(v)));
    }
    // The marker test is strict: points on the given edges get none.
    s.Picture1.Cancella();
    DisegnaPunti(s.c, terne, 1, 9, s.g.YMin, s.g.YMax);
    QVERIFY(!ColoreVicino(s.Picture1, sx * 1, sy * 5, Qt::red));
    QVERIFY(!ColoreVicino(s.Picture1, sx * 9, sy * 6, Qt::red));
    QVERIFY(ColoreVicino(s.Picture1, sx * 8, sy * 7, Qt::red));
    // A range within one step: one segment, to one step past the start.
    DisegnaCurva(s.c, *pol, 4, 4.05);
    QVERIFY(Vicino(s.Picture1.CorrenteX, sx * (4 + double(0.1f))));
}

void TestGraficoFunzioni::operazioni_data()
{
    // R: red line at y 2; G: green line at y 6; K: commit; P: clear; E: erase.
    QTest::addColumn<QString>("passi");
    QTest::addColumn<QString>("restano");  // which lines show afterwards
    QTest::newRow("disegno") << "RG" << "RG";
    QTest::newRow("pulisci") << "RP" << "";
    QTest::newRow("consolida e pulisci") << "RKP" << "R";
    QTest::newRow("solo il consolidato resta") << "RKGP" << "R";
    QTest::newRow("due consolidamenti") << "RKGKP" << "RG";
    QTest::newRow("cancella") << "RKGE" << "";
    QTest::newRow("dopo cancella nulla da ripristinare") << "RKEGP" << "";
}

void TestGraficoFunzioni::operazioni()
{
    QFETCH(QString, passi);
    QFETCH(QString, restano);
    SuperficieDisegno s(QPalette::Base);
    s.resize(100, 80);
    s.Scala(0, 8, 10, 0);
    for (QChar p : passi) {
        if (p == 'R' || p == 'G') {
            s.ColoreDisegno = p == 'R' ? Qt::red : Qt::green;
            s.Linea(1, p == 'R' ? 2 : 6, 9, p == 'R' ? 2 : 6);
        }
        if (p == 'K')
            s.Consolida();
        if (p == 'P')
            s.Pulisci();
        if (p == 'E')
            s.Cancella();
    }
    QCOMPARE(ColoreVicino(s, 5, 2, Qt::red, 1), restano.contains('R'));
    QCOMPARE(ColoreVicino(s, 5, 6, Qt::green, 1), restano.contains('G'));
    QCOMPARE(s.Sfondo().isNull(), passi.lastIndexOf('E') >= passi.lastIndexOf('K'));
}

void TestGraficoFunzioni::nitidezza()
{
    // At any device pixel ratio a line is one logical pixel of pure colour, never blurred.
    SuperficieDisegno s(QPalette::Base);
    s.resize(90, 60);
    s.Scala(0, 6, 9, 0);
    s.Linea(4.5, 0, 4.5, 6);
    s.Stile = SuperficieDisegno::StileLinea::Tratteggiato;
    s.Linea(0, 3, 9, 3);
    const QImage img = s.Immagine();
    const qreal r = img.devicePixelRatio();
    QCOMPARE(img.size(), (QSizeF(90, 60) * r).toSize());
    int neri = 0;
    for (int y : {Pixel(s, 0, 1).y(), Pixel(s, 0, 3).y()}) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            QVERIFY(c == Qt::black || c == s.ColoreSfondo());
            neri += y == Pixel(s, 0, 1).y() && c == Qt::black;
        }
    }
    QVERIFY2(neri >= 1 && neri <= std::ceil(r), qPrintable(QString::number(neri)));
}

void TestGraficoFunzioni::icone()
{
    for (const char* chiave : {"Cancella", "Tracciatore", "Disegna", "ZoomArea", "AggiungiParticolari", "Differenza", "Griglia"}) {
        const QIcon icona = IconaStrumento(QLatin1String(chiave));
        for (qreal r : {1.0, 1.5, 2.0}) {
            const QImage img = icona.pixmap(QSize(16, 16), r).toImage();
            QCOMPARE(img.size(), QSize(16, 16) * r);
            QVERIFY(img != icona.pixmap(QSize(16, 16), r, QIcon::Disabled).toImage());
        }
    }
    QVERIFY(IconaStrumento("Nessuna").isNull());
}

QTEST_MAIN(TestGraficoFunzioni)
#include "test_grafico_funzioni.moc"
