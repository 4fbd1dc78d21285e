#include "ui/main/mainwindow.h"

#include "ui/common/accessibility.h"
#include "ui/common/artwork.h"
#include "ui/common/twips.h"
#include "ui/compare/comparewindow.h"
#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/floyd/floydwindow.h"
#include "ui/help/helpwindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <array>

namespace trayeko::ui {

namespace {

// Design size of the client area, used when the user restores the frame from maximized.
constexpr int kClientWidth = 9795;
constexpr int kClientHeight = 6435;

// Status panel widths in twips, left to right.
constexpr std::array<int, 4> kPanelWidths{5440, 2445, 2445, 1440};

// What a screen reader says for the frame's parts; the panels keep their texts as names, and the
// date and clock panels their tool tips as descriptions.
constexpr AccessibleText kAccessibleTexts[] = {
    {"", "Trayeko", "Jendela utama; menu File (Alt+F) membuka metode Dijkstra, Floyd dan Compare"},
    {"mdiArea", "Area jendela metode"},
    {"StatusBar1", "Baris status"},
    {"Panel4", nullptr, "Indikator Num Lock"},
};

// The clock wakes this long after each second boundary, so that the small drift between the
// timer's steady clock and the wall clock never makes it show the old second once more.
constexpr int kTickSlackMs = 2;

// Rewrites the unquoted parts of a Qt date or time format with @p rewrite; quoted literal text
// ('h', 'г'.) stays as it is.
template <class Rewrite> QString rewriteUnquoted(const QString& format, Rewrite rewrite)
{
    QString out;
    QString plain;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') {
            if (!quoted) {
                out += rewrite(plain);
                plain.clear();
            }
            quoted = !quoted;
            out += c;
        } else if (quoted) {
            out += c;
        } else {
            plain += c;
        }
    }
    out += rewrite(plain);
    return out;
}

bool hasUnquoted(const QString& format, QChar field)
{
    bool found = false;
    rewriteUnquoted(format, [&](const QString& part) {
        found = found || part.contains(field);
        return part;
    });
    return found;
}

// Puts @p rewrite(run) in the place of every run of the letter @p field in @p part. Plain string
// work: a regular expression engine here would be loaded and run only for these few letters.
template <class Rewrite> QString rewriteRuns(const QString& part, QChar field, Rewrite rewrite)
{
    QString out;
    for (qsizetype i = 0; i < part.size();) {
        qsizetype end = i;
        while (end < part.size() && part[end] == field)
            ++end;
        if (end > i) {
            out += rewrite(part.mid(i, end - i));
            i = end;
        } else {
            out += part[i++];
        }
    }
    return out;
}

// Every run of two or more blanks becomes one space.
QString collapseBlanks(const QString& part)
{
    QString out;
    for (qsizetype i = 0; i < part.size();) {
        qsizetype end = i;
        while (end < part.size() && part[end].isSpace())
            ++end;
        if (end - i >= 2) {
            out += u' ';
            i = end;
        } else {
            out += part[i++];
        }
    }
    return out;
}

// The regional time format with seconds and without the time zone (the panel adds " WIB").
QString timeFormatWithSeconds(const QLocale& locale)
{
    QString format = rewriteUnquoted(locale.timeFormat(QLocale::LongFormat), [](QString part) {
                         part.remove(u't').remove(QStringLiteral("()"));
                         return collapseBlanks(part);
                     }).trimmed();
    if (hasUnquoted(format, u's'))
        return format;

    return rewriteUnquoted(locale.timeFormat(QLocale::ShortFormat), [](const QString& part) {
        return rewriteRuns(part, u'm',
                           [](const QString& run) { return run + QStringLiteral(":ss"); });
    });
}

