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
#include <QMouseEvent>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

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

} // namespace

NetworkView::NetworkView(const DrawingVariant& variant, QWidget* parent)
    : QWidget(parent), m_variant(variant)
{
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

template <typename Change> void NetworkView::change(Change&& change)
{
    const QStringList& names = DrawingModel::elementNames();
    std::vector<QColor> before;
    before.reserve(size_t(names.size()));
    for (int i = 0; i < names.size(); ++i)
        before.push_back(m_model.color(i));
    const QString description = m_model.description();
    const QString tip = m_model.toolTip();
    change(m_model);
    for (int i = 0; i < names.size(); ++i) {
        const QColor now = m_model.color(i);
        if (now == before[size_t(i)])
            continue;
        const QString& name = names[i];
        if (const int k = DrawingModel::weightBoxLink(i)) {
            setPaletteColour(weightBox(k), {QPalette::Base}, now);
        } else {
            update(elementRect(name));
        }
        emit elementColorChanged(name);
    }
    if (m_model.toolTip() != tip)
        setToolTip(m_model.toolTip());
    if (m_model.description() != description) {
        setAccessibleDescription(m_model.description());
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

void NetworkView::highlightEnds()
{
    change([](DrawingModel& m) { m.markEnds(); });
}

void NetworkView::highlightRoute(std::span<const int> innerNodes, std::span<const int> links)
{
    change([&](DrawingModel& m) {
        m.showResult({{innerNodes.begin(), innerNodes.end()},
                      {links.begin(), links.end()},
                      routeColor(),
                      routeColor(),
                      {},
                      {}});
    });
}

void NetworkView::setLayer(DrawingLayer layer, RouteLook look)
{
    change([&](DrawingModel& m) { m.setLayer(layer, std::move(look)); });
}

void NetworkView::clearLayer(DrawingLayer layer)
{
    change([layer](DrawingModel& m) { m.clearLayer(layer); });
}

void NetworkView::setElementColor(const QString& name, const QColor& color)
{
    change([&](DrawingModel& m) { m.paint(name, color); });
}

QColor NetworkView::elementColor(const QString& name) const
{
    return m_model.color(name);
}

void NetworkView::reset()
{
    change([](DrawingModel& m) { m.clearResult(); });
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
            p.setPen(QPen(m_model.color(toQString(line.name)), kLinePenWidth, Qt::SolidLine,
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
        p.setBrush(m_model.color(toQString(node.shapeName)));
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
}

} // namespace trayeko::ui
