#include "ui/stepping/stepoverlay.h"

#include "ui/drawing/networklayout.h"
#include "ui/drawing/networkview.h"
#include "ui/support/fontsizes.h"
#include "ui/support/twips.h"

#include <QLineEdit>
#include <QLineF>
#include <QPaintEvent>
#include <QPainter>

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace trayeko::ui {

namespace {

QRectF circlePx(const NodeLayout& node, int shift)
{
    return rectPx(node.circle, shift, kNodeDiameter, kNodeDiameter);
}

} // namespace

StepOverlay::StepOverlay(NetworkView* view) : QWidget(view), m_view(view)
{
    setObjectName(QStringLiteral("stepOverlay"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    // The marks' text equivalent is the drawing's description while step mode lasts.
    setAccessibleName(QStringLiteral("Tanda langkah"));
    setGeometry(view->rect());
    hide();
}

void StepOverlay::setMarks(StepMarks marks)
{
    // Only what the old and the new marks cover is painted again: the drawing underneath is
    // redrawn wherever the layer changes, and a whole frame of it costs most of a step.
    QRegion changed = marksRegion(m_marks);
    m_marks = std::move(marks);
    changed += marksRegion(m_marks);
    update(changed);
}

QFont StepOverlay::textFont() const
{
    QFont f = font();
    f.setPixelSize(kPx825);
    f.setBold(true);
    return f;
}

QRect StepOverlay::nodeTextRect(int n, const QString& text) const
{
    const QFontMetrics metrics(textFont());
    return nodeTextRect(n, QSize(metrics.horizontalAdvance(text) + 6, metrics.height() + 2));
}

QRegion StepOverlay::marksRegion(const StepMarks& marks) const
{
    const int shift = m_view->variant().networkShift;
    QRegion region;
    for (const std::vector<int>* links : {&marks.treeLinks, &marks.improvedLinks})
        for (int k : *links)
            for (const NamedLine& line : linkLayout(k).lines())
                region += QRectF(pointPx(line.from, shift), pointPx(line.to, shift))
                              .normalized()
                              .toAlignedRect()
                              .adjusted(-3, -3, 3, 3);
    for (const NodeLayout& node : nodeLayouts()) {
        const size_t i = size_t(node.number - 1);
        if (node.number == marks.pivotNode || marks.fixedNodes[i])
            region += circlePx(node, shift).toAlignedRect().adjusted(-6, -6, 6, 6);
        if (!marks.nodeTexts[i].isEmpty())
            region += nodeTextRect(node.number, marks.nodeTexts[i]).adjusted(-1, -1, 1, 1);
    }
    return region;
}

namespace {

bool crosses(const QLineF& line, const QRectF& r)
{
    if (r.contains(line.p1()) || r.contains(line.p2()))
        return true;
    const QLineF edges[] = {{r.topLeft(), r.topRight()},
                            {r.topRight(), r.bottomRight()},
                            {r.bottomRight(), r.bottomLeft()},
                            {r.bottomLeft(), r.topLeft()}};
    return std::any_of(std::begin(edges), std::end(edges), [&](const QLineF& edge) {
        return line.intersects(edge) == QLineF::BoundedIntersection;
    });
}

} // namespace

bool StepOverlay::isClear(const QRect& r, int n) const
{
    if (!rect().adjusted(3, 3, -3, -3).contains(r))
        return false;
    const int shift = m_view->variant().networkShift;
    // The marked links are drawn 4 px wide: keep their half width off as well.
    const QRectF area = QRectF(r).adjusted(-2, -2, 2, 2);
    for (const LinkLayout& link : linkLayouts()) {
        if (area.intersects(m_view->weightBox(link.number)->geometry()))
            return false;
        for (const NamedLine& line : link.lines())
            if (crosses({pointPx(line.from, shift), pointPx(line.to, shift)}, area))
                return false;
        for (const NamedLine& barb : link.barbs)
            if (crosses({pointPx(barb.from, shift), pointPx(barb.to, shift)}, area))
                return false;
    }
    for (const NodeLayout& node : nodeLayouts())
        if (node.number != n && area.intersects(circlePx(node, shift)))
            return false;
    return true;
}

QRect StepOverlay::nodeTextRect(int n, QSize size) const
{
    const NodeLayout& node = nodeLayouts()[size_t(n - 1)];
    const QRectF circle = circlePx(node, m_view->variant().networkShift);
    // Beside the circle, the first place that covers no line, arrowhead, weight box or other
    // node (a distance on a line would read as the link's weight): upper right first, then
    // ever further round the circle and, where the links crowd it, a little further out.
    const double radius = circle.width() / 2;
    const QPointF half(size.width() / 2.0, size.height() / 2.0);
    const auto place = [&](int degrees, double out) {
        const double a = qDegreesToRadians(double(degrees));
        const QPointF u(std::cos(a), -std::sin(a));
        // The rectangle's side or corner facing the node touches the circle.
        const double square = std::max(std::abs(u.x()), std::abs(u.y()));
        const QPointF centre = circle.center() + u * (radius - 2 + out) +
                               QPointF(u.x() * half.x(), u.y() * half.y()) / square;
        return QRect((centre - half).toPoint(), size);
    };
    for (double out : {0.0, 4.0, 8.0, 12.0, 16.0})
        for (int turn = 0; turn <= 180; turn += 15)
            for (int degrees : {45 - turn, 45 + turn})
                if (const QRect r = place(degrees, out); isClear(r, n))
                    return r;
    return place(45, 0);
}

void StepOverlay::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    // The weight boxes stay readable: nothing is painted over them.
    QRegion clip = event->region();
    for (int k = 1; k <= kLinkCount; ++k)
        clip -= m_view->weightBox(k)->geometry();
    p.setClipRegion(clip);
    p.setRenderHint(QPainter::Antialiasing);
    const int shift = m_view->variant().networkShift;

    const auto drawLinks = [&](const std::vector<int>& links, const QColor& colour, qreal width) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        for (int k : links)
            for (const NamedLine& line : linkLayout(k).lines())
                p.drawLine(pointPx(line.from, shift), pointPx(line.to, shift));
    };
    drawLinks(m_marks.treeLinks, treeColour(), 4);
    drawLinks(m_marks.improvedLinks, improvedColour(), 4);

    p.setBrush(Qt::NoBrush);
    for (const NodeLayout& node : nodeLayouts()) {
        const QRectF circle = circlePx(node, shift);
        if (node.number == m_marks.pivotNode) {
            p.setPen(QPen(pivotColour(), 4));
            p.drawEllipse(circle.adjusted(-3, -3, 3, 3));
        } else if (m_marks.fixedNodes[size_t(node.number - 1)]) {
            p.setPen(QPen(fixedColour(), 3));
            p.drawEllipse(circle.adjusted(-2, -2, 2, 2));
        }
    }

    p.setFont(textFont());
    for (int n = 1; n <= kNodeCount; ++n) {
        const QString& text = m_marks.nodeTexts[size_t(n - 1)];
        if (text.isEmpty())
            continue;
        const QRect r = nodeTextRect(n, text);
        const bool fixed = m_marks.fixedNodes[size_t(n - 1)];
        p.setPen(QPen(fixed ? fixedColour() : QColor(96, 96, 96), 1));
        p.setBrush(QColor(255, 255, 200));
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setPen(fixed ? fixedColour().darker(130) : QColor(Qt::black));
        p.drawText(r, Qt::AlignCenter, text);
    }
}

} // namespace trayeko::ui
