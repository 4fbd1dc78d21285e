#include "ui/ownnetwork/interimeditor.h"

#include <QPainter>

namespace trayeko::ui {

NetworkEditor::NetworkEditor(QWidget* parent)
    : DrawingWidget(parent), m_model(Network(0), 1, 0), m_undo(new QUndoStack(this))
{
    connect(&m_model, &DrawingModel::changed, this, [this] { update(); });
}

void NetworkEditor::setDocument(const Network& network, int start, int end)
{
    m_model.setNetwork(network, start, end);
    m_model.markEnds();
    m_undo->clear();
}

void NetworkEditor::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const Network& n = network();
    if (n.nodeCount() == 0)
        return;
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    for (const NetworkNode& node : n.nodes()) {
        minX = std::min(minX, node.x), maxX = std::max(maxX, node.x);
        minY = std::min(minY, node.y), maxY = std::max(maxY, node.y);
    }
    const double sx = (width() - 60) / std::max(1.0, maxX - minX);
    const double sy = (height() - 60) / std::max(1.0, maxY - minY);
    const double s = std::min(sx, sy);
    const auto at = [&](int k) {
        const NetworkNode& node = n.node(k);
        return QPointF(30 + (node.x - minX) * s, 30 + (node.y - minY) * s);
    };
    for (const NetworkLink& link : n.links())
        p.drawLine(at(link.from), at(link.to));
    for (const NetworkNode& node : n.nodes()) {
        p.drawEllipse(at(node.number), 12, 12);
        p.drawText(QRectF(at(node.number) - QPointF(12, 12), QSizeF(24, 24)), Qt::AlignCenter,
                   QString::number(node.number));
    }
}

} // namespace trayeko::ui
