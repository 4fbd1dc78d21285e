#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace trayeko::ui {

// The program's pictures are painted in code, so they stay crisp at every scale factor.

// The 32 x 32 program icon (also available at larger sizes through the QIcon).
QIcon programIcon();

// A banner word in red, striped ornamental capitals on white, @p logicalWidth x @p logicalHeight
// logical pixels, rendered for @p devicePixelRatio.
QPixmap bannerPixmap(const QString& word, int logicalWidth, int logicalHeight,
                     qreal devicePixelRatio = 1.0);

} // namespace trayeko::ui
