#include "ui/common/networkwindow.h"

#include "ui/common/artwork.h"
#include "ui/common/fontsizes.h"
#include "ui/common/networkaccessible.h"
#include "ui/common/networkview.h"
#include "ui/common/programfonts.h"
#include "ui/common/twips.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace trayeko::ui {

namespace {

constexpr int kBannerTop = 50; // the banner sits 50 twips below the strip's top
constexpr int kBannerLeft = 120;
constexpr int kPictureHeight = 495;
constexpr int kFrameLeft = 120;
constexpr int kFrameTop = 480;

} // namespace

NetworkWindow::NetworkWindow(const DrawingVariant& variant, const QString& bannerWord,
                             int pictureWidthTwips, QSize bannerPixels, QWidget* parent)
    : QMdiSubWindow(parent)
{
    // Closing a tool window unloads it; the next menu use builds it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(programIcon());

    m_client = new QWidget;
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFont(programFont(kPx825));
    QPalette pal = m_client->palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 255));
    m_client->setPalette(pal);
    m_client->setAutoFillBackground(true);
    setWidget(m_client);

    m_picture = new QWidget(m_client);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    QPalette white = m_picture->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_picture->setPalette(white);
    m_picture->setAutoFillBackground(true);
    m_picture->setGeometry(pxRect({0, 0, pictureWidthTwips, kPictureHeight}));

    auto* image = new QLabel(m_picture);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(px(kBannerLeft), px(kBannerTop), bannerPixels.width(),
                       bannerPixels.height());
    image->setPixmap(bannerPixmap(bannerWord, bannerPixels.width(), bannerPixels.height(),
                                  image->devicePixelRatioF()));

    m_network = new NetworkView(variant, m_client);
    m_network->move(px(kFrameLeft), px(kFrameTop));
    makeAccessible(*m_network);
    for (int k = 1; k <= kLinkCount; ++k)
        connect(m_network->weightBox(k), &QLineEdit::textEdited, this,
                &NetworkWindow::weightsEdited);
}

NetworkWindow::~NetworkWindow() = default;

void NetworkWindow::reset()
{
    m_network->reset();
}

void NetworkWindow::showDefaultNetwork()
{
    m_network->setDefaultWeights();
    m_network->highlightEnds();
}

int NetworkWindow::widthTwips() const
{
    return twips(width());
}

int NetworkWindow::heightTwips() const
{
    return twips(height());
}

void NetworkWindow::setOuterSizeTwips(int width, int height)
{
    resize(px(width), px(height));
}

void NetworkWindow::setOuterWidthTwips(int width)
{
    resize(px(width), height());
}

void NetworkWindow::setDefaultButton(QPushButton* button)
{
    const auto press = [this, button] {
        // A focused button answers Enter itself, as a default button only stands in for the
        // others.
        auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (focused && m_client->isAncestorOf(focused))
            focused->click();
        else if (button->isEnabled())
            button->click();
    };
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), m_client);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, press);
    }
}

QPushButton* NetworkWindow::makeButton(const QString& objectName, const QString& caption,
                                       QRect twipsRect)
{
    auto* button = new QPushButton(caption, m_client);
    button->setObjectName(objectName);
    button->setGeometry(pxRect(twipsRect));
    QPalette pal = button->palette();
    pal.setColor(QPalette::Button, QColor(128, 128, 255));
    button->setPalette(pal);
    button->setAutoDefault(false);
    return button;
}

QPushButton* NetworkWindow::makeRunButton(QRect twipsRect)
{
    QPushButton* button =
        makeButton(QStringLiteral("Command1"), QStringLiteral("&Proses..."), twipsRect);
    connect(button, &QPushButton::pressed, this, &NetworkWindow::runStarting);
    return button;
}

QLabel* NetworkWindow::makeResultLabel(const QString& objectName, QRect twipsRect,
                                       const QColor& background, const QColor& text)
{
    auto* label = new QLabel(m_client);
    label->setObjectName(objectName);
    label->setGeometry(pxRect(twipsRect));
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    label->setPalette(pal);
    label->setAutoFillBackground(true);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace trayeko::ui
