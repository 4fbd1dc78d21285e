#pragma once

#include "ui/ownnetwork/ownnetworkfiles.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QMdiArea;
class QMenu;
class QMenuBar;

namespace trayeko::ui {

class OwnNetworkWindow;

// The menu "&Jaringan" and the "Jaringan Sendiri" windows of a document area: a new network,
// files opened (each once: opening a file that is open already brings its window forward),
// saved in the file's own format, the examples that ship with the program, a table pasted from a
// spreadsheet, and DOT for Graphviz. Several windows may be open, one per network; the save
// entries act on the active one.
class OwnNetworks final : public QObject
{
    Q_OBJECT

public:
    // Adds the menu to @p menuBar (after what it holds) for the windows of @p area.
    OwnNetworks(QMdiArea* area, QMenuBar* menuBar, QObject* parent);

    QMenu* menu() const { return m_menu; }

    OwnNetworkWindow* newNetwork();
    // Asks for a file and opens it.
    void open();
    // Opens @p path in a window of its own, or brings forward the window that shows it already;
    // null, after saying why, where the file is refused (every window stays as it was).
    OwnNetworkWindow* openFile(const QString& path);
    // Example @p index of exampleNetworks(), as a new network without a file.
    OwnNetworkWindow* openExample(int index);
    // The text of the clipboard read as a table (a matrix or a list of links), in a new window.
    OwnNetworkWindow* pasteTable();
    void save();
    void saveAs();
    void exportDot();

    // Asks about every window's unsaved changes; false where the user chose "Batal" (or a save
    // failed): the program then stays open.
    bool closeAll();

    OwnNetworkWindow* activeWindow() const;
    // The window that shows the file @p path; null where none does.
    OwnNetworkWindow* windowOf(const QString& path) const;
    QList<OwnNetworkWindow*> windows() const;

    void setSeams(OwnNetworkSeams seams);

signals:
    void windowAdded(trayeko::ui::OwnNetworkWindow* window);

private:
    OwnNetworkWindow* addWindow();
    // Shows @p window, active, with the focus in its drawing.
    void present(OwnNetworkWindow* window);
    void updateActions();
    void refuse(const QString& text);

    QMdiArea* m_area;
    QMenu* m_menu = nullptr;
    QList<QAction*> m_windowActions; // enabled while an own-network window is active
    OwnNetworkSeams m_seams;
    QString m_lastFolder;
};

} // namespace trayeko::ui
