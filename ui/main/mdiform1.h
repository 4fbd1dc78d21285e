#pragma once

#include <QMainWindow>

namespace trayeko::ui {

// The frame window: menu "&File", four-panel status bar, and the tool windows as MDI children.
class MDIForm1 final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MDIForm1(QWidget* parent = nullptr);
};

} // namespace trayeko::ui
