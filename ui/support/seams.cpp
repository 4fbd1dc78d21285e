#include "ui/support/seams.h"

#include <QLocale>
#include <QMessageBox>

namespace trayeko::ui {

MessageBoxFn criticalMessageBox()
{
    return [](QWidget* parent, const QString& title, const QString& text) {
        QMessageBox::critical(parent, title, text, QMessageBox::Ok);
    };
}

std::string regionalDecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

} // namespace trayeko::ui
