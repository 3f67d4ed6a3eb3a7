#include "Tabella.h"

#include "BontaAdattamento.h"
#include "Disposizione.h"
#include "Griglie.h"
#include "MySource.h"
#include "NumeriTesto.h"
#include "Polinomio.h"
#include "SeparatoriLocale.h"
#include "Twips.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

QTableWidget* Griglia(QWidget* genitore, const char* nome, const QStringList& intestazioni)
{
    auto* g = new QTableWidget(1, static_cast<int>(intestazioni.size()), genitore);
    g->setObjectName(QString::fromLatin1(nome));
    g->setHorizontalHeaderLabels(intestazioni);
    g->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    g->horizontalHeader()->setSectionsClickable(false);
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PreparaGriglia(g);
    return g;
}

// Each column as wide as its design says, or as its widest text (its head's too) needs.
void AllargaColonne(QTableWidget* g)
{
    MisuraCelle misura(g);
    for (int c = 0; c < g->columnCount(); ++c) {
        int larghezza = std::max(g->columnWidth(c), g->horizontalHeader()->sectionSizeHint(c));
        for (int r = 0; r < g->rowCount(); ++r)
            if (const QTableWidgetItem* cella = g->item(r, c))
                larghezza = std::max(larghezza, misura.Larghezza(cella->text()));
        g->setColumnWidth(c, larghezza);
    }
}

// Appends an empty row, then puts the cells into the row before it: the
// grid always ends with one empty row.
void AccodaRiga(QTableWidget* g, const QList<QTableWidgetItem*>& celle)
{
    const int riga = g->rowCount() - 1;
    g->insertRow(g->rowCount());
    for (int c = 0; c < celle.size(); ++c)
        g->setItem(riga, c, celle[c]);
}

QString Testo(double valore, int decimali, const Separatori& sep)
{
    return QString::fromStdString(FormaGenerale(Arrotonda(valore, decimali), sep));
}

// A cell with its text and, for a number, the whole double behind it.
QTableWidgetItem* Cella(const QString& testo, std::optional<double> valore = std::nullopt)
{
    auto* cella = new QTableWidgetItem(testo);
    if (valore)
        cella->setData(Qt::UserRole, *valore);
    return cella;
}

// Statistics take 7 significant digits; one that does not exist reads
// "n.d.", and its tooltip says why.
const QString NonDefinito = QStringLiteral("n.d.");
constexpr int CifreStatistiche = 7;

QString TestoStatistica(const Statistica& s, const Separatori& sep)
{
    return s.valore ? QString::fromStdString(FormaCifre(*s.valore, CifreStatistiche, sep)) : NonDefinito;
}

QString Motivo(const Statistica& s)
{
    return s.valore ? QString() : QString::fromStdString(DescriviMotivo(s.motivo));
}

QTableWidgetItem* CellaStatistica(const Statistica& s, const Separatori& sep)
{
    QTableWidgetItem* cella = Cella(TestoStatistica(s, sep), s.valore);
    if (!s.valore) {
        cella->setToolTip(Motivo(s));
        cella->setData(Qt::AccessibleDescriptionRole, Motivo(s));
    }
    return cella;
}

// The statistics of the fit of these points at this degree; none when they
// cannot be had (the points are not the fit's, or the solve refuses them).
std::optional<StatisticheAdattamento> StatisticheDi(const MySource& adattati, int grado)
{
    std::vector<double> x, y;
    for (int32_t i = 0; i < adattati.NumeroElementi(); ++i) {
        x.push_back(adattati.X(i));
        y.push_back(adattati.Y(i));
    }
    StatisticheAdattamento s = CalcolaStatistiche(x, y, grado);
    if (s.esito != EsitoSistema::Risolto)
        return std::nullopt;
    return s;
}

} // namespace

