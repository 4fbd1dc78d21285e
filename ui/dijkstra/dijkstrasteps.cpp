#include "ui/dijkstra/dijkstrasteps.h"

#include "core/dijkstratable.h"
#include "core/numbertext.h"
#include "core/routes.h"
#include "core/steps.h"
#include "core/weightstext.h"
#include "ui/drawing/networkview.h"
#include "ui/drawing/networkwindow.h"
#include "ui/stepping/lessons.h"
#include "ui/support/twips.h"
#include "ui/support/utf8.h"

#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace trayeko::ui {

std::vector<StepFrame> dijkstraFrames(const LinkWeights& weights, const std::string& separator)
{
    return dijkstraLesson(weights, separator).frames;
}

Lesson dijkstraLesson(const LinkWeights& weights, const std::string& separator)
{
    // The demonstration's steps close with the route the run chooses; its table names the
    // fourteen links in their fixed order.
    const std::vector<DijkstraStep> steps = dijkstraSteps(weights, separator);
    Lesson lesson = dijkstraLesson(demoNetwork(weights), kStartNode, kEndNode, steps, separator);
    const std::vector<DijkstraTableRow> rows = dijkstraTable(steps, separator);
    lesson.tableText =
        toQString(weightsHeading(weights, separator) + "\n" + dijkstraTableText(rows));
    CsvWriter csv(csvFieldSeparator(separator));
    writeWeightsRows(csv, weights, separator);
    lesson.tableCsv = csv.take() + dijkstraTableCsv(rows, separator);
    return lesson;
}

bool acceptWeights(NetworkView* view, const LinkWeights& weights, QWidget* parent,
                   const MessageBoxFn& messageBox)
{
    const WeightVerdict verdict = checkWeights(weights);
    if (verdict == WeightVerdict::Accepted)
        return true;
    messageBox(parent, toQString(kRefusalTitle), toQString(refusalMessage(verdict)));
    // After the message, so that the box has the focus when the dialog gives it back. The
    // selection runs backwards, leaving the cursor at the start: a value too wide for its box
    // shows its first digits.
    QLineEdit* box = view->weightBox(refusedLink(weights));
    box->setFocus(Qt::OtherFocusReason);
    box->setSelection(int(box->text().size()), -int(box->text().size()));
    return false;
}

StepMode* addDijkstraStepMode(NetworkWindow* window, MessageBoxFn messageBox)
{
    return new StepMode(window, [window, messageBox] {
        const LinkWeights weights = window->network()->weights();
        if (!acceptWeights(window->network(), weights, window->window(), messageBox))
            return Lesson{};
        return dijkstraLesson(weights, regionalDecimalSeparator());
    });
}

DijkstraExercise* addDijkstraExercise(NetworkWindow* window, StepMode* steps,
                                      ClassroomActions* classroom, MessageBoxFn messageBox)
{
    return new DijkstraExercise(
        window, steps, classroom,
        [](const LessonNetwork& lesson) {
            return dijkstraFrames(demoWeights(lesson.network), regionalDecimalSeparator());
        },
        [window, messageBox](const LessonNetwork& lesson) {
            return acceptWeights(window->network(), demoWeights(lesson.network), window->window(),
                                 messageBox);
        });
}

RoutePreview::RoutePreview(NetworkWindow* window, QPlainTextEdit* table, StepMode* steps)
    : QObject(table), m_view(window->network()), m_table(table), m_steps(steps)
{
    setObjectName(QStringLiteral("routePreview"));
    table->installEventFilter(this);
    // The arrow keys move the text cursor from line to line (and with it the route drawn); the
    // table stays read-only.
    table->setTextInteractionFlags(table->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    connect(table, &QPlainTextEdit::cursorPositionChanged, this, &RoutePreview::update);
    if (steps) {
        connect(steps, &StepMode::entered, this, &RoutePreview::end);
        // A table that got the focus during step mode draws its line's route once it is over.
        connect(steps, &StepMode::left, this, &RoutePreview::update);
    }
    // A run paints its own result; the preview ends first so that it never paints stale colours
    // back, and starts again on the new table if the table keeps the focus.
    connect(window, &NetworkWindow::runStarting, this, &RoutePreview::end);
}

bool RoutePreview::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table) {
        if (event->type() == QEvent::FocusIn)
            update();
        else if (event->type() == QEvent::FocusOut)
            end();
    }
    return QObject::eventFilter(watched, event);
}

void RoutePreview::update()
{
    if (!m_view || !m_table->hasFocus() || (m_steps && m_steps->isActive()))
        return;
    // Line k of the table is route k; before the first run the table is empty.
    const bool listed = m_table->document()->blockCount() == kRouteCount;
    const int route = listed ? m_table->textCursor().blockNumber() + 1 : 0;
    if (route == 0) {
        end();
        return;
    }
    if (route == m_route)
        return;
    m_route = route;
    const CandidateRoute& candidate = candidateRoute(route);
    m_view->model().setLayer(DrawingLayer::Preview,
                             {{candidate.innerNodes.begin(), candidate.innerNodes.end()},
                              {candidate.links.begin(), candidate.links.end()},
                              lineColour(),
                              boxColour(),
                              QStringLiteral("Lintasan nomor %1 ditampilkan: simpul %2")
                                  .arg(route)
                                  .arg(toQString(candidate.nodeText)),
                              {}});
}

void RoutePreview::end()
{
    if (m_route == 0 || !m_view)
        return;
    m_route = 0;
    m_view->model().clearLayer(DrawingLayer::Preview);
}

} // namespace trayeko::ui
