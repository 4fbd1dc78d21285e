#pragma once

#include "core/demonetwork.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <cmath>
#include <cstdint>

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

inline QPoint px(TwipPoint p)
{
    return {px(p.x), px(p.y)};
}

inline QRect pxRect(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}

// Colours in the layout 0x00BBGGRR (red in the lowest byte).
inline QColor fromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// Font sizes of the design are in points at 96 dpi; pixel sizes keep them exact on every screen.
inline constexpr int kPx825 = 11;  // 8.25 pt
inline constexpr int kPx975 = 13;  // 9.75 pt
inline constexpr int kPx18 = 24;   // 18 pt
inline constexpr int kPx24 = 32;   // 24 pt

} // namespace trayeko::ui
