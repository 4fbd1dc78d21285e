#pragma once

// What a screen reader can read of a panel, and the visible label texts it cannot.

#include <QAccessible>
#include <QLabel>
#include <QStringList>
#include <QTextDocument>
#include <QWidget>
#include <algorithm>

namespace trayeko::testing {

// Every name and value in the accessible tree below @p iface: what a screen reader can read.
inline QStringList readable(QAccessibleInterface* iface)
{
    QStringList out;
    if (!iface)
        return out;
    out << iface->text(QAccessible::Name) << iface->text(QAccessible::Value);
    for (int i = 0; i < iface->childCount(); ++i)
        out << readable(iface->child(i));
    return out;
}

// The texts of the visible labels inside @p panel that no accessible name or value holds.
inline QStringList unreadLabels(QWidget* panel)
{
    const QStringList read = readable(QAccessible::queryAccessibleInterface(panel));
    QStringList missing;
    for (QLabel* label : panel->findChildren<QLabel*>()) {
        QTextDocument shown;
        shown.setHtml(label->text());
        const QString text =
            Qt::mightBeRichText(label->text()) ? shown.toPlainText() : label->text();
        if (!label->isVisible() || text.trimmed().isEmpty())
            continue;
        if (std::none_of(read.begin(), read.end(),
                         [&](const QString& r) { return r.contains(text); }))
            missing << label->objectName() + ": " + text;
    }
    return missing;
}

} // namespace trayeko::testing
