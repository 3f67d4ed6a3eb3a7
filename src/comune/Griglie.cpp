#include "Griglie.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolTip>

namespace {

// A cell's tooltip is its whole text, when the cell shows it elided.
class DelegatoTroncati : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent* evento, QAbstractItemView* vista, const QStyleOptionViewItem& opzione,
                   const QModelIndex& indice) override
    {
        if (evento->type() != QEvent::ToolTip)
            return QStyledItemDelegate::helpEvent(evento, vista, opzione, indice);
        const QString testo = indice.data(Qt::DisplayRole).toString();
        if (!testo.isEmpty() && sizeHint(opzione, indice).width() > opzione.rect.width())
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

int LarghezzaCella(const QTableView* griglia, const QString& testo)
{
    // The style's item margin on each side (QCommonStyle's text margin), one
    // pixel for the rounding of the text's width and one for the grid line.
    const int margine = griglia->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, griglia) + 1;
    return griglia->fontMetrics().horizontalAdvance(testo) + 2 * margine + 1 + (griglia->showGrid() ? 1 : 0);
}

int LarghezzaGriglia(const QTableView* griglia)
{
    const QHeaderView* righe = griglia->verticalHeader();
    return griglia->horizontalHeader()->length() + (righe->isHidden() ? 0 : righe->width())
        + 2 * griglia->frameWidth() + griglia->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, griglia);
}
