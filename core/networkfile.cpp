#include "core/networkfile.h"

#include "core/numbertext.h"

#include <nlohmann/json.hpp>
#include <pugixml.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <map>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

namespace trayeko {

namespace {

// Readers stop at the first fault by throwing a Refusal; readNetwork turns it into the answer.
struct Refusal
{
    std::string text;
};

[[noreturn]] void refuse(std::string text)
{
    throw Refusal{std::move(text)};
}

std::string inQuotes(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

int lineAt(std::string_view text, std::size_t offset)
{
    offset = std::min(offset, text.size());
    return 1 + int(std::count(text.begin(), text.begin() + std::ptrdiff_t(offset), '\n'));
}

std::string lineText(int line)
{
    return "baris " + std::to_string(line);
}

// Shortest text that reads back to the same double; integers without a point.
std::string numberText(double value)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc() ? std::string(buffer, end) : std::string("nan");
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A whole text as a number ("+" allowed, blanks round it ignored); with @p decimalComma a comma
// stands for the point. Infinity and NaN are read, for the caller to refuse by name.
std::optional<double> readNumber(std::string_view text, bool decimalComma = false)
{
    std::string digits(trimmed(text));
    if (decimalComma && digits.find('.') == std::string::npos)
        std::replace(digits.begin(), digits.end(), ',', '.');
    std::string_view rest = digits;
    if (rest.size() > 1 && rest.front() == '+' && rest[1] != '-')
        rest.remove_prefix(1);
    if (rest.empty())
        return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (end != rest.data() + rest.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        return rest.front() == '-' ? -kNoPath : kNoPath; // beyond a double: no finite number
    if (ec != std::errc())
        return std::nullopt;
    return value;
}

bool isPositiveInteger(std::string_view text)
{
    return !text.empty() && text.size() < 10 && text.front() != '0' &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A name is one line: control characters become blanks. A title or a note keeps its line breaks
// and tabs; a carriage return goes, as XML readers drop it anyway.
std::string cleanText(std::string_view text, bool lines)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\r' && lines)
            continue;
        const bool kept = (unsigned char)c >= 0x20 || (lines && (c == '\n' || c == '\t'));
        out += kept ? c : ' ';
    }
    return out;
}

// A node's name as the network keeps it: one line, no blanks round it.
std::string nameText(std::string_view text)
{
    return std::string(trimmed(cleanText(text, false)));
}

// What a reader found, before the checks every format shares.
struct RawNode
{
    std::string name;
    double x = 0;
    double y = 0;
};

struct RawLink
{
    int from = 0; ///< node numbers, already known to exist
    int to = 0;
    double weight = 0;
    std::string where; ///< how a refusal names the link: "baris 4", "jalur ke-3 di \"links\""
};

void checkNodeCount(std::size_t count)
{
    if (count > std::size_t(kMaxNetworkNodes))
        refuse("Jaringan ini punya " + std::to_string(count) + " simpul; jendela ini mengajarkan "
               "paling banyak " + std::to_string(kMaxNetworkNodes) + " simpul.");
}

NetworkDocument buildDocument(const std::vector<RawNode>& nodes, const std::vector<RawLink>& links)
{
    checkNodeCount(nodes.size());
    if (nodes.empty())
        refuse("Berkas ini tidak berisi satu simpul pun.");
    NetworkDocument document;
    for (const RawNode& n : nodes)
        document.network.addNode(nameText(n.name), n.x, n.y);
    const Network& network = document.network;
    for (const RawLink& l : links) {
        const std::string from = inQuotes(network.nodeLabel(l.from));
        const std::string to = inQuotes(network.nodeLabel(l.to));
        if (l.from == l.to)
            refuse(l.where + ": jalur dari simpul " + from + " ke simpul itu sendiri.");
        if (network.findLink(l.from, l.to) != 0)
            refuse(l.where + ": jalur kedua dari simpul " + from + " ke simpul " + to +
                   "; satu arah hanya boleh punya satu jalur.");
        if (!std::isfinite(l.weight))
            refuse(l.where + ": bobot jalur dari simpul " + from + " ke simpul " + to +
                   " bukan bilangan berhingga.");
        document.network.addLink(l.from, l.to, l.weight);
    }
    document.end = network.nodeCount();
    return document;
}

void setEnd(NetworkDocument& document, int number, bool isStart, const std::string& given)
{
    if (!document.network.hasNode(number))
        refuse(std::string(isStart ? "Simpul awal " : "Simpul akhir ") + given +
               " tidak ada; jaringan ini punya simpul 1 sampai " +
               std::to_string(document.network.nodeCount()) + ".");
    (isStart ? document.start : document.end) = number;
}

// ---------------------------------------------------------------------------------------------
// The program's own format: JSON.

using Json = nlohmann::json;
constexpr int kJsonVersion = 1;
constexpr std::string_view kJsonFormat = "trayeko-network";

// How deep brackets nest, outside strings: refused early so that no parser recurses without end.
int jsonDepth(std::string_view text)
{
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            deepest = std::max(deepest, ++depth);
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return deepest;
}

std::optional<double> jsonNumber(const Json& object, const char* key, const std::string& where)
{
    const auto found = object.find(key);
    if (found == object.end() || found->is_null())
        return std::nullopt;
    if (!found->is_number())
        refuse(where + ": " + inQuotes(key) + " bukan bilangan, melainkan " + found->dump() + ".");
    return found->get<double>();
}

std::optional<long long> jsonInteger(const Json& object, const char* key, const std::string& where)
{
    const auto found = object.find(key);
    if (found == object.end() || found->is_null())
        return std::nullopt;
    if (!found->is_number_integer())
        refuse(where + ": " + inQuotes(key) + " bukan bilangan bulat, melainkan " + found->dump() +
               ".");
    return found->get<long long>();
}

std::string jsonText(const Json& object, const char* key, const std::string& where)
{
    const auto found = object.find(key);
    if (found == object.end() || found->is_null())
        return {};
    if (!found->is_string())
        refuse(where + ": " + inQuotes(key) + " bukan teks.");
    return found->get<std::string>();
}

NetworkDocument readJson(std::string_view text)
{
    if (jsonDepth(text) > 32)
        refuse("JSON ini bersarang terlalu dalam untuk sebuah berkas jaringan.");
    Json root;
    try {
        root = Json::parse(text.begin(), text.end());
    } catch (const Json::out_of_range&) {
        refuse("JSON berisi bilangan yang terlalu besar: bukan bilangan berhingga.");
    } catch (const Json::parse_error& e) {
        const std::size_t offset = e.byte > 0 ? e.byte - 1 : 0;
        if (offset + 1 >= text.size())
            refuse("JSON terpotong: berkas berakhir di tengah data (" +
                   lineText(lineAt(text, text.size())) + ").");
        refuse("JSON rusak pada " + lineText(lineAt(text, offset)) + ".");
    }
    if (!root.is_object() || jsonText(root, "format", "Berkas") != kJsonFormat)
        refuse("Bukan berkas jaringan Trayeko: tidak ada \"format\": \"trayeko-network\".");
    const auto version = root.find("version");
    if (version == root.end() || !version->is_number_integer())
        refuse("Berkas jaringan tanpa nomor versi yang terbaca.");
    if (version->get<long long>() != kJsonVersion)
        refuse("Berkas jaringan versi " + version->dump() + " tidak dikenal; program ini membaca "
               "versi " + std::to_string(kJsonVersion) + ".");

    const auto nodes = root.find("nodes");
    if (nodes == root.end() || !nodes->is_array())
        refuse("Berkas jaringan tanpa daftar simpul (\"nodes\").");
    checkNodeCount(nodes->size());
    std::vector<RawNode> rawNodes;
    std::map<long long, int> numberOf; // the number in the file -> the node's place, from 1
    for (const Json& node : *nodes) {
        const std::string where = "simpul ke-" + std::to_string(rawNodes.size() + 1) +
                                  " di \"nodes\"";
        if (!node.is_object())
            refuse(where + " bukan objek.");
        const long long number = jsonInteger(node, "number", where).value_or(
            (long long)rawNodes.size() + 1);
        if (!numberOf.emplace(number, int(rawNodes.size()) + 1).second)
            refuse(where + ": nomor " + std::to_string(number) + " sudah dipakai simpul lain.");
        RawNode raw{jsonText(node, "name", where), jsonNumber(node, "x", where).value_or(0),
                    jsonNumber(node, "y", where).value_or(0)};
        if (!std::isfinite(raw.x) || !std::isfinite(raw.y))
            refuse(where + ": tempat simpul bukan bilangan berhingga.");
        rawNodes.push_back(std::move(raw));
    }

    const auto node = [&](const Json& object, const char* key, const std::string& where) {
        const auto number = jsonInteger(object, key, where);
        if (!number)
            refuse(where + ": " + inQuotes(key) + " tidak ada.");
        const auto found = numberOf.find(*number);
        if (found == numberOf.end())
            refuse(where + ": menuju simpul " + std::to_string(*number) + " yang tidak ada.");
        return found->second;
    };
    std::vector<RawLink> rawLinks;
    if (const auto links = root.find("links"); links != root.end() && !links->is_null()) {
        if (!links->is_array())
            refuse("\"links\" bukan daftar jalur.");
        for (const Json& link : *links) {
            const std::string where = "jalur ke-" + std::to_string(rawLinks.size() + 1) +
                                      " di \"links\"";
            if (!link.is_object())
                refuse(where + " bukan objek.");
            const int from = node(link, "from", where);
            const int to = node(link, "to", where);
            const auto weight = link.find("weight");
            if (weight == link.end() || !weight->is_number())
                refuse(where + ": bobot " +
                       (weight == link.end() ? std::string("tidak ada") : weight->dump()) +
                       " bukan bilangan berhingga.");
            rawLinks.push_back({from, to, weight->get<double>(), where});
        }
    }

    NetworkDocument document = buildDocument(rawNodes, rawLinks);
    document.title = cleanText(jsonText(root, "title", "Berkas"), true);
    document.note = cleanText(jsonText(root, "note", "Berkas"), true);
    for (const bool isStart : {true, false}) {
        const char* key = isStart ? "start" : "end";
        const auto number = jsonInteger(root, key, "Berkas");
        if (number && (isStart || *number != 0)) { // an end of 0 is the last node
            const auto found = numberOf.find(*number);
            setEnd(document, found == numberOf.end() ? 0 : found->second, isStart,
                   std::to_string(*number));
        }
    }
    return document;
}

// Whole numbers are written without a point; what JSON cannot hold (infinity, NaN) as a text,
// which the reader then refuses by name rather than the file being cut short.
nlohmann::ordered_json jsonValue(double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : value > 0 ? "Infinity" : "-Infinity";
    if (value == std::floor(value) && std::fabs(value) < 1e15)
        return (long long)value;
    return value;
}

std::string writeJson(const NetworkDocument& document)
{
    using Ordered = nlohmann::ordered_json;
    const Network& network = document.network;
    Ordered root;
    root["format"] = kJsonFormat;
    root["version"] = kJsonVersion;
    root["title"] = document.title;
    root["note"] = document.note;
    root["start"] = document.start;
    root["end"] = document.end > 0 ? document.end : network.nodeCount();
    root["nodes"] = Ordered::array();
    for (const NetworkNode& n : network.nodes())
        root["nodes"].push_back(
            {{"number", n.number}, {"name", n.name}, {"x", jsonValue(n.x)}, {"y", jsonValue(n.y)}});
    root["links"] = Ordered::array();
    for (const NetworkLink& l : network.links())
        root["links"].push_back({{"from", l.from}, {"to", l.to}, {"weight", jsonValue(l.weight)}});
    return root.dump(2, ' ', false, Ordered::error_handler_t::replace) + "\n";
}

// ---------------------------------------------------------------------------------------------
// GraphML, as networkx and yEd write it.

std::string_view localName(const char* name)
{
    const std::string_view text(name);
    const auto colon = text.rfind(':');
    return colon == std::string_view::npos ? text : text.substr(colon + 1);
}

bool sameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower((unsigned char)x) == std::tolower((unsigned char)y);
           });
}

