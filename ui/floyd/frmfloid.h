#pragma once

#include "ui/common/networkwindow.h"

namespace trayeko::ui {

// The Floyd window "Metode Floid".
class frmFloid final : public NetworkWindow
{
    Q_OBJECT

public:
    explicit frmFloid(QWidget* parent = nullptr);
};

} // namespace trayeko::ui
