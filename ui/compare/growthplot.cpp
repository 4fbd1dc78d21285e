#include "ui/compare/growthplot.h"

#include "ui/support/programplugin.h"

namespace trayeko::ui {

GrowthPlotFactory* growthPlotFactory(QString* why)
{
    QObject* plugin = programPlugin(QStringLiteral(TRAYEKO_GROWTH_PLOT_FILE),
                                    QStringLiteral(TRAYEKO_GROWTH_PLOT_BUILD_DIR), why);
    auto* factory = qobject_cast<GrowthPlotFactory*>(plugin);
    if (plugin && !factory && why)
        *why = QStringLiteral("pustaka %1 bukan grafik").arg(TRAYEKO_GROWTH_PLOT_FILE);
    return factory;
}

} // namespace trayeko::ui
