#pragma once

#include <QFont>
#include <QHash>
#include <QSize>
#include <QStyledItemDelegate>

class QStyle;

namespace trayeko::ui {

// The delegate of a grid whose cells hold text alone (no icon, check box, font or size of their
// own): it paints as Qt's own, and measures each text once for each width, font and style. A
// grid whose rows follow their contents measures every cell again at every change of its size,
// and at thirty nodes laying such a grid out costs more than a frame, nearly all of it shaping
// the same few numbers again.
class TextCellDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    struct Key
    {
        QString text;
        int width; // what a wrapped text is measured in; -1 where it does not wrap
        int features;
        friend bool operator==(const Key&, const Key&) = default;
        friend size_t qHash(const Key& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.text, key.width, key.features);
        }
    };

    mutable QHash<Key, QSize> m_sizes;
    mutable QFont m_font;
    mutable const QStyle* m_style = nullptr;
};

} // namespace trayeko::ui
