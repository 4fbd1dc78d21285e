#include "ui/dijkstra/dijkstrawindow.h"

#include "core/clock.h"
#include "core/numbertext.h"
#include "core/shortestpath.h"
#include "ui/dijkstra/dijkstrasteps.h"
#include "ui/drawing/networkview.h"
#include "ui/export/classroomactions.h"
#include "ui/export/pictureexport.h"
#include "ui/support/accessibletexts.h"
#include "ui/support/fontsizes.h"
#include "ui/support/palette.h"
#include "ui/support/twips.h"
#include "ui/support/utf8.h"
#include "ui/widgets/progress.h"
#include "ui/widgets/textfit.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

namespace trayeko::ui {

namespace {

const QString kShowDetail = QStringLiteral("Tampilan Detail");
const QString kHideDetail = QStringLiteral("Sembunyikan Detail");

// The window as designed (client area); it opens centred for this size and then shrinks, so it
// stands left of the centre.
constexpr int kDesignedClientWidth = 11610;
constexpr int kDesignedClientHeight = 6810;
constexpr int kClosedWidth = 9225;
constexpr int kOpenHeight = 7200;

// The detail panel opens in 104 steps of 24 twips from 9279 to 11751; the label walks along.
constexpr int kWidenStep = 24;
constexpr int kWidenEnd = 2496;
constexpr int kWidenBase = 9255;
constexpr int kLabelBase = 7300;
constexpr int kLabelClosedLeft = 7560;
constexpr int kLabelTop = 120;
constexpr int kLabelFirstLeft = 7650;
// Right edges that the captions keep to: the drawing's frame while the panel is closed, the
// panel's boxes while it is open.
constexpr int kFrameRight = 9015;
constexpr int kPanelLeft = 9120;
constexpr int kPanelRight = 11535;
// The route's weights on the drawing keep clear of the legend at its top right.
constexpr int kRouteWeightsLeft = 120;
constexpr int kLegendLeft = 7200;
// A result box gives way this far before its text no longer fits whole.
constexpr FitLimits kResultBoxLimits{8, 60};

// The progress animation after a run: a fixed show, no measure of the work.
constexpr int kProgressSteps = 1000;

// What a screen reader says for the controls. Labels that show a result keep their caption as
// their name, so the reader speaks the result itself.
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
    {"Tabeldata", "Tabel jalur pencarian", "Ketujuh belas lintasan dengan bobot dan totalnya"},
    {"lblnojalur", nullptr, "Nomor lintasan terpilih"},
    {"txtjalur", "Bobot lintasan terpilih"},
    {"txtsimpul", "Simpul yang dilalui"},
    {"Label31", "Kepala kolom panjang lintasan terpendek L1 sampai L7"},
};

const QColor kDarkRed(128, 0, 0);
const QColor kTotalBack(192, 0, 0);
const QColor kTotalInitial(255, 255, 128);
const QColor kBlinkOn(255, 255, 0);

QFont boldFont(const QFont& base, int pixelSize)
{
    QFont f = base;
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

// A caption on a transparent background in the window's dark red.
QLabel* makeCaption(QWidget* parent, const QString& name, const QString& text, int pixelSize)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setFont(boldFont(l->font(), pixelSize));
    setForeColor(l, kDarkRed);
    return l;
}

QLineEdit* makeBox(QWidget* parent, const QString& name, QRect twipsRect)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(pxRect(twipsRect));
    // Reachable by mouse only: Tab passes them by.
    e->setFocusPolicy(Qt::ClickFocus);
    return e;
}

QString qs(const std::string& s)
{
    return toQString(s);
}

} // namespace

