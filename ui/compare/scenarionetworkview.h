#pragma once

#include "core/generatednetwork.h"
#include "ui/drawing/networkcanvas.h"

#include <QLineF>
#include <QMdiSubWindow>
#include <vector>

namespace trayeko::ui {

// One network of the comparison window drawn for the class to check a route by eye (and read to a
// screen reader node by node and link by link, with its weight and place): in layers
// from node 1 on the left to the last node on the right, as generatedShape places them, every link
// an arrow with its weight in a box halfway along; no two links cross. The route is drawn as in
// the network windows: its links and weight boxes red, its nodes blue; the others black and pink.
//
// Everything it paints comes from its drawing model, which holds the network with each node's
// place (x its column, y its row) and the route as the run's result: a feature lays its looks and
// step marks over it as layers of model(), as on the network windows.
class ScenarioNetworkView final : public NetworkCanvas
{
    Q_OBJECT

public:
    explicit ScenarioNetworkView(QWidget* parent = nullptr);

    // @p route lists the highlighted route's nodes in travel order; @p distance is its length.
    void setNetwork(const Network& graph, const std::vector<int>& route, double distance);

    const std::vector<int>& route() const { return m_route; }
    // Where the arrow from @p from to @p to runs, from the edge of one circle to the tip of its
    // head at the other, in widget coordinates.
    QLineF arcLine(int from, int to) const;

    // Where the weight box of a link is drawn, in widget coordinates; a screen reader is told the
    // same places.
    using NetworkCanvas::weightBoxRect;
    QRectF weightBoxRect(const WeightedEdge& edge) const;
    const std::vector<WeightedEdge>& edges() const { return model().network().links(); }
    int nodeCount() const { return model().network().nodeCount(); }
    // Whether the drawing shows the node or the link as part of the route (blue, red).
    bool nodeHighlighted(int node) const;
    bool onRoute(int from, int to) const;
    // The comparison's reports write weights with a point.
    QString weightText(double weight) const override;

    QSize sizeHint() const override;

protected:
    // The columns and rows of generatedShape, stretched over the widget under the caption.
    QRectF plotArea() const override;
    QRectF networkExtent() const override;
    bool keepsAspect() const override { return false; }
    qreal nodeRadius() const override;
    void paintUnder(QPainter& painter) const override;

private:
    QString caption() const;

    GeneratedShape m_shape = generatedShape(0);
    std::vector<int> m_route;
    double m_distance = 0;
};

// The window "Jaringan N simpul" around the drawing, with the picture actions in its context
// menu (copy, save, print).
class ScenarioNetworkWindow final : public QMdiSubWindow
{
    Q_OBJECT

public:
    explicit ScenarioNetworkWindow(QWidget* parent = nullptr);

    void setNetwork(const Network& graph, const std::vector<int>& route, double distance);
    ScenarioNetworkView* view() const { return m_view; }

private:
    ScenarioNetworkView* m_view;
};

} // namespace trayeko::ui
