#include "ui/drawing/networkcanvas.h"

#include "core/numbertext.h"
#include "ui/drawing/networkaccessible.h"
#include "ui/drawing/networklayout.h"
#include "ui/drawing/networkview.h"
#include "ui/support/palette.h"
#include "ui/support/seams.h"
#include "ui/support/utf8.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <mutex>

namespace trayeko::ui {

namespace {

constexpr qreal kMargin = 40; // around the nodes: room for the names and the marks' texts
constexpr qreal kHeadLength = 11;
constexpr qreal kHeadHalfWidth = 4.5;

// The drawing as a chart: its nodes first (painted on top), then its links.
class NetworkCanvasAccessible final : public DrawingAccessible
{
public:
    explicit NetworkCanvasAccessible(NetworkCanvas* canvas)
        : DrawingAccessible(canvas, QAccessible::Chart)
    {
    }

    int elementCount() const override { return nodes() + network().linkCount(); }

    QString elementName(int index) const override
    {
        if (index < nodes()) {
            const std::string& name = network().node(index + 1).name;
            return name.empty() ? QStringLiteral("Simpul %1").arg(index + 1)
                                : QStringLiteral("Simpul %1 (%2)").arg(index + 1).arg(toQString(name));
        }
        const NetworkLink& link = network().link(index - nodes() + 1);
        return QStringLiteral("Jalur %1 ke %2, bobot %3")
            .arg(link.from)
            .arg(link.to)
            .arg(canvas()->weightText(link.weight));
    }

    QString elementDescription(int index) const override
    {
        QStringList parts;
        if (index < nodes()) {
            if (index + 1 == canvas()->model().startNode())
                parts << QStringLiteral("simpul awal");
            if (index + 1 == canvas()->model().endNode())
                parts << QStringLiteral("simpul tujuan");
        }
        parts << (elementHighlighted(index) ? QStringLiteral("disorot")
                                            : QStringLiteral("tidak disorot"));
        return parts.join(QStringLiteral(", "));
    }

    QRect elementRect(int index) const override
    {
        if (index < nodes())
            return canvas()->nodeRect(index + 1).toAlignedRect();
        const int link = index - nodes() + 1;
        const QLineF line = canvas()->linkLine(link);
        return (QRectF(line.p1(), line.p2()).normalized() | canvas()->weightBoxRect(link))
            .toAlignedRect();
    }

    bool elementHit(int index, QPointF p) const override
    {
        if (index < nodes())
            return canvas()->nodeAt(p) == index + 1;
        const int link = index - nodes() + 1;
        const QLineF line = canvas()->linkLine(link);
        return canvas()->weightBoxRect(link).contains(p) ||
               (!line.isNull() && nearLine(p, line.p1(), line.p2()));
    }

    bool elementHighlighted(int index) const override
    {
        if (index < nodes())
            return canvas()->model().nodeOnRoute(index + 1);
        return canvas()->model().routeLinks().contains(index - nodes() + 1);
    }

    bool elementFocused(int index) const override
    {
        return canvas()->hasFocus() && canvas()->focusElement() == index;
    }

private:
    NetworkCanvas* canvas() const { return static_cast<NetworkCanvas*>(widget()); }
    const Network& network() const { return canvas()->model().network(); }
    int nodes() const { return network().nodeCount(); }
};

QAccessibleInterface* networkCanvasFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(NetworkCanvas::staticMetaObject.className()))
        if (auto* canvas = qobject_cast<NetworkCanvas*>(object))
            return new NetworkCanvasAccessible(canvas);
    return nullptr;
}

// Where @p value lies between @p low and @p low + @p extent, carried over to @p from ... @p from +
// @p length; the middle where the extent is none.
qreal carry(qreal value, qreal low, qreal extent, qreal from, qreal length)
{
    return extent > 0 ? from + length * (value - low) / extent : from + length / 2;
}

} // namespace

