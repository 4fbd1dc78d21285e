// Writes the program icon for the desktop's icon theme: the same painting that the windows use,
// as a scalable SVG and as PNG files at every size the program itself draws.
//
//   trayeko_icon_export <hicolor-dir> <icon-name>
//
// creates <hicolor-dir>/scalable/apps/<icon-name>.svg and, for each size N,
// <hicolor-dir>/<N>x<N>/apps/<icon-name>.png.

#include "ui/support/artwork.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

namespace {

// The icon is designed on a 32 x 32 grid; the SVG keeps that grid as its view box.
constexpr int kDesignSize = 32;

bool ensureDir(const QString& path)
{
    if (QDir().mkpath(path))
        return true;
    std::fprintf(stderr, "trayeko_icon_export: cannot create %s\n", qPrintable(path));
    return false;
}

bool writeSvg(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(kDesignSize, kDesignSize));
    svg.setViewBox(QRect(0, 0, kDesignSize, kDesignSize));
    svg.setTitle(QStringLiteral("Trayeko"));
    svg.setDescription(QStringLiteral("Ikon program Trayeko"));
    QPainter painter;
    if (!painter.begin(&svg)) {
        std::fprintf(stderr, "trayeko_icon_export: cannot write %s\n", qPrintable(path));
        return false;
    }
    trayeko::ui::paintProgramIcon(painter, kDesignSize);
    return painter.end();
}

bool writePng(const QPixmap& pixmap, const QString& path)
{
    if (pixmap.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "trayeko_icon_export: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: trayeko_icon_export <hicolor-dir> <icon-name>\n", stderr);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);

    const QString scalable = root + QStringLiteral("/scalable/apps");
    if (!ensureDir(scalable) || !writeSvg(scalable + QLatin1Char('/') + name + ".svg"))
        return 1;

    // The pixmaps the windows show, pixel for pixel (at 16 x 16 a simpler drawing is used).
    const QIcon icon = trayeko::ui::programIcon();
    for (const QSize& size : icon.availableSizes()) {
        const QString dir =
            root + QStringLiteral("/%1x%2/apps").arg(size.width()).arg(size.height());
        if (!ensureDir(dir) ||
            !writePng(icon.pixmap(size, 1.0), dir + QLatin1Char('/') + name + ".png"))
            return 1;
    }
    return 0;
}
