// Printing through Qt's print preview and writing SVG, as a plugin that the export actions load
// when first used.
#include "ui/export/exportbackends.h"

#include <QCheckBox>
#include <QObject>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QSvgGenerator>
#include <QToolBar>

namespace trayeko::ui {

namespace {

class PrintAndSvg final : public QObject, public ExportBackends
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TRAYEKO_EXPORT_BACKENDS_IID)
    Q_INTERFACES(trayeko::ui::ExportBackends)

public:
    void printPreview(QWidget* parent, const PrintRequest& request) const override
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageOrientation(request.orientation);
        printer.setDocName(request.title);
        printer.setCreator(QStringLiteral("Trayeko"));
        QPrintPreviewDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Pratinjau cetak \u2014 %1").arg(request.title));
        if (const QScreen* screen = parent ? parent->screen() : nullptr)
            dialog.resize(screen->availableSize() * 4 / 5);
        bool withListings = request.offersListings;
        if (request.offersListings) {
            // The listings are an option of the preview, so the user sees the pages they add.
            auto* toolBar = dialog.findChild<QToolBar*>();
            auto* preview = dialog.findChild<QPrintPreviewWidget*>();
            if (toolBar && preview) {
                auto* box = new QCheckBox(QStringLiteral("Sertakan daftar &Nilai dan Simpul"));
                box->setObjectName(QStringLiteral("chkDaftar"));
                box->setChecked(true);
                toolBar->addSeparator();
                toolBar->addWidget(box);
                QObject::connect(box, &QCheckBox::toggled, preview,
                                 [&withListings, preview](bool on) {
                                     withListings = on;
                                     preview->updatePreview();
                                 });
            }
        }
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&](QPrinter* target) { request.print(*target, withListings); });
        dialog.exec();
    }

    std::unique_ptr<QPaintDevice> svgWriter(QIODevice& device, const QSize& size, int dotsPerInch,
                                            const QString& title) const override
    {
        auto svg = std::make_unique<QSvgGenerator>();
        svg->setOutputDevice(&device);
        svg->setResolution(dotsPerInch);
        svg->setSize(size);
        svg->setViewBox(QRect(QPoint(0, 0), size));
        svg->setTitle(title);
        svg->setDescription(QStringLiteral("Trayeko"));
        return svg;
    }
};

} // namespace

} // namespace trayeko::ui

#include "printandsvg.moc"
