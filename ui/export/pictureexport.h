#pragma once

#include <QFileDevice>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QColor;
class QIODevice;
class QPaintDevice;
class QPainter;
class QPalette;
class QPagedPaintDevice;
class QRectF;
class QSizeF;
class QPointF;
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

// How a widget is painted in every picture instead of its look on the screen, from its top left
// corner and within its rectangle: a table that the screen cuts at its edge shows every line
// whole on paper. The widget's children are then not painted on their own.
using PicturePainter = std::function<void(QPainter& painter)>;
void setPicturePainter(QWidget* widget, PicturePainter paint);

// A picture's caption: a line under the window, wrapped to its width, that says what network its
// numbers belong to. No caption, no line.
QFont captionFont(const QWidget* widget);
qreal captionHeight(const QString& caption, const QFont& font, qreal width);
void paintCaption(QPainter& painter, const QRectF& rect, const QString& caption, const QFont& font);

// The widget as it looks now, at the device pixel ratio of its screen, with @p caption under it;
// widgets with a picture palette or painter in it. The caption is also the PNG's description.
QImage widgetPicture(QWidget* widget, const QString& caption = {});

// Writes the picture of @p widget with @p caption under it to @p device: PNG as the pixels of
// widgetPicture; SVG and PDF by painting the widget once more into the vector device, so lines
// and texts stay sharp at any size; @p title names the vector document. False where the device
// refused the data.
bool writePicture(QWidget* widget, PictureFormat format, QIODevice& device,
                  const QString& title = {}, const QString& caption = {});

// Writes @p fileName whole or not at all: @p write fills a temporary file beside it, which
// replaces the file only when everything was written. An empty text on success, else why it
// failed, in Indonesian with the system's own words in brackets.
QString saveWhole(const QString& fileName, const std::function<bool(QIODevice&)>& write);

// Paints @p widget with @p caption under it into @p page of the painter's device, as large as
// fits with its proportions kept, centred.
void paintFitted(QPainter& painter, QWidget* widget, const QRectF& page,
                 const QString& caption = {});

// A text listing printed on pages of its own: a bold title, the column header under it on every
// page, then the lines in a fixed-pitch font, the cells marked as changed in bold and in
// changedCellColour() as on the screen.
struct PrintListing
{
    QString title;
    QString header;
    QStringList lines;
    std::vector<std::vector<int>> marked; // for each line, its changed cells (columns from 0)
    int block = 1;                        // pages break only between blocks of this many lines
    // Lines under the title on every page: the weights the listing was worked out from.
    QStringList notes{};
    // Each block is a matrix: its title line, then its rows with the cells apart by blanks.
    // Printed as grids with row and column numbers, every value in its own cell.
    bool matrices = false;
};

// The colour of the cells a Floyd iteration changed, on the screen and on paper.
QColor changedCellColour();

// Paints a listing line into @p rect, from its left edge and centred in its height, in the
// painter's font and pen; the cells (runs without blanks) numbered in @p marked, from 0, go in
// bold and in @p markColour. Every cell stands where the plain line puts it, so the columns stay
// under the header.
void paintListingLine(QPainter& painter, const QRectF& rect, const QString& line,
                      const std::vector<int>& marked, const QColor& markColour);

// The fixed-pitch font the listings are printed in on @p device: 12 points, smaller where the
// widest title, header or line would otherwise run past @p width and be cut at the page's edge.
QFont printedListingFont(const QList<PrintListing>& listings, qreal width, QPaintDevice* device);

// Paints one page of @p listing into @p area: the title, then the lines from @p first up to
// @p last (not included) in @p font, in columns of @p perColumn lines @p columnStep apart, each
// under the header and a blank line.
void paintListingPage(QPainter& painter, const QRectF& area, const PrintListing& listing,
                      qsizetype first, qsizetype last, const QFont& font, qsizetype perColumn,
                      qreal columnStep);

// One matrix of a listing as a printed grid: the numbers of the columns on a grey row above, of
// the rows in a grey column left of the cells, each value centred in a cell with a border, the
// cells in @p marked (columns from 0, per row) bold and in changedCellColour(). @p title stands
// above the grid.
struct PrintedMatrix
{
    QString title;
    std::vector<QStringList> rows;
    std::vector<std::vector<int>> marked;
};

// The matrices of a listing whose blocks are matrices.
std::vector<PrintedMatrix> listingMatrices(const PrintListing& listing);

// The size of one grid cell for the widest value of @p matrices in @p font on @p device.
QSizeF matrixCellSize(const std::vector<PrintedMatrix>& matrices, const QFont& font,
                      QPaintDevice* device);

// Paints @p matrix with its title from @p topLeft in cells of @p cell.
void paintMatrix(QPainter& painter, const QPointF& topLeft, const PrintedMatrix& matrix,
                 const QFont& font, const QSizeF& cell);

// Prints the picture of @p widget with @p caption on the first page and each listing on the
// pages after it. Returns the number of pages, 0 where the printer could not be started.
int printPictureAndListings(QPagedPaintDevice& printer, QWidget* widget,
                            const QList<PrintListing>& listings, const QString& caption = {});

} // namespace trayeko::ui