DijkstraWindow::DijkstraWindow(QWidget* parent)
    : NetworkWindow(dijkstraDrawing(), QStringLiteral("TRAYEKO"), 11655, {161, 22}, parent)
{
    setObjectName(QStringLiteral("frmTrayeko"));
    setWindowTitle(QStringLiteral("Trayeko 2003"));

    buildControls();
    buildDetailPanel();
    buildTotalBoxes();
    arrangeTabOrder();
    open();
    auto* classroom = installClassroomActions(this, network(), QStringLiteral("dijkstra"));

    setAccessibleTexts(this, kAccessibleTexts);
    for (int n = 1; n <= kNodeCount; ++n)
        m_nodeLabels[size_t(n - 1)]->setAccessibleName(
            QStringLiteral("Panjang lintasan terpendek ke simpul %1").arg(n));
    for (int k = 1; k <= kRouteCount; ++k)
        m_totalBoxes[size_t(k - 1)]->setAccessibleName(QStringLiteral("Total lintasan %1").arg(k));

    // Step mode (F10) and the detail table's route preview; the message box is looked up when
    // used, so a replaced one answers the refusals too. The keys belong to the whole subwindow,
    // which keeps the focus itself when the frame comes back from a dialog.
    m_steps = addDijkstraStepMode(
        this, [this](QWidget* p, const QString& t, const QString& x) { m_messageBox(p, t, x); });
    m_steps->setCsvSaver([classroom](const std::string& csv) { classroom->saveCsvText(csv); });
    new RoutePreview(this, m_detailTable, m_steps);
}

void DijkstraWindow::buildControls()
{
    QWidget* area = client();

    m_detailToggle = makeCaption(picture(), QStringLiteral("lbltabel"), kShowDetail, kPx825);
    m_detailToggle->move(px(kLabelFirstLeft), px(kLabelTop));
    narrowLabelToFit(m_detailToggle, px(kFrameRight - kLabelFirstLeft));
    m_detailToggle->installEventFilter(this);
    // The label answers the mouse only; from the keyboard Ctrl+D does the same and leaves the
    // label's look alone.
    auto* detailKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this, this,
                                    &DijkstraWindow::toggleDetail, Qt::WidgetWithChildrenShortcut);
    detailKey->setObjectName(QStringLiteral("detailShortcut"));

    m_routeWeightsLabel = new QLabel(network());
    m_routeWeightsLabel->setObjectName(QStringLiteral("lbljalur"));
    m_routeWeightsLabel->setFont(boldFont(m_routeWeightsLabel->font(), kPx975));
    setForeColor(m_routeWeightsLabel, Qt::white);
    setBackColor(m_routeWeightsLabel, kDarkRed);
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

