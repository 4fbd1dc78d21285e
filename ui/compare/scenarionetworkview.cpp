#include "ui/compare/scenarionetworkview.h"

#include "core/numbertext.h"
#include "core/scenarios.h"
#include "ui/drawing/networklayout.h"
#include "ui/export/classroomactions.h"
#include "ui/support/palette.h"
#include "ui/support/toolwindow.h"
#include "ui/support/utf8.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace trayeko::ui {

namespace {

constexpr qreal kMargin = 36; // around the nodes
constexpr qreal kCaptionHeight = 40;
constexpr qreal kColumnSpacing = 120; // between columns of nodes, at the window's first size
constexpr qreal kRowSpacing = 95;
constexpr qreal kHeadLength = 11;
constexpr qreal kHeadHalfWidth = 4.5;

} // namespace

ScenarioNetworkView::ScenarioNetworkView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("gambarJaringan"));
    // Reachable with the keyboard, so that the Menu key opens the picture actions.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Gambar jaringan"));
    setMinimumSize(300, 260);
    setPaletteColour(this, {QPalette::Window}, Qt::white, true);
    setPaletteColour(this, {QPalette::WindowText}, Qt::black);
}

void ScenarioNetworkView::setNetwork(const Digraph& graph, const std::vector<int>& route,
                                     double distance)
{
    m_edges = graph.edges();
    m_nodeCount = graph.nodeCount();
    m_shape = generatedShape(m_nodeCount);
    m_route = route;
    m_distance = distance;
    setAccessibleName(QStringLiteral("Jaringan %1 simpul").arg(m_nodeCount));
    setAccessibleDescription(caption());
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

qreal ScenarioNetworkView::nodeRadius() const
{
    const qreal columnGap = (width() - 2 * kMargin) / std::max(m_shape.columnCount - 1, 1);
    const qreal rowGap =
        (height() - kCaptionHeight - 2 * kMargin) / std::max(m_shape.rowCount - 1, 1);
    return std::clamp<qreal>(std::min(columnGap, rowGap) * 0.2, 9, 18);
}

QPointF ScenarioNetworkView::nodeCentre(int node) const
{
    const NodePlace place = m_shape.place(node);
    const qreal columns = std::max(m_shape.columnCount - 1, 1);
    const qreal rows = m_shape.rowCount - 1;
    const qreal top = kCaptionHeight + kMargin;
    const qreal bottom = height() - kMargin;
    const qreal y = rows > 0 ? top + (bottom - top) * place.row / rows : (top + bottom) / 2;
    return {kMargin + (width() - 2 * kMargin) * place.column / columns, y};
}

QLineF ScenarioNetworkView::arcLine(int from, int to) const
{
    QLineF line(nodeCentre(from), nodeCentre(to));
    const qreal length = line.length();
    const qreal r = nodeRadius();
    if (length <= 2 * r)
        return {};
    const QPointF unit = (line.p2() - line.p1()) / length;
    return {line.p1() + unit * r, line.p2() - unit * (r + 1)};
}

bool ScenarioNetworkView::onRoute(int from, int to) const
{
    for (std::size_t i = 1; i < m_route.size(); ++i)
        if (m_route[i - 1] == from && m_route[i] == to)
            return true;
    return false;
}

void ScenarioNetworkView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QFont captionFont = font();
    captionFont.setBold(true);
    painter.setFont(captionFont);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(8, 4, width() - 16, kCaptionHeight - 8),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, caption());

    // Lines off the route first, so that the route lies on top wherever lines cross.
    std::vector<const WeightedEdge*> order;
    for (const WeightedEdge& e : m_edges)
        order.push_back(&e);
    std::stable_partition(order.begin(), order.end(),
                          [this](const WeightedEdge* e) { return !onRoute(e->from, e->to); });

    QFont weightFont = font();
    weightFont.setPixelSize(11);
    for (const WeightedEdge* e : order) {
        const bool route = onRoute(e->from, e->to);
        const QColor colour = route ? routeColor() : neutralLineColor();
        const QLineF line = arcLine(e->from, e->to);
        if (line.isNull())
            continue;
        const QPointF unit = (line.p2() - line.p1()) / line.length();
        const QPointF normal(-unit.y(), unit.x());
        const QPointF headBase = line.p2() - unit * kHeadLength;
        painter.setPen(QPen(colour, route ? 4 : 1.4, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(line.p1(), headBase);
        QPainterPath head;
        head.moveTo(line.p2());
        head.lineTo(headBase + normal * kHeadHalfWidth);
        head.lineTo(headBase - normal * kHeadHalfWidth);
        head.closeSubpath();
        painter.fillPath(head, colour);
    }
    // The weight boxes over all lines, each halfway along its link.
    painter.setFont(weightFont);
    const QFontMetricsF metrics(weightFont);
    for (const WeightedEdge* e : order) {
        const bool route = onRoute(e->from, e->to);
        const QLineF line(nodeCentre(e->from), nodeCentre(e->to));
        const QString text = toQString(formatGeneral(e->weight));
        const QSizeF size(metrics.horizontalAdvance(text) + 6, metrics.height() + 1);
        const QRectF box(line.center() - QPointF(size.width() / 2, size.height() / 2), size);
        painter.setPen(QPen(route ? routeColor() : neutralLineColor(), 1));
        painter.setBrush(route ? routeColor() : neutralBoxColor());
        painter.drawRect(box);
        painter.setPen(route ? Qt::white : Qt::black);
        painter.drawText(box, Qt::AlignCenter, text);
    }

    QFont nodeFont = font();
    nodeFont.setBold(true);
    nodeFont.setPixelSize(std::max(9, int(nodeRadius())));
    painter.setFont(nodeFont);
    const qreal r = nodeRadius();
    for (int node = 1; node <= m_nodeCount; ++node) {
        const bool highlighted = node == 1 || node == m_nodeCount ||
                                 std::find(m_route.begin(), m_route.end(), node) != m_route.end();
        painter.setPen(QPen(Qt::black, 1.2));
        painter.setBrush(highlighted ? routeNodeColor() : neutralNodeColor());
        const QPointF c = nodeCentre(node);
        painter.drawEllipse(c, r, r);
        painter.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter,
                         QString::number(node));
    }
}

ScenarioNetworkWindow::ScenarioNetworkWindow(QWidget* parent) : QMdiSubWindow(parent)
{
    setObjectName(QStringLiteral("frmJaringan"));
    makeToolWindow(this);
    m_view = new ScenarioNetworkView;
    setWidget(m_view);
    installClassroomActions(this, m_view, QStringLiteral("jaringan"));
}

void ScenarioNetworkWindow::setNetwork(const Digraph& graph, const std::vector<int>& route,
                                       double distance)
{
    setWindowTitle(QStringLiteral("Jaringan %1 simpul").arg(graph.nodeCount()));
    m_view->setNetwork(graph, route, distance);
}

} // namespace trayeko::ui
