// The exported icon files are the picture the windows show: each PNG pixel for pixel, and the
// SVG, rendered by an SVG renderer, close to the pixmap of the same size.

#include "ui/support/artwork.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

namespace {

QString iconFile(const QString& subdir, const QString& suffix)
{
    return QStringLiteral(TRAYEKO_ICON_DIR "/%1/apps/" TRAYEKO_APP_ID ".%2").arg(subdir, suffix);
}

QImage normalized(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The mean difference per channel over all pixels, 0 ... 255.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * a.width() * a.height());
}

} // namespace

class tst_IconExport : public QObject
{
    Q_OBJECT

private slots:
    void pngIsTheWindowsIcon_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%dx%d", size, size) << size;
    }
    void pngIsTheWindowsIcon()
    {
        QFETCH(int, size);
        const QImage png(iconFile(QStringLiteral("%1x%1").arg(size), QStringLiteral("png")));
        QCOMPARE(png.size(), QSize(size, size));
        const QImage shown = trayeko::ui::programIcon().pixmap(QSize(size, size), 1.0).toImage();
        QCOMPARE(normalized(png), normalized(shown));
    }

    // At 16 pixels the windows use a simpler drawing, which the scalable icon does not repeat.
    void svgLooksLikeThePixmap_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {32, 64, 256})
            QTest::addRow("%dx%d", size, size) << size;
    }
    void svgLooksLikeThePixmap()
    {
        QFETCH(int, size);
        QSvgRenderer svg(iconFile(QStringLiteral("scalable"), QStringLiteral("svg")));
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(0, 0, 32, 32));
        QImage rendered(size, size, QImage::Format_ARGB32_Premultiplied);
        rendered.fill(Qt::transparent);
        QPainter painter(&rendered);
        svg.render(&painter);
        painter.end();
        const QImage shown =
            normalized(trayeko::ui::programIcon().pixmap(QSize(size, size), 1.0).toImage());
        const double difference = meanDifference(rendered, shown);
        QVERIFY2(difference < 1.0, qPrintable(QString::number(difference)));
    }
};

QTEST_MAIN(tst_IconExport)
#include "tst_iconexport.moc"
