#include "ui/drawing/drawingmodel.h"

#include "ui/drawing/networklayout.h"
#include "ui/support/utf8.h"

#include <QHash>
#include <algorithm>

namespace trayeko::ui {

namespace {

enum class Kind
{
    Node,
    Line,
    Box
};

struct Element
{
    Kind kind;
    int number; // the node's for a node, the link's for a line or a box
};

struct Elements
{
    QStringList names;
    std::vector<Element> elements;
    QHash<QString, int> index;
};

const Elements& elements()
{
    static const Elements table = [] {
        Elements t;
        const auto add = [&t](std::string_view name, Kind kind, int number) {
            t.index.insert(toQString(name), int(t.elements.size()));
            t.names << toQString(name);
            t.elements.push_back({kind, number});
        };
        for (const NodeLayout& node : nodeLayouts())
            add(node.shapeName, Kind::Node, node.number);
        for (const LinkLayout& link : linkLayouts()) {
            for (const NamedLine& line : link.lines())
                add(line.name, Kind::Line, link.number);
            add(link.weightBox, Kind::Box, link.number);
        }
        return t;
    }();
    return table;
}

bool contains(const std::vector<int>& numbers, int n)
{
    return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
}

bool isEnd(const Element& e)
{
    return e.kind == Kind::Node && (e.number == kStartNode || e.number == kEndNode);
}

// The colour @p look gives an element; nodes 1 and 7 are not the look's to colour.
QColor lookColor(const RouteLook& look, const Element& e)
{
    switch (e.kind) {
    case Kind::Node:
        return contains(look.innerNodes, e.number) ? routeNodeColor() : neutralNodeColor();
    case Kind::Line:
        return contains(look.links, e.number) ? look.lineColor : neutralLineColor();
    case Kind::Box:
        return contains(look.links, e.number) ? look.boxColor : neutralBoxColor();
    }
    return {};
}

// Whether @p look shows the element as part of the route in the run's colours.
bool lookMarks(const RouteLook& look, const Element& e)
{
    if (e.kind == Kind::Node)
        return contains(look.innerNodes, e.number);
    return contains(look.links, e.number) &&
           (e.kind == Kind::Line ? look.lineColor : look.boxColor) == routeColor();
}

QColor routeColorOf(const Element& e)
{
    return e.kind == Kind::Node ? routeNodeColor() : routeColor();
}

} // namespace

DrawingModel::DrawingModel(QObject* parent) : QObject(parent), m_painted(elements().elements.size())
{
}

template <typename Edit> void DrawingModel::update(Edit&& edit)
{
    const size_t count = elements().elements.size();
    std::vector<QColor> before(count);
    for (size_t i = 0; i < count; ++i)
        before[i] = color(int(i));
    const QString description = this->description();
    const QString tip = toolTip();
    DrawingChange change;
    change.formerMarks = marks();

    edit();

    for (size_t i = 0; i < count; ++i)
        if (color(int(i)) != before[i])
            change.elements << int(i);
    const StepMarks& now = marks();
    const StepMarks& was = change.formerMarks;
    for (int n = 1; n <= kNodeCount; ++n) {
        const size_t i = size_t(n - 1);
        if (now.nodeTexts[i] != was.nodeTexts[i] || now.fixedNodes[i] != was.fixedNodes[i] ||
            (now.pivotNode == n) != (was.pivotNode == n))
            change.nodes << n;
    }
    for (int k = 1; k <= kLinkCount; ++k)
        if (contains(now.treeLinks, k) != contains(was.treeLinks, k) ||
            contains(now.improvedLinks, k) != contains(was.improvedLinks, k))
            change.links << k;
    change.texts = this->description() != description || toolTip() != tip;
    if (!change.isEmpty())
        emit changed(change);
}

void DrawingModel::markEnds()
{
    update([this] { m_endsMarked = true; });
}

const QStringList& DrawingModel::elementNames()
{
    return elements().names;
}

int DrawingModel::weightBoxLink(int element)
{
    const Element& e = elements().elements[size_t(element)];
    return e.kind == Kind::Box ? e.number : 0;
}

void DrawingModel::showResult(RouteLook look)
{
    update([&] {
        forgetPainted();
        m_result = std::move(look);
    });
}

void DrawingModel::clearResult()
{
    update([this] {
        forgetPainted();
        m_result.reset();
    });
}

void DrawingModel::forgetPainted()
{
    const auto& all = elements().elements;
    for (size_t i = 0; i < all.size(); ++i)
        if (!isEnd(all[i]))
            m_painted[i] = QColor();
}

bool DrawingModel::paint(const QString& name, const QColor& color)
{
    const auto it = elements().index.constFind(name);
    if (it == elements().index.cend())
        return false;
    update([&] { m_painted[size_t(*it)] = color; });
    return true;
}

void DrawingModel::setLayer(DrawingLayer layer, RouteLook look, StepMarks marks)
{
    update([&] { m_layers[layer] = {std::move(look), std::move(marks)}; });
}

void DrawingModel::clearLayer(DrawingLayer layer)
{
    update([&] { m_layers.erase(layer); });
}

const StepMarks* DrawingModel::layerMarks(DrawingLayer layer) const
{
    const auto it = m_layers.find(layer);
    return it == m_layers.end() ? nullptr : &it->second.marks;
}

const StepMarks& DrawingModel::marks() const
{
    static const StepMarks none;
    return m_layers.empty() ? none : m_layers.rbegin()->second.marks;
}

const RouteLook* DrawingModel::topLayer() const
{
    return m_layers.empty() ? nullptr : &m_layers.rbegin()->second.look;
}

QColor DrawingModel::resultColor(int element) const
{
    const Element& e = elements().elements[size_t(element)];
    if (const QColor& painted = m_painted[size_t(element)]; painted.isValid())
        return painted;
    if (isEnd(e))
        return m_endsMarked ? routeNodeColor() : neutralNodeColor();
    return m_result ? lookColor(*m_result, e) : lookColor(RouteLook{}, e);
}

QColor DrawingModel::color(int element) const
{
    const Element& e = elements().elements[size_t(element)];
    if (const RouteLook* top = topLayer(); top && !isEnd(e))
        return lookColor(*top, e);
    return resultColor(element);
}

QColor DrawingModel::color(const QString& name) const
{
    const auto it = elements().index.constFind(name);
    return it == elements().index.cend() ? QColor() : color(*it);
}

bool DrawingModel::nodeOnRoute(int n) const
{
    const int element = elements().index.value(toQString(nodeLayouts()[size_t(n - 1)].shapeName));
    const Element& e = elements().elements[size_t(element)];
    if (const RouteLook* top = topLayer(); top && !isEnd(e))
        return lookMarks(*top, e);
    if (const QColor& painted = m_painted[size_t(element)]; painted.isValid())
        return painted == routeColorOf(e);
    return isEnd(e) ? m_endsMarked : m_result && lookMarks(*m_result, e);
}

QList<int> DrawingModel::routeLinks() const
{
    QList<int> links;
    const RouteLook* top = topLayer();
    const auto& all = elements().elements;
    for (size_t i = 0; i < all.size(); ++i) {
        const Element& e = all[i];
        if (e.kind != Kind::Line || links.contains(e.number))
            continue;
        // A colour set by name counts for its own line: one red segment of a link is enough.
        const bool marked = top                      ? lookMarks(*top, e)
                            : m_painted[i].isValid() ? m_painted[i] == routeColorOf(e)
                                                     : m_result && lookMarks(*m_result, e);
        if (marked)
            links << e.number;
    }
    std::sort(links.begin(), links.end());
    return links;
}

QString DrawingModel::description() const
{
    const RouteLook* top = topLayer();
    return top ? top->description : QString();
}

QString DrawingModel::toolTip() const
{
    const RouteLook* top = topLayer();
    return top ? top->toolTip : QString();
}

} // namespace trayeko::ui
