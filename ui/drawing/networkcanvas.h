#pragma once

#include "ui/drawing/drawingwidget.h"

#include <QLineF>
#include <QRectF>

class QPainter;

namespace trayeko::ui {

// The drawing of any network: every node a circle at its x and y (the network's own units, fitted
// into the widget with a margin, its proportions kept), its number inside and its name below it;
// every one-way link an arrow with its weight in a box halfway along (a pair of opposite links as
// two arrows side by side, each with its own box); the run's result, the layers and their step
// marks from model(), as on the demonstration drawing. Each node and each link is an accessible
// element with its name and place ("Simpul 3 (Pasar)", "Jalur 2 ke 5, bobot 7").
//
// Subclasses choose how network places become widget places (plotArea, networkExtent,
// keepsAspect) and may paint a caption under and marks of their own over the drawing.
class NetworkCanvas : public DrawingWidget
{
    Q_OBJECT

public:
    explicit NetworkCanvas(QWidget* parent = nullptr);

    DrawingModel& model() override { return *m_model; }
    const DrawingModel& model() const override { return *m_model; }

    // The node under @p point (widget coordinates), 0 for none; the nodes are painted over the
    // links and win.
    int nodeAt(QPointF point) const;
    // The link whose weight box holds @p point or whose arrow runs close by, 0 for none.
    int linkAt(QPointF point) const;
    // Where node @p node's circle is drawn, and link @p link's weight box; empty for none.
    QRectF nodeRect(int node) const;
    QRectF weightBoxRect(int link) const;
    // Link @p link's arrow, from the edge of one circle to the tip of its head at the other (null
    // where the circles touch).
    QLineF linkLine(int link) const;
    // A widget point in the network's units, and a network place on the widget.
    QPointF toNetwork(QPointF widgetPoint) const;
    QPointF toWidget(double x, double y) const;
    // A weight as the drawing writes it.
    virtual QString weightText(double weight) const;
    // The element that holds the keyboard's focus, as the accessible children count them (the
    // nodes from 0, then the links); -1 for none.
    virtual int focusElement() const { return -1; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    // Where the node centres may lie on the widget, and which part of the network's plane is
    // fitted into it (the nodes' bounding box unless a subclass says otherwise).
    virtual QRectF plotArea() const;
    virtual QRectF networkExtent() const;
    // Whether one network unit is as long across as down.
    virtual bool keepsAspect() const { return true; }
    virtual qreal nodeRadius() const;
    // What lies under everything (a caption) and over everything (a selection, a link being
    // drawn).
    virtual void paintUnder(QPainter& painter) const;
    virtual void paintOver(QPainter& painter) const;
    // What lies over the links but under the weight boxes, which stay readable.
    virtual void paintUnderBoxes(QPainter& painter) const;

    QPointF nodeCentre(int node) const;
    // The bounding box of the nodes' places; empty without nodes.
    QRectF nodeBounds() const;
    QFont weightFont() const;
    QFont markFont() const;
    // Paints an arrow along @p line (from the edge of the first circle to the tip).
    static void paintArrow(QPainter& painter, const QLineF& line, const QColor& colour,
                           qreal width);
    // The arrow between two circles centred at @p from and @p to.
    QLineF arrowBetween(QPointF from, QPointF to) const;

private:
    // How far link @p link is drawn beside the straight line between its nodes: apart from its
    // opposite link where there is one, none otherwise.
    qreal sideShift(int link) const;
    QRectF markTextRect(int node, const QString& text) const;
    QRectF nameRect(int node) const;
    void paintMarks(QPainter& painter) const;

    DrawingModel* m_model;
};

} // namespace trayeko::ui
