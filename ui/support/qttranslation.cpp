#include "ui/support/qttranslation.h"

#include <QCoreApplication>
#include <QTranslator>

namespace trayeko::ui {

bool useIndonesianQtTexts()
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral(":/i18n/qt_id.qm")) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace trayeko::ui
