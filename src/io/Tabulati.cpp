#include "Tabulati.h"

#include "StampanteQt.h"

#include <QImage>
#include <QPrinter>

#include <functional>

namespace {

constexpr double Margine = 6;
constexpr double UltimaRigaTwips = 14160;

QString Testo(const std::string& s) { return QString::fromStdString(s); }

void Riga(Stampante& s, const QStringList& voci)
{
    s.SetCurrentX(Margine);
    s.Print(voci);
}

// The header centred on the current line, then the position of the fourth line.
void BloccoIntestazione(Stampante& s, const QString& intestazione, double metaLarghezza)
{
    const double y = s.CurrentY();
    s.SetCurrentX(50 - metaLarghezza);
    s.Print({intestazione});
    s.SetCurrentX(Margine);
    s.SetCurrentY(y);
    for (int i = 0; i < 3; ++i)
        s.Print();
}

// Page set-up and the first header block; the half width serves every page.
double Avvia(Stampante& s, const QString& intestazione)
{
    s.Font(QStringLiteral("Courier"), 12);
    s.ScaleWidth(100);
    const double meta = s.TextWidth(intestazione) / 2;
    BloccoIntestazione(s, intestazione, meta);
    return meta;
}

bool PaginaPiena(const Stampante& s)
{
    return s.CurrentY() > UltimaRigaTwips;
}

// The pairs and the triples: degree line, column heads, one row per item;
// further pages repeat the header and the heads.
void StampaRighe(Stampante& s, const ContenutoStampa& c, const QStringList& teste, int righe,
                 const std::function<QStringList(int)>& riga)
{
    const QString intestazione = Testo(c.intestazione);
    const double meta = Avvia(s, intestazione);
    const std::string grado = c.polinomio ? std::to_string(c.polinomio->Grado()) : c.testoGrado;
    Riga(s, {QStringLiteral("Grado del polinomio approssimante: ") + Testo(grado)});
    s.Print();
    s.Print();
    Riga(s, teste);
    s.Print();
    for (int i = 0; i < righe; ++i) {
        if (PaginaPiena(s)) {
            s.NewPage();
            BloccoIntestazione(s, intestazione, meta);
            Riga(s, teste);
            s.Print();
        }
        Riga(s, riga(i));
    }
    s.EndDoc();
}

} // namespace

ContenutoStampa ContenutoDa(const StatoProgramma& stato, std::string testoGrado, Separatori sep)
{
    return {stato.punti, *stato.terne, stato.polinomio.get(), std::move(testoGrado), stato.IntestazioneUtente,
            std::move(sep)};
}

void StampaCoppie(Stampante& stampante, const ContenutoStampa& c)
{
    auto numero = [&c](double v) { return Testo(FormaStampa(v, c.sep)); };
    StampaRighe(stampante, c, {QStringLiteral("X"), QStringLiteral("Y")}, c.punti.NumeroElementi(),
                [&](int i) { return QStringList{numero(c.punti.X(i)), numero(c.punti.Y(i))}; });
}

void StampaTerne(Stampante& stampante, const ContenutoStampa& c)
{
    auto numero = [&c](double v) { return Testo(FormaStampa(v, c.sep)); };
    StampaRighe(stampante, c, {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("P")},
                c.terne.NumeroElementi(), [&](int i) {
                    return QStringList{numero(c.terne.X(i)), numero(c.terne.Y(i)),
                                       numero(Arrotonda(c.terne.P(i), 4))};
                });
}

void StampaCoeff(Stampante& s, const ContenutoStampa& c)
{
    const QString intestazione = Testo(c.intestazione);
    const double meta = Avvia(s, intestazione);
    Riga(s, {QStringLiteral("P(X)=C(0) + C(1)*X + C(2)*X^2 + ... + C(GR)*X^GR")});
    for (int i = 0; i < 3; ++i)
        s.Print();
    const int grado = c.polinomio ? c.polinomio->Grado() : -1;
    for (int k = 0; k <= grado; ++k) {
        const QString linea = QStringLiteral("C(%1)= ").arg(k)
            + Testo(FormaGenerale(Arrotonda(c.polinomio->Coeff(k), 8), c.sep));
        if (PaginaPiena(s)) {
            s.NewPage();
            BloccoIntestazione(s, intestazione, meta);
            Riga(s, {linea});
            s.Print();
        } else {
            Riga(s, {linea});
        }
    }
    s.EndDoc();
}

void StampaGrafico(Stampante& stampante, const QImage& immagine)
{
    stampante.PaintPicture(immagine);
    stampante.EndDoc();
}

void StampaRapportoPdf(const QString& percorso, const ContenutoStampa& contenuto, const QImage& grafico)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(percorso);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    StampanteQt stampante(pdf, true);
    StampaCoppie(stampante, contenuto);
    StampaTerne(stampante, contenuto);
    StampaCoeff(stampante, contenuto);
    if (!grafico.isNull())
        StampaGrafico(stampante, grafico);
    stampante.Termina();
}
