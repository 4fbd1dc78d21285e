#pragma once

#include "core/generatednetwork.h"
#include "ui/drawing/drawingmodel.h"

#include <QLineF>
#include <QMdiSubWindow>
#include <QWidget>

class QPainter;
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
class ScenarioNetworkView final : public QWidget
{
    Q_OBJECT

public:
    explicit ScenarioNetworkView(QWidget* parent = nullptr);

    // @p route lists the highlighted route's nodes in travel order; @p distance is its length.
    void setNetwork(const Network& graph, const std::vector<int>& route, double distance);

    const std::vector<int>& route() const { return m_route; }
    DrawingModel& model() { return *m_model; }
    const DrawingModel& model() const { return *m_model; }
    // Where the arrow from @p from to @p to runs, from the edge of one circle to the tip of its
    // head at the other, in widget coordinates.
    QLineF arcLine(int from, int to) const;

    // Where node @p node (from 1) is drawn, and where the weight box of a link, in widget
    // coordinates; a screen reader is told the same places.
    QRectF nodeRect(int node) const;
    QRectF weightBoxRect(const WeightedEdge& edge) const;
    const std::vector<WeightedEdge>& edges() const { return m_model->network().links(); }
    int nodeCount() const { return m_model->network().nodeCount(); }
    // Whether the drawing shows the node or the link as part of the route (blue, red).
    bool nodeHighlighted(int node) const;
    bool onRoute(int from, int to) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF nodeCentre(int node) const;
    qreal nodeRadius() const;
    QString caption() const;
    QFont weightFont() const;
    QFont markFont() const;
    // Where the step marks' text @p text beside node @p node is drawn: above its right.
    QRectF markTextRect(int node, const QString& text) const;
    void paintMarks(QPainter& painter) const;
    bool linkOnRoute(int k) const;

    DrawingModel* m_model;
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
