#pragma once

#include "core/network.h"

#include <optional>
#include <string>
#include <string_view>

namespace trayeko {

/// @brief What a network file holds: the network, the route's start and end node, and what the
/// teacher tells the class about it.
struct NetworkDocument
{
    Network network;
    int start = 1;     ///< 0 < start, end <= nodeCount once read
    int end = 0;       ///< 0: the last node
    std::string title; ///< "judul" for the class
    std::string note;  ///< a note for the class (the exercise's task)

    bool operator==(const NetworkDocument&) const = default;
};

/// @brief The formats a network is read from and written to. Dot is written only.
enum class NetworkFormat
{
    Json,
    GraphMl,
    Csv,
    Dot
};

/// @brief The most nodes a window can teach; readers refuse larger networks and say so.
inline constexpr int kMaxNetworkNodes = 40;

/// @brief A reader's answer: the document, or why it was refused.
struct NetworkReadResult
{
    std::optional<NetworkDocument> document; ///< empty: refused
    std::string error;                       ///< Indonesian, why; names line/element where it can
};

/// @brief The format a file name's extension stands for (.trayeko.json/.json: Json,
/// .graphml/.xml: GraphMl, .csv/.txt: Csv, .dot/.gv: Dot), case-insensitive; nullopt for others.
std::optional<NetworkFormat> formatForFileName(std::string_view fileName);

/// @brief Reads a whole file's @p content. Never throws: bad input is refused with a reason.
/// @p decimalSeparator is the user's, used by Csv (a decimal comma is read where it is ',').
/// Dot is refused: it is written only.
NetworkReadResult readNetwork(std::string_view content, NetworkFormat format,
                              char decimalSeparator = '.');

/// @brief Text pasted from a spreadsheet: a matrix or an edge list, its cells separated by tabs
/// (or ';' or ',').
NetworkReadResult readPastedTable(std::string_view text, char decimalSeparator = '.');

/// @brief The whole file of @p document in @p format. Csv writes the adjacency matrix with the
/// node names as header, separated by ';' where @p decimalSeparator is ',' (and then with
/// decimal commas), else by ','. Csv keeps nodes, names and weights only: not the places, the
/// title, the note, the ends, the order of the links, nor a link of weight 0.
std::string writeNetwork(const NetworkDocument& document, NetworkFormat format,
                         char decimalSeparator = '.');

/// @brief The file dialog's filter of the formats that are read.
std::string fileFilterText();

/// @brief The same with DOT added, for saving.
std::string saveFilterText();

} // namespace trayeko
