#pragma once

#include "core/clock.h"
#include "core/demonetwork.h"
#include "core/network.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trayeko {

/// @brief How an answer was graded: right, wrong, or not an answer at all (empty, not a number, a
/// node that does not exist).
enum class Verdict
{
    Right,
    Wrong,
    Nonsense,
};

/// @brief A graded answer and its short Indonesian reason, which names the numbers.
struct Grade
{
    Verdict verdict = Verdict::Nonsense;
    std::string reason;
};

/// @brief Grades a prediction of step @p step (0 for the first) of Dijkstra's method on
/// @p network from @p startNode: the node the step fixes (@p nodeText, a whole number 1 ... n)
/// and its distance (@p distanceText, written with '.' or @p decimalSeparator).
///
/// The expected answer is the step of dijkstraSteps(network, startNode, endNode,
/// decimalSeparator), the sequence step mode plays, so an exercise never disagrees with the run.
/// The method's tie rule: of two unfixed nodes at the same smallest tentative distance, the lower
/// number is fixed first; picking the higher one is wrong, and the reason says so. A distance is
/// right when it reads as the number the program shows (formatGeneral). The node is graded first;
/// a wrong distance for the right node names the link whose relaxation gave it. Meant for weights
/// of at least 0; any text and any @p step get a reason, never an exception.
Grade gradeDijkstraStep(const Network& network, int startNode, int endNode, std::size_t step,
                        std::string_view nodeText, std::string_view distanceText,
                        std::string_view decimalSeparator = ".");
/// @brief The same on the demonstration network with @p weights, against
/// dijkstraSteps(weights, decimalSeparator). Meant for weights the run accepts (checkWeights).
Grade gradeDijkstraStep(const LinkWeights& weights, std::size_t step, std::string_view nodeText,
                        std::string_view distanceText, std::string_view decimalSeparator = ".");

/// @brief One cell of the value matrix a student marked as changing, with the value typed for it.
struct FloydMark
{
    int from; ///< row i, 1 ... n
    int to;   ///< column j, 1 ... n
    std::string value;
};

/// @brief What the grading found at one cell.
enum class CellVerdict
{
    Right,      ///< marked, changes, value right
    Missed,     ///< changes, not marked
    WrongMark,  ///< marked, does not change
    WrongValue, ///< marked, changes, value wrong
    Nonsense,   ///< no such cell, marked twice, or a value that is no number
};

struct CellGrade
{
    int from;
    int to;
    CellVerdict verdict;
    std::string reason; ///< "d[1][5] = min(∞, 7 + 4) = 11" and what was wrong
};

/// @brief Every changed or marked cell of one iteration, row by row; right counts the cells
/// marked with their right value, total the cells the iteration changes. The total is the
/// exercise's, not the student's: a cell marked that does not change is a mistake with its reason
/// and never makes the total larger, so two students' scores stay comparable.
struct FloydGrade
{
    std::vector<CellGrade> cells;
    int right = 0;
    int total = 0;
};

/// @brief Grades the cells a student marked for iteration @p k (1 ... n, node k as intermediate)
/// of Floyd–Warshall on @p network against the cells floydChanges lists for it. Every changed
/// cell and every marked cell is graded once; the reasons work the cell out with the values
/// before the iteration, "d[1][5] = min(∞, 7 + 4) = 11" (formatGeneral with @p decimalSeparator,
/// ∞ where no path is known). A negative value is refused as no answer unless the network has a
/// negative weight.
FloydGrade gradeFloydIteration(const Network& network, int k, std::span<const FloydMark> marks,
                               std::string_view decimalSeparator = ".");
/// @brief The same on the demonstration network with @p weights.
FloydGrade gradeFloydIteration(const LinkWeights& weights, int k, std::span<const FloydMark> marks,
                               std::string_view decimalSeparator = ".");

