#include "ui/export/pictureexport.h"
#include "ui/export/exportbackends.h"
#include "ui/support/programfonts.h"
#include "ui/widgets/textfit.h"

#include <QAbstractScrollArea>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QPen>
#include <QSaveFile>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>

namespace trayeko::ui {

namespace {

// Widgets are laid out in pixels of 1/96 inch; the vector files keep that scale so that they
// open at the size the window has on the screen.
constexpr qreal kPixelsPerInch = 96.0;

QString fileErrorText(QFileDevice::FileError error)
{
    switch (error) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("Berkas tidak dapat dibuat di folder itu.");
    case QFileDevice::WriteError:
    case QFileDevice::ResizeError:
        return QStringLiteral("Berkas tidak dapat ditulis sampai selesai; mungkin disk penuh.");
    case QFileDevice::RenameError:
        return QStringLiteral("Sistem tidak menerima nama berkas itu.");
    default:
        return QStringLiteral("Berkas tidak dapat disimpan.");
    }
}

// The SVG generator ignores every clip and writes texts without their font's stretch or word
// spacing: a box too narrow for its value, or a scrolled view, would spill its whole contents
// over its neighbours, and a narrowed text would come out at full width, under the next one.
// Such widgets go into the file as the pixels the screen shows.
bool needsPixelsInSvg(const QWidget* widget)
{
    const int stretch = widget->font().stretch();
    if (stretch != QFont::AnyStretch && stretch != QFont::Unstretched)
        return true;
    // Word spacing is lost the same way: words set apart to stand over the boxes below them would
    // close up and leave their places.
    if (widget->font().wordSpacing() != 0)
        return true;
    if (const auto* box = qobject_cast<const QLineEdit*>(widget))
        return textWidth(box->font(), box->text()) > textRoom(box);
    const auto* area = qobject_cast<const QAbstractScrollArea*>(widget->parentWidget());
    return area && area->viewport() == widget &&
           (area->horizontalScrollBar()->maximum() > 0 || area->verticalScrollBar()->maximum() > 0);
}

const char kPicturePainter[] = "trayekoPicturePainter";

PicturePainter picturePainterOf(const QWidget* widget)
{
    const QVariant paint = widget->property(kPicturePainter);
    return paint.isValid() ? paint.value<PicturePainter>() : PicturePainter();
}

// Paints @p widget by its picture painter, at its place in @p root and within its rectangle.
void paintByPicturePainter(QPainter& painter, QWidget* root, QWidget* widget,
                           const PicturePainter& paint)
{
    painter.save();
    painter.translate(widget->mapTo(root, QPoint(0, 0)));
    painter.setClipRect(widget->rect(), Qt::IntersectClip);
    paint(painter);
    painter.restore();
}

// Paints @p widget and its visible children at their places in @p root. QWidget::render would
// clip every child to the region it may paint; the PDF engine loses parts of the picture to
// those nested clips and the SVG generator ignores them. So each widget is painted on its own,
// parents before children, without clipping. Tab bars go before their siblings: the style draws
// the selected tab a little into the pane below it, where the page's contents cover it as they
// do on the screen.
void paintTree(QPainter& painter, QWidget* root, QWidget* widget)
{
    const QPoint at = widget->mapTo(root, QPoint(0, 0));
    if (!QRect(at, widget->size()).intersects(root->rect()))
        return;
    if (const PicturePainter paint = picturePainterOf(widget)) {
        paintByPicturePainter(painter, root, widget, paint);
        return;
    }
    if (painter.paintEngine()->type() == QPaintEngine::SVG && needsPixelsInSvg(widget)) {
        painter.drawPixmap(QRect(at, widget->size()), widget->grab());
        return;
    }
    widget->render(&painter, at, QRegion(),
                   widget == root ? QWidget::DrawWindowBackground : QWidget::RenderFlags());
    QList<QWidget*> children;
    for (QObject* child : widget->children())
        if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow() && w->isVisibleTo(root))
            children.append(w);
    std::stable_partition(children.begin(), children.end(),
                          [](QWidget* w) { return w->inherits("QTabBar"); });
    for (QWidget* child : children)
        paintTree(painter, root, child);
}

