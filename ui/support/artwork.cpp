#include "ui/support/artwork.h"
#include "ui/support/programfonts.h"

#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace trayeko::ui {

namespace {

// The icon is drawn on a 32 x 32 grid and scaled to each size.
constexpr qreal kIconGrid = 32.0;
constexpr std::array kIconSizes{16, 32, 48, 64, 128, 256};
// What title bars, task bars and window switchers show. X11 is sent every size a window's icon
// names, as pixels, when the window is made: the 128 and 256 pixel ones took about 3 ms of the
// start. Larger pictures come from the hicolor theme the package installs.
constexpr int kLargestWindowIconSize = 64;

// A small network on the 32 x 32 grid: the start node at the left and the end node at the right
// (both blue), the chosen route between them in red, the other links grey.
struct IconScene
{
    std::array<QPointF, 6> nodes;
    int nodeCount;
    std::array<std::pair<int, int>, 6> greyLinks;
    int greyCount;
    std::array<int, 4> route;
    int routeLength;
    qreal endRadius, innerRadius, greyWidth, routeWidth, outlineWidth;
};

constexpr IconScene kFullScene{
    {{{5.5, 17}, {12.5, 7.5}, {12.5, 25.5}, {19.5, 13.5}, {20, 25}, {26.5, 17}}},
    6,
    {{{0, 2}, {1, 2}, {2, 3}, {2, 4}, {3, 4}, {4, 5}}},
    6,
    {0, 1, 3, 5},
    4,
    3.1,
    2.4,
    1.1,
    2.3,
    0.7};

// At 16 pixels the full network would be a blur: fewer, larger nodes.
constexpr IconScene kSmallScene{{{{5.5, 16}, {16, 7}, {16, 25}, {26.5, 16}}},
                                4,
                                {{{0, 2}, {2, 3}, {1, 2}}},
                                3,
                                {0, 1, 3},
                                3,
                                4.6,
                                3.8,
                                2.2,
                                3.6,
                                1.4};

void paintIcon(QPainter& p, int size)
{
    const IconScene& scene = size < 24 ? kSmallScene : kFullScene;
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kIconGrid, size / kIconGrid);

    QLinearGradient sky(0, 0, 0, kIconGrid);
    sky.setColorAt(0, QColor(255, 255, 255));
    sky.setColorAt(1, QColor(214, 214, 255));
    p.setPen(QPen(QColor(96, 96, 176), size < 24 ? 2.0 : 1.0));
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0.75, 0.75, kIconGrid - 1.5, kIconGrid - 1.5), 5, 5);

    const auto& nodes = scene.nodes;
    p.setPen(QPen(QColor(110, 110, 110), scene.greyWidth, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < scene.greyCount; ++i)
        p.drawLine(nodes[scene.greyLinks[i].first], nodes[scene.greyLinks[i].second]);

    QPainterPath route(nodes[scene.route[0]]);
    for (int i = 1; i < scene.routeLength; ++i)
        route.lineTo(nodes[scene.route[i]]);
    p.setPen(QPen(QColor(220, 0, 0), scene.routeWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(route);

    p.setPen(QPen(QColor(40, 40, 40), scene.outlineWidth));
    for (int i = 0; i < scene.nodeCount; ++i) {
        const bool endpoint = i == 0 || i + 1 == scene.nodeCount;
        p.setBrush(endpoint ? QColor(110, 110, 255) : QColor(255, 192, 255));
        const qreal radius = endpoint ? scene.endRadius : scene.innerRadius;
        p.drawEllipse(nodes[i], radius, radius);
    }
}

QPixmap iconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintIcon(p, size);
    return pixmap;
}

// Each size of the program icon, painted the first time it is asked for and then kept: Qt's pixmap
// cache keys scaled copies by pixmap, so fresh pixmaps for each window would make it grow with
// every opening. The size QIcon would pick for @p request (the smallest at least as large, else
// the largest) is painted if it is missing.
QIcon& paintedIconSizes(QSize request = {})
{
    static QIcon sizes;
    if (request.isEmpty())
        return sizes;
    const qint64 area = qint64(request.width()) * request.height();
    int side = kIconSizes.back();
    for (const int s : kIconSizes)
        if (qint64(s) * s >= area) {
            side = s;
            break;
        }
    if (!sizes.availableSizes().contains(QSize(side, side)))
        sizes.addPixmap(iconPixmap(side));
    return sizes;
}

// The program icon as a QIcon that paints a size when it is first shown. A window's title bar
// needs only the smallest, and the 256-pixel one alone costs about as much to paint as a whole
// window does to build. The engine names the sizes up to @p largest; larger ones are still
// painted when asked for.
class ProgramIconEngine final : public QIconEngine
{
public:
    explicit ProgramIconEngine(int largest) : m_largest(largest) {}

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return paintedIconSizes(size).pixmap(size, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        paintedIconSizes(rect.size() * dpr).paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return paintedIconSizes(size).actualSize(size, mode, state);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : kIconSizes)
            if (side <= m_largest)
                sizes.append(QSize(side, side));
        return sizes;
    }

    QString key() const override { return QStringLiteral("TrayekoProgramIcon"); }
    QIconEngine* clone() const override { return new ProgramIconEngine(*this); }

private:
    int m_largest;
};

