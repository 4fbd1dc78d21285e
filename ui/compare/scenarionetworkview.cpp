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
constexpr qreal kHeadLength = 11;
constexpr qreal kHeadHalfWidth = 4.5;

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

ScenarioNetworkView::ScenarioNetworkView(QWidget* parent)
    : QWidget(parent), m_model(new DrawingModel(Network(), 1, 0, this))
{
    // Node 1 and the last node are drawn blue whatever the route.
    m_model->markEnds();
    connect(m_model, &DrawingModel::changed, this, qOverload<>(&QWidget::update));
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(scenarioNetworkFactory); });

    setObjectName(QStringLiteral("gambarJaringan"));
    // Reachable with the keyboard, so that the Menu key opens the picture actions.
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("Gambar jaringan"));
    setMinimumSize(300, 260);
    setPaletteColour(this, {QPalette::Window}, Qt::white, true);
    setPaletteColour(this, {QPalette::WindowText}, Qt::black);
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
    m_model->setNetwork(std::move(placed));
    m_route = route;
    m_distance = distance;
    RouteLook look;
    look.innerNodes = route;
    for (std::size_t i = 1; i < route.size(); ++i)
        if (const int k = m_model->network().findLink(route[i - 1], route[i]))
            look.links.push_back(k);
    look.lineColor = routeColor();
    look.boxColor = routeColor();
    if (route.empty())
        m_model->clearResult();
    else
        m_model->showResult(std::move(look));
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

qreal ScenarioNetworkView::nodeRadius() const
{
    const qreal columnGap = (width() - 2 * kMargin) / std::max(m_shape.columnCount - 1, 1);
    const qreal rowGap =
        (height() - kCaptionHeight - 2 * kMargin) / std::max(m_shape.rowCount - 1, 1);
    return std::clamp<qreal>(std::min(columnGap, rowGap) * 0.2, 9, 18);
}

