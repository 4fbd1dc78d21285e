#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace trayeko::ui {
class MainWindow;
class DijkstraWindow;
class FloydWindow;
class CompareWindow;
} // namespace trayeko::ui

namespace trayeko::bench {

// Drives the real windows the way a user does, through their menu entries and controls.

// Chooses a "&File" menu entry by its objectName ("mnudijktra", "mnufloyd", "mnucompare").
void chooseMenu(ui::MainWindow& frame, const QString& entry);

// The open (not closed) tool window of that class, or nullptr.
ui::DijkstraWindow* dijkstraWindow(const ui::MainWindow& frame);
ui::FloydWindow* floydWindow(const ui::MainWindow& frame);
ui::CompareWindow* compareWindow(const ui::MainWindow& frame);

QPushButton* button(const QWidget* window, const QString& name);

// Picks item @p index of Combo2 as a choice from its list does: the index changes, then the
// combo reports the activation.
void chooseScenario(ui::CompareWindow* window, int index);

} // namespace trayeko::bench
