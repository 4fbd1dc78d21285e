#include "ui/drawing/networkaccessible.h"

#include "core/demonetwork.h"
#include "ui/drawing/networklayout.h"
#include "ui/drawing/networkview.h"
#include "ui/support/twips.h"
#include "ui/support/utf8.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cmath>
#include <mutex>

namespace trayeko::ui {

namespace {

// Children of the drawing's interface: the nodes first, then the links, then the real widgets
// (the weight boxes and whatever else a window put on the drawing).
constexpr int kElementCount = kNodeCount + kLinkCount;

const LinkInfo& linkAt(int elementIndex)
{
    return demoLinks()[size_t(elementIndex - kNodeCount)];
}

bool isNodeIndex(int elementIndex)
{
    return elementIndex < kNodeCount;
}

// An element is highlighted when the drawing shows it as part of the route on top: an inner node
// or a link of the route, and the start and end nodes from the start, as on the screen.
bool nodeHighlighted(const NetworkView& view, int node)
{
    return view.model().nodeOnRoute(node);
}

bool linkHighlighted(const NetworkView& view, const LinkInfo& link)
{
    return view.model().routeLinks().contains(link.number);
}

// Geometry of the drawing in the view's pixels, shifted as the window's variant says.
QPointF viewPoint(const NetworkView& view, TwipPoint p)
{
    return {double(p.x + view.variant().networkShift) / kTwipsPerPixel,
            double(p.y) / kTwipsPerPixel};
}

double distanceToSegment(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double lengthSquared = QPointF::dotProduct(ab, ab);
    const double t = lengthSquared > 0
                         ? std::clamp(QPointF::dotProduct(p - a, ab) / lengthSquared, 0.0, 1.0)
                         : 0.0;
    const QPointF d = p - (a + t * ab);
    return std::sqrt(QPointF::dotProduct(d, d));
}

// How far from a line's middle a pointer still hits it: the pen and a little for the hand.
constexpr double kLineHitDistance = 3.0;

QString highlightWord(bool highlighted)
{
    return highlighted ? QStringLiteral("disorot") : QStringLiteral("tidak disorot");
}

QString joinNumbers(const QList<int>& numbers)
{
    QStringList parts;
    for (int n : numbers)
        parts << QString::number(n);
    return parts.join(QStringLiteral(", "));
}

// One element of a picture. It has no QObject of its own, so it is registered with QAccessible by
// the picture's interface, which also deletes it; it asks that interface for what it says.
class ElementAccessible final : public QAccessibleInterface
{
public:
    ElementAccessible(QWidget* view, int index) : m_view(view), m_index(index) {}

    bool isValid() const override { return drawing() && m_index < drawing()->elementCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }

    QAccessibleInterface* parent() const override
    {
        return m_view ? QAccessible::queryAccessibleInterface(m_view.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        switch (t) {
        case QAccessible::Name:
            return drawing()->elementName(m_index);
        case QAccessible::Description:
            return drawing()->elementDescription(m_index);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = drawing()->elementRect(m_index);
        return QRect(m_view->mapToGlobal(local.topLeft()), local.size());
    }

    // Whether the point (in screen coordinates) lies on the element itself.
    bool hit(QPoint global) const
    {
        return isValid() && drawing()->elementHit(m_index, m_view->mapFromGlobal(QPointF(global)));
    }

    QAccessible::Role role() const override
    {
        return isValid() ? drawing()->elementRole(m_index) : QAccessible::Graphic;
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.invisible = !m_view->isVisible();
        s.selectable = true;
        s.selected = drawing()->elementHighlighted(m_index);
        s.focused = drawing()->elementFocused(m_index);
        s.focusable = s.focused;
        return s;
    }

private:
    DrawingAccessible* drawing() const
    {
        return m_view ? dynamic_cast<DrawingAccessible*>(
                            QAccessible::queryAccessibleInterface(m_view.data()))
                      : nullptr;
    }

    QPointer<QWidget> m_view;
    int m_index;
};

// The demonstration drawing as a chart: its nodes and links as children with their state, its
// description the highlighted route.
class NetworkViewAccessible final : public DrawingAccessible
{
public:
    explicit NetworkViewAccessible(NetworkView* view) : DrawingAccessible(view, QAccessible::Chart)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && view()->accessibleName().isEmpty())
            return toQString(kFrameCaption);
        if (t == QAccessible::Description && view()->accessibleDescription().isEmpty())
            return highlightedRouteText(*view());
        return QAccessibleWidget::text(t);
    }

