#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace trayeko::ui {
class MDIForm1;
class frmTrayeko;
class frmFloid;
class frmData;
} // namespace trayeko::ui

namespace trayeko::bench {

// Drives the real windows the way a user does, through their menu entries and controls.

// Chooses a "&File" menu entry by its objectName ("mnudijktra", "mnufloyd", "mnucompare").
void chooseMenu(ui::MDIForm1& frame, const QString& entry);

// The open (not closed) tool window of that class, or nullptr.
ui::frmTrayeko* dijkstraWindow(const ui::MDIForm1& frame);
ui::frmFloid* floydWindow(const ui::MDIForm1& frame);
ui::frmData* compareWindow(const ui::MDIForm1& frame);

QPushButton* button(const QWidget* window, const QString& name);

// Picks item @p index of Combo2 as a choice from its list does: the index changes, then the
// combo reports the activation.
void chooseScenario(ui::frmData* window, int index);

} // namespace trayeko::bench
