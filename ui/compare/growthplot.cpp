#include "ui/compare/growthplot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace trayeko::ui {

GrowthPlotFactory* growthPlotFactory(QString* why)
{
    // Loaded once and never unloaded: the charts made by it live as long as their windows.
    static GrowthPlotFactory* factory = nullptr;
    static QString failure;
    static bool tried = false;
    if (!tried) {
        tried = true;
        const QString file = QStringLiteral(TRAYEKO_GROWTH_PLOT_FILE);
        // Installed beside the program's own libraries; else where the build tree made it.
        const QStringList places = {QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/../lib/trayeko/") + file,
                                    QStringLiteral(TRAYEKO_GROWTH_PLOT_BUILD_DIR "/") + file};
        const auto found = std::find_if(places.begin(), places.end(),
                                        [](const QString& p) { return QFileInfo::exists(p); });
        if (found == places.end()) {
            failure = QStringLiteral("pustaka %1 tidak ditemukan").arg(file);
        } else {
            QPluginLoader loader(QDir::cleanPath(*found));
            factory = qobject_cast<GrowthPlotFactory*>(loader.instance());
            if (!factory)
                failure = loader.errorString();
        }
    }
    if (!factory && why)
        *why = failure;
    return factory;
}

} // namespace trayeko::ui
