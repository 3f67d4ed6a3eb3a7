#include "Griglie.h"

#include "SeparatoriLocale.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTableWidget>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

// A cell's tooltip is its own, else its whole text when the cell shows it elided.
class DelegatoTroncati : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* evento, QAbstractItemView* vista, const QStyleOptionViewItem& opzione,
                   const QModelIndex& indice) override
    {
        if (evento->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(evento, vista, opzione, indice);
        // A cell's own tooltip (why a value is missing) comes first.
        const QString proprio = indice.data(Qt::ToolTipRole).toString();
        const QString testo = indice.data(Qt::DisplayRole).toString();
        if (!proprio.isEmpty())
            QToolTip::showText(evento->globalPos(), proprio, vista, opzione.rect);
        else if (!testo.isEmpty() && sizeHint(opzione, indice).width() > opzione.rect.width())
            QToolTip::showText(evento->globalPos(), testo, vista, opzione.rect);
        else
            QToolTip::hideText();
        return true;
    }
};

} // namespace

void PreparaGriglia(QTableView* griglia)
{
    griglia->setWordWrap(false);
    griglia->setTabKeyNavigation(false);
    griglia->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    griglia->setItemDelegate(new DelegatoTroncati(griglia));
}

MisuraCelle::MisuraCelle(const QTableView* griglia)
    : testo_(griglia->font(), griglia),
      // The style's item margin on each side (QCommonStyle's text margin), one
      // pixel for the rounding of the text's width and one for the grid line.
      margine_(2 * (griglia->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, griglia) + 1) + 1
               + (griglia->showGrid() ? 1 : 0))
{
}

int MisuraCelle::Larghezza(const QString& testo)
{
    return static_cast<int>(std::ceil(testo_.Larghezza(testo))) + margine_;
}

int LarghezzaGriglia(const QTableView* griglia)
{
    const QHeaderView* righe = griglia->verticalHeader();
    return griglia->horizontalHeader()->length() + (righe->isHidden() ? 0 : righe->width())
        + 2 * griglia->frameWidth() + griglia->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, griglia);
}

QString TestoCelle(const QTableWidget* griglia, const Separatori& sep, const NumeroCella& numero)
{
    const QList<QTableWidgetSelectionRange> scelti = griglia->selectedRanges();
    int alto = 0, sinistra = 0, basso = griglia->rowCount() - 1, destra = griglia->columnCount() - 1;
    if (scelti.isEmpty()) {
        auto vuota = [&](int r) {
            for (int c = 0; c <= destra; ++c)
                if (const QTableWidgetItem* cella = griglia->item(r, c); cella && !cella->text().isEmpty())
                    return false;
            return true;
        };
        while (basso >= 0 && vuota(basso))
            --basso;
    } else {
        alto = scelti.front().topRow(), sinistra = scelti.front().leftColumn();
        basso = scelti.front().bottomRow(), destra = scelti.front().rightColumn();
        for (const QTableWidgetSelectionRange& s : scelti) {
            alto = std::min(alto, s.topRow());
            sinistra = std::min(sinistra, s.leftColumn());
            basso = std::max(basso, s.bottomRow());
            destra = std::max(destra, s.rightColumn());
        }
    }
    auto testo = [&](const QTableWidgetItem* cella) {
        if (!cella || (!scelti.isEmpty() && !cella->isSelected()))
            return QString();
        bool numerico = false;
        std::optional<double> v = cella->data(Qt::UserRole).toDouble(&numerico);
        if (!numerico)
            v = numero ? numero(cella->text()) : std::nullopt;
        if (v)
            return QString::fromStdString(FormaEsatta(*v, sep));
        QString t = cella->text();
        return t.replace(u'\t', u' ').replace(u'\n', u' ').replace(u'\r', u' ');
    };
    QString righe;
    for (int r = alto; r <= basso; ++r)
        for (int c = sinistra; c <= destra; ++c)
            righe += testo(griglia->item(r, c)) + (c < destra ? u'\t' : u'\n');
    return righe;
}

void CopiaCelle(const QTableWidget* griglia, const NumeroCella& numero)
{
    QGuiApplication::clipboard()->setText(TestoCelle(griglia, SeparatoriLocale(), numero));
}

void OffriCopia(QTableWidget* griglia)
{
    auto* copia = new QAction(QStringLiteral("Copia"), griglia);
    copia->setObjectName(QStringLiteral("Copia"));
    copia->setShortcut(QKeySequence::Copy);
    copia->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copia, &QAction::triggered, griglia, [griglia] { CopiaCelle(griglia); });
    griglia->addAction(copia);
    griglia->setContextMenuPolicy(Qt::ActionsContextMenu);
}