    int elementCount() const override { return kElementCount; }

    QString elementName(int index) const override
    {
        if (isNodeIndex(index))
            return QStringLiteral("Simpul %1").arg(index + 1);
        const LinkInfo& link = linkAt(index);
        return QStringLiteral("Jalur %1 dari simpul %2 ke simpul %3")
            .arg(link.number)
            .arg(link.fromNode)
            .arg(link.toNode);
    }

    QString elementDescription(int index) const override
    {
        QStringList parts;
        if (isNodeIndex(index)) {
            if (index + 1 == kStartNode)
                parts << QStringLiteral("simpul awal");
            else if (index + 1 == kEndNode)
                parts << QStringLiteral("simpul tujuan");
        } else {
            const QString weight = view()->weightBox(linkAt(index).number)->text().trimmed();
            parts << (weight.isEmpty() ? QStringLiteral("bobot kosong")
                                       : QStringLiteral("bobot ") + weight);
        }
        parts << highlightWord(elementHighlighted(index));
        return parts.join(QStringLiteral(", "));
    }

    QRect elementRect(int index) const override
    {
        if (isNodeIndex(index))
            return view()->elementRect(QStringLiteral("Shape%1").arg(index + 1));
        QRect local;
        for (const NamedLine& line : linkLayout(linkAt(index).number).lines())
            local |= view()->elementRect(toQString(line.name));
        return local;
    }

    // On the circle or close to the line itself.
    bool elementHit(int index, QPointF p) const override
    {
        if (isNodeIndex(index)) {
            const NodeLayout& node = nodeLayouts()[size_t(index)];
            const double radius = double(kNodeDiameter) / kTwipsPerPixel / 2;
            const QPointF centre = viewPoint(*view(), node.circle) + QPointF(radius, radius);
            const QPointF d = p - centre;
            return QPointF::dotProduct(d, d) <= radius * radius;
        }
        for (const NamedLine& line : linkLayout(linkAt(index).number).lines())
            if (nearLine(p, viewPoint(*view(), line.from), viewPoint(*view(), line.to)))
                return true;
        return false;
    }

    bool elementHighlighted(int index) const override
    {
        return isNodeIndex(index) ? nodeHighlighted(*view(), index + 1)
                                  : linkHighlighted(*view(), linkAt(index));
    }

private:
    NetworkView* view() const { return static_cast<NetworkView*>(widget()); }
};

QAccessibleInterface* networkViewFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String(NetworkView::staticMetaObject.className()))
        if (auto* view = qobject_cast<NetworkView*>(object))
            return new NetworkViewAccessible(view);
    return nullptr;
}

// The element index of coloured element @p coloured of DrawingModel::elementNames(): its node or
// its link.
int elementIndexOf(int coloured)
{
    const QString& name = DrawingModel::elementNames()[coloured];
    for (const NodeLayout& node : nodeLayouts())
        if (toQString(node.shapeName) == name)
            return node.number - 1;
    for (const LinkLayout& link : linkLayouts()) {
        if (toQString(link.weightBox) == name)
            return kNodeCount + link.number - 1;
        for (const NamedLine& line : link.lines())
            if (toQString(line.name) == name)
                return kNodeCount + link.number - 1;
    }
    return -1;
}

// Tells assistive technology that the coloured elements of @p change have another colour, and
// with it possibly their highlighted state.
void notifyElementsChanged(NetworkView& view, const DrawingChange& change)
{
    // Qt drops events while no assistive technology listens; then no interface need be built.
    if (!QAccessible::isActive())
        return;
    auto* iface =
        dynamic_cast<NetworkViewAccessible*>(QAccessible::queryAccessibleInterface(&view));
    if (!iface)
        return;
    for (int coloured : change.elements) {
        const int index = elementIndexOf(coloured);
        if (index < 0)
            continue;
        QAccessibleInterface* element = iface->element(index);
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent stateEvent(element, changed);
        QAccessible::updateAccessibility(&stateEvent);
        QAccessibleEvent elementEvent(element, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&elementEvent);
        QAccessibleEvent viewEvent(&view, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&viewEvent);
    }
}

} // namespace

