#include "Tabulati.h"

#include "StampanteQt.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPdfWriter>

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
    // A run that ended early leaves a polynomial without coefficients: no fit to print.
    const Polinomio* polinomio = stato.polinomio && stato.polinomio->NumeroElementi() > 0 ? stato.polinomio.get() : nullptr;
    return {stato.punti, *stato.terne, polinomio, std::move(testoGrado), stato.IntestazioneUtente, std::move(sep)};
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
    if (!c.polinomio) {  // the triples belong to an older fit: the points, with no P
        StampaRighe(stampante, c, {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("P")},
                    c.punti.NumeroElementi(), [&](int i) { return QStringList{numero(c.punti.X(i)), numero(c.punti.Y(i))}; });
        return;
    }
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
    // Drawn in memory, then written with every step checked: a PDF engine
    // writing to a file does not report a full disk.
    QByteArray pdf;
    {
        QBuffer memoria(&pdf);
        memoria.open(QIODevice::WriteOnly);
        QPdfWriter scrittore(&memoria);
        scrittore.setResolution(1200);
        scrittore.setPageSize(QPageSize(QPageSize::A4));
        scrittore.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        StampanteQt stampante(scrittore);
        stampante.UnDocumento(true);
        StampaCoppie(stampante, contenuto);
        StampaTerne(stampante, contenuto);
        StampaCoeff(stampante, contenuto);
        if (!grafico.isNull()) {
            Avvia(stampante, Testo(contenuto.intestazione));
            StampaGrafico(stampante, grafico);
        }
        stampante.Termina();
    }
    QFile file(percorso);
    const bool scritto = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(pdf) == pdf.size()
        && file.flush();
    file.close();
    if (!scritto || file.error() != QFileDevice::NoError)
        throw ErroreStampa(QStringLiteral("Impossibile scrivere il file \"%1\".")
                               .arg(QDir::toNativeSeparators(percorso))
                               .toStdString());
}
