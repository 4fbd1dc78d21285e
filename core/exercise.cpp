#include "core/exercise.h"

#include "core/floyd.h"
#include "core/numbertext.h"
#include "core/steps.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace trayeko {

namespace {

std::string node(const Network& network, int n)
{
    return "simpul " + network.nodeLabel(n);
}

std::string cellName(int i, int j)
{
    return "d[" + std::to_string(i) + "][" + std::to_string(j) + "]";
}

bool blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

using Typed = TypedNumber::Kind;

// Two numbers agree when the program would show them alike, as a student reads them.
bool sameShown(double a, double b, std::string_view separator)
{
    return formatGeneral(a, separator) == formatGeneral(b, separator);
}

std::string shown(double d, std::string_view separator)
{
    return formatGeneral(d, separator);
}

struct DijkstraState
{
    std::vector<double> distance;
    std::vector<bool> fixed;
};

DijkstraState stateBefore(const std::vector<DijkstraStep>& steps, std::size_t step)
{
    if (step > 0)
        return {steps[step - 1].distance, steps[step - 1].fixed};
    const std::size_t n = steps[step].distance.size();
    DijkstraState state{std::vector<double>(n, kNoPath), std::vector<bool>(n, false)};
    state.distance[at(steps[step].startNode)] = 0;
    return state;
}

std::string wrongNodeReason(const Network& network, const std::vector<DijkstraStep>& steps,
                            std::size_t step, int chosen, std::string_view separator)
{
    const auto node = [&](int n) { return trayeko::node(network, n); };
    const DijkstraState before = stateBefore(steps, step);
    const int u = steps[step].fixedNode;
    const std::string d = shown(steps[step].fixedDistance, separator);
    const std::string smallest =
        ", " + node(u) + " punya " + d + " — yang terkecil ditetapkan dulu";
    if (before.fixed[at(chosen)]) {
        const auto when = std::find_if(steps.begin(), steps.end(), [&](const DijkstraStep& s) {
            return s.fixedNode == chosen;
        });
        return "Belum: " + node(chosen) + " sudah ditetapkan di langkah " +
               std::to_string(when - steps.begin() + 1) + "; dari simpul yang belum tetap" +
               smallest;
    }
    const double dv = before.distance[at(chosen)];
    if (dv == kNoPath)
        return "Belum: " + node(chosen) + " belum terjangkau (jarak " + std::string(kInfinityText) +
               ")" + smallest;
    if (dv == steps[step].fixedDistance)
        return "Belum: " + node(chosen) + " dan " + node(u) + " sama-sama punya jarak sementara " +
               d + " — bila sama, yang bernomor lebih kecil ditetapkan dulu";
    return "Belum: " + node(chosen) + " punya jarak sementara " + shown(dv, separator) + smallest;
}

// How the fixed node got its distance: the relaxation of the last link that improved it.
std::string relaxationText(const Network& network, const DijkstraStep& now,
                           std::string_view separator)
{
    const int u = now.fixedNode;
    const std::string d = shown(now.fixedDistance, separator);
    if (u == now.startNode)
        return node(network, u) + " adalah simpul awal, jaraknya " + d;
    const NetworkLink& link = network.link(now.bestLink[at(u)]);
    const std::string p = std::to_string(link.from);
    return "jarak " + node(network, u) + " = d[" + p + "] + w(" + p + "→" + std::to_string(u) +
           ") = " + shown(now.distance[at(link.from)], separator) + " + " +
           shown(link.weight, separator) + " = " + d;
}

Grade gradeDistance(const Network& network, const DijkstraStep& now,
                    const DijkstraState& before, std::string_view distanceText,
                    std::string_view separator)
{
    const auto node = [&](int n) { return trayeko::node(network, n); };
    const int u = now.fixedNode;
    const TypedNumber typed = readTypedNumber(distanceText, separator);
    if (typed.kind == Typed::Empty)
        return {Verdict::Nonsense, "Belum dijawab: ketik jarak " + node(u) + "."};
    if (typed.kind == Typed::NotNumber)
        return {Verdict::Nonsense, "Jarak " + node(u) + " harus berupa angka, misalnya 12."};
    if (typed.value < 0)
        return {Verdict::Nonsense, "Jarak tidak mungkin negatif: setiap bobot lebih dari 0."};
    if (!sameShown(typed.value, now.fixedDistance, separator))
        return {Verdict::Wrong, "Belum: " + relaxationText(network, now, separator) + ", bukan " +
                                    shown(typed.value, separator) + "."};
    std::string reason =
        "Benar: " + node(u) + " ditetapkan dengan jarak " + shown(now.fixedDistance, separator);
    for (int v = u + 1; v <= int(before.distance.size()); ++v)
        if (!before.fixed[at(v)] && before.distance[at(v)] == now.fixedDistance)
            reason += "; " + node(v) + " juga " + shown(now.fixedDistance, separator) +
                      ", tetapi bila sama, yang bernomor lebih kecil ditetapkan dulu";
    return {Verdict::Right, reason + "."};
}

} // namespace

