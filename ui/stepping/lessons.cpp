#include "ui/stepping/lessons.h"

#include "core/dijkstratable.h"
#include "core/floydcsv.h"
#include "core/numbertext.h"
#include "core/routes.h"
#include "ui/drawing/drawingwidget.h"
#include "ui/support/utf8.h"

namespace trayeko::ui {

namespace {

std::string linkEnds(const Network& network, const NetworkLink& link)
{
    return network.nodeLabel(link.from) + "\u2192" + network.nodeLabel(link.to);
}

} // namespace

Lesson dijkstraLesson(const Network& network, int start, int end, const std::string& separator)
{
    return dijkstraLesson(network, start, end, dijkstraSteps(network, start, end, separator),
                          separator);
}

Lesson dijkstraLesson(const Network& network, int start, int end,
                      const std::vector<DijkstraStep>& steps, const std::string& separator)
{
    Lesson lesson;
    const int nodeCount = network.nodeCount();
    const std::vector<DijkstraTableRow> rows = dijkstraTable(steps, separator);
    const std::vector<std::string> header = dijkstraTableHeader(network);
    for (const std::string& line : dijkstraPseudoCode(start, end))
        lesson.code << toQString(line);
    lesson.gridTitle = QStringLiteral("Tabel jarak (jarak (asal), * simpul yang ditetapkan)");

    // Copied or saved, the table names the links and weights it was worked out from.
    std::string weights = "Bobot:";
    CsvWriter csv(csvFieldSeparator(separator));
    std::vector<std::string> ends{"Jalur"};
    std::vector<std::string> values{"Bobot"};
    for (const NetworkLink& link : network.links()) {
        const std::string value = formatGeneral(link.weight, separator);
        weights += (ends.size() == 1 ? " " : "; ") + linkEnds(network, link) + " = " + value;
        ends.push_back(linkEnds(network, link));
        values.push_back(value);
    }
    csv.row(ends);
    csv.row(values);
    csv.row({});
    lesson.tableText = toQString(weights + "\n" + dijkstraTableText(rows, header));
    lesson.tableCsv = csv.take() + dijkstraTableCsv(rows, separator, header);

    LessonGrid grid;
    for (const std::string& title : header)
        grid.columns << toQString(title);
    grid.columns.removeFirst(); // the step number is the row's title
    for (const DijkstraTableRow& row : rows) {
        grid.rows << QString::number(row.step);
        grid.cells.emplace_back(grid.columns.size());
        grid.notes.emplace_back(grid.columns.size());
    }
    for (std::size_t s = 0; s < steps.size() && s < rows.size(); ++s) {
        const DijkstraStep& step = steps[s];
        // The rows up to this step are filled in, as on paper.
        QStringList fields;
        for (const std::string& field : dijkstraTableFields(rows[s]))
            fields << toQString(field);
        fields.removeFirst();
        grid.cells[s] = fields;
        if (step.fixedNode >= 1 && step.fixedNode < grid.columns.size()) // column 0 is "Tetap"
            grid.notes[s][step.fixedNode] =
                QStringLiteral("Simpul %1 ditetapkan pada langkah %2 dengan jarak %3")
                    .arg(toQString(network.nodeLabel(step.fixedNode)))
                    .arg(s + 1)
                    .arg(toQString(formatGeneral(step.fixedDistance, separator)));
        grid.currentRow = int(s);

        StepFrame frame;
        frame.marks = StepMarks(nodeCount);
        for (int n = 1; n <= nodeCount && at(n) < step.distance.size(); ++n) {
            frame.marks.nodeTexts[at(n)] =
                toQString(formatGeneral(step.distance[at(n)], separator));
            frame.marks.fixedNodes[at(n)] = step.fixed[at(n)];
            if (step.bestLink[at(n)] != 0)
                frame.marks.treeLinks.push_back(step.bestLink[at(n)]);
        }
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

Lesson floydLesson(const Network& network, int start, int end, const std::string& separator)
{
    return floydLesson(network.nodeCount(), floydChanges(network, start, end, separator),
                       separator);
}

Lesson floydLesson(int nodeCount, const std::vector<FloydIteration>& iterations,
                   const std::string& separator)
{
    Lesson lesson;
    for (const std::string& line : floydPseudoCode(nodeCount))
        lesson.code << toQString(line);
    for (const FloydIteration& it : iterations) {
        StepFrame frame;
        frame.marks = StepMarks(nodeCount);
        frame.marks.pivotNode = it.k;
        for (int n = 1; n <= nodeCount && at(n) < it.fromStart.size(); ++n)
            frame.marks.nodeTexts[at(n)] = toQString(floydCellText(it.fromStart[at(n)], separator));
        frame.marks.treeLinks = it.routeLinks;
        frame.explanation = toQString(it.explanation);
        frame.codeLines = it.codeLines;
        frame.variables = variablesText(it.variables);
        LessonGrid& grid = frame.grid;
        for (int n = 1; n <= nodeCount; ++n) {
            grid.columns << QString::number(n);
            grid.rows << QString::number(n);
            QStringList row;
            if (at(n) < it.value.size())
                for (const auto& cell : it.value[at(n)])
                    row << toQString(floydCellText(cell, separator));
            grid.cells.push_back(row);
            grid.notes.emplace_back(nodeCount);
        }
        for (const FloydChange& c : it.changes)
            if (c.from >= 1 && c.from <= nodeCount && c.to >= 1 && c.to <= nodeCount)
                grid.notes[at(c.from)][c.to - 1] = toQString(floydChangeText(c, it.k, separator));
        lesson.frames.push_back(std::move(frame));
    }
    lesson.gridTitle =
        QStringLiteral("Matriks nilai sesudah iterasi k (sel yang berubah ditandai)");
    return lesson;
}

std::vector<StepFrame> lessonFrames(const LessonNetwork& lesson, bool floyd,
                                    const std::string& separator)
{
    return floyd ? floydLesson(lesson.network, lesson.start, lesson.endNode(), separator).frames
                 : dijkstraLesson(lesson.network, lesson.start, lesson.endNode(), separator).frames;
}

QString lessonRefusal(const LessonNetwork& lesson, bool floyd)
{
    const Network& network = lesson.network;
    if (!network.hasNode(lesson.start) || !network.hasNode(lesson.endNode()))
        return QStringLiteral("Jaringan ini belum punya simpul awal dan simpul akhir.");
    if (const int k = firstNonFiniteLink(network); k != 0)
        return QStringLiteral("Bobot jalur %1 bukan bilangan yang dapat dihitung.")
            .arg(toQString(linkEnds(network, network.link(k))));
    // Dijkstra's method fixes a node for good, which a negative link would contradict.
    if (!floyd && hasNegativeWeight(network))
        return toQString(refusalMessage(WeightVerdict::Negative));
    return {};
}

bool acceptLesson(const LessonNetwork& lesson, bool floyd, QWidget* parent,
                  const MessageBoxFn& messageBox)
{
    const QString refusal = lessonRefusal(lesson, floyd);
    if (refusal.isEmpty())
        return true;
    if (messageBox)
        messageBox(parent, toQString(kRefusalTitle), refusal);
    return false;
}

StepMode* addLessonStepMode(LessonWindow* window, bool floyd, MessageBoxFn messageBox)
{
    return new StepMode(window, [window, floyd, messageBox] {
        const LessonNetwork lesson = window->lessonNetwork();
        if (!acceptLesson(lesson, floyd, window->window(), messageBox))
            return Lesson{};
        const std::string separator = regionalDecimalSeparator();
        return floyd ? floydLesson(lesson.network, lesson.start, lesson.endNode(), separator)
                     : dijkstraLesson(lesson.network, lesson.start, lesson.endNode(), separator);
    });
}

} // namespace trayeko::ui
