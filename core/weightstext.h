#pragma once

#include "core/demonetwork.h"
#include "core/floydcsv.h"

#include <string>
#include <string_view>

namespace trayeko {

/// @brief A link as the drawing shows it, by its ends: "1→2".
std::string linkEndsText(int k);

/// @brief Every link with its weight: "1→2 = 7; 1→3 = 6; ...", in the links' order, the weights
/// in the general format with @p decimalSeparator, set apart by semicolons, which no weight
/// contains in either region.
std::string weightsList(const LinkWeights& weights, std::string_view decimalSeparator);

/// @brief The line that names the network of a handout: "Bobot: " and weightsList.
std::string weightsHeading(const LinkWeights& weights, std::string_view decimalSeparator);

/// @brief The same in two CSV rows and a blank one, for the top of an exported table: "Jalur" and
/// the links' ends, then "Bobot" and the weights in the general format with @p decimalSeparator.
void writeWeightsRows(CsvWriter& csv, const LinkWeights& weights,
                      std::string_view decimalSeparator);

} // namespace trayeko