Tabella::Tabella(QWidget* genitore) : QWidget(genitore)
{
    setObjectName(QStringLiteral("Tabella"));
    setWindowTitle(QStringLiteral("Tabella"));
    Label3 = new QLabel(QStringLiteral("P(X)=C(0) + C(1)*X + C(2)*X^2 + ... + C(GR)*X^GR"), this);
    Label3->setObjectName(QStringLiteral("Label3"));
    LCoeff = new QLabel(QStringLiteral("Coefficenti"), this);
    LCoeff->setObjectName(QStringLiteral("LCoeff"));
    DataCoeff = Griglia(this, "DataCoeff",
                        {QStringLiteral("i"), QStringLiteral("C(i)"), QStringLiteral("Errore standard"), QStringLiteral("t")});
    DataCoeff->setAccessibleName(QStringLiteral("Coefficenti"));
    Lterne = new QLabel(QStringLiteral("Punti"), this);
    Lterne->setObjectName(QStringLiteral("Lterne"));
    DataTerna = Griglia(this, "DataTerna",
                        {QStringLiteral("i"), QStringLiteral("X(i)"), QStringLiteral("Y(i)"), QStringLiteral("P(i)"),
                         QStringLiteral("Residuo")});
    DataTerna->setAccessibleName(QStringLiteral("Punti"));
    for (QTableWidget* g : {DataCoeff, DataTerna})
        OffriCopia(g);

    LBonta = new QLabel(QStringLiteral("Bontà dell'adattamento"), this);
    LBonta->setObjectName(QStringLiteral("LBonta"));
    for (const VoceBonta& voce : VociBonta({})) {
        auto* etichetta = new QLabel(QString::fromUtf8(voce.nome), this);
        etichetta->setObjectName(QStringLiteral("NomiBonta"));
        NomiBonta << etichetta;
        auto* valore = new QLabel(this);
        valore->setObjectName(QStringLiteral("ValoriBonta"));
        valore->setTextInteractionFlags(Qt::TextSelectableByMouse);
        ValoriBonta << valore;
    }
    GradiF = new QLabel(this);
    GradiF->setObjectName(QStringLiteral("GradiF"));
    for (QLabel* l : QList<QLabel*>{LBonta, GradiF} + NomiBonta + ValoriBonta)
        l->hide();

    const double dpi = DpiLogicoSchermo();
    DataCoeff->setColumnWidth(0, PixelDaTwips(700, dpi));
    DataCoeff->setColumnWidth(1, PixelDaTwips(1300, dpi));
    DataCoeff->setColumnWidth(2, PixelDaTwips(1300, dpi));
    DataCoeff->setColumnWidth(3, PixelDaTwips(1000, dpi));
    for (int c = 0; c < 5; ++c)
        DataTerna->setColumnWidth(c, PixelDaTwips(1000, dpi));
    Disponi();
}

void Tabella::Disponi()
{
    const double dpi = DpiLogicoSchermo();
    PosizionaTwips(Label3, 360, 120, 5535, 495, dpi);
    PosizionaTwips(LCoeff, 120, 840, 0, 0, dpi);
    QRect punti = PosizionaTwips(DataTerna, 2400, 1320, 4300, 3015, dpi);
    QRect coeff = PosizionaTwips(DataCoeff, 120, 1320, 2500, 3015, dpi);
    // Designed 220 twips into the points grid, where it would hide its own
    // scroll bar: it ends where the points grid starts.
    coeff.setRight(std::min(coeff.right(), punti.left() - 1));
    // Each grid wide enough for its columns; the points grid moves right of
    // a wider coefficient grid.
    coeff.setWidth(std::max(coeff.width(), LarghezzaGriglia(DataCoeff)));
    punti.moveLeft(std::max(punti.left(), coeff.right() + 1));
    punti.setWidth(std::max(punti.width(), LarghezzaGriglia(DataTerna)));
    DataCoeff->setGeometry(coeff);
    DataTerna->setGeometry(punti);
    const QRect etichetta = PosizionaTwips(Lterne, 2400, 840, 0, 0, dpi);
    Lterne->move(punti.left(), etichetta.top());

    // The statistics below both grids: the names in one column, the values
    // in the next, F's degrees of freedom after its value.
    QRect occupato = punti.united(Label3->geometry());
    if (!LBonta->isHidden()) {
        const int margine = PixelDaTwips(120, dpi), rientro = PixelDaTwips(360, dpi);
        LBonta->setGeometry(QRect(QPoint(coeff.left(), std::max(coeff.bottom(), punti.bottom()) + 1 + 2 * margine),
                                  LBonta->sizeHint()));
        int larghezzaNomi = 0;
        for (const QLabel* nome : NomiBonta)
            larghezzaNomi = std::max(larghezzaNomi, nome->sizeHint().width());
        const int riga = std::max(PixelDaTwips(300, dpi), LBonta->sizeHint().height() + 2);
        int y = LBonta->geometry().bottom() + 1 + margine;
        for (qsizetype i = 0; i < NomiBonta.size(); ++i, y += riga) {
            NomiBonta[i]->setGeometry(QRect(QPoint(coeff.left() + rientro, y), NomiBonta[i]->sizeHint()));
            ValoriBonta[i]->setGeometry(
                QRect(QPoint(coeff.left() + rientro + larghezzaNomi + 2 * margine, y), ValoriBonta[i]->sizeHint()));
            occupato |= ValoriBonta[i]->geometry();
        }
        const QRect f = ValoriBonta.last()->geometry();
        GradiF->setGeometry(QRect(QPoint(f.right() + 1 + margine, f.top()), GradiF->sizeHint()));
        occupato |= GradiF->geometry();
    }
    // Whatever the window's frame, the points grid and the statistics show whole.
    const int margine = PixelDaTwips(120, dpi);
    setMinimumSize(occupato.right() + 1 + margine, occupato.bottom() + 1 + margine);
}

