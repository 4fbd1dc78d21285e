#include "reference.h"

#include "core/clock.h"
#include "core/numbertext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <random>

using namespace trayeko;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

struct ParseRow
{
    const char* name;
    std::string text;
    double expected;
    const char* separator = "."; // the user's decimal separator
    friend void PrintTo(const ParseRow& row, std::ostream* os) { *os << row.name; }
};

class Parse : public testing::TestWithParam<ParseRow>
{
};

TEST_P(Parse, ReadsTheLeadingNumber)
{
    const double got = parseLeadingNumber(GetParam().text, GetParam().separator);
    EXPECT_EQ(got, GetParam().expected);
    EXPECT_FALSE(got == 0 && std::signbit(got)) << "-0 leaks out";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Parse,
    testing::Values(
        ParseRow{"TrailingLetters", "7abc", 7}, ParseRow{"CommaStops", "1,5", 1},
        ParseRow{"LeadingBlank", " 2.5", 2.5}, ParseRow{"Exponent", "1e1", 10},
        ParseRow{"Hex", "&H10", 16}, ParseRow{"Empty", "", 0}, ParseRow{"Letters", "abc", 0},
        ParseRow{"MinusZero", "-0", 0}, ParseRow{"BlanksAnywhere", " -\t1 2\r\n.5", -12.5},
        ParseRow{"ExponentD", "25d-1", 2.5}, ParseRow{"LoneExponentLetter", "1e", 1},
        ParseRow{"ExponentSignOnly", "1E+", 1}, ParseRow{"LonePoint", ".", 0},
        ParseRow{"NegativeFraction", "-.5", -0.5}, ParseRow{"DoubleMinus", "--1", 0},
        ParseRow{"SecondPointStops", "1.2.3", 1.2}, ParseRow{"LoneHexPrefix", "&H", 0},
        ParseRow{"Octal", "&o17", 15}, ParseRow{"OctalBadDigit", "&O9", 0},
        ParseRow{"EmojiStops", "4😀5", 4}, ParseRow{"Overflow", "-1e999", -inf},
        ParseRow{"Underflow", "1e-999", 0}, ParseRow{"HugeExponent", "1e99999999999999999999", inf},
        ParseRow{"FourHundredDigits", std::string(400, '9'), inf},
        ParseRow{"FarExponentsCancel", "0." + std::string(1'500'000, '0') + "1e1500005", 1e4},
        ParseRow{"HugeHex", "&H" + std::string(300, 'F'), inf},
        ParseRow{"LongOctalRounds", "&O" + std::string(30, '7'), 0x1p90},
        // 2^217 + 2^164 is half way between two doubles; a digit far behind tips it upwards.
        ParseRow{"HexTieToEven", "&H2" + std::string(12, '0') + "1" + std::string(41, '0'),
                 0x1p217},
        ParseRow{"HexStickyDigit", "&H2" + std::string(12, '0') + "1" + std::string(40, '0') + "1",
                 0x1.0000000000001p217},
        ParseRow{"MaxLengthText", std::string(32767, '5'), inf},
        ParseRow{"CommaStopsWherePeriodIsThePoint", "2,5", 2},
        ParseRow{"CommaIsThePointWhereTheUserWritesIt", "2,5", 2.5, ","},
        ParseRow{"PeriodStaysAPoint", "2.5", 2.5, ","},
        ParseRow{"SecondSeparatorStops", " 2 ,5.1e1", 2.5, ","},
        ParseRow{"CommaFractionWithExponent", "-,5D1", -5, ","},
        ParseRow{"CommaInHexStops", "&H1,8", 1, ","},
        ParseRow{"MultiByteSeparator", "2\xD9\xAB" "5", 2.5, "\xD9\xAB"}),
    reference::rowName);

// The decimal digits of 5^n: 5^1076 / 10^1075 is 2.5 times the smallest subnormal, exactly half
// way between two doubles, so every one of its 753 digits counts.
std::string powerOfFive(int n)
{
    std::string digits = "1"; // least significant first
    for (int i = 0; i < n; ++i) {
        int carry = 0;
        for (char& d : digits) {
            const int v = (d - '0') * 5 + carry;
            d = char('0' + v % 10);
            carry = v / 10;
        }
        if (carry > 0)
            digits += char('0' + carry);
    }
    return {digits.rbegin(), digits.rend()};
}

TEST(ParseRounding, LongMantissasRoundCorrectly)
{
    const std::string half = powerOfFive(1076);
    const double tiny = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(parseLeadingNumber(half + "e-1075"), 2 * tiny); // ties to even
    EXPECT_EQ(parseLeadingNumber(half + std::string(100, '0') + "1e-1176"), 3 * tiny);
    EXPECT_EQ(parseLeadingNumber("0." + std::string(1075 - half.size(), '0') + half), 2 * tiny);
}

