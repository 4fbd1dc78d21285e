#include "ui/dijkstra/dijkstrawindow.h"

#include "core/clock.h"
#include "core/numbertext.h"
#include "core/shortestpath.h"
#include "ui/dijkstra/detailpanel.h"
#include "ui/dijkstra/dijkstralook.h"
#include "ui/dijkstra/dijkstrasteps.h"
#include "ui/drawing/networkview.h"
#include "ui/exercise/exercise.h"
#include "ui/export/classroomactions.h"
#include "ui/export/pictureexport.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/accessibletexts.h"
#include "ui/support/fontsizes.h"
#include "ui/support/palette.h"
#include "ui/support/twips.h"
#include "ui/support/utf8.h"
#include "ui/widgets/progress.h"
#include "ui/widgets/textfit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace trayeko::ui {

namespace {

// The window as designed (client area); it opens centred for this size and then shrinks, so it
// stands left of the centre.
constexpr int kDesignedClientWidth = 11610;
constexpr int kDesignedClientHeight = 6810;
constexpr int kOpenHeight = 7200;

// The route's weights on the drawing keep clear of the legend at its top right.
constexpr int kRouteWeightsLeft = 120;
constexpr int kLegendLeft = 7200;

// The progress animation after a run: a fixed show, no measure of the work.
constexpr int kProgressSteps = 1000;

// What a screen reader says for the controls; the detail panel names its own. Labels that show a
// result keep their caption as their name, so the reader speaks the result itself.
constexpr AccessibleText kAccessibleTexts[] = {
    {"", nullptr, "Metode Dijkstra: mencari lintasan terpendek dari simpul 1 ke simpul 7"},
    {"lbltabel", nullptr, "Ctrl+D membuka atau menutup tampilan detail"},
    {"Image1", "Trayeko"},
    {"Command1", "Proses", "Mencari lintasan terpendek dengan metode Dijkstra"},
    {"Command2", "Keluar", "Menutup jendela ini"},
    {"lbljalur", nullptr, "Bobot lintasan terpilih"},
    {"lbljmljarak", nullptr, "Total jarak lintasan terpilih"},
    {"lblwaktu", nullptr, "Waktu pencarian"},
    {"proses1", "Kemajuan proses"},
};

// The keys of the window, for the help. The detail toggle answers the mouse only; from the
// keyboard Ctrl+D does the same and leaves the label's look alone.
constexpr KeyRow kKeys[] = {
    kRunButtonKeys,
    kCloseButtonKeys,
    kDetailPanelKey,
    {{}, "Tab / Shift+Tab", "berpindah di antara tombol dan kotak bobot"},
    {StepMode::kStartKey, nullptr,
     "Langkah demi langkah: metode Dijkstra satu langkah demi satu langkah"},
    {{}, "Panah atas / bawah di tabel detail", "menggambar lintasan baris itu di jaringan"},
};
const KeyListing kKeysListed(keyplace::kDijkstra, "Jendela Dijkstra (\"Trayeko 2003\")", kKeys);

const QColor kTotalBack(192, 0, 0);
const QColor kTotalInitial(255, 255, 128);
const QColor kBlinkOn(255, 255, 0);

QString qs(const std::string& s)
{
    return toQString(s);
}

} // namespace

