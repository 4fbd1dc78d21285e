#pragma once

#include <QColor>
#include <cstdint>

namespace trayeko::ui {

// Colours of the design are written in the layout 0x00BBGGRR (red in the lowest byte).
inline QColor fromBgr(std::uint32_t bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace trayeko::ui
