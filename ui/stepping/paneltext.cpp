#include "ui/stepping/paneltext.h"

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

void announce(QObject* object, QAccessible::Event event)
{
    QAccessibleEvent e(object, event);
    QAccessible::updateAccessibility(&e);
}

} // namespace trayeko::ui
