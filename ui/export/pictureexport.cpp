#include "ui/export/pictureexport.h"
#include "ui/export/exportbackends.h"
#include "ui/stepping/stepoverlay.h"
#include "ui/support/programfonts.h"
#include "ui/widgets/textfit.h"

#include <QAbstractScrollArea>
#include <QFileInfo>
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

// The SVG generator ignores every clip and writes texts without their font's stretch: a box
// too narrow for its value, or a scrolled view, would spill its whole contents over its
// neighbours, and a narrowed text would come out at full width, under the next one. Such widgets
// go into the file as the pixels the screen shows.
bool needsPixelsInSvg(const QWidget* widget)
{
    const int stretch = widget->font().stretch();
    if (stretch != QFont::AnyStretch && stretch != QFont::Unstretched)
        return true;
    if (const auto* box = qobject_cast<const QLineEdit*>(widget))
        return textWidth(box->font(), box->text()) > textRoom(box);
    const auto* area = qobject_cast<const QAbstractScrollArea*>(widget->parentWidget());
    return area && area->viewport() == widget &&
           (area->horizontalScrollBar()->maximum() > 0 || area->verticalScrollBar()->maximum() > 0);
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
    // The step marks leave the weight boxes out by a clip, which the SVG generator ignores:
    // painted before their siblings, the boxes cover them as on the screen.
    std::stable_partition(children.begin(), children.end(), [](QWidget* w) {
        return w->inherits("QTabBar") || qobject_cast<StepOverlay*>(w);
    });
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

void paintWidget(QPainter& painter, QWidget* widget)
{
    const PictureLook look(widget);
    paintTree(painter, widget, widget);
}

} // namespace

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

QImage widgetPicture(QWidget* widget)
{
    const PictureLook look(widget);
    return widget->grab().toImage();
}

bool writePicture(QWidget* widget, PictureFormat format, QIODevice& device, const QString& title)
{
    const QSize size = widget->size();
    switch (format) {
    case PictureFormat::Png: {
        // The pixels of a high-density screen, marked with the matching resolution, so that a
        // document shows the picture at the size the window has on the screen.
        QImage image = widgetPicture(widget);
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
        paintWidget(painter, widget);
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
        paintWidget(painter, widget);
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

void paintFitted(QPainter& painter, QWidget* widget, const QRectF& page)
{
    const QSizeF size = widget->size();
    if (size.isEmpty() || page.isEmpty())
        return;
    const qreal scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.save();
    painter.translate(page.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.scale(scale, scale);
    paintWidget(painter, widget);
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

void paintListingPage(QPainter& painter, const QRectF& area, const PrintListing& listing,
                      qsizetype first, qsizetype last, const QFont& font, qsizetype perColumn,
                      qreal columnStep)
{
    QFont bold = font;
    bold.setBold(true);
    const qreal line = QFontMetricsF(font, painter.device()).lineSpacing();
    const auto place = [&](qsizetype row, qsizetype column) {
        const qreal left = area.left() + qreal(column) * columnStep;
        return QRectF(left, area.top() + qreal(row) * line, area.right() - left, line);
    };
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.setFont(bold);
    painter.drawText(place(0, 0), flags, listing.title);
    for (qsizetype column = 0; column == 0 || first + column * perColumn < last; ++column)
        painter.drawText(place(1, column), flags, listing.header);
    painter.setFont(font);
    static const std::vector<int> none;
    for (qsizetype i = first; i < last; ++i)
        paintListingLine(painter, place(3 + (i - first) % perColumn, (i - first) / perColumn),
                         listing.lines[i],
                         size_t(i) < listing.marked.size() ? listing.marked[size_t(i)] : none,
                         changedCellColour());
}

int printPictureAndListings(QPagedPaintDevice& printer, QWidget* widget,
                            const QList<PrintListing>& listings)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    const QRectF page = printer.pageLayout().paintRectPixels(printer.logicalDpiX());
    const QRectF area(QPointF(0, 0), page.size());
    paintFitted(painter, widget, area);
    int pages = 1;

    const QFont text = printedListingFont(listings, area.width(), &printer);
    // Title, header and a blank line take the top of every page; a page wide enough for more
    // than one column of the widest line takes them side by side, a few blanks apart.
    const qreal line = QFontMetricsF(text, &printer).lineSpacing();
    const int room = std::max(1, int(area.height() / line) - 3);
    const qreal gap = QFontMetricsF(text, &printer).horizontalAdvance(QStringLiteral("    "));
    const qreal columnStep = widestListingLine(listings, text, &printer) + gap;
    const int columns = std::max(1, int((area.width() + gap) / columnStep));
    for (const PrintListing& listing : listings) {
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
