#include "ui/ownnetwork/ownnetworks.h"

#include "core/examplenetworks.h"
#include "ui/drawing/drawingwidget.h"
#include "ui/ownnetwork/ownnetworkwindow.h"
#include "ui/support/keyregistry.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>

namespace trayeko::ui {

namespace {

constexpr KeyRow kMenuKeys[] = {
    {{}, "Alt+J", "membuka menu Jaringan (jaringan sendiri: baru, buka, simpan, contoh)"},
    {Qt::CTRL | Qt::Key_N, nullptr, "Jaringan baru"},
    {Qt::CTRL | Qt::Key_O, nullptr, "Buka jaringan dari berkas"},
    {Qt::CTRL | Qt::Key_S, nullptr, "Simpan jaringan jendela aktif"},
};
const KeyListing kMenuListed(keyplace::kEveryWindow + 15, kEveryWindowSection, kMenuKeys);

} // namespace

OwnNetworks::OwnNetworks(QMdiArea* area, QMenuBar* menuBar, QObject* parent)
    : QObject(parent), m_area(area)
{
    setObjectName(QStringLiteral("ownNetworks"));
    m_menu = menuBar->addMenu(QStringLiteral("&Jaringan"));
    m_menu->setObjectName(QStringLiteral("mnujaringan"));
    const auto add = [this](const QString& objectName, const QString& text, QKeySequence keys,
                            auto onTrigger) {
        QAction* action = m_menu->addAction(text);
        action->setObjectName(objectName);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, onTrigger);
        return action;
    };
    add(QStringLiteral("mnujaringanbaru"), QStringLiteral("Jaringan &baru"),
        QKeySequence(kMenuKeys[1].key), [this] { newNetwork(); });
    add(QStringLiteral("mnubuka"), QStringLiteral("&Buka..."), QKeySequence(kMenuKeys[2].key),
        [this] { open(); });
    m_windowActions << add(QStringLiteral("mnusimpan"), QStringLiteral("&Simpan"),
                           QKeySequence(kMenuKeys[3].key), [this] { save(); });
    m_windowActions << add(QStringLiteral("mnusimpansebagai"), QStringLiteral("Simpan &sebagai..."),
                           {}, [this] { saveAs(); });
    m_menu->addSeparator();
    add(QStringLiteral("mnutempel"), QStringLiteral("&Tempel tabel"), {}, [this] { pasteTable(); });
    m_windowActions << add(QStringLiteral("mnueksporDot"), QStringLiteral("&Ekspor DOT..."), {},
                           [this] { exportDot(); });
    m_menu->addSeparator();
    QMenu* examples = m_menu->addMenu(QStringLiteral("&Contoh"));
    examples->setObjectName(QStringLiteral("mnucontoh"));
    const std::vector<ExampleNetwork> shipped = exampleNetworks();
    for (size_t i = 0; i < shipped.size(); ++i) {
        QAction* action = examples->addAction(QString::fromStdString(shipped[i].menuText));
        action->setObjectName(QStringLiteral("mnucontoh%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, i] { openExample(int(i)); });
    }
    connect(m_area, &QMdiArea::subWindowActivated, this, &OwnNetworks::updateActions);
    updateActions();
    m_lastFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QDir(m_lastFolder).exists())
        m_lastFolder = QDir::homePath();
}

void OwnNetworks::setSeams(OwnNetworkSeams seams)
{
    m_seams = std::move(seams);
    for (OwnNetworkWindow* window : windows())
        window->setSeams(m_seams);
}

void OwnNetworks::updateActions()
{
    const bool own = activeWindow() != nullptr;
    for (QAction* action : m_windowActions)
        action->setEnabled(own);
}

OwnNetworkWindow* OwnNetworks::activeWindow() const
{
    return qobject_cast<OwnNetworkWindow*>(m_area->activeSubWindow());
}

QList<OwnNetworkWindow*> OwnNetworks::windows() const
{
    QList<OwnNetworkWindow*> own;
    // A window closed is hidden until it is deleted: it shows no network any more.
    for (QMdiSubWindow* window : m_area->subWindowList())
        if (auto* network = qobject_cast<OwnNetworkWindow*>(window);
            network && !network->isHidden())
            own << network;
    return own;
}

void OwnNetworks::refuse(const QString& text)
{
    if (m_seams.messageBox)
        m_seams.messageBox(m_area->window(), QString::fromUtf8(kOwnNetworkTitle), text);
}

OwnNetworkWindow* OwnNetworks::addWindow()
{
    auto* window = new OwnNetworkWindow;
    window->setSeams(m_seams);
    window->setOpenElsewhere([this, window](const QString& path) {
        OwnNetworkWindow* shown = windowOf(path);
        return shown && shown != window;
    });
    m_area->addSubWindow(window);
    // Whole inside the area where it can be: a small screen or a large scale factor gets a
    // smaller window rather than one whose edge lies out of sight.
    const QSize room = m_area->viewport()->size();
    if (room.width() > 200 && room.height() > 200)
        window->resize(window->size().boundedTo(room));
    connect(window, &QObject::destroyed, this, &OwnNetworks::updateActions, Qt::QueuedConnection);
    emit windowAdded(window);
    return window;
}

OwnNetworkWindow* OwnNetworks::newNetwork()
{
    OwnNetworkWindow* window = addWindow();
    present(window);
    return window;
}

void OwnNetworks::present(OwnNetworkWindow* window)
{
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    m_area->setActiveSubWindow(window);
    // The keys of the drawing answer at once.
    window->drawing()->setFocus(Qt::OtherFocusReason);
}

void OwnNetworks::open()
{
    if (!m_seams.openFileName)
        return;
    const QString path =
        m_seams.openFileName(m_area->window(), QStringLiteral("Buka jaringan"), m_lastFolder,
                             QString::fromStdString(fileFilterText()));
    if (!path.isEmpty())
        openFile(path);
}

OwnNetworkWindow* OwnNetworks::windowOf(const QString& path) const
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return nullptr;
    for (OwnNetworkWindow* window : windows())
        if (!window->fileName().isEmpty() &&
            QFileInfo(window->fileName()).canonicalFilePath() == canonical)
            return window;
    return nullptr;
}

