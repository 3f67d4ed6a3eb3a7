#include "Griglie.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolTip>

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
    : metriche_(griglia->font(), griglia),
      // The style's item margin on each side (QCommonStyle's text margin), one
      // pixel for the rounding of the text's width and one for the grid line.
      margine_(2 * (griglia->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, griglia) + 1) + 1
               + (griglia->showGrid() ? 1 : 0))
{
}

int MisuraCelle::Larghezza(const QString& testo)
{
    qreal larghezza = 0;
    for (const QChar c : testo) {
        if (c.unicode() >= ascii_.size()) {
            larghezza += metriche_.horizontalAdvance(c);
            continue;
        }
        qreal& avanzamento = ascii_[c.unicode()];
        if (avanzamento == 0)
            avanzamento = metriche_.horizontalAdvance(c);
        larghezza += avanzamento;
    }
    return static_cast<int>(std::ceil(larghezza)) + margine_;
}

int LarghezzaGriglia(const QTableView* griglia)
{
    const QHeaderView* righe = griglia->verticalHeader();
    return griglia->horizontalHeader()->length() + (righe->isHidden() ? 0 : righe->width())
        + 2 * griglia->frameWidth() + griglia->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, griglia);
}
