#pragma once

#include <QWidget>

namespace trayeko::ui {

// A window the user opens from a menu or a button and closes again. Closing it unloads it: the
// next opening builds it afresh from its defaults, and nothing of a closed window stays behind.
inline void makeToolWindow(QWidget* window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
}

} // namespace trayeko::ui
