#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QtPlugin>
#include <memory>

class QChart;
class QWidget;

namespace trayeko::ui {

// One curve of the growth chart: its points in chart units and its legend entry.
struct PlotCurve
{
    QString objectName;
    QString name;
    QColor colour;
    QList<QPointF> points;
};

// A logarithmic axis; an empty range (low = high) leaves the range to the chart.
struct LogAxis
{
    QString title;
    double base = 10;
    double low = 0;
    double high = 0;
};

// The drawing of the growth chart, made with Qt Charts. It lives in a plugin loaded when the first
// chart opens: Qt Charts and the OpenGL libraries it needs cost every start about a millisecond
// and a mebibyte, for a window few lessons open.
class GrowthPlot
{
public:
    virtual ~GrowthPlot() = default;
    // The chart's widget, a child of the parent it was made in.
    virtual QWidget* view() const = 0;
    virtual QChart* chart() const = 0;
    // Replaces the curves and axes shown.
    virtual void show(const QList<PlotCurve>& curves, const LogAxis& x, const LogAxis& y) = 0;
    // Where the curves are drawn, and where a point in chart units lies, in view() coordinates
    // (for a screen reader's places); an empty rectangle and a null point before show().
    virtual QRectF plotArea() const = 0;
    virtual QPointF position(QPointF value) const = 0;
};

class GrowthPlotFactory
{
public:
    virtual ~GrowthPlotFactory() = default;
    // An empty chart titled @p title inside @p parent.
    virtual std::unique_ptr<GrowthPlot> create(const QString& title, QWidget* parent) const = 0;
};

// The plugin's factory, loaded on the first call; null when the plugin cannot be loaded, with the
// reason in @p why.
GrowthPlotFactory* growthPlotFactory(QString* why);

} // namespace trayeko::ui

#define TRAYEKO_GROWTH_PLOT_IID "org.trayeko.GrowthPlotFactory/2"
Q_DECLARE_INTERFACE(trayeko::ui::GrowthPlotFactory, TRAYEKO_GROWTH_PLOT_IID)
