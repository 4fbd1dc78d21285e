#include "ui/floyd/changedelegate.h"

#include "core/steps.h"
#include "ui/common/utf8.h"
#include "ui/common/seams.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>

namespace trayeko::ui {

void ChangeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const
{
    const QList<int> changed = index.data(changedColumnsRole).value<QList<int>>();
    if (changed.isEmpty()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    // The text rectangle as the style lays it out, less the margin it keeps around item texts.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget)
                               .adjusted(margin, 0, -margin, 0);
    const QString text = opt.text;
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);

    const bool selected = opt.state & QStyle::State_Selected;
    const QColor plain =
        opt.palette.color(QPalette::Normal, selected ? QPalette::HighlightedText : QPalette::Text);
    QFont bold = opt.font;
    bold.setBold(true);
    const QFontMetricsF metrics(opt.font);
    painter->save();
    painter->setClipRect(textRect);
    // Every cell stands where the plain line would put it, so the columns stay under the header.
    int column = 0;
    for (qsizetype start = 0; start < text.size();) {
        if (text[start] == QLatin1Char(' ')) {
            ++start;
            continue;
        }
        qsizetype end = start;
        while (end < text.size() && text[end] != QLatin1Char(' '))
            ++end;
        const bool mark = changed.contains(column);
        painter->setFont(mark ? bold : opt.font);
        painter->setPen(mark && !selected ? changeColour() : plain);
        const qreal x = textRect.left() + metrics.horizontalAdvance(text.left(start));
        painter->drawText(QRectF(x, textRect.top(), textRect.right() - x + 1, textRect.height()),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                          text.mid(start, end - start));
        ++column;
        start = end;
    }
    painter->restore();
}

void markFloydChanges(QListWidget* values, QListWidget* nodes,
                      const std::vector<FloydIteration>& iterations, const std::string& separator)
{
    const int blocks = int(iterations.size());
    if (values->count() != valueRowLine(blocks, kNodeCount) + 1 ||
        nodes->count() != nodeRowLine(blocks, kNodeCount) + 1)
        return;
    for (const FloydIteration& it : iterations) {
        for (int row = 1; row <= kNodeCount; ++row) {
            QList<int> columns;
            for (const FloydChange& c : it.changes)
                if (c.from == row)
                    columns << c.to - 1;
            const QString tip = toQString(floydRowTip(it, row, separator));
            for (QListWidgetItem* item :
                 {values->item(valueRowLine(it.k, row)), nodes->item(nodeRowLine(it.k, row))}) {
                item->setToolTip(tip);
                item->setData(Qt::AccessibleDescriptionRole, tip);
                if (!columns.isEmpty())
                    item->setData(ChangeDelegate::changedColumnsRole, QVariant::fromValue(columns));
            }
        }
    }
}

} // namespace trayeko::ui
