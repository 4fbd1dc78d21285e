#include "ui/compare/scenarionetworkview.h"

#include "core/numbertext.h"
#include "core/scenarios.h"
#include "ui/drawing/networkaccessible.h"
#include "ui/drawing/networklayout.h"
#include "ui/drawing/networkview.h"
#include "ui/export/classroomactions.h"
#include "ui/support/palette.h"
#include "ui/support/toolwindow.h"
#include "ui/support/utf8.h"

#include <QAccessible>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <mutex>

namespace trayeko::ui {

namespace {

constexpr qreal kMargin = 36; // around the nodes
constexpr qreal kCaptionHeight = 40;
constexpr qreal kColumnSpacing = 120; // between columns of nodes, at the window's first size
constexpr qreal kRowSpacing = 95;

// The picture as a chart: its nodes first (drawn on top), then its links, each with its weight
// and whether it lies on the route shown.
class ScenarioNetworkAccessible final : public DrawingAccessible
{
public:
    explicit ScenarioNetworkAccessible(ScenarioNetworkView* view)
        : DrawingAccessible(view, QAccessible::Chart)
    {
    }

    int elementCount() const override
    {
        return view()->nodeCount() + int(view()->edges().size());
    }

    QString elementName(int index) const override
    {
        if (index < view()->nodeCount())
            return QStringLiteral("Simpul %1").arg(index + 1);
        const WeightedEdge& e = edge(index);
        return QStringLiteral("Jalur dari simpul %1 ke simpul %2").arg(e.from).arg(e.to);
    }

    QString elementDescription(int index) const override
    {
        QStringList parts;
        if (index < view()->nodeCount()) {
            if (index == 0)
                parts << QStringLiteral("simpul awal");
            else if (index + 1 == view()->nodeCount())
                parts << QStringLiteral("simpul tujuan");
        } else {
            parts << QStringLiteral("bobot ") + toQString(formatGeneral(edge(index).weight));
        }
        parts << (elementHighlighted(index) ? QStringLiteral("disorot")
                                            : QStringLiteral("tidak disorot"));
        return parts.join(QStringLiteral(", "));
    }

    QRect elementRect(int index) const override
    {
        if (index < view()->nodeCount())
            return view()->nodeRect(index + 1).toAlignedRect();
        const WeightedEdge& e = edge(index);
        const QLineF line = view()->arcLine(e.from, e.to);
        const QRectF around = QRectF(line.p1(), line.p2()).normalized();
        return (around | view()->weightBoxRect(e)).toAlignedRect();
    }

    bool elementHit(int index, QPointF p) const override
    {
        if (index < view()->nodeCount()) {
            const QRectF circle = view()->nodeRect(index + 1);
            const QPointF d = p - circle.center();
            return QPointF::dotProduct(d, d) <= circle.width() * circle.width() / 4;
        }
        const WeightedEdge& e = edge(index);
        const QLineF line = view()->arcLine(e.from, e.to);
        return view()->weightBoxRect(e).contains(p) ||
               (!line.isNull() && nearLine(p, line.p1(), line.p2()));
    }

    bool elementHighlighted(int index) const override
    {
        if (index < view()->nodeCount())
            return view()->nodeHighlighted(index + 1);
        return view()->onRoute(edge(index).from, edge(index).to);
    }

private:
    ScenarioNetworkView* view() const { return static_cast<ScenarioNetworkView*>(widget()); }
    const WeightedEdge& edge(int index) const
    {
        return view()->edges()[size_t(index - view()->nodeCount())];
    }
};

QAccessibleInterface* scenarioNetworkFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(ScenarioNetworkView::staticMetaObject.className()))
        if (auto* view = qobject_cast<ScenarioNetworkView*>(object))
            return new ScenarioNetworkAccessible(view);
    return nullptr;
}

} // namespace

ScenarioNetworkView::ScenarioNetworkView(QWidget* parent) : NetworkCanvas(parent)
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(scenarioNetworkFactory); });
    setObjectName(QStringLiteral("gambarJaringan"));
    setAccessibleName(QStringLiteral("Gambar jaringan"));
}

