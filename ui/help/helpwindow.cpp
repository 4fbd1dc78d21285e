#include "ui/help/helpwindow.h"
#include "ui/support/keyregistry.h"
#include "ui/support/toolwindow.h"

#include <QAction>
#include <QFocusEvent>
#include <QFile>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtGlobal>

// The guides are compiled into this static library; nothing else refers to them, so they are
// registered by hand before the first use.
static void loadGuides()
{
    Q_INIT_RESOURCE(help);
}

namespace trayeko::ui {

namespace {

const QString kGuideId = QStringLiteral(":/help/usage-id.md");
const QString kGuideEn = QStringLiteral(":/help/usage-en.md");

QString resourceText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// F1 opens help from anywhere; Esc closes it. Every other row of the key table comes from the
// part that answers the key (ui/support/keyregistry.h).
constexpr KeyRow kOpenKey{Qt::Key_F1, nullptr, "membuka jendela Bantuan ini"};
constexpr KeyRow kCloseKey{Qt::Key_Escape, nullptr, "menutup jendela Bantuan"};
const KeyListing kOpenListed(keyplace::kEveryWindow, kEveryWindowSection, {&kOpenKey, 1});
const KeyListing kCloseListed(keyplace::kEveryWindow + 40, kEveryWindowSection, {&kCloseKey, 1});
// Both guides from the keyboard: Tab reaches the links above the guide.
constexpr KeyRow kGuideLinkKey{{},
                               "Tab / Shift+Tab ke tautan bahasa di Bantuan, lalu Enter",
                               "membuka panduan berbahasa Indonesia atau Inggris"};
const KeyListing kGuideLinkListed(keyplace::kEveryWindow + 41, kEveryWindowSection,
                                  {&kGuideLinkKey, 1});

QString aboutText()
{
    return QStringLiteral(
               "# Tentang Trayeko\n\n"
               "Trayeko %1 \u2014 belajar mencari jalur terpendek dengan metode Dijkstra dan "
               "Floyd.\n\n"
               "Lisensi: MIT. Hak cipta \u00a9 2026 Trayeko developers.\n\n"
               "Dibangun dengan Qt %2, berjalan dengan Qt %3.\n")
        .arg(QStringLiteral(TRAYEKO_VERSION), QStringLiteral(QT_VERSION_STR),
             QString::fromLatin1(qVersion()));
}

// A line of links that Tab enters at its first link and Shift+Tab at its last, as in a browser;
// a plain label takes the focus itself first, and only the next Tab reaches a link.
class LinkLine final : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void focusInEvent(QFocusEvent* event) override
    {
        QLabel::focusInEvent(event);
        if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
            focusNextPrevChild(event->reason() == Qt::TabFocusReason);
    }
};

QTextBrowser* makeBrowser(const QString& objectName, const QString& accessibleName)
{
    auto* browser = new QTextBrowser;
    browser->setObjectName(objectName);
    browser->setAccessibleName(accessibleName);
    browser->setOpenExternalLinks(true);
    return browser;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent)
{
    loadGuides();
    setObjectName(QStringLiteral("frmBantuan"));
    setWindowTitle(QStringLiteral("Bantuan Trayeko"));
    makeToolWindow(this);
    // At a large scale factor 720 × 600 can be more than the screen holds.
    QSize size(720, 600);
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);

    auto* client = new QWidget;
    m_tabs = new QTabWidget(client);
    m_tabs->setObjectName(QStringLiteral("tabBantuan"));

    auto* guidePage = new QWidget;
    m_languageLinks = new LinkLine;
    m_languageLinks->setObjectName(QStringLiteral("lblBahasa"));
    m_languageLinks->setText(
        QStringLiteral("<a href=\"id\">Bahasa Indonesia</a> | <a href=\"en\">English guide</a>"));
    // Tab reaches the links, one after the other, and Enter follows the one with the focus.
    m_languageLinks->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                             Qt::LinksAccessibleByKeyboard);
    m_languageLinks->setAccessibleName(QStringLiteral("Bahasa panduan"));
    m_languageLinks->setAccessibleDescription(
        QStringLiteral("Tautan ke panduan berbahasa Indonesia dan berbahasa Inggris"));
    connect(m_languageLinks, &QLabel::linkActivated, this,
            [this](const QString& link) { showGuide(link == u"en"); });
    m_guide = makeBrowser(QStringLiteral("txtPanduan"), QStringLiteral("Isi panduan"));
    // The guides' pictures are built in beside them.
    m_guide->setSearchPaths({QStringLiteral(":/help")});
    auto* guideLayout = new QVBoxLayout(guidePage);
    guideLayout->addWidget(m_languageLinks);
    guideLayout->addWidget(m_guide);
    m_tabs->addTab(guidePage, QStringLiteral("&Panduan"));

    m_keys = makeBrowser(QStringLiteral("txtTombol"), QStringLiteral("Tombol setiap jendela"));
    m_keys->setMarkdown(keyTableMarkdown());
    m_tabs->addTab(m_keys, QStringLiteral("&Tombol"));

    m_about = makeBrowser(QStringLiteral("txtTentang"), QStringLiteral("Tentang Trayeko"));
    m_about->setMarkdown(aboutText());
    m_tabs->addTab(m_about, QStringLiteral("T&entang Trayeko"));

    auto* layout = new QVBoxLayout(client);
    layout->addWidget(m_tabs);
    setCentralWidget(client);

    auto* close = new QShortcut(QKeySequence(kCloseKey.key), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    showGuide(false);
}

void HelpWindow::showGuide(bool english)
{
    m_guide->setMarkdown(resourceText(english ? kGuideEn : kGuideId));
    // The screenshots are as wide as a screen; in the help they take the window's width at most,
    // keeping their proportions, so the guide reads without scrolling sideways.
    constexpr int kPictureWidth = 560;
    for (QTextBlock block = m_guide->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat picture = fragment.charFormat().toImageFormat();
            picture.setWidth(kPictureWidth);
            QTextCursor cursor(m_guide->document());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
        }
    }
}

HelpWindow* showHelp(QWidget* from)
{
    static QPointer<HelpWindow> window;
    if (!window)
        window = new HelpWindow(from ? from->window() : nullptr);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QAction* installHelpAction(QWidget* window)
{
    auto* action = new QAction(QStringLiteral("Bantuan"), window);
    action->setObjectName(QStringLiteral("actBantuan"));
    action->setShortcut(QKeySequence(kOpenKey.key));
    action->setShortcutContext(Qt::ApplicationShortcut);
    QObject::connect(action, &QAction::triggered, window, [window] { showHelp(window); });
    window->addAction(action);
    return action;
}

} // namespace trayeko::ui