const char kPicturePalette[] = "trayekoPicturePalette";

// While it lives, the widgets of @p root that have a picture palette wear it; afterwards they
// have their own again. Everything runs on the one thread, so the screen never shows it.
class PictureLook final
{
public:
    explicit PictureLook(QWidget* root)
    {
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* widget : widgets)
            if (const QVariant look = widget->property(kPicturePalette); look.isValid()) {
                m_own.append({widget, widget->palette()});
                widget->setPalette(look.value<QPalette>());
            }
    }
    ~PictureLook()
    {
        for (const auto& [widget, palette] : m_own)
            widget->setPalette(palette);
    }
    Q_DISABLE_COPY_MOVE(PictureLook)

private:
    QList<std::pair<QWidget*, QPalette>> m_own;
};

// Paints over the pixels of @p root's picture the widgets that have a picture painter.
void overpaintPicturePainters(QPainter& painter, QWidget* root, QWidget* widget)
{
    for (QObject* child : widget->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow() || !w->isVisibleTo(root) ||
            !QRect(w->mapTo(root, QPoint(0, 0)), w->size()).intersects(root->rect()))
            continue;
        if (const PicturePainter paint = picturePainterOf(w))
            paintByPicturePainter(painter, root, w, paint);
        else
            overpaintPicturePainters(painter, root, w);
    }
}

// A caption wraps between its items, never inside one ("1→2 = 7").
QString keptTogether(QString caption)
{
    return caption.replace(QStringLiteral(" = "), QStringLiteral("\u00a0=\u00a0"));
}

constexpr qreal kCaptionMargin = 4;

// The widget and its caption, from the painter's origin.
void paintWidget(QPainter& painter, QWidget* widget, const QString& caption = {})
{
    {
        const PictureLook look(widget);
        paintTree(painter, widget, widget);
    }
    const QFont font = captionFont(widget);
    paintCaption(
        painter,
        QRectF(0, widget->height(), widget->width(), captionHeight(caption, font, widget->width())),
        caption, font);
}

QSizeF pictureSize(QWidget* widget, const QString& caption)
{
    return {qreal(widget->width()),
            widget->height() + captionHeight(caption, captionFont(widget), widget->width())};
}

} // namespace

void setPicturePainter(QWidget* widget, PicturePainter paint)
{
    widget->setProperty(kPicturePainter, QVariant::fromValue(std::move(paint)));
}

QFont captionFont(const QWidget* widget)
{
    // In pixels, so that the caption is laid out alike on the screen, in files and on paper.
    QFont font = widget->font();
    font.setPixelSize(std::max(11, QFontInfo(widget->font()).pixelSize()));
    font.setBold(false);
    return font;
}

qreal captionHeight(const QString& caption, const QFont& font, qreal width)
{
    if (caption.isEmpty())
        return 0;
    const QRectF room(0, 0, std::max(1.0, width - 2 * kCaptionMargin), 1e6);
    const QRectF used =
        QFontMetricsF(font).boundingRect(room, Qt::TextWordWrap, keptTogether(caption));
    return std::ceil(used.height() + 2 * kCaptionMargin);
}

void paintCaption(QPainter& painter, const QRectF& rect, const QString& caption, const QFont& font)
{
    if (caption.isEmpty())
        return;
    painter.save();
    painter.fillRect(rect, Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(font);
    painter.drawText(rect.adjusted(kCaptionMargin, kCaptionMargin, -kCaptionMargin, 0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, keptTogether(caption));
    painter.restore();
}

std::optional<PictureFormat> pictureFormatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"png")
        return PictureFormat::Png;
    if (suffix == u"svg")
        return PictureFormat::Svg;
    if (suffix == u"pdf")
        return PictureFormat::Pdf;
    return std::nullopt;
}

void setPicturePalette(QWidget* widget, const QPalette& palette)
{
    widget->setProperty(kPicturePalette, palette);
}