// One QIcon per list of sizes, made once, so that its cache key stays the same for every window.
QIcon sharedProgramIcon(int largest)
{
    static QHash<int, QIcon> icons;
    auto found = icons.find(largest);
    if (found == icons.end()) {
        if (icons.isEmpty()) // no pixmap outlives the application
            qAddPostRoutine([] {
                icons.clear();
                paintedIconSizes() = QIcon();
            });
        found = icons.insert(largest, QIcon(new ProgramIconEngine(largest)));
    }
    return *found;
}

QFont bannerFont()
{
    QFont font;
    // DejaVu Serif comes with the program's other faces (fonts-dejavu-core), so the banner
    // looks the same on every machine.
    font.setFamilies({QString::fromLatin1(kBannerFamily)});
    font.setStyleHint(QFont::Serif);
    font.setWeight(QFont::Black);
    font.setPixelSize(100);
    // Capital letters only, which every serif font has: looking up fallback fonts for missing
    // characters would only slow the first window down.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace

void paintProgramIcon(QPainter& painter, int size)
{
    painter.save();
    paintIcon(painter, size);
    painter.restore();
}

QIcon programIcon()
{
    return sharedProgramIcon(kIconSizes.back());
}

QIcon programWindowIcon()
{
    return sharedProgramIcon(kLargestWindowIconSize);
}

static QPixmap paintBanner(const QString& word, int logicalWidth, int logicalHeight,
                           qreal devicePixelRatio)
{
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(QSize(int(std::ceil(logicalWidth * dpr)), int(std::ceil(logicalHeight * dpr))));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::white);
    if (word.isEmpty() || logicalWidth < 4 || logicalHeight < 4)
        return pixmap;

    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The capitals fill the height; they may be widened a little to fill the width, as
    // ornamental lettering often is, but never squeezed.
    QPainterPath text;
    text.addText(0, 0, bannerFont(), word.toUpper());
    const QRectF bounds = text.boundingRect();
    const qreal margin = 1.5;
    const qreal sy = (logicalHeight - 2 * margin) / bounds.height();
    const qreal sx = std::clamp((logicalWidth - 2 * margin - 1) / bounds.width(), 0.0, sy * 1.35);
    QTransform fit;
    fit.translate(margin, margin);
    fit.scale(sx, sy);
    fit.translate(-bounds.left(), -bounds.top());
    const QPainterPath letters = fit.map(text);

    // A soft shadow lifts the letters off the white strip.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 170, 170));
    p.drawPath(letters.translated(1.0, 1.0));

    // Horizontal stripes: deep red bands with thin light bands between them.
    const qreal period = std::max(3.0, (logicalHeight - 2 * margin) / 6.0);
    QLinearGradient stripes(0, margin, 0, margin + period);
    stripes.setSpread(QGradient::RepeatSpread);
    const QColor deep(210, 0, 0);
    const QColor light(255, 150, 150);
    stripes.setColorAt(0.0, deep);
    stripes.setColorAt(0.62, deep);
    stripes.setColorAt(0.66, light);
    stripes.setColorAt(0.96, light);
    stripes.setColorAt(1.0, deep);
    p.setBrush(stripes);
    p.setPen(QPen(QColor(128, 0, 0), std::max(0.6, logicalHeight / 32.0)));
    p.drawPath(letters);
    return pixmap;
}

QPixmap bannerPixmap(const QString& word, int logicalWidth, int logicalHeight,
                     qreal devicePixelRatio)
{
    // Every opening of a window asks for the same banner again: paint each one once. Handing out
    // the same pixmap also keeps Qt's pixmap cache from filling with copies of it.
    static QHash<QString, QPixmap> painted;
    const QString key = QStringLiteral("%1 %2x%3@%4")
                            .arg(word)
                            .arg(logicalWidth)
                            .arg(logicalHeight)
                            .arg(devicePixelRatio);
    auto it = painted.constFind(key);
    if (it == painted.constEnd()) {
        if (painted.isEmpty())
            qAddPostRoutine([] { painted.clear(); }); // no pixmap outlives the application
        it = painted.insert(key, paintBanner(word, logicalWidth, logicalHeight, devicePixelRatio));
    }
    return *it;
}

} // namespace trayeko::ui
