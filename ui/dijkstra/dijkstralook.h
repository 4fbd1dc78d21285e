#pragma once

#include "ui/widgets/textfit.h"

#include <QColor>
#include <QFont>

namespace trayeko::ui {

// The Dijkstra window's look, shared by the window and its detail panel: captions bold, in
// its dark red.
inline const QColor kDijkstraDarkRed(128, 0, 0);

// The window's width with the detail panel closed, frame included.
inline constexpr int kClosedWidthTwips = 9225;

// A result box gives way this far before its text no longer fits whole.
inline constexpr FitLimits kResultBoxLimits{8, 60};

inline QFont boldFont(const QFont& base, int pixelSize)
{
    QFont f = base;
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

} // namespace trayeko::ui
