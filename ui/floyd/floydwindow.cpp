#include "ui/floyd/floydwindow.h"
#include "ui/exercise/exercise.h"
#include "ui/floyd/floydlistings.h"

#include "core/clock.h"
#include "core/floyd.h"
#include "core/steps.h"
#include "ui/drawing/networkview.h"
#include "ui/export/classroomactions.h"
#include "ui/floyd/changedelegate.h"
#include "ui/floyd/floydsteps.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/accessibletexts.h"
#include "ui/support/fontsizes.h"
#include "ui/support/palette.h"
#include "ui/support/programfonts.h"
#include "ui/support/seams.h"
#include "ui/support/twips.h"
#include "ui/support/utf8.h"
#include "ui/widgets/progress.h"
#include "ui/widgets/textfit.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <utility>

namespace trayeko::ui {

namespace {

// The keys of the window, for the help.
constexpr KeyRow kKeys[] = {
    kRunButtonKeys,
    kCloseButtonKeys,
    {{},
     "Shift+Tab, lalu panah kiri / kanan",
     "ke baris tab, lalu berpindah antara tab Nilai dan Simpul"},
    {{}, "tombol Menu di daftar", "menu konteks: Salin teks, Simpan CSV..., Langkah demi langkah"},
    {StepMode::kStartKey, nullptr, "Langkah demi langkah: satu iterasi Floyd demi satu iterasi"},
};
const KeyListing kKeysListed(keyplace::kFloyd, "Jendela Floyd (\"Metode Floid\")", kKeys);

const QString kColumnNumbers = QStringLiteral("1     2     3     4     5     6     7");

// Where the header and the list of each tab sit, in twips relative to the tab control.
constexpr QRect kHeaderTwips{120, 480, 2655, 255};
constexpr QRect kListTwips{120, 720, 2655, 5715};

// The listing font shrinks no further than this, and its glyphs are narrowed no further than
// this percentage; below that a horizontal scroll bar is the more readable choice.
constexpr int kMinListingPixels = 8;
constexpr int kMinListingStretch = 70;

constexpr int kProgressMaximum = 1500;

// What a screen reader says for the controls. Labels that show a result keep their caption as
// their name, so the reader speaks the result itself.
constexpr AccessibleText kAccessibleTexts[] = {
    {"", nullptr, "Metode Floyd: matriks nilai dan matriks simpul setiap iterasi"},
    {"Image1", "Floid"},
    {"Command1", "Proses", "Mencari lintasan terpendek dengan metode Floyd"},
    {"Command2", "Keluar", "Menutup jendela ini"},
    {"lbljmljarak", nullptr, "Total jarak lintasan terpilih"},
    {"lblwaktu", nullptr, "Waktu pencarian"},
    {"proses1", "Kemajuan proses"},
    {"SSTab1", "Matriks Floyd"},
    {"Label28", nullptr, "Nomor kolom matriks nilai"},
    {"List1", "Matriks nilai setiap iterasi"},
    {"Label29", nullptr, "Nomor kolom matriks simpul"},
    {"List2", "Matriks simpul setiap iterasi"},
    {"h1", "Total lintasan langsung"},
    {"h2", "Total lintasan lewat simpul 4"},
};

QStringList toStringList(const std::vector<std::string>& lines)
{
    QStringList list;
    list.reserve(qsizetype(lines.size()));
    for (const std::string& line : lines)
        list.append(toQString(line));
    return list;
}

// Space left for an item's text: the viewport without the vertical scroll bar (the listing
// always needs one), less the margins the style keeps around an item's text.
int listingTextWidth(const QListWidget* list)
{
    const QStyle* style = list->style();
    const int textMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int scrollBar =
        style->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list->verticalScrollBar());
    return px(kListTwips.width()) - 2 * list->frameWidth() - scrollBar - 2 * textMargin;
}

// The columns of the listing are runs of spaces, so only a fixed-pitch font keeps them under the
// column numbers.
QFont listingBaseFont()
{
    return listingFont(kPx825);
}

// The pages start below the tab row and inside the pane's frame; the header and the list are
// placed as if measured from the tab control's corner.
QPoint pageOrigin(const QTabWidget* tabs)
{
    return {2, tabs->tabBar()->sizeHint().height()};
}

} // namespace

