#include "ui/compare/comparewindow.h"

#include "core/scenarios.h"
#include "ui/compare/scenarionetworkview.h"
#include "ui/export/classroomactions.h"
#include "ui/support/accessibletexts.h"
#include "ui/support/bgr.h"
#include "ui/support/contextmenu.h"
#include "ui/support/fontsizes.h"
#include "ui/support/keyregistry.h"
#include "ui/support/palette.h"
#include "ui/support/programfonts.h"
#include "ui/support/seams.h"
#include "ui/support/toolwindow.h"
#include "ui/support/twips.h"
#include "ui/support/utf8.h"
#include "ui/widgets/progress.h"
#include "ui/widgets/textfit.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <algorithm>

namespace trayeko::ui {

namespace {

const QColor kOrange = fromBgr(0x0080FF);
const QColor kPurple = fromBgr(0xC000C0);
const QColor kWhite = fromBgr(0xFFFFFF);
const QColor kBlue = fromBgr(0xFF0000);

// What a screen reader says for the controls; the captions keep their own texts as names.
constexpr AccessibleText kAccessibleTexts[] = {
    {"", nullptr, "Membandingkan metode Dijkstra dan Floyd pada jaringan 4 sampai 20 simpul"},
    {"Combo2", "Banyaknya simpul untuk Dijkstra dan Floyd"},
    {"Combo1", "Banyaknya simpul untuk Dijkstra saja"},
    {"txthasiltrayeko", "Hasil Dijkstra"},
    {"txthasilfloyd", "Hasil Floyd"},
    {"ProgressBar1", "Kemajuan Dijkstra"},
    {"ProgressBar2", "Kemajuan Floyd"},
    {"cmdKeluar", "Keluar", "Menutup jendela ini"},
};

// The keys of the window, for the help; the two actions beside the picture's are made from them.
constexpr KeyRow kNetworkKey{
    Qt::CTRL | Qt::Key_J, nullptr,
    "Lihat jaringan: jaringan hasil terakhir dengan lintasan yang dilaporkan"};
constexpr KeyRow kGrowthKey{Qt::CTRL | Qt::Key_G, nullptr,
                            "Grafik waktu...: waktu pencarian menurut banyaknya simpul"};
constexpr KeyRow kKeys[] = {
    {{}, "Panah atas / bawah", "memilih banyaknya simpul"},
    kCloseButtonKeys,
    kNetworkKey,
    kGrowthKey,
};
const KeyListing kKeysListed(keyplace::kCompare, "Jendela perbandingan (\"Compare Multinode\")",
                             kKeys);

// A size list that only a choice from the list or the arrow keys can change: typing a letter
// into a plain QComboBox jumps to the first matching item and reports it as activated, which
// would start a scenario.
class SizeCombo final : public QComboBox
{
public:
    using QComboBox::QComboBox;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const QString typed = event->text();
        if (!typed.isEmpty() && typed.at(0).isPrint() && event->key() != Qt::Key_Space) {
            event->accept();
            return;
        }
        QComboBox::keyPressEvent(event);
    }
};

void fitItems(QComboBox* combo)
{
    QStringList texts = {combo->placeholderText()};
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.rect = combo->rect();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    // The design's fonts are narrower than the sans-serif fonts found on Linux: an entry that
    // would overflow the field is condensed just enough to fit; its height stays.
    combo->setFont(narrowedToFit(combo->font(), texts, field.width() - 4));
}

void showReport(QPlainTextEdit* box, const std::string& report)
{
    // The reports break their lines with CR LF; the box wants one line break for the pair.
    QString text = toQString(report);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setPlainText(text);
}

// One blank icon for every opening: Qt's pixmap cache keeps copies keyed by pixmap, so a fresh
// pixmap per window would make it grow with each opening.
QIcon blankIcon()
{
    static QIcon icon;
    if (icon.isNull()) {
        QPixmap blank(16, 16);
        blank.fill(Qt::transparent);
        icon = QIcon(blank);
        qAddPostRoutine([] { icon = QIcon(); }); // no pixmap outlives the application
    }
    return icon;
}

} // namespace

