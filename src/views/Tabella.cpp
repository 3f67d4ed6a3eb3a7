#include "Tabella.h"

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

// Each column as wide as its design says, or as its widest text needs.
void AllargaColonne(QTableWidget* g)
{
    MisuraCelle misura(g);
    for (int c = 0; c < g->columnCount(); ++c) {
        int larghezza = g->columnWidth(c);
        for (int r = 0; r < g->rowCount(); ++r)
            if (const QTableWidgetItem* cella = g->item(r, c))
                larghezza = std::max(larghezza, misura.Larghezza(cella->text()));
        g->setColumnWidth(c, larghezza);
    }
}

// Appends an empty row, then writes the texts into the row before it: the
// grid always ends with one empty row.
void AccodaRiga(QTableWidget* g, const QStringList& testi)
{
    const int riga = g->rowCount() - 1;
    g->insertRow(g->rowCount());
    for (int c = 0; c < testi.size(); ++c)
        g->setItem(riga, c, new QTableWidgetItem(testi[c]));
}

QString Testo(double valore, int decimali, const Separatori& sep)
{
    return QString::fromStdString(FormaGenerale(Arrotonda(valore, decimali), sep));
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
    DataCoeff = Griglia(this, "DataCoeff", {QStringLiteral("i"), QStringLiteral("C(i)")});
    DataCoeff->setAccessibleName(QStringLiteral("Coefficenti"));
    Lterne = new QLabel(QStringLiteral("Punti"), this);
    Lterne->setObjectName(QStringLiteral("Lterne"));
    DataTerna = Griglia(this, "DataTerna",
                        {QStringLiteral("i"), QStringLiteral("X(i)"), QStringLiteral("Y(i)"), QStringLiteral("P(i)")});
    DataTerna->setAccessibleName(QStringLiteral("Punti"));
    for (QTableWidget* g : {DataCoeff, DataTerna})
        OffriCopia(g);

    const double dpi = DpiLogicoSchermo();
    DataCoeff->setColumnWidth(0, PixelDaTwips(700, dpi));
    DataCoeff->setColumnWidth(1, PixelDaTwips(1300, dpi));
    for (int c = 0; c < 4; ++c)
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
    // Whatever the window's frame, the points grid shows whole.
    const int margine = PixelDaTwips(120, dpi);
    setMinimumSize(std::max(punti.right(), Label3->geometry().right()) + 1 + margine, punti.bottom() + 1 + margine);
}

void Tabella::Form_Load(const Polinomio* polinomio, const MySource& punti)
{
    const double dpi = DpiLogicoSchermo();
    RiempiTabelle(polinomio, punti);
    AllargaColonne(DataCoeff);
    AllargaColonne(DataTerna);
    Disponi();
    QWidget* cornice = Cornice(this);
    cornice->setGeometry(cornice->x(), PixelDaTwips(100, dpi), PixelDaTwips(6800, dpi), PixelDaTwips(5000, dpi));
    cornice->resize(cornice->size().expandedTo(cornice->minimumSizeHint()));
}

void Tabella::RiempiTabelle(const Polinomio* polinomio, const MySource& punti)
{
    const Separatori sep = SeparatoriLocale();
    // A run that ended early leaves a polynomial without coefficients: no fit to show.
    if (polinomio && polinomio->NumeroElementi() == 0)
        polinomio = nullptr;
    for (int k = 0; polinomio && k <= polinomio->Grado(); ++k)
        AccodaRiga(DataCoeff, {QString::number(k), Testo(polinomio->Coeff(k), 6, sep)});
    for (int32_t i = 0; i < punti.NumeroElementi(); ++i) {
        const double x = punti.X(i);
        AccodaRiga(DataTerna, {QString::number(i + 1), QString::fromStdString(FormaGenerale(x, sep)),
                               QString::fromStdString(FormaGenerale(punti.Y(i), sep)),
                               polinomio ? Testo(polinomio->ValorePolinomio(x), 4, sep) : QString()});
    }
}