DijkstraWindow::DijkstraWindow(QWidget* parent, PanelBuild panel)
    : NetworkWindow(dijkstraDrawing(), QStringLiteral("TRAYEKO"), 11655, {161, 22}, parent)
{
    setObjectName(QStringLiteral("frmTrayeko"));
    setWindowTitle(QStringLiteral("Trayeko 2003"));

    buildControls();
    QWidget* lastWeightBox = arrangeTabOrder();
    open();
    auto* classroom = installClassroomActions(this, network(), QStringLiteral("dijkstra"));
    classroom->setWeightsSource([this] {
        return ShownWeights{m_runWeights, network()->weights(), m_veil.isVeiled()};
    });

    // Step mode (F10) and the detail table's route preview; the message box is looked up when
    // used, so a replaced one answers the refusals too. The keys belong to the whole subwindow,
    // which keeps the focus itself when the frame comes back from a dialog.
    m_steps = addDijkstraStepMode(
        this, [this](QWidget* p, const QString& t, const QString& x) { m_messageBox(p, t, x); });
    m_steps->setCsvSaver([classroom](const std::string& csv) { classroom->saveCsvText(csv); });
    m_detail = new DetailPanel(this, client(), picture(), lastWeightBox, m_steps);
    if (panel == PanelBuild::withWindow)
        m_detail->build();
    else
        m_detail->buildAfterFirstPaint();
    setAccessibleTexts(this, kAccessibleTexts);
    m_exercise = addDijkstraExercise(
        this, m_steps, classroom,
        [this](QWidget* p, const QString& t, const QString& x) { m_messageBox(p, t, x); });
    connect(m_exercise, &Exercise::entered, this, &DijkstraWindow::veilResults);
    connect(m_exercise, &Exercise::left, this, &DijkstraWindow::liftResults);
}

void DijkstraWindow::veilResults()
{
    if (m_veil.isVeiled())
        return; // a new exercise in place of the last: the results are already out of sight
    m_blinkingVeiled = m_blinkTimer->isActive();
    m_blinkTimer->stop();
    m_veil.veil({m_totalLabel, m_elapsedLabel});
    m_veil.veil({m_routeWeightsLabel}, true);
    m_veil.veil(m_detail->results());
}

void DijkstraWindow::liftResults()
{
    if (!m_veil.isVeiled())
        return;
    m_veil.lift();
    if (std::exchange(m_blinkingVeiled, false))
        m_blinkTimer->start();
}

void DijkstraWindow::buildControls()
{
    QWidget* area = client();

    m_routeWeightsLabel = new QLabel(network());
    m_routeWeightsLabel->setObjectName(QStringLiteral("lbljalur"));
    m_routeWeightsLabel->setFont(boldFont(m_routeWeightsLabel->font(), kPx975));
    setForeColor(m_routeWeightsLabel, Qt::white);
    setBackColor(m_routeWeightsLabel, kDijkstraDarkRed);
    m_routeWeightsLabel->move(px(120), px(360));
    m_routeWeightsLabel->hide();

    m_totalLabel = makeResultLabel(QStringLiteral("lbljmljarak"), QRect(120, 6240, 1695, 255),
                                   kTotalBack, kTotalInitial);
    m_elapsedLabel = makeResultLabel(QStringLiteral("lblwaktu"), QRect(1800, 6240, 3735, 255),
                                     kTotalBack, Qt::white);
    m_resultStrip.emplace(m_totalLabel, m_elapsedLabel, px(6480)); // up to Command1

    m_progressBar = new QProgressBar(area);
    m_progressBar->setObjectName(QStringLiteral("proses1"));
    m_progressBar->setGeometry(pxRect({120, 6570, 3255, 200}));
    // Without a percentage text the bar repaints only when its filled part grows visibly, which
    // keeps the 1001 updates of a run cheap.
    m_progressBar->setTextVisible(false);

    m_runButton = makeRunButton(QRect(6480, 6360, 1215, 375));
    m_closeButton = makeButton(QStringLiteral("Command2"), QStringLiteral("&Keluar"),
                               QRect(7800, 6360, 1215, 375));
    connect(m_runButton, &QPushButton::clicked, this, &DijkstraWindow::runDijkstra);
    connect(m_closeButton, &QPushButton::clicked, this, &DijkstraWindow::close);

    m_blinkTimer = new QTimer(this);
    m_blinkTimer->setObjectName(QStringLiteral("Timer1"));
    m_blinkTimer->setInterval(500);
    connect(m_blinkTimer, &QTimer::timeout, this, &DijkstraWindow::blink);
}

