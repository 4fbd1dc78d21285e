#pragma once

#include "core/demonetwork.h"
#include "ui/drawing/drawingmodel.h"
#include "ui/drawing/networklayout.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <span>

class QLineEdit;

namespace trayeko::ui {

// The frame "Pencarian Jalur" with the drawn demonstration network: node circles with their
// numbers, link lines with arrowheads, the legend, and the fourteen weight boxes j1 ... j14 as
// real line edits on the links. Everything is drawn from the layout tables, shifted as the
// variant says.
//
// Windows work with it in the network's terms: weights in and out, a route to highlight by its
// nodes and links, reset; features lay their own looks over that result as layers of the model
// (model(), setLayer, clearLayer). The colour of every named element (Shape1 ... Shape7, lj1 ...
// lj14 with lj10a/lj10b/lj12a/lj12b, j1 ... j14) also stays readable and settable by that name, for
// tests and for assistive technology.
class NetworkView final : public QWidget
{
    Q_OBJECT

public:
    explicit NetworkView(const DrawingVariant& variant, QWidget* parent = nullptr);

    const DrawingVariant& variant() const { return m_variant; }

    // Weight box of link k (1 ... 14); its objectName is "j<k>".
    QLineEdit* weightBox(int k) const;

    // The weights as the boxes show them, read as the core reads a typed number with the user's
    // decimal separator.
    LinkWeights weights() const;

    // Writes the default weights into the boxes as whole numbers ("7", "16").
    void setDefaultWeights();
    // Writes @p weights into the boxes as the program shows numbers, with the user's separator.
    void setWeights(const LinkWeights& weights);

    // Nodes 1 and 7 in the route colour, as every window shows them from its opening on.
    void highlightEnds();

    // The run's result: @p innerNodes blue, the lines and weight boxes of @p links red, the rest
    // neutral.
    void highlightRoute(std::span<const int> innerNodes, std::span<const int> links);

    // Lays @p look over the result (or replaces the layer's previous look), or takes it away.
    void setLayer(DrawingLayer layer, RouteLook look);
    void clearLayer(DrawingLayer layer);

    const DrawingModel& model() const { return m_model; }

    // The neutral colours: nodes 2 ... 6 pink, every link line black, boxes j1 ... j14 white.
    // Nodes 1 and 7, the arrowheads and the texts are left alone.
    void reset();

    // Sets the colour of a named element: a node's fill, a link line's pen or a weight box's
    // background. Only the changed element is repainted. Unknown names are ignored.
    void setElementColor(const QString& name, const QColor& color);
    QColor elementColor(const QString& name) const;

    QSize sizeHint() const override;

    // Where a node circle or a link line is drawn, in the view's coordinates (empty for other
    // names); assistive technology uses it to show where each element is.
    QRect elementRect(const QString& name) const;

signals:
    // A named element has taken another colour (and with it possibly its highlighted state).
    void elementColorChanged(const QString& name);
    // The left button was pressed on the circle of node @p node (1 ... 7).
    void nodeClicked(int node);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Changes the model and shows what changed: repaints, box colours, the texts, the signal.
    template <typename Change> void change(Change&& change);

    DrawingVariant m_variant;
    std::array<QLineEdit*, kLinkCount> m_boxes{};
    DrawingModel m_model;
};

} // namespace trayeko::ui
