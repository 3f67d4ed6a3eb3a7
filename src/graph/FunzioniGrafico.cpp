#include "FunzioniGrafico.h"

#include "Polinomio.h"
#include "SuperficieDisegno.h"
#include "Twips.h"
#include "XYPoli.h"

#include <algorithm>
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

// A sum beyond the double range leaves no usable multiplier: 1 then.
double Scala(double estensione, double minimo, double massimo)
{
    const double s = (estensione - 10 - 10) / (std::abs(minimo) + massimo);
    return std::isfinite(s) && s > 0.0 ? s : 1.0;
}

// An edge beyond the double range stops at its end.
double Limita(double v)
{
    constexpr double Massimo = std::numeric_limits<double>::max();
    return std::clamp(v, -Massimo, Massimo);
}

// Each label's top-left corner stands a fixed share of its strip from its
// value, towards the strip's start: left of it on the X strip, above it on the
// Y strip. They are the example's offsets (1 of its 80 surface units across, 2
// of its 62,7 up), so that its picture stays as it always was.
constexpr double QuotaEtichettaX = 0.0125;
constexpr double QuotaEtichettaY = 0.0319004;

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
    if (const Polinomio* p = PolinomioAdattato(pol)) {
        // One pass for both: the same samples as MassimoPolinomio and MinimoPolinomio.
        const Estremi e = EstremiPolinomio(*p, g.XMin, g.XMax, g.PassoGrafico);
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
    g.AsseX = MappaScala(g.VistaSinistra(), g.VistaDestra(), Scala(g.EstensioneX, g.XMin, g.XMax));
    g.AsseY = MappaScala(g.VistaAlto(), g.VistaBasso(), Scala(g.EstensioneY, g.YMin, g.YMax));
}

void ImpostaScala(ContestoGrafico& c)
{
    StatoGrafico& g = c.stato;
    g.AmpiezzaX = g.XMax - g.XMin;
    g.AmpiezzaY = g.YMax - g.YMin;
    // An eighth of each bound apart: finite even where the width is not.
    g.MargineX = g.GraficoZoommato ? 0.0 : g.XMax / 8 - g.XMin / 8;
    g.MargineY = g.GraficoZoommato ? 0.0 : g.YMax / 8 - g.YMin / 8;
    g.AsseX = MappaScala(Limita(g.XMin - g.MargineX), Limita(g.XMax + g.MargineX), g.ScalaX());
    g.AsseY = MappaScala(Limita(g.YMax + g.MargineY), Limita(g.YMin - g.MargineY), g.ScalaY());

    c.Picture1.Scala(g.AsseX, g.AsseY);
    c.PictValX.Scala(g.AsseX, MappaScala(10, 0));
    c.PictValY.Scala(MappaScala(0, 10), g.AsseY);
    DisegnaAssi(c);
}

void DisegnaAssi(ContestoGrafico& c)
{
    const StatoGrafico& g = c.stato;
    c.Picture1.Stile = SuperficieDisegno::StileLinea::Continuo;
    c.Picture1.Linea(g.VistaSinistra(), 0, g.VistaDestra(), 0);
    c.Picture1.Linea(0, g.VistaBasso(), 0, g.VistaAlto());
}

int DecimaliEtichette(double passo)
{
    if (!(passo > 0.0) || !std::isfinite(passo))
        return 1;
    // Beyond the decimals rounding can give, the labels keep their values.
    return static_cast<int>(std::clamp(std::ceil(1.0 - std::log10(passo)), 1.0, 22.0));
}