class CompareWindow::Reports final : public ComparisonView
{
public:
    Reports(QProgressBar* dijkstraBar, QProgressBar* floydBar, QPlainTextEdit* dijkstraBox,
            QPlainTextEdit* floydBox)
        : m_dijkstraBar(dijkstraBar), m_floydBar(floydBar), m_dijkstraBox(dijkstraBox),
          m_floydBox(floydBox)
    {
    }

    void playDijkstraProgress(int updates) override { playProgress(m_dijkstraBar, updates); }
    void playFloydProgress(int updates) override { playProgress(m_floydBar, updates); }
    void setDijkstraReport(const std::string& text) override { showReport(m_dijkstraBox, text); }
    void setFloydReport(const std::string& text) override { showReport(m_floydBox, text); }

private:
    QProgressBar* m_dijkstraBar;
    QProgressBar* m_floydBar;
    QPlainTextEdit* m_dijkstraBox;
    QPlainTextEdit* m_floydBox;
};

CompareWindow::CompareWindow(QWidget* parent) : QMdiSubWindow(parent)
{
    setObjectName(QStringLiteral("frmData"));
    setWindowTitle(QStringLiteral("Compare Multinode"));
    makeToolWindow(this);
    // A fixed dialog border: title and close button only, no system-menu icon.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(blankIcon());

    buildControls();
    m_reports = std::make_unique<Reports>(m_dijkstraProgress, m_floydProgress, m_dijkstraReport,
                                          m_floydReport);

    // Load: both lists get the five sizes and both bars start hidden.
    for (const std::string_view item : scenarioItemTexts())
        m_dijkstraOnlySizeCombo->addItem(toQString(item));
    m_dijkstraProgress->setVisible(false);
    for (const std::string_view item : scenarioItemTexts())
        m_sizeCombo->addItem(toQString(item));
    m_floydProgress->setVisible(false);
    m_dijkstraOnlySizeCombo->setCurrentIndex(-1);
    m_sizeCombo->setCurrentIndex(-1);
    for (QComboBox* combo : {m_dijkstraOnlySizeCombo, m_sizeCombo})
        fitItems(combo);

    // QComboBox::activated also fires when the same item is chosen again, which reruns it.
    connect(m_dijkstraOnlySizeCombo, &QComboBox::activated, this, &CompareWindow::chooseDijkstra);
    connect(m_sizeCombo, &QComboBox::activated, this, &CompareWindow::chooseBoth);
    connect(m_closeButton, &QPushButton::clicked, this, &QWidget::close);
    setAccessibleTexts(this, kAccessibleTexts);
    installClassroomActions(this, m_client, QStringLiteral("perbandingan"));

    // Beside the picture actions: the network behind the report, and the chart of growth.
    const auto menuAction = [this](const char* name, const char* text, QKeySequence keys,
                                   void (CompareWindow::*onTrigger)()) {
        auto* action = new QAction(QString::fromUtf8(text), this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, onTrigger);
        // On the window too, so that the keys work wherever the focus is inside it.
        this->addAction(action);
        addMenuEntries(m_client, MenuSection::View, {action});
        return action;
    };
    m_showNetwork = menuAction("actLihatJaringan", "Lihat jaringan", QKeySequence(kNetworkKey.key),
                               &CompareWindow::showNetwork);
    m_showNetwork->setEnabled(false); // until a report names a route
    m_showGrowth = menuAction("actGrafikWaktu", "Grafik waktu...", QKeySequence(kGrowthKey.key),
                              &CompareWindow::showGrowthChart);

    fixOuterSize();
}

CompareWindow::~CompareWindow() = default;

