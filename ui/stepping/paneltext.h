#pragma once

#include <QAccessible>
#include <QString>

class QLabel;
class QObject;
class QWidget;

namespace trayeko::ui {

// A wrapped label as tall as its whole text needs at the panel's width, never cut or scrolled
// (a plain QLabel's minimum is one line, whatever its text), selectable, named for assistive
// technology.
QLabel* wrappedLabel(QWidget* parent, const QString& objectName, const QString& accessibleName);

// Tells assistive technology that @p object changed, so that a screen reader speaks the new text
// without the user moving there.
void announce(QObject* object, QAccessible::Event event);

} // namespace trayeko::ui