pugi::xml_node child(pugi::xml_node parent, std::string_view name)
{
    for (pugi::xml_node c : parent.children())
        if (c.type() == pugi::node_element && localName(c.name()) == name)
            return c;
    return {};
}

// The first element @p name below @p parent, at most a few levels down (yEd nests its geometry
// and labels three deep); deeper XML is not followed, so that no file runs the stack out.
pugi::xml_node descendant(pugi::xml_node parent, std::string_view name, int levels = 6)
{
    for (pugi::xml_node c : parent.children()) {
        if (c.type() != pugi::node_element)
            continue;
        if (localName(c.name()) == name)
            return c;
        if (levels > 1)
            if (pugi::xml_node found = descendant(c, name, levels - 1))
                return found;
    }
    return {};
}

std::string xmlProblem(pugi::xml_parse_status status)
{
    switch (status) {
    case pugi::status_end_element_mismatch:
        return "tag penutup tidak cocok dengan tag pembukanya";
    case pugi::status_unrecognized_tag:
    case pugi::status_bad_start_element:
    case pugi::status_bad_end_element:
        return "tag rusak";
    case pugi::status_bad_attribute:
        return "atribut rusak";
    case pugi::status_bad_pcdata:
    case pugi::status_bad_cdata:
    case pugi::status_bad_comment:
    case pugi::status_bad_pi:
    case pugi::status_bad_doctype:
        return "isi rusak";
    case pugi::status_no_document_element:
        return "tidak ada elemen sama sekali";
    default:
        return "XML tidak dapat dibaca";
    }
}

