#include "ui/support/seams.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>

namespace trayeko::ui {

MessageBoxFn criticalMessageBox()
{
    return [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox::critical(parent, title, text, QMessageBox::Ok);
    };
}

TextInputFn standardTextInput()
{
    return [](QWidget* parent, const QString& title, const QString& label) {
        bool ok = false;
        const QString text =
            QInputDialog::getText(parent, title, label, QLineEdit::Normal, {}, &ok);
        return ok ? std::optional<QString>(text) : std::nullopt;
    };
}

std::string regionalDecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

} // namespace trayeko::ui
