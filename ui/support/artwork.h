#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

class QPainter;

namespace trayeko::ui {

// The program's pictures are painted in code, so they stay crisp at every scale factor.

// The program icon in every size from 16 to 256 pixels, for exporting it and for large pictures.
QIcon programIcon();

// The same icon in the sizes a window manager shows (16 to 64 pixels), for the windows.
QIcon programWindowIcon();

// Paints the program icon into a @p size x @p size square at the painter's origin: the painting
// behind programIcon(), for exporting the icon to other formats (such as SVG for the desktop).
void paintProgramIcon(QPainter& painter, int size);

// A banner word in red, striped ornamental capitals on white, @p logicalWidth x @p logicalHeight
// logical pixels, rendered for @p devicePixelRatio.
QPixmap bannerPixmap(const QString& word, int logicalWidth, int logicalHeight,
                     qreal devicePixelRatio = 1.0);

} // namespace trayeko::ui