struct GraphMlKey
{
    std::string attributeName; ///< attr.name, lower case
    std::string graphicsType;  ///< yfiles.type: nodegraphics, edgegraphics
    std::string defaultValue;
};

NetworkDocument readGraphMl(std::string_view text)
{
    pugi::xml_document xml;
    const pugi::xml_parse_result parsed =
        xml.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!parsed) {
        const auto offset = std::size_t(std::max<std::ptrdiff_t>(parsed.offset, 0));
        const std::string_view rest = text.substr(std::min(offset, text.size()));
        if ((parsed.status == pugi::status_end_element_mismatch && offset >= text.size()) ||
            rest.find('>') == std::string_view::npos)
            refuse("XML terpotong: berkas berakhir sebelum semua elemen ditutup (" +
                   lineText(lineAt(text, text.size())) + ").");
        refuse("XML rusak pada " + lineText(lineAt(text, offset)) + ": " +
               xmlProblem(parsed.status) + ".");
    }
    const auto where = [&](pugi::xml_node element) {
        return lineText(lineAt(text, std::size_t(std::max<std::ptrdiff_t>(element.offset_debug(), 0)))) +
               ", elemen <" + std::string(localName(element.name())) + ">";
    };
    const pugi::xml_node root = xml.document_element();
    if (localName(root.name()) != "graphml")
        refuse("Bukan berkas GraphML: elemen akarnya <" + std::string(root.name()) + ">.");

    std::map<std::string, GraphMlKey> keys;
    for (pugi::xml_node key : root.children()) {
        if (localName(key.name()) != "key")
            continue;
        std::string name = key.attribute("attr.name").value();
        std::transform(name.begin(), name.end(), name.begin(),
                       [](char c) { return char(std::tolower((unsigned char)c)); });
        keys[key.attribute("id").value()] = {name, key.attribute("yfiles.type").value(),
                                             child(key, "default").child_value()};
    }
    const auto keyOf = [&](pugi::xml_node data) -> const GraphMlKey* {
        const auto found = keys.find(data.attribute("key").value());
        return found == keys.end() ? nullptr : &found->second;
    };

    const pugi::xml_node graph = child(root, "graph");
    if (!graph)
        refuse("Berkas GraphML ini tidak berisi elemen <graph>.");
    const bool undirected = std::string_view(graph.attribute("edgedefault").value()) == "undirected";

    // Every node of the graph, nested graphs (yEd's groups) included, in document order.
    std::vector<pugi::xml_node> nodeElements;
    std::vector<pugi::xml_node> edgeElements;
    const auto collect = [&](auto&& self, pugi::xml_node parent, int depth) -> void {
        if (depth > 16)
            refuse("Berkas GraphML ini bersarang terlalu dalam.");
        for (pugi::xml_node c : parent.children()) {
            const std::string_view name = localName(c.name());
            if (name == "node")
                nodeElements.push_back(c);
            else if (name == "edge")
                edgeElements.push_back(c);
            if (name == "node" || name == "graph")
                self(self, c, depth + 1);
        }
    };
    collect(collect, graph, 0);
    checkNodeCount(nodeElements.size());

    std::vector<RawNode> nodes;
    std::map<std::string, int> numberOf;
    for (pugi::xml_node element : nodeElements) {
        const int number = int(nodes.size()) + 1;
        const std::string id = element.attribute("id").value();
        if (id.empty())
            refuse(where(element) + ": simpul tanpa id.");
        if (!numberOf.emplace(id, number).second)
            refuse(where(element) + ": id simpul " + inQuotes(id) + " dipakai dua kali.");
        RawNode node;
        bool named = false;
        for (pugi::xml_node data : element.children()) {
            const GraphMlKey* key = localName(data.name()) == "data" ? keyOf(data) : nullptr;
            if (!key)
                continue;
            if (key->attributeName == "name" || key->attributeName == "label") {
                node.name = data.child_value();
                named = true;
            } else if (key->attributeName == "x" || key->attributeName == "y") {
                const auto value = readNumber(data.child_value());
                if (!value || !std::isfinite(*value))
                    refuse(where(data) + ": tempat simpul " + inQuotes(data.child_value()) +
                           " bukan bilangan berhingga.");
                (key->attributeName == "x" ? node.x : node.y) = *value;
            } else if (key->graphicsType == "nodegraphics") {
                if (const pugi::xml_node geometry = descendant(data, "Geometry")) {
                    const auto number = [&](const char* name) {
                        const auto value = readNumber(geometry.attribute(name).value());
                        return value && std::isfinite(*value) ? *value : 0.0;
                    };
                    node.x = number("x") + number("width") / 2;
                    node.y = number("y") + number("height") / 2;
                }
                if (const pugi::xml_node label = descendant(data, "NodeLabel"); label && !named) {
                    node.name = std::string(trimmed(label.child_value()));
                    named = true;
                }
            }
        }
        if (!named && id != std::to_string(number))
            node.name = id;
        nodes.push_back(std::move(node));
    }

    std::vector<RawLink> links;
    for (pugi::xml_node element : edgeElements) {
        const auto end = [&](const char* attribute) {
            const std::string id = element.attribute(attribute).value();
            const auto found = numberOf.find(id);
            if (found == numberOf.end())
                refuse(where(element) + ": jalur menuju simpul " + inQuotes(id) +
                       " yang tidak ada.");
            return found->second;
        };
        const int from = end("source");
        const int to = end("target");
        std::optional<double> weight;
        for (const auto& [id, key] : keys)
            if (key.attributeName == "weight" && !key.defaultValue.empty())
                weight = readNumber(key.defaultValue);
        for (pugi::xml_node data : element.children()) {
            const GraphMlKey* key = localName(data.name()) == "data" ? keyOf(data) : nullptr;
            if (!key)
                continue;
            if (key->attributeName == "weight") {
                weight = readNumber(data.child_value());
                if (!weight)
                    refuse(where(data) + ": bobot " + inQuotes(data.child_value()) +
                           " bukan bilangan berhingga.");
                break;
            }
            if (key->graphicsType == "edgegraphics")
                if (const pugi::xml_node label = descendant(data, "EdgeLabel"))
                    if (const auto value = readNumber(label.child_value()))
                        weight = value;
        }
        const std::string_view directed = element.attribute("directed").value();
        const bool oneWay = directed.empty() ? !undirected : directed != "false";
        links.push_back({from, to, weight.value_or(1), where(element)});
        if (!oneWay)
            links.push_back({to, from, weight.value_or(1), where(element)});
    }

    NetworkDocument document = buildDocument(nodes, links);
    for (pugi::xml_node data : graph.children()) {
        const GraphMlKey* key = localName(data.name()) == "data" ? keyOf(data) : nullptr;
        if (!key)
            continue;
        const std::string value = data.child_value();
        if (key->attributeName == "title")
            document.title = cleanText(value, true);
        else if (key->attributeName == "note")
            document.note = cleanText(value, true);
        else if (key->attributeName == "start" || key->attributeName == "end") {
            const auto byId = numberOf.find(value);
            const auto byNumber = readNumber(value);
            const int number = byId != numberOf.end() ? byId->second
                               : byNumber && *byNumber >= 1 && *byNumber <= kMaxNetworkNodes
                                   ? int(*byNumber)
                                   : 0;
            setEnd(document, number, key->attributeName == "start", inQuotes(value));
        }
    }
    return document;
}

