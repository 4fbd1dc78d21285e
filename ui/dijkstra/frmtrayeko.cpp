#include "ui/dijkstra/frmtrayeko.h"

namespace trayeko::ui {

frmTrayeko::frmTrayeko(QWidget* parent)
    : NetworkWindow(dijkstraDrawing(), QStringLiteral("TRAYEKO"), 11655, {161, 22}, parent)
{
    setWindowTitle(QStringLiteral("Trayeko 2003"));
}

} // namespace trayeko::ui
