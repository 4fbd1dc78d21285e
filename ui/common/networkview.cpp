#include "ui/common/networkview.h"

#include "ui/common/accessibility.h"
#include "ui/common/seams.h"
#include "ui/common/textfit.h"
#include "ui/common/twips.h"

#include <QLineEdit>
#include <QPainter>
#include <QPaintEvent>

namespace trayeko::ui {

namespace {

constexpr int kLinePenWidth = 2;  // link lines and arrowhead strokes are two pixels wide

QPointF pxF(TwipPoint p, int shift)
{
    return {double(p.x + shift) / kTwipsPerPixel, double(p.y) / kTwipsPerPixel};
}

QRectF pxRectF(TwipPoint topLeft, int shift, int width, int height)
{
    return {pxF(topLeft, shift), QSizeF(double(width) / kTwipsPerPixel,
                                        double(height) / kTwipsPerPixel)};
}

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

    for (const LinkInfo& link : demoLinks()) {
        auto* box = new QLineEdit(this);
        box->setObjectName(toQString(link.weightBox));
        box->setAlignment(Qt::AlignCenter);
        box->setTextMargins(0, 0, 0, 0);
        box->setGeometry(px(link.weightBoxPos.x + m_variant.networkShift), px(link.weightBoxPos.y),
                         px(kWeightBoxWidth), px(kWeightBoxHeight));
        m_boxes[size_t(link.number - 1)] = box;
    }
    for (const NodeInfo& node : demoNodes())
        m_colours.insert(toQString(node.shapeName), fromBgr(colours::pink));
    for (const LinkInfo& link : demoLinks())
        for (const NamedLine& line : link.lines())
            m_colours.insert(toQString(line.name), fromBgr(colours::hitam));
    // Before the first colour change, which already speaks to assistive technology.
    makeAccessible(*this);
    for (QLineEdit* box : m_boxes)
        explainClippedText(box);
    reset();
}

QLineEdit* NetworkView::weightBox(int k) const
{
    return m_boxes.at(size_t(k - 1));
}

void NetworkView::setElementColor(const QString& name, const QColor& color)
{
    if (name.startsWith(QLatin1Char('j'))) {
        const int k = name.mid(1).toInt();
        if (k < 1 || k > kLinkCount || name != QLatin1Char('j') + QString::number(k))
            return;
        QLineEdit* box = m_boxes[size_t(k - 1)];
        QPalette pal = box->palette();
        if (pal.color(QPalette::Base) != color) {
            pal.setColor(QPalette::Base, color);
            box->setPalette(pal);
            notifyElementChanged(*this, name);
        }
        return;
    }
    auto it = m_colours.find(name);
    if (it == m_colours.end() || *it == color)
        return;
    *it = color;
    update(elementRect(name));
    notifyElementChanged(*this, name);
}

QColor NetworkView::elementColor(const QString& name) const
{
    if (name.startsWith(QLatin1Char('j'))) {
        const int k = name.mid(1).toInt();
        if (k >= 1 && k <= kLinkCount && name == QLatin1Char('j') + QString::number(k))
            return m_boxes[size_t(k - 1)]->palette().color(QPalette::Base);
        return {};
    }
    return m_colours.value(name);
}

void NetworkView::reset()
{
    const QColor pink = fromBgr(colours::pink);
    const QColor black = fromBgr(colours::hitam);
    const QColor white = fromBgr(colours::white);
    for (const NodeInfo& node : demoNodes())
        if (node.number != kStartNode && node.number != kEndNode)
            setElementColor(toQString(node.shapeName), pink);
    for (const LinkInfo& link : demoLinks())
        for (const NamedLine& line : link.lines())
            setElementColor(toQString(line.name), black);
    for (const LinkInfo& link : demoLinks())
        setElementColor(toQString(link.weightBox), white);
}

QSize NetworkView::sizeHint() const
{
    return {px(m_variant.frameWidth), px(m_variant.frameHeight)};
}

QRect NetworkView::elementRect(const QString& name) const
{
    for (const NodeInfo& node : demoNodes())
        if (toQString(node.shapeName) == name)
            return pxRectF(node.circle, m_variant.networkShift, kNodeDiameter, kNodeDiameter)
                .toAlignedRect()
                .adjusted(-1, -1, 1, 1);
    for (const LinkInfo& link : demoLinks())
        for (const NamedLine& line : link.lines())
            if (toQString(line.name) == name)
                return QRectF(pxF(line.from, m_variant.networkShift),
                              pxF(line.to, m_variant.networkShift))
                    .normalized()
                    .toAlignedRect()
                    .adjusted(-kLinePenWidth, -kLinePenWidth, kLinePenWidth, kLinePenWidth);
    return {};
}

void NetworkView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
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
    for (const LinkInfo& link : demoLinks()) {
        for (const NamedLine& line : link.lines()) {
            p.setPen(QPen(m_colours.value(toQString(line.name)), kLinePenWidth, Qt::SolidLine,
                          Qt::RoundCap));
            p.drawLine(pxF(line.from, shift), pxF(line.to, shift));
        }
        p.setPen(QPen(Qt::black, kLinePenWidth, Qt::SolidLine, Qt::RoundCap));
        for (const NamedLine& barb : link.barbs)
            p.drawLine(pxF(barb.from, shift), pxF(barb.to, shift));
    }

    // Node circles with their white numbers on top.
    const QFont numberFont = pixelFont(font(), kPx18, true);
    p.setFont(numberFont);
    for (const NodeInfo& node : demoNodes()) {
        const QRectF circle = pxRectF(node.circle, shift, kNodeDiameter, kNodeDiameter)
                                  .adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(m_colours.value(toQString(node.shapeName)));
        p.drawEllipse(circle);
        p.setPen(Qt::white);
        p.drawText(pxRectF(node.label, shift, kNumberLabelSize, kNumberLabelSize),
                   Qt::AlignCenter, QString::number(node.number));
    }

    // The legend: right-aligned captions with their samples.
    const int legend = m_variant.legendShift;
    p.setFont(pixelFont(font(), kPx825, false));
    p.setPen(fromBgr(colours::legendText));
    const auto& rows = legendRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const QString text =
            toQString(i + 1 == rows.size() ? m_variant.pathCaption : rows[i].caption);
        p.drawText(pxRectF(rows[i].labelPos, legend, kLegendLabelWidth, kLegendLabelHeight),
                   Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, text);
    }
    const LegendSamples& samples = legendSamples();
    const QRectF box = pxRectF(samples.boxPos, legend, samples.boxWidth, samples.boxHeight);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(box, Qt::white);
    p.setPen(palette().color(QPalette::Dark));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fromBgr(colours::pink));
    p.drawEllipse(pxRectF(samples.circlePos, legend, samples.circleDiameter,
                          samples.circleDiameter)
                      .adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap));
    // A one-pixel line on a pixel boundary would smear over two pixels; centre it on one.
    const QPointF half(0.5, 0.5);
    for (const NamedLine& line : samples.arrow)
        p.drawLine(pxF(line.from, legend) + half, pxF(line.to, legend) + half);
}

} // namespace trayeko::ui
