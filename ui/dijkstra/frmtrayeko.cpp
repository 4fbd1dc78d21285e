#include "ui/dijkstra/frmtrayeko.h"

#include "core/clock.h"
#include "core/numbertext.h"
#include "core/shortestpath.h"
#include "ui/common/accessibility.h"
#include "ui/common/networkview.h"
#include "ui/common/twips.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
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

void setForeColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

void setBackColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
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
    e->setGeometry(pxRect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
    // Reachable by mouse only: Tab passes them by.
    e->setFocusPolicy(Qt::ClickFocus);
    return e;
}

// The captions were laid out for a narrower font than the desktop's sans-serif. One wider than
// @p roomTwips is narrowed just enough to fit; none is ever widened.
void fitCaption(QLabel* label, int roomTwips)
{
    const int room = px(roomTwips);
    QFont f = label->font();
    // The font as designed; unlike an explicit 100 % it shares the font engine already loaded.
    f.setStretch(QFont::AnyStretch);
    label->setFont(f);
    int width = label->sizeHint().width();
    int stretch = 100;
    // Every stretch tried loads a font engine of its own, which is slow, so each step narrows by
    // the measured overflow instead of one percent at a time. Glyph widths round to whole pixels,
    // so a step may fall a little short; the next one starts from there.
    while (width > room && stretch > QFont::UltraCondensed) {
        stretch =
            std::max<int>(QFont::UltraCondensed, std::min(stretch - 1, stretch * room / width));
        f.setStretch(stretch);
        label->setFont(f);
        width = label->sizeHint().width();
    }
    label->adjustSize();
}

// The header's blanks were counted so that each "Lk" stands over its node label box; spread them
// for the font at hand so that the last one stands over @p lastBox.
void alignHeader(QLabel* header, const QLineEdit* lastBox)
{
    const QString text = header->text();
    const qsizetype lastStart = text.lastIndexOf('L');
    const QString before = text.left(lastStart);
    QFont f = header->font();
    const qreal natural = QFontMetricsF(f).horizontalAdvance(before) +
                          QFontMetricsF(f).horizontalAdvance(text.mid(lastStart)) / 2;
    // How many times the word spacing counts depends on how the text engine groups the blanks,
    // so measure it.
    QFont probe = f;
    probe.setWordSpacing(-1);
    const qreal gaps =
        QFontMetricsF(f).horizontalAdvance(before) - QFontMetricsF(probe).horizontalAdvance(before);
    const qreal target =
        lastBox->geometry().center().x() + 0.5 - header->x() - header->contentsRect().x();
    if (gaps > 0)
        f.setWordSpacing((target - natural) / gaps);
    header->setFont(f);
}

QString qs(const std::string& s)
{
    return toQString(s);
}

} // namespace

frmTrayeko::frmTrayeko(QWidget* parent)
    : NetworkWindow(dijkstraDrawing(), QStringLiteral("TRAYEKO"), 11655, {161, 22}, parent)
{
    setWindowTitle(QStringLiteral("Trayeko 2003"));
    // Closing unloads: the next opening starts afresh with the defaults.
    setAttribute(Qt::WA_DeleteOnClose);

    buildControls();
    buildDetailPanel();
    buildTotalBoxes();
    arrangeTabOrder();
    open();

    setAccessibleTexts(this, kAccessibleTexts);
    for (int n = 1; n <= kNodeCount; ++n)
        txtplt[size_t(n - 1)]->setAccessibleName(
            QStringLiteral("Panjang lintasan terpendek ke simpul %1").arg(n));
    for (int k = 1; k <= kRouteCount; ++k)
        h[size_t(k - 1)]->setAccessibleName(QStringLiteral("Total lintasan %1").arg(k));
}

