#pragma once

#include <QString>
#include <span>

class QWidget;

namespace trayeko::ui {

class NetworkView;

// What a screen reader says for one control of a window, found by its objectName (an empty
// objectName stands for the window itself). A null name keeps the text the control shows, which
// is right for labels whose caption is the information; a null description leaves it alone.
struct AccessibleText
{
    const char* objectName;
    const char* name;
    const char* description = nullptr;
};

// Gives the controls below @p root their accessible names and descriptions (UTF-8 texts).
void setAccessibleTexts(QWidget* root, std::span<const AccessibleText> texts);

// Makes the drawing readable by assistive technology: registers its accessible interface, which
// lists every node and link as a child with its highlighted state and sums up the highlighted
// route in the drawing's description, and names the weight boxes ("Bobot jalur 1" ...).
void makeAccessible(NetworkView& view);

// Tells assistive technology that the named drawing element (a node "ShapeN", a link line or a
// weight box) has changed colour, and with it possibly its highlighted state.
void notifyElementChanged(NetworkView& view, const QString& elementName);

// The sentence the drawing's description gives for its highlighted elements, such as
// "Lintasan terpilih: simpul 1, 3, 5, 7 lewat jalur 2, 7, 13".
QString highlightedRouteText(const NetworkView& view);

} // namespace trayeko::ui
