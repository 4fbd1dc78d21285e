#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <initializer_list>

namespace trayeko::ui {

// Gives the @p roles of @p widget's palette the colour @p colour; with @p fill the widget also
// paints its background from it.
inline void setPaletteColour(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
                             const QColor& colour, bool fill = false)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorRole role : roles)
        palette.setColor(role, colour);
    widget->setPalette(palette);
    if (fill)
        widget->setAutoFillBackground(true);
}

// The text colour of a label or a box.
inline void setForeColor(QWidget* widget, const QColor& colour)
{
    setPaletteColour(widget, {QPalette::WindowText, QPalette::Text}, colour);
}

// The background of a label or a box, filled.
inline void setBackColor(QWidget* widget, const QColor& colour)
{
    setPaletteColour(widget, {QPalette::Window, QPalette::Base}, colour, true);
}

} // namespace trayeko::ui
