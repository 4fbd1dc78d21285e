#pragma once

#include "ui/common/networkwindow.h"

namespace trayeko::ui {

// The Dijkstra window "Trayeko 2003".
class frmTrayeko final : public NetworkWindow
{
    Q_OBJECT

public:
    explicit frmTrayeko(QWidget* parent = nullptr);
};

} // namespace trayeko::ui
