#include "ui/stepping/textcells.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <QWidget>

namespace trayeko::ui {

namespace {

// Enough for every text of a lesson at a few widths; a panel resized by hand moves through many
// widths, and the sizes of those passed are dropped rather than kept for ever.
constexpr qsizetype kMostSizesKept = 8192;

} // namespace

QSize TextCellDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // A text's size depends on the font and style it is measured in: another of either (the
    // projector's larger font, say) measures every text anew.
    const QStyle* style = option.widget ? option.widget->style() : QApplication::style();
    if (style != m_style || option.font != m_font || m_sizes.size() >= kMostSizesKept) {
        m_sizes.clear();
        m_style = style;
        m_font = option.font;
    }
    // A wrapped text is as tall as the lines it needs in its column's width; one that does not
    // wrap (or has no width to wrap in) is the same size in any column.
    const bool wraps = (option.features & QStyleOptionViewItem::WrapText) && option.rect.isValid();
    const QVariant ownFont = index.data(Qt::FontRole);
    Key key{index.data(Qt::DisplayRole).toString(), wraps ? option.rect.width() : -1,
            int(option.features),
            ownFont.isValid() ? qvariant_cast<QFont>(ownFont).resolve(option.font).key()
                              : QString()};
    if (const auto known = m_sizes.constFind(key); known != m_sizes.constEnd())
        return *known;
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    m_sizes.insert(std::move(key), size);
    return size;
}

int TextWidths::of(const QFont& font, const QString& text)
{
    if (font != m_font || m_widths.size() >= kMostKept) {
        m_widths.clear();
        m_font = font;
    }
    if (const auto known = m_widths.constFind(text); known != m_widths.constEnd())
        return *known;
    const int width = QFontMetrics(font).horizontalAdvance(text);
    m_widths.insert(text, width);
    return width;
}

} // namespace trayeko::ui
