#include "ui/common/networkview.h"

#include <QLineEdit>

namespace trayeko::ui {

NetworkView::NetworkView(const DrawingVariant& variant, QWidget* parent)
    : QWidget(parent), variant_(variant)
{
    setObjectName(QStringLiteral("Frame1"));
}

QLineEdit* NetworkView::weightBox(int k) const
{
    return boxes_.at(size_t(k - 1));
}

void NetworkView::setElementColor(const QString& name, const QColor& color)
{
    colours_.insert(name, color);
}

QColor NetworkView::elementColor(const QString& name) const
{
    return colours_.value(name);
}

void NetworkView::reset() {}

QSize NetworkView::sizeHint() const
{
    return {};
}

void NetworkView::paintEvent(QPaintEvent*) {}

QRect NetworkView::elementRect(const QString&) const
{
    return {};
}

} // namespace trayeko::ui
