#include "ui/drawing/drawingmodel.h"

#include "ui/drawing/networklayout.h"
#include "ui/support/utf8.h"

#include <QHash>
#include <algorithm>
#include <stdexcept>

namespace trayeko::ui {

bool StepMarks::isEmpty() const
{
    return pivotNode == 0 && treeLinks.empty() && improvedLinks.empty() &&
           std::none_of(nodeTexts.begin(), nodeTexts.end(),
                        [](const QString& t) { return !t.isEmpty(); }) &&
           std::none_of(fixedNodes.begin(), fixedNodes.end(), [](bool f) { return f; });
}

void StepMarks::resize(int nodeCount)
{
    nodeTexts.resize(size_t(std::max(nodeCount, 0)));
    fixedNodes.resize(size_t(std::max(nodeCount, 0)));
}

QString StepMarks::nodeText(int n) const
{
    return n >= 1 && size_t(n) <= nodeTexts.size() ? nodeTexts[size_t(n - 1)] : QString();
}

bool StepMarks::fixed(int n) const
{
    return n >= 1 && size_t(n) <= fixedNodes.size() && fixedNodes[size_t(n - 1)];
}

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

bool contains(const std::vector<int>& numbers, int n)
{
    return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
}

// Whether @p network is the demonstration network's shape: its seven nodes and its fourteen
// links in their order, whatever the weights and places.
bool isDemoShape(const Network& network)
{
    if (network.nodeCount() != kNodeCount || network.linkCount() != kLinkCount)
        return false;
    for (const LinkInfo& info : demoLinks()) {
        const NetworkLink& link = network.link(info.number);
        if (link.from != info.fromNode || link.to != info.toNode)
            return false;
    }
    return true;
}

// The colour @p look gives an element; the ends are not the look's to colour.
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

// The end node @p end stands for (0: the last node), checked with @p start against @p network.
int checkedEnd(const Network& network, int start, int end)
{
    if (end == 0)
        end = network.nodeCount();
    if (network.nodeCount() == 0 && start <= 1 && end == 0)
        return 0;
    if (!network.hasNode(start) || !network.hasNode(end))
        throw std::invalid_argument("the start or end of the drawing is no node of its network");
    return end;
}

} // namespace

struct DrawingModel::Elements
{
    QStringList names;
    std::vector<Element> elements;
    QHash<QString, int> index;
    std::vector<int> boxOfLink;        // element index of link k's weight box at k - 1
    std::vector<QList<int>> linesOfLink; // element indices of link k's lines at k - 1

    void add(const QString& name, Kind kind, int number)
    {
        index.insert(name, int(elements.size()));
        if (kind == Kind::Box)
            boxOfLink.push_back(int(elements.size()));
        if (kind == Kind::Line) {
            linesOfLink.resize(size_t(number));
            linesOfLink[size_t(number - 1)] << int(elements.size());
        }
        names << name;
        elements.push_back({kind, number});
    }
};

std::shared_ptr<const DrawingModel::Elements> DrawingModel::elementsOf(const Network& network)
{
    static const std::shared_ptr<const Elements> demo = [] {
        auto t = std::make_shared<Elements>();
        for (const NodeLayout& node : nodeLayouts())
            t->add(toQString(node.shapeName), Kind::Node, node.number);
        for (const LinkLayout& link : linkLayouts()) {
            for (const NamedLine& line : link.lines())
                t->add(toQString(line.name), Kind::Line, link.number);
            t->add(toQString(link.weightBox), Kind::Box, link.number);
        }
        return t;
    }();
    if (isDemoShape(network))
        return demo;
    auto t = std::make_shared<Elements>();
    for (int n = 1; n <= network.nodeCount(); ++n)
        t->add(QStringLiteral("node%1").arg(n), Kind::Node, n);
    for (int k = 1; k <= network.linkCount(); ++k) {
        t->add(QStringLiteral("line%1").arg(k), Kind::Line, k);
        t->add(QStringLiteral("weight%1").arg(k), Kind::Box, k);
    }
    return t;
}

DrawingModel::DrawingModel(QObject* parent) : DrawingModel(demoNetwork(), 1, 0, parent) {}

DrawingModel::DrawingModel(Network network, int start, int end, QObject* parent)
    : QObject(parent), m_noMarks(0)
{
    end = checkedEnd(network, start, end);
    m_network = std::move(network);
    m_start = end == 0 ? 0 : start;
    m_end = end;
    m_elements = elementsOf(m_network);
    m_noMarks = StepMarks(m_network.nodeCount());
    m_painted.resize(m_elements->elements.size());
}

