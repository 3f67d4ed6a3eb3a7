#include "FunzioniGrafico.h"

#include "Polinomio.h"
#include "SuperficieDisegno.h"
#include "XYPoli.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Visits da, da + h, da + 2h, ... while below a; da always.
template <class Visita>
void Campiona(double da, double a, float passo, Visita&& visita)
{
    const double h = PassoCampionamento(da, a, passo);
    double x = da;
    for (;;) {
        visita(x);
        const double dopo = x + h;
        if (!(dopo > x))
            return;
        x = dopo;
        if (x >= a)
            return;
    }
}

struct Estremi {
    double minimo = NaN;
    double massimo = NaN;
};

// Both extremes in one pass over the samples; values that are not finite are skipped.
Estremi EstremiPolinomio(const Polinomio& pol, double da, double a, float passo)
{
    Estremi e;
    Campiona(da, a, passo, [&](double x) {
        const double p = pol.ValorePolinomio(x);
        if (!std::isfinite(p))
            return;
        if (std::isnan(e.massimo) || p > e.massimo)
            e.massimo = p;
        if (std::isnan(e.minimo) || p < e.minimo)
            e.minimo = p;
    });
    return e;
}

float Scala(float estensione, double minimo, double massimo)
{
    const float s = static_cast<float>(static_cast<double>(estensione - 10 - 10) / (std::abs(minimo) + massimo));
    // Data beyond the single-precision range has no usable scale; the drawing
    // then shows nothing rather than fail.
    return std::isfinite(s) && s > 0.0f ? s : 1.0f;
}

// The view edges are single precision: a range narrow for its magnitude can
// collapse there, and is widened like an empty data range.
void AllargaVista(float& minimo, float& massimo)
{
    if (massimo > minimo)
        return;
    double a = minimo;
    double b = a;
    AllargaIntervallo(a, b);
    minimo = static_cast<float>(a);
    massimo = static_cast<float>(b);
}

}  // namespace

void MassimoTerne(const XYPoli& terne, double& XMax, double& YMax)
{
    XMax = terne.X(0);
    YMax = terne.Y(0);
    for (int32_t i = 0; i < terne.NumeroElementi(); ++i) {
        if (terne.X(i) > XMax)
            XMax = terne.X(i);
        if (terne.Y(i) > YMax)
            YMax = terne.Y(i);
    }
}

void MinimoTerne(const XYPoli& terne, double& XMin, double& YMin)
{
    XMin = terne.X(0);
    YMin = terne.Y(0);
    for (int32_t i = 0; i < terne.NumeroElementi(); ++i) {
        if (terne.X(i) < XMin)
            XMin = terne.X(i);
        if (terne.Y(i) < YMin)
            YMin = terne.Y(i);
    }
}

double PassoCampionamento(double da, double a, float passo)
{
    // Each bound scaled first, so that a range near the double limit stays finite.
    const double suddiviso = a / CampioniMassimi - da / CampioniMassimi;
    double h = passo;
    if (!(h > 0.0) || !std::isfinite(h) || suddiviso > h)
        h = suddiviso;
    return h;
}

void MassimoPolinomio(const Polinomio& pol, double da, double a, float passo, double& massimo)
{
    massimo = EstremiPolinomio(pol, da, a, passo).massimo;
}

void MinimoPolinomio(const Polinomio& pol, double da, double a, float passo, double& minimo)
{
    minimo = EstremiPolinomio(pol, da, a, passo).minimo;
}

void AllargaIntervallo(double& minimo, double& massimo)
{
    if (std::isfinite(minimo) && std::isfinite(massimo) && massimo > minimo)
        return;
    const double v = std::isfinite(minimo) ? minimo : std::isfinite(massimo) ? massimo : 0.0;
    const double d = v == 0.0 ? 1.0 : std::abs(v) / 10.0;
    minimo = v - d;
    massimo = v + d;
}

