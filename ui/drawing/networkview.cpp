#include "ui/drawing/networkview.h"
#include "core/numbertext.h"
#include "ui/support/palette.h"

#include "ui/support/bgr.h"
#include "ui/support/fontsizes.h"
#include "ui/support/seams.h"
#include "ui/support/twips.h"
#include "ui/support/utf8.h"
#include "ui/widgets/textfit.h"

#include <QAccessible>
#include <QLineEdit>
#include <QLineF>
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace trayeko::ui {

namespace {

constexpr int kLinePenWidth = 2; // link lines and arrowhead strokes are two pixels wide

QFont pixelFont(const QFont& base, int pixelSize, bool bold)
{
    QFont f = base;
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QRectF circlePx(const NodeLayout& node, int shift)
{
    return rectPx(node.circle, shift, kNodeDiameter, kNodeDiameter);
}

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

NetworkView::NetworkView(const DrawingVariant& variant, QWidget* parent)
    : DrawingWidget(parent), m_variant(variant), m_model(new DrawingModel(this))
{
    connect(m_model, &DrawingModel::changed, this, &NetworkView::showChange);
    setObjectName(QStringLiteral("Frame1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(px(m_variant.frameWidth), px(m_variant.frameHeight));

    for (const LinkLayout& link : linkLayouts()) {
        auto* box = new QLineEdit(this);
        box->setObjectName(toQString(link.weightBox));
        box->setAlignment(Qt::AlignCenter);
        box->setTextMargins(0, 0, 0, 0);
        box->setGeometry(pxRect({link.weightBoxPos.x + m_variant.networkShift, link.weightBoxPos.y,
                                 kWeightBoxWidth, kWeightBoxHeight}));
        m_boxes[size_t(link.number - 1)] = box;
    }
    for (QLineEdit* box : m_boxes) {
        explainClippedText(box);
        setPaletteColour(box, {QPalette::Base}, neutralBoxColor());
    }
}

QLineEdit* NetworkView::weightBox(int k) const
{
    return m_boxes.at(size_t(k - 1));
}

LinkWeights NetworkView::weights() const
{
    std::array<std::string, kLinkCount> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = m_boxes[i]->text().toStdString();
    return readLinkWeights(texts, regionalDecimalSeparator());
}

void NetworkView::setDefaultWeights()
{
    for (int k = 1; k <= kLinkCount; ++k)
        weightBox(k)->setText(toQString(defaultWeightText(k)));
}

void NetworkView::setWeights(const LinkWeights& weights)
{
    const std::string separator = regionalDecimalSeparator();
    for (int k = 1; k <= kLinkCount; ++k)
        weightBox(k)->setText(toQString(formatGeneral(weights[size_t(k - 1)], separator)));
}

void NetworkView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        for (int n = 1; n <= kNodeCount; ++n)
            if (elementRect(QStringLiteral("Shape%1").arg(n))
                    .contains(event->position().toPoint())) {
                emit nodeClicked(n);
                return;
            }
    QWidget::mousePressEvent(event);
}

void NetworkView::showChange(const DrawingChange& change)
{
    const QStringList& names = m_model->names();
    for (int i : change.elements) {
        if (const int k = m_model->weightBoxLink(i))
            setPaletteColour(weightBox(k), {QPalette::Base}, m_model->color(i));
        else
            update(elementRect(names[i]));
    }
    // Only what the old and the new marks cover is painted again: a whole frame of the drawing
    // costs most of a step.
    QRegion marked;
    for (int n : change.nodes)
        marked += nodeMarksRegion(n, change.formerMarks) + nodeMarksRegion(n, m_model->marks());
    for (int k : change.links)
        marked += linkMarksRegion(k);
    if (!marked.isEmpty())
        update(marked);
    if (!change.texts)
        return;
    if (toolTip() != m_model->toolTip())
        setToolTip(m_model->toolTip());
    if (accessibleDescription() != m_model->description()) {
        setAccessibleDescription(m_model->description());
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

void NetworkView::highlightEnds()
{
    m_model->markEnds();
}

void NetworkView::highlightRoute(std::span<const int> innerNodes, std::span<const int> links)
{
    m_model->showResult({{innerNodes.begin(), innerNodes.end()},
                         {links.begin(), links.end()},
                         routeColor(),
                         routeColor(),
                         {},
                         {}});
}

void NetworkView::setElementColor(const QString& name, const QColor& color)
{
    m_model->paint(name, color);
}

QColor NetworkView::elementColor(const QString& name) const
{
    return m_model->color(name);
}

void NetworkView::reset()
{
    m_model->clearResult();
}

QSize NetworkView::sizeHint() const
{
    return {px(m_variant.frameWidth), px(m_variant.frameHeight)};
}

QRect NetworkView::elementRect(const QString& name) const
{
    for (const NodeLayout& node : nodeLayouts())
        if (toQString(node.shapeName) == name)
            return rectPx(node.circle, m_variant.networkShift, kNodeDiameter, kNodeDiameter)
                .toAlignedRect()
                .adjusted(-1, -1, 1, 1);
    for (const LinkLayout& link : linkLayouts())
        for (const NamedLine& line : link.lines())
            if (toQString(line.name) == name)
                return QRectF(pointPx(line.from, m_variant.networkShift),
                              pointPx(line.to, m_variant.networkShift))
                    .normalized()
                    .toAlignedRect()
                    .adjusted(-kLinePenWidth, -kLinePenWidth, kLinePenWidth, kLinePenWidth);
    return {};
}

void NetworkView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    // The clip only spares repainting on screen. The PDF and print engines lose parts of the
    // drawing to the region that the weight boxes cut out of it, so they paint everything.
    if (p.paintEngine()->type() == QPaintEngine::Raster)
        p.setClipRegion(event->region());
    const QColor back = fromBgr(colours::frameBack);
    p.fillRect(rect(), back);

    // The frame: an etched border with the caption set into its top edge.
    const QFont captionFont = pixelFont(font(), kPx975, true);
    const QFontMetrics captionMetrics(captionFont);
    const int captionTop = captionMetrics.height() / 2;
    const QRect border = rect().adjusted(0, captionTop, -1, -1);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(border.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(border.adjusted(1, 1, 0, 0));
    const QString caption = toQString(kFrameCaption);
    const QRect captionRect(8, 0, captionMetrics.horizontalAdvance(caption) + 4,
                            captionMetrics.height());
    p.fillRect(captionRect, back);
    p.setFont(captionFont);
    p.setPen(fromBgr(colours::frameCaption));
    p.drawText(captionRect, Qt::AlignCenter, caption);

    p.setRenderHint(QPainter::Antialiasing);
    const int shift = m_variant.networkShift;

    // Link lines in their current colours, then the black arrowheads.
    for (const LinkLayout& link : linkLayouts()) {
        for (const NamedLine& line : link.lines()) {
            p.setPen(QPen(m_model->color(toQString(line.name)), kLinePenWidth, Qt::SolidLine,
                          Qt::RoundCap));
            p.drawLine(pointPx(line.from, shift), pointPx(line.to, shift));
        }
        p.setPen(QPen(Qt::black, kLinePenWidth, Qt::SolidLine, Qt::RoundCap));
        for (const NamedLine& barb : link.barbs)
            p.drawLine(pointPx(barb.from, shift), pointPx(barb.to, shift));
    }

    // Node circles with their white numbers on top.
    const QFont numberFont = pixelFont(font(), kPx18, true);
    p.setFont(numberFont);
    for (const NodeLayout& node : nodeLayouts()) {
        const QRectF circle =
            rectPx(node.circle, shift, kNodeDiameter, kNodeDiameter).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(m_model->color(toQString(node.shapeName)));
        p.drawEllipse(circle);
        p.setPen(Qt::white);
        p.drawText(rectPx(node.label, shift, kNumberLabelSize, kNumberLabelSize), Qt::AlignCenter,
                   QString::number(node.number));
    }

    // The legend: right-aligned captions with their samples.
    const int legend = m_variant.legendShift;
    p.setFont(pixelFont(font(), kPx825, false));
    p.setPen(fromBgr(colours::legendText));
    const auto& rows = legendRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const QString text =
            toQString(i + 1 == rows.size() ? m_variant.pathCaption : rows[i].caption);
        p.drawText(rectPx(rows[i].labelPos, legend, kLegendLabelWidth, kLegendLabelHeight),
                   Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, text);
    }
    const LegendSamples& samples = legendSamples();
    const QRectF box = rectPx(samples.boxPos, legend, samples.boxWidth, samples.boxHeight);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(box, Qt::white);
    p.setPen(palette().color(QPalette::Dark));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(neutralNodeColor());
    p.drawEllipse(rectPx(samples.circlePos, legend, samples.circleDiameter, samples.circleDiameter)
                      .adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap));
    // A one-pixel line on a pixel boundary would smear over two pixels; centre it on one.
    const QPointF half(0.5, 0.5);
    for (const NamedLine& line : samples.arrow)
        p.drawLine(pointPx(line.from, legend) + half, pointPx(line.to, legend) + half);

    // The step marks of the top layer, over everything but the weight boxes.
    paintMarks(p, event->region());
}

QFont NetworkView::markTextFont() const
{
    QFont f = font();
    f.setPixelSize(kPx825);
    f.setBold(true);
    return f;
}

QRect NetworkView::markTextRect(int n, const QString& text) const
{
    const QFontMetrics metrics(markTextFont());
    return markTextRect(n, QSize(metrics.horizontalAdvance(text) + 6, metrics.height() + 2));
}

QRegion NetworkView::nodeMarksRegion(int n, const StepMarks& marks) const
{
    if (n < 1 || n > kNodeCount)
        return {};
    QRegion region;
    if (n == marks.pivotNode || marks.fixed(n))
        region += circlePx(nodeLayouts()[size_t(n - 1)], m_variant.networkShift)
                      .toAlignedRect()
                      .adjusted(-6, -6, 6, 6);
    if (const QString text = marks.nodeText(n); !text.isEmpty())
        region += markTextRect(n, text).adjusted(-1, -1, 1, 1);
    return region;
}

QRegion NetworkView::linkMarksRegion(int k) const
{
    QRegion region;
    for (const NamedLine& line : linkLayout(k).lines())
        region += QRectF(pointPx(line.from, m_variant.networkShift),
                         pointPx(line.to, m_variant.networkShift))
                      .normalized()
                      .toAlignedRect()
                      .adjusted(-3, -3, 3, 3);
    return region;
}

bool NetworkView::isClear(const QRect& r, int n) const
{
    if (!rect().adjusted(3, 3, -3, -3).contains(r))
        return false;
    const int shift = m_variant.networkShift;
    // The marked links are drawn 4 px wide: keep their half width off as well.
    const QRectF area = QRectF(r).adjusted(-2, -2, 2, 2);
    for (const LinkLayout& link : linkLayouts()) {
        if (area.intersects(weightBox(link.number)->geometry()))
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

QRect NetworkView::markTextRect(int n, QSize size) const
{
    const NodeLayout& node = nodeLayouts()[size_t(n - 1)];
    const QRectF circle = circlePx(node, m_variant.networkShift);
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

void NetworkView::paintMarks(QPainter& p, const QRegion& region) const
{
    const StepMarks& marks = m_model->marks();
    if (marks.isEmpty())
        return;
    // The weight boxes stay readable: nothing is painted over them. On paper the boxes, painted
    // after the drawing, cover the marks instead (the PDF and SVG engines keep no such clip).
    if (p.paintEngine()->type() == QPaintEngine::Raster) {
        QRegion clip = region;
        for (const QLineEdit* box : m_boxes)
            clip -= box->geometry();
        p.setClipRegion(clip);
    }
    p.setRenderHint(QPainter::Antialiasing);
    const int shift = m_variant.networkShift;

    const auto drawLinks = [&](const std::vector<int>& links, const QColor& colour, qreal width) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        for (int k : links)
            for (const NamedLine& line : linkLayout(k).lines())
                p.drawLine(pointPx(line.from, shift), pointPx(line.to, shift));
    };
    drawLinks(marks.treeLinks, StepMarks::treeColour(), 4);
    drawLinks(marks.improvedLinks, StepMarks::improvedColour(), 4);

    p.setBrush(Qt::NoBrush);
    for (const NodeLayout& node : nodeLayouts()) {
        const QRectF circle = circlePx(node, shift);
        if (node.number == marks.pivotNode) {
            p.setPen(QPen(StepMarks::pivotColour(), 4));
            p.drawEllipse(circle.adjusted(-3, -3, 3, 3));
        } else if (marks.fixed(node.number)) {
            p.setPen(QPen(StepMarks::fixedColour(), 3));
            p.drawEllipse(circle.adjusted(-2, -2, 2, 2));
        }
    }

    p.setFont(markTextFont());
    for (int n = 1; n <= kNodeCount; ++n) {
        const QString text = marks.nodeText(n);
        if (text.isEmpty())
            continue;
        paintMarkText(p, markTextRect(n, text), text, marks.fixed(n));
    }
}

void paintMarkText(QPainter& painter, const QRectF& box, const QString& text, bool fixed)
{
    painter.setPen(QPen(fixed ? StepMarks::fixedColour() : QColor(96, 96, 96), 1));
    painter.setBrush(QColor(255, 255, 200));
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.setPen(fixed ? StepMarks::fixedColour().darker(130) : QColor(Qt::black));
    painter.drawText(box, Qt::AlignCenter, text);
}

} // namespace trayeko::ui