void frmTrayeko::buildControls()
{
    QWidget* area = client();

    lbltabel = makeCaption(picture(), QStringLiteral("lbltabel"), kShowDetail, kPx825);
    lbltabel->move(px(kLabelFirstLeft), px(kLabelTop));
    fitCaption(lbltabel, kFrameRight - kLabelFirstLeft);
    lbltabel->installEventFilter(this);
    // The label answers the mouse only; from the keyboard Ctrl+D does the same and leaves the
    // label's look alone.
    auto* detailKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_D), this, this,
                                    &frmTrayeko::toggleDetail, Qt::WidgetWithChildrenShortcut);
    detailKey->setObjectName(QStringLiteral("detailShortcut"));

    for (int k = 1; k <= kLinkCount; ++k)
        j[size_t(k - 1)] = network()->weightBox(k);

    lbljalur = new QLabel(network());
    lbljalur->setObjectName(QStringLiteral("lbljalur"));
    lbljalur->setFont(boldFont(lbljalur->font(), kPx975));
    setForeColor(lbljalur, Qt::white);
    setBackColor(lbljalur, kDarkRed);
    lbljalur->move(px(120), px(360));
    lbljalur->hide();

    lbljmljarak = makeResultLabel(QStringLiteral("lbljmljarak"), QRect(120, 6240, 1695, 255),
                                  kTotalBack, kTotalInitial);
    lblwaktu = makeResultLabel(QStringLiteral("lblwaktu"), QRect(1800, 6240, 3735, 255), kTotalBack,
                               Qt::white);

    proses1 = new QProgressBar(area);
    proses1->setObjectName(QStringLiteral("proses1"));
    proses1->setGeometry(pxRect(120, 6570, 3255, 200));
    // Without a percentage text the bar repaints only when its filled part grows visibly, which
    // keeps the 1001 updates of a run cheap.
    proses1->setTextVisible(false);

    Command1 = makeButton(QStringLiteral("Command1"), QStringLiteral("&Proses..."),
                          QRect(6480, 6360, 1215, 375));
    Command2 = makeButton(QStringLiteral("Command2"), QStringLiteral("&Keluar"),
                          QRect(7800, 6360, 1215, 375));
    connect(Command1, &QPushButton::clicked, this, &frmTrayeko::proses);
    connect(Command2, &QPushButton::clicked, this, &frmTrayeko::close);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &frmTrayeko::blink);
}

void frmTrayeko::buildDetailPanel()
{
    QWidget* area = client();

    Label27 =
        makeCaption(area, QStringLiteral("Label27"), QStringLiteral("Jalur Pencarian"), kPx975);
    Label27->setGeometry(pxRect(9480, 480, 1665, 240));
    Label27->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    Tabeldata = new QPlainTextEdit(area);
    Tabeldata->setObjectName(QStringLiteral("Tabeldata"));
    Tabeldata->setGeometry(pxRect(9120, 720, 2415, 3735));
    Tabeldata->setReadOnly(true);
    Tabeldata->setLineWrapMode(QPlainTextEdit::NoWrap);
    Tabeldata->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Tabeldata->setTabChangesFocus(true);
    Tabeldata->setFocusPolicy(Qt::StrongFocus);
    setBackColor(Tabeldata, Qt::black);
    setForeColor(Tabeldata, QColor(0, 255, 0));

    lblnojalur = makeCaption(area, QStringLiteral("lblnojalur"), QStringLiteral("Jalur"), kPx825);
    lblnojalur->move(px(9120), px(4560));
    fitCaption(lblnojalur, kPanelRight - kPanelLeft);

    const QColor cyan(0, 255, 255);
    txtjalur = makeBox(area, QStringLiteral("txtjalur"), QRect(9120, 4800, 2415, 285));
    txtjalur->setReadOnly(true);
    setBackColor(txtjalur, cyan);

    Label28 =
        makeCaption(area, QStringLiteral("Label28"), QStringLiteral("Simpul yang dilalui"), kPx825);
    Label28->setGeometry(pxRect(9120, 5160, 1815, 255));

    txtsimpul = makeBox(area, QStringLiteral("txtsimpul"), QRect(9120, 5400, 2415, 285));
    txtsimpul->setReadOnly(true);
    setBackColor(txtsimpul, cyan);

    Label30 = makeCaption(area, QStringLiteral("Label30"),
                          QStringLiteral("Panjang lintasan terpendek"), kPx825);
    Label30->move(px(9120), px(5760));
    fitCaption(Label30, kPanelRight - kPanelLeft);

    Label31 = new QLabel(QStringLiteral("  L1   L2    L3    L4   L5    L6   L7"), area);
    Label31->setObjectName(QStringLiteral("Label31"));
    Label31->setGeometry(pxRect(9120, 6015, 2415, 300));
    Label31->setFrameShape(QFrame::Box);
    Label31->setLineWidth(1);
    setBackColor(Label31, QColor(192, 192, 192));

    static constexpr std::array<int, kNodeCount> kLabelLefts{9120,  9460,  9810, 10150,
                                                             10500, 10850, 11190};
    for (int n = 0; n < kNodeCount; ++n) {
        txtplt[size_t(n)] = makeBox(area, QStringLiteral("txtplt%1").arg(n + 1),
                                    QRect(kLabelLefts[size_t(n)], 6240, 350, 285));
        setBackColor(txtplt[size_t(n)], QColor(128, 255, 255));
    }
    alignHeader(Label31, txtplt.back());
}

