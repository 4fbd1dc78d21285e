#pragma once

#include "core/demonetwork.h"

#include <QColor>
#include <QString>
#include <QWidget>
#include <array>
#include <vector>

namespace trayeko::ui {

class NetworkView;

// What one step of a method shows on top of the drawing.
struct StepMarks
{
    std::array<QString, kNodeCount> nodeTexts; // beside each node; empty shows nothing
    std::array<bool, kNodeCount> fixedNodes{}; // ringed: the method is done with them
    int pivotNode = 0;                         // ringed in its own colour; 0 for none
    std::vector<int> treeLinks;                // best links known so far
    std::vector<int> improvedLinks;            // links that lowered a distance in this step
};

// A transparent layer over the drawing that paints a step's marks. It takes no mouse input and
// leaves the weight boxes uncovered, so the drawing underneath works as before.
class StepOverlay final : public QWidget
{
    Q_OBJECT

public:
    explicit StepOverlay(NetworkView* view);

    void setMarks(StepMarks marks);
    const StepMarks& marks() const { return m_marks; }

    // The colours of the marks, also named in the guides.
    static QColor treeColour() { return {0, 96, 208}; }
    static QColor improvedColour() { return {255, 128, 0}; }
    static QColor fixedColour() { return {0, 128, 0}; }
    static QColor pivotColour() { return {255, 128, 0}; }

    // Where the text beside node @p n (1 ... 7) is drawn.
    QRect nodeTextRect(int n, const QString& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont textFont() const;
    QRect nodeTextRect(int n, QSize size) const;
    // Whether @p r, beside node @p n, stays inside the frame and off the drawing's lines,
    // arrowheads, weight boxes and other nodes.
    bool isClear(const QRect& r, int n) const;
    // What the marks cover, for partial repaints.
    QRegion marksRegion(const StepMarks& marks) const;

    NetworkView* m_view;
    StepMarks m_marks;
};

} // namespace trayeko::ui