void CompareWindow::buildControls()
{
    m_client = new QWidget;
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(px(4710), px(5190));
    setPaletteColour(m_client, {QPalette::Window}, kOrange, true);
    m_client->setFont(programFont(kPx825));
    setWidget(m_client);

    const auto frame = [](QWidget* parent, const char* name, QRect twipsRect) {
        auto* f = new QFrame(parent);
        f->setObjectName(QLatin1String(name));
        f->setFrameStyle(QFrame::Box | QFrame::Sunken);
        f->setGeometry(pxRect(twipsRect));
        setPaletteColour(f, {QPalette::Window}, kOrange, true);
        return f;
    };
    const auto label = [](QWidget* parent, const char* name, const char* text, QRect twipsRect,
                          const QColor& textColour, int pixelSize) {
        auto* l = new QLabel(QString::fromUtf8(text), parent);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(pxRect(twipsRect));
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setPaletteColour(l, {QPalette::Window}, kOrange, true);
        setPaletteColour(l, {QPalette::WindowText}, textColour);
        QFont f = l->font();
        f.setPixelSize(pixelSize);
        f.setBold(true);
        l->setFont(f);
        l->setFont(narrowedToFit(l->font(), {l->text()}, l->width()));
        return l;
    };
    const auto combo = [](QWidget* parent, const char* name, QRect twipsRect) {
        auto* c = new SizeCombo(parent);
        c->setObjectName(QLatin1String(name));
        c->setGeometry(pxRect(twipsRect));
        c->setPlaceholderText(QStringLiteral("Pilih Banyaknya Simpul"));
        // The initial text reads like an ordinary entry, not greyed out.
        setPaletteColour(c, {QPalette::PlaceholderText}, c->palette().color(QPalette::ButtonText));
        return c;
    };
    const auto reportBox = [](QWidget* parent, const char* name, QRect twipsRect) {
        auto* t = new QPlainTextEdit(parent);
        t->setObjectName(QLatin1String(name));
        t->setGeometry(pxRect(twipsRect));
        t->setReadOnly(true);
        t->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        t->setTabChangesFocus(true);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return t;
    };
    const auto bar = [](QWidget* parent, const char* name, QRect twipsRect) {
        auto* b = new QProgressBar(parent);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(pxRect(twipsRect));
        b->setTextVisible(false);
        return b;
    };

    m_mainFrame = frame(m_client, "Frame3", {120, 120, 4455, 4455});
    m_titleLabel = label(m_mainFrame, "Label2", "Dijkstra dan Floyd", {120, 120, 4215, 615},
                         m_client->palette().color(QPalette::WindowText), kPx24);
    m_sizeFrame = frame(m_mainFrame, "Frame2", {120, 720, 4215, 735});
    m_sizeCaption =
        label(m_sizeFrame, "Label4", "Banyaknya Simpul", {120, 240, 1575, 255}, kWhite, kPx825);
    m_sizeCombo = combo(m_sizeFrame, "Combo2", {1800, 240, 2175, 315});
    m_dijkstraCaption =
        label(m_mainFrame, "Label3", "Dijkstra", {120, 1560, 1455, 255}, kBlue, kPx825);
    m_dijkstraReport = reportBox(m_mainFrame, "txthasiltrayeko", {120, 1800, 4215, 975});
    // Lies across the middle of its report box while it plays.
    m_dijkstraProgress = bar(m_mainFrame, "ProgressBar1", {480, 2160, 3495, 255});
    m_floydCaption = label(m_mainFrame, "Label5", "Floyd", {120, 3000, 1455, 255}, kBlue, kPx825);
    m_floydReport = reportBox(m_mainFrame, "txthasilfloyd", {120, 3240, 4215, 975});
    m_floydProgress = bar(m_mainFrame, "ProgressBar2", {480, 3600, 3495, 255});

    m_closeButton = new QPushButton(QStringLiteral("&Keluar"), m_client);
    m_closeButton->setObjectName(QStringLiteral("cmdKeluar"));
    m_closeButton->setGeometry(pxRect({1680, 4680, 1455, 375}));
    setPaletteColour(m_closeButton, {QPalette::Button}, kPurple);

    // The second chooser sits beyond the right edge of the fixed client area: it cannot be seen,
    // only reached with Tab.
    m_dijkstraOnlyFrame = frame(m_client, "Frame1", {6120, 1200, 4215, 735});
    m_dijkstraOnlySizeCaption = label(m_dijkstraOnlyFrame, "Label1", "Banyaknya Simpul",
                                      {120, 240, 1575, 255}, kWhite, kPx825);
    m_dijkstraOnlySizeCombo = combo(m_dijkstraOnlyFrame, "Combo1", {1800, 240, 2175, 315});

    QWidget::setTabOrder(m_dijkstraReport, m_closeButton);
    QWidget::setTabOrder(m_closeButton, m_dijkstraOnlySizeCombo);
    QWidget::setTabOrder(m_dijkstraOnlySizeCombo, m_sizeCombo);
    QWidget::setTabOrder(m_sizeCombo, m_floydReport);
    m_dijkstraReport->setFocus();
}

