#pragma once

#include "core/demonetwork.h"

#include <string>
#include <string_view>

namespace trayeko {

/// @brief The field separator a spreadsheet expects beside @p decimalSeparator: ";" where the
/// decimal separator is a comma, "," otherwise.
std::string csvFieldSeparator(std::string_view decimalSeparator);

/// @brief The value and node matrices of a Floyd run as CSV: one table per matrix and iteration
/// (the value matrices first, then the node matrices; each after the initialisation and after
/// iterations 1 ... 7). A table is a title row ("Matriks Nilai", "Inisialisasi"), a row with
/// the column node numbers, and one row per node that starts with its number; a blank row
/// follows it. Numbers are written in the general format with @p decimalSeparator, empty value
/// cells as "~", lines end in CR LF.
std::string floydCsv(const LinkWeights& weights, std::string_view decimalSeparator);

} // namespace trayeko
