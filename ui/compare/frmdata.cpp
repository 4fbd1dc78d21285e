#include "ui/compare/frmdata.h"

#include "core/scenarios.h"
#include "ui/common/accessibility.h"
#include "ui/common/seams.h"
#include "ui/common/twips.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
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

void fillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The design's fonts are narrower than the sans-serif fonts found on Linux. A text that would
// overflow its control is condensed just enough to fit instead of being clipped; its height stays.
void condenseToFit(QWidget* widget, const QStringList& texts, int available)
{
    QFont font = widget->font();
    const auto widest = [&font, &texts] {
        const QFontMetrics metrics(font);
        int width = 0;
        for (const QString& text : texts)
            width = std::max(width, metrics.horizontalAdvance(text));
        return width;
    };
    for (int attempt = 0; attempt < 3 && widest() > available; ++attempt) {
        const int stretch = font.stretch() > 0 ? font.stretch() : 100;
        font.setStretch(std::max(50, stretch * available / widest()));
    }
    widget->setFont(font);
}

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

class QtProgressBar final : public trayeko::ProgressBar
{
public:
    explicit QtProgressBar(QProgressBar* bar) : bar_(bar) {}

    void setVisible(bool visible) override { bar_->setVisible(visible); }
    void setRange(int minimum, int maximum) override { bar_->setRange(minimum, maximum); }
    int minimum() const override { return bar_->minimum(); }
    int maximum() const override { return bar_->maximum(); }
    // Called for every step of the animation: nothing but the bar's own update belongs here.
    void setValue(int value) override { bar_->setValue(value); }

private:
    QProgressBar* bar_;
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
    condenseToFit(combo, texts, field.width() - 4);
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

class frmData::Reports final : public ComparisonView
{
public:
    Reports(QProgressBar* dijkstraBar, QProgressBar* floydBar, QPlainTextEdit* dijkstraBox,
            QPlainTextEdit* floydBox)
        : dijkstraBar_(dijkstraBar), floydBar_(floydBar), dijkstraBox_(dijkstraBox),
          floydBox_(floydBox)
    {
    }

