#include "ui/floyd/frmfloid.h"

namespace trayeko::ui {

frmFloid::frmFloid(QWidget* parent)
    : NetworkWindow(floydDrawing(), QStringLiteral("FLOID"), 8295, {169, 24}, parent)
{
    setWindowTitle(QStringLiteral("Metode Floid"));
}

} // namespace trayeko::ui
