#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace trayeko::ui {

// What a window reaches of its surroundings, injectable so that tests answer for them.

// Shows a modal message with the critical icon and one OK button. Windows hold one so that tests
// can answer it without a modal loop.
using MessageBoxFn =
    std::function<void(QWidget* parent, const QString& title, const QString& text)>;

MessageBoxFn criticalMessageBox();

// Asks for one line of text under @p label, like QInputDialog::getText; empty where the user
// cancelled.
using TextInputFn = std::function<std::optional<QString>(QWidget* parent, const QString& title,
                                                         const QString& label)>;

TextInputFn standardTextInput();

// The decimal separator of the user's regional settings (the default QLocale), as UTF-8. Tests
// pick it with QLocale::setDefault.
std::string regionalDecimalSeparator();

} // namespace trayeko::ui