std::string writeGraphMl(const NetworkDocument& document)
{
    const Network& network = document.network;
    pugi::xml_document xml;
    pugi::xml_node declaration = xml.append_child(pugi::node_declaration);
    declaration.append_attribute("version") = "1.0";
    declaration.append_attribute("encoding") = "utf-8";
    pugi::xml_node root = xml.append_child("graphml");
    root.append_attribute("xmlns") = "http://graphml.graphdrawing.org/xmlns";
    root.append_attribute("xmlns:xsi") = "http://www.w3.org/2001/XMLSchema-instance";
    root.append_attribute("xsi:schemaLocation") =
        "http://graphml.graphdrawing.org/xmlns "
        "http://graphml.graphdrawing.org/xmlns/1.0/graphml.xsd";
    struct Key
    {
        const char* id;
        const char* owner;
        const char* name;
        const char* type;
    };
    for (const Key& key : {Key{"d0", "graph", "title", "string"}, Key{"d1", "graph", "note", "string"},
                           Key{"d2", "graph", "start", "int"}, Key{"d3", "graph", "end", "int"},
                           Key{"d4", "node", "name", "string"}, Key{"d5", "node", "x", "double"},
                           Key{"d6", "node", "y", "double"},
                           Key{"d7", "edge", "weight", "double"}}) {
        pugi::xml_node element = root.append_child("key");
        element.append_attribute("id") = key.id;
        element.append_attribute("for") = key.owner;
        element.append_attribute("attr.name") = key.name;
        element.append_attribute("attr.type") = key.type;
    }
    pugi::xml_node graph = root.append_child("graph");
    graph.append_attribute("edgedefault") = "directed";
    const auto data = [](pugi::xml_node parent, const char* key, const std::string& value) {
        pugi::xml_node element = parent.append_child("data");
        element.append_attribute("key") = key;
        element.append_child(pugi::node_pcdata).set_value(value.c_str());
    };
    // XML holds no control characters: names stay one line, the title and note keep theirs.
    if (!document.title.empty())
        data(graph, "d0", cleanText(document.title, true));
    if (!document.note.empty())
        data(graph, "d1", cleanText(document.note, true));
    data(graph, "d2", std::to_string(document.start));
    data(graph, "d3", std::to_string(document.end > 0 ? document.end : network.nodeCount()));
    for (const NetworkNode& n : network.nodes()) {
        pugi::xml_node element = graph.append_child("node");
        element.append_attribute("id") = std::to_string(n.number).c_str();
        if (!n.name.empty())
            data(element, "d4", cleanText(n.name, false));
        data(element, "d5", numberText(n.x));
        data(element, "d6", numberText(n.y));
    }
    for (const NetworkLink& l : network.links()) {
        pugi::xml_node element = graph.append_child("edge");
        element.append_attribute("source") = std::to_string(l.from).c_str();
        element.append_attribute("target") = std::to_string(l.to).c_str();
        data(element, "d7", numberText(l.weight));
    }
    std::ostringstream out;
    xml.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
    return out.str();
}

