#include "core/numbertext.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <locale.h>
#include <stdlib.h>

namespace trayeko {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Enough significant decimal digits to round every decimal text correctly to a double (the
// longest decimal expansion of a halfway point between two doubles is shorter than this); the
// digits beyond it only matter through whether any of them is non-zero.
constexpr std::size_t kMaxDecimalDigits = 800;
// 40 hexadecimal or octal digits hold far more than the 53 bits of a double plus rounding bits.
constexpr std::size_t kMaxRadixDigits = 40;
// A decimal or binary exponent beyond this gives an out-of-range double whatever the kept digits,
// so the text handed to the conversion never carries a longer one.
constexpr std::int64_t kExponentClamp = 1'000'000;
// Written exponents stop growing here: far beyond any position a digit can have in a text that
// fits into memory, yet far from overflowing a 64-bit sum.
constexpr std::int64_t kWrittenExponentLimit = 1'000'000'000'000'000;

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

int digitValue(char c, int radix)
{
    int d = -1;
    if (c >= '0' && c <= '9')
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d >= 0 && d < radix ? d : -1;
}

std::int64_t clampExponent(std::int64_t e)
{
    return e > kExponentClamp ? kExponentClamp : (e < -kExponentClamp ? -kExponentClamp : e);
}

// Walks a text while skipping blanks, tabs, carriage returns and line feeds.
class Cursor final
{
public:
    explicit Cursor(std::string_view text) : text_(text) { skipBlanks(); }

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }
    void advance()
    {
        ++pos_;
        skipBlanks();
    }
    // Steps over @p word if the text continues with it.
    bool take(std::string_view word)
    {
        if (word.empty() || text_.substr(pos_).substr(0, word.size()) != word)
            return false;
        pos_ += word.size();
        skipBlanks();
        return true;
    }

private:
    void skipBlanks()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

// strtod in the "C" locale rounds correctly, also into the subnormal range, whatever locale
// the program has set (a comma locale would otherwise stop it at the period).
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

// Converts a compact digit string with a binary or decimal exponent; an overflow gives
// +infinity and an underflow 0.
double convert(const std::string& digits, std::int64_t exponent, bool hex)
{
    std::string text = hex ? "0x" : "";
    text += digits;
    text += hex ? 'p' : 'e';
    text += std::to_string(clampExponent(exponent));
    return strtod_l(text.c_str(), nullptr, cLocale());
}

// A whole number after "&H" or "&O": leading zeros dropped, the digits beyond the first
// kMaxRadixDigits kept only as a sticky non-zero marker, so the rounding stays right.
double parseRadixNumber(Cursor& c, int radix)
{
    const int bitsPerDigit = radix == 16 ? 4 : 3;
    std::string bits; // the kept digits as a bit string
    std::int64_t droppedDigits = 0;
    bool sticky = false;
    for (int d = digitValue(c.peek(), radix); d >= 0;
         c.advance(), d = digitValue(c.peek(), radix)) {
        if (bits.empty() && d == 0)
            continue;
        if (bits.size() < kMaxRadixDigits * std::size_t(bitsPerDigit)) {
            for (int b = bitsPerDigit - 1; b >= 0; --b)
                bits += char('0' + ((d >> b) & 1));
        } else {
            ++droppedDigits;
            sticky = sticky || d != 0;
        }
    }
    if (bits.empty())
        return 0.0;
    std::int64_t exponent = droppedDigits * bitsPerDigit;
    if (sticky) {
        // One set bit below the kept ones stands for the non-zero remainder.
        bits += '1';
        exponent -= 1;
    }
    // Regroup the bits into hexadecimal digits, padding on the left.
    while (bits.size() % 4 != 0)
        bits.insert(bits.begin(), '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        const int v = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 +
                      (bits[i + 3] - '0');
        hex += "0123456789abcdef"[v];
    }
    return convert(hex, exponent, true);
}

double parseDecimalNumber(Cursor& c, std::string_view regionalPoint)
{
    bool negative = false;
    if (c.peek() == '+' || c.peek() == '-') {
        negative = c.peek() == '-';
        c.advance();
    }

    std::string digits; // significant digits, no leading zeros, at most kMaxDecimalDigits
    bool sticky = false;
    // The value is 0.<all significant digits> * 10^pointPosition.
    std::int64_t pointPosition = 0;
    bool seenPoint = false;
    for (;;) {
        const char ch = c.peek();
        if (ch >= '0' && ch <= '9') {
            if (digits.empty() && !sticky && ch == '0') {
                if (seenPoint)
                    --pointPosition;
            } else {
                if (!seenPoint)
                    ++pointPosition;
                if (digits.size() < kMaxDecimalDigits)
                    digits += ch;
                else
                    sticky = sticky || ch != '0';
            }
            c.advance();
        } else if (!seenPoint && ch == '.') {
            seenPoint = true;
            c.advance();
        } else if (!seenPoint && c.take(regionalPoint)) {
            seenPoint = true;
        } else {
            break;
        }
    }

    std::int64_t exponent = 0;
    const char e = c.peek();
    if (e == 'e' || e == 'E' || e == 'd' || e == 'D') {
        c.advance();
        bool negativeExponent = false;
        if (c.peek() == '+' || c.peek() == '-') {
            negativeExponent = c.peek() == '-';
            c.advance();
        }
        for (char ch = c.peek(); ch >= '0' && ch <= '9'; c.advance(), ch = c.peek())
            if (exponent < kWrittenExponentLimit)
                exponent = exponent * 10 + (ch - '0');
        if (negativeExponent)
            exponent = -exponent;
    }

    if (digits.empty())
        return 0.0;
    if (sticky)
        digits += '1';
    const std::int64_t scale = pointPosition + exponent - std::int64_t(digits.size());
    const double magnitude = convert(digits, scale, false);
    if (magnitude == 0.0)
        return 0.0;
    return negative ? -magnitude : magnitude;
}

} // namespace

double parseLeadingNumber(std::string_view text, std::string_view decimalSeparator)
{
    Cursor c(text);
    if (c.peek() == '&') {
        c.advance();
        const char kind = c.peek();
        if (kind == 'h' || kind == 'H') {
            c.advance();
            return parseRadixNumber(c, 16);
        }
        if (kind == 'o' || kind == 'O') {
            c.advance();
            return parseRadixNumber(c, 8);
        }
        return 0.0;
    }
    return parseDecimalNumber(c, decimalSeparator == "." ? std::string_view{} : decimalSeparator);
}

std::string formatGeneral(double value, std::string_view decimalSeparator)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? std::string(kInfinityText) : "-" + std::string(kInfinityText);
    if (value == 0.0)
        return "0";
    if (decimalSeparator.empty())
        decimalSeparator = ".";

