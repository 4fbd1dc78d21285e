#include "ui/stepping/lessons.h"

#include "core/bellmanford.h"
#include "core/dijkstratable.h"
#include "core/floydcsv.h"
#include "core/numbertext.h"
#include "core/routes.h"
#include "ui/drawing/drawingwidget.h"
#include "ui/support/utf8.h"

#include <bit>
#include <cstdint>

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

namespace {

using MatrixRow = std::vector<std::optional<double>>;

// Whether two cells hold the same value to the bit, and so read the same (0 and −0 need not, and
// a NaN is no value equal to itself).
bool sameCell(const std::optional<double>& a, const std::optional<double>& b)
{
    if (!a || !b)
        return !a && !b;
    return std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b);
}

// The texts of @p values: those of @p before (the texts of @p beforeValues) where a cell holds
// what it held, so that the rows an iteration leaves alone stay one shared list and only the
// cells it lowered are written out anew.
QStringList cellTexts(const MatrixRow& values, const MatrixRow* beforeValues,
                      const QStringList* before, const std::string& separator)
{
    const bool comparable = beforeValues && before && beforeValues->size() == values.size() &&
                            before->size() == qsizetype(values.size());
    QStringList texts = comparable ? *before : QStringList();
    for (std::size_t c = 0; c < values.size(); ++c) {
        if (!comparable)
            texts << toQString(floydCellText(values[c], separator));
        else if (!sameCell(values[c], (*beforeValues)[c]))
            texts[qsizetype(c)] = toQString(floydCellText(values[c], separator));
    }
    return texts;
}

} // namespace

Lesson floydLesson(int nodeCount, const std::vector<FloydIteration>& iterations,
                   const std::string& separator)
{
    Lesson lesson;
    for (const std::string& line : floydPseudoCode(nodeCount))
        lesson.code << toQString(line);
    // What every frame's grid shares: its headings and, until a cell is changed, its notes.
    QStringList numbers;
    for (int n = 1; n <= nodeCount; ++n)
        numbers << QString::number(n);
    const QStringList noNotes(nodeCount);
    const FloydIteration* before = nullptr;
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
        grid.columns = numbers;
        grid.rows = numbers;
        const LessonGrid* beforeGrid = before ? &lesson.frames.back().grid : nullptr;
        for (int n = 1; n <= nodeCount; ++n) {
            const std::size_t r = at(n);
            const bool hasRow = r < it.value.size();
            const bool hadRow =
                beforeGrid && r < before->value.size() && r < beforeGrid->cells.size();
            grid.cells.push_back(
                hasRow ? cellTexts(it.value[r], hadRow ? &before->value[r] : nullptr,
                                   hadRow ? &beforeGrid->cells[r] : nullptr, separator)
                       : QStringList());
            grid.notes.push_back(noNotes);
        }
        for (const FloydChange& c : it.changes)
            if (c.from >= 1 && c.from <= nodeCount && c.to >= 1 && c.to <= nodeCount)
                grid.notes[at(c.from)][c.to - 1] = toQString(floydChangeText(c, it.k, separator));
        lesson.frames.push_back(std::move(frame));
        before = &it;
    }
    lesson.gridTitle =
        QStringLiteral("Matriks nilai sesudah iterasi k (sel yang berubah ditandai)");
    return lesson;
}

namespace {

// The lines of bellmanFordPseudoCode a frame runs.
const std::vector<int> kStartLines{1, 2};
const std::vector<int> kChangingPassLines{3, 4, 5, 6, 7, 8};
const std::vector<int> kQuietPassLines{3, 4, 5, 6, 9};
const std::vector<int> kExtraPassLines{10, 11};

StepMarks distanceMarks(const Network& network, const std::vector<double>& distance,
                        const std::vector<int>& previous, const std::string& separator)
{
    const int nodeCount = network.nodeCount();
    StepMarks marks(nodeCount);
    for (int n = 1; n <= nodeCount && at(n) < distance.size(); ++n) {
        marks.nodeTexts[at(n)] = toQString(formatGeneral(distance[at(n)], separator));
        if (at(n) < previous.size() && previous[at(n)] != 0)
            if (const int link = network.findLink(previous[at(n)], n); link != 0)
                marks.treeLinks.push_back(link);
    }
    return marks;
}

} // namespace

