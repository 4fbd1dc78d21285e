#pragma once

#include <QMdiSubWindow>

namespace trayeko::ui {

// The comparison window "Compare Multinode".
class frmData final : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit frmData(QWidget* parent = nullptr);
};

} // namespace trayeko::ui
