#include "ui/common/artwork.h"

namespace trayeko::ui {

QIcon programIcon()
{
    return {};
}

QPixmap bannerPixmap(const QString&, int logicalWidth, int logicalHeight, qreal)
{
    QPixmap p(logicalWidth, logicalHeight);
    p.fill(Qt::white);
    return p;
}

} // namespace trayeko::ui
