#pragma once

#include <QFont>
#include <QHash>
#include <QSize>
#include <QStyledItemDelegate>

class QStyle;

namespace trayeko::ui {

// The delegate of a view whose items hold text alone, in the view's font or one of their own (no
// icon, check box or size of their own): it paints as Qt's own, and measures each text once for
// each width, font and style. A grid whose rows follow their contents measures every cell again
// at every change of its size, and at thirty nodes laying such a grid out costs more than a
// frame, nearly all of it shaping the same few numbers again; a list measures every line at
// every layout.
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
        QString font; // an item's own font; empty in the view's
        friend bool operator==(const Key&, const Key&) = default;
        friend size_t qHash(const Key& key, size_t seed = 0)
        {
            return qHashMulti(seed, key.text, key.width, key.features, key.font);
        }
    };

    mutable QHash<Key, QSize> m_sizes;
    mutable QFont m_font;
    mutable const QStyle* m_style = nullptr;
};

// The advance of texts in one font, each text measured once: a lesson's grid repeats the same
// numbers from lesson to lesson. Another font measures anew.
class TextWidths final
{
public:
    int of(const QFont& font, const QString& text);

private:
    static constexpr qsizetype kMostKept = 4096;
    QFont m_font;
    QHash<QString, int> m_widths;
};

} // namespace trayeko::ui
