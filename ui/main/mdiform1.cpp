#include "ui/main/mdiform1.h"

#include "ui/common/accessibility.h"
#include "ui/common/artwork.h"
#include "ui/common/twips.h"
#include "ui/compare/frmdata.h"
#include "ui/dijkstra/frmtrayeko.h"
#include "ui/floyd/frmfloid.h"

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

MDIForm1::MDIForm1(QWidget* parent) : MDIForm1(FrameSources{}, parent) {}

MDIForm1::MDIForm1(FrameSources sources, QWidget* parent)
    : QMainWindow(parent), sources_(std::move(sources))
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("MDIForm1"));
    setWindowIcon(programIcon());

    area_ = new QMdiArea(this);
    area_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(area_);

    mnufile = menuBar()->addMenu(QStringLiteral("&File"));
    mnufile->setObjectName(QStringLiteral("mnufile"));
    const auto addEntry = [this](const QString& objectName, const QString& caption,
                                 void (MDIForm1::*onClick)()) {
        QAction* entry = mnufile->addAction(caption);
        entry->setObjectName(objectName);
        connect(entry, &QAction::triggered, this, onClick);
        return entry;
    };
    mnudijktra = addEntry(QStringLiteral("mnudijktra"), QStringLiteral("Metode &Dijktra"),
                          &MDIForm1::showDijkstra);
    mnufloyd =
        addEntry(QStringLiteral("mnufloyd"), QStringLiteral("Metode &Floyd"), &MDIForm1::showFloyd);
    mnucompare =
        addEntry(QStringLiteral("mnucompare"), QStringLiteral("&Compare"), &MDIForm1::showCompare);
    mnukeluar =
        addEntry(QStringLiteral("mnukeluar"), QStringLiteral("&Keluar"), &MDIForm1::endProgram);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    QFont bold = StatusBar1->font();
    bold.setPixelSize(kPx825);
    bold.setBold(true);
    StatusBar1->setFont(bold);
    setStatusBar(StatusBar1);
    panel1_ = makePanel(StatusBar1, QStringLiteral("Panel1"), kPanelWidths[0]);
    panel2_ = makePanel(StatusBar1, QStringLiteral("Panel2"), kPanelWidths[1]);
    panel3_ = makePanel(StatusBar1, QStringLiteral("Panel3"), kPanelWidths[2]);
    panel4_ = makePanel(StatusBar1, QStringLiteral("Panel4"), kPanelWidths[3]);
    panel1_->setText(QStringLiteral("Status"));
    panel2_->setToolTip(QStringLiteral("Tanggal Sekarang"));
    panel3_->setToolTip(QStringLiteral("Jam Sekarang"));

    // Timer1 is re-armed at every tick for the next second boundary: the clock panel changes
    // once a second, so waking more often would cost processor time and show nothing new.
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer);
    connect(Timer1, &QTimer::timeout, this, &MDIForm1::tick);

    resize(px(kClientWidth),
           px(kClientHeight) + menuBar()->sizeHint().height() + StatusBar1->sizeHint().height());

    // The date is written once, at load; it is not rewritten, not even across midnight.
    panel2_->setText(dateText(sources_.now().date()) + QStringLiteral(" Indonesia"));

    setAccessibleTexts(this, kAccessibleTexts);

    showDijkstra();
    tick();
}

MDIForm1::~MDIForm1() = default;

int MDIForm1::msecsToNextTick(QTime now)
{
    return 1000 - now.msec() + kTickSlackMs;
}

QString MDIForm1::dateText(const QDate& date)
{
    // The year always has four digits, also where the regional short format has two.
    const QLocale locale;
    const QString format =
        rewriteUnquoted(locale.dateFormat(QLocale::ShortFormat), [](const QString& part) {
            return rewriteRuns(part, u'y', [](const QString&) { return QStringLiteral("yyyy"); });
        });
    return locale.toString(date, format);
}

QString MDIForm1::timeText(const QTime& time)
{
    const QLocale locale;
    return locale.toString(time, timeFormatWithSeconds(locale));
}

bool MDIForm1::event(QEvent* event)
{
    // Status tips would replace the panels with a temporary message; the panels always show.
    if (event->type() == QEvent::StatusTip)
        return true;
    return QMainWindow::event(event);
}

void MDIForm1::showDijkstra()
{
    showToolWindow(frmTrayeko_);
}

void MDIForm1::showFloyd()
{
    showToolWindow(frmFloid_);
}

void MDIForm1::showCompare()
{
    showToolWindow(frmData_);
}

template <class Window> void MDIForm1::showToolWindow(QPointer<Window>& slot)
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
        area_->addSubWindow(slot);
    }
    if (slot->isMinimized())
        slot->showNormal();
    else
        slot->show();
    area_->setActiveSubWindow(slot);
}

void MDIForm1::endProgram()
{
    // The whole program ends at once; the tool windows go with the frame.
    close();
    QCoreApplication::quit();
}

void MDIForm1::tick()
{
    const QDateTime now = sources_.now();
    panel3_->setText(timeText(now.time()) + QStringLiteral(" WIB"));
    const std::optional<bool> numLock = sources_.numLock ? sources_.numLock() : std::nullopt;
    panel4_->setText(numLock.value_or(false) ? QStringLiteral("NUM") : QString());
    Timer1->start(msecsToNextTick(now.time()));
}

} // namespace trayeko::ui