    ProgressBar& dijkstraBar() override { return dijkstraBar_; }
    ProgressBar& floydBar() override { return floydBar_; }
    void setDijkstraReport(const std::string& text) override { showReport(dijkstraBox_, text); }
    void setFloydReport(const std::string& text) override { showReport(floydBox_, text); }

private:
    QtProgressBar dijkstraBar_;
    QtProgressBar floydBar_;
    QPlainTextEdit* dijkstraBox_;
    QPlainTextEdit* floydBox_;
};

frmData::frmData(QWidget* parent) : QMdiSubWindow(parent)
{
    setObjectName(QStringLiteral("frmData"));
    setWindowTitle(QStringLiteral("Compare Multinode"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A fixed dialog border: title and close button only, no system-menu icon.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(blankIcon());

    buildControls();
    reports_ =
        std::make_unique<Reports>(ProgressBar1, ProgressBar2, txthasiltrayeko, txthasilfloyd);

    // Load: both lists get the five sizes and both bars start hidden.
    for (const std::string_view item : scenarioItemTexts())
        Combo1->addItem(toQString(item));
    ProgressBar1->setVisible(false);
    for (const std::string_view item : scenarioItemTexts())
        Combo2->addItem(toQString(item));
    ProgressBar2->setVisible(false);
    Combo1->setCurrentIndex(-1);
    Combo2->setCurrentIndex(-1);
    for (QComboBox* combo : {Combo1, Combo2})
        fitItems(combo);

    // QComboBox::activated also fires when the same item is chosen again, which reruns it.
    connect(Combo1, &QComboBox::activated, this, &frmData::chooseDijkstra);
    connect(Combo2, &QComboBox::activated, this, &frmData::chooseBoth);
    connect(cmdKeluar, &QPushButton::clicked, this, &QWidget::close);
    setAccessibleTexts(this, kAccessibleTexts);

    fixOuterSize();
}

frmData::~frmData() = default;

void frmData::buildControls()
{
    client_ = new QWidget;
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(px(4710), px(5190));
    fillBackground(client_, kOrange);
    QFont font = client_->font();
    font.setPixelSize(kPx825);
    client_->setFont(font);
    setWidget(client_);

    const auto frame = [](QWidget* parent, const char* name, QRect twipsRect) {
        auto* f = new QFrame(parent);
        f->setObjectName(QLatin1String(name));
        f->setFrameStyle(QFrame::Box | QFrame::Sunken);
        f->setGeometry(pxRect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
        fillBackground(f, kOrange);
        return f;
    };
    const auto label = [](QWidget* parent, const char* name, const char* text, QRect twipsRect,
                          const QColor& textColour, int pixelSize) {
        auto* l = new QLabel(QString::fromUtf8(text), parent);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(pxRect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        fillBackground(l, kOrange);
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, textColour);
        l->setPalette(palette);
        QFont f = l->font();
        f.setPixelSize(pixelSize);
        f.setBold(true);
        l->setFont(f);
        condenseToFit(l, {l->text()}, l->width());
        return l;
    };
    const auto combo = [](QWidget* parent, const char* name, QRect twipsRect) {
        auto* c = new SizeCombo(parent);
        c->setObjectName(QLatin1String(name));
        c->setGeometry(pxRect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
        c->setPlaceholderText(QStringLiteral("Pilih Banyaknya Simpul"));
        // The initial text reads like an ordinary entry, not greyed out.
        QPalette palette = c->palette();
        palette.setColor(QPalette::PlaceholderText, palette.color(QPalette::ButtonText));
        c->setPalette(palette);
        return c;
    };
    const auto reportBox = [](QWidget* parent, const char* name, QRect twipsRect) {
        auto* t = new QPlainTextEdit(parent);
        t->setObjectName(QLatin1String(name));
        t->setGeometry(pxRect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
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
        b->setGeometry(pxRect(twipsRect.x(), twipsRect.y(), twipsRect.width(), twipsRect.height()));
        b->setTextVisible(false);
        return b;
    };

    Frame3 = frame(client_, "Frame3", {120, 120, 4455, 4455});
    Label2 = label(Frame3, "Label2", "Dijkstra dan Floyd", {120, 120, 4215, 615},
                   client_->palette().color(QPalette::WindowText), kPx24);
    Frame2 = frame(Frame3, "Frame2", {120, 720, 4215, 735});
    Label4 = label(Frame2, "Label4", "Banyaknya Simpul", {120, 240, 1575, 255}, kWhite, kPx825);
    Combo2 = combo(Frame2, "Combo2", {1800, 240, 2175, 315});
    Label3 = label(Frame3, "Label3", "Dijkstra", {120, 1560, 1455, 255}, kBlue, kPx825);
    txthasiltrayeko = reportBox(Frame3, "txthasiltrayeko", {120, 1800, 4215, 975});
    // Lies across the middle of its report box while it plays.
    ProgressBar1 = bar(Frame3, "ProgressBar1", {480, 2160, 3495, 255});
    Label5 = label(Frame3, "Label5", "Floyd", {120, 3000, 1455, 255}, kBlue, kPx825);
    txthasilfloyd = reportBox(Frame3, "txthasilfloyd", {120, 3240, 4215, 975});
    ProgressBar2 = bar(Frame3, "ProgressBar2", {480, 3600, 3495, 255});

    cmdKeluar = new QPushButton(QStringLiteral("&Keluar"), client_);
    cmdKeluar->setObjectName(QStringLiteral("cmdKeluar"));
    cmdKeluar->setGeometry(pxRect(1680, 4680, 1455, 375));
    QPalette buttonPalette = cmdKeluar->palette();
    buttonPalette.setColor(QPalette::Button, kPurple);
    cmdKeluar->setPalette(buttonPalette);

    // The second chooser sits beyond the right edge of the fixed client area: it cannot be seen,
    // only reached with Tab.
    Frame1 = frame(client_, "Frame1", {6120, 1200, 4215, 735});
    Label1 = label(Frame1, "Label1", "Banyaknya Simpul", {120, 240, 1575, 255}, kWhite, kPx825);
    Combo1 = combo(Frame1, "Combo1", {1800, 240, 2175, 315});

    QWidget::setTabOrder(txthasiltrayeko, cmdKeluar);
    QWidget::setTabOrder(cmdKeluar, Combo1);
    QWidget::setTabOrder(Combo1, Combo2);
    QWidget::setTabOrder(Combo2, txthasilfloyd);
    txthasiltrayeko->setFocus();
}

// The client area keeps its designed size; the frame around it depends on the style and on
// whether the window already sits in an MDI area, so the outer size follows both.
void frmData::fixOuterSize()
{
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setFixedSize(minimumSizeHint());
}

void frmData::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::StyleChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::ParentChange)
        fixOuterSize();
}

void frmData::chooseDijkstra(int index)
{
    if (index < 0 || index >= kScenarioCount)
        return;
    txthasiltrayeko->clear();
    runDijkstraScenario(index, *reports_, clock_, regionalDecimalSeparator());
}

void frmData::chooseBoth(int index)
{
    if (index < 0 || index >= kScenarioCount)
        return;
    txthasiltrayeko->clear();
    txthasilfloyd->clear();
    runFloydScenario(index, *reports_, clock_, regionalDecimalSeparator());
}

} // namespace trayeko::ui
