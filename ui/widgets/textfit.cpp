#include "ui/widgets/textfit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <cmath>

namespace trayeko::ui {

namespace {

// QLineEdit keeps this many pixels free on each side of its text, inside the frame.
constexpr int kLineEditTextMargin = 2;

qreal widestAdvance(const QFont& font, const QStringList& texts)
{
    const QFontMetricsF metrics(font);
    qreal widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

int ceilPixels(qreal width)
{
    return int(std::ceil(width));
}

// What fittedFont answered, as plain numbers: a QFont kept in a static outlives the font cache.
struct Answer
{
    int pixelSize;
    int stretch;
    bool fits;
};

FittedFont search(const QFont& font, QStringList candidates, int room, FitLimits limits)
{
    QFont f = font;
    const int ownSize = font.pixelSize();
    const int smallest =
        ownSize > 0 && limits.minPixelSize > 0 ? std::min(ownSize, limits.minPixelSize) : ownSize;
    bool pruned = false;
    qreal ownWidth = 0;
    for (int size = ownSize;; --size) {
        const bool last = size <= smallest || ownSize <= 0;
        if (size != ownSize) {
            // Widths scale about with the size; one clearly too wide even at the narrowest
            // stretch is passed over unmeasured.
            if (!last && ownWidth * size / ownSize * limits.minStretch / 100 > room * 1.05)
                continue;
            f.setPixelSize(size);
            f.setStretch(QFont::AnyStretch);
        }
        qreal width = 0;
        if (!pruned) {
            // Narrower glyphs and smaller sizes keep the proportions between the texts, so only
            // the widest few need measuring again.
            QList<qreal> widths;
            widths.reserve(candidates.size());
            const QFontMetricsF metrics(f);
            for (const QString& text : candidates)
                width = std::max(width, widths.emplace_back(metrics.horizontalAdvance(text)));
            QStringList widest;
            for (qsizetype i = 0; i < candidates.size(); ++i)
                if (widths[i] >= 0.9 * width)
                    widest.append(candidates[i]);
            candidates = widest;
            pruned = true;
            ownWidth = width;
        } else {
            width = widestAdvance(f, candidates);
        }

        int stretch = f.stretch() > 0 ? f.stretch() : 100;
        while (width > room && stretch > limits.minStretch) {
            // Glyph widths round to whole pixels, so a step may fall a little short; the next one
            // starts from there.
            const int wanted = int(qint64(stretch) * room / ceilPixels(width));
            if (wanted < limits.minStretch && !last)
                break; // a smaller size will read better than glyphs this narrow
            stretch = std::max(limits.minStretch, std::min(stretch - 1, wanted));
            f.setStretch(stretch);
            width = widestAdvance(f, candidates);
        }
        if (width <= room)
            return {f, true};
        if (last)
            break;
    }
    if (smallest > 0)
        f.setPixelSize(smallest);
    f.setStretch(limits.minStretch);
    return {f, false};
}

} // namespace

int textWidth(const QFont& font, const QString& text)
{
    return ceilPixels(QFontMetricsF(font).horizontalAdvance(text));
}

FittedFont fittedFont(const QFont& font, const QStringList& texts, int room, FitLimits limits)
{
    QStringList candidates = texts;
    candidates.removeDuplicates();

    static QHash<QString, Answer> answers;
    const QString key = QStringLiteral("%1|%2|%3|%4|%5\n")
                            .arg(font.key())
                            .arg(room)
                            .arg(limits.minPixelSize)
                            .arg(limits.minStretch)
                            .arg(font.stretch()) +
                        candidates.join(QLatin1Char('\n'));
    if (const auto it = answers.constFind(key); it != answers.cend()) {
        QFont f = font;
        if (it->pixelSize > 0)
            f.setPixelSize(it->pixelSize);
        f.setStretch(it->stretch);
        return {f, it->fits};
    }

    const FittedFont fitted = search(font, candidates, room, limits);
    if (answers.size() >= 64) // a handful of windows ask a handful of questions
        answers.clear();
    answers.insert(key, {fitted.font.pixelSize(), fitted.font.stretch(), fitted.fits});
    return fitted;
}

QFont narrowedToFit(const QFont& font, const QStringList& texts, int room, int minStretch)
{
    return fittedFont(font, texts, room, {0, minStretch}).font;
}

void narrowLabelToFit(QLabel* label, int room, int minStretch)
{
    QFont f = label->font();
    // The font as designed; unlike an explicit 100 % it shares the font engine already loaded.
    f.setStretch(QFont::AnyStretch);
    const QMargins margins = label->contentsMargins();
    const int chrome =
        margins.left() + margins.right() + 2 * label->margin() + std::max(0, label->indent());
    label->setFont(narrowedToFit(f, {label->text()}, room - chrome, minStretch));
    label->adjustSize();
}

void alignLastWord(QLabel* label, const QWidget* below)
{
    const QString text = label->text();
    const qsizetype lastStart = text.lastIndexOf(QLatin1Char(' ')) + 1;
    const QString before = text.left(lastStart);
    QFont f = label->font();
    const QFontMetricsF metrics(f);
    const qreal natural =
        metrics.horizontalAdvance(before) + metrics.horizontalAdvance(text.mid(lastStart)) / 2;
    // How many times the word spacing counts depends on how the text engine groups the blanks,
    // so measure it.
    QFont probe = f;
    probe.setWordSpacing(-1);
    const qreal gaps =
        metrics.horizontalAdvance(before) - QFontMetricsF(probe).horizontalAdvance(before);
    const qreal target =
        below->geometry().center().x() + 0.5 - label->x() - label->contentsRect().x();
    if (gaps > 0)
        f.setWordSpacing((target - natural) / gaps);
    label->setFont(f);
}

int textRoom(const QLineEdit* box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QMargins margins = box->textMargins();
    // QLineEdit keeps one pixel beyond the text for its caret and scrolls a text that leaves none.
    return contents.width() - margins.left() - margins.right() - 2 * kLineEditTextMargin - 1;
}

void fitBoxText(QLineEdit* box, const QFont& designed, FitLimits limits)
{
    const QFont font = fittedFont(designed, {box->text()}, textRoom(box), limits).font;
    if (box->font() != font)
        box->setFont(font);
}

namespace {

class ClippedTextHint final : public QObject
{
public:
    explicit ClippedTextHint(QLineEdit* box) : QObject(box), m_box(box), m_designed(box->font())
    {
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, &ClippedTextHint::update);
        // Setting the same text again changes no text but moves the cursor to the end, and a
        // clipped box would show the value's tail ("015" of "9.850015").
        connect(box, &QLineEdit::cursorPositionChanged, this, &ClippedTextHint::update);
        update();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Resize:
        case QEvent::FontChange:
        case QEvent::StyleChange:
            update();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void update()
    {
        // A description set by someone else since the last update is the box's own from now on.
        const QString current = m_box->accessibleDescription();
        if (current != m_written)
            m_ownDescription = current;

        const QString text = m_box->text();
        // A value first gives way in its glyphs and size, so that a short number such as 5000
        // reads whole in the box and in a picture of the window, also while it is being typed:
        // in the designed font a focused box would scroll its first digits away.
        const QFont font = fittedFont(m_designed, {text}, textRoom(m_box), kBoxLimits).font;
        if (m_box->font() != font)
            m_box->setFont(font);
        const bool clipped = !m_box->hasFocus() && textWidth(font, text) > textRoom(m_box);
        // A number reads from its first digit: a clipped value shows its beginning, not the end
        // where the cursor was left.
        if (clipped && m_box->cursorPosition() != 0)
            m_box->setCursorPosition(0);
        const QString tip = clipped ? text : QString();
        if (m_box->toolTip() != tip)
            m_box->setToolTip(tip);
        m_written = !clipped ? m_ownDescription
                    : m_ownDescription.isEmpty()
                        ? text
                        : QStringLiteral("%1 (%2)").arg(m_ownDescription, text);
        if (current != m_written)
            m_box->setAccessibleDescription(m_written);
    }

    // The smallest a value in a narrow box is drawn before it is rather cut and explained.
    static constexpr FitLimits kBoxLimits{8, 70};

    QLineEdit* m_box;
    QFont m_designed;
    QString m_ownDescription;
    QString m_written;
};

} // namespace

void explainClippedText(QLineEdit* box)
{
    new ClippedTextHint(box);
}

} // namespace trayeko::ui
