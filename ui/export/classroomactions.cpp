#include "ui/export/classroomactions.h"
#include "ui/support/contextmenu.h"
#include "ui/support/keyregistry.h"
#include "ui/support/utf8.h"

#include "core/weightstext.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QSettings>
#include <QStandardPaths>

namespace trayeko::ui {

namespace {

const QString kPictureFilters =
    QStringLiteral("Gambar PNG (*.png);;Gambar vektor SVG (*.svg);;Dokumen PDF (*.pdf)");
const QString kCsvFilter = QStringLiteral("Tabel CSV (*.csv)");
const QString kFolderKey = QStringLiteral("ekspor/folder");

// Copy, save and print the picture, in every window that has one.
constexpr KeyRow kPictureKeys[] = {
    {Qt::CTRL | Qt::SHIFT | Qt::Key_C, nullptr, "Salin gambar: gambar jendela aktif ke papan klip"},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_S, nullptr,
     "Simpan gambar...: gambar jendela aktif sebagai PNG, SVG atau PDF"},
    {Qt::CTRL | Qt::Key_P, nullptr, "Cetak...: pratinjau dan cetak gambar jendela aktif"},
};
const KeyListing kPictureListed(keyplace::kEveryWindow + 20, kEveryWindowSection, kPictureKeys);

// The folder of the last file the user chose, kept in the platform's standard settings place.
QSettings settings()
{
    return QSettings(QStringLiteral("Trayeko"), QStringLiteral("Trayeko"));
}

QString lastFolder(QStandardPaths::StandardLocation fallback)
{
    const QString folder = settings().value(kFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    const QString standard = QStandardPaths::writableLocation(fallback);
    return QFileInfo(standard).isDir() ? standard : QDir::homePath();
}

// The suffix a filter like "Gambar PNG (*.png)" asks for.
QString filterSuffix(const QString& filter)
{
    const qsizetype star = filter.indexOf(QStringLiteral("(*."));
    if (star < 0)
        return {};
    return filter.mid(star + 3, filter.indexOf(u')', star) - star - 3);
}

} // namespace

QString weightsCaption(const ShownWeights& weights)
{
    const std::string separator = regionalDecimalSeparator();
    if (weights.veiled || !weights.changed())
        return toQString(weightsHeading(
            weights.veiled ? weights.boxes : weights.result.value_or(weights.boxes), separator));
    return QStringLiteral("Bobot di kotak sudah berubah sejak \"Proses...\" terakhir; hasil di "
                          "gambar ini dihitung dengan bobot %1")
        .arg(toQString(weightsList(*weights.result, separator)));
}

SaveFileNameFn standardSaveFileName()
{
    return [](QWidget* parent, const QString& caption, const QString& proposed,
              const QString& filters, QString* selectedFilter) {
        return QFileDialog::getSaveFileName(parent, caption, proposed, filters, selectedFilter);
    };
}

PrintPreviewFn standardPrintPreview()
{
    return [](QWidget* parent, const PrintRequest& request) {
        QString why;
        if (const ExportBackends* backends = exportBackends(&why))
            backends->printPreview(parent, request);
        else
            criticalMessageBox()(parent, QStringLiteral("Trayeko"),
                                 QStringLiteral("Tidak dapat mencetak: %1.").arg(why));
    };
}

ClassroomActions::ClassroomActions(QMdiSubWindow* window, QWidget* menuTarget,
                                   const QString& fileStem)
    : QObject(window), m_window(window), m_fileStem(fileStem)
{
    setObjectName(QStringLiteral("classroomActions"));
    m_copyPicture = makeAction(QStringLiteral("actSalinGambar"), QStringLiteral("Salin gambar"),
                               QKeySequence(kPictureKeys[0].key), &ClassroomActions::copyPicture);
    m_savePicture =
        makeAction(QStringLiteral("actSimpanGambar"), QStringLiteral("Simpan gambar..."),
                   QKeySequence(kPictureKeys[1].key), &ClassroomActions::savePicture);
    m_print = makeAction(QStringLiteral("actCetak"), QStringLiteral("Cetak..."),
                         QKeySequence(kPictureKeys[2].key), &ClassroomActions::print);

    addMenuEntries(menuTarget, MenuSection::Picture, {m_copyPicture, m_savePicture, m_print});
    for (QAction* action : {m_copyPicture, m_savePicture, m_print}) {
        // The same action on the window makes its shortcut work wherever the focus is in it, and
        // in no other window. Not only on the client area: when the frame comes back from a
        // dialog, the MDI area gives the focus to the subwindow itself.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_window->addAction(action);
    }
}

QWidget* ClassroomActions::client() const
{
    return m_window->widget();
}

QAction* ClassroomActions::makeAction(const QString& objectName, const QString& text,
                                      const QKeySequence& keys,
                                      void (ClassroomActions::*onTrigger)())
{
    auto* action = new QAction(text, this);
    action->setObjectName(objectName);
    action->setShortcut(keys);
    connect(action, &QAction::triggered, this, onTrigger);
    return action;
}

void ClassroomActions::addListings(const QList<Listing>& listings, ListingContents contents)
{
    m_listings = listings;
    m_contents = std::move(contents);
    m_saveCsv = makeAction(QStringLiteral("actSimpanCsv"), QStringLiteral("Simpan CSV..."), {},
                           &ClassroomActions::saveCsv);
    // Until a run there are no matrices to save.
    m_saveCsv->setEnabled(false);
    for (int i = 0; i < m_listings.size(); ++i) {
        QListWidget* list = m_listings[i].list;
        auto* copy = new QAction(QStringLiteral("Salin teks"), this);
        copy->setObjectName(QStringLiteral("actSalinTeks%1").arg(i + 1));
        connect(copy, &QAction::triggered, this, [this, i] { copyListing(i); });
        addMenuEntries(list, MenuSection::Listing, {copy, m_saveCsv});
    }
}

QAction* ClassroomActions::addTableCsv(QWidget* menuTarget, std::function<std::string()> table)
{
    m_saveCsv = new QAction(QStringLiteral("Simpan CSV..."), this);
    m_saveCsv->setObjectName(QStringLiteral("actSimpanCsv"));
    m_saveCsv->setEnabled(false);
    connect(m_saveCsv, &QAction::triggered, this,
            [this, table = std::move(table)] { saveCsvText(table()); });
    addMenuEntries(menuTarget, MenuSection::Listing, {m_saveCsv});
    return m_saveCsv;
}

void ClassroomActions::setListingsReady()
{
    if (m_saveCsv)
        m_saveCsv->setEnabled(true);
}

QString ClassroomActions::pictureCaption() const
{
    return m_weights ? weightsCaption(m_weights()) : QString();
}

bool ClassroomActions::listingsMatchBoxes()
{
    if (!m_weights)
        return true;
    const ShownWeights weights = m_weights();
    if (weights.veiled) {
        m_seams.messageBox(m_window, QStringLiteral("Trayeko"),
                           QStringLiteral("Selama latihan hasilnya disembunyikan.\n\nTekan Esc "
                                          "untuk keluar dari latihan dulu."));
        return false;
    }
    if (!weights.changed())
        return true;
    m_seams.messageBox(m_window, QStringLiteral("Trayeko"),
                       QStringLiteral("Bobot di kotak sudah berubah sejak \"Proses...\" "
                                      "terakhir, jadi angka di daftar bukan untuk bobot itu.\n\n"
                                      "Tekan \"Proses...\" dulu, lalu salin atau simpan lagi."));
    return false;
}

void ClassroomActions::copyPicture()
{
    QApplication::clipboard()->setImage(widgetPicture(client(), pictureCaption()));
}

QString ClassroomActions::askFileName(const QString& caption, const QString& proposedName,
                                      const QString& filters, QString* selectedFilter,
                                      QStandardPaths::StandardLocation firstFolder)
{
    const QString proposed = QDir(lastFolder(firstFolder)).filePath(proposedName);
    QString fileName = m_seams.saveFileName(m_window, caption, proposed, filters, selectedFilter);
    if (fileName.isEmpty())
        return {};
    settings().setValue(kFolderKey, QFileInfo(fileName).absolutePath());
    return fileName;
}

bool ClassroomActions::save(const QString& fileName, const QString& what,
                            const std::function<bool(QIODevice&)>& write)
{
    const QString reason = saveWhole(fileName, write);
    if (reason.isEmpty())
        return true;
    m_seams.messageBox(m_window, QStringLiteral("Trayeko"),
                       QStringLiteral("%1 tidak dapat disimpan ke\n%2\n\n%3")
                           .arg(what, QDir::toNativeSeparators(fileName), reason));
    return false;
}

void ClassroomActions::savePicture()
{
    QString filter;
    QString fileName = askFileName(QStringLiteral("Simpan gambar"),
                                   m_fileStem + QStringLiteral(".png"), kPictureFilters, &filter);
    if (fileName.isEmpty())
        return;
    // A name typed without a known suffix gets the one of the chosen filter.
    if (!pictureFormatOf(fileName)) {
        const QString suffix = filterSuffix(filter);
        fileName += u'.' + (suffix.isEmpty() ? QStringLiteral("png") : suffix);
    }
    const PictureFormat format = *pictureFormatOf(fileName);
    QWidget* widget = client();
    const QString title = m_window->windowTitle();
    const QString caption = pictureCaption();
    save(fileName, QStringLiteral("Gambar"), [widget, format, title, caption](QIODevice& device) {
        return writePicture(widget, format, device, title, caption);
    });
}

void ClassroomActions::print()
{
    PrintRequest request;
    request.title = m_window->windowTitle();
    // Each page names the weights of the run it lists, and says so where the boxes were changed
    // since: the picture on the first page shows the boxes.
    const auto pages = [this] {
        QList<PrintListing> listings =
            m_contents.pages ? m_contents.pages() : QList<PrintListing>();
        if (m_weights) {
            const ShownWeights weights = m_weights();
            // An exercise's answers stay off paper as they stay off the screen.
            if (weights.veiled)
                return QList<PrintListing>();
            if (weights.result)
                for (PrintListing& listing : listings) {
                    listing.notes.append(
                        toQString(weightsHeading(*weights.result, regionalDecimalSeparator())));
                    if (weights.changed())
                        listing.notes.append(QStringLiteral(
                            "Bobot di kotak sudah berubah sejak \"Proses...\" terakhir; "
                            "matriks ini untuk bobot di atas."));
                }
        }
        return listings;
    };
    request.offersListings = !pages().isEmpty();
    request.orientation =
        client()->width() > client()->height() ? QPageLayout::Landscape : QPageLayout::Portrait;
    request.print = [this, pages](QPagedPaintDevice& printer, bool withListings) {
        const int printed = printPictureAndListings(
            printer, client(), withListings ? pages() : QList<PrintListing>(), pictureCaption());
        if (printed == 0)
            m_seams.messageBox(m_window, QStringLiteral("Trayeko"),
                               QStringLiteral("Pencetak tidak dapat dimulai."));
        return printed;
    };
    m_seams.printPreview(m_window, request);
}

void ClassroomActions::copyListing(int index)
{
    if (index < 0 || index >= m_listings.size())
        return;
    if (!listingsMatchBoxes())
        return;
    const Listing& listing = m_listings[index];
    QStringList lines;
    // The text a student pastes elsewhere names the weights it was worked out from.
    if (m_weights)
        if (const ShownWeights weights = m_weights(); weights.result)
            lines.append(toQString(weightsHeading(*weights.result, regionalDecimalSeparator())));
    lines.append(listing.header->text());
    for (int row = 0; row < listing.list->count(); ++row)
        lines.append(listing.list->item(row)->text());
    QApplication::clipboard()->setText(lines.join(u'\n') + u'\n');
}

void ClassroomActions::saveCsv()
{
    if (m_contents.csv && listingsMatchBoxes())
        saveCsvText(m_contents.csv());
}

void ClassroomActions::saveCsvText(const std::string& text)
{
    const QByteArray csv = QByteArray::fromStdString(text);
    saveFile(
        {QStringLiteral("Simpan CSV"), m_fileStem + QStringLiteral(".csv"), kCsvFilter,
         QStringLiteral("Tabel CSV"), QStandardPaths::PicturesLocation,
         [&csv](QIODevice& device, const QString&) { return device.write(csv) == csv.size(); }});
}

bool ClassroomActions::saveFile(const FileRequest& request)
{
    QString filter;
    QString fileName = askFileName(request.caption, request.proposedName, request.filters, &filter,
                                   request.firstFolder);
    if (fileName.isEmpty())
        return false;
    // A name typed without a suffix gets the one of the chosen filter, or of the first.
    QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix.isEmpty()) {
        suffix = filterSuffix(filter);
        if (suffix.isEmpty())
            suffix = filterSuffix(request.filters);
        if (!suffix.isEmpty())
            fileName += u'.' + suffix;
    }
    return save(fileName, request.what,
                [&request, &suffix](QIODevice& device) { return request.write(device, suffix); });
}

void ClassroomActions::printPages(const PrintRequest& request)
{
    m_seams.printPreview(m_window, request);
}

ClassroomActions* installClassroomActions(QMdiSubWindow* window, QWidget* menuTarget,
                                          const QString& fileStem)
{
    return new ClassroomActions(window, menuTarget, fileStem);
}

} // namespace trayeko::ui
