#include "bench/drive.h"

#include "ui/compare/comparewindow.h"
#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/floyd/floydwindow.h"
#include "ui/main/mainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QPushButton>

namespace trayeko::bench {

namespace {

template <class Window> Window* openWindow(const ui::MainWindow& frame)
{
    for (Window* w : frame.findChildren<Window*>())
        if (!w->isHidden())
            return w;
    return nullptr;
}

} // namespace

void chooseMenu(ui::MainWindow& frame, const QString& entry)
{
    if (auto* action = frame.findChild<QAction*>(entry))
        action->trigger();
}

ui::DijkstraWindow* dijkstraWindow(const ui::MainWindow& frame)
{
    return openWindow<ui::DijkstraWindow>(frame);
}

ui::FloydWindow* floydWindow(const ui::MainWindow& frame)
{
    return openWindow<ui::FloydWindow>(frame);
}

ui::CompareWindow* compareWindow(const ui::MainWindow& frame)
{
    return openWindow<ui::CompareWindow>(frame);
}

QPushButton* button(const QWidget* window, const QString& name)
{
    return window->findChild<QPushButton*>(name);
}

void chooseScenario(ui::CompareWindow* window, int index)
{
    auto* combo = window->findChild<QComboBox*>(QStringLiteral("Combo2"));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

} // namespace trayeko::bench