void Tabella::Form_Load(const Polinomio* polinomio, const MySource& punti, const MySource* adattati)
{
    const double dpi = DpiLogicoSchermo();
    RiempiTabelle(polinomio, punti, adattati);
    AllargaColonne(DataCoeff);
    AllargaColonne(DataTerna);
    Disponi();
    QWidget* cornice = Cornice(this);
    cornice->setGeometry(cornice->x(), PixelDaTwips(100, dpi), PixelDaTwips(6800, dpi), PixelDaTwips(5000, dpi));
    cornice->resize(cornice->size().expandedTo(cornice->minimumSizeHint()));
}

void Tabella::RiempiTabelle(const Polinomio* polinomio, const MySource& punti, const MySource* adattati)
{
    const Separatori sep = SeparatoriLocale();
    polinomio = PolinomioAdattato(polinomio);
    std::optional<StatisticheAdattamento> st;
    if (polinomio && adattati)
        st = StatisticheDi(*adattati, polinomio->Grado());
    for (int k = 0; polinomio && k <= polinomio->Grado(); ++k) {
        QList<QTableWidgetItem*> riga = {Cella(QString::number(k)), Cella(Testo(polinomio->Coeff(k), 6, sep), polinomio->Coeff(k))};
        if (st)
            riga << CellaStatistica(st->erroriStandard[static_cast<size_t>(k)], sep)
                 << CellaStatistica(st->t[static_cast<size_t>(k)], sep);
        AccodaRiga(DataCoeff, riga);
    }
    for (int32_t i = 0; i < punti.NumeroElementi(); ++i) {
        const double x = punti.X(i), y = punti.Y(i);
        QList<QTableWidgetItem*> riga = {Cella(QString::number(i + 1)),
                                         Cella(QString::fromStdString(FormaGenerale(x, sep)), x),
                                         Cella(QString::fromStdString(FormaGenerale(y, sep)), y)};
        if (polinomio) {
            const double p = polinomio->ValorePolinomio(x);
            riga << Cella(Testo(p, 4, sep), p);
            // The exact residual where the row is a fitted point; a pair
            // changed since the fit has Y - P of its own.
            if (st && i < adattati->NumeroElementi() && adattati->X(i) == x && adattati->Y(i) == y) {
                const Statistica& r = st->residui[static_cast<size_t>(i)];
                riga << (r.valore ? Cella(Testo(*r.valore, 4, sep), r.valore) : CellaStatistica(r, sep));
            } else {
                riga << Cella(Testo(y - p, 4, sep), y - p);
            }
        } else {
            riga << Cella(QString()) << Cella(QString());
        }
        AccodaRiga(DataTerna, riga);
    }
    if (!st)
        return;

    const auto voci = VociBonta(*st);
    for (size_t i = 0; i < voci.size(); ++i) {
        QLabel* valore = ValoriBonta[static_cast<qsizetype>(i)];
        const Statistica& s = voci[i].valore;
        valore->setText(TestoStatistica(s, sep));
        if (s.valore)
            valore->setProperty("valore", *s.valore);
        valore->setToolTip(Motivo(s));
        valore->setAccessibleName(QString::fromUtf8(voci[i].nome) + QStringLiteral(": ") + valore->text());
        valore->setAccessibleDescription(Motivo(s));
    }
    GradiF->setText(QString::fromStdString(GradiLibertaF(*st)));
    ValoriBonta.last()->setAccessibleName(ValoriBonta.last()->accessibleName() + u' ' + GradiF->text());
    for (QLabel* l : QList<QLabel*>{LBonta, GradiF} + NomiBonta + ValoriBonta)
        l->setVisible(true);
}