QImage widgetPicture(QWidget* widget, const QString& caption)
{
    QImage shown;
    {
        const PictureLook look(widget);
        shown = widget->grab().toImage();
        QPainter painter(&shown);
        overpaintPicturePainters(painter, widget, widget);
    }
    if (caption.isEmpty())
        return shown;
    const QFont font = captionFont(widget);
    const qreal extra = captionHeight(caption, font, widget->width());
    const qreal ratio = shown.devicePixelRatio();
    QImage image(QSize(shown.width(), shown.height() + int(std::ceil(extra * ratio))),
                 shown.format());
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(0, 0), shown);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    paintCaption(painter, QRectF(0, widget->height(), widget->width(), extra), caption, font);
    painter.end();
    image.setText(QStringLiteral("Description"), caption);
    return image;
}

bool writePicture(QWidget* widget, PictureFormat format, QIODevice& device, const QString& title,
                  const QString& caption)
{
    const QSize size = pictureSize(widget, caption).toSize();
    switch (format) {
    case PictureFormat::Png: {
        // The pixels of a high-density screen, marked with the matching resolution, so that a
        // document shows the picture at the size the window has on the screen.
        QImage image = widgetPicture(widget, caption);
        const int dotsPerMetre = qRound(kPixelsPerInch * image.devicePixelRatio() / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image.save(&device, "PNG");
    }
    case PictureFormat::Svg: {
        const ExportBackends* backends = exportBackends(nullptr);
        const auto svg =
            backends ? backends->svgWriter(device, size, int(kPixelsPerInch), title) : nullptr;
        QPainter painter;
        if (!svg || !painter.begin(svg.get()))
            return false;
        paintWidget(painter, widget, caption);
        return painter.end();
    }
    case PictureFormat::Pdf: {
        QPdfWriter pdf(&device);
        pdf.setCreator(QStringLiteral("Trayeko"));
        pdf.setTitle(title);
        pdf.setResolution(int(kPixelsPerInch));
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(size) * 72.0 / kPixelsPerInch,
                                                QPageSize::Point, QString(), QPageSize::ExactMatch),
                                      QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        paintWidget(painter, widget, caption);
        return painter.end();
    }
    }
    return false;
}

QString saveWhole(const QString& fileName, const std::function<bool(QIODevice&)>& write)
{
    QSaveFile file(fileName);
    // Without the direct-write fallback a folder where no temporary file may be made fails
    // instead of the file being overwritten in place, where a failure would leave it half done.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fileErrorText(file.error()) + QStringLiteral(" (%1)").arg(file.errorString());
    if (!write(file) || file.error() != QFileDevice::NoError) {
        const QFileDevice::FileError error =
            file.error() == QFileDevice::NoError ? QFileDevice::WriteError : file.error();
        const QString reason = file.errorString();
        file.cancelWriting();
        return fileErrorText(error) + QStringLiteral(" (%1)").arg(reason);
    }
    if (!file.commit())
        return fileErrorText(file.error()) + QStringLiteral(" (%1)").arg(file.errorString());
    return {};
}

