#pragma once

#include <functional>
#include <optional>

namespace trayeko::ui {

// Whether Num Lock is on, or nothing where the platform cannot tell.
using NumLockProbe = std::function<std::optional<bool>()>;

// Reads the keyboard's Num Lock indicator: on X11 through XKB, elsewhere nothing.
std::optional<bool> platformNumLock();

} // namespace trayeko::ui
