#include "ui/stepping/stepoverlay.h"

#include "ui/drawing/networklayout.h"
#include "ui/drawing/networkview.h"
#include "ui/support/fontsizes.h"
#include "ui/support/twips.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>

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

QRect StepOverlay::nodeTextRect(int n, QSize size) const
{
    const NodeLayout& node = nodeLayouts()[size_t(n - 1)];
    const QRect circle = circlePx(node, m_view->variant().networkShift).toAlignedRect();
    // Above the circle's upper right corner; for node 1 the upper left, where no link starts.
    const int overlap = circle.width() / 6;
    QRect r(QPoint(0, circle.top() - size.height() + overlap), size);
    if (n == kStartNode)
        r.moveRight(circle.left() + overlap);
    else
        r.moveLeft(circle.right() - overlap);
    // Node 7 stands close to the frame's right edge in the Floyd window; stay inside the frame.
    if (r.right() > width() - 3)
        r.moveRight(width() - 3);
    return r;
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