void paintFitted(QPainter& painter, QWidget* widget, const QRectF& page, const QString& caption)
{
    const QSizeF size = pictureSize(widget, caption);
    if (size.isEmpty() || page.isEmpty())
        return;
    const qreal scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.save();
    painter.translate(page.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    paintWidget(painter, widget, caption);
    painter.restore();
}

QColor changedCellColour()
{
    return {192, 0, 96};
}

void paintListingLine(QPainter& painter, const QRectF& rect, const QString& line,
                      const std::vector<int>& marked, const QColor& markColour)
{
    const QFont plain = painter.font();
    QFont bold = plain;
    bold.setBold(true);
    const QPen pen = painter.pen();
    const QFontMetricsF metrics(plain, painter.device());
    int column = 0;
    for (qsizetype start = 0; start < line.size();) {
        if (line[start] == u' ') {
            ++start;
            continue;
        }
        qsizetype end = line.indexOf(u' ', start);
        if (end < 0)
            end = line.size();
        const bool mark = std::find(marked.begin(), marked.end(), column) != marked.end();
        painter.setFont(mark ? bold : plain);
        painter.setPen(mark ? QPen(markColour) : pen);
        const qreal x = rect.left() + metrics.horizontalAdvance(line.left(start));
        painter.drawText(QRectF(x, rect.top(), rect.right() - x, rect.height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         line.mid(start, end - start));
        ++column;
        start = end;
    }
    painter.setFont(plain);
    painter.setPen(pen);
}

namespace {

// The widest title, header or line of the listings, the titles and headers in bold.
qreal widestListingLine(const QList<PrintListing>& listings, const QFont& text,
                        QPaintDevice* device)
{
    QFont bold = text;
    bold.setBold(true);
    const QFontMetricsF plain(text, device), heading(bold, device);
    qreal w = 0;
    for (const PrintListing& listing : listings) {
        w = std::max({w, heading.horizontalAdvance(listing.title),
                      heading.horizontalAdvance(listing.header)});
        for (const QString& line : listing.lines)
            w = std::max(w, plain.horizontalAdvance(line));
    }
    return w;
}

} // namespace

QFont printedListingFont(const QList<PrintListing>& listings, qreal width, QPaintDevice* device)
{
    QFont text = listingFontInPoints(12);
    // Glyph widths do not scale exactly with the size, so shrink until the widest line fits.
    for (qreal need = widestListingLine(listings, text, device);
         need > width && text.pointSizeF() > 1; need = widestListingLine(listings, text, device))
        text.setPointSizeF(
            std::max(1.0, std::min(text.pointSizeF() * width / need, text.pointSizeF() - 0.25)));
    return text;
}

namespace {

// The heading of every page of a listing: its title in bold, then its notes wrapped to the width
// of @p area. Returns the height it takes; paints only with @p painter.
qreal listingHeading(QPainter* painter, QPaintDevice* device, const QRectF& area,
                     const PrintListing& listing, const QFont& font)
{
    QFont bold = font;
    bold.setBold(true);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    qreal top = area.top();
    const auto put = [&](const QString& text, const QFont& f) {
        const QRectF room(area.left(), top, area.width(), area.bottom() - top);
        const QRectF used = QFontMetricsF(f, device).boundingRect(room, flags, keptTogether(text));
        if (painter) {
            painter->setFont(f);
            painter->drawText(room, flags, keptTogether(text));
        }
        top += std::max(used.height(), QFontMetricsF(f, device).lineSpacing());
    };
    put(listing.title, bold);
    for (const QString& note : listing.notes)
        put(note, font);
    if (painter)
        painter->setFont(font);
    return top - area.top();
}

} // namespace

void paintListingPage(QPainter& painter, const QRectF& area, const PrintListing& listing,
                      qsizetype first, qsizetype last, const QFont& font, qsizetype perColumn,
                      qreal columnStep)
{
    QFont bold = font;
    bold.setBold(true);
    const qreal line = QFontMetricsF(font, painter.device()).lineSpacing();
    const qreal top = area.top() + listingHeading(&painter, painter.device(), area, listing, font);
    const auto place = [&](qsizetype row, qsizetype column) {
        const qreal left = area.left() + qreal(column) * columnStep;
        return QRectF(left, top + qreal(row) * line, area.right() - left, line);
    };
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.setFont(bold);
    for (qsizetype column = 0; column == 0 || first + column * perColumn < last; ++column)
        painter.drawText(place(0, column), flags, listing.header);
    painter.setFont(font);
    static const std::vector<int> none;
    for (qsizetype i = first; i < last; ++i)
        paintListingLine(painter, place(2 + (i - first) % perColumn, (i - first) / perColumn),
                         listing.lines[i],
                         size_t(i) < listing.marked.size() ? listing.marked[size_t(i)] : none,
                         changedCellColour());
}

std::vector<PrintedMatrix> listingMatrices(const PrintListing& listing)
{
    std::vector<PrintedMatrix> matrices;
    const qsizetype block = std::max(1, listing.block);
    for (qsizetype first = 0; first < listing.lines.size(); first += block) {
        PrintedMatrix matrix;
        matrix.title = listing.lines[first];
        for (qsizetype i = first + 1; i < std::min(first + block, listing.lines.size()); ++i) {
            QStringList cells = listing.lines[i].split(u' ', Qt::SkipEmptyParts);
            if (cells.isEmpty())
                continue;
            matrix.rows.push_back(std::move(cells));
            matrix.marked.push_back(size_t(i) < listing.marked.size() ? listing.marked[size_t(i)]
                                                                      : std::vector<int>());
        }
        matrices.push_back(std::move(matrix));
    }
    return matrices;
}

namespace {

qsizetype matrixColumns(const PrintedMatrix& matrix)
{
    qsizetype columns = 0;
    for (const QStringList& row : matrix.rows)
        columns = std::max(columns, row.size());
    return columns;
}

// A matrix's grid with its title above and the row of column numbers: (columns + 1) cells wide,
// (rows + 2) cells high.
QSizeF matrixSize(const PrintedMatrix& matrix, const QSizeF& cell)
{
    return {qreal(matrixColumns(matrix) + 1) * cell.width(),
            qreal(matrix.rows.size() + 2) * cell.height()};
}

} // namespace

QSizeF matrixCellSize(const std::vector<PrintedMatrix>& matrices, const QFont& font,
                      QPaintDevice* device)
{
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(bold, device);
    qreal widest = metrics.horizontalAdvance(QStringLiteral("00"));
    for (const PrintedMatrix& matrix : matrices) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::number(matrix.rows.size())));
        for (const QStringList& row : matrix.rows)
            for (const QString& cell : row)
                widest = std::max(widest, metrics.horizontalAdvance(cell));
    }
    // Half a digit of room on either side keeps neighbouring values apart from the borders.
    const qreal digit = metrics.horizontalAdvance(u'0');
    return {std::ceil(widest + digit), std::ceil(metrics.lineSpacing() * 1.4)};
}