void frmTrayeko::buildTotalBoxes()
{
    // Route totals live in boxes beyond the right edge; the route choice reads them back.
    for (int k = 1; k <= kRouteCount; ++k) {
        const int top = 240 * (k - 1);
        h[size_t(k - 1)] =
            makeBox(client(), QStringLiteral("h%1").arg(k), QRect(12240, top, 375, 285));
        auto* label =
            new QLabel(k == 10 ? QStringLiteral("10") : QStringLiteral("h%1").arg(k), client());
        label->setObjectName(QStringLiteral("Label%1").arg(k + 7));
        label->setGeometry(pxRect(11880, top, 375, 255));
        hLabels[size_t(k - 1)] = label;
    }
}

void frmTrayeko::arrangeTabOrder()
{
    static constexpr std::array<int, kLinkCount> kBoxOrder{14, 13, 11, 12, 10, 9, 8,
                                                           7,  6,  5,  4,  3,  2, 1};
    QWidget* previous = Command1;
    QWidget::setTabOrder(previous, Command2);
    previous = Command2;
    for (int k : kBoxOrder) {
        QWidget* box = j[size_t(k - 1)];
        QWidget::setTabOrder(previous, box);
        previous = box;
    }
    QWidget::setTabOrder(previous, Tabeldata);
}

void frmTrayeko::open()
{
    proses1->hide();
    // The window is centred for its designed size when it is first placed (showEvent); only then
    // is "the screen" (the main window's document area) known.
    setOuterSizeTwips(kClosedWidth, kOpenHeight);
    setDefaultButton(Command1);
    for (int k = 1; k <= kLinkCount; ++k)
        j[size_t(k - 1)]->setText(qs(defaultWeightText(k)));
    network()->setElementColor(QStringLiteral("Shape1"), biru());
    network()->setElementColor(QStringLiteral("Shape7"), biru());
    Timer1->stop();
}

void frmTrayeko::showEvent(QShowEvent* event)
{
    NetworkWindow::showEvent(event);
    if (placed_)
        return;
    placed_ = true;
    const int frameWidth = widthTwips() - twips(widget()->width());
    const int frameHeight = heightTwips() - twips(widget()->height());
    centreOnScreen(kDesignedClientWidth + frameWidth, kDesignedClientHeight + frameHeight);
}

bool frmTrayeko::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lbltabel && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            lbltabel->rect().contains(mouse->position().toPoint())) {
            toggleDetail();
            return true;
        }
    }
    return NetworkWindow::eventFilter(watched, event);
}

QSize frmTrayeko::screenSizeTwips() const
{
    QSize pixels;
    if (QMdiArea* area = mdiArea())
        pixels = area->viewport()->size();
    else if (QScreen* s = QGuiApplication::primaryScreen())
        pixels = s->availableSize();
    return {twips(pixels.width()), twips(pixels.height())};
}

void frmTrayeko::centreOnScreen()
{
    centreOnScreen(widthTwips(), heightTwips());
}

void frmTrayeko::centreOnScreen(int outerWidthTwips, int outerHeightTwips)
{
    const QSize screen = screenSizeTwips();
    // Never above or left of the screen's corner, so the title bar stays within reach.
    const int left = std::max(0, (screen.width() - outerWidthTwips) / 2);
    const int top = std::max(0, (screen.height() - outerHeightTwips) / 2);
    move(px(left), px(top));
}

void frmTrayeko::blink()
{
    const bool on = lbljmljarak->palette().color(QPalette::WindowText) == kBlinkOn;
    setForeColor(lbljmljarak, on ? kTotalBack : kBlinkOn);
}

