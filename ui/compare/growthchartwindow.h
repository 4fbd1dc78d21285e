#pragma once

#include "core/growth.h"
#include "ui/compare/growthplot.h"

#include <QFutureWatcher>
#include <QMdiSubWindow>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QChart;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace trayeko::ui {

class ClassroomActions;

// What the growth chart measures with; tests give a few small sizes and a clock of their own.
struct GrowthSeams
{
    std::vector<int> sizes = growthSizes();
    PreciseClock clock = readPreciseClock;
    int slopeFromNodes = kSlopeFromNodes;
    // Where the chart's drawing comes from; without it the window measures and says why no chart.
    std::function<GrowthPlotFactory*(QString* why)> plot = growthPlotFactory;
};

// The window "Grafik waktu": the time of one search against the number of nodes, on logarithmic
// axes, for Dijkstra from node 1, Dijkstra from every node, Floyd–Warshall and Bellman–Ford, each
// curve's fitted slope in the legend, and on a second tab the measured numbers as a table. A
// screen reader reads the chart's title, axes and curves with their slopes as the chart's
// children. It measures as soon as it opens, on a worker thread, with a progress bar and
// "Batal"; the window stays usable meanwhile. The context menu copies, saves and prints the
// chart and saves the measured rows as CSV.
class GrowthChartWindow final : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit GrowthChartWindow(GrowthSeams seams = {}, QWidget* parent = nullptr);
    // Asks a running measurement to stop and waits for it: the worker checks between batches.
    ~GrowthChartWindow() override;

    // The chart at the size it reads best at; whoever opens the window bounds it to its area.
    QSize sizeHint() const override;

    const std::vector<GrowthRow>& rows() const { return m_rows; }
    bool measuring() const { return m_watcher.isRunning(); }
    QChart* chart() const;
    // What the chart shows, as a screen reader is told it: title, axes and curves (none before
    // the measurement ends), and where the plugin drew them (null without it).
    const QString& title() const { return m_title; }
    const LogAxis& xAxis() const { return m_x; }
    const LogAxis& yAxis() const { return m_y; }
    const QList<PlotCurve>& curves() const { return m_curves; }
    const GrowthPlot* plot() const { return m_plot.get(); }

    void cancel();

signals:
    void measured();

private:
    void showProgress(int done, int total);
    void showRows();

    GrowthSeams m_seams;
    QWidget* m_client = nullptr;
    std::unique_ptr<GrowthPlot> m_plot; // null when the plugin could not be loaded
    QWidget* m_chartView = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTableWidget* m_table = nullptr; // the measured rows, as the CSV has them
    QString m_title;
    LogAxis m_x;
    LogAxis m_y;
    QList<PlotCurve> m_curves;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancelButton = nullptr;
    ClassroomActions* m_actions = nullptr;
    std::shared_ptr<std::atomic<bool>> m_cancelled = std::make_shared<std::atomic<bool>>(false);
    QFutureWatcher<std::vector<GrowthRow>> m_watcher;
    std::vector<GrowthRow> m_rows;
};

} // namespace trayeko::ui
