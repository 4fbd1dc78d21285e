#pragma once

#include "core/timing.h"
#include "ui/compare/growthchartwindow.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace trayeko::ui {

class ScenarioNetworkWindow;

// The comparison window "Compare Multinode": a network size chosen in m_sizeCombo searches that
// size's network with both methods, each timed alone, and shows their reports one under the
// other; m_dijkstraOnlySizeCombo, which lies outside the visible client area and is reached only
// with the keyboard, reruns the Dijkstra side alone. The context menu draws the network with the
// reported route ("Lihat jaringan") and opens the chart of how the search time grows with the
// network ("Grafik waktu...").
//
// The window deletes itself when closed, so the next opening starts from its design state.
class CompareWindow final : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit CompareWindow(QWidget* parent = nullptr);
    ~CompareWindow() override;

    void setClock(PreciseClock clock) { m_clock = std::move(clock); }
    void setGrowthSeams(GrowthSeams seams) { m_growthSeams = std::move(seams); }

    // The network of the last report with its route, in a window of its own.
    void showNetwork();
    // The growth chart; it starts measuring when it opens.
    void showGrowthChart();

protected:
    void changeEvent(QEvent* event) override;

private:
    class Reports;

    void buildControls();
    void fixOuterSize();
    void chooseDijkstra(int index);
    void chooseBoth(int index);
    void reported(int index, std::vector<int> route);
    void addToSubwindows(QMdiSubWindow* window, bool fit);

    QWidget* m_client = nullptr;
    QFrame* m_mainFrame = nullptr;
    QLabel* m_titleLabel = nullptr;
    QFrame* m_sizeFrame = nullptr;
    QLabel* m_sizeCaption = nullptr;
    QComboBox* m_sizeCombo = nullptr;
    QLabel* m_dijkstraCaption = nullptr;
    QPlainTextEdit* m_dijkstraReport = nullptr;
    QProgressBar* m_dijkstraProgress = nullptr;
    QLabel* m_floydCaption = nullptr;
    QPlainTextEdit* m_floydReport = nullptr;
    QProgressBar* m_floydProgress = nullptr;
    QPushButton* m_closeButton = nullptr;
    QFrame* m_dijkstraOnlyFrame = nullptr;
    QLabel* m_dijkstraOnlySizeCaption = nullptr;
    QComboBox* m_dijkstraOnlySizeCombo = nullptr;

    QAction* m_showNetwork = nullptr;
    QAction* m_showGrowth = nullptr;

    std::unique_ptr<Reports> m_reports;
    PreciseClock m_clock = readPreciseClock;
    GrowthSeams m_growthSeams;
    int m_reportedIndex = -1;
    std::vector<int> m_reportedRoute;
    QPointer<ScenarioNetworkWindow> m_networkWindow;
    QPointer<GrowthChartWindow> m_growthWindow;
};

} // namespace trayeko::ui