void FinestraCompleta(StatoGrafico& g, const XYPoli& terne, const Polinomio* pol)
{
    MassimoTerne(terne, g.XMax, g.YMax);
    MinimoTerne(terne, g.XMin, g.YMin);
    g.PMax = NaN;
    g.PMin = NaN;
    if (pol) {
        // One pass for both: the same samples as MassimoPolinomio and MinimoPolinomio.
        const Estremi e = EstremiPolinomio(*pol, g.XMin, g.XMax, g.PassoGrafico);
        g.PMax = e.massimo;
        g.PMin = e.minimo;
    }
    if (g.PMax > g.YMax)
        g.YMax = g.PMax;
    // After the sampling: the polynomial was sampled over the range as found.
    if (g.XMax == 0.0)
        g.XMax = 10.0;
    if (g.YMax == 0.0)
        g.YMax = 10.0;
    if (g.PMin < g.YMin)
        g.YMin = g.PMin;
    AllargaIntervallo(g.XMin, g.XMax);
    AllargaIntervallo(g.YMin, g.YMax);
    CalcolaScale(g);
}

void CalcolaScale(StatoGrafico& g)
{
    g.ScalaX = Scala(g.EstensioneX, g.XMin, g.XMax);
    g.ScalaY = Scala(g.EstensioneY, g.YMin, g.YMax);
}

void ImpostaScala(ContestoGrafico& c)
{
    StatoGrafico& g = c.stato;
    g.AmpiezzaX = static_cast<float>(g.XMax - g.XMin);
    g.AmpiezzaY = static_cast<float>(g.YMax - g.YMin);
    g.MargineX = g.GraficoZoommato ? 0.0f : g.AmpiezzaX / 8;
    g.MargineY = g.GraficoZoommato ? 0.0f : g.AmpiezzaY / 8;
    g.VistaSinistra = static_cast<float>(g.XMin - g.MargineX);
    g.VistaAlto = static_cast<float>(g.YMax + g.MargineY);
    g.VistaDestra = static_cast<float>(g.XMax + g.MargineX);
    g.VistaBasso = static_cast<float>(g.YMin - g.MargineY);
    AllargaVista(g.VistaSinistra, g.VistaDestra);
    AllargaVista(g.VistaBasso, g.VistaAlto);

    const float sinistra = g.ScalaX * g.VistaSinistra;
    const float destra = g.ScalaX * g.VistaDestra;
    const float alto = g.ScalaY * g.VistaAlto;
    const float basso = g.ScalaY * g.VistaBasso;
    c.Picture1.Scala(sinistra, alto, destra, basso);
    c.PictValX.Scala(sinistra, 10, destra, 0);
    c.PictValY.Scala(0, alto, 10, basso);
    DisegnaAssi(c);
}

void DisegnaAssi(ContestoGrafico& c)
{
    const StatoGrafico& g = c.stato;
    c.Picture1.Stile = SuperficieDisegno::StileLinea::Continuo;
    c.Picture1.Linea(g.ScalaX * g.VistaSinistra, 0, g.ScalaX * g.VistaDestra, 0);
    c.Picture1.Linea(0, g.ScalaY * g.VistaBasso, 0, g.ScalaY * g.VistaAlto);
}

std::array<PosizioneEtichetta, 5> PosizioniEtichette(double da, double a, double yDa, double yA)
{
    const float passoX = static_cast<float>((a - da) / 4);
    const float passoY = static_cast<float>((yA - yDa) / 4);
    float xv = static_cast<float>(da + (a - da) / 10);
    double yv = yDa;
    std::array<PosizioneEtichetta, 5> p{};
    for (PosizioneEtichetta& e : p) {
        xv = static_cast<float>(Arrotonda(xv, 1));
        e.x = xv;
        xv = xv + passoX;
        yv = Arrotonda(yv, 1);
        e.y = yv;
        yv = yv + passoY;
    }
    return p;
}

std::string TestoEtichettaX(float valore, const Separatori& sep)
{
    char buf[32];
    const auto fine = std::to_chars(buf, buf + sizeof buf, static_cast<double>(valore),
                                    std::chars_format::general, 7).ptr;
    double sette = 0.0;
    std::from_chars(buf, fine, sette);
    return FormaStampa(std::isfinite(valore) ? sette : static_cast<double>(valore), sep);
}

