#pragma once

#include "core/demonetwork.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace trayeko::ui {

// What one step of a method shows on top of the drawing's colours: one text and one ring per
// node of the network drawn (node n at index n - 1), and marks on links by their numbers.
struct StepMarks
{
    // Marks for the demonstration network's seven nodes.
    StepMarks() : StepMarks(kNodeCount) {}
    explicit StepMarks(int nodeCount)
        : nodeTexts(size_t(std::max(nodeCount, 0))), fixedNodes(size_t(std::max(nodeCount, 0)))
    {
    }

    std::vector<QString> nodeTexts; // beside each node; empty shows nothing
    std::vector<bool> fixedNodes;   // ringed: the method is done with them
    int pivotNode = 0;              // ringed in its own colour; 0 for none
    std::vector<int> treeLinks;     // best links known so far
    std::vector<int> improvedLinks; // links that lowered a distance in this step

    bool operator==(const StepMarks&) const = default;

    // Whether the marks show nothing at all, whatever the number of nodes they are sized for.
    bool isEmpty() const;
    // One text and one ring per node of a network of @p nodeCount nodes: what lay beyond is
    // dropped, new nodes show nothing.
    void resize(int nodeCount);
    // The text beside node @p n and whether it is ringed as fixed; nothing for a node the marks
    // do not reach.
    QString nodeText(int n) const;
    bool fixed(int n) const;

    // The colours of the marks, also named in the guides.
    static QColor treeColour() { return {0, 96, 208}; }
    static QColor improvedColour() { return {255, 128, 0}; }
    static QColor fixedColour() { return {0, 128, 0}; }
    static QColor pivotColour() { return {255, 128, 0}; }
};

// The layers a feature may lay over the run's result, in the order they are painted: a later one
// covers an earlier one whole (its colours, its marks and its texts). Each feature sets and clears
// only its own.
enum class DrawingLayer
{
    Result,   // a run's distances beside the nodes, over its route (a window of any network)
    Preview,  // the detail table's route under the text cursor
    Steps,    // step mode: the neutral drawing under the step marks
    Exercise, // an exercise: the neutral drawing under what the student has earned
};

// A route as one look of the drawing shows it: its inner nodes blue, the lines and weight boxes
// of its links in their colours, every other node, line and box neutral. The start and end nodes
// keep the colour they have below. The texts are what the drawing says while the look is on top (empty:
// nothing of its own).
struct RouteLook
{
    std::vector<int> innerNodes;
    std::vector<int> links;
    QColor lineColor;
    QColor boxColor;
    QString description;
    QString toolTip;
};

// What a change of the model altered, for the views to repaint and announce only that.
struct DrawingChange
{
    QList<int> elements;   // coloured elements (indices of names()) with another colour
    QList<int> nodes;      // nodes whose ring or text beside them changed
    QList<int> links;      // links whose mark changed
    StepMarks formerMarks; // the marks shown before, where the texts beside nodes were drawn
    bool texts = false;    // the description or the tool tip changed

    bool isEmpty() const
    {
        return elements.isEmpty() && nodes.isEmpty() && links.isEmpty() && !texts;
    }
};

// What the drawing of one network shows, from the bottom up: the base look (neutral colours, the
// start and end nodes blue once the window marks them), the run's result, and the layers of
// DrawingLayer above it, each with the step marks it shows. The network is any core Network; the
// demonstration network unless another is set. Every colour and mark the view paints and every highlighted
// state assistive technology reports is read here, so that leaving a mode only takes its layer
// away and never has to put colours back. Every change that alters what is shown is announced
// with changed().
class DrawingModel final : public QObject
{
    Q_OBJECT

public:
    // A model of the demonstration network, from node 1 to node 7.
    explicit DrawingModel(QObject* parent = nullptr);
    // A model of @p network from node @p start to node @p end (0: its last node);
    // std::invalid_argument for an end that is no node of it.
    explicit DrawingModel(Network network, int start = 1, int end = 0, QObject* parent = nullptr);