FloydWindow::FloydWindow(QWidget* parent)
    : NetworkWindow(floydDrawing(), QStringLiteral("FLOID"), 8295, {169, 24}, parent)
{
    setObjectName(QStringLiteral("frmFloid"));
    setWindowTitle(QStringLiteral("Metode Floid"));

    buildListingTabs();

    m_totalLabel = makeResultLabel(QStringLiteral("lbljmljarak"), {120, 6120, 1575, 255},
                                   QColor(128, 0, 0), Qt::white);
    m_elapsedLabel = makeResultLabel(QStringLiteral("lblwaktu"), {1680, 6120, 3495, 255},
                                     QColor(128, 0, 0), Qt::white);
    m_resultStrip.emplace(m_totalLabel, m_elapsedLabel, px(5760)); // up to Command1

    m_progressBar = new QProgressBar(client());
    m_progressBar->setObjectName(QStringLiteral("proses1"));
    m_progressBar->setGeometry(pxRect({120, 6480, 3255, 195}));
    // A bar without a percentage, which also spares a repaint for every percent of the run.
    m_progressBar->setTextVisible(false);

    m_runButton = makeRunButton({5760, 6240, 1215, 375});
    m_closeButton =
        makeButton(QStringLiteral("Command2"), QStringLiteral("&Keluar"), {7080, 6240, 1215, 375});
    connect(m_runButton, &QPushButton::clicked, this, &FloydWindow::runFloyd);
    connect(m_closeButton, &QPushButton::clicked, this, &FloydWindow::close);

    // The two route totals live in boxes beyond the right edge of the window, out of sight and
    // out of the Tab order; hidden, so that a screen reader does not report them as showing.
    for (int i = 0; i < 2; ++i) {
        auto* box = new QLineEdit(client());
        box->setObjectName(QStringLiteral("h%1").arg(i + 1));
        box->setGeometry(pxRect({14040, 720 + 240 * i, 375, 285}));
        box->setFocusPolicy(Qt::NoFocus);
        box->hide();
        m_totalBoxes[size_t(i)] = box;
    }

    openWindow();
    setAccessibleTexts(this, kAccessibleTexts);
    // The picture and listing entries come first in the context menus, step mode below them,
    // as in the Dijkstra window.
    m_classroom = installClassroomActions(this, network(), QStringLiteral("floyd"));
    const QList<ClassroomActions::Listing> listings{
        {m_valueList, m_valueHeader, QStringLiteral("Matriks Nilai")},
        {m_nodeList, m_nodeHeader, QStringLiteral("Matriks Simpul")}};
    m_classroom->addListings(listings,
                             floydListingContents(listings, [this] { return m_runWeights; }));
    m_classroom->setWeightsSource([this] {
        return ShownWeights{m_runWeights, network()->weights(), m_veil.isVeiled()};
    });
    m_steps = addFloydStepMode(this, m_valueList, m_nodeList, [this] { return m_runWeights; });
    // Floyd refuses no weights, so neither does its exercise.
    m_exercise = new FloydExercise(
        this, m_steps, m_classroom,
        [](const LessonNetwork& lesson) {
            return floydLesson(demoWeights(lesson.network), regionalDecimalSeparator()).frames;
        },
        [](const LessonNetwork&) { return true; });
    connect(m_exercise, &Exercise::entered, this, &FloydWindow::veilResults);
    connect(m_exercise, &Exercise::left, this, [this] { m_veil.lift(); });
}

void FloydWindow::veilResults()
{
    QList<QWidget*> results{m_valueList, m_nodeList, m_totalLabel, m_elapsedLabel};
    results.append(QList<QWidget*>(m_totalBoxes.begin(), m_totalBoxes.end()));
    m_veil.veil(results);
}

void FloydWindow::buildListingTabs()
{
    m_tabs = new QTabWidget(client());
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->setGeometry(pxRect({8400, 0, 2895, 6615}));

    auto* values = new QWidget;
    auto* nodes = new QWidget;
    m_tabs->addTab(values, QStringLiteral("Nilai"));
    m_tabs->addTab(nodes, QStringLiteral("Simpul"));

    m_valueHeader = makeColumnHeader(values, QStringLiteral("Label28"));
    m_valueList = makeListing(values, QStringLiteral("List1"));
    m_nodeHeader = makeColumnHeader(nodes, QStringLiteral("Label29"));
    m_nodeList = makeListing(nodes, QStringLiteral("List2"));
    // A listing scrolled sideways takes its column numbers along: the header reaches out to the
    // left by the scrolled distance and shows only its own place.
    for (const auto& [list, header] :
         {std::pair{m_valueList, m_valueHeader}, std::pair{m_nodeList, m_nodeHeader}})
        connect(list->horizontalScrollBar(), &QScrollBar::valueChanged, header,
                [header, place = header->geometry()](int offset) {
                    header->setGeometry(place.adjusted(-offset, 0, 0, 0));
                    if (offset > 0)
                        header->setMask(QRect(offset, 0, place.width(), place.height()));
                    else
                        header->clearMask();
                });

    // Until the first run the header is set in the font the default lesson's listing takes.
    const FloydListing sample = listFloydMatrices(defaultWeights());
    fitListingFont(toStringList(sample.valueLines) + toStringList(sample.nodeLines));
}

