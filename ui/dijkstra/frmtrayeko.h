#pragma once

#include "core/demonetwork.h"
#include "core/routes.h"
#include "ui/common/networkwindow.h"
#include "ui/common/seams.h"

#include <QSize>
#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace trayeko::ui {

// The Dijkstra window "Trayeko 2003": the drawn network with its weight boxes, the run that
// evaluates the seventeen routes from node 1 to node 7 and highlights the shortest, the blinking
// total, and the detail panel on the right that the window widens to show.
class frmTrayeko final : public NetworkWindow
{
    Q_OBJECT

public:
    explicit frmTrayeko(QWidget* parent = nullptr);

    void setMessageBox(MessageBoxFn messageBox) { messageBox_ = std::move(messageBox); }

    // Places the window in the middle of the screen for its current size: the document area of
    // the main window when it lives in one, the primary screen otherwise. The top-left corner
    // never goes negative, so the title bar stays reachable on a small screen.
    void centreOnScreen();

    // One tick of Timer1: the total's text alternates between yellow and the label's own red.
    void blink();

    // Opens the detail panel by widening the window, or closes it again.
    void toggleDetail();

    // The run started by "&Proses..." (or Enter).
    void proses();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildDetailPanel();
    void buildTotalBoxes();
    void arrangeTabOrder();
    void open();

    void centreOnScreen(int outerWidthTwips, int outerHeightTwips);
    QSize screenSizeTwips() const;

    LinkWeights readWeights() const;
    std::array<std::string, kRouteCount> totalTexts() const;
    void showChosenRoute(int routeNumber, const LinkWeights& weights, const std::string& separator);
    void playProgress();
    void fillDetailTable(const LinkWeights& weights, const std::string& separator);
    void fillNodeLabels(const LinkWeights& weights, const std::string& separator);

    QLabel* lbltabel = nullptr;
    QLabel* lbljalur = nullptr;
    QLabel* lbljmljarak = nullptr;
    QLabel* lblwaktu = nullptr;
    QProgressBar* proses1 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QLabel* Label27 = nullptr;
    QPlainTextEdit* Tabeldata = nullptr;
    QLabel* lblnojalur = nullptr;
    QLineEdit* txtjalur = nullptr;
    QLabel* Label28 = nullptr;
    QLineEdit* txtsimpul = nullptr;
    QLabel* Label30 = nullptr;
    QLabel* Label31 = nullptr;
    std::array<QLineEdit*, kNodeCount> txtplt{};
    std::array<QLineEdit*, kRouteCount> h{};
    std::array<QLabel*, kRouteCount> hLabels{}; // Label8 ... Label24
    std::array<QLineEdit*, kLinkCount> j{};     // the drawing's weight boxes j1 ... j14
    QTimer* Timer1 = nullptr;

    MessageBoxFn messageBox_ = criticalMessageBox();
    bool placed_ = false;
};

} // namespace trayeko::ui