/// @brief What an exercise kept of its answers, for the summary.
struct ExerciseScore
{
    int right = 0;     ///< right at the first try
    int secondTry = 0; ///< wrong at the first try, right at the second; not part of right
    int total = 0;
    int graded = 0; ///< steps or iterations graded so far, one that changes no cell included
    std::vector<std::string> mistakes; ///< "Langkah 2: Belum: ...", in the order they were made
};

/// @brief Adds one Dijkstra step (0 for the first) answered in @p tries, answers that were no
/// answer (Verdict::Nonsense) included: the step counts right only when its first graded try is
/// right; right at a later try it counts in secondTry instead. Every try that was not right is
/// listed as a mistake.
void scoreDijkstraStep(ExerciseScore& score, std::size_t step, std::span<const Grade> tries);

/// @brief Adds the cells of one graded Floyd iteration: its right cells, and its total of cells
/// that change; every cell not right is a mistake.
void scoreFloydIteration(ExerciseScore& score, int k, const FloydGrade& grade);

/// @brief Adds one graded Bellman–Ford pass: right only when every node's distance is; a wrong
/// pass is listed with its reason, which names the pass.
void scoreBellmanFordPass(ExerciseScore& score, const Grade& grade);

/// @brief The method an exercise teaches, for the texts that name it or count in its units.
enum class ExerciseMethod
{
    Dijkstra,
    Floyd,
    BellmanFord,
};

/// @brief The score in one line: "6 dari 7 langkah pada percobaan pertama; 1 langkah benar pada
/// percobaan kedua" (the second part only where there is such a step), Floyd "11 dari 14 sel".
std::string exerciseScoreText(const ExerciseScore& score, bool floyd);
/// @brief The same for any method; Bellman–Ford counts passes: "2 dari 3 putaran".
std::string exerciseScoreText(const ExerciseScore& score, ExerciseMethod method);

/// @brief The summary to hand in: "Benar " + exerciseScoreText, the line @p elapsed where given,
/// and every mistake with its reason, one line each.
std::string exerciseSummary(const ExerciseScore& score, bool floyd, std::string_view elapsed = {});
std::string exerciseSummary(const ExerciseScore& score, ExerciseMethod method,
                            std::string_view elapsed = {});

/// @brief How long an exercise took from @p start to @p end: "Waktu: 3 menit 5 detik", "Waktu: 42
/// detik" (whole seconds, never negative).
std::string exerciseTimeText(ClockReading start, ClockReading end);

/// @brief Who handed a summary in and when: the student's name as typed (blanks around it
/// dropped; a name left empty says so) and the date and time, already written out.
struct ExerciseAuthor
{
    std::string student;
    std::string when;
};

/// @brief @p text as one line of a summary: blanks around it dropped, every control character
/// (a line break pasted or read from a file) a space, so that it cannot start a line of its own
/// in a summary a teacher reads as the program's.
std::string summaryLine(std::string_view text);

/// @brief "Nama siswa: Ani" ("(tidak diisi)" for a name left empty) and, where given, "Tanggal:
/// 2026-03-02 09:30", a line each: who handed a summary in and when.
std::string exerciseAuthorLines(const ExerciseAuthor& author);

/// @brief The first lines of a handed-in summary: the method, the student's name and the date
/// where @p author is given, the exercise code where the weights came from one ("Kode soal:
/// 4821-7"), and the weights worked on, link 1 first.
std::string exerciseHeading(bool floyd, std::string_view code, const Network& network,
                            std::string_view decimalSeparator = ".",
                            const ExerciseAuthor* author = nullptr);
std::string exerciseHeading(ExerciseMethod method, std::string_view code, const Network& network,
                            std::string_view decimalSeparator = ".",
                            const ExerciseAuthor* author = nullptr);
/// @brief The same for the demonstration network with @p weights.
std::string exerciseHeading(bool floyd, std::string_view code, const LinkWeights& weights,
                            std::string_view decimalSeparator = ".",
                            const ExerciseAuthor* author = nullptr);

} // namespace trayeko