namespace {

Grade gradeStep(const Network& network, const std::vector<DijkstraStep>& steps, std::size_t step,
                std::string_view nodeText, std::string_view distanceText,
                std::string_view decimalSeparator)
{
    const std::string last = std::to_string(network.nodeCount());
    if (step >= steps.size())
        return {Verdict::Nonsense, "Langkah " + std::to_string(step + 1) +
                                       " tidak ada: metode ini selesai dalam " +
                                       std::to_string(steps.size()) + " langkah."};
    const TypedNumber typed = readTypedNumber(nodeText, decimalSeparator);
    if (typed.kind == Typed::Empty)
        return {Verdict::Nonsense,
                "Belum dijawab: ketik nomor simpul yang ditetapkan (1 sampai " + last + ")."};
    if (typed.kind == Typed::NotNumber || typed.value != std::floor(typed.value))
        return {Verdict::Nonsense, "Nomor simpul adalah bilangan bulat 1 sampai " + last + "."};
    if (typed.value < 1 || typed.value > network.nodeCount())
        return {Verdict::Nonsense, "Simpul " + shown(typed.value, decimalSeparator) +
                                       " tidak ada: simpul bernomor 1 sampai " + last + "."};
    const int chosen = int(typed.value);
    if (chosen != steps[step].fixedNode)
        return {Verdict::Wrong,
                wrongNodeReason(network, steps, step, chosen, decimalSeparator) + "."};
    return gradeDistance(network, steps[step], stateBefore(steps, step), distanceText,
                         decimalSeparator);
}

} // namespace

Grade gradeDijkstraStep(const Network& network, int startNode, int endNode, std::size_t step,
                        std::string_view nodeText, std::string_view distanceText,
                        std::string_view decimalSeparator)
{
    return gradeStep(network, dijkstraSteps(network, startNode, endNode, decimalSeparator), step,
                     nodeText, distanceText, decimalSeparator);
}

Grade gradeDijkstraStep(const LinkWeights& weights, std::size_t step, std::string_view nodeText,
                        std::string_view distanceText, std::string_view decimalSeparator)
{
    return gradeStep(demoNetwork(weights), dijkstraSteps(weights, decimalSeparator), step,
                     nodeText, distanceText, decimalSeparator);
}

