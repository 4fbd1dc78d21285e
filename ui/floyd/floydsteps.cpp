#include "ui/floyd/floydsteps.h"

#include "core/floyd.h"
#include "core/numbertext.h"
#include "core/steps.h"
#include "ui/drawing/networkview.h"
#include "ui/drawing/networkwindow.h"
#include "ui/stepping/lessons.h"
#include "ui/support/contextmenu.h"
#include "ui/support/seams.h"
#include "ui/support/utf8.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

namespace trayeko::ui {

Lesson floydLesson(const LinkWeights& weights, const std::string& separator)
{
    return floydLesson(kNodeCount, floydChanges(weights, separator), separator);
}

StepMode* addFloydStepMode(NetworkWindow* window, QListWidget* values, QListWidget* nodes,
                           std::function<std::optional<LinkWeights>()> listedWeights)
{
    NetworkView* view = window->network();
    auto* steps = new StepMode(
        window, [view] { return floydLesson(view->weights(), regionalDecimalSeparator()); });
    for (QListWidget* list : {values, nodes})
        addMenuEntries(list, MenuSection::Steps, {steps->action()});
    // Where the listings stood before step mode, to put them back afterwards, and whether they
    // list the weights being stepped through: after an edit without a run their blocks would
    // contradict the explanation, so they are left where they are.
    auto saved = std::make_shared<std::pair<int, int>>();
    auto listsTheseWeights = std::make_shared<bool>(false);
    QObject::connect(steps, &StepMode::entered, steps, [=] {
        *saved = {values->verticalScrollBar()->value(), nodes->verticalScrollBar()->value()};
        *listsTheseWeights = listedWeights() == view->weights();
    });
    QObject::connect(steps, &StepMode::left, steps, [=] {
        values->verticalScrollBar()->setValue(saved->first);
        nodes->verticalScrollBar()->setValue(saved->second);
    });
    QObject::connect(steps, &StepMode::stepShown, steps, [=](int index) {
        if (!*listsTheseWeights)
            return;
        const int k = index + 1;
        if (QListWidgetItem* item = values->item(valueHeaderLine(k)))
            values->scrollToItem(item, QAbstractItemView::PositionAtTop);
        if (QListWidgetItem* item = nodes->item(nodeHeaderLine(k)))
            nodes->scrollToItem(item, QAbstractItemView::PositionAtTop);
    });
    return steps;
}

} // namespace trayeko::ui
