#pragma once

#include <QFileDevice>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QIODevice;
class QPaintDevice;
class QPainter;
class QPalette;
class QPrinter;
class QRectF;
class QWidget;

namespace trayeko::ui {

enum class PictureFormat
{
    Png,
    Svg,
    Pdf
};

// The format a file name asks for by its suffix, in any case; none for other suffixes.
std::optional<PictureFormat> pictureFormatOf(const QString& fileName);

// Every picture taken of a window (copied, saved or printed) paints @p widget in @p palette,
// whatever the widget shows on the screen at that moment: a blinking text is in each picture in
// its lit look, so no handout misses it.
void setPicturePalette(QWidget* widget, const QPalette& palette);

// The widget as it looks now, at the device pixel ratio of its screen; widgets with a picture
// palette in it.
QImage widgetPicture(QWidget* widget);

// Writes the picture of @p widget to @p device: PNG as the pixels of widgetPicture; SVG and PDF
// by painting the widget once more into the vector device, so lines and texts stay sharp at any
// size; @p title names the vector document. False where the device refused the data.
bool writePicture(QWidget* widget, PictureFormat format, QIODevice& device,
                  const QString& title = {});

// Writes @p fileName whole or not at all: @p write fills a temporary file beside it, which
// replaces the file only when everything was written. An empty text on success, else why it
// failed, in Indonesian with the system's own words in brackets.
QString saveWhole(const QString& fileName, const std::function<bool(QIODevice&)>& write);

// Paints @p widget into @p page of the painter's device, as large as fits with its proportions
// kept, centred.
void paintFitted(QPainter& painter, QWidget* widget, const QRectF& page);

// A text listing printed on pages of its own: a bold title, the column header under it on every
// page, then the lines in a fixed-pitch font.
struct PrintListing
{
    QString title;
    QString header;
    QStringList lines;
};

// The fixed-pitch font the listings are printed in on @p device: 10 points, smaller where the
// widest title, header or line would otherwise run past @p width and be cut at the page's edge.
QFont printedListingFont(const QList<PrintListing>& listings, qreal width, QPaintDevice* device);

// Prints the picture of @p widget on the first page and each listing on the pages after it.
// Returns the number of pages, 0 where the printer could not be started.
int printPictureAndListings(QPrinter& printer, QWidget* widget,
                            const QList<PrintListing>& listings);

} // namespace trayeko::ui
