#include "ui/support/accessibletexts.h"

#include <QString>
#include <QWidget>

namespace trayeko::ui {

void setAccessibleTexts(QWidget* root, std::span<const AccessibleText> texts)
{
    for (const AccessibleText& t : texts) {
        const QString objectName = QString::fromUtf8(t.objectName);
        QWidget* w = objectName.isEmpty() ? root : root->findChild<QWidget*>(objectName);
        if (!w) {
            qWarning("setAccessibleTexts: no control named %s", t.objectName);
            continue;
        }
        if (t.name)
            w->setAccessibleName(QString::fromUtf8(t.name));
        if (t.description)
            w->setAccessibleDescription(QString::fromUtf8(t.description));
    }
}

} // namespace trayeko::ui
