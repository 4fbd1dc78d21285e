#pragma once

#include <QObject>
#include <QString>

namespace trayeko::ui {

// The instance of one of the program's own plugins, the parts loaded only when first used (the
// growth chart's drawing, printing and SVG). It is looked for in <prefix>/lib/trayeko beside the
// installed program, then in @p buildDirectory, where the build tree made it; loaded once and
// never unloaded. Null when it cannot be loaded, with the reason in @p why.
QObject* programPluginInstance(const QString& fileName, const QString& buildDirectory,
                               QString* why);

// The same plugin's instance as @p Interface, null also when the file holds another plugin.
template <class Interface>
Interface* programPlugin(const QString& fileName, const QString& buildDirectory, QString* why)
{
    QObject* instance = programPluginInstance(fileName, buildDirectory, why);
    auto* plugin = qobject_cast<Interface*>(instance);
    if (instance && !plugin && why)
        *why = QStringLiteral("pustaka %1 tidak cocok dengan program ini").arg(fileName);
    return plugin;
}

} // namespace trayeko::ui
