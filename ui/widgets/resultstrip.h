#pragma once

#include <QFont>
#include <QRect>

class QLabel;

namespace trayeko::ui {

// The strip under the drawing of the Dijkstra and the Floyd window: the total on the left and the
// elapsed time right of it, both on the same dark red. Their designed widths suit short totals;
// arrange() keeps every character of both texts in sight for any value:
//
// 1. a text wider than its designed label is narrowed, down to a still comfortable stretch;
// 2. the total's label grows to its text and pushes the elapsed time to the right;
// 3. where that would run under the buttons, both are narrowed together to share the row;
// 4. where even that is too narrow to read, the elapsed time goes to a second row.
//
// A text that fits its designed label leaves the strip exactly as designed.
class ResultStrip final
{
public:
    // Takes the labels as they were built: their geometry and font are the design. The strip
    // may reach to @p right (the left edge of the buttons beside it).
    ResultStrip(QLabel* total, QLabel* elapsed, int right);

    // Lays both labels out for their current texts.
    void arrange();

private:
    QLabel* m_total;
    QLabel* m_elapsed;
    QRect m_totalRect;
    QRect m_elapsedRect;
    QFont m_font;
    int m_right;
};

} // namespace trayeko::ui