Lesson bellmanFordLesson(const Network& network, int start, int end, const std::string& separator)
{
    Lesson lesson;
    const int nodeCount = network.nodeCount();
    const BellmanFordResult result = bellmanFord(network, start);
    for (const std::string& line : bellmanFordPseudoCode(nodeCount, network.nodeLabel(start)))
        lesson.code << toQString(line);
    lesson.gridTitle =
        QStringLiteral("Jarak sesudah setiap putaran (sel yang turun pada putaran itu ditandai)");

    LessonGrid grid;
    for (int n = 1; n <= nodeCount; ++n)
        grid.columns << toQString(network.nodeLabel(n));
    const auto addRow = [&](const QString& title, const std::vector<double>& distance) {
        grid.rows << title;
        QStringList cells;
        for (double d : distance)
            cells << toQString(formatGeneral(d, separator));
        grid.cells.push_back(cells);
        grid.notes.emplace_back(nodeCount);
        grid.currentRow = int(grid.rows.size()) - 1;
    };

    // The start: only the start node's distance is known.
    std::vector<double> before(std::size_t(nodeCount), kNoPath);
    if (network.hasNode(start))
        before[at(start)] = 0;
    addRow(QStringLiteral("awal"), before);
    StepFrame first;
    first.marks = distanceMarks(network, before, {}, separator);
    first.explanation =
        QStringLiteral("Awal: d[%1] = 0, jarak simpul lain ∞. Setiap putaran memeriksa semua "
                       "jalur menurut nomornya.")
            .arg(toQString(network.nodeLabel(start)));
    first.codeLines = kStartLines;
    first.grid = grid;
    lesson.frames.push_back(first);

    for (std::size_t p = 0; p < result.passes.size(); ++p) {
        const BellmanFordPass& pass = result.passes[p];
        const int number = int(p) + 1;
        addRow(QString::number(number), pass.distance);
        for (int n = 1; n <= nodeCount; ++n)
            if (pass.distance[at(n)] != before[at(n)])
                grid.notes.back()[at(n)] =
                    QStringLiteral("d[%1] turun pada putaran %2 dari %3 menjadi %4")
                        .arg(toQString(network.nodeLabel(n)))
                        .arg(number)
                        .arg(toQString(formatGeneral(before[at(n)], separator)))
                        .arg(toQString(formatGeneral(pass.distance[at(n)], separator)));
        before = pass.distance;

        StepFrame frame;
        frame.marks = distanceMarks(network, pass.distance, pass.previous, separator);
        frame.marks.improvedLinks = pass.relaxedLinks;
        const bool last = result.stoppedEarly && p + 1 == result.passes.size();
        frame.explanation = toQString(last ? bellmanFordClosingText(network, result, end, separator)
                                           : bellmanFordPassText(network, result, number, separator));
        frame.codeLines = pass.relaxedLinks.empty() ? kQuietPassLines : kChangingPassLines;
        frame.variables = variablesText(
            {{"i", std::to_string(number)},
             {"berubah", pass.relaxedLinks.empty() ? "salah" : "benar"}});
        frame.grid = grid;
        lesson.frames.push_back(std::move(frame));
    }

    if (!result.stoppedEarly) {
        // The extra pass: either every distance stands, or a cycle keeps lowering them and no
        // distance is shown as if it were true.
        StepFrame frame;
        frame.codeLines = kExtraPassLines;
        frame.explanation = toQString(bellmanFordClosingText(network, result, end, separator));
        if (result.negativeCycle) {
            frame.marks = StepMarks(nodeCount);
            frame.marks.improvedLinks = result.negativeCycle->links;
            grid.rows << QStringLiteral("tambahan");
            grid.cells.emplace_back();
            grid.notes.emplace_back(nodeCount);
            for (int n = 1; n <= nodeCount; ++n)
                grid.cells.back() << QStringLiteral("–");
            const QString cycle =
                toQString(negativeCycleText(network, *result.negativeCycle, separator));
            for (int n : result.negativeCycle->nodes)
                grid.notes.back()[at(n)] = cycle;
            grid.currentRow = int(grid.rows.size()) - 1;
            frame.variables = variablesText({{"siklus negatif", "ada"}});
        } else {
            frame.marks = distanceMarks(network, result.distance, result.previous, separator);
            frame.variables = variablesText({{"siklus negatif", "tidak ada"}});
        }
        frame.grid = grid;
        lesson.frames.push_back(std::move(frame));
    }

    // Copied or saved, the table reads as it stands at the end.
    CsvWriter csv(csvFieldSeparator(separator));
    QString text = QStringLiteral("Putaran");
    std::vector<std::string> header{"Putaran"};
    for (const QString& column : grid.columns) {
        text += u'\t' + column;
        header.push_back(column.toStdString());
    }
    csv.row(header);
    for (qsizetype r = 0; r < grid.rows.size(); ++r) {
        text += u'\n' + grid.rows[r];
        std::vector<std::string> fields{grid.rows[r].toStdString()};
        for (const QString& cell : grid.cells[std::size_t(r)]) {
            text += u'\t' + cell;
            fields.push_back(cell.toStdString());
        }
        csv.row(fields);
    }
    lesson.tableText = text + u'\n';
    lesson.tableCsv = csv.take();
    return lesson;
}

std::vector<StepFrame> bellmanFordPassFrames(const LessonNetwork& lesson,
                                             const std::string& separator)
{
    const BellmanFordResult result = bellmanFord(lesson.network, lesson.start);
    std::vector<StepFrame> frames =
        bellmanFordLesson(lesson.network, lesson.start, lesson.endNode(), separator).frames;
    // The start's frame is no question, nor is the extra pass's.
    if (frames.size() < result.passes.size() + 1)
        return {};
    return {frames.begin() + 1, frames.begin() + 1 + std::ptrdiff_t(result.passes.size())};
}

StepMode* addBellmanFordStepMode(LessonWindow* window, MessageBoxFn messageBox)
{
    return new StepMode(window, [window, messageBox] {
        const LessonNetwork lesson = window->lessonNetwork();
        // Floyd's check: a start and an end, every weight a finite number, negatives welcome.
        if (!acceptLesson(lesson, true, window->window(), messageBox))
            return Lesson{};
        return bellmanFordLesson(lesson.network, lesson.start, lesson.endNode(),
                                 regionalDecimalSeparator());
    });
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
