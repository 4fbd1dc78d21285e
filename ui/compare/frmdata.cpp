#include "ui/compare/frmdata.h"

namespace trayeko::ui {

frmData::frmData(QWidget* parent) : QMdiSubWindow(parent)
{
    setWindowTitle(QStringLiteral("Compare Multinode"));
}

} // namespace trayeko::ui