void paintMatrix(QPainter& painter, const QPointF& topLeft, const PrintedMatrix& matrix,
                 const QFont& font, const QSizeF& cell)
{
    painter.save();
    QFont bold = font;
    bold.setBold(true);
    const qsizetype columns = matrixColumns(matrix);
    const QSizeF size = matrixSize(matrix, cell);
    const int centred = Qt::AlignCenter | Qt::TextSingleLine;
    painter.setPen(Qt::black);
    painter.setFont(bold);
    painter.drawText(QRectF(topLeft, QSizeF(size.width(), cell.height())),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip,
                     matrix.title);
    const QPointF grid = topLeft + QPointF(0, cell.height());
    const auto place = [&](qsizetype row, qsizetype column) { // from -1: the numbers' row/column
        return QRectF(
            grid + QPointF(qreal(column + 1) * cell.width(), qreal(row + 1) * cell.height()), cell);
    };
    const QColor numbers(224, 224, 224);
    painter.fillRect(QRectF(grid, QSizeF(size.width(), cell.height())), numbers);
    painter.fillRect(QRectF(grid, QSizeF(cell.width(), size.height() - cell.height())), numbers);
    for (qsizetype column = 0; column < columns; ++column)
        painter.drawText(place(-1, column), centred, QString::number(column + 1));
    for (size_t row = 0; row < matrix.rows.size(); ++row)
        painter.drawText(place(qsizetype(row), -1), centred, QString::number(row + 1));
    for (size_t row = 0; row < matrix.rows.size(); ++row) {
        const QStringList& cells = matrix.rows[row];
        const std::vector<int>& marked =
            row < matrix.marked.size() ? matrix.marked[row] : std::vector<int>();
        for (qsizetype column = 0; column < cells.size(); ++column) {
            const bool mark = std::find(marked.begin(), marked.end(), int(column)) != marked.end();
            painter.setFont(mark ? bold : font);
            painter.setPen(mark ? changedCellColour() : QColor(Qt::black));
            painter.drawText(place(qsizetype(row), column), centred, cells[column]);
        }
    }
    // The borders last, over every cell alike; thin, but thick enough to print.
    painter.setPen(QPen(Qt::black, std::max(1.0, cell.height() / 24)));
    painter.setBrush(Qt::NoBrush);
    for (qsizetype row = -1; row < qsizetype(matrix.rows.size()); ++row)
        for (qsizetype column = -1; column < columns; ++column)
            painter.drawRect(place(row, column));
    painter.restore();
}

