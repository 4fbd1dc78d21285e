#pragma once

#include "core/demonetwork.h"
#include "core/routes.h"
#include "ui/drawing/networkwindow.h"
#include "ui/support/seams.h"
#include "ui/widgets/resultstrip.h"

#include <QSize>
#include <array>
#include <optional>
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
class StepMode;

class DijkstraWindow final : public NetworkWindow
{
    Q_OBJECT

public:
    explicit DijkstraWindow(QWidget* parent = nullptr);

    void setMessageBox(MessageBoxFn messageBox) { m_messageBox = std::move(messageBox); }

    // Step mode (F10), for the frame's lesson panel.
    StepMode* stepMode() const { return m_steps; }

    // One tick of m_blinkTimer: the total's text alternates between yellow and the label's own red
    // on the screen; from the first tick on, every picture of the window shows it yellow.
    void blink();

    // Opens the detail panel by widening the window, or closes it again.
    void toggleDetail();

    // The run started by "&Proses..." (or Enter).
    void runDijkstra();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    StepMode* m_steps = nullptr;
    void buildControls();
    void buildDetailPanel();
    void buildTotalBoxes();
    void arrangeTabOrder();
    void open();

    using RouteTotals = std::array<std::string, kRouteCount>;
    void showChosenRoute(int routeNumber, const LinkWeights& weights, const RouteTotals& totals,
                         const std::string& separator);
    void fillDetailTable(const LinkWeights& weights, const RouteTotals& totals,
                         const std::string& separator);
    void showRouteWeightsOnDrawing();
    void fillNodeLabels(const LinkWeights& weights, const std::string& separator);

    QLabel* m_detailToggle = nullptr;
    QLabel* m_routeWeightsLabel = nullptr;
    QLabel* m_totalLabel = nullptr;
    QLabel* m_elapsedLabel = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QPushButton* m_runButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QLabel* m_detailCaption = nullptr;
    QPlainTextEdit* m_detailTable = nullptr;
    QLabel* m_routeNumberLabel = nullptr;
    QLineEdit* m_routeWeightsBox = nullptr;
    QLabel* m_routeNodesCaption = nullptr;
    QLineEdit* m_routeNodesBox = nullptr;
    QLabel* m_nodeLabelsCaption = nullptr;
    QLabel* m_nodeLabelsHeader = nullptr;
    std::array<QLineEdit*, kNodeCount> m_nodeLabels{};
    std::array<QLineEdit*, kRouteCount> m_totalBoxes{};
    std::array<QLabel*, kRouteCount> m_totalBoxCaptions{}; // Label8 ... Label24
    QTimer* m_blinkTimer = nullptr;
    std::optional<ResultStrip> m_resultStrip;

    MessageBoxFn m_messageBox = criticalMessageBox();
    bool m_placed = false;
};

} // namespace trayeko::ui