// ---------------------------------------------------------------------------------------------
// Tables: CSV files and text pasted from a spreadsheet.

struct Cell
{
    std::string text;
    int line = 0;
    int column = 0;
};
using Row = std::vector<Cell>;

std::string cellText(const Cell& cell)
{
    return lineText(cell.line) + ", kolom " + std::to_string(cell.column);
}

// The first line's separator outside quotes: a tab, else ';', else ','.
char detectSeparator(std::string_view text)
{
    bool inQuote = false;
    bool semicolon = false;
    for (const char c : text) {
        if (c == '"')
            inQuote = !inQuote;
        else if (!inQuote && c == '\t')
            return '\t';
        else if (!inQuote && c == ';')
            semicolon = true;
        else if (!inQuote && c == '\n')
            break;
    }
    return semicolon ? ';' : ',';
}

// Records as spreadsheets write them: a cell in double quotes may hold the separator, line
// breaks and doubled quotes. Rows whose cells are all empty are left out.
std::vector<Row> splitTable(std::string_view text, char separator)
{
    std::vector<Row> rows;
    Row row;
    Cell cell{{}, 1, 1};
    int line = 1;
    bool quotedCell = false;
    const auto endCell = [&] {
        row.push_back(std::move(cell));
        cell = {{}, line, int(row.size()) + 1};
    };
    const auto endRow = [&] {
        endCell();
        const bool blank = std::all_of(row.begin(), row.end(),
                                       [](const Cell& c) { return trimmed(c.text).empty(); });
        if (!blank)
            rows.push_back(std::move(row));
        row.clear();
        cell = {{}, line, 1};
    };
    int quoteLine = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quotedCell) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                cell.text += '"';
                ++i;
            } else if (c == '"') {
                quotedCell = false;
            } else {
                if (c == '\n')
                    ++line;
                cell.text += c;
            }
        } else if (c == '"' && trimmed(cell.text).empty()) {
            cell.text.clear();
            quotedCell = true;
            quoteLine = line;
        } else if (c == separator) {
            endCell();
        } else if (c == '\n') {
            ++line;
            endRow();
        } else if (c != '\r') {
            cell.text += c;
        }
    }
    if (quotedCell)
        refuse(lineText(quoteLine) + ": tanda kutip tidak ditutup sampai akhir berkas.");
    endRow();
    return rows;
}

bool isNoLink(std::string_view text)
{
    text = trimmed(text);
    return text.empty() || text == "-" || text == "~" || text == kInfinityText;
}

NetworkDocument readMatrix(const std::vector<Row>& rows, bool headerRow, bool headerColumn,
                           bool decimalComma)
{
    const std::size_t first = headerColumn ? 1 : 0;
    const std::size_t n = rows.size() - (headerRow ? 1 : 0);
    checkNodeCount(n);
    std::vector<RawNode> nodes(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Cell& name = headerRow ? rows[0][first + i] : rows[i][0];
        const std::string label = nameText(name.text);
        if (label != std::to_string(i + 1) && (headerRow || headerColumn))
            nodes[i].name = label;
    }
    std::vector<RawLink> links;
    for (std::size_t i = 0; i < n; ++i) {
        const Row& row = rows[i + (headerRow ? 1 : 0)];
        for (std::size_t j = 0; j < n; ++j) {
            const Cell& cell = row[first + j];
            if (isNoLink(cell.text))
                continue;
            const auto weight = readNumber(cell.text, decimalComma);
            if (!weight)
                refuse(cellText(cell) + ": " + inQuotes(trimmed(cell.text)) + " bukan bilangan.");
            if (*weight == 0)
                continue;
            links.push_back({int(i) + 1, int(j) + 1, *weight, cellText(cell)});
        }
    }
    return buildDocument(nodes, links);
}

