#pragma once

#include "core/demonetwork.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <optional>
#include <vector>

namespace trayeko::ui {

// The layers a feature may lay over the run's result, in the order they are painted: a later one
// covers an earlier one. Each feature sets and clears only its own.
enum class DrawingLayer
{
    Preview,  // the detail table's route under the text cursor
    Steps,    // step mode: the neutral drawing under the step marks
    Exercise, // an exercise: the neutral drawing under what the student has earned
};

// A route as one look of the drawing shows it: its inner nodes blue, the lines and weight boxes
// of its links in their colours, every other node, line and box neutral. Nodes 1 and 7 keep the
// colour they have below. The texts are what the drawing says while the look is on top (empty:
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

// What the drawing shows, from the bottom up: the base look (neutral colours, nodes 1 and 7 blue
// once the window marks them), the run's result, and the layers of DrawingLayer above it. Every
// colour the view paints and every highlighted state assistive technology reports is read here,
// so that leaving a mode only takes its layer away and never has to put colours back.
class DrawingModel final
{
public:
    DrawingModel();

    // Every coloured element by its design name: nodes, then each link's lines and weight box.
    static const QStringList& elementNames();

    // The link whose weight box is element @p element of elementNames(), or 0 for another one.
    static int weightBoxLink(int element);

    // Nodes 1 and 7 in the route colour, as every window shows them from its opening on.
    void markEnds() { m_endsMarked = true; }

    // The run's result, replacing the previous one and any colour set by name.
    void showResult(RouteLook look);

    // No result: the neutral colours. Nodes 1 and 7 keep theirs.
    void clearResult();

    // A colour set by name on the result's level; false for an unknown name.
    bool paint(const QString& name, const QColor& color);

    void setLayer(DrawingLayer layer, RouteLook look);
    void clearLayer(DrawingLayer layer) { m_layers.erase(layer); }
    bool hasLayer(DrawingLayer layer) const { return m_layers.count(layer) != 0; }

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

private:
    const RouteLook* topLayer() const;
    QColor resultColor(int element) const;

    bool m_endsMarked = false;
    std::optional<RouteLook> m_result;
    std::vector<QColor> m_painted; // by element; invalid where nothing was set by name
    std::map<DrawingLayer, RouteLook> m_layers;
};

} // namespace trayeko::ui
