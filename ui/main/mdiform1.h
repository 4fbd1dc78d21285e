#pragma once

#include "ui/main/numlock.h"

#include <QDateTime>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <optional>

class QAction;
class QEvent;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStatusBar;
class QTimer;

namespace trayeko::ui {

class frmTrayeko;
class frmFloid;
class frmData;

// Where the frame reads the date and time of day and the Num Lock state. Tests put in their own
// so that nothing depends on the machine's clock or keyboard.
struct FrameSources
{
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    NumLockProbe numLock = platformNumLock;
};

// The frame window: menu "&File", four-panel status bar, and the tool windows as MDI children.
//
// Status bar StatusBar1 panels (QLabel objectNames, left to right):
//   "Panel1"  the word "Status"
//   "Panel2"  the date written at load + " Indonesia", tool tip "Tanggal Sekarang"
//   "Panel3"  the running time of day + " WIB", tool tip "Jam Sekarang"
//   "Panel4"  "NUM" while Num Lock is on (blank where the platform cannot tell)
class MDIForm1 final : public QMainWindow
{
    Q_OBJECT

public:
    explicit MDIForm1(QWidget* parent = nullptr);
    explicit MDIForm1(FrameSources sources, QWidget* parent = nullptr);
    ~MDIForm1() override;

    // Milliseconds from @p now until just after the next second boundary: when the clock panel
    // next needs rewriting.
    static int msecsToNextTick(QTime now);

    // The date and time texts of the panels in the regional formats of the default QLocale:
    // the short date with a four-digit year, the time of day with seconds.
    static QString dateText(const QDate& date);
    static QString timeText(const QTime& time);

    QMdiArea* mdiArea() const { return area_; }

protected:
    bool event(QEvent* event) override;

private:
    void showDijkstra();
    void showFloyd();
    void showCompare();
    template <class Window> void showToolWindow(QPointer<Window>& slot);
    void endProgram();
    void tick();

    FrameSources sources_;
    QMdiArea* area_ = nullptr;

    QMenu* mnufile = nullptr;
    QAction* mnudijktra = nullptr;
    QAction* mnufloyd = nullptr;
    QAction* mnucompare = nullptr;
    QAction* mnukeluar = nullptr;

    QStatusBar* StatusBar1 = nullptr;
    QLabel* panel1_ = nullptr;
    QLabel* panel2_ = nullptr;
    QLabel* panel3_ = nullptr;
    QLabel* panel4_ = nullptr;
    QTimer* Timer1 = nullptr;

    QPointer<frmTrayeko> frmTrayeko_;
    QPointer<frmFloid> frmFloid_;
    QPointer<frmData> frmData_;
};

} // namespace trayeko::ui