DrawingAccessible::DrawingAccessible(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{
}

DrawingAccessible::~DrawingAccessible()
{
    for (const QAccessible::Id id : m_ids)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

bool DrawingAccessible::elementHit(int index, QPointF point) const
{
    return QRectF(elementRect(index)).contains(point);
}

bool DrawingAccessible::elementFocused(int) const
{
    return false;
}

QAccessible::Role DrawingAccessible::elementRole(int) const
{
    return QAccessible::Graphic;
}

bool DrawingAccessible::nearLine(QPointF p, QPointF a, QPointF b)
{
    return distanceToSegment(p, a, b) <= kLineHitDistance;
}

int DrawingAccessible::childCount() const
{
    return elementCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface* DrawingAccessible::child(int index) const
{
    if (index < 0)
        return nullptr;
    if (index < elementCount())
        return element(index);
    return QAccessibleWidget::child(index - elementCount());
}

int DrawingAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const int count = elementCount();
    for (int i = 0; i < count && size_t(i) < m_ids.size(); ++i)
        if (m_ids[size_t(i)] != 0 && QAccessible::accessibleInterface(m_ids[size_t(i)]) == child)
            return i;
    const int widgetIndex = QAccessibleWidget::indexOfChild(child);
    return widgetIndex < 0 ? -1 : count + widgetIndex;
}

QAccessibleInterface* DrawingAccessible::childAt(int x, int y) const
{
    const QPoint point(x, y);
    const int count = elementCount();
    for (int i = count; i < childCount(); ++i)
        if (QAccessibleInterface* c = child(i); c && c->rect().contains(point))
            return c;
    for (int i = 0; i < count; ++i)
        if (auto* c = static_cast<ElementAccessible*>(element(i)); c->hit(point))
            return c;
    return nullptr;
}

QAccessibleInterface* DrawingAccessible::element(int index) const
{
    if (size_t(index) >= m_ids.size())
        m_ids.resize(size_t(index) + 1, 0);
    QAccessible::Id& id = m_ids[size_t(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new ElementAccessible(widget(), index));
    return QAccessible::accessibleInterface(id);
}

void makeAccessible(NetworkView& view)
{
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(networkViewFactory); });

    for (const LinkInfo& link : demoLinks()) {
        QLineEdit* box = view.weightBox(link.number);
        box->setAccessibleName(QStringLiteral("Bobot jalur %1").arg(link.number));
        box->setAccessibleDescription(QStringLiteral("Jalur %1 dari simpul %2 ke simpul %3")
                                          .arg(link.number)
                                          .arg(link.fromNode)
                                          .arg(link.toNode));
    }
    QObject::connect(&view.model(), &DrawingModel::changed, &view,
                     [&view](const DrawingChange& change) { notifyElementsChanged(view, change); });
}

QString highlightedRouteText(const NetworkView& view)
{
    const QList<int> routeLinks = view.model().routeLinks();
    QList<const LinkInfo*> lit;
    for (int k : routeLinks)
        lit << &demoLinks()[size_t(k - 1)];
    if (lit.isEmpty())
        return QStringLiteral("Belum ada lintasan terpilih");

    // Follow the highlighted links along their arrows from the start node. The network has no
    // cycle, so the walk ends.
    QList<int> nodes{kStartNode};
    QList<int> links;
    for (bool moved = true; moved;) {
        moved = false;
        for (const LinkInfo* link : lit) {
            if (link->fromNode == nodes.back() && !links.contains(link->number)) {
                nodes << link->toNode;
                links << link->number;
                moved = true;
                break;
            }
        }
    }
    if (nodes.back() == kEndNode && links.size() == lit.size())
        return QStringLiteral("Lintasan terpilih: simpul %1 lewat jalur %2")
            .arg(joinNumbers(nodes), joinNumbers(links));

    // Not one route from start to end: name what is red, so nothing is hidden.
    return QStringLiteral("Jalur disorot: %1").arg(joinNumbers(routeLinks));
}

} // namespace trayeko::ui