void frmTrayeko::toggleDetail()
{
    if (lbltabel->text() == kShowDetail) {
        lbltabel->setText(kHideDetail);
        fitCaption(lbltabel, kPanelRight - (kLabelBase + kWidenEnd));
        for (int i = kWidenStep; i <= kWidenEnd; i += kWidenStep) {
            setOuterWidthTwips(kWidenBase + i);
            lbltabel->move(px(kLabelBase + i), px(kLabelTop));
        }
    } else {
        lbltabel->setText(kShowDetail);
        fitCaption(lbltabel, kFrameRight - kLabelFirstLeft);
        lbltabel->move(px(kLabelClosedLeft), px(kLabelTop));
        setOuterWidthTwips(kClosedWidth);
    }
    centreOnScreen();
}

LinkWeights frmTrayeko::readWeights() const
{
    std::array<std::string, kLinkCount> texts;
    for (size_t k = 0; k < texts.size(); ++k)
        texts[k] = j[k]->text().toStdString();
    return readLinkWeights(texts);
}

std::array<std::string, kRouteCount> frmTrayeko::totalTexts() const
{
    std::array<std::string, kRouteCount> texts;
    for (size_t k = 0; k < texts.size(); ++k)
        texts[k] = h[k]->text().toStdString();
    return texts;
}

void frmTrayeko::proses()
{
    const ClockReading start = now();
    const std::string separator = regionalDecimalSeparator();
    const LinkWeights weights = readWeights();

    // A refused run changes nothing: every check comes before the first write.
    const WeightVerdict verdict = checkWeights(weights);
    if (verdict != WeightVerdict::Accepted) {
        messageBox_(this, toQString(kRefusalTitle), toQString(refusalMessage(verdict)));
        return;
    }

    const auto totals = computeRouteTotals(weights, separator);
    for (size_t k = 0; k < totals.size(); ++k)
        h[k]->setText(qs(totals[k]));
    if (const auto chosen = selectShortestRoute(totalTexts(), separator))
        showChosenRoute(*chosen, weights, separator);

    playProgress();
    fillDetailTable(weights, separator);
    fillNodeLabels(weights, separator);

    lbljalur->setText(txtjalur->text());
    lbljalur->adjustSize();
    lbljalur->show();

    lblwaktu->setText(qs(elapsedText(start, now(), separator)));
    if (!Timer1->isActive())
        Timer1->start();
}

void frmTrayeko::showChosenRoute(int routeNumber, const LinkWeights& weights,
                                 const std::string& separator)
{
    const CandidateRoute& route = candidateRoute(routeNumber);
    const double total =
        readBackNumber(h[size_t(routeNumber - 1)]->text().toStdString(), separator);
    lbljmljarak->setText(qs(totalCaption(total, separator)));

    reset();
    NetworkView* view = network();
    for (int node : route.innerNodes)
        view->setElementColor(QStringLiteral("Shape%1").arg(node), biru());
    for (std::string_view line : route.lineControls())
        view->setElementColor(toQString(line), merah());
    for (int link : route.links)
        view->setElementColor(QStringLiteral("j%1").arg(link), merah());

    txtsimpul->setText(toQString(route.nodeText));
    txtjalur->setText(qs(routeWeightsText(route, weights, separator)));
    lblnojalur->setText(qs(routeNumberText(routeNumber)));
    fitCaption(lblnojalur, kPanelRight - kPanelLeft);
}

void frmTrayeko::playProgress()
{
    // A fixed animation after the result is on screen; it never yields to the event loop.
    proses1->setVisible(true);
    proses1->setRange(0, 1000);
    const int last = proses1->maximum();
    for (int i = proses1->minimum(); i <= last; ++i)
        proses1->setValue(i);
    proses1->setVisible(false);
}

void frmTrayeko::fillDetailTable(const LinkWeights& weights, const std::string& separator)
{
    Tabeldata->setPlainText(qs(detailTableText(weights, totalTexts(), separator)));
}

void frmTrayeko::fillNodeLabels(const LinkWeights& weights, const std::string& separator)
{
    const auto labels = nodeLabelTexts(weights, separator);
    for (size_t n = 0; n < labels.size(); ++n)
        txtplt[n]->setText(qs(labels[n]));
}

} // namespace trayeko::ui