FloydGrade gradeFloydIteration(const Network& network, int k, std::span<const FloydMark> marks,
                               std::string_view decimalSeparator)
{
    const int n = network.nodeCount();
    const std::string last = std::to_string(n);
    FloydGrade grade;
    if (k < 1 || k > n) {
        grade.cells.push_back({0, 0, CellVerdict::Nonsense,
                               "Iterasi " + std::to_string(k) + " tidak ada: iterasi 1 sampai " +
                                   last + "."});
        return grade;
    }
    const std::vector<FloydIteration> its = floydChanges(network, 1, n, decimalSeparator);
    std::vector<std::vector<std::optional<double>>> before;
    if (k == 1) {
        const PathMatrix start(network, true);
        for (int i = 1; i <= n; ++i)
            before.push_back(start.valueRow(i));
    } else {
        before = its[at(k - 1)].value;
    }
    const FloydIteration& it = its[at(k)];
    const auto cell = [&](const std::optional<double>& c) {
        return distanceText(c, decimalSeparator);
    };
    // The cell worked out with the values before the iteration: d[i][j] = min(d[i][j], d[i][k] +
    // d[k][j]), which the iteration reads unchanged.
    const auto worked = [&](int i, int j) {
        return cellName(i, j) + " = min(" + cell(before[at(i)][at(j)]) + ", " +
               cell(before[at(i)][at(k)]) + " + " + cell(before[at(k)][at(j)]) +
               ") = " + cell(it.value[at(i)][at(j)]);
    };

    // Row by row, one entry per cell.
    const auto index = [n](int i, int j) { return at(i) * std::size_t(n) + at(j); };
    std::vector<CellGrade> unusable;
    std::vector<const FloydMark*> marked(std::size_t(n) * std::size_t(n), nullptr);
    for (const FloydMark& m : marks) {
        if (m.from < 1 || m.from > n || m.to < 1 || m.to > n)
            unusable.push_back({m.from, m.to, CellVerdict::Nonsense,
                                "Sel " + cellName(m.from, m.to) +
                                    " tidak ada: baris dan kolom bernomor 1 sampai " + last + "."});
        else if (marked[index(m.from, m.to)])
            unusable.push_back(
                {m.from, m.to, CellVerdict::Nonsense,
                 cellName(m.from, m.to) + " ditandai dua kali; yang pertama dinilai."});
        else
            marked[index(m.from, m.to)] = &m;
    }
    std::vector<bool> changes(std::size_t(n) * std::size_t(n), false);
    for (const FloydChange& c : it.changes)
        changes[index(c.from, c.to)] = true;
    const bool negativeWeights = hasNegativeWeight(network);

    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            const FloydMark* mark = marked[index(i, j)];
            const bool changed = changes[index(i, j)];
            if (!mark && !changed)
                continue;
            if (!mark) {
                grade.cells.push_back({i, j, CellVerdict::Missed, "Terlewat: " + worked(i, j)});
                continue;
            }
            // A value that is no number is no answer, whether or not the cell changes.
            const TypedNumber typed = readTypedNumber(mark->value, decimalSeparator);
            if (!changed && typed.kind == Typed::Number) {
                grade.cells.push_back(
                    {i, j, CellVerdict::WrongMark, "Tidak berubah: " + worked(i, j)});
                continue;
            }
            if (typed.kind == Typed::Empty)
                grade.cells.push_back(
                    {i, j, CellVerdict::Nonsense, cellName(i, j) + ": nilai barunya belum diisi."});
            else if (typed.kind == Typed::NotNumber)
                grade.cells.push_back({i, j, CellVerdict::Nonsense,
                                       cellName(i, j) + ": nilai baru harus berupa angka."});
            else if (typed.value < 0 && !negativeWeights)
                grade.cells.push_back(
                    {i, j, CellVerdict::Nonsense,
                     cellName(i, j) + ": jarak tidak mungkin negatif, semua bobot positif."});
            else if (!sameShown(typed.value, *it.value[at(i)][at(j)], decimalSeparator))
                grade.cells.push_back(
                    {i, j, CellVerdict::WrongValue,
                     "Belum: " + worked(i, j) + ", bukan " + shown(typed.value, decimalSeparator)});
            else
                grade.cells.push_back({i, j, CellVerdict::Right, "Benar: " + worked(i, j)});
        }
    grade.cells.insert(grade.cells.end(), unusable.begin(), unusable.end());
    grade.total = int(it.changes.size());
    grade.right = int(std::count_if(grade.cells.begin(), grade.cells.end(), [](const CellGrade& c) {
        return c.verdict == CellVerdict::Right;
    }));
    return grade;
}

FloydGrade gradeFloydIteration(const LinkWeights& weights, int k, std::span<const FloydMark> marks,
                               std::string_view decimalSeparator)
{
    return gradeFloydIteration(demoNetwork(weights), k, marks, decimalSeparator);
}

void scoreDijkstraStep(ExerciseScore& score, std::size_t step, std::span<const Grade> tries)
{
    const std::string prefix = "Langkah " + std::to_string(step + 1) + ": ";
    ++score.graded;
    ++score.total;
    // Only graded tries count: an answer that was no answer cost the student no try.
    const auto graded = std::find_if(tries.begin(), tries.end(),
                                     [](const Grade& g) { return g.verdict != Verdict::Nonsense; });
    const bool firstRight = graded != tries.end() && graded->verdict == Verdict::Right;
    if (firstRight)
        ++score.right;
    else if (!tries.empty() && tries.back().verdict == Verdict::Right)
        ++score.secondTry;
    if (tries.empty())
        score.mistakes.push_back(prefix + "tidak dijawab.");
    for (const Grade& g : tries)
        if (g.verdict != Verdict::Right)
            score.mistakes.push_back(prefix + g.reason);
}

