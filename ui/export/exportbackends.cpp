#include "ui/export/exportbackends.h"

#include "ui/support/programplugin.h"

namespace trayeko::ui {

ExportBackends* exportBackends(QString* why)
{
    QObject* plugin = programPlugin(QStringLiteral(TRAYEKO_EXPORT_BACKENDS_FILE),
                                    QStringLiteral(TRAYEKO_EXPORT_BACKENDS_BUILD_DIR), why);
    auto* backends = qobject_cast<ExportBackends*>(plugin);
    if (plugin && !backends && why)
        *why = QStringLiteral("pustaka %1 bukan pencetak").arg(TRAYEKO_EXPORT_BACKENDS_FILE);
    return backends;
}

} // namespace trayeko::ui
