#include "ui/stepping/paneltext.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QLabel>
#include <QResizeEvent>
#include <algorithm>

namespace trayeko::ui {

namespace {

class WholeTextLabel final : public QLabel
{
public:
    using QLabel::QLabel;

    // Laying a panel out asks each label its height at the same few widths many times over, and
    // each answer lays the whole text out anew: the answers are kept for as long as the text,
    // font, margins and style they were worked out for.
    int heightForWidth(int width) const override
    {
        if (text() != m_measuredText || font() != m_measuredFont ||
            contentsMargins() != m_measuredMargins || style() != m_measuredStyle ||
            m_heights.size() >= kMostHeightsKept) {
            m_heights.clear();
            m_measuredText = text();
            m_measuredFont = font();
            m_measuredMargins = contentsMargins();
            m_measuredStyle = style();
        }
        if (const auto known = m_heights.constFind(width); known != m_heights.constEnd())
            return *known;
        const int height = QLabel::heightForWidth(width);
        m_heights.insert(width, height);
        return height;
    }

    QSize minimumSizeHint() const override
    {
        QSize size = QLabel::minimumSizeHint();
        if (width() > 0)
            size.setHeight(std::max(size.height(), heightForWidth(width())));
        return size;
    }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            m_heights.clear();
        QLabel::changeEvent(event);
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        if (event->size().width() != event->oldSize().width())
            updateGeometry();
    }

private:
    static constexpr qsizetype kMostHeightsKept = 64;
    mutable QHash<int, int> m_heights;
    mutable QString m_measuredText;
    mutable QFont m_measuredFont;
    mutable QMargins m_measuredMargins;
    mutable const QStyle* m_measuredStyle = nullptr;
};

class AnnouncerAccessible final : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const Announcer*>(object())->said();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* announcerInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        if (auto* announcer = qobject_cast<Announcer*>(object))
            return new AnnouncerAccessible(announcer);
    return nullptr;
}

} // namespace

QLabel* wrappedLabel(QWidget* parent, const QString& objectName, const QString& caption)
{
    auto* label = new WholeTextLabel(parent);
    label->setObjectName(objectName);
    // No accessible name of its own: Qt then reads the label's text as its name, so a screen
    // reader speaks the value shown (the question, the score) and tells of each new text; the
    // caption only says what kind of value it is.
    label->setAccessibleDescription(caption);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Minimum);
    return label;
}

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    // Before the first interface is asked for: Qt keeps the one it made first.
    static const bool installed = [] {
        QAccessible::installFactory(announcerInterface);
        return true;
    }();
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    // Shown only for the moment of saying: a page shown again must not say its last text again.
    hide();
}

void Announcer::say(const QString& text)
{
    if (text.isEmpty())
        return;
    m_said = text;
    // The new name first, for assistive technology that keeps the names it has read.
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    // Appearing is what is announced; gone again at once, it can appear for the next text.
    show();
    hide();
    emit spoken(text);
}

} // namespace trayeko::ui
