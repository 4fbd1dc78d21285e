#include "ui/compare/growthplot.h"

#include "ui/support/programplugin.h"

namespace trayeko::ui {

GrowthPlotFactory* growthPlotFactory(QString* why)
{
    return programPlugin<GrowthPlotFactory>(QStringLiteral(TRAYEKO_GROWTH_PLOT_FILE),
                                            QStringLiteral(TRAYEKO_GROWTH_PLOT_BUILD_DIR), why);
}

} // namespace trayeko::ui
