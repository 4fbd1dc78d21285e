#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trayeko {

/// @brief Reads the leading number of a text the way a weight box is read.
///
/// Blanks, tabs, carriage returns and line feeds are skipped wherever they stand (also between
/// digits). The number is an optional sign, decimal digits with at most one period, and an
/// optional exponent (E or D in either case, optional sign, digits); "&H" and "&O" (either case)
/// introduce a hexadecimal or octal whole number instead. Reading stops at the first character
/// that cannot continue the number and the part read so far is the value; a text without a
/// leading number reads 0. Values beyond the range of a double read as +/-infinity. Runs in time
/// linear in the length of the text.
///
/// The period is always a decimal point. Where the user's @p decimalSeparator is another one (a
/// comma), it is a decimal point too, so that a student can type a weight the way the program
/// writes it ("2,5" reads 2.5, "2.5" still 2.5); either way a number has at most one, and reading
/// stops at the second ("2,5.1" reads 2.5). With the period alone the comma ends the number
/// ("1,5" reads 1).
double parseLeadingNumber(std::string_view text, std::string_view decimalSeparator = ".");

/// @brief Writes a number in the general number format.
///
/// At most 15 significant digits (rounded), no trailing zeros and no trailing separator, no digit
/// grouping, "-" before negative values, @p decimalSeparator as the decimal separator. Magnitudes
/// of 1E+15 and above, and non-zero magnitudes below 1E-4, are written in exponent form
/// ("1E+15", "1.5E-05"). Infinity is written "∞" or "-∞", NaN "NaN", and -0 as "0".
std::string formatGeneral(double value, std::string_view decimalSeparator = ".");

/// @brief The one way the program writes an infinite distance, no path known included.
inline constexpr std::string_view kInfinityText = "∞";

/// @brief A distance as every lesson text writes it: formatGeneral, or kInfinityText where
/// @p distance is empty (no path known).
std::string distanceText(const std::optional<double>& distance,
                         std::string_view decimalSeparator = ".");

/// @brief What a student typed into an answer field, read whole.
struct TypedNumber
{
    enum class Kind
    {
        Empty,     ///< nothing but blanks
        NotNumber, ///< anything else that is not a number as below
        Number,
    };
    Kind kind = Kind::Empty;
    double value = 0;
};

/// @brief Reads an answer: blanks around it are dropped, then an optional sign, digits with at
/// most one decimal point ('.' or @p decimalSeparator), and nothing else; or kInfinityText, which
/// reads as +infinity. Unlike a weight box, an answer is read whole, so "12abc" is no number
/// rather than 12.
TypedNumber readTypedNumber(std::string_view text, std::string_view decimalSeparator = ".");

/// @brief Reads back a text that formatGeneral wrote with @p decimalSeparator.
///
/// Beyond parseLeadingNumber with the same separator, this understands the infinity signs and
/// keeps the largest doubles finite, so every text formatGeneral writes round-trips:
/// formatGeneral(readBackNumber(t, s), s) equals t. Other texts are read like parseLeadingNumber
/// reads them.
double readBackNumber(std::string_view text, std::string_view decimalSeparator);

} // namespace trayeko
