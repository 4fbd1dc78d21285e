#pragma once

#include <QPageLayout>
#include <QString>
#include <QtPlugin>
#include <functional>
#include <memory>

class QIODevice;
class QPagedPaintDevice;
class QPaintDevice;
class QSize;
class QWidget;

namespace trayeko::ui {

// One print job as the print preview sees it: @p print paints the pages onto a printer and
// returns how many it painted; @p offersListings says whether the listings may be added;
// @p orientation is the one the pages start in (landscape for a picture wider than tall, so that
// it is printed as large as the page allows; the preview lets the user turn the pages).
struct PrintRequest
{
    QString title;
    bool offersListings = false;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::function<int(QPagedPaintDevice& printer, bool withListings)> print;
};

// Printing (Qt Print Support) and SVG (Qt SVG) for the export actions, from a plugin loaded when
// a window first prints or saves an SVG: no start needs either library, and Print Support alone
// took about 0.3 MiB of every start's memory.
class ExportBackends
{
public:
    virtual ~ExportBackends() = default;
    // Shows the print preview for @p request and prints when the user confirms.
    virtual void printPreview(QWidget* parent, const PrintRequest& request) const = 0;
    // A paint device that writes a picture of @p size pixels at @p dotsPerInch to @p device as SVG.
    virtual std::unique_ptr<QPaintDevice> svgWriter(QIODevice& device, const QSize& size,
                                                    int dotsPerInch,
                                                    const QString& title) const = 0;
};

// The plugin's backends, loaded on the first call; null when the plugin cannot be loaded, with
// the reason in @p why.
ExportBackends* exportBackends(QString* why);

} // namespace trayeko::ui

#define TRAYEKO_EXPORT_BACKENDS_IID "org.trayeko.ExportBackends/1"
Q_DECLARE_INTERFACE(trayeko::ui::ExportBackends, TRAYEKO_EXPORT_BACKENDS_IID)
