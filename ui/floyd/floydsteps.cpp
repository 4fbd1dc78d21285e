#include "ui/floyd/floydsteps.h"

#include "core/floyd.h"
#include "core/numbertext.h"
#include "core/steps.h"
#include "ui/drawing/networkview.h"
#include "ui/drawing/networkwindow.h"
#include "ui/support/contextmenu.h"
#include "ui/support/seams.h"
#include "ui/support/utf8.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

namespace trayeko::ui {

namespace {

// Bottom left of the frame, below box j3 and left of node 4.
const QRect kPanelRect{3, 300, 146, 76};

std::vector<StepFrame> floydFrames(const NetworkView& view)
{
    const std::string separator = regionalDecimalSeparator();
    std::vector<StepFrame> frames;
    for (const FloydIteration& it : floydChanges(view.weights(), separator)) {
        StepFrame frame;
        frame.marks.pivotNode = it.k;
        for (int n = 1; n <= kNodeCount; ++n) {
            const auto& cell = it.fromStart[size_t(n - 1)];
            frame.marks.nodeTexts[size_t(n - 1)] =
                cell ? toQString(formatGeneral(*cell, separator)) : QStringLiteral("∞");
        }
        frame.marks.treeLinks = it.routeLinks;
        frame.explanation = toQString(it.explanation);
        frames.push_back(std::move(frame));
    }
    return frames;
}

} // namespace

StepMode* addFloydStepMode(NetworkWindow* window, QListWidget* values, QListWidget* nodes,
                           std::function<std::optional<LinkWeights>()> listedWeights)
{
    NetworkView* view = window->network();
    auto* steps = new StepMode(window, kPanelRect, [view] { return floydFrames(*view); });
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