    // The demonstration network's coloured elements by their design names: nodes (Shape1 ...),
    // then each link's lines (lj1 ...) and weight box (j1 ...).
    static const QStringList& elementNames();

    // This model's coloured elements: nodes, then each link's lines and weight box. The
    // demonstration network keeps its design names; any other network has one line per link and
    // plain names: "node<n>", "line<k>", "weight<k>".
    const QStringList& names() const;
    // The element index of node @p n, and of the weight box of link @p k; -1 where there is none.
    int nodeElement(int n) const;
    int weightBoxElement(int k) const;
    // The link whose weight box is element @p element of names(), or 0 for another one.
    int weightBoxLink(int element) const;
    // The elements of link @p k's lines (one, or two where the design bends it); none where
    // there is no such link.
    QList<int> lineElements(int k) const;

    // The network drawn, and its start and end nodes.
    const Network& network() const { return m_network; }
    int startNode() const { return m_start; }
    int endNode() const { return m_end; }
    // Draws @p network from @p start to @p end (0: its last node; a network without nodes has
    // neither) instead. Another network has
    // other elements: the result, the colours set by name and every layer are dropped, and the
    // change names every element, node and link of the new one. Nothing changes when network and
    // ends are those drawn already. std::invalid_argument for an end that is no node of it.
    void setNetwork(Network network, int start = 1, int end = 0);

    // The start and end nodes in the route colour, as every window shows them from its opening
    // on.
    void markEnds();

    // The run's result, replacing the previous one and any colour set by name.
    void showResult(RouteLook look);

    // No result: the neutral colours. The start and end nodes keep theirs.
    void clearResult();

    // A colour set by name on the result's level; false for an unknown name.
    bool paint(const QString& name, const QColor& color);

    // Lays @p look with @p marks over the result (or replaces the layer's previous ones), or
    // takes the layer away.
    void setLayer(DrawingLayer layer, RouteLook look, StepMarks marks = {});
    void clearLayer(DrawingLayer layer);
    bool hasLayer(DrawingLayer layer) const { return m_layers.count(layer) != 0; }
    // The marks layer @p layer holds, shown or covered; null while the layer is not set.
    const StepMarks* layerMarks(DrawingLayer layer) const;

    // The marks shown: the top layer's, none without a layer.
    const StepMarks& marks() const;

    // The colour element @p name shows (invalid for an unknown name).
    QColor color(const QString& name) const;
    QColor color(int element) const;

    // Whether node @p n is shown as a node of the route, and the links shown as the route's (in
    // the run's colours, on top), link 1 first.
    bool nodeOnRoute(int n) const;
    QList<int> routeLinks() const;

    // The texts of the top layer, empty when no layer is shown.
    QString description() const;
    QString toolTip() const;

signals:
    void changed(const trayeko::ui::DrawingChange& change);

private:
    struct Layer
    {
        RouteLook look;
        StepMarks marks;
    };

    const RouteLook* topLayer() const;
    struct Elements;
    static std::shared_ptr<const Elements> elementsOf(const Network& network);
    bool isEnd(int element) const;
    // Takes away every colour set by name but those of the start and end nodes.
    void forgetPainted();
    QColor resultColor(int element) const;
    // Makes @p edit and announces what it changed of what is shown.
    template <typename Edit> void update(Edit&& edit);

    Network m_network;
    int m_start = 1;
    int m_end = 1;
    std::shared_ptr<const Elements> m_elements;
    StepMarks m_noMarks; // what shows without a layer, sized for the network
    bool m_endsMarked = false;
    std::optional<RouteLook> m_result;
    std::vector<QColor> m_painted; // by element; invalid where nothing was set by name
    std::map<DrawingLayer, Layer> m_layers;
};

} // namespace trayeko::ui