void DijkstraWindow::buildDetailPanel()
{
    QWidget* area = client();

    m_detailCaption =
        makeCaption(area, QStringLiteral("Label27"), QStringLiteral("Jalur Pencarian"), kPx975);
    m_detailCaption->setGeometry(pxRect({9480, 480, 1665, 240}));
    m_detailCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    m_detailTable = new QPlainTextEdit(area);
    m_detailTable->setObjectName(QStringLiteral("Tabeldata"));
    m_detailTable->setGeometry(pxRect({9120, 720, 2415, 3735}));
    m_detailTable->setReadOnly(true);
    m_detailTable->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_detailTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_detailTable->setTabChangesFocus(true);
    m_detailTable->setFocusPolicy(Qt::StrongFocus);
    setBackColor(m_detailTable, Qt::black);
    setForeColor(m_detailTable, QColor(0, 255, 0));

    m_routeNumberLabel =
        makeCaption(area, QStringLiteral("lblnojalur"), QStringLiteral("Jalur"), kPx825);
    m_routeNumberLabel->move(px(9120), px(4560));
    narrowLabelToFit(m_routeNumberLabel, px(kPanelRight - kPanelLeft));

    const QColor cyan(0, 255, 255);
    m_routeWeightsBox = makeBox(area, QStringLiteral("txtjalur"), QRect(9120, 4800, 2415, 285));
    m_routeWeightsBox->setReadOnly(true);
    setBackColor(m_routeWeightsBox, cyan);

    m_routeNodesCaption =
        makeCaption(area, QStringLiteral("Label28"), QStringLiteral("Simpul yang dilalui"), kPx825);
    m_routeNodesCaption->setGeometry(pxRect({9120, 5160, 1815, 255}));

    m_routeNodesBox = makeBox(area, QStringLiteral("txtsimpul"), QRect(9120, 5400, 2415, 285));
    m_routeNodesBox->setReadOnly(true);
    setBackColor(m_routeNodesBox, cyan);

    m_nodeLabelsCaption = makeCaption(area, QStringLiteral("Label30"),
                                      QStringLiteral("Panjang lintasan terpendek"), kPx825);
    m_nodeLabelsCaption->move(px(9120), px(5760));
    narrowLabelToFit(m_nodeLabelsCaption, px(kPanelRight - kPanelLeft));

    m_nodeLabelsHeader = new QLabel(QStringLiteral("  L1   L2    L3    L4   L5    L6   L7"), area);
    m_nodeLabelsHeader->setObjectName(QStringLiteral("Label31"));
    m_nodeLabelsHeader->setGeometry(pxRect({9120, 6015, 2415, 300}));
    m_nodeLabelsHeader->setFrameShape(QFrame::Box);
    m_nodeLabelsHeader->setLineWidth(1);
    setBackColor(m_nodeLabelsHeader, QColor(192, 192, 192));

    static constexpr std::array<int, kNodeCount> kLabelLefts{9120,  9460,  9810, 10150,
                                                             10500, 10850, 11190};
    for (int n = 0; n < kNodeCount; ++n) {
        m_nodeLabels[size_t(n)] = makeBox(area, QStringLiteral("txtplt%1").arg(n + 1),
                                          QRect(kLabelLefts[size_t(n)], 6240, 350, 285));
        setBackColor(m_nodeLabels[size_t(n)], QColor(128, 255, 255));
        explainClippedText(m_nodeLabels[size_t(n)]);
    }
    for (QLineEdit* box : {m_routeWeightsBox, m_routeNodesBox})
        explainClippedText(box);
    alignLastWord(m_nodeLabelsHeader, m_nodeLabels.back());
}

void DijkstraWindow::buildTotalBoxes()
{
    // Route totals are also written into boxes beyond the right edge, out of sight.
    for (int k = 1; k <= kRouteCount; ++k) {
        const int top = 240 * (k - 1);
        m_totalBoxes[size_t(k - 1)] =
            makeBox(client(), QStringLiteral("h%1").arg(k), QRect(12240, top, 375, 285));
        auto* label =
            new QLabel(k == 10 ? QStringLiteral("10") : QStringLiteral("h%1").arg(k), client());
        label->setObjectName(QStringLiteral("Label%1").arg(k + 7));
        label->setGeometry(pxRect({11880, top, 375, 255}));
        m_totalBoxCaptions[size_t(k - 1)] = label;
    }
}

void DijkstraWindow::arrangeTabOrder()
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
    QWidget::setTabOrder(previous, m_detailTable);
}

void DijkstraWindow::open()
{
    m_progressBar->hide();
    // The window is centred for its designed size when it is first placed (showEvent); only then
    // is "the screen" (the main window's document area) known.
    setOuterSizeTwips(kClosedWidth, kOpenHeight);
    setDefaultButton(m_runButton);
    showDefaultNetwork();
    m_blinkTimer->stop();
}

void DijkstraWindow::showEvent(QShowEvent* event)
{
    NetworkWindow::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    const int frameWidth = widthTwips() - twips(widget()->width());
    const int frameHeight = heightTwips() - twips(widget()->height());
    centreOnScreen(kDesignedClientWidth + frameWidth, kDesignedClientHeight + frameHeight);
}

bool DijkstraWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_detailToggle && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_detailToggle->rect().contains(mouse->position().toPoint())) {
            toggleDetail();
            return true;
        }
    }
    return NetworkWindow::eventFilter(watched, event);
}

