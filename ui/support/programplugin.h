#pragma once

#include <QString>

class QObject;

namespace trayeko::ui {

// The instance of one of the program's own plugins, the parts loaded only when first used (the
// growth chart's drawing, printing and SVG). It is looked for in <prefix>/lib/trayeko beside the
// installed program, then in @p buildDirectory, where the build tree made it; loaded once and
// never unloaded. Null when it cannot be loaded, with the reason in @p why.
QObject* programPlugin(const QString& fileName, const QString& buildDirectory, QString* why);

} // namespace trayeko::ui