NetworkCanvas::NetworkCanvas(QWidget* parent)
    : DrawingWidget(parent), m_model(new DrawingModel(Network(), 1, 0, this))
{
    // The start and end nodes are drawn blue whatever the route.
    m_model->markEnds();
    connect(m_model, &DrawingModel::changed, this, qOverload<>(&QWidget::update));
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(networkCanvasFactory); });
    // Reachable with the keyboard, so that the Menu key opens the context menu.
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(300, 260);
    setPaletteColour(this, {QPalette::Window}, Qt::white, true);
    setPaletteColour(this, {QPalette::WindowText}, Qt::black);
}

QSize NetworkCanvas::sizeHint() const
{
    return {640, 480};
}

QRectF NetworkCanvas::plotArea() const
{
    return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QRectF NetworkCanvas::nodeBounds() const
{
    const auto& nodes = m_model->network().nodes();
    if (nodes.empty())
        return {};
    auto [left, right] = std::minmax_element(nodes.begin(), nodes.end(),
                                             [](auto& a, auto& b) { return a.x < b.x; });
    auto [top, bottom] = std::minmax_element(nodes.begin(), nodes.end(),
                                             [](auto& a, auto& b) { return a.y < b.y; });
    return QRectF(QPointF(left->x, top->y), QPointF(right->x, bottom->y));
}

QRectF NetworkCanvas::networkExtent() const
{
    return nodeBounds();
}

QPointF NetworkCanvas::toWidget(double x, double y) const
{
    const QRectF area = plotArea();
    const QRectF extent = networkExtent();
    if (!keepsAspect())
        return {carry(x, extent.left(), extent.width(), area.left(), area.width()),
                carry(y, extent.top(), extent.height(), area.top(), area.height())};
    // One scale both ways, the smaller one, and the picture centred in the other direction.
    qreal scale = 0;
    if (extent.width() > 0)
        scale = area.width() / extent.width();
    if (extent.height() > 0)
        scale = scale > 0 ? std::min(scale, area.height() / extent.height())
                          : area.height() / extent.height();
    const QPointF middle = area.center();
    const QPointF centre = extent.center();
    return {middle.x() + (x - centre.x()) * scale, middle.y() + (y - centre.y()) * scale};
}

QPointF NetworkCanvas::toNetwork(QPointF widgetPoint) const
{
    const QRectF area = plotArea();
    const QRectF extent = networkExtent();
    if (!keepsAspect()) {
        const auto back = [](qreal v, qreal low, qreal extentLength, qreal from, qreal length) {
            return length > 0 && extentLength > 0 ? low + extentLength * (v - from) / length
                                                  : low + extentLength / 2;
        };
        return {back(widgetPoint.x(), extent.left(), extent.width(), area.left(), area.width()),
                back(widgetPoint.y(), extent.top(), extent.height(), area.top(), area.height())};
    }
    const QPointF origin = toWidget(extent.center().x(), extent.center().y());
    const QPointF unit = toWidget(extent.center().x() + 1, extent.center().y() + 1) - origin;
    // Without any extent one network unit is one pixel.
    const qreal scale = unit.x() > 0 ? unit.x() : 1;
    return extent.center() + (widgetPoint - origin) / scale;
}

QPointF NetworkCanvas::nodeCentre(int node) const
{
    const NetworkNode& place = m_model->network().node(node);
    return toWidget(place.x, place.y);
}

qreal NetworkCanvas::nodeRadius() const
{
    return std::clamp<qreal>(std::min(width(), height()) / 28.0, 10, 16);
}

QRectF NetworkCanvas::nodeRect(int node) const
{
    if (!m_model->network().hasNode(node))
        return {};
    const qreal r = nodeRadius();
    const QPointF c = nodeCentre(node);
    return {c.x() - r, c.y() - r, 2 * r, 2 * r};
}

int NetworkCanvas::nodeAt(QPointF point) const
{
    const qreal r = nodeRadius();
    // The last node is painted last, on top.
    for (int node = m_model->network().nodeCount(); node >= 1; --node) {
        const QPointF d = point - nodeCentre(node);
        if (QPointF::dotProduct(d, d) <= r * r)
            return node;
    }
    return 0;
}

int NetworkCanvas::linkAt(QPointF point) const
{
    const int links = m_model->network().linkCount();
    for (int k = links; k >= 1; --k)
        if (weightBoxRect(k).contains(point))
            return k;
    for (int k = links; k >= 1; --k) {
        const QLineF line = linkLine(k);
        if (!line.isNull() && DrawingAccessible::nearLine(point, line.p1(), line.p2()))
            return k;
    }
    return 0;
}

qreal NetworkCanvas::sideShift(int link) const
{
    const NetworkLink& l = m_model->network().link(link);
    return m_model->network().findLink(l.to, l.from) ? nodeRadius() * 0.45 : 0;
}

QLineF NetworkCanvas::arrowBetween(QPointF from, QPointF to) const
{
    QLineF line(from, to);
    const qreal length = line.length();
    const qreal r = nodeRadius();
    if (length <= 2 * r)
        return {};
    const QPointF unit = (line.p2() - line.p1()) / length;
    return {line.p1() + unit * r, line.p2() - unit * (r + 1)};
}

QLineF NetworkCanvas::linkLine(int link) const
{
    if (!m_model->network().hasLink(link))
        return {};
    const NetworkLink& l = m_model->network().link(link);
    const QPointF a = nodeCentre(l.from);
    const QPointF b = nodeCentre(l.to);
    const qreal shift = sideShift(link);
    if (shift == 0)
        return arrowBetween(a, b);
    // Beside the straight line, on the right of the direction of travel: the opposite link lies
    // on the other side.
    const QLineF straight(a, b);
    if (straight.length() <= 0)
        return {};
    const QPointF unit = (b - a) / straight.length();
    const QPointF normal(-unit.y(), unit.x());
    return arrowBetween(a + normal * shift, b + normal * shift);
}

QString NetworkCanvas::weightText(double weight) const
{
    return toQString(formatGeneral(weight, regionalDecimalSeparator()));
}

QFont NetworkCanvas::weightFont() const
{
    QFont f = font();
    f.setPixelSize(11);
    return f;
}

QRectF NetworkCanvas::weightBoxRect(int link) const
{
    if (!m_model->network().hasLink(link))
        return {};
    const NetworkLink& l = m_model->network().link(link);
    const QPointF a = nodeCentre(l.from);
    const QPointF b = nodeCentre(l.to);
    const QFontMetricsF metrics(weightFont());
    const QString text = weightText(l.weight);
    const QSizeF size(metrics.horizontalAdvance(text) + 6, metrics.height() + 1);
    QPointF centre = QLineF(a, b).center();
    if (sideShift(link) != 0 && QLineF(a, b).length() > 0) {
        // Off the middle on the arrow's side, so that the two boxes of a pair do not overlap.
        const QPointF unit = (b - a) / QLineF(a, b).length();
        const QPointF normal(-unit.y(), unit.x());
        centre += normal * (std::abs(normal.x()) * size.width() / 2 +
                            std::abs(normal.y()) * size.height() / 2 + 1);
    }
    return {centre - QPointF(size.width() / 2, size.height() / 2), size};
}

QFont NetworkCanvas::markFont() const
{
    QFont f = font();
    f.setPixelSize(11);
    f.setBold(true);
    return f;
}

QRectF NetworkCanvas::markTextRect(int node, const QString& text) const
{
    const QFontMetricsF metrics(markFont());
    const QSizeF size(metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
    const qreal r = nodeRadius();
    const QPointF centre = nodeCentre(node);
    QRectF box(QPointF(centre.x() + r * 0.7, centre.y() - r * 0.7 - size.height()), size);
    // A node at the right or top edge has its text on the other side, not cut off by the edge.
    if (box.right() > width())
        box.moveRight(centre.x() - r * 0.7);
    if (box.top() < 0)
        box.moveTop(centre.y() + r * 0.7);
    return box;
}

QRectF NetworkCanvas::nameRect(int node) const
{
    const QFontMetricsF metrics(weightFont());
    const QString name = toQString(m_model->network().node(node).name);
    const QSizeF size(metrics.horizontalAdvance(name) + 4, metrics.height());
    const QPointF c = nodeCentre(node);
    return {QPointF(c.x() - size.width() / 2, c.y() + nodeRadius() + 1), size};
}

void NetworkCanvas::paintUnder(QPainter&) const {}

void NetworkCanvas::paintOver(QPainter&) const {}

void NetworkCanvas::paintUnderBoxes(QPainter&) const {}

void NetworkCanvas::paintArrow(QPainter& painter, const QLineF& line, const QColor& colour,
                               qreal width)
{
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
}

void NetworkCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintUnder(painter);

    // Lines off the route first, so that the route lies on top wherever lines cross.
    const Network& network = m_model->network();
    const QList<int> routeLinks = m_model->routeLinks();
    std::vector<int> order;
    for (int k = 1; k <= network.linkCount(); ++k)
        order.push_back(k);
    std::stable_partition(order.begin(), order.end(),
                          [&](int k) { return !routeLinks.contains(k); });
    for (int k : order) {
        const QList<int> lines = m_model->lineElements(k);
        paintArrow(painter, linkLine(k), m_model->color(lines.value(0, -1)),
                   routeLinks.contains(k) ? 4 : 1.4);
    }
    // The step marks' links over the lines, under the weight boxes that stay readable.
    const StepMarks& marks = m_model->marks();
    for (int k : marks.treeLinks)
        if (network.hasLink(k))
            paintArrow(painter, linkLine(k), StepMarks::treeColour(), 4);
    for (int k : marks.improvedLinks)
        if (network.hasLink(k))
            paintArrow(painter, linkLine(k), StepMarks::improvedColour(), 4);
    paintUnderBoxes(painter);

    // The weight boxes over all lines.
    painter.setFont(weightFont());
    for (int k : order) {
        const bool route = routeLinks.contains(k);
        const QRectF box = weightBoxRect(k);
        painter.setPen(QPen(route ? routeColor() : neutralLineColor(), 1));
        const QColor fill = m_model->color(m_model->weightBoxElement(k));
        painter.setBrush(fill);
        painter.drawRect(box);
        // White on the route's red and on any other dark fill a layer gives a box, black on the
        // light ones: the weight stays readable whatever colour marks its link.
        painter.setPen(route || qGray(fill.rgb()) < 128 ? Qt::white : Qt::black);
        painter.drawText(box, Qt::AlignCenter, weightText(network.link(k).weight));
    }

    QFont nodeFont = font();
    nodeFont.setBold(true);
    nodeFont.setPixelSize(std::max(9, int(nodeRadius())));
    painter.setFont(nodeFont);
    const qreal r = nodeRadius();
    for (int node = 1; node <= network.nodeCount(); ++node) {
        painter.setPen(QPen(Qt::black, 1.2));
        painter.setBrush(m_model->color(m_model->nodeElement(node)));
        const QPointF c = nodeCentre(node);
        painter.drawEllipse(c, r, r);
        painter.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter,
                         QString::number(node));
    }
    painter.setFont(weightFont());
    painter.setPen(palette().color(QPalette::WindowText));
    for (int node = 1; node <= network.nodeCount(); ++node)
        if (!network.node(node).name.empty())
            painter.drawText(nameRect(node), Qt::AlignCenter, toQString(network.node(node).name));
    paintMarks(painter);
    paintOver(painter);
}

void NetworkCanvas::paintMarks(QPainter& painter) const
{
    const StepMarks& marks = m_model->marks();
    if (marks.isEmpty())
        return;
    const int nodes = m_model->network().nodeCount();
    const qreal r = nodeRadius();
    painter.setBrush(Qt::NoBrush);
    for (int node = 1; node <= nodes; ++node) {
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
    for (int node = 1; node <= nodes; ++node) {
        const QString text = marks.nodeText(node);
        if (!text.isEmpty())
            paintMarkText(painter, markTextRect(node, text), text, marks.fixed(node));
    }
}

void NetworkCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        if (const int node = nodeAt(event->position()))
            emit nodeClicked(node);
    DrawingWidget::mousePressEvent(event);
}

} // namespace trayeko::ui
