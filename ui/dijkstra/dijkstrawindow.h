#pragma once

#include "core/demonetwork.h"
#include "core/routes.h"
#include "ui/drawing/networkwindow.h"
#include "ui/support/seams.h"
#include "ui/widgets/resultstrip.h"
#include "ui/widgets/resultveil.h"

#include <QSize>
#include <array>
#include <optional>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace trayeko::ui {

class DetailPanel;
class Exercise;
class StepMode;

// The Dijkstra window "Trayeko 2003": the drawn network with its weight boxes, the run that
// evaluates the seventeen routes from node 1 to node 7 and highlights the shortest, the blinking
// total, and the detail panel on the right (DetailPanel) that the window widens to show.
class DijkstraWindow final : public NetworkWindow
{
    Q_OBJECT

public:
    // When the detail panel, closed on opening, gets its controls: with the window, or once the
    // drawing has been painted the first time (in the next pass of the event loop), so that the
    // program's first frame does not wait for them. Either way a run or the toggle makes them
    // at once if they are still missing.
    enum class PanelBuild
    {
        withWindow,
        afterFirstPaint
    };

    explicit DijkstraWindow(QWidget* parent = nullptr, PanelBuild panel = PanelBuild::withWindow);

    // Gives the detail panel its controls now, if it has not got them yet.
    void buildDetailPanel();

    void setMessageBox(MessageBoxFn messageBox) { m_messageBox = std::move(messageBox); }

    StepMode* stepMode() const override { return m_steps; }
    Exercise* exercise() const override { return m_exercise; }

    // One tick of m_blinkTimer: the total's text alternates between yellow and the label's own red
    // on the screen; from the first tick on, every picture of the window shows it yellow.
    void blink();

    // Opens the detail panel by widening the window, or closes it again.
    void toggleDetail();

    // The run started by "&Proses..." (or Enter); a run ends a running exercise first.
    void runDijkstra();

    // The weights of the result on the screen; none before the first run.
    const std::optional<LinkWeights>& runWeights() const { return m_runWeights; }

private:
    StepMode* m_steps = nullptr;
    Exercise* m_exercise = nullptr;
    void buildControls();
    QWidget* arrangeTabOrder(); // answers the last weight box
    void open();

    using RouteTotals = std::array<std::string, kRouteCount>;
    void showChosenRoute(int routeNumber, const LinkWeights& weights, const RouteTotals& totals,
                         const std::string& separator);
    void showRouteWeightsOnDrawing();
    // While the exercise runs, no result of an earlier run is in sight: the total and its
    // blinking, the route's weights on the drawing, the elapsed time and the detail panel's
    // contents; leaving gives them back as they were.
    void veilResults();
    void liftResults();

    DetailPanel* m_detail = nullptr;
    QLabel* m_routeWeightsLabel = nullptr;
    QLabel* m_totalLabel = nullptr;
    QLabel* m_elapsedLabel = nullptr;
    QProgressBar* m_progressBar = nullptr;
    QPushButton* m_runButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QTimer* m_blinkTimer = nullptr;
    std::optional<ResultStrip> m_resultStrip;
    std::optional<LinkWeights> m_runWeights;
    ResultVeil m_veil;
    bool m_blinkingVeiled = false;

    MessageBoxFn m_messageBox = criticalMessageBox();
};

} // namespace trayeko::ui
