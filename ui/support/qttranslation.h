#pragma once

namespace trayeko::ui {

// Installs the Indonesian translation of Qt's own texts that the program shows (the file and
// print dialogs, the print preview, message box buttons, context menus, the tool windows' menu),
// whatever the user's locale: every other text of the program is Indonesian, and Qt ships no
// Indonesian of its own. Needs the application object; false where the translation is missing.
bool useIndonesianQtTexts();

} // namespace trayeko::ui
