#pragma once

#include <span>

class QWidget;

namespace trayeko::ui {

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

} // namespace trayeko::ui