TEST(ParseRounding, LinearInTheLengthOfTheText)
{
    const auto start = std::chrono::steady_clock::now();
    for (char c : {'1', '0', ' ', 'a'})
        parseLeadingNumber((c == 'a' ? "&H" : "0.") + std::string(2'000'000, c) + "e9");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

struct FormatRow
{
    const char* name;
    double value;
    const char* separator;
    std::string expected;
    friend void PrintTo(const FormatRow& row, std::ostream* os) { *os << row.name; }
};

class Format : public testing::TestWithParam<FormatRow>
{
};

TEST_P(Format, WritesTheGeneralFormatAndReadsItBack)
{
    const FormatRow& row = GetParam();
    EXPECT_EQ(formatGeneral(row.value, row.separator), row.expected);
    EXPECT_EQ(formatGeneral(readBackNumber(row.expected, row.separator), row.separator),
              row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Format,
    testing::Values(FormatRow{"Whole", 16.0, ".", "16"}, FormatRow{"Half", 7.5, ".", "7.5"},
                    FormatRow{"Negative", -3, ".", "-3"},
                    FormatRow{"Tenths", 0.1 + 0.2, ".", "0.3"},
                    FormatRow{"Third", 1.0 / 3, ".", "0.333333333333333"},
                    FormatRow{"Comma", 12.5, ",", "12,5"},
                    FormatRow{"MultiByteSeparator", -2.5, "\xD9\xAB",
                              "-2\xD9\xAB"
                              "5"},
                    FormatRow{"MinusZero", -0.0, ".", "0"},
                    FormatRow{"LargestPlain", 999999999999999, ".", "999999999999999"},
                    FormatRow{"RoundsToExponentForm", 999999999999999.9, ".", "1E+15"},
                    FormatRow{"ExponentForm", -1.5e300, ",", "-1,5E+300"},
                    FormatRow{"SmallestPlain", 0.0001, ".", "0.0001"},
                    FormatRow{"SmallExponent", 0.000015, ".", "1.5E-05"},
                    FormatRow{"Subnormal", 4.9406564584124654e-324, ".", "4.94065645841247E-324"},
                    FormatRow{"LargestDouble", -1.7976931348623157e308, ",",
                              "-1,79769313486232E+308"},
                    FormatRow{"Infinity", inf, ",", "∞"},
                    FormatRow{"MinusInfinity", -inf, ".", "-∞"},
                    FormatRow{"NotANumber", std::nan(""), ".", "NaN"}),
    reference::rowName);

TEST(FormatRoundTrip, ReadsBackTheValueRoundedToFifteenDigits)
{
    std::mt19937_64 random(20240531);
    std::uniform_int_distribution<int> exponent(-323, 307);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    for (int n = 0; n < 20000; ++n) {
        const double x = mantissa(random) * std::pow(10.0, exponent(random));
        char buffer[64];
        const auto end = std::to_chars(buffer, buffer + 64, x, std::chars_format::scientific, 14);
        double rounded = 0;
        std::from_chars(buffer, end.ptr, rounded);
        ASSERT_EQ(parseLeadingNumber(formatGeneral(x, ".")), rounded) << buffer;
        ASSERT_EQ(readBackNumber(formatGeneral(x, ","), ","), rounded) << buffer;
    }
    EXPECT_EQ(readBackNumber("12,5", "."), 12); // a foreign text keeps the leading-number rule
}

struct ElapsedRow
{
    const char* name;
    std::int64_t start, end;
    const char* separator;
    std::string number;
    friend void PrintTo(const ElapsedRow& row, std::ostream* os) { *os << row.name; }
};

class Elapsed : public testing::TestWithParam<ElapsedRow>
{
};

TEST_P(Elapsed, CountsWholeMilliseconds)
{
    const ElapsedRow& row = GetParam();
    EXPECT_EQ(elapsedText({row.start}, {row.end}, row.separator),
              "Selesai pencarian dalam: " + row.number + " detik");
}

INSTANTIATE_TEST_SUITE_P(Readings, Elapsed,
                         testing::Values(ElapsedRow{"SameMillisecond", 5000, 5000, ".", "0"},
                                         ElapsedRow{"FourMilliseconds", 5000, 5004, ",", "0,004"},
                                         ElapsedRow{"OneSecond", 999, 1999, ".", "1"},
                                         ElapsedRow{"ClockStepsBack", 2000, 1000, ".", "0"},
                                         ElapsedRow{"WholeRange", INT64_MIN, INT64_MAX, ".",
                                                    "1.84467440737096E+16"}),
                         reference::rowName);

} // namespace
