#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QTabWidget;
class QTextBrowser;

namespace trayeko::ui {

// The help window "Bantuan Trayeko": the teachers' guide in Indonesian (and, one click away, in
// English) as it ships inside the program, the keys of every window, and "Tentang Trayeko" with
// the version, the licence and the Qt version. A main window and not a plain widget made
// top-level: Qt's accessibility gives a plain QWidget the role of an anonymous grouping even when
// it is a window, and a screen reader then neither announces it nor lists it among the windows.
class HelpWindow final : public QMainWindow
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the Indonesian guide (the default) or the English one.
    void showGuide(bool english);

    QTextBrowser* guide() const { return m_guide; }

private:
    QTabWidget* m_tabs = nullptr;
    QLabel* m_languageLinks = nullptr;
    QTextBrowser* m_guide = nullptr;
    QTextBrowser* m_keys = nullptr;
    QTextBrowser* m_about = nullptr;
};

// Opens the program's one help window, or brings it to the front, and returns it. It belongs to
// the top-level window of @p from, so it closes with the program.
HelpWindow* showHelp(QWidget* from);

// F1 anywhere in the program, also in a tool window or in the help window itself, opens help:
// an application-wide shortcut owned by @p window, which should be the main window.
QAction* installHelpAction(QWidget* window);

} // namespace trayeko::ui