QWidget* DijkstraWindow::arrangeTabOrder()
{
    static constexpr std::array<int, kLinkCount> kBoxOrder{14, 13, 11, 12, 10, 9, 8,
                                                           7,  6,  5,  4,  3,  2, 1};
    QWidget* previous = m_runButton;
    QWidget::setTabOrder(previous, m_closeButton);
    previous = m_closeButton;
    for (int k : kBoxOrder) {
        QWidget* box = network()->weightBox(k);
        QWidget::setTabOrder(previous, box);
        previous = box;
    }
    return previous; // the detail table follows
}

void DijkstraWindow::open()
{
    m_progressBar->hide();
    setOuterSizeTwips(kClosedWidthTwips, kOpenHeight);
    centreWhenFirstShown({kDesignedClientWidth, kDesignedClientHeight});
    setDefaultButton(m_runButton);
    showDefaultNetwork();
    m_blinkTimer->stop();
}

void DijkstraWindow::blink()
{
    const bool on = m_totalLabel->palette().color(QPalette::WindowText) == kBlinkOn;
    setForeColor(m_totalLabel, on ? kTotalBack : kBlinkOn);
    // Copies and printouts show the total lit, whichever half of the blink they are taken in.
    if (!on)
        setPicturePalette(m_totalLabel, m_totalLabel->palette());
}

void DijkstraWindow::buildDetailPanel()
{
    m_detail->build();
}

void DijkstraWindow::toggleDetail()
{
    m_detail->toggle();
}

void DijkstraWindow::runDijkstra()
{
    // The run's results replace the ones an exercise keeps out of sight.
    if (m_exercise && m_exercise->isActive())
        m_exercise->leave();
    const ClockReading start = now();
    const std::string separator = regionalDecimalSeparator();
    const LinkWeights weights = network()->weights();

    // A refused run changes nothing: every check comes before the first write.
    if (!acceptWeights(network(), weights, this, m_messageBox))
        return;

    m_runWeights = weights;
    // The hidden boxes h1 ... h17 show the totals; the choice compares the same texts, as shown.
    const RouteTotals totals = computeRouteTotals(weights, separator);
    m_detail->showTotals(totals);
    if (const auto chosen = selectShortestRoute(totals, separator))
        showChosenRoute(*chosen, weights, totals, separator);

    // A fixed animation after the result is on screen.
    playProgress(m_progressBar, kProgressSteps);
    m_detail->showTable(qs(detailTableText(weights, totals, separator)));
    m_detail->showShortestDistances(nodeLabelTexts(weights, separator));

    showRouteWeightsOnDrawing();

    m_elapsedLabel->setText(qs(elapsedText(start, now(), separator)));
    m_resultStrip->arrange();
    if (!m_blinkTimer->isActive())
        m_blinkTimer->start();
    emit runFinished();
}

void DijkstraWindow::showChosenRoute(int routeNumber, const LinkWeights& weights,
                                     const RouteTotals& totals, const std::string& separator)
{
    const CandidateRoute& route = candidateRoute(routeNumber);
    const double total = readBackNumber(totals[size_t(routeNumber - 1)], separator);
    m_totalLabel->setText(qs(totalCaption(total, separator)));

    network()->highlightRoute(route.innerNodes, route.links);

    m_detail->showRoute(routeNumber, toQString(route.nodeText),
                        qs(routeWeightsText(route, weights, separator)));
}

// The weights of the chosen route over the drawing, as wide as their text: narrowed where they
// would reach the legend, and broken at the arrows between the weights where even that is not
// enough.
void DijkstraWindow::showRouteWeightsOnDrawing()
{
    QLabel* label = m_routeWeightsLabel;
    const int room = px(kLegendLeft) - 2 * px(kRouteWeightsLeft);
    label->setWordWrap(false);
    label->setText(m_detail->routeWeights());
    narrowLabelToFit(label, room, kResultBoxLimits.minStretch);
    if (label->width() > room) {
        label->setWordWrap(true);
        label->resize(room, label->heightForWidth(room));
    }
    label->show();
}

} // namespace trayeko::ui
