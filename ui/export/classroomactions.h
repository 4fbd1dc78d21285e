#pragma once

#include "core/demonetwork.h"
#include "ui/export/exportbackends.h"
#include "ui/export/pictureexport.h"
#include "ui/support/seams.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStandardPaths>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QListWidget;
class QMdiSubWindow;

namespace trayeko::ui {

// Asks for the name of a file to write, like QFileDialog::getSaveFileName; an empty name means
// the user cancelled. @p selectedFilter receives the filter the user chose.
using SaveFileNameFn =
    std::function<QString(QWidget* parent, const QString& caption, const QString& proposed,
                          const QString& filters, QString* selectedFilter)>;

// Shows the print preview for @p request and prints when the user confirms.
using PrintPreviewFn = std::function<void(QWidget* parent, const PrintRequest& request)>;

SaveFileNameFn standardSaveFileName();
PrintPreviewFn standardPrintPreview();

// The weights behind a network window's numbers: those its result on the screen was worked out
// from (none before the first run) and those its boxes hold now.
struct ShownWeights
{
    std::optional<LinkWeights> result;
    LinkWeights boxes{};
    bool veiled = false; // the result is out of sight while an exercise runs

    // The boxes no longer hold the weights of the result shown.
    bool changed() const { return result && *result != boxes; }
};

// The caption of a picture of a window showing @p weights: the weights its numbers belong to,
// and where the boxes were changed since, that the result is for other weights, and which. With
// the result out of sight, the weights in the boxes.
QString weightsCaption(const ShownWeights& weights);

// Everything the actions ask the user; tests answer without any dialog.
struct ClassroomSeams
{
    SaveFileNameFn saveFileName = standardSaveFileName();
    MessageBoxFn messageBox = criticalMessageBox();
    PrintPreviewFn printPreview = standardPrintPreview();
};

// The actions that take a tool window's contents out of the program: copy, save and print the
// picture of its client area ("Salin gambar", "Simpan gambar...", "Cetak..."), and in the Floyd
// window copy a listing as text and save what it lists as CSV. The actions sit in the context
// menu of the widget they are installed on; their shortcuts work anywhere in the window.
class ClassroomActions final : public QObject
{
    Q_OBJECT

public:
    // A listing of the Floyd window: its list, the column header above it and a title for
    // printing.
    struct Listing
    {
        QListWidget* list = nullptr;
        QLabel* header = nullptr;
        QString title;
    };

    // Installs the picture actions on @p window, in the context menu of @p menuTarget. Files are
    // proposed as @p fileStem with the format's suffix.
    ClassroomActions(QMdiSubWindow* window, QWidget* menuTarget, const QString& fileStem);

    // What a window's listings hold beyond the lines they show, worked out when the user asks:
    // the printed pages (none where there is nothing to print yet) and the CSV text.
    struct ListingContents
    {
        std::function<QList<PrintListing>()> pages;
        std::function<std::string()> csv;
    };

    // Adds "Salin teks" and "Simpan CSV..." to the context menu of each listing, and the pages
    // of @p contents as an option of "Cetak...". "Simpan CSV..." waits for setListingsReady().
    void addListings(const QList<Listing>& listings, ListingContents contents);

    // Adds "Simpan CSV..." to the context menu of @p menuTarget for a table the window makes
    // itself: @p table gives its text when the user saves. The action starts disabled; the window
    // enables it once there is a table.
    QAction* addTableCsv(QWidget* menuTarget, std::function<std::string()> table);

    // The listings hold a run: from now on there is a CSV to save.
    void setListingsReady();

    // Where the window's numbers come from. From then on every picture names the weights under
    // it, and the listings' text, CSV and printed pages name the weights of their run: text and
    // CSV are refused, with the advice to run again, where the boxes hold other weights, and
    // while an exercise keeps the result out of sight (its pages are then not offered either).
    void setWeightsSource(std::function<ShownWeights()> source) { m_weights = std::move(source); }
    // The caption the pictures carry now; empty without a source.
    QString pictureCaption() const;

    void setSeams(ClassroomSeams seams) { m_seams = std::move(seams); }

    QAction* copyPictureAction() const { return m_copyPicture; }
    QAction* savePictureAction() const { return m_savePicture; }
    QAction* printAction() const { return m_print; }
    QAction* saveCsvAction() const { return m_saveCsv; }

    void copyPicture();
    void savePicture();
    void print();
    void copyListing(int index);
    void saveCsv();
    // Asks where to save @p csv and writes it whole, or says why it could not.
    void saveCsvText(const std::string& csv);

    // A file a feature of the window writes (a listing, an exercise's summary): the dialog's
    // caption, the name proposed in the folder last chosen for any file of the program, the
    // filters (the first one's suffix goes to a name typed without any), the folder proposed
    // before the user has chosen one, and what the file is called where it cannot be written.
    // @p write gets the device and the suffix of the name chosen, in lower case.
    struct FileRequest
    {
        QString caption;
        QString proposedName;
        QString filters;
        QString what;
        QStandardPaths::StandardLocation firstFolder = QStandardPaths::PicturesLocation;
        std::function<bool(QIODevice& device, const QString& suffix)> write;
    };
    // Asks where to save @p request, remembers the folder and writes the file whole or not at
    // all, saying why where it could not. False where nothing was written.
    bool saveFile(const FileRequest& request);
    // The print preview of @p request, printed when the user confirms.
    void printPages(const PrintRequest& request);

private:
    QWidget* client() const;
    QAction* makeAction(const QString& objectName, const QString& text, const QKeySequence& keys,
                        void (ClassroomActions::*onTrigger)());
    QString
    askFileName(const QString& caption, const QString& proposedName, const QString& filters,
                QString* selectedFilter,
                QStandardPaths::StandardLocation firstFolder = QStandardPaths::PicturesLocation);
    bool save(const QString& fileName, const QString& what,
              const std::function<bool(QIODevice&)>& write);
    // False, after saying why, where the listings show a result of weights no longer in the
    // boxes, or would give an exercise's answers away.
    bool listingsMatchBoxes();

    QMdiSubWindow* m_window;
    QString m_fileStem;
    QAction* m_copyPicture = nullptr;
    QAction* m_savePicture = nullptr;
    QAction* m_print = nullptr;
    QAction* m_saveCsv = nullptr;
    QList<Listing> m_listings;
    ListingContents m_contents;
    ClassroomSeams m_seams;
    std::function<ShownWeights()> m_weights;
};

// Installs the classroom actions on @p window with their context menu on @p menuTarget.
ClassroomActions* installClassroomActions(QMdiSubWindow* window, QWidget* menuTarget,
                                          const QString& fileStem);

} // namespace trayeko::ui
