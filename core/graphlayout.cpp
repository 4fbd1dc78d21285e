#include "core/graphlayout.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>

namespace trayeko {

namespace {

// One number of a "pos" value, in C's notation whatever the locale.
bool readNumber(std::string_view text, double& value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

// "x,y" as Graphviz writes a node's place, "x,y!" for a pinned one.
std::optional<std::pair<double, double>> readPos(std::string_view pos)
{
    if (!pos.empty() && pos.back() == '!')
        pos.remove_suffix(1);
    const auto comma = pos.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    double x = 0;
    double y = 0;
    if (!readNumber(pos.substr(0, comma), x) || !readNumber(pos.substr(comma + 1), y))
        return std::nullopt;
    return std::pair{x, y};
}

bool fail(std::string* error, std::string text)
{
    if (error)
        *error = std::move(text);
    return false;
}

} // namespace

std::string layoutRequest(const Network& network)
{
    std::string dot = "digraph jaringan {\n"
                      "  graph [start=1, overlap=false, sep=\"+16\", splines=false];\n"
                      "  node [shape=circle, width=0.5, height=0.5, fixedsize=true, label=\"\"];\n"
                      "  edge [len=1.6];\n";
    for (int node = 1; node <= network.nodeCount(); ++node)
        dot += "  " + std::to_string(node) + ";\n";
    // A pair of opposite links pulls its nodes together no harder than one link does.
    std::set<std::pair<int, int>> joined;
    for (const NetworkLink& link : network.links())
        if (joined.insert(std::minmax(link.from, link.to)).second)
            dot += "  " + std::to_string(link.from) + " -> " + std::to_string(link.to) + ";\n";
    dot += "}\n";
    return dot;
}

std::optional<std::vector<std::pair<double, double>>>
readLayoutAnswer(std::string_view json, int nodeCount, std::string* error)
{
    const nlohmann::json answer = nlohmann::json::parse(json, nullptr, false);
    if (answer.is_discarded() || !answer.is_object()) {
        fail(error, "Jawaban Graphviz bukan JSON yang dapat dibaca.");
        return std::nullopt;
    }
    std::vector<std::optional<std::pair<double, double>>> places(
        std::size_t(std::max(nodeCount, 0)));
    const auto objects = answer.find("objects");
    if (objects != answer.end() && objects->is_array()) {
        for (const nlohmann::json& object : *objects) {
            if (!object.is_object())
                continue;
            const auto name = object.find("name");
            const auto pos = object.find("pos");
            if (name == object.end() || !name->is_string() || pos == object.end())
                continue;
            const std::string& text = name->get_ref<const std::string&>();
            int node = 0;
            const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), node);
            if (ec != std::errc() || end != text.data() + text.size() || node < 1 ||
                node > nodeCount)
                continue;
            const auto place = pos->is_string() ? readPos(pos->get_ref<const std::string&>())
                                                : std::nullopt;
            if (!place) {
                fail(error, "Graphviz memberi simpul " + text + " tempat yang tidak dapat dibaca.");
                return std::nullopt;
            }
            places[at(node)] = std::pair{place->first, -place->second};
        }
    }
    std::vector<std::pair<double, double>> result;
    for (int node = 1; node <= nodeCount; ++node) {
        if (!places[at(node)]) {
            fail(error, "Graphviz tidak memberi tempat untuk simpul " + std::to_string(node) + ".");
            return std::nullopt;
        }
        result.push_back(*places[at(node)]);
    }
    return result;
}

} // namespace trayeko
