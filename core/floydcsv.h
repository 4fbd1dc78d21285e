#pragma once

#include "core/demonetwork.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trayeko {

/// @brief The field separator a spreadsheet expects beside @p decimalSeparator: ";" where the
/// decimal separator is a comma, "," otherwise.
std::string csvFieldSeparator(std::string_view decimalSeparator);

/// @brief Rows of CSV fields joined by one separator, each row ended by CR LF.
class CsvWriter final
{
public:
    explicit CsvWriter(std::string separator) : m_separator(std::move(separator)) {}

    void row(const std::vector<std::string>& fields)
    {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0)
                m_text += m_separator;
            field(fields[i]);
        }
        m_text += "\r\n";
    }

    std::string take() { return std::move(m_text); }

private:
    // A field holding the separator, a quote or a line break is quoted, its quotes doubled; no
    // number needs it, but a spreadsheet must never see a field split in two.
    void field(const std::string& text)
    {
        if (text.find(m_separator) == std::string::npos &&
            text.find_first_of("\"\r\n") == std::string::npos) {
            m_text += text;
            return;
        }
        m_text += '"';
        for (const char c : text) {
            if (c == '"')
                m_text += '"';
            m_text += c;
        }
        m_text += '"';
    }

    std::string m_separator;
    std::string m_text;
};

/// @brief The value and node matrices of a Floyd run as CSV, under the weights they were worked
/// out from (writeWeightsRows): one table per matrix and iteration
/// (the value matrices first, then the node matrices; each after the initialisation and after
/// iterations 1 ... 7). A table is a title row ("Matriks Nilai", "Inisialisasi"), a row with
/// the column node numbers, and one row per node that starts with its number; a blank row
/// follows it. Numbers are written in the general format with @p decimalSeparator, empty value
/// cells as "~", lines end in CR LF.
std::string floydCsv(const LinkWeights& weights, std::string_view decimalSeparator);

} // namespace trayeko
