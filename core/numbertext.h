#pragma once

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
/// leading number reads 0. The comma is never a decimal separator ("1,5" reads 1). Values beyond
/// the range of a double read as +/-infinity. Runs in time linear in the length of the text.
double parseLeadingNumber(std::string_view text);

/// @brief Writes a number in the general number format.
///
/// At most 15 significant digits (rounded), no trailing zeros and no trailing separator, no digit
/// grouping, "-" before negative values, @p decimalSeparator as the decimal separator. Magnitudes
/// of 1E+15 and above, and non-zero magnitudes below 1E-4, are written in exponent form
/// ("1E+15", "1.5E-05"). Infinity is written "∞" or "-∞", NaN "NaN", and -0 as "0".
std::string formatGeneral(double value, std::string_view decimalSeparator = ".");

/// @brief Reads back a text that formatGeneral wrote with @p decimalSeparator.
///
/// Unlike parseLeadingNumber, this understands the program's own separator and the infinity
/// signs, so every text formatGeneral writes round-trips: formatGeneral(readBackNumber(t, s), s)
/// equals t. Other texts are read like parseLeadingNumber reads them.
double readBackNumber(std::string_view text, std::string_view decimalSeparator);

} // namespace trayeko