QLabel* FloydWindow::makeColumnHeader(QWidget* page, const QString& objectName)
{
    auto* label = new QLabel(kColumnNumbers, page);
    label->setObjectName(objectName);
    label->setGeometry(pxRect(kHeaderTwips).translated(-pageOrigin(m_tabs)));
    setPaletteColour(label, {QPalette::Window}, QColor(255, 128, 0), true);
    return label;
}

QListWidget* FloydWindow::makeListing(QWidget* page, const QString& objectName)
{
    auto* list = new QListWidget(page);
    list->setObjectName(objectName);
    list->setGeometry(pxRect(kListTwips).translated(-pageOrigin(m_tabs)));
    list->setSortingEnabled(false);
    // Every line is shown whole: a line too wide for the list scrolls it sideways.
    list->setTextElideMode(Qt::ElideNone);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new ChangeDelegate(list));
    setPaletteColour(list, {QPalette::Base}, QColor(255, 255, 192));
    return list;
}

// The largest listing font in which the widest line of this run fits the list, narrowed down to
// a still legible size and stretch; beyond that the list scrolls sideways.
void FloydWindow::fitListingFont(QStringList lines)
{
    lines.append(kColumnNumbers);
    const FittedFont fitted = fittedFont(listingBaseFont(), lines, listingTextWidth(m_valueList),
                                         {kMinListingPixels, kMinListingStretch});
    // Lines of one width let the list measure only its first one. When some line is too wide,
    // the list measures each for the reach of its scroll bar.
    for (QListWidget* list : {m_valueList, m_nodeList})
        list->setUniformItemSizes(fitted.fits);
    const QFont& font = fitted.font;
    if (font == m_valueList->font())
        return;
    // The header's first digit starts where an item's text starts, so its columns stand over
    // the listing's.
    const int textStart =
        m_valueList->frameWidth() +
        m_valueList->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_valueList) + 1;
    for (QListWidget* list : {m_valueList, m_nodeList})
        list->setFont(font);
    for (QLabel* label : {m_valueHeader, m_nodeHeader}) {
        label->setFont(font);
        label->setIndent(textStart);
    }
}

void FloydWindow::openWindow()
{
    setOuterSizeTwips(11520, 7140);
    m_progressBar->setVisible(false);
    m_tabs->setCurrentIndex(0);
    setDefaultButton(m_runButton);
    showDefaultNetwork();
}

void FloydWindow::runFloyd()
{
    // The run's results replace the ones an exercise keeps out of sight.
    if (m_exercise && m_exercise->isActive())
        m_exercise->leave();
    const ClockReading start = now();
    m_valueList->clear();
    m_nodeList->clear();

    // A fixed animation, no measure of the work; it plays before anything is computed.
    playProgress(m_progressBar, kProgressMaximum);

    const std::string separator = regionalDecimalSeparator();
    const LinkWeights weights = network()->weights();
    const FloydListing listing = listFloydMatrices(weights, separator);
    m_runWeights = weights;
    m_classroom->setListingsReady();
    const QStringList valueLines = toStringList(listing.valueLines);
    const QStringList nodeLines = toStringList(listing.nodeLines);
    fitListingFont(valueLines + nodeLines);
    m_valueList->addItems(valueLines);
    m_nodeList->addItems(nodeLines);
    for (QListWidget* list : {m_valueList, m_nodeList})
        quietBlankLines(list);
    markFloydChanges(m_valueList, m_nodeList, floydChanges(weights, separator), separator);
    showFloydResult(floydResult(weights, listing.final, separator));

    m_elapsedLabel->setText(toQString(elapsedText(start, now(), separator)));
    m_resultStrip->arrange();
    emit runFinished();
}

// The total is the listing's own final value from node 1 to node 7, and the highlighted route is
// the one the node matrix leads to, so the drawing never contradicts the "Nilai" tab. h1 and h2
// keep the totals of the direct link and of the route through node 4 for comparison.
void FloydWindow::showFloydResult(const FloydResult& result)
{
    m_totalBoxes[0]->setText(toQString(result.directTotal));
    m_totalBoxes[1]->setText(toQString(result.viaFourTotal));
    m_totalLabel->setText(toQString(result.caption));

    network()->highlightRoute(result.innerNodes, result.links);
}

} // namespace trayeko::ui