void ScenarioNetworkView::setNetwork(const Network& graph, const std::vector<int>& route,
                                     double distance)
{
    m_shape = generatedShape(graph.nodeCount());
    Network placed = graph;
    for (int node = 1; node <= placed.nodeCount(); ++node) {
        const NodePlace place = m_shape.place(node);
        placed.setNodePlace(node, place.column, place.row);
    }
    model().setNetwork(std::move(placed));
    m_route = route;
    m_distance = distance;
    RouteLook look;
    look.innerNodes = route;
    for (std::size_t i = 1; i < route.size(); ++i)
        if (const int k = model().network().findLink(route[i - 1], route[i]))
            look.links.push_back(k);
    look.lineColor = routeColor();
    look.boxColor = routeColor();
    if (route.empty())
        model().clearResult();
    else
        model().showResult(std::move(look));
    setAccessibleName(QStringLiteral("Jaringan %1 simpul").arg(nodeCount()));
    setAccessibleDescription(caption());
    // Another network has other nodes and links: a screen reader reads the children anew. (Qt
    // would build the interface for an event nobody hears, so only while someone listens.)
    if (QAccessible::isActive()) {
        QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
    }
    update();
}

QString ScenarioNetworkView::caption() const
{
    if (m_route.empty())
        return QStringLiteral("Belum ada lintasan yang dilaporkan");
    return QStringLiteral("Lintasan terpendek: %1 (jarak %2)")
        .arg(toQString(routeText(m_route)), toQString(formatGeneral(m_distance)));
}

QSize ScenarioNetworkView::sizeHint() const
{
    return {int(2 * kMargin + kColumnSpacing * std::max(m_shape.columnCount - 1, 1)),
            int(kCaptionHeight + 2 * kMargin + kRowSpacing * std::max(m_shape.rowCount - 1, 1))};
}

QRectF ScenarioNetworkView::plotArea() const
{
    return {kMargin, kCaptionHeight + kMargin, width() - 2 * kMargin,
            height() - kCaptionHeight - 2 * kMargin};
}

QRectF ScenarioNetworkView::networkExtent() const
{
    return {0, 0, qreal(std::max(m_shape.columnCount - 1, 1)), qreal(m_shape.rowCount - 1)};
}

qreal ScenarioNetworkView::nodeRadius() const
{
    const qreal columnGap = (width() - 2 * kMargin) / std::max(m_shape.columnCount - 1, 1);
    const qreal rowGap =
        (height() - kCaptionHeight - 2 * kMargin) / std::max(m_shape.rowCount - 1, 1);
    return std::clamp<qreal>(std::min(columnGap, rowGap) * 0.2, 9, 18);
}

QLineF ScenarioNetworkView::arcLine(int from, int to) const
{
    return arrowBetween(nodeCentre(from), nodeCentre(to));
}

QString ScenarioNetworkView::weightText(double weight) const
{
    return toQString(formatGeneral(weight));
}

QRectF ScenarioNetworkView::weightBoxRect(const WeightedEdge& edge) const
{
    const QLineF line(nodeCentre(edge.from), nodeCentre(edge.to));
    const QFontMetricsF metrics(weightFont());
    const QString text = weightText(edge.weight);
    const QSizeF size(metrics.horizontalAdvance(text) + 6, metrics.height() + 1);
    return {line.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

bool ScenarioNetworkView::nodeHighlighted(int node) const
{
    return model().nodeOnRoute(node);
}

bool ScenarioNetworkView::onRoute(int from, int to) const
{
    const int k = model().network().findLink(from, to);
    return k != 0 && model().routeLinks().contains(k);
}

void ScenarioNetworkView::paintUnder(QPainter& painter) const
{
    QFont captionFont = font();
    captionFont.setBold(true);
    painter.setFont(captionFont);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(8, 4, width() - 16, kCaptionHeight - 8),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption());
}

ScenarioNetworkWindow::ScenarioNetworkWindow(QWidget* parent) : QMdiSubWindow(parent)
{
    setObjectName(QStringLiteral("frmJaringan"));
    makeToolWindow(this);
    m_view = new ScenarioNetworkView;
    setWidget(m_view);
    installClassroomActions(this, m_view, QStringLiteral("jaringan"));
}

void ScenarioNetworkWindow::setNetwork(const Network& graph, const std::vector<int>& route,
                                       double distance)
{
    setWindowTitle(QStringLiteral("Jaringan %1 simpul").arg(graph.nodeCount()));
    m_view->setNetwork(graph, route, distance);
}

} // namespace trayeko::ui