// The client area keeps its designed size; the frame around it depends on the style and on
// whether the window already sits in an MDI area, so the outer size follows both.
void CompareWindow::fixOuterSize()
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setFixedSize(minimumSizeHint());
}

void CompareWindow::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::ParentChange)
        fixOuterSize();
}

void CompareWindow::chooseDijkstra(int index)
{
    if (index < 0 || index >= kScenarioCount)
        return;
    m_dijkstraReport->clear();
    reported(index, runDijkstraScenario(index, *m_reports, m_clock, regionalDecimalSeparator()));
}

void CompareWindow::chooseBoth(int index)
{
    if (index < 0 || index >= kScenarioCount)
        return;
    m_dijkstraReport->clear();
    m_floydReport->clear();
    reported(index, runFloydScenario(index, *m_reports, m_clock, regionalDecimalSeparator()));
}

void CompareWindow::reported(int index, std::vector<int> route)
{
    m_reportedIndex = index;
    m_reportedRoute = std::move(route);
    m_showNetwork->setEnabled(true);
}

void CompareWindow::addToSubwindows(QMdiSubWindow* window, bool fit)
{
    // Beside this window in the main window's area; a comparison window on its own (in tests)
    // shows the others as windows of their own.
    QMdiArea* area = mdiArea();
    if (area && window->mdiArea() != area)
        area->addSubWindow(window);
    if (fit) {
        // As large as the picture wants, but never larger than the area it opens in.
        QSize size = window->sizeHint();
        if (area)
            size = size.boundedTo(area->viewport()->size());
        window->resize(size);
    }
    window->show();
    if (area && fit) {
        const QSize room = area->viewport()->size() - window->size();
        window->move(std::clamp(window->x(), 0, std::max(room.width(), 0)),
                     std::clamp(window->y(), 0, std::max(room.height(), 0)));
    }
    if (area)
        area->setActiveSubWindow(window);
}

void CompareWindow::showNetwork()
{
    if (m_reportedIndex < 0)
        return;
    if (!m_networkWindow)
        m_networkWindow = new ScenarioNetworkWindow;
    const Network& network = scenarioNetwork(m_reportedIndex);
    const QString before = m_networkWindow->windowTitle();
    m_networkWindow->setNetwork(network, m_reportedRoute,
                                dijkstra(Digraph(network), 1).distance.back());
    // A network of another size gets the window's size for it.
    addToSubwindows(m_networkWindow, m_networkWindow->windowTitle() != before);
}

void CompareWindow::showGrowthChart()
{
    const bool opening = !m_growthWindow;
    if (opening)
        m_growthWindow = new GrowthChartWindow(m_growthSeams);
    addToSubwindows(m_growthWindow, opening);
}

} // namespace trayeko::ui