QLabel* makePanel(QStatusBar* bar, const QString& objectName, int widthTwips)
{
    auto* panel = new QLabel(bar);
    panel->setObjectName(objectName);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setIndent(3);
    panel->setFixedWidth(px(widthTwips));
    bar->addWidget(panel);
    return panel;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : MainWindow(FrameSources{}, parent) {}

MainWindow::MainWindow(FrameSources sources, QWidget* parent)
    : QMainWindow(parent), m_sources(std::move(sources))
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("MDIForm1"));
    setWindowIcon(programIcon());

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(m_mdiArea);

    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("mnufile"));
    const auto addEntry = [this](const QString& objectName, const QString& caption,
                                 void (MainWindow::*onClick)()) {
        QAction* entry = m_fileMenu->addAction(caption);
        entry->setObjectName(objectName);
        connect(entry, &QAction::triggered, this, onClick);
        return entry;
    };
    m_dijkstraAction = addEntry(QStringLiteral("mnudijktra"), QStringLiteral("Metode &Dijktra"),
                                &MainWindow::showDijkstra);
    m_floydAction = addEntry(QStringLiteral("mnufloyd"), QStringLiteral("Metode &Floyd"),
                             &MainWindow::showFloyd);
    m_compareAction = addEntry(QStringLiteral("mnucompare"), QStringLiteral("&Compare"),
                               &MainWindow::showCompare);
    m_quitAction =
        addEntry(QStringLiteral("mnukeluar"), QStringLiteral("&Keluar"), &MainWindow::endProgram);

    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    QFont bold = m_statusBar->font();
    bold.setPixelSize(kPx825);
    bold.setBold(true);
    m_statusBar->setFont(bold);
    setStatusBar(m_statusBar);
    m_statusPanel = makePanel(m_statusBar, QStringLiteral("Panel1"), kPanelWidths[0]);
    m_datePanel = makePanel(m_statusBar, QStringLiteral("Panel2"), kPanelWidths[1]);
    m_timePanel = makePanel(m_statusBar, QStringLiteral("Panel3"), kPanelWidths[2]);
    m_numLockPanel = makePanel(m_statusBar, QStringLiteral("Panel4"), kPanelWidths[3]);
    m_statusPanel->setText(QStringLiteral("Status"));
    m_datePanel->setToolTip(QStringLiteral("Tanggal Sekarang"));
    m_timePanel->setToolTip(QStringLiteral("Jam Sekarang"));

    // m_clockTimer is re-armed at every tick for the next second boundary: the clock panel changes
    // once a second, so waking more often would cost processor time and show nothing new.
    m_clockTimer = new QTimer(this);
    m_clockTimer->setObjectName(QStringLiteral("Timer1"));
    m_clockTimer->setSingleShot(true);
    m_clockTimer->setTimerType(Qt::PreciseTimer);
    connect(m_clockTimer, &QTimer::timeout, this, &MainWindow::tick);

    resize(px(kClientWidth),
           px(kClientHeight) + menuBar()->sizeHint().height() + m_statusBar->sizeHint().height());

    // The date is written once, at load; it is not rewritten, not even across midnight.
    m_datePanel->setText(dateText(m_sources.now().date()) + QStringLiteral(" Indonesia"));

    setAccessibleTexts(this, kAccessibleTexts);
    installHelpAction(this);

    showDijkstra();
    tick();
}

MainWindow::~MainWindow() = default;

int MainWindow::msecsToNextTick(QTime now)
{
    return 1000 - now.msec() + kTickSlackMs;
}

QString MainWindow::dateText(const QDate& date)
{
    // The year always has four digits, also where the regional short format has two.
    const QLocale locale;
    const QString format =
        rewriteUnquoted(locale.dateFormat(QLocale::ShortFormat), [](const QString& part) {
            return rewriteRuns(part, u'y', [](const QString&) { return QStringLiteral("yyyy"); });
        });
    return locale.toString(date, format);
}

QString MainWindow::timeText(const QTime& time)
{
    const QLocale locale;
    return locale.toString(time, timeFormatWithSeconds(locale));
}

bool MainWindow::event(QEvent* event)
{
    // Status tips would replace the panels with a temporary message; the panels always show.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void MainWindow::showDijkstra()
{
    showToolWindow(m_dijkstraWindow);
}

void MainWindow::showFloyd()
{
    showToolWindow(m_floydWindow);
}

void MainWindow::showCompare()
{
    showToolWindow(m_compareWindow);
}

template <class Window> void MainWindow::showToolWindow(QPointer<Window>& slot)
{
    // A hidden instance has been closed and is on its way out; the menu loads a fresh one, also
    // when the old one has not been deleted yet.
    if (slot && slot->isHidden()) {
        slot->deleteLater();
        slot.clear();
    }
    if (!slot) {
        slot = new Window(nullptr);
        // Closing unloads: the window discards everything it shows.
        slot->setAttribute(Qt::WA_DeleteOnClose);
        m_mdiArea->addSubWindow(slot);
    }
    if (slot->isMinimized())
        slot->showNormal();
    else
        slot->show();
    m_mdiArea->setActiveSubWindow(slot);
}

void MainWindow::endProgram()
{
    // The whole program ends at once; the tool windows go with the frame.
    close();
    QCoreApplication::quit();
}

void MainWindow::tick()
{
    const QDateTime now = m_sources.now();
    m_timePanel->setText(timeText(now.time()) + QStringLiteral(" WIB"));
    const std::optional<bool> numLock = m_sources.numLock ? m_sources.numLock() : std::nullopt;
    m_numLockPanel->setText(numLock.value_or(false) ? QStringLiteral("NUM") : QString());
    m_clockTimer->start(msecsToNextTick(now.time()));
}

} // namespace trayeko::ui
