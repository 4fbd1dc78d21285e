#pragma once

#include <QStyledItemDelegate>
#include <string>
#include <vector>

class QListWidget;

namespace trayeko {
struct FloydIteration;
}

namespace trayeko::ui {

// Paints the cells of a listing line that its iteration changed in their own colour and bold; the
// line's text stays as it is. Which cells: the item's data under changedColumnsRole, a list of
// column numbers from 0.
class ChangeDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int changedColumnsRole = Qt::UserRole + 1;

    using QStyledItemDelegate::QStyledItemDelegate;

    static QColor changeColour();

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// Marks what each iteration changed in both listings of one run: the changed cells, and a tool
// tip and accessible description on every row of the "Iterasi k" blocks. Listings of another
// length are left alone.
void markFloydChanges(QListWidget* values, QListWidget* nodes,
                      const std::vector<FloydIteration>& iterations, const std::string& separator);

// The blank lines that set the blocks of a listing apart look as they did but are no items to
// land on: they take no selection, so a screen reader meets no focusable item without a name,
// and where the cursor still passes over one it hears "baris kosong". Their text stays empty.
void quietBlankLines(QListWidget* list);

} // namespace trayeko::ui
