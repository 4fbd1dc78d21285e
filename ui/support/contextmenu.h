#pragma once

#include <QList>

class QAction;
class QWidget;

namespace trayeko::ui {

// The parts of a context menu, in the order they are listed; each feature names its own, so the
// menu reads the same whatever order the features were installed in.
enum class MenuSection
{
    Picture,  // copy, save and print the picture
    Listing,  // copy a listing, save the matrices or a table as CSV
    Steps,    // step mode
    Exercise, // exercises: start one, a new one, one by its code, the default weights
    View,     // other views of the window: the projector view, the network, the growth chart
    Edit,     // editing the network drawn: undo, redo, remove, rename, its ends, its layout
};

// Puts @p actions into the context menu of @p widget: after the entries of their own and earlier
// sections, before those of later ones, set apart from the neighbouring sections by a separator.
void addMenuEntries(QWidget* widget, MenuSection section, const QList<QAction*>& actions);

} // namespace trayeko::ui
