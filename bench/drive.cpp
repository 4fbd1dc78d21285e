#include "bench/drive.h"

#include "ui/compare/frmdata.h"
#include "ui/dijkstra/frmtrayeko.h"
#include "ui/floyd/frmfloid.h"
#include "ui/main/mdiform1.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>

namespace trayeko::bench {

namespace {

template <class Window> Window* openWindow(const ui::MDIForm1& frame)
{
    for (Window* w : frame.findChildren<Window*>())
        if (!w->isHidden())
            return w;
    return nullptr;
}

} // namespace

void chooseMenu(ui::MDIForm1& frame, const QString& entry)
{
    if (auto* action = frame.findChild<QAction*>(entry))
        action->trigger();
}

ui::frmTrayeko* dijkstraWindow(const ui::MDIForm1& frame)
{
    return openWindow<ui::frmTrayeko>(frame);
}

ui::frmFloid* floydWindow(const ui::MDIForm1& frame)
{
    return openWindow<ui::frmFloid>(frame);
}

ui::frmData* compareWindow(const ui::MDIForm1& frame)
{
    return openWindow<ui::frmData>(frame);
}

QPushButton* button(const QWidget* window, const QString& name)
{
    return window->findChild<QPushButton*>(name);
}

void chooseScenario(ui::frmData* window, int index)
{
    auto* combo = window->findChild<QComboBox*>(QStringLiteral("Combo2"));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace trayeko::bench