NetworkDocument readEdgeList(const std::vector<Row>& rows, bool decimalComma)
{
    std::size_t firstRow = 0;
    if (rows.size() > 1) {
        const Row& head = rows[0];
        const bool weightIsWord = head.size() > 2 && !trimmed(head[2].text).empty() &&
                                  !readNumber(head[2].text, decimalComma);
        const auto word = [&](std::size_t k) {
            static const char* const words[] = {"dari", "ke", "asal", "tujuan", "from",
                                                "to", "source", "target", "bobot", "weight"};
            return std::any_of(std::begin(words), std::end(words),
                               [&](const char* w) { return sameText(trimmed(head[k].text), w); });
        };
        if (weightIsWord || (head.size() > 1 && word(0) && word(1)))
            firstRow = 1;
    }
    bool numbered = true;
    for (std::size_t r = firstRow; r < rows.size(); ++r)
        for (std::size_t k = 0; k < 2 && k < rows[r].size(); ++k)
            numbered = numbered && isPositiveInteger(trimmed(rows[r][k].text));

    std::vector<RawNode> nodes;
    std::map<std::string, int> numberOf;
    const auto nodeOf = [&](const Cell& cell) {
        const std::string label = nameText(cell.text);
        if (label.empty())
            refuse(cellText(cell) + ": simpul asal atau tujuan kosong.");
        if (numbered) {
            const int number = std::stoi(label);
            checkNodeCount(std::size_t(number));
            if (std::size_t(number) > nodes.size())
                nodes.resize(std::size_t(number));
            return number;
        }
        const auto [found, added] = numberOf.emplace(label, int(nodes.size()) + 1);
        if (added) {
            checkNodeCount(nodes.size() + 1);
            // A name that is its own number is no name, as in a matrix's header.
            nodes.push_back({label == std::to_string(nodes.size() + 1) ? "" : label, 0, 0});
        }
        return found->second;
    };
    std::vector<RawLink> links;
    for (std::size_t r = firstRow; r < rows.size(); ++r) {
        const Row& row = rows[r];
        if (row.size() < 2)
            refuse(lineText(row[0].line) + ": daftar jalur perlu simpul asal, simpul tujuan "
                   "dan bobot.");
        for (std::size_t k = 3; k < row.size(); ++k)
            if (!trimmed(row[k].text).empty())
                refuse(cellText(row[k]) + ": daftar jalur hanya punya tiga kolom (asal, tujuan, "
                       "bobot).");
        const int from = nodeOf(row[0]);
        const int to = nodeOf(row[1]);
        double weight = 1;
        if (row.size() > 2 && !trimmed(row[2].text).empty()) {
            const auto value = readNumber(row[2].text, decimalComma);
            if (!value)
                refuse(cellText(row[2]) + ": bobot " + inQuotes(trimmed(row[2].text)) +
                       " bukan bilangan.");
            weight = *value;
        }
        links.push_back({from, to, weight, lineText(row[0].line)});
    }
    return buildDocument(nodes, links);
}

