#include "ui/drawing/networkwindow.h"

#include "ui/drawing/drawingwidget.h"
#include "ui/drawing/networkaccessible.h"
#include "ui/drawing/networkview.h"
#include "ui/support/artwork.h"
#include "ui/support/fontsizes.h"
#include "ui/support/palette.h"
#include "ui/support/programfonts.h"
#include "ui/support/toolwindow.h"
#include "ui/support/twips.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <utility>

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
    : LessonWindow(parent)
{
    makeToolWindow(this);
    setWindowIcon(programWindowIcon());

    m_client = new QWidget;
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFont(programFont(kPx825));
    setPaletteColour(m_client, {QPalette::Window}, QColor(192, 192, 255), true);
    setWidget(m_client);

    m_picture = new QWidget(m_client);
    m_picture->setObjectName(QStringLiteral("Picture1"));
    setPaletteColour(m_picture, {QPalette::Window}, Qt::white, true);
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

DrawingWidget* NetworkWindow::drawing() const
{
    return m_network;
}

NetworkWindow::~NetworkWindow() = default;

LessonNetwork NetworkWindow::lessonNetwork() const
{
    return {demoNetwork(m_network->weights()), kStartNode, kEndNode};
}

void NetworkWindow::setLessonWeights(const std::vector<double>& weights)
{
    LinkWeights boxes{};
    if (weights.size() != boxes.size())
        return;
    std::copy(weights.begin(), weights.end(), boxes.begin());
    fillWeights(boxes);
}

std::vector<double> NetworkWindow::defaultLessonWeights() const
{
    const LinkWeights weights = defaultWeights();
    return {weights.begin(), weights.end()};
}

void NetworkWindow::reset()
{
    m_network->reset();
}

void NetworkWindow::fillWeights(const LinkWeights& weights)
{
    m_network->setWeights(weights);
    emit weightsEdited();
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

QSize NetworkWindow::screenSizeTwips() const
{
    QSize pixels;
    if (QMdiArea* area = mdiArea())
        pixels = area->viewport()->size();
    else if (QScreen* s = QGuiApplication::primaryScreen())
        pixels = s->availableSize();
    return {twips(pixels.width()), twips(pixels.height())};
}

void NetworkWindow::centreOnScreen()
{
    centreOnScreen(widthTwips(), heightTwips());
}

void NetworkWindow::centreOnScreen(int outerWidthTwips, int outerHeightTwips)
{
    const QSize screen = screenSizeTwips();
    // Never above or left of the screen's corner, so the title bar stays within reach.
    const int left = std::max(0, (screen.width() - outerWidthTwips) / 2);
    const int top = std::max(0, (screen.height() - outerHeightTwips) / 2);
    move(px(left), px(top));
}

void NetworkWindow::showEvent(QShowEvent* event)
{
    QMdiSubWindow::showEvent(event);
    if (const std::optional<QSize> client = std::exchange(m_firstShowClient, std::nullopt)) {
        const int frameWidth = widthTwips() - twips(m_client->width());
        const int frameHeight = heightTwips() - twips(m_client->height());
        centreOnScreen(client->width() + frameWidth, client->height() + frameHeight);
    }
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
    setPaletteColour(button, {QPalette::Button}, QColor(128, 128, 255));
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
    setPaletteColour(label, {QPalette::Window}, background, true);
    setPaletteColour(label, {QPalette::WindowText}, text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace trayeko::ui