template <typename Edit> void DrawingModel::update(Edit&& edit)
{
    const size_t count = m_elements->elements.size();
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
    for (int n = 1; n <= m_network.nodeCount(); ++n)
        if (now.nodeText(n) != was.nodeText(n) || now.fixed(n) != was.fixed(n) ||
            (now.pivotNode == n) != (was.pivotNode == n))
            change.nodes << n;
    for (int k = 1; k <= m_network.linkCount(); ++k)
        if (contains(now.treeLinks, k) != contains(was.treeLinks, k) ||
            contains(now.improvedLinks, k) != contains(was.improvedLinks, k))
            change.links << k;
    change.texts = this->description() != description || toolTip() != tip;
    if (!change.isEmpty())
        emit changed(change);
}

void DrawingModel::setNetwork(Network network, int start, int end)
{
    end = checkedEnd(network, start, end);
    if (network == m_network && start == m_start && end == m_end)
        return;
    const QString description = this->description();
    const QString tip = toolTip();
    DrawingChange change;
    change.formerMarks = marks();

    m_network = std::move(network);
    m_start = end == 0 ? 0 : start;
    m_end = end;
    m_elements = elementsOf(m_network);
    m_noMarks = StepMarks(m_network.nodeCount());
    m_painted.assign(m_elements->elements.size(), QColor());
    m_result.reset();
    m_layers.clear();

    for (int i = 0; i < int(m_elements->elements.size()); ++i)
        change.elements << i;
    for (int n = 1; n <= m_network.nodeCount(); ++n)
        change.nodes << n;
    for (int k = 1; k <= m_network.linkCount(); ++k)
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
    return elementsOf(demoNetwork())->names;
}

const QStringList& DrawingModel::names() const
{
    return m_elements->names;
}

int DrawingModel::nodeElement(int n) const
{
    return m_network.hasNode(n) ? n - 1 : -1;
}

int DrawingModel::weightBoxElement(int k) const
{
    return m_network.hasLink(k) ? m_elements->boxOfLink[size_t(k - 1)] : -1;
}

int DrawingModel::weightBoxLink(int element) const
{
    if (element < 0 || size_t(element) >= m_elements->elements.size())
        return 0;
    const Element& e = m_elements->elements[size_t(element)];
    return e.kind == Kind::Box ? e.number : 0;
}

QList<int> DrawingModel::lineElements(int k) const
{
    return m_network.hasLink(k) ? m_elements->linesOfLink[size_t(k - 1)] : QList<int>();
}

bool DrawingModel::isEnd(int element) const
{
    const Element& e = m_elements->elements[size_t(element)];
    return e.kind == Kind::Node && (e.number == m_start || e.number == m_end);
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
    for (size_t i = 0; i < m_painted.size(); ++i)
        if (!isEnd(int(i)))
            m_painted[i] = QColor();
}

bool DrawingModel::paint(const QString& name, const QColor& color)
{
    const auto it = m_elements->index.constFind(name);
    if (it == m_elements->index.cend())
        return false;
    update([&] { m_painted[size_t(*it)] = color; });
    return true;
}

void DrawingModel::setLayer(DrawingLayer layer, RouteLook look, StepMarks marks)
{
    // Marks made for another number of nodes show what they have for the nodes drawn.
    marks.resize(m_network.nodeCount());
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
    return m_layers.empty() ? m_noMarks : m_layers.rbegin()->second.marks;
}

const RouteLook* DrawingModel::topLayer() const
{
    return m_layers.empty() ? nullptr : &m_layers.rbegin()->second.look;
}

QColor DrawingModel::resultColor(int element) const
{
    const Element& e = m_elements->elements[size_t(element)];
    if (const QColor& painted = m_painted[size_t(element)]; painted.isValid())
        return painted;
    if (isEnd(element))
        return m_endsMarked ? routeNodeColor() : neutralNodeColor();
    return m_result ? lookColor(*m_result, e) : lookColor(RouteLook{}, e);
}

QColor DrawingModel::color(int element) const
{
    if (element < 0 || size_t(element) >= m_elements->elements.size())
        return {};
    const Element& e = m_elements->elements[size_t(element)];
    if (const RouteLook* top = topLayer(); top && !isEnd(element))
        return lookColor(*top, e);
    return resultColor(element);
}

QColor DrawingModel::color(const QString& name) const
{
    const auto it = m_elements->index.constFind(name);
    return it == m_elements->index.cend() ? QColor() : color(*it);
}

bool DrawingModel::nodeOnRoute(int n) const
{
    const int element = nodeElement(n);
    if (element < 0)
        return false;
    const Element& e = m_elements->elements[size_t(element)];
    if (const RouteLook* top = topLayer(); top && !isEnd(element))
        return lookMarks(*top, e);
    if (const QColor& painted = m_painted[size_t(element)]; painted.isValid())
        return painted == routeColorOf(e);
    return isEnd(element) ? m_endsMarked : m_result && lookMarks(*m_result, e);
}

QList<int> DrawingModel::routeLinks() const
{
    QList<int> links;
    const RouteLook* top = topLayer();
    const auto& all = m_elements->elements;
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
