#pragma once

#include <QAccessible>
#include <QString>

class QLabel;
class QObject;
class QWidget;

namespace trayeko::ui {

// A wrapped label as tall as its whole text needs at the panel's width, never cut or scrolled
// (a plain QLabel's minimum is one line, whatever its text), selectable. Assistive technology
// reads its text as its name and @p caption (what the text is) as its description.
QLabel* wrappedLabel(QWidget* parent, const QString& objectName, const QString& caption);

// Tells assistive technology that @p object changed, so that a screen reader speaks the new text
// without the user moving there.
void announce(QObject* object, QAccessible::Event event);

} // namespace trayeko::ui
