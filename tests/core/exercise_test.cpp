#include "reference.h"

#include "core/exercise.h"
#include "core/exercisecode.h"
#include "core/floyd.h"
#include "core/numbertext.h"
#include "core/steps.h"

#include <gtest/gtest.h>

#include <random>

using namespace trayeko;
using reference::changed;

namespace {

constexpr auto R = Verdict::Right, W = Verdict::Wrong, N = Verdict::Nonsense;
const std::string kSmallest = " — yang terkecil ditetapkan dulu.";
const std::string kLower = "bila sama, yang bernomor lebih kecil ditetapkan dulu.";

// Defaults: step 2 fixes node 3 (6) before 2 (7) and 4 (8); step 5 fixes node 5 before node 6,
// both at 10. With link 1 at 6, nodes 2 and 3 tie at 6 in step 2. Link 2 at 0.5 is read with ','.
TEST(Exercise, GradesDijkstraSteps)
{
    const LinkWeights d = defaultWeights(), tie = changed({{1, 6}}), half = changed({{2, 0.5}});
    const std::tuple<LinkWeights, std::size_t, const char*, const char*, Verdict, std::string>
        rows[] = {
            {d, 1, "3", "6", R, "Benar: simpul 3 ditetapkan dengan jarak 6."},
            {d, 1, "4", "8", W,
             "Belum: simpul 4 punya jarak sementara 8, simpul 3 punya 6" + kSmallest},
            {d, 1, " 3 ", "7", W, "Belum: jarak simpul 3 = d[1] + w(1→3) = 0 + 6 = 6, bukan 7."},
            {d, 5, "6", "99", W, "Belum: jarak simpul 6 = d[3] + w(3→6) = 6 + 4 = 10, bukan 99."},
            {d, 4, "6", "10", W,
             "Belum: simpul 6 dan simpul 5 sama-sama punya jarak sementara 10 — " + kLower},
            {d, 4, "5", "10", R,
             "Benar: simpul 5 ditetapkan dengan jarak 10; simpul 6 juga 10, tetapi " + kLower},
            {tie, 1, "3", "6", W,
             "Belum: simpul 3 dan simpul 2 sama-sama punya jarak sementara 6 — " + kLower},
            {tie, 1, "2", "6.0", R,
             "Benar: simpul 2 ditetapkan dengan jarak 6; simpul 3 juga 6, tetapi " + kLower},
            {d, 2, "1", "0", W,
             "Belum: simpul 1 sudah ditetapkan di langkah 1; dari simpul yang belum tetap, simpul "
             "2 punya 7" +
                 kSmallest},
            {d, 0, "2", "7", W,
             "Belum: simpul 2 belum terjangkau (jarak ∞), simpul 1 punya 0" + kSmallest},
            {d, 0, "1", "5", W, "Belum: simpul 1 adalah simpul awal, jaraknya 0, bukan 5."},
            {half, 1, "3", "0,5", R, "Benar: simpul 3 ditetapkan dengan jarak 0,5."},
            {half, 2, "4", "2.5", R, "Benar: simpul 4 ditetapkan dengan jarak 2,5."},
            {d, 1, "", "6", N, "Belum dijawab: ketik nomor simpul yang ditetapkan (1 sampai 7)."},
            {d, 1, "abc", "6", N, "Nomor simpul adalah bilangan bulat 1 sampai 7."},
            {d, 1, "-1", "6", N, "Simpul -1 tidak ada: simpul bernomor 1 sampai 7."},
            {d, 1, "99", "6", N, "Simpul 99 tidak ada: simpul bernomor 1 sampai 7."},
            {d, 1, "3", "", N, "Belum dijawab: ketik jarak simpul 3."},
            {d, 1, "3", "6..", N, "Jarak simpul 3 harus berupa angka, misalnya 12."},
            {d, 1, "3", "-1", N, "Jarak tidak mungkin negatif: setiap bobot lebih dari 0."},
            {d, 7, "7", "16", N, "Langkah 8 tidak ada: metode ini selesai dalam 7 langkah."},
        };
    for (const auto& [weights, step, nodeText, distance, verdict, reason] : rows) {
        const Grade g =
            gradeDijkstraStep(weights, step, nodeText, distance, weights == half ? "," : ".");
        EXPECT_EQ(std::tie(g.verdict, g.reason), std::tie(verdict, reason)) << nodeText << distance;
    }
}

// Iteration 2 of the defaults changes d[1][5] alone; iteration 3 also d[1][6], d[2][4], d[2][6].
TEST(Exercise, GradesFloydCells)
{
    const char* kCellVerdicts[] = {"R", "Missed", "Mark", "Value", "N"};
    const LinkWeights d = defaultWeights(), half = changed({{1, 0.5}});
    const std::string work = "d[1][5] = min(∞, 7 + 4) = 11\n";
    using M = std::vector<FloydMark>;
    const std::tuple<LinkWeights, int, M, std::string> rows[] = {
        {d, 2, M{{1, 5, " 11 "}}, "R: Benar: " + work},
        {d, 2, M{}, "Missed: Terlewat: " + work},
        {d, 2, M{{1, 5, "12"}, {2, 4, "5"}, {1, 5, "11"}, {9, 1, "3"}},
         "Value: Belum: d[1][5] = min(∞, 7 + 4) = 11, bukan 12\nMark: Tidak berubah: d[2][4] = "
         "min(∞, 0 + ∞) = ∞\nN: d[1][5] ditandai dua kali; yang pertama dinilai.\nN: Sel d[9][1] "
         "tidak ada: baris dan kolom bernomor 1 sampai 7.\n"},
        {d, 2, M{{1, 5, "abc"}}, "N: d[1][5]: nilai baru harus berupa angka.\n"},
        {d, 2, M{{1, 5, "11"}, {2, 4, "abc"}},
         "R: Benar: " + work + "N: d[2][4]: nilai baru harus berupa angka.\n"},
        {d, 2, M{{1, 5, "-1"}}, "N: d[1][5]: jarak tidak mungkin negatif, semua bobot positif.\n"},
        {d, 3, M{{1, 6, "10"}, {1, 5, "10"}},
         "R: Benar: d[1][5] = min(11, 6 + 4) = 10\nR: Benar: d[1][6] = min(∞, 6 + 4) = 10\nMissed: "
         "Terlewat: d[2][4] = min(∞, 1 + 2) = 3\nMissed: Terlewat: d[2][6] = min(∞, 1 + 4) = 5\n"},
        {half, 2, M{{1, 5, "4,5"}},
         "Missed: Terlewat: d[1][3] = min(6, 0,5 + 1) = 1,5\nR: Benar: d[1][5] = min(∞, 0,5 + 4) = "
         "4,5\n"},
        {d, 8, M{}, "N: Iterasi 8 tidak ada: iterasi 1 sampai 7.\n"},
    };
    for (const auto& [weights, k, marks, expected] : rows) {
        std::string got;
        for (const CellGrade& c :
             gradeFloydIteration(weights, k, marks, weights == half ? "," : ".").cells)
            got += std::string(kCellVerdicts[int(c.verdict)]) + ": " + c.reason + "\n";
        EXPECT_EQ(got, expected) << "iteration " << k;
    }
}

// A step counts when its first try is right; a step right at the second try is counted apart;
// every wrong try is listed for the teacher.
TEST(Exercise, Summary)
{
    ExerciseScore dijkstra, floyd;
    const Grade first[] = {{R, "Benar."}}, second[] = {{W, "Belum: x."}, {R, "Benar."}},
                third[] = {{W, "Belum: y."}, {N, "Nomor simpul ..."}};
    scoreDijkstraStep(dijkstra, 0, first);
    scoreDijkstraStep(dijkstra, 1, second);
    scoreDijkstraStep(dijkstra, 2, third);
    EXPECT_EQ(exerciseSummary(dijkstra, false, "Waktu: 95 detik"),
              "Benar 1 dari 3 langkah pada percobaan pertama; 1 langkah benar pada percobaan "
              "kedua\nWaktu: 95 detik\nKesalahan:\n- Langkah 2: Belum: x.\n"
              "- Langkah 3: Belum: y.\n- Langkah 3: Nomor simpul ...\n");
    const FloydMark marks[] = {{1, 5, "11"}};
    scoreFloydIteration(floyd, 2, gradeFloydIteration(defaultWeights(), 2, marks));
    EXPECT_EQ(exerciseSummary(floyd, true), "Benar 1 dari 1 sel\nTidak ada kesalahan.\n");

    for (const auto& [ms, text] : {std::pair{-5, "Waktu: 0 detik"},
                                   {59'999, "Waktu: 59 detik"},
                                   {65'000, "Waktu: 1 menit 5 detik"}})
        EXPECT_EQ(exerciseTimeText({1000}, {1000 + ms}), text);
    LinkWeights halves = defaultWeights();
    halves[0] = 7.5;
    EXPECT_EQ(
        exerciseHeading(true, "4821-7", halves, ","),
        "Latihan metode Floyd\nKode soal: 4821-7\nBobot jalur 1 sampai 14: 7,5; 6; 8; 1; 2; 4; "
        "4; 4; 5; 16; 1; 15; 6; 8\n");
}

// Rows of tries per step: only a first graded try that is right counts as right; right at the
// second try is counted apart; answers that were no answer cost no try.
TEST(Exercise, ScoresDijkstraAtTheFirstTry)
{
    using Tries = std::vector<Grade>;
    const Grade r{R, "Benar."}, w{W, "Belum."}, n{N, "Bukan jawaban."};
    const std::tuple<std::vector<Tries>, std::string, std::size_t> rows[] = {
        {{{r}, {r}, {r}}, "3 dari 3 langkah pada percobaan pertama", 0},
        {{{r}, {w, r}, {r}},
         "2 dari 3 langkah pada percobaan pertama; 1 langkah benar pada percobaan kedua",
         1},
        {{{w, r}, {w, r}},
         "0 dari 2 langkah pada percobaan pertama; 2 langkah benar pada "
         "percobaan kedua",
         2},
        {{{w, w}, {r}}, "1 dari 2 langkah pada percobaan pertama", 2},
        {{{n, r}, {n, w, r}},
         "1 dari 2 langkah pada percobaan pertama; 1 langkah benar pada percobaan kedua",
         3},
        {{{}}, "0 dari 1 langkah pada percobaan pertama", 1},
    };
    for (const auto& [steps, text, mistakes] : rows) {
        ExerciseScore score;
        for (std::size_t s = 0; s < steps.size(); ++s)
            scoreDijkstraStep(score, s, steps[s]);
        EXPECT_EQ(exerciseScoreText(score, false), text);
        EXPECT_EQ(score.mistakes.size(), mistakes) << text;
    }

    // The whole exercise on the defaults with step 2 first answered wrong, as a class plays it.
    const auto steps = dijkstraSteps(defaultWeights());
    ExerciseScore whole;
    for (std::size_t s = 0; s < steps.size(); ++s) {
        const std::string node = std::to_string(steps[s].fixedNode);
        const std::string d = formatGeneral(steps[s].fixedDistance);
        Tries tries;
        if (s == 1)
            tries.push_back(gradeDijkstraStep(defaultWeights(), s, "4", d));
        tries.push_back(gradeDijkstraStep(defaultWeights(), s, node, d));
        scoreDijkstraStep(whole, s, tries);
    }
    EXPECT_TRUE(exerciseSummary(whole, false)
                    .starts_with("Benar 6 dari 7 langkah pada percobaan pertama; 1 langkah benar "
                                 "pada percobaan kedua\nKesalahan:\n- Langkah 2: Belum"));
}

// The Floyd total is the number of cells that change, whatever the student marked: wrong marks
// are mistakes with their reasons and never make the total larger.
TEST(Exercise, FloydTotalIsFixedByTheExercise)
{
    using M = std::vector<FloydMark>;
    const LinkWeights d = defaultWeights();
    const std::tuple<int, M, int, int, std::size_t> rows[] = {
        // iteration, marks, right, total, mistakes
        {2, M{{1, 5, "11"}}, 1, 1, 0},
        {2, M{}, 0, 1, 1},
        {2, M{{1, 5, "11"}, {2, 4, "5"}, {3, 3, "1"}, {7, 1, "2"}}, 1, 1, 3},
        {2, M{{1, 5, "12"}, {2, 4, "5"}}, 0, 1, 2},
        {3, M{{1, 6, "10"}, {1, 5, "10"}}, 2, 4, 2},
        {1, M{{1, 1, "3"}}, 0, 0, 1},
    };
    for (const auto& [k, marks, right, total, mistakes] : rows) {
        const FloydGrade grade = gradeFloydIteration(d, k, marks);
        EXPECT_EQ(std::pair(grade.right, grade.total), std::pair(right, total)) << k;
        ExerciseScore score;
        scoreFloydIteration(score, k, grade);
        // An iteration that changes no cell is graded all the same.
        EXPECT_EQ(std::tuple(score.right, score.total, score.mistakes.size(), score.graded),
                  std::tuple(right, total, mistakes, 1))
            << k;
    }
    // Every iteration answered with a wrong mark beside the right cells: the total stays the
    // number of changed cells of the whole exercise.
    for (const LinkWeights& weights : {d, exerciseWeights(4821)}) {
        ExerciseScore score;
        int changed = 0;
        for (const FloydIteration& it : floydChanges(weights)) {
            M marks{{it.k, it.k, "1"}};
            for (const FloydChange& c : it.changes)
                marks.push_back({c.from, c.to, formatGeneral(c.after)});
            changed += int(it.changes.size());
            scoreFloydIteration(score, it.k, gradeFloydIteration(weights, it.k, marks));
        }
        EXPECT_EQ(exerciseScoreText(score, true),
                  std::to_string(changed) + " dari " + std::to_string(changed) + " sel");
        EXPECT_EQ(score.mistakes.size(), std::size_t(kNodeCount));
    }
}

// The heading names the student on one line, however the name was typed, and the date given.
TEST(Exercise, HeadingNamesStudentAndDate)
{
    const std::string weights =
        "Bobot jalur 1 sampai 14: 7; 6; 8; 1; 2; 4; 4; 4; 5; 16; 1; 15; 6; 8\n";
    const std::tuple<std::string, std::string, std::string> rows[] = {
        {"  Ani Lestari ", "2026-12-10 15:45",
         "Nama siswa: Ani Lestari\nTanggal: 2026-12-10 15:45\n"},
        {"", "2026-12-10 15:45", "Nama siswa: (tidak diisi)\nTanggal: 2026-12-10 15:45\n"},
        {"Ani\nBenar 7 dari 7\tx", "", "Nama siswa: Ani Benar 7 dari 7 x\n"},
    };
    for (const auto& [student, when, lines] : rows) {
        const ExerciseAuthor author{student, when};
        EXPECT_EQ(exerciseHeading(false, "", defaultWeights(), ".", &author),
                  "Latihan metode Dijkstra\n" + lines + weights);
    }
    EXPECT_EQ(exerciseHeading(false, "", defaultWeights()), "Latihan metode Dijkstra\n" + weights);
}

// Every code reads back as its seed, with whole weights 1 ... 20 spread evenly; every code with
// one digit changed, or two neighbouring different digits swapped, is refused.
TEST(ExerciseCode, EveryCodeRoundTripsAndEveryTypingSlipIsRefused)
{
    std::array<int, 21> counts{};
    for (int seed = 0; seed < kExerciseSeedCount && !HasFailure(); ++seed) {
        const std::string code = exerciseCode(seed);
        ASSERT_EQ(readExerciseCode(code).seed, seed) << code;
        for (double w : exerciseWeights(seed)) {
            ASSERT_TRUE(w >= 1 && w <= 20 && w == std::floor(w)) << code;
            ++counts[std::size_t(w)];
        }
        const std::string digits = code.substr(0, 4) + code.back();
        for (std::size_t p = 0; p < digits.size(); ++p) {
            std::string slip = digits, swapped = digits;
            for (slip[p] = '0'; slip[p] <= '9'; ++slip[p])
                EXPECT_EQ(readExerciseCode(slip).seed.has_value(), slip == digits) << slip;
            std::swap(swapped[p], swapped[std::min(p + 1, digits.size() - 1)]);
            EXPECT_EQ(readExerciseCode(swapped).seed.has_value(), swapped == digits) << swapped;
        }
    }
    for (int w = 1; w <= 20; ++w)
        EXPECT_NEAR(counts[std::size_t(w)], 14 * kExerciseSeedCount / 20, 400) << w;
}

// Blanks and dashes anywhere are fine; anything else says what is wrong. The generator is our
// own, so exercise 4821 has these weights on every machine and library.
TEST(ExerciseCode, ReadsLenientlyAndRefusesClearly)
{
    const std::string example = " Contoh kode soal: 4821-7.";
    const std::tuple<std::string, std::optional<int>, std::string> rows[] = {
        {" 4821 - 7 ", 4821, ""},
        {"48217", 4821, ""},
        {"4821–7\n", 4821, ""},
        {"", std::nullopt, "Ketik kode soal: lima angka." + example},
        {"4821/7", std::nullopt,
         "Kode soal hanya berisi angka, boleh dengan tanda hubung." + example},
        {"4821-", std::nullopt,
         "Kode soal terdiri atas lima angka, yang diketik 4 angka." + example},
        {"4821-3", std::nullopt,
         "Kode soal 4821-3 tidak berlaku: ada angka yang salah ketik atau "
         "tertukar. Periksa lagi kodenya."},
    };
    for (const auto& [text, seed, error] : rows) {
        const ExerciseCodeReading r = readExerciseCode(text);
        EXPECT_EQ(r.seed, seed) << text;
        EXPECT_EQ(r.error, error);
    }
    EXPECT_EQ(exerciseWeights(4821),
              (LinkWeights{17, 19, 10, 13, 10, 9, 6, 16, 5, 12, 20, 8, 9, 19}));
    EXPECT_EQ(exerciseWeights(0), (LinkWeights{1, 12, 17, 3, 10, 8, 10, 10, 9, 12, 12, 5, 14, 1}));
    EXPECT_EQ(exerciseCode(0) + exerciseCode(9999), "0000-09999-2");
}
} // namespace
