#include "ui/common/networkwindow.h"

#include "ui/common/networkview.h"

#include <QLabel>
#include <QPushButton>

namespace trayeko::ui {

NetworkWindow::NetworkWindow(const DrawingVariant& variant, const QString&, int, QSize,
                             QWidget* parent)
    : QMdiSubWindow(parent)
{
    client_ = new QWidget;
    setWidget(client_);
    picture_ = new QWidget(client_);
    network_ = new NetworkView(variant, client_);
}

NetworkWindow::~NetworkWindow() = default;

QColor NetworkWindow::biru() const { return {}; }
QColor NetworkWindow::pink() const { return {}; }
QColor NetworkWindow::hitam() const { return {}; }
QColor NetworkWindow::merah() const { return {}; }
void NetworkWindow::reset() { network_->reset(); }
int NetworkWindow::widthTwips() const { return 0; }
int NetworkWindow::heightTwips() const { return 0; }
void NetworkWindow::setOuterSizeTwips(int, int) {}
void NetworkWindow::setOuterWidthTwips(int) {}
void NetworkWindow::setDefaultButton(QPushButton*) {}

QPushButton* NetworkWindow::makeButton(const QString& objectName, const QString& caption, QRect)
{
    auto* b = new QPushButton(caption, client_);
    b->setObjectName(objectName);
    return b;
}

QLabel* NetworkWindow::makeResultLabel(const QString& objectName, QRect, const QColor&,
                                       const QColor&)
{
    auto* l = new QLabel(client_);
    l->setObjectName(objectName);
    return l;
}

} // namespace trayeko::ui