    // Fifteen significant digits, correctly rounded: d.dddddddddddddde<exp>.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                      std::chars_format::scientific, 14);
    const std::string_view sci(buffer, std::size_t(result.ptr - buffer));
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char ch : sci.substr(0, ePos))
        if (ch != '.')
            digits += ch;
    int exponent = 0;
    std::string_view expText = sci.substr(ePos + 1);
    if (!expText.empty() && expText.front() == '+')
        expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        out += digits[0];
        if (digits.size() > 1) {
            out += decimalSeparator;
            out.append(digits, 1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const std::size_t wholeDigits = std::size_t(exponent) + 1;
        if (digits.size() <= wholeDigits) {
            out += digits;
            out.append(wholeDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, wholeDigits);
            out += decimalSeparator;
            out.append(digits, wholeDigits);
        }
    } else {
        out += '0';
        out += decimalSeparator;
        out.append(std::size_t(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

namespace {

// The largest doubles are written rounded to 15 digits ("1.79769313486232E+308"), which lies just
// beyond the range of a double; a finite number the program wrote must read back finite.
double clampWritten(double value)
{
    if (std::isinf(value))
        return std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

} // namespace

double readBackNumber(std::string_view text, std::string_view decimalSeparator)
{
    if (text == kInfinityText)
        return kInfinity;
    if (text.starts_with('-') && text.substr(1) == kInfinityText)
        return -kInfinity;
    if (text == "NaN")
        return std::numeric_limits<double>::quiet_NaN();
    return clampWritten(parseLeadingNumber(text, decimalSeparator));
}

std::string distanceText(const std::optional<double>& distance, std::string_view decimalSeparator)
{
    return distance ? formatGeneral(*distance, decimalSeparator) : std::string(kInfinityText);
}

TypedNumber readTypedNumber(std::string_view text, std::string_view separator)
{
    using Kind = TypedNumber::Kind;
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return {Kind::Empty};
    if (text == kInfinityText)
        return {Kind::Number, kInfinity};
    std::string plain;
    bool point = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if ((c == '-' || c == '+') && i == 0) {
            plain += c;
            ++i;
        } else if (c >= '0' && c <= '9') {
            plain += c;
            ++i;
        } else if (!point &&
                   (c == '.' || (!separator.empty() && text.substr(i).starts_with(separator)))) {
            point = true;
            plain += '.';
            i += c == '.' ? 1 : separator.size();
        } else {
            return {Kind::NotNumber};
        }
    }
    const char* first = plain.data() + (plain.front() == '+' ? 1 : 0);
    double value = 0;
    const auto [end, error] = std::from_chars(first, plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size())
        return {Kind::NotNumber};
    return {Kind::Number, value};
}

} // namespace trayeko
