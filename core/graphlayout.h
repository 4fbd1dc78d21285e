#pragma once

#include "core/network.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trayeko {

/// @brief The network as a DOT graph for Graphviz's neato to place: the nodes by their numbers
/// alone (names never reach the other program), circles of one size, each link once, a fixed
/// seed so that one network is always placed alike.
std::string layoutRequest(const Network& network);

/// @brief The places neato's `-Tjson` (or `-Tjson0`) answer gives the nodes of a network of
/// @p nodeCount nodes, node 1 first, as (x, y) with y growing downwards as on a screen. Nothing,
/// with the reason in @p error (Indonesian) where given, for an answer that is no JSON, lacks a
/// node's place or gives one that is no pair of finite numbers.
std::optional<std::vector<std::pair<double, double>>>
readLayoutAnswer(std::string_view json, int nodeCount, std::string* error = nullptr);

} // namespace trayeko
