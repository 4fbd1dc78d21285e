#include "ui/floyd/changedelegate.h"

#include "core/steps.h"
#include "ui/export/pictureexport.h"
#include "ui/support/seams.h"
#include "ui/support/utf8.h"

#include <QApplication>
#include <QListWidget>
#include <QPainter>

namespace trayeko::ui {

QColor ChangeDelegate::changeColour()
{
    return changedCellColour();
}

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
    painter->save();
    painter->setClipRect(textRect);
    painter->setFont(opt.font);
    painter->setPen(plain);
    paintListingLine(*painter, textRect, text, std::vector<int>(changed.begin(), changed.end()),
                     selected ? plain : changeColour());
    painter->restore();
}

void markFloydChanges(QListWidget* values, QListWidget* nodes,
                      const std::vector<FloydIteration>& iterations, const std::string& separator)
{
    const FloydListingMarks marks = floydListingMarks(iterations);
    if (values->count() != int(marks.valueLines.size()) ||
        nodes->count() != int(marks.nodeLines.size()))
        return;
    for (const auto& [list, lines] :
         {std::pair{values, &marks.valueLines}, std::pair{nodes, &marks.nodeLines}})
        for (int i = 0; i < list->count(); ++i)
            if (const std::vector<int>& columns = (*lines)[size_t(i)]; !columns.empty())
                list->item(i)->setData(
                    ChangeDelegate::changedColumnsRole,
                    QVariant::fromValue(QList<int>(columns.begin(), columns.end())));
    for (const FloydIteration& it : iterations) {
        for (int row = 1; row <= kNodeCount; ++row) {
            const QString tip = toQString(floydRowTip(it, row, separator));
            for (QListWidgetItem* item :
                 {values->item(valueRowLine(it.k, row)), nodes->item(nodeRowLine(it.k, row))}) {
                item->setToolTip(tip);
                item->setData(Qt::AccessibleDescriptionRole, tip);
            }
        }
    }
}

void quietBlankLines(QListWidget* list)
{
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        if (!item->text().trimmed().isEmpty())
            continue;
        item->setFlags(item->flags() & ~Qt::ItemIsSelectable);
        item->setData(Qt::AccessibleTextRole, QStringLiteral("baris kosong"));
    }
}

} // namespace trayeko::ui
