#pragma once

#include <QRect>
#include <cmath>

namespace trayeko::ui {

// Layouts are designed in twips; at 96 dpi 15 twips make one logical pixel, and Qt scales
// logical pixels for HiDPI screens.
inline constexpr int kTwipsPerPixel = 15;

inline int px(int twips)
{
    return int(std::lround(double(twips) / kTwipsPerPixel));
}

inline int twips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

// A control's place as designed (left, top, width, height in twips) in logical pixels; each of
// the four is rounded on its own, as the design's controls were placed.
inline QRect pxRect(const QRect& twipsRect)
{
    return {px(twipsRect.x()), px(twipsRect.y()), px(twipsRect.width()), px(twipsRect.height())};
}

} // namespace trayeko::ui
