#include "ui/main/numlock.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

// Xlib's headers define macros (None, Bool, Status, ...) that clash with Qt's names, so they stay
// in this file alone.
#if defined(TRAYEKO_HAVE_XKB) && QT_CONFIG(xcb)
#include <X11/XKBlib.h>
#define TRAYEKO_USE_XKB 1
#endif

namespace trayeko::ui {

std::optional<bool> platformNumLock()
{
#ifdef TRAYEKO_USE_XKB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;

    // The indicator is looked up by name: its index differs between keyboard maps.
    static Display* atomDisplay = nullptr;
    static Atom numLockAtom = 0;
    if (atomDisplay != display) {
        numLockAtom = XInternAtom(display, "Num Lock", False);
        atomDisplay = display;
    }
    int index = 0;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, numLockAtom, &index, &on, nullptr, nullptr))
        return std::nullopt;
    return on != False;
#else
    return std::nullopt;
#endif
}

} // namespace trayeko::ui