// Text in a single-byte code page (what older spreadsheets save) taken as Latin-1.
std::string asUtf8(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        const auto byte = (unsigned char)c;
        if (byte < 0x80) {
            out += c;
        } else {
            out += char(0xC0 | (byte >> 6));
            out += char(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

bool isUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = (unsigned char)text[i];
        std::size_t more = 0;
        if (byte >= 0x80)
            more = (byte >> 5) == 6 ? 1 : (byte >> 4) == 14 ? 2 : (byte >> 3) == 30 ? 3 : 9;
        if (more > 3 || i + more >= text.size())
            return false;
        for (std::size_t k = 1; k <= more; ++k)
            if (((unsigned char)text[i + k] >> 6) != 2)
                return false;
        i += more + 1;
    }
    return true;
}

NetworkDocument readTable(std::string_view original, char decimalSeparator)
{
    const std::string text = isUtf8(original) ? std::string(original) : asUtf8(original);
    const char separator = detectSeparator(text);
    const bool decimalComma = separator != ',' || decimalSeparator == ',';
    std::vector<Row> rows = splitTable(text, separator);
    // Spreadsheets write every row as wide as the widest; pad what was cut at the end, and drop
    // columns that are empty in every row.
    std::size_t width = 0;
    for (const Row& row : rows)
        for (std::size_t k = 0; k < row.size(); ++k)
            if (!trimmed(row[k].text).empty())
                width = std::max(width, k + 1);
    for (Row& row : rows) {
        while (row.size() < width)
            row.push_back({{}, row.back().line, int(row.size()) + 1});
        row.resize(width);
    }
    const std::size_t r = rows.size();
    const auto numberish = [&](const Cell& cell) {
        return isNoLink(cell.text) || readNumber(cell.text, decimalComma).has_value();
    };
    const auto counting = [&](auto cellAt, std::size_t count) {
        for (std::size_t k = 0; k < count; ++k)
            if (trimmed(cellAt(k).text) != std::to_string(k + 1))
                return false;
        return true;
    };
    const auto names = [&](auto cellAt, std::size_t count) {
        bool words = true;
        for (std::size_t k = 0; k < count; ++k)
            words = words && !numberish(cellAt(k));
        return words || counting(cellAt, count);
    };
    const auto square = [&](std::size_t top, std::size_t left) {
        for (std::size_t i = top; i < r; ++i)
            for (std::size_t j = left; j < width; ++j)
                if (!numberish(rows[i][j]) ||
                    (i - top == j - left && !isNoLink(rows[i][j].text) &&
                     readNumber(rows[i][j].text, decimalComma) != 0.0))
                    return false;
        return true;
    };
    if (r >= 1 && r == width) {
        if (r >= 2) {
            const auto top = [&](std::size_t k) -> const Cell& { return rows[0][k + 1]; };
            const auto left = [&](std::size_t k) -> const Cell& { return rows[k + 1][0]; };
            bool same = true;
            for (std::size_t k = 0; k + 1 < r; ++k)
                same = same && trimmed(top(k).text) == trimmed(left(k).text);
            if (same && (!numberish(rows[0][0]) ||
                         (trimmed(rows[0][0].text).empty() && names(top, r - 1))))
                return readMatrix(rows, true, true, decimalComma);
        }
        if (square(0, 0))
            return readMatrix(rows, false, false, decimalComma);
    }
    if (r >= 2 && r == width + 1 &&
        names([&](std::size_t k) -> const Cell& { return rows[0][k]; }, width) && square(1, 0))
        return readMatrix(rows, true, false, decimalComma);
    if (width >= 2 && width == r + 1 &&
        names([&](std::size_t k) -> const Cell& { return rows[k][0]; }, r) && square(0, 1))
        return readMatrix(rows, false, true, decimalComma);
    if (width <= 3)
        return readEdgeList(rows, decimalComma);
    if (r + 1 >= width && r <= width + 1) {
        // Shaped like a matrix: name the cell that keeps it from being one.
        const bool named = trimmed(rows[0][0].text).empty() || !numberish(rows[0][0]);
        const std::size_t top = r > width || (r == width && named) ? 1 : 0;
        const std::size_t left = width > r || (r == width && named) ? 1 : 0;
        for (std::size_t i = top; i < r; ++i)
            for (std::size_t j = left; j < width; ++j)
                if (!numberish(rows[i][j]))
                    refuse(cellText(rows[i][j]) + ": " + inQuotes(trimmed(rows[i][j].text)) +
                           " bukan bilangan.");
                else if (i - top == j - left && !isNoLink(rows[i][j].text) &&
                         readNumber(rows[i][j].text, decimalComma) != 0.0)
                    refuse(cellText(rows[i][j]) + ": jalur dari simpul " +
                           std::to_string(i - top + 1) + " ke simpul itu sendiri; diagonal "
                           "matriks harus 0 atau kosong.");
    }
    refuse("Tabel " + std::to_string(r) + " baris dan " + std::to_string(width) +
           " kolom ini bukan matriks ketetanggaan persegi dan bukan daftar jalur (asal, tujuan, "
           "bobot).");
}

// A cell in quotes wherever it holds a character that could separate cells, so that the
// separator is found again.
std::string csvCell(const std::string& text)
{
    const bool plain = text.find_first_of(",;\t\"\n\r") == std::string::npos &&
                       trimmed(text) == text;
    if (plain)
        return text;
    std::string out = "\"";
    for (const char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string writeCsv(const NetworkDocument& document, char decimalSeparator)
{
    const Network& network = document.network;
    const char separator = decimalSeparator == ',' ? ';' : ',';
    const auto number = [&](double value) {
        std::string text = numberText(value);
        if (decimalSeparator == ',')
            std::replace(text.begin(), text.end(), '.', ',');
        return text;
    };
    std::string out = "simpul";
    for (int j = 1; j <= network.nodeCount(); ++j)
        out += separator + csvCell(network.nodeLabel(j));
    out += '\n';
    for (int i = 1; i <= network.nodeCount(); ++i) {
        out += csvCell(network.nodeLabel(i));
        for (int j = 1; j <= network.nodeCount(); ++j) {
            out += separator;
            const int link = network.findLink(i, j);
            out += i == j ? "0" : link != 0 ? number(network.link(link).weight) : "";
        }
        out += '\n';
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// DOT for Graphviz, written only.

std::string dotText(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out + "\"";
}

std::string writeDot(const NetworkDocument& document)
{
    const Network& network = document.network;
    // Places in inches, as neato reads a pinned "pos" (the places are twips), y upwards as
    // Graphviz has it.
    constexpr double kUnitsPerInch = 1440;
    const auto inches = [](double units) {
        return numberText(std::round(units / kUnitsPerInch * 1e4) / 1e4);
    };
    // Drawn as the program draws it: small numbered circles, the name beside, true to size.
    std::string out = "digraph " + dotText(document.title.empty() ? "jaringan" : document.title) +
                      " {\n  node [shape=circle, fixedsize=true, width=0.5];\n";
    for (const NetworkNode& n : network.nodes())
        out += "  " + std::to_string(n.number) + " [label=\"" + std::to_string(n.number) + "\"" +
               (n.name.empty() ? std::string() : ", xlabel=" + dotText(n.name)) + ", pos=\"" +
               inches(n.x) + "," + inches(-n.y) + "!\"];\n";
    for (const NetworkLink& l : network.links())
        out += "  " + std::to_string(l.from) + " -> " + std::to_string(l.to) +
               " [label=" + dotText(numberText(l.weight)) + "];\n";
    return out + "}\n";
}

// Text saved as UTF-16 (spreadsheets' "Unicode text", with its byte order mark) as UTF-8; any
// other content as it is. A lone surrogate becomes U+FFFD.
std::optional<std::string> fromUtf16(std::string_view content)
{
    const bool little = content.starts_with("\xFF\xFE");
    if (!little && !content.starts_with("\xFE\xFF"))
        return std::nullopt;
    const auto unit = [&](std::size_t i) {
        const auto a = (unsigned char)content[i];
        const auto b = (unsigned char)content[i + 1];
        return little ? unsigned(a | b << 8) : unsigned(a << 8 | b);
    };
    std::string out;
    for (std::size_t i = 2; i + 1 < content.size(); i += 2) {
        unsigned code = unit(i);
        if (code >= 0xD800 && code < 0xDC00 && i + 3 < content.size() &&
            unit(i + 2) >= 0xDC00 && unit(i + 2) < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (code >= 0xD800 && code < 0xE000) {
            code = 0xFFFD;
        }
        if (code < 0x80) {
            out += char(code);
        } else if (code < 0x800) {
            out += char(0xC0 | code >> 6);
            out += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += char(0xE0 | code >> 12);
            out += char(0x80 | (code >> 6 & 0x3F));
            out += char(0x80 | (code & 0x3F));
        } else {
            out += char(0xF0 | code >> 18);
            out += char(0x80 | (code >> 12 & 0x3F));
            out += char(0x80 | (code >> 6 & 0x3F));
            out += char(0x80 | (code & 0x3F));
        }
    }
    return out;
}

// Whether an XML declaration names a single-byte Western encoding, as older tools write.
bool declaresLatin1(std::string_view text)
{
    std::string declaration(text.substr(0, text.find("?>")).substr(0, 200));
    std::transform(declaration.begin(), declaration.end(), declaration.begin(),
                   [](char c) { return char(std::tolower((unsigned char)c)); });
    if (!declaration.starts_with("<?xml"))
        return false;
    for (const char* name : {"iso-8859-1", "latin1", "latin-1", "windows-1252"})
        if (declaration.find(name) != std::string::npos)
            return true;
    return false;
}

// What every reader is spared: an empty file, and one that is no text.
std::string_view checkedText(std::string_view content)
{
    if (content.substr(0, 3) == "\xEF\xBB\xBF")
        content.remove_prefix(3);
    if (trimmed(content).empty())
        refuse("Berkas kosong.");
    for (std::size_t i = 0; i < content.size(); ++i) {
        const auto byte = (unsigned char)content[i];
        if (byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r' && byte != '\f')
            refuse("Berkas ini bukan teks: ada data biner pada " +
                   lineText(lineAt(content, i)) + ".");
    }
    return content;
}

} // namespace

std::optional<NetworkFormat> formatForFileName(std::string_view fileName)
{
    std::string name(fileName);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return char(std::tolower((unsigned char)c)); });
    const auto endsWith = [&](std::string_view suffix) {
        return name.size() > suffix.size() && name.ends_with(suffix);
    };
    if (endsWith(".json"))
        return NetworkFormat::Json;
    if (endsWith(".graphml") || endsWith(".xml"))
        return NetworkFormat::GraphMl;
    if (endsWith(".csv") || endsWith(".txt"))
        return NetworkFormat::Csv;
    if (endsWith(".dot") || endsWith(".gv"))
        return NetworkFormat::Dot;
    return std::nullopt;
}

NetworkReadResult readNetwork(std::string_view content, NetworkFormat format,
                              char decimalSeparator)
{
    try {
        if (format == NetworkFormat::Dot)
            refuse("Berkas DOT hanya ekspor untuk Graphviz; program ini tidak membacanya.");
        const std::optional<std::string> converted = fromUtf16(content);
        const std::string_view text = checkedText(converted ? *converted : content);
        if (format == NetworkFormat::GraphMl && !isUtf8(text) && declaresLatin1(text))
            return {readGraphMl(asUtf8(text)), {}};
        if (format != NetworkFormat::Csv && !isUtf8(text))
            refuse("Berkas ini bukan teks UTF-8.");
        switch (format) {
        case NetworkFormat::Json:
            return {readJson(text), {}};
        case NetworkFormat::GraphMl:
            return {readGraphMl(text), {}};
        default:
            return {readTable(text, decimalSeparator), {}};
        }
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.text};
    } catch (const std::bad_alloc&) {
        return {std::nullopt, "Berkas ini terlalu besar untuk dibaca."};
    } catch (const std::exception&) {
        return {std::nullopt, "Berkas ini tidak dapat dibaca sebagai jaringan."};
    }
}

NetworkReadResult readPastedTable(std::string_view text, char decimalSeparator)
{
    NetworkReadResult result = readNetwork(text, NetworkFormat::Csv, decimalSeparator);
    if (!result.document && result.error == "Berkas kosong.")
        result.error = "Tidak ada tabel untuk ditempel.";
    return result;
}

std::string writeNetwork(const NetworkDocument& document, NetworkFormat format,
                         char decimalSeparator)
{
    switch (format) {
    case NetworkFormat::Json:
        return writeJson(document);
    case NetworkFormat::GraphMl:
        return writeGraphMl(document);
    case NetworkFormat::Csv:
        return writeCsv(document, decimalSeparator);
    case NetworkFormat::Dot:
        return writeDot(document);
    }
    return {};
}

std::string fileFilterText()
{
    return "Jaringan Trayeko (*.trayeko.json *.json);;GraphML (*.graphml *.xml);;"
           "CSV (*.csv *.txt)";
}

std::string saveFilterText()
{
    return fileFilterText() + ";;DOT untuk Graphviz (*.dot *.gv)";
}

} // namespace trayeko
