#pragma once

#include "core/networkfile.h"
#include "ui/export/classroomactions.h"
#include "ui/support/seams.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace trayeko::ui {

// Asks for the name of a file to open, like QFileDialog::getOpenFileName; empty: cancelled.
using OpenFileNameFn = std::function<QString(QWidget* parent, const QString& caption,
                                             const QString& folder, const QString& filters)>;
OpenFileNameFn standardOpenFileName();

// What to do with unsaved changes of a network about to be closed.
enum class SaveAnswer
{
    Save,
    Discard,
    Cancel,
};
// Asks with the buttons "Simpan", "Jangan simpan" and "Batal".
using AskSaveFn =
    std::function<SaveAnswer(QWidget* parent, const QString& title, const QString& text)>;
AskSaveFn standardAskSave();

// Everything the own-network windows ask the user or the desktop; tests answer without dialogs.
struct OwnNetworkSeams
{
    OpenFileNameFn openFileName = standardOpenFileName();
    SaveFileNameFn saveFileName = standardSaveFileName();
    MessageBoxFn messageBox = criticalMessageBox();
    AskSaveFn askSave = standardAskSave();
    // What the drawing's editor asks: a node's name, the end of a link typed by its number.
    TextInputFn textInput = standardTextInput();
    // The date and time a summary is made, for its heading (the exercises' and the building
    // exercise's).
    std::function<QDateTime()> dateTime = &QDateTime::currentDateTime;
};

// The title of the windows and of their messages.
inline constexpr char kOwnNetworkTitle[] = "Jaringan Sendiri";

// A network file read whole: the document and its format, or the Indonesian reason it was
// refused, naming the file ("Berkas \"x.graphml\" tidak dapat dibuka: ...").
struct NetworkFileRead
{
    std::optional<NetworkDocument> document;
    NetworkFormat format = NetworkFormat::Json;
    QString error;
};
NetworkFileRead readNetworkFile(const QString& path);

// Writes @p document to @p path in @p format whole or not at all; empty on success, the reason
// (naming the file) otherwise.
QString writeNetworkFile(const QString& path, const NetworkDocument& document,
                         NetworkFormat format);

// A network whose nodes all stand on one place (a file or a table that gives no places) gets
// its nodes on a circle, node 1 on the left and the others clockwise, so that none hides another;
// a network with places keeps them. True where it placed the nodes.
bool placeUnplacedNodes(Network& network);

// The decimal separator the readers and writers take: the regional one where it is one character.
char networkDecimalSeparator();

// Files larger than this are no network a window can teach; they are refused unread.
inline constexpr qint64 kMaxNetworkFileBytes = 16 * 1024 * 1024;

} // namespace trayeko::ui
