#include "ui/export/exportbackends.h"

#include "ui/support/programplugin.h"

namespace trayeko::ui {

ExportBackends* exportBackends(QString* why)
{
    return programPlugin<ExportBackends>(QStringLiteral(TRAYEKO_EXPORT_BACKENDS_FILE),
                                         QStringLiteral(TRAYEKO_EXPORT_BACKENDS_BUILD_DIR), why);
}

} // namespace trayeko::ui
