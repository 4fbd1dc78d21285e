#pragma once

#include <QString>

class QHBoxLayout;
class QLineEdit;
class QWidget;

namespace trayeko::ui {

// A line edit with its caption in @p row, the caption its buddy; the exercise panel's name and
// the answer pages' fields look alike.
QLineEdit* addLabelledField(QWidget* parent, QHBoxLayout* row, const QString& caption,
                            const char* objectName, const QString& accessibleName);

} // namespace trayeko::ui
