#pragma once

#include "core/demonetwork.h"
#include "ui/drawing/drawingwidget.h"
#include "ui/drawing/networklayout.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <span>

class QLineEdit;
class QPainter;
class QRectF;

namespace trayeko::ui {

// The frame "Pencarian Jalur" with the drawn demonstration network: node circles with their
// numbers, link lines with arrowheads, the legend, and the fourteen weight boxes j1 ... j14 as
// real line edits on the links. Everything is drawn from the layout tables, shifted as the
// variant says.
//
// Windows work with it in the network's terms: weights in and out, a route to highlight by its
// nodes and links, reset; features lay their own looks and step marks over that result as layers
// of the model (model().setLayer, clearLayer). The view paints everything from the model in one
// pass and repaints what the model says has changed. The colour of every named element (Shape1
// ... Shape7, lj1 ... lj14 with lj10a/lj10b/lj12a/lj12b, j1 ... j14) also stays readable and
// settable by that name, for tests and for assistive technology.
class NetworkView final : public DrawingWidget
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

    // What the drawing shows; features set and clear their layers here.
    DrawingModel& model() override { return *m_model; }
    const DrawingModel& model() const override { return *m_model; }

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

    // Where the step marks' text @p text beside node @p n (1 ... 7) is drawn: the first place
    // round the circle that covers no line, arrowhead, weight box or other node.
    QRect markTextRect(int n, const QString& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // Shows what the model changed: repaints, box colours, the texts.
    void showChange(const DrawingChange& change);
    void paintMarks(QPainter& p, const QRegion& region) const;
    QFont markTextFont() const;
    QRect markTextRect(int n, QSize size) const;
    // Whether @p r, beside node @p n, stays inside the frame and off the drawing's lines,
    // arrowheads, weight boxes and other nodes.
    bool isClear(const QRect& r, int n) const;
    // What the marks of node @p n and of link @p k cover in @p marks, for partial repaints.
    QRegion nodeMarksRegion(int n, const StepMarks& marks) const;
    QRegion linkMarksRegion(int k) const;

    DrawingVariant m_variant;
    std::array<QLineEdit*, kLinkCount> m_boxes{};
    DrawingModel* m_model;
};

// The box of a step mark's text beside a node, as every drawing paints it: pale yellow, its frame
// and text green for a fixed node.
void paintMarkText(QPainter& painter, const QRectF& box, const QString& text, bool fixed);

} // namespace trayeko::ui