void scoreFloydIteration(ExerciseScore& score, int k, const FloydGrade& grade)
{
    ++score.graded;
    score.right += grade.right;
    score.total += grade.total;
    for (const CellGrade& c : grade.cells)
        if (c.verdict != CellVerdict::Right)
            score.mistakes.push_back("Iterasi " + std::to_string(k) + ": " + c.reason);
}

void scoreBellmanFordPass(ExerciseScore& score, const Grade& grade)
{
    ++score.graded;
    ++score.total;
    if (grade.verdict == Verdict::Right)
        ++score.right;
    else
        score.mistakes.push_back(grade.reason);
}

namespace {

ExerciseMethod methodOf(bool floyd)
{
    return floyd ? ExerciseMethod::Floyd : ExerciseMethod::Dijkstra;
}

} // namespace

std::string exerciseScoreText(const ExerciseScore& score, bool floyd)
{
    return exerciseScoreText(score, methodOf(floyd));
}

std::string exerciseScoreText(const ExerciseScore& score, ExerciseMethod method)
{
    if (method == ExerciseMethod::BellmanFord)
        return std::to_string(score.right) + " dari " + std::to_string(score.total) + " putaran";
    if (method == ExerciseMethod::Floyd)
        return std::to_string(score.right) + " dari " + std::to_string(score.total) + " sel";
    std::string text = std::to_string(score.right) + " dari " + std::to_string(score.total) +
                       " langkah pada percobaan pertama";
    if (score.secondTry > 0)
        text += "; " + std::to_string(score.secondTry) + " langkah benar pada percobaan kedua";
    return text;
}

std::string exerciseSummary(const ExerciseScore& score, bool floyd, std::string_view elapsed)
{
    return exerciseSummary(score, methodOf(floyd), elapsed);
}

std::string exerciseSummary(const ExerciseScore& score, ExerciseMethod method,
                            std::string_view elapsed)
{
    std::string text = "Benar " + exerciseScoreText(score, method) + "\n";
    if (!elapsed.empty())
        text += std::string(elapsed) + "\n";
    if (score.mistakes.empty())
        return text + "Tidak ada kesalahan.\n";
    text += "Kesalahan:\n";
    for (const std::string& m : score.mistakes)
        text += "- " + m + "\n";
    return text;
}

std::string exerciseTimeText(ClockReading start, ClockReading end)
{
    const std::int64_t seconds =
        std::max<std::int64_t>(0, end.milliseconds - start.milliseconds) / 1000;
    std::string text = "Waktu: ";
    if (seconds >= 60)
        text += std::to_string(seconds / 60) + " menit ";
    return text + std::to_string(seconds % 60) + " detik";
}

std::string summaryLine(std::string_view text)
{
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }, ' ');
    return line;
}

std::string exerciseAuthorLines(const ExerciseAuthor& author)
{
    const std::string name = summaryLine(author.student);
    std::string text = "Nama siswa: " + (name.empty() ? std::string("(tidak diisi)") : name) + "\n";
    if (!author.when.empty())
        text += "Tanggal: " + author.when + "\n";
    return text;
}

std::string exerciseHeading(bool floyd, std::string_view code, const LinkWeights& weights,
                            std::string_view decimalSeparator, const ExerciseAuthor* author)
{
    return exerciseHeading(floyd, code, demoNetwork(weights), decimalSeparator, author);
}

std::string exerciseHeading(bool floyd, std::string_view code, const Network& network,
                            std::string_view decimalSeparator, const ExerciseAuthor* author)
{
    return exerciseHeading(methodOf(floyd), code, network, decimalSeparator, author);
}

std::string exerciseHeading(ExerciseMethod method, std::string_view code, const Network& network,
                            std::string_view decimalSeparator, const ExerciseAuthor* author)
{
    std::string text = method == ExerciseMethod::Floyd         ? "Latihan metode Floyd\n"
                       : method == ExerciseMethod::BellmanFord ? "Latihan metode Bellman–Ford\n"
                                                               : "Latihan metode Dijkstra\n";
    if (author)
        text += exerciseAuthorLines(*author);
    if (!code.empty())
        text += "Kode soal: " + std::string(code) + "\n";
    text += "Bobot jalur 1 sampai " + std::to_string(network.linkCount()) + ":";
    for (std::size_t i = 0; i < network.links().size(); ++i)
        text += (i == 0 ? " " : "; ") + formatGeneral(network.links()[i].weight, decimalSeparator);
    return text + "\n";
}

} // namespace trayeko