QPointF ScenarioNetworkView::nodeCentre(int node) const
{
    const NetworkNode& place = m_model->network().node(node);
    const qreal columns = std::max(m_shape.columnCount - 1, 1);
    const qreal rows = m_shape.rowCount - 1;
    const qreal top = kCaptionHeight + kMargin;
    const qreal bottom = height() - kMargin;
    const qreal y = rows > 0 ? top + (bottom - top) * place.y / rows : (top + bottom) / 2;
    return {kMargin + (width() - 2 * kMargin) * place.x / columns, y};
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

QFont ScenarioNetworkView::weightFont() const
{
    QFont f = font();
    f.setPixelSize(11);
    return f;
}

QRectF ScenarioNetworkView::weightBoxRect(const WeightedEdge& edge) const
{
    const QLineF line(nodeCentre(edge.from), nodeCentre(edge.to));
    const QFontMetricsF metrics(weightFont());
    const QString text = toQString(formatGeneral(edge.weight));
    const QSizeF size(metrics.horizontalAdvance(text) + 6, metrics.height() + 1);
    return {line.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

QRectF ScenarioNetworkView::nodeRect(int node) const
{
    const qreal r = nodeRadius();
    const QPointF c = nodeCentre(node);
    return {c.x() - r, c.y() - r, 2 * r, 2 * r};
}

bool ScenarioNetworkView::nodeHighlighted(int node) const
{
    return m_model->nodeOnRoute(node);
}

bool ScenarioNetworkView::linkOnRoute(int k) const
{
    return m_model->routeLinks().contains(k);
}

bool ScenarioNetworkView::onRoute(int from, int to) const
{
    const int k = m_model->network().findLink(from, to);
    return k != 0 && linkOnRoute(k);
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
    const QList<int> routeLinks = m_model->routeLinks();
    std::vector<int> order;
    for (int k = 1; k <= m_model->network().linkCount(); ++k)
        order.push_back(k);
    std::stable_partition(order.begin(), order.end(),
                          [&](int k) { return !routeLinks.contains(k); });

    const auto drawArrow = [&](const WeightedEdge& e, const QColor& colour, qreal width) {
        const QLineF line = arcLine(e.from, e.to);
        if (line.isNull())
            return;
        const QPointF unit = (line.p2() - line.p1()) / line.length();
        const QPointF normal(-unit.y(), unit.x());
        const QPointF headBase = line.p2() - unit * kHeadLength;
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(line.p1(), headBase);
        QPainterPath head;
        head.moveTo(line.p2());
        head.lineTo(headBase + normal * kHeadHalfWidth);
        head.lineTo(headBase - normal * kHeadHalfWidth);
        head.closeSubpath();
        painter.fillPath(head, colour);
    };
    for (int k : order) {
        const QList<int> lines = m_model->lineElements(k);
        drawArrow(m_model->network().link(k), m_model->color(lines.value(0, -1)),
                  routeLinks.contains(k) ? 4 : 1.4);
    }
    // The step marks' links over the lines, under the weight boxes that stay readable.
    const StepMarks& marks = m_model->marks();
    for (int k : marks.treeLinks)
        if (m_model->network().hasLink(k))
            drawArrow(m_model->network().link(k), StepMarks::treeColour(), 4);
    for (int k : marks.improvedLinks)
        if (m_model->network().hasLink(k))
            drawArrow(m_model->network().link(k), StepMarks::improvedColour(), 4);

    // The weight boxes over all lines, each halfway along its link.
    painter.setFont(weightFont());
    for (int k : order) {
        const WeightedEdge& e = m_model->network().link(k);
        const bool route = routeLinks.contains(k);
        const QString text = toQString(formatGeneral(e.weight));
        const QRectF box = weightBoxRect(e);
        painter.setPen(QPen(route ? routeColor() : neutralLineColor(), 1));
        painter.setBrush(m_model->color(m_model->weightBoxElement(k)));
        painter.drawRect(box);
        painter.setPen(route ? Qt::white : Qt::black);
        painter.drawText(box, Qt::AlignCenter, text);
    }

    QFont nodeFont = font();
    nodeFont.setBold(true);
    nodeFont.setPixelSize(std::max(9, int(nodeRadius())));
    painter.setFont(nodeFont);
    const qreal r = nodeRadius();
    for (int node = 1; node <= nodeCount(); ++node) {
        painter.setPen(QPen(Qt::black, 1.2));
        painter.setBrush(m_model->color(m_model->nodeElement(node)));
        const QPointF c = nodeCentre(node);
        painter.drawEllipse(c, r, r);
        painter.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter,
                         QString::number(node));
    }
    paintMarks(painter);
}

QFont ScenarioNetworkView::markFont() const
{
    QFont f = font();
    f.setPixelSize(11);
    f.setBold(true);
    return f;
}

QRectF ScenarioNetworkView::markTextRect(int node, const QString& text) const
{
    const QFontMetricsF metrics(markFont());
    const QSizeF size(metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
    const qreal r = nodeRadius();
    const QPointF corner = nodeCentre(node) + QPointF(r * 0.7, -r * 0.7);
    return {QPointF(corner.x(), corner.y() - size.height()), size};
}

void ScenarioNetworkView::paintMarks(QPainter& painter) const
{
    const StepMarks& marks = m_model->marks();
    if (marks.isEmpty())
        return;
    const qreal r = nodeRadius();
    painter.setBrush(Qt::NoBrush);
    for (int node = 1; node <= nodeCount(); ++node) {
        const QPointF c = nodeCentre(node);
        if (node == marks.pivotNode) {
            painter.setPen(QPen(StepMarks::pivotColour(), 4));
            painter.drawEllipse(c, r + 3, r + 3);
        } else if (marks.fixed(node)) {
            painter.setPen(QPen(StepMarks::fixedColour(), 3));
            painter.drawEllipse(c, r + 2, r + 2);
        }
    }
    painter.setFont(markFont());
    for (int node = 1; node <= nodeCount(); ++node) {
        const QString text = marks.nodeText(node);
        if (text.isEmpty())
            continue;
        paintMarkText(painter, markTextRect(node, text), text, marks.fixed(node));
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

void ScenarioNetworkWindow::setNetwork(const Network& graph, const std::vector<int>& route,
                                       double distance)
{
    setWindowTitle(QStringLiteral("Jaringan %1 simpul").arg(graph.nodeCount()));
    m_view->setNetwork(graph, route, distance);
}

} // namespace trayeko::ui
