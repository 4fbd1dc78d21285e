#include "ui/support/programplugin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPluginLoader>
#include <algorithm>

namespace trayeko::ui {

QObject* programPluginInstance(const QString& fileName, const QString& buildDirectory, QString* why)
{
    struct Loaded
    {
        QObject* instance = nullptr;
        QString failure;
    };
    static QHash<QString, Loaded> plugins;
    auto found = plugins.find(fileName);
    if (found == plugins.end()) {
        Loaded loaded;
        const QStringList places = {QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/../lib/trayeko/") + fileName,
                                    buildDirectory + QLatin1Char('/') + fileName};
        const auto place = std::find_if(places.begin(), places.end(),
                                        [](const QString& p) { return QFileInfo::exists(p); });
        if (place == places.end()) {
            loaded.failure = QStringLiteral("pustaka %1 tidak ditemukan").arg(fileName);
        } else {
            // The loader may go: without unload() the library stays, and so does its instance.
            QPluginLoader loader(QDir::cleanPath(*place));
            loaded.instance = loader.instance();
            if (!loaded.instance)
                loaded.failure = loader.errorString();
        }
        found = plugins.insert(fileName, loaded);
    }
    if (!found->instance && why)
        *why = found->failure;
    return found->instance;
}

} // namespace trayeko::ui