namespace {

// Prints the matrices of @p listing as grids, side by side and one under the other as many as
// the page holds, each whole on one page. Returns the number of pages.
int printMatrices(QPainter& painter, QPagedPaintDevice& printer, const QRectF& area,
                  const PrintListing& listing)
{
    const std::vector<PrintedMatrix> matrices = listingMatrices(listing);
    if (matrices.empty())
        return 0;
    QFont font = listingFontInPoints(12);
    QSizeF cell, size;
    qreal heading = 0;
    // Smaller where one matrix would not fit the page under the heading.
    for (;;) {
        cell = matrixCellSize(matrices, font, &printer);
        size = matrixSize(matrices.front(), cell);
        QFont bold = font;
        bold.setBold(true);
        // Each matrix takes the room of its grid or of its title, whichever is wider.
        for (const PrintedMatrix& matrix : matrices)
            size =
                size.expandedTo(matrixSize(matrix, cell))
                    .expandedTo({QFontMetricsF(bold, &printer).horizontalAdvance(matrix.title), 0});
        heading = listingHeading(nullptr, &printer, area, listing, font) + cell.height() / 2;
        const qreal need = std::max(size.width() / area.width(),
                                    size.height() / std::max(1.0, area.height() - heading));
        if (need <= 1 || font.pointSizeF() <= 1)
            break;
        font.setPointSizeF(
            std::max(1.0, std::min(font.pointSizeF() / need, font.pointSizeF() - 0.25)));
    }
    const QSizeF gap(cell.width(), cell.height() / 2);
    const int across =
        std::max(1, int((area.width() + gap.width()) / (size.width() + gap.width())));
    const int down =
        std::max(1, int((area.height() - heading + gap.height()) / (size.height() + gap.height())));
    int pages = 0;
    for (size_t first = 0; first < matrices.size(); first += size_t(across * down)) {
        printer.newPage();
        ++pages;
        listingHeading(&painter, &printer, area, listing, font);
        for (size_t i = first; i < std::min(matrices.size(), first + size_t(across * down)); ++i) {
            const int at = int(i - first);
            paintMatrix(painter,
                        area.topLeft() +
                            QPointF((at % across) * (size.width() + gap.width()),
                                    heading + (at / across) * (size.height() + gap.height())),
                        matrices[i], font, cell);
        }
    }
    return pages;
}

} // namespace

int printPictureAndListings(QPagedPaintDevice& printer, QWidget* widget,
                            const QList<PrintListing>& listings, const QString& caption)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.logicalDpiX());
    const QRectF area(QPointF(0, 0), page.size());
    paintFitted(painter, widget, area, caption);
    int pages = 1;

    QList<PrintListing> lines;
    for (const PrintListing& listing : listings)
        if (!listing.matrices)
            lines.append(listing);
    const QFont text = printedListingFont(lines, area.width(), &printer);
    // Title, notes, header and a blank line take the top of every page; a page wide enough for
    // more than one column of the widest line takes them side by side, a few blanks apart.
    const qreal line = QFontMetricsF(text, &printer).lineSpacing();
    const qreal gap = QFontMetricsF(text, &printer).horizontalAdvance(QStringLiteral("    "));
    const qreal columnStep = widestListingLine(lines, text, &printer) + gap;
    const int columns = std::max(1, int((area.width() + gap) / columnStep));
    for (const PrintListing& listing : listings) {
        if (listing.matrices) {
            pages += printMatrices(painter, printer, area, listing);
            continue;
        }
        const qreal heading = listingHeading(nullptr, &printer, area, listing, text);
        const int room = std::max(1, int((area.height() - heading) / line) - 2);
        // A column holds whole blocks (one iteration's matrix) where at least one fits.
        const int perColumn = room >= listing.block ? room / listing.block * listing.block : room;
        for (qsizetype first = 0; first < listing.lines.size() || first == 0;
             first += perColumn * columns) {
            printer.newPage();
            ++pages;
            paintListingPage(painter, area, listing, first,
                             std::min(listing.lines.size(), first + perColumn * columns), text,
                             perColumn, columnStep);
            if (listing.lines.isEmpty())
                break;
        }
    }
    painter.end();
    return pages;
}

} // namespace trayeko::ui