void DisegnaPunti(ContestoGrafico& c, const XYPoli& terne, double da, double a, double yDa, double yA)
{
    const StatoGrafico& g = c.stato;
    for (int32_t i = 0; i < terne.NumeroElementi(); ++i) {
        const double x = terne.X(i);
        if (da < x && x < a)
            DisegnaPunto(c.Picture1, g.ScalaX * static_cast<float>(x), g.ScalaY * terne.Y(i), 100);
    }
    for (const PosizioneEtichetta& e : PosizioniEtichette(da, a, yDa, yA)) {
        c.PictValX.CorrenteX = g.ScalaX * e.x - 1;
        c.PictValX.CorrenteY = 8;
        c.PictValX.Stampa(QString::fromStdString(TestoEtichettaX(e.x, c.sep)));
        c.PictValY.CorrenteX = 0;
        c.PictValY.CorrenteY = g.ScalaY * e.y + 2;
        c.PictValY.Stampa(QString::fromStdString(FormaStampa(e.y, c.sep)));
    }
    if (g.Particolari != 0)
        DisegnaParticolari(c, da, a, yDa, yA);
}

void DisegnaPunto(SuperficieDisegno& Picture1, double x, double y, double divisore)
{
    const QColor riempimento = Picture1.ColoreRiempimento;
    const bool pieno = Picture1.RiempimentoPieno;
    Picture1.ColoreRiempimento = Qt::red;
    Picture1.RiempimentoPieno = true;
    Picture1.Cerchio(x, y, Picture1.LarghezzaScala() / divisore, Qt::red);
    Picture1.ColoreRiempimento = riempimento;
    Picture1.RiempimentoPieno = pieno;
}

void DisegnaCurva(ContestoGrafico& c, const Polinomio& pol, double da, double a)
{
    const StatoGrafico& g = c.stato;
    const double h = PassoCampionamento(da, a, g.PassoGrafico);
    c.Picture1.Stile = SuperficieDisegno::StileLinea::Continuo;
    c.Picture1.CorrenteX = g.ScalaX * da;
    c.Picture1.CorrenteY = g.ScalaY * pol.ValorePolinomio(da);
    // The first step is always drawn, even past a; the others while below a.
    // Vertices go to the surface in batches, so a million samples need no
    // million-entry buffer.
    constexpr size_t Lotto = 4096;
    std::vector<QPointF> vertici;
    vertici.reserve(Lotto);
    bool primo = true;
    for (double x = da;;) {
        const double dopo = x + h;
        if (!(dopo > x) || (!primo && dopo >= a))
            break;
        primo = false;
        x = dopo;
        vertici.emplace_back(g.ScalaX * x, g.ScalaY * pol.ValorePolinomio(x));
        if (vertici.size() == Lotto) {
            c.Picture1.Spezzata(vertici);
            vertici.clear();
        }
    }
    c.Picture1.Spezzata(vertici);
}

void DisegnaGriglia(ContestoGrafico& c, double da, double a, double yDa, double yA)
{
    const StatoGrafico& g = c.stato;
    for (const PosizioneEtichetta& e : PosizioniEtichette(da, a, yDa, yA)) {
        c.Picture1.Stile = SuperficieDisegno::StileLinea::Tratteggiato;
        c.Picture1.Linea(g.ScalaX * e.x, g.ScalaY * g.VistaAlto, g.ScalaX * e.x, g.ScalaY * g.VistaBasso);
        c.Picture1.Linea(g.ScalaX * g.VistaSinistra, g.ScalaY * e.y, g.ScalaX * g.VistaDestra, g.ScalaY * e.y);
        c.Picture1.Stile = SuperficieDisegno::StileLinea::Continuo;
    }
}

void DisegnaParticolari(ContestoGrafico& c, double da, double a, double yDa, double yA)
{
    if (c.stato.Particolari & ParticolareGriglia)
        DisegnaGriglia(c, da, a, yDa, yA);
}