OwnNetworkWindow* OwnNetworks::openFile(const QString& path)
{
    const QFileInfo info(path);
    if (OwnNetworkWindow* shown = windowOf(path)) {
        present(shown);
        return shown;
    }
    NetworkFileRead read = readNetworkFile(path);
    if (!read.document) {
        refuse(read.error);
        return nullptr;
    }
    m_lastFolder = info.absolutePath();
    OwnNetworkWindow* window = addWindow();
    window->setDocument(*read.document, info.absoluteFilePath(), read.format);
    present(window);
    return window;
}

OwnNetworkWindow* OwnNetworks::openExample(int index)
{
    const std::vector<ExampleNetwork> shipped = exampleNetworks();
    if (index < 0 || size_t(index) >= shipped.size())
        return nullptr;
    OwnNetworkWindow* window = addWindow();
    window->setDocument(shipped[size_t(index)].document);
    present(window);
    return window;
}

OwnNetworkWindow* OwnNetworks::pasteTable()
{
    const QString text = QGuiApplication::clipboard()->text();
    if (text.trimmed().isEmpty()) {
        refuse(QStringLiteral("Papan klip tidak berisi tabel. Salin dulu matriks atau daftar "
                              "jalur dari lembar kerja."));
        return nullptr;
    }
    NetworkReadResult read = readPastedTable(text.toStdString(), networkDecimalSeparator());
    if (!read.document) {
        refuse(QStringLiteral("Tabel yang ditempel tidak dapat dibaca: %1")
                   .arg(QString::fromStdString(read.error)));
        return nullptr;
    }
    placeUnplacedNodes(read.document->network);
    OwnNetworkWindow* window = addWindow();
    window->setDocument(*read.document);
    window->markUnsaved();
    present(window);
    return window;
}

void OwnNetworks::save()
{
    if (OwnNetworkWindow* window = activeWindow())
        window->save();
}

void OwnNetworks::saveAs()
{
    if (OwnNetworkWindow* window = activeWindow())
        window->saveAs();
}

void OwnNetworks::exportDot()
{
    if (OwnNetworkWindow* window = activeWindow())
        window->exportDot();
}

bool OwnNetworks::closeAll()
{
    for (OwnNetworkWindow* window : windows()) {
        if (!window->isModified())
            continue;
        m_area->setActiveSubWindow(window);
        if (!window->confirmClose())
            return false;
    }
    return true;
}

} // namespace trayeko::ui
