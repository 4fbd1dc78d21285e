#pragma once

#include "ui/drawing/drawingmodel.h"

#include <QWidget>

namespace trayeko::ui {

// A widget that paints a network from its DrawingModel: the demonstration drawing of the
// Dijkstra and Floyd windows, and the drawing of any other network. What steps, exercises and
// pictures need of a drawing is here, so that they work on either.
class DrawingWidget : public QWidget
{
    Q_OBJECT

public:
    // What the drawing shows; features set and clear their layers here.
    virtual DrawingModel& model() = 0;
    virtual const DrawingModel& model() const = 0;

signals:
    // The left button was pressed on the circle of node @p node (1 ... nodeCount).
    void nodeClicked(int node);

protected:
    using QWidget::QWidget;
};

} // namespace trayeko::ui
