// The growth chart drawn with Qt Charts, as a plugin that the comparison loads on first use.
#include "ui/compare/growthplot.h"

#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QObject>

namespace trayeko::ui {

namespace {

// The chart's view. It asks for no more than its minimum, so that the window around it decides
// its size; and where it is too narrow for the four legend entries side by side under the chart
// (a classroom laptop at scale factor 2), the legend stands to the right, one entry under another.
class ChartView final : public QChartView
{
public:
    ChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {}

    QSize sizeHint() const override { return minimumSize(); }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        constexpr int kLegendBelowFrom = 760;
        const Qt::Alignment side = width() >= kLegendBelowFrom ? Qt::AlignBottom : Qt::AlignRight;
        if (chart()->legend()->alignment() != side)
            chart()->legend()->setAlignment(side);
        QChartView::resizeEvent(event);
    }
};

class ChartsGrowthPlot final : public GrowthPlot
{
public:
    ChartsGrowthPlot(const QString& title, QWidget* parent)
    {
        auto* chart = new QChart;
        chart->setTitle(title);
        chart->setLocalizeNumbers(true);
        chart->setLocale(QLocale());
        // Each entry on two lines, name and slope, so that four fit side by side under the chart.
        chart->legend()->setAlignment(Qt::AlignBottom);
        m_view = new ChartView(chart, parent);
        m_view->setRenderHint(QPainter::Antialiasing);
    }

    QWidget* view() const override { return m_view; }
    QChart* chart() const override { return m_view->chart(); }

    void show(const QList<PlotCurve>& curves, const LogAxis& x, const LogAxis& y) override
    {
        QChart* c = chart();
        c->removeAllSeries();
        for (QAbstractAxis* axis : c->axes())
            c->removeAxis(axis);
        QLogValueAxis* xAxis = addAxis(x, Qt::AlignBottom);
        QLogValueAxis* yAxis = addAxis(y, Qt::AlignLeft);
        for (const PlotCurve& curve : curves) {
            auto* series = new QLineSeries;
            series->setObjectName(curve.objectName);
            series->append(curve.points);
            series->setName(curve.name);
            series->setPen(QPen(curve.colour, 2));
            series->setPointsVisible(true);
            c->addSeries(series);
            series->attachAxis(xAxis);
            series->attachAxis(yAxis);
        }
        // Only now: attaching a series fits the axes to it.
        setRange(xAxis, x);
        setRange(yAxis, y);
    }

    QRectF plotArea() const override
    {
        if (chart()->series().isEmpty())
            return {};
        return toView(chart()->mapToScene(chart()->plotArea())).boundingRect();
    }

    QPointF position(QPointF value) const override
    {
        const QList<QAbstractSeries*> series = chart()->series();
        if (series.isEmpty())
            return {};
        const QPointF inChart = chart()->mapToPosition(value, series.first());
        return toView(chart()->mapToScene(QPolygonF{inChart})).first();
    }

private:
    // Scene coordinates to the view's own (not its viewport's).
    QPolygonF toView(const QPolygonF& scene) const
    {
        QPolygonF out;
        for (const QPointF& p : scene)
            out << QPointF(m_view->viewport()->mapTo(m_view, m_view->mapFromScene(p)));
        return out;
    }

    QLogValueAxis* addAxis(const LogAxis& axis, Qt::Alignment side)
    {
        auto* a = new QLogValueAxis;
        a->setBase(axis.base);
        // The values are whole numbers: labels need neither decimals nor an exponent.
        a->setLabelFormat(QStringLiteral("%.0f"));
        a->setTitleText(axis.title);
        chart()->addAxis(a, side);
        return a;
    }

    static void setRange(QLogValueAxis* a, const LogAxis& axis)
    {
        if (axis.low < axis.high)
            a->setRange(axis.low, axis.high);
    }

    QChartView* m_view;
};

class ChartsGrowthPlotFactory final : public QObject, public GrowthPlotFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TRAYEKO_GROWTH_PLOT_IID)
    Q_INTERFACES(trayeko::ui::GrowthPlotFactory)

public:
    std::unique_ptr<GrowthPlot> create(const QString& title, QWidget* parent) const override
    {
        return std::make_unique<ChartsGrowthPlot>(title, parent);
    }
};

} // namespace

} // namespace trayeko::ui

#include "chartsgrowthplot.moc"
