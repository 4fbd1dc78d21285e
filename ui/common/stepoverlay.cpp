#include "ui/common/stepoverlay.h"

#include "ui/common/networkview.h"
#include "ui/common/twips.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>

namespace trayeko::ui {

namespace {

QPointF pointPx(TwipPoint p, int shift)
{
    return {double(p.x + shift) / kTwipsPerPixel, double(p.y) / kTwipsPerPixel};
}

QRectF circlePx(const NodeInfo& node, int shift)
{
    return {pointPx(node.circle, shift),
            QSizeF(double(kNodeDiameter) / kTwipsPerPixel, double(kNodeDiameter) / kTwipsPerPixel)};
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
    m_marks = std::move(marks);
    update();
}

QRect StepOverlay::nodeTextRect(int n, QSize size) const
{
    const NodeInfo& node = demoNodes()[size_t(n - 1)];
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
            for (const NamedLine& line : demoLink(k).lines())
                p.drawLine(pointPx(line.from, shift), pointPx(line.to, shift));
    };
    drawLinks(m_marks.treeLinks, treeColour(), 4);
    drawLinks(m_marks.improvedLinks, improvedColour(), 4);

    p.setBrush(Qt::NoBrush);
    for (const NodeInfo& node : demoNodes()) {
        const QRectF circle = circlePx(node, shift);
        if (node.number == m_marks.pivotNode) {
            p.setPen(QPen(pivotColour(), 4));
            p.drawEllipse(circle.adjusted(-3, -3, 3, 3));
        } else if (m_marks.fixedNodes[size_t(node.number - 1)]) {
            p.setPen(QPen(fixedColour(), 3));
            p.drawEllipse(circle.adjusted(-2, -2, 2, 2));
        }
    }

    QFont f = font();
    f.setPixelSize(kPx825);
    f.setBold(true);
    p.setFont(f);
    const QFontMetrics metrics(f);
    for (int n = 1; n <= kNodeCount; ++n) {
        const QString& text = m_marks.nodeTexts[size_t(n - 1)];
        if (text.isEmpty())
            continue;
        const QSize size(metrics.horizontalAdvance(text) + 6, metrics.height() + 2);
        const QRect r = nodeTextRect(n, size);
        const bool fixed = m_marks.fixedNodes[size_t(n - 1)];
        p.setPen(QPen(fixed ? fixedColour() : QColor(96, 96, 96), 1));
        p.setBrush(QColor(255, 255, 200));
        p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
        p.setPen(fixed ? fixedColour().darker(130) : QColor(Qt::black));
        p.drawText(r, Qt::AlignCenter, text);
    }
}

} // namespace trayeko::ui
