#pragma once

namespace trayeko::ui {

// Font sizes of the design are in points at 96 dpi; pixel sizes keep them exact on every screen.
inline constexpr int kPx825 = 11; // 8.25 pt
inline constexpr int kPx975 = 13; // 9.75 pt
inline constexpr int kPx18 = 24;  // 18 pt
inline constexpr int kPx24 = 32;  // 24 pt

} // namespace trayeko::ui
