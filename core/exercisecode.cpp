#include "core/exercisecode.h"

#include "core/splitmix.h"

#include <array>
#include <cstdint>

namespace trayeko {

namespace {

// Damm's quasigroup of order ten: a zero diagonal and weak total antisymmetry, which is what
// catches every single wrong digit and every swap of two neighbours.
constexpr std::array<std::array<int, 10>, 10> kDamm{{
    {0, 3, 1, 7, 5, 9, 8, 6, 4, 2},
    {7, 0, 9, 2, 1, 5, 4, 8, 6, 3},
    {4, 2, 0, 6, 8, 7, 1, 3, 5, 9},
    {1, 7, 5, 0, 9, 8, 3, 4, 2, 6},
    {6, 1, 2, 3, 0, 4, 5, 9, 7, 8},
    {3, 6, 7, 4, 2, 0, 9, 5, 8, 1},
    {5, 8, 6, 9, 7, 2, 0, 1, 3, 4},
    {8, 9, 4, 5, 3, 6, 2, 0, 1, 7},
    {9, 4, 3, 8, 6, 1, 7, 2, 0, 5},
    {2, 5, 8, 1, 4, 3, 6, 7, 9, 0},
}};

constexpr int kSeedDigits = 4;
constexpr int kCodeDigits = kSeedDigits + 1;
constexpr int kLargestWeight = 20;

int dammDigit(std::string_view digits)
{
    int interim = 0;
    for (char c : digits)
        interim = kDamm[std::size_t(interim)][std::size_t(c - '0')];
    return interim;
}

// A whole number 1 ... kLargestWeight, every one equally likely: the top five bits are used and
// draws of 20 ... 31 thrown away, so no remainder favours the small weights.
int drawWeight(SplitMix64& random)
{
    for (;;) {
        const auto r = int(random.next() >> 59);
        if (r < kLargestWeight)
            return 1 + r;
    }
}

// Mixed into the seed so that exercise 0 does not start the generator from 0.
constexpr std::uint64_t kSalt = 0x5472617965'6B6F00u;

bool isBlankOrDash(std::string_view text, std::size_t& i)
{
    static constexpr std::string_view kEnDash = "–";
    if (text.substr(i, kEnDash.size()) == kEnDash) {
        i += kEnDash.size();
        return true;
    }
    const char c = text[i];
    if (c == ' ' || c == '\t' || c == '-' || c == '\r' || c == '\n') {
        ++i;
        return true;
    }
    return false;
}

ExerciseCodeReading refused(std::string error)
{
    return {std::nullopt, std::move(error)};
}

} // namespace

std::string exerciseCode(int seed)
{
    std::string digits =
        std::to_string((seed % kExerciseSeedCount + kExerciseSeedCount) % kExerciseSeedCount);
    digits.insert(0, std::size_t(kSeedDigits) - digits.size(), '0');
    return digits + "-" + char('0' + dammDigit(digits));
}

LinkWeights exerciseWeights(int seed)
{
    return demoWeights(exerciseNetwork(demoNetwork(), seed));
}

Network exerciseNetwork(const Network& network, int seed)
{
    SplitMix64 random(kSalt ^ std::uint64_t(seed));
    std::vector<double> w(network.links().size());
    for (double& x : w)
        x = drawWeight(random);
    Network drawn = network;
    drawn.setWeights(w);
    return drawn;
}

ExerciseCodeReading readExerciseCode(std::string_view text)
{
    const std::string example = "Contoh kode soal: " + exerciseCode(4821) + ".";
    std::string digits;
    for (std::size_t i = 0; i < text.size();) {
        if (isBlankOrDash(text, i))
            continue;
        if (text[i] < '0' || text[i] > '9')
            return refused("Kode soal hanya berisi angka, boleh dengan tanda hubung. " + example);
        digits += text[i++];
    }
    if (digits.empty())
        return refused("Ketik kode soal: lima angka. " + example);
    if (digits.size() != std::size_t(kCodeDigits))
        return refused("Kode soal terdiri atas lima angka, yang diketik " +
                       std::to_string(digits.size()) + " angka. " + example);
    if (dammDigit(digits) != 0)
        return refused("Kode soal " + digits.substr(0, kSeedDigits) + "-" + digits.back() +
                       " tidak berlaku: ada angka yang salah ketik atau tertukar. Periksa lagi "
                       "kodenya.");
    return {std::stoi(digits.substr(0, kSeedDigits)), {}};
}

} // namespace trayeko