std::array<PosizioneEtichetta, 5> PosizioniEtichette(double da, double a, double yDa, double yA)
{
    // Each bound divided first, so that a range across the whole double range stays finite.
    const double passoX = a / 4 - da / 4;
    const double passoY = yA / 4 - yDa / 4;
    const int decimaliX = DecimaliEtichette(passoX);
    const int decimaliY = DecimaliEtichette(passoY);
    double xv = da + (a / 10 - da / 10);
    double yv = yDa;
    std::array<PosizioneEtichetta, 5> p{};
    for (PosizioneEtichetta& e : p) {
        xv = Arrotonda(xv, decimaliX);
        e.x = xv;
        xv = xv + passoX;
        yv = Arrotonda(yv, decimaliY);
        e.y = yv;
        yv = yv + passoY;
    }
    return p;
}

QStringList EtichetteY(double yDa, double yA, const Separatori& sep)
{
    QStringList etichette;
    for (const PosizioneEtichetta& e : PosizioniEtichette(0.0, 1.0, yDa, yA))
        etichette << QString::fromStdString(FormaStampa(e.y, sep));
    return etichette;
}

int LarghezzaStrisciaY(const SuperficieDisegno& PictValY, const QStringList& etichette, double dpi)
{
    double largo = 0.0;
    for (const QString& e : etichette)
        largo = std::max(largo, PictValY.DimensioneTesto(e).width());
    return std::max(PixelDaTwips(LarghezzaValY, dpi), static_cast<int>(std::ceil(largo)));
}

void DisegnaPunti(ContestoGrafico& c, const XYPoli& terne, double da, double a, double yDa, double yA)
{
    const StatoGrafico& g = c.stato;
    for (int32_t i = 0; i < terne.NumeroElementi(); ++i) {
        const double x = terne.X(i);
        if (da < x && x < a)
            DisegnaPunto(c.Picture1, x, terne.Y(i), 100);
    }
    const double spostamentoX = g.AsseX.Parte(QuotaEtichettaX);
    const double spostamentoY = g.AsseY.Parte(QuotaEtichettaY);
    // A label whose value is in view but that would pass its strip's end is
    // moved back onto it, where it still covers its value: cut off, it would
    // read as another number.
    auto inVista = [](const MappaScala& m, double v) {
        return std::min(m.Inizio(), m.Fine()) <= v && v <= std::max(m.Inizio(), m.Fine());
    };
    for (const PosizioneEtichetta& e : PosizioniEtichette(da, a, yDa, yA)) {
        if (inVista(g.AsseX, e.x)) {
            c.PictValX.CorrenteX = e.x - spostamentoX;
            c.PictValX.CorrenteY = 8;
            c.PictValX.Stampa(QString::fromStdString(FormaStampa(e.x, c.sep)), true);
        }
        if (inVista(g.AsseY, e.y)) {
            c.PictValY.CorrenteX = 0;
            c.PictValY.CorrenteY = e.y - spostamentoY;
            c.PictValY.Stampa(QString::fromStdString(FormaStampa(e.y, c.sep)), true);
        }
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
    Picture1.Cerchio(x, y, 1.0 / divisore, Qt::red);
    Picture1.ColoreRiempimento = riempimento;
    Picture1.RiempimentoPieno = pieno;
}

void DisegnaCurva(ContestoGrafico& c, const Polinomio& pol, double da, double a)
{
    const double h = PassoCampionamento(da, a, c.stato.PassoGrafico);
    c.Picture1.Stile = SuperficieDisegno::StileLinea::Continuo;
    c.Picture1.CorrenteX = da;
    c.Picture1.CorrenteY = pol.ValorePolinomio(da);
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
        vertici.emplace_back(x, pol.ValorePolinomio(x));
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
        c.Picture1.Linea(e.x, g.VistaAlto(), e.x, g.VistaBasso());
        c.Picture1.Linea(g.VistaSinistra(), e.y, g.VistaDestra(), e.y);
        c.Picture1.Stile = SuperficieDisegno::StileLinea::Continuo;
    }
}

void DisegnaParticolari(ContestoGrafico& c, double da, double a, double yDa, double yA)
{
    if (c.stato.Particolari & ParticolareGriglia)
        DisegnaGriglia(c, da, a, yDa, yA);
}
