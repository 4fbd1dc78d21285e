#include "ui/stepping/paneltext.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QResizeEvent>
#include <algorithm>

namespace trayeko::ui {

namespace {

class WholeTextLabel final : public QLabel
{
public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override
    {
        QSize size = QLabel::minimumSizeHint();
        if (width() > 0)
            size.setHeight(std::max(size.height(), heightForWidth(width())));
        return size;
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QLabel::resizeEvent(event);
        if (event->size().width() != event->oldSize().width())
            updateGeometry();
    }
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
