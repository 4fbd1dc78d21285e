#include "core/clock.h"
#include "core/numbertext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace trayeko;

namespace {

constexpr double inf = std::numeric_limits<double>::infinity();

template <typename Row> std::string rowName(const testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

// ---- parseLeadingNumber -------------------------------------------------------------------

struct ParseRow
{
    std::string name;
    std::string text;
    double expected;
};

class Parse : public testing::TestWithParam<ParseRow>
{
};

TEST_P(Parse, ReadsTheLeadingNumber)
{
    const double got = parseLeadingNumber(GetParam().text);
    EXPECT_EQ(got, GetParam().expected);
    EXPECT_FALSE(std::signbit(got) && got == 0) << "-0 leaks out";
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Parse,
    testing::Values(
        ParseRow{"TrailingLetters", "7abc", 7}, ParseRow{"CommaStops", "1,5", 1},
        ParseRow{"LeadingBlank", " 2.5", 2.5}, ParseRow{"Exponent", "1e1", 10},
        ParseRow{"HexPrefix", "&H10", 16}, ParseRow{"Empty", "", 0}, ParseRow{"Letters", "abc", 0},
        ParseRow{"MinusZero", "-0", 0}, ParseRow{"BlanksBetweenDigits", "1 2", 12},
        ParseRow{"TabsAndLineBreaks", "\t-\r\n1\n.\t5", -1.5}, ParseRow{"ExponentD", "2D2", 200},
        ParseRow{"ExponentLowerD", "2d-1", 0.2}, ParseRow{"NegativeExponent", "25E-1", 2.5},
        ParseRow{"PlusSign", "+3", 3}, ParseRow{"LeadingZeros", "007", 7},
        ParseRow{"LoneExponentLetter", "1e", 1}, ParseRow{"ExponentSignOnly", "1e+", 1},
        ParseRow{"LonePoint", ".", 0}, ParseRow{"NegativeFraction", "-.5", -0.5},
        ParseRow{"DoubleMinus", "--1", 0}, ParseRow{"SecondPointStops", "1.2.3", 1.2},
        ParseRow{"LoneHexPrefix", "&H", 0}, ParseRow{"OctalPrefix", "&o17", 15},
        ParseRow{"OctalBadDigit", "&O9", 0}, ParseRow{"HexLowerCase", "&hfF", 255},
        ParseRow{"Ampersand", "&x1", 0}, ParseRow{"SignBeforeHex", "-&H10", 0},
        ParseRow{"EmojiStops",
                 "4\xF0\x9F\x98\x80"
                 "5",
                 4},
        ParseRow{"ControlCharacter",
                 "3\x01"
                 "4",
                 3},
        ParseRow{"Overflow", "1e999", inf}, ParseRow{"NegativeOverflow", "-1e999", -inf},
        ParseRow{"Underflow", "1e-999", 0},
        ParseRow{"HugeExponentDigits", "1e99999999999999999999999", inf},
        ParseRow{"FourHundredDigits", std::string(400, '9'), inf},
        ParseRow{"LongFraction", "0." + std::string(500, '0') + "1e600", 1e99},
        ParseRow{"LongMantissaNegativeScale", std::string(350, '1') + "e-340",
                 1111111111.11111111111111111111},
        ParseRow{"HugeHex", "&H" + std::string(300, 'F'), inf},
        ParseRow{"HexBeyondDoublePrecision", "&H20000000000001", 9007199254740992.0},
        ParseRow{"HexTieToEven", "&H2" + std::string(12, '0') + "1" + std::string(41, '0'),
                 0x1p+217},
        ParseRow{"HexStickyDigitRoundsUp",
                 "&H2" + std::string(12, '0') + "1" + std::string(40, '0') + "1",
                 0x1.0000000000001p+217},
        ParseRow{"LongOctal", "&O" + std::string(30, '7'), 1237940039285380274899124224.0},
        ParseRow{"MaxLengthText", std::string(32767, '5'), inf},
        ParseRow{"MaxLengthBlanks", std::string(32766, ' ') + "8", 8}),
    rowName<ParseRow>);

// The decimal digits of 5^n, for exact decimal texts of binary fractions.
std::string powerOfFive(int n)
{
    std::vector<int> digits{1}; // least significant first
    for (int i = 0; i < n; ++i) {
        int carry = 0;
        for (int& d : digits) {
            const int v = d * 5 + carry;
            d = v % 10;
            carry = v / 10;
        }
        if (carry > 0)
            digits.push_back(carry);
    }
    std::string text;
    for (auto d = digits.rbegin(); d != digits.rend(); ++d)
        text += char('0' + *d);
    return text;
}

TEST(ParseCorrectRounding, HalfwayCaseIsDecidedByADigitFarBehind)
{
    // 2.5 * 2^-1074 = 5^1076 / 10^1075 lies exactly half way between two subnormals; its
    // 750-odd digits must all count, and a non-zero digit beyond 850 more must tip it upwards.
    const std::string half = powerOfFive(1076);
    const double tiny = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(parseLeadingNumber(half + "e-1075"), 2 * tiny); // ties to even
    EXPECT_EQ(parseLeadingNumber(half + std::string(100, '0') + "1e-1176"), 3 * tiny);
    EXPECT_EQ(parseLeadingNumber("0." + std::string(1075 - half.size(), '0') + half), 2 * tiny);
}

// ---- formatGeneral --------------------------------------------------------------------------

struct FormatRow
{
    std::string name;
    double value;
    std::string separator;
    std::string expected;
};

class Format : public testing::TestWithParam<FormatRow>
{
};

TEST_P(Format, WritesTheGeneralFormat)
{
    const FormatRow& row = GetParam();
    EXPECT_EQ(formatGeneral(row.value, row.separator), row.expected);
    // What the program writes it reads back exactly, whatever the separator.
    const double back = readBackNumber(row.expected, row.separator);
    if (!std::isnan(row.value)) {
        EXPECT_EQ(formatGeneral(back, row.separator), row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Format,
    testing::Values(
        FormatRow{"Whole", 16.0, ".", "16"}, FormatRow{"Half", 7.5, ".", "7.5"},
        FormatRow{"Negative", -3, ".", "-3"}, FormatRow{"SumOfTenths", 0.1 + 0.2, ".", "0.3"},
        FormatRow{"Third", 1.0 / 3, ".", "0.333333333333333"}, FormatRow{"Comma", 2.5, ",", "2,5"},
        FormatRow{"MultiByteSeparator", -2.5, "\xD9\xAB",
                  "-2\xD9\xAB"
                  "5"},
        FormatRow{"MinusZero", -0.0, ".", "0"},
        FormatRow{"LargestPlain", 999999999999999, ".", "999999999999999"},
        FormatRow{"RoundsIntoExponentForm", 999999999999999.9, ".", "1E+15"},
        FormatRow{"ExponentForm", 1e15, ".", "1E+15"},
        FormatRow{"ExponentWithFraction", -1.5e300, ",", "-1,5E+300"},
        FormatRow{"SmallestPlain", 0.0001, ".", "0.0001"},
        FormatRow{"SmallExponent", 0.000015, ".", "1.5E-05"},
        FormatRow{"Subnormal", 4.9406564584124654e-324, ".", "4.94065645841247E-324"},
        FormatRow{"FifteenDigits", 123456.7890123456789, ".", "123456.789012346"},
        FormatRow{"Infinity", inf, ".", "∞"}, FormatRow{"NegativeInfinity", -inf, ",", "-∞"},
        FormatRow{"NotANumber", std::nan(""), ".", "NaN"}),
    rowName<FormatRow>);

TEST(FormatRoundTrip, ParsingTheTextGivesTheValueRoundedToFifteenDigits)
{
    std::mt19937_64 random(20240531);
    std::uniform_int_distribution<int> exponent(-323, 307);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    for (int n = 0; n < 20000; ++n) {
        const double x = (n % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, exponent(random));
        char buffer[64];
        const auto end = std::to_chars(buffer, buffer + 64, x, std::chars_format::scientific, 14);
        double rounded = 0;
        std::from_chars(buffer, end.ptr, rounded);
        ASSERT_EQ(parseLeadingNumber(formatGeneral(x, ".")), rounded) << buffer;
        ASSERT_EQ(readBackNumber(formatGeneral(x, ","), ","), rounded) << buffer;
    }
}

TEST(ReadBack, UserTextsKeepTheLeadingNumberRule)
{
    EXPECT_EQ(readBackNumber("12,5", ","), 12.5);
    EXPECT_EQ(readBackNumber("12,5", "."), 12);
    EXPECT_EQ(readBackNumber("abc", ","), 0);
    EXPECT_EQ(readBackNumber("-∞", ","), -inf);
}

TEST(ParseTime, LinearInTheLengthOfTheText)
{
    // A quadratic reader would need seconds for these; a linear one needs milliseconds.
    const std::string texts[] = {std::string(2'000'000, '1'), "0." + std::string(2'000'000, '0'),
                                 "&H" + std::string(2'000'000, 'a'),
                                 "1e" + std::string(2'000'000, '9'), std::string(2'000'000, ' ')};
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& text : texts)
        parseLeadingNumber(text);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

// ---- elapsedText ----------------------------------------------------------------------------

struct ElapsedRow
{
    std::string name;
    std::int64_t start;
    std::int64_t end;
    std::string separator;
    std::string number;
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

INSTANTIATE_TEST_SUITE_P(
    Examples, Elapsed,
    testing::Values(ElapsedRow{"SameMillisecond", 5000, 5000, ".", "0"},
                    ElapsedRow{"FourMilliseconds", 5000, 5004, ".", "0.004"},
                    ElapsedRow{"FourMillisecondsComma", 5000, 5004, ",", "0,004"},
                    ElapsedRow{"OneSecond", 999, 1999, ".", "1"},
                    ElapsedRow{"ClockStepsBack", 2000, 1000, ".", "0"},
                    ElapsedRow{"WholeRange", std::numeric_limits<std::int64_t>::min(),
                               std::numeric_limits<std::int64_t>::max(), ".",
                               "1.84467440737096E+16"}),
    rowName<ElapsedRow>);

} // namespace
