#include "Tabulati.h"

#include "BontaAdattamento.h"
#include "StampanteQt.h"

#include <QBuffer>
#include <QImage>
#include <QPdfWriter>

#include <functional>
#include <optional>

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

// Padded with blanks to a number of characters, so that the next item
// starts in the same print zone on every line.
QString Colonna(const QString& testo, int caratteri)
{
    return testo.leftJustified(caratteri);
}

QString TestoStatistica(const Statistica& s, const Separatori& sep)
{
    if (!s.valore)
        return QStringLiteral(" n.d. ");  // in line with the numbers after their sign
    const std::string g = FormaCifre(*s.valore, 7, sep);
    return Testo((g.front() == '-' ? g : " " + g) + " ");
}

// A sentence in lines no wider than the listing's, broken between words.
QStringList Capoversi(const Stampante& s, const QString& frase)
{
    QStringList righe;
    for (const QString& parola : frase.split(u' ', Qt::SkipEmptyParts)) {
        if (!righe.isEmpty() && s.TextWidth(righe.last() + u' ' + parola) <= 100 - 2 * Margine)
            righe.last() += u' ' + parola;
        else
            righe << parola;
    }
    return righe;
}

} // namespace

ContenutoStampa ContenutoDa(const StatoProgramma& stato, std::string testoGrado, Separatori sep)
{
    return {stato.punti, *stato.terne, PolinomioAdattato(stato.polinomio.get()), std::move(testoGrado), stato.IntestazioneUtente, std::move(sep)};
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

void StampaStatistiche(Stampante& s, const ContenutoStampa& c)
{
    const QString intestazione = Testo(c.intestazione);
    const double meta = Avvia(s, intestazione);
    auto riga = [&](const QStringList& voci) {
        if (PaginaPiena(s)) {
            s.NewPage();
            BloccoIntestazione(s, intestazione, meta);
        }
        Riga(s, voci);
    };
    std::optional<StatisticheAdattamento> st;
    if (c.polinomio) {
        st = CalcolaStatistiche(c.terne, c.polinomio->Grado());
        if (st->esito != EsitoSistema::Risolto)
            st.reset();
    }
    const std::string grado = c.polinomio ? std::to_string(c.polinomio->Grado()) : c.testoGrado;
    riga({QStringLiteral("Grado del polinomio approssimante: ") + Testo(grado)});
    if (st) {
        // Columns of 23 and 15 characters: the longest texts keep within the
        // page's 74, and every line has its values in the same zones.
        QStringList motivi;
        auto valore = [&](const Statistica& v) {
            if (!v.valore && !motivi.contains(Testo(DescriviMotivo(v.motivo))))
                motivi << Testo(DescriviMotivo(v.motivo));
            return TestoStatistica(v, c.sep);
        };
        s.Print();
        s.Print();
        riga({Colonna(QStringLiteral("C(i)"), 23), Colonna(QStringLiteral("Errore standard"), 15), QStringLiteral("t")});
        s.Print();
        for (int k = 0; k <= c.polinomio->Grado(); ++k) {
            const auto i = static_cast<size_t>(k);
            riga({Colonna(QStringLiteral("C(%1)= ").arg(k) + Testo(FormaCifre(c.polinomio->Coeff(k), 7, c.sep)), 23),
                  Colonna(valore(st->erroriStandard[i]), 15), valore(st->t[i])});
        }
        s.Print();
        riga({QStringLiteral("Bontà dell'adattamento")});
        s.Print();
        for (const VoceBonta& voce : VociBonta(*st)) {
            QString nome = QString::fromUtf8(voce.nome);
            if (nome == QStringLiteral("F"))
                nome += u' ' + Testo(GradiLibertaF(*st));
            riga({Colonna(nome, 31), valore(voce.valore)});
        }
        if (!motivi.isEmpty())
            s.Print();
        for (const QString& motivo : motivi)
            for (const QString& linea : Capoversi(s, motivo))
                riga({linea});
    }
    s.EndDoc();
}

void StampaGrafico(Stampante& stampante, const QImage& immagine)
{
    stampante.PaintPicture(immagine);
    stampante.EndDoc();
}

QByteArray RapportoPdf(const ContenutoStampa& contenuto, const QImage& grafico)
{
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
        StampaStatistiche(stampante, contenuto);
        if (!grafico.isNull()) {
            Avvia(stampante, Testo(contenuto.intestazione));
            StampaGrafico(stampante, grafico);
        }
        stampante.Termina();
    }
    return pdf;
}
