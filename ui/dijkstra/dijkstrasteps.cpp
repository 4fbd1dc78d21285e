#include "ui/dijkstra/dijkstrasteps.h"

#include "core/dijkstratable.h"
#include "core/numbertext.h"
#include "core/routes.h"
#include "core/steps.h"
#include "core/weightstext.h"
#include "ui/drawing/networkview.h"
#include "ui/drawing/networkwindow.h"
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
    Lesson lesson;
    const std::vector<DijkstraStep> steps = dijkstraSteps(weights, separator);
    const std::vector<DijkstraTableRow> rows = dijkstraTable(steps, separator);
    for (const std::string& line : dijkstraPseudoCode())
        lesson.code << toQString(line);
    lesson.gridTitle = QStringLiteral("Tabel jarak (jarak (asal), * simpul yang ditetapkan)");
    // Copied or saved, the table names the weights it was worked out from.
    lesson.tableText =
        toQString(weightsHeading(weights, separator) + "\n" + dijkstraTableText(rows));
    CsvWriter csv(csvFieldSeparator(separator));
    writeWeightsRows(csv, weights, separator);
    lesson.tableCsv = csv.take() + dijkstraTableCsv(rows, separator);

    LessonGrid grid;
    for (const std::string& title : dijkstraTableHeader())
        grid.columns << toQString(title);
    grid.columns.removeFirst(); // the step number is the row's title
    for (const DijkstraTableRow& row : rows) {
        grid.rows << QString::number(row.step);
        grid.cells.emplace_back(grid.columns.size());
        grid.notes.emplace_back(grid.columns.size());
    }
    for (std::size_t s = 0; s < steps.size(); ++s) {
        const DijkstraStep& step = steps[s];
        // The rows up to this step are filled in, as on paper.
        const QStringList fields = [&] {
            QStringList f;
            for (const std::string& field : dijkstraTableFields(rows[s]))
                f << toQString(field);
            f.removeFirst();
            return f;
        }();
        grid.cells[s] = fields;
        grid.notes[s][step.fixedNode] = // column 0 is "Tetap"
            QStringLiteral("Simpul %1 ditetapkan pada langkah %2 dengan jarak %3")
                .arg(step.fixedNode)
                .arg(s + 1)
                .arg(toQString(formatGeneral(step.fixedDistance, separator)));
        grid.currentRow = int(s);

        StepFrame frame;
        for (int n = 1; n <= kNodeCount; ++n) {
            frame.marks.nodeTexts[size_t(n - 1)] =
                toQString(formatGeneral(step.distance[size_t(n - 1)], separator));
            if (step.bestLink[size_t(n - 1)] != 0)
                frame.marks.treeLinks.push_back(step.bestLink[size_t(n - 1)]);
        }
        for (int n = 1; n <= kNodeCount; ++n)
            frame.marks.fixedNodes[size_t(n - 1)] = step.fixed[size_t(n - 1)];
        frame.marks.pivotNode = step.fixedNode;
        for (const Improvement& imp : step.improvements)
            frame.marks.improvedLinks.push_back(imp.link);
        frame.explanation = toQString(step.explanation);
        frame.codeLines = step.codeLines;
        frame.variables = variablesText(step.variables);
        frame.grid = grid;
        lesson.frames.push_back(std::move(frame));
    }
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
        [](const LinkWeights& weights) {
            return dijkstraFrames(weights, regionalDecimalSeparator());
        },
        [window, messageBox](const LinkWeights& weights) {
            return acceptWeights(window->network(), weights, window->window(), messageBox);
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
