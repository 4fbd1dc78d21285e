#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QObject;
class QWidget;

namespace trayeko::ui {

// A wrapped label as tall as its whole text needs at the panel's width, never cut or scrolled
// (a plain QLabel's minimum is one line, whatever its text), selectable. Assistive technology
// reads its text as its name and @p caption (what the text is) as its description.
QLabel* wrappedLabel(QWidget* parent, const QString& objectName, const QString& caption);

// Tells a screen reader's user something wherever the keyboard focus is, such as the feedback on
// an answer or the explanation of a step. Qt 6.4 has no call for it, and Orca reads a change of a
// text only on the focused control; what it reads wherever the focus is, is an element of the
// role notification that appears (as it reads the desktop's notifications): the announcer is such
// an element, taking no room and no focus, whose name is the text, and it appears for a moment
// for each text.
class Announcer final : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent);

    // Speaks @p text, even the same text again (a repeated mistake is news too); an empty text
    // says nothing.
    void say(const QString& text);
    QString said() const { return m_said; }

signals:
    // After each text said: what a screen reader was given to speak.
    void spoken(const QString& text);

private:
    QString m_said;
};

} // namespace trayeko::ui