void DijkstraWindow::blink()
{
    const bool on = m_totalLabel->palette().color(QPalette::WindowText) == kBlinkOn;
    setForeColor(m_totalLabel, on ? kTotalBack : kBlinkOn);
    // Copies and printouts show the total lit, whichever half of the blink they are taken in.
    if (!on)
        setPicturePalette(m_totalLabel, m_totalLabel->palette());
}

void DijkstraWindow::toggleDetail()
{
    if (m_detailToggle->text() == kShowDetail) {
        m_detailToggle->setText(kHideDetail);
        narrowLabelToFit(m_detailToggle, px(kPanelRight - (kLabelBase + kWidenEnd)));
        for (int i = kWidenStep; i <= kWidenEnd; i += kWidenStep) {
            setOuterWidthTwips(kWidenBase + i);
            m_detailToggle->move(px(kLabelBase + i), px(kLabelTop));
        }
    } else {
        m_detailToggle->setText(kShowDetail);
        narrowLabelToFit(m_detailToggle, px(kFrameRight - kLabelFirstLeft));
        m_detailToggle->move(px(kLabelClosedLeft), px(kLabelTop));
        setOuterWidthTwips(kClosedWidth);
    }
    centreOnScreen();
}

void DijkstraWindow::runDijkstra()
{
    const ClockReading start = now();
    const std::string separator = regionalDecimalSeparator();
    const LinkWeights weights = network()->weights();

    // A refused run changes nothing: every check comes before the first write.
    if (!acceptWeights(network(), weights, this, m_messageBox))
        return;

    // The hidden boxes h1 ... h17 show the totals; the choice compares the same texts, as shown.
    const RouteTotals totals = computeRouteTotals(weights, separator);
    for (size_t k = 0; k < totals.size(); ++k)
        m_totalBoxes[k]->setText(qs(totals[k]));
    if (const auto chosen = selectShortestRoute(totals, separator))
        showChosenRoute(*chosen, weights, totals, separator);

    // A fixed animation after the result is on screen.
    playProgress(m_progressBar, kProgressSteps);
    fillDetailTable(weights, totals, separator);
    fillNodeLabels(weights, separator);

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

    m_routeNodesBox->setText(toQString(route.nodeText));
    m_routeWeightsBox->setText(qs(routeWeightsText(route, weights, separator)));
    for (QLineEdit* box : {m_routeNodesBox, m_routeWeightsBox})
        fitBoxText(box, client()->font(), kResultBoxLimits);
    m_routeNumberLabel->setText(qs(routeNumberText(routeNumber)));
    narrowLabelToFit(m_routeNumberLabel, px(kPanelRight - kPanelLeft));
}

// The weights of the chosen route over the drawing, as wide as their text: narrowed where they
// would reach the legend, and broken at the arrows between the weights where even that is not
// enough.
void DijkstraWindow::showRouteWeightsOnDrawing()
{
    QLabel* label = m_routeWeightsLabel;
    const int room = px(kLegendLeft) - 2 * px(kRouteWeightsLeft);
    label->setWordWrap(false);
    label->setText(m_routeWeightsBox->text());
    narrowLabelToFit(label, room, kResultBoxLimits.minStretch);
    if (label->width() > room) {
        label->setWordWrap(true);
        label->resize(room, label->heightForWidth(room));
    }
    label->show();
}

void DijkstraWindow::fillDetailTable(const LinkWeights& weights, const RouteTotals& totals,
                                     const std::string& separator)
{
    m_detailTable->setPlainText(qs(detailTableText(weights, totals, separator)));
}

void DijkstraWindow::fillNodeLabels(const LinkWeights& weights, const std::string& separator)
{
    const auto labels = nodeLabelTexts(weights, separator);
    for (size_t n = 0; n < labels.size(); ++n)
        m_nodeLabels[n]->setText(qs(labels[n]));
}

} // namespace trayeko::ui
