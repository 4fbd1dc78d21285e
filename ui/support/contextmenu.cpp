#include "ui/support/contextmenu.h"

#include <QAction>
#include <QVariant>
#include <QWidget>

namespace trayeko::ui {

namespace {

constexpr char kSectionProperty[] = "menuSection";

int sectionOf(const QAction* action)
{
    return action->property(kSectionProperty).toInt();
}

QAction* separator(QWidget* widget, MenuSection section)
{
    auto* s = new QAction(widget);
    s->setSeparator(true);
    s->setProperty(kSectionProperty, int(section));
    return s;
}

} // namespace

void addMenuEntries(QWidget* widget, MenuSection section, const QList<QAction*>& actions)
{
    widget->setContextMenuPolicy(Qt::ActionsContextMenu);
    const QList<QAction*> present = widget->actions();
    qsizetype at = 0;
    while (at < present.size() && sectionOf(present[at]) <= int(section))
        ++at;
    QAction* before = at < present.size() ? present[at] : nullptr;
    QList<QAction*> entries;
    if (at > 0 && sectionOf(present[at - 1]) != int(section))
        entries << separator(widget, section);
    for (QAction* action : actions) {
        action->setProperty(kSectionProperty, int(section));
        entries << action;
    }
    // A later section that came first has no separator of its own before it yet.
    if (before && at == 0 && !before->isSeparator())
        entries << separator(widget, section);
    widget->insertActions(before, entries);
}

} // namespace trayeko::ui
