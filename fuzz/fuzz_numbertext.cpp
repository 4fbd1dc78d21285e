// Any text a user can type is read as a number without crashing, and every number the program
// writes reads back as itself rounded to 15 significant digits, whatever the decimal separator.
//
// The input is used twice: as the text of a box, and (its first eight bytes) as the bit pattern of
// a double, so that formatGeneral also meets values that no parse produces.

#include "core/numbertext.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what, std::string_view text, double value)
{
    std::fprintf(stderr, "fuzz_numbertext: %s\n  text:  \"%.*s\"\n  value: %.17g\n", what,
                 int(text.size()), text.data(), value);
    std::abort();
}

// The value rounded to 15 significant digits, worked out by the C library (the C locale is in
// force: the fuzzer never calls setlocale).
double roundedTo15(double value)
{
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.14e", value);
    return std::strtod(digits, nullptr);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Checks the shape of a general-format text of a finite value: an optional minus, digits, an
// optional fraction without trailing zeros, and an optional exponent "E+dd" / "E-dd" with a
// mantissa of one non-zero digit before the separator. Returns the count of significant digits.
int checkShape(const std::string& text, std::string_view separator, double value)
{
    std::string_view rest = text;
    if (!rest.empty() && rest.front() == '-')
        rest.remove_prefix(1);
    const std::size_t e = rest.find('E');
    std::string_view mantissa = rest.substr(0, e);
    std::string_view exponent = e == std::string_view::npos ? std::string_view{} : rest.substr(e);

    const std::size_t sep = mantissa.find(separator);
    std::string_view whole = mantissa.substr(0, sep);
    std::string_view fraction = sep == std::string_view::npos
                                    ? std::string_view{}
                                    : mantissa.substr(sep + separator.size());
    if (whole.empty())
        fail("no digit before the decimal separator", text, value);
    for (char c : whole)
        if (!isDigit(c))
            fail("stray character in the whole part", text, value);
    if (sep != std::string_view::npos) {
        if (fraction.empty() || fraction.back() == '0')
            fail("trailing decimal separator or trailing zero", text, value);
        for (char c : fraction)
            if (!isDigit(c))
                fail("stray character in the fraction", text, value);
    }
    if (whole.size() > 1 && whole.front() == '0')
        fail("leading zero", text, value);

    if (!exponent.empty()) {
        if (exponent.size() < 4 || (exponent[1] != '+' && exponent[1] != '-'))
            fail("malformed exponent", text, value);
        for (char c : exponent.substr(2))
            if (!isDigit(c))
                fail("malformed exponent", text, value);
        if (whole.size() != 1 || whole.front() == '0')
            fail("exponent form without one non-zero leading digit", text, value);
        const double magnitude = std::fabs(roundedTo15(value));
        if (magnitude > 1.0001e-4 && magnitude < 1e15)
            fail("exponent form for a number that fits the plain form", text, value);
    } else if (value != 0 && std::fabs(roundedTo15(value)) < 0.9999e-4) {
        fail("plain form for a non-zero magnitude below 1E-4", text, value);
    }

    std::string digits{whole};
    digits += fraction;
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? 1 : int(digits.size() - first);
}

void checkValue(double value)
{
    const std::string dot = trayeko::formatGeneral(value, ".");
    const std::string comma = trayeko::formatGeneral(value, ",");

    if (std::isnan(value)) {
        if (dot != "NaN" || comma != "NaN")
            fail("NaN is not written as NaN", dot, value);
        return;
    }
    if (std::isinf(value)) {
        const char* expected = value > 0 ? "∞" : "-∞";
        if (dot != expected || comma != expected)
            fail("infinity is not written as the infinity sign", dot, value);
        if (trayeko::readBackNumber(dot, ".") != value)
            fail("the infinity sign does not read back", dot, value);
        return;
    }

    if (dot == "-0" || comma == "-0")
        fail("negative zero written as -0", dot, value);
    if (checkShape(dot, ".", value) > 15)
        fail("more than 15 significant digits", dot, value);
    std::string expectedComma = dot;
    if (const std::size_t p = expectedComma.find('.'); p != std::string::npos)
        expectedComma.replace(p, 1, ",");
    if (comma != expectedComma)
        fail("the comma text differs from the period text in more than the separator", comma,
             value);

    const double rounded = roundedTo15(value);
    const double parsed = trayeko::parseLeadingNumber(dot);
    if (!(parsed == rounded))
        fail("parseLeadingNumber(formatGeneral(x)) is not x rounded to 15 digits", dot, value);
    // The program's own texts read back finite: the largest doubles, whose 15-digit rounding lies
    // beyond the range, come back as the largest double.
    const double ownRounded = std::isinf(rounded)
                                  ? std::copysign(std::numeric_limits<double>::max(), rounded)
                                  : rounded;
    const double readBack = trayeko::readBackNumber(comma, ",");
    if (!(readBack == ownRounded))
        fail("readBackNumber(formatGeneral(x, \",\"), \",\") is not x rounded to 15 digits", comma,
             value);
    if (trayeko::formatGeneral(readBack, ",") != comma)
        fail("formatGeneral(readBackNumber(t)) is not t", comma, value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double parsed = trayeko::parseLeadingNumber(text);
    if (std::isnan(parsed))
        fail("parseLeadingNumber gave NaN", text, parsed);
    checkValue(parsed);

    checkValue(trayeko::readBackNumber(text, ","));
    checkValue(trayeko::readBackNumber(text, "."));

    // Where the user writes a decimal comma, the comma and the period are the same sign.
    std::string periods(text);
    for (char& c : periods)
        if (c == ',')
            c = '.';
    const double commaParsed = trayeko::parseLeadingNumber(text, ",");
    if (!(commaParsed == trayeko::parseLeadingNumber(periods)))
        fail("a comma reads unlike a period where the comma is the decimal separator", text,
             commaParsed);

    if (size >= sizeof(double)) {
        double bits;
        std::memcpy(&bits, data, sizeof bits);
        checkValue(bits);
    }
    return 0;
}
