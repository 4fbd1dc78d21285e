// Arbitrary bytes as a network file of one format (FUZZ_FORMAT: Json, GraphMl or Csv).
//
// The reader must answer without throwing: a refusal with a reason, or a document that keeps
// every promise of a read file (1 ... 40 nodes, links between two different existing nodes with
// finite weights, at most one per direction, the ends nodes of the network). A document read is
// written again and read back: the same network (a table keeps names and weights only).

#include "core/networkfile.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using trayeko::NetworkDocument;
using trayeko::NetworkFormat;

constexpr NetworkFormat kFormat = NetworkFormat::FUZZ_FORMAT;

[[noreturn]] void fail(const char* what, std::string_view text = {})
{
    std::fprintf(stderr, "fuzz_networkfile: %s\n%.*s\n", what, int(text.size()), text.data());
    std::abort();
}

void checkDocument(const NetworkDocument& d)
{
    const trayeko::Network& network = d.network;
    if (network.nodeCount() < 1 || network.nodeCount() > trayeko::kMaxNetworkNodes)
        fail("a document with no nodes or too many");
    if (!network.hasNode(d.start) || !network.hasNode(d.end))
        fail("an end that is no node");
    for (int k = 1; k <= network.linkCount(); ++k) {
        const auto& l = network.link(k);
        if (!network.hasNode(l.from) || !network.hasNode(l.to) || l.from == l.to)
            fail("a link that joins no two different nodes");
        if (network.findLink(l.from, l.to) != k)
            fail("two links in one direction");
        if (!std::isfinite(l.weight))
            fail("a weight that is no finite number");
    }
    for (int n = 1; n <= network.nodeCount(); ++n)
        if (network.node(n).number != n)
            fail("a node whose number is not its place");
}

bool sameTable(const NetworkDocument& a, const NetworkDocument& b)
{
    if (a.network.nodeCount() != b.network.nodeCount())
        return false;
    for (int i = 1; i <= a.network.nodeCount(); ++i) {
        if (a.network.node(i).name != b.network.node(i).name)
            return false;
        for (int j = 1; j <= a.network.nodeCount(); ++j) {
            const int ka = a.network.findLink(i, j);
            const int kb = b.network.findLink(i, j);
            const double wa = ka ? a.network.link(ka).weight : 0;
            const double wb = kb ? b.network.link(kb).weight : 0;
            if (wa != wb)
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    const char separator = size > 0 && (data[0] & 1) ? ',' : '.';
    trayeko::NetworkReadResult read;
    try {
        read = trayeko::readNetwork(content, kFormat, separator);
    } catch (...) {
        fail("readNetwork threw");
    }
    if (read.document.has_value() == !read.error.empty())
        fail("a document with a refusal, or neither");
    if (!read.document)
        return 0;
    checkDocument(*read.document);

    const std::string written = trayeko::writeNetwork(*read.document, kFormat, separator);
    const trayeko::NetworkReadResult back = trayeko::readNetwork(written, kFormat, separator);
    if (!back.document)
        fail(("what was written is refused: " + back.error).c_str(), written);
    if (kFormat == NetworkFormat::Csv ? !sameTable(*back.document, *read.document)
                                      : !(*back.document == *read.document))
        fail("what was written reads back as another network", written);
    trayeko::writeNetwork(*read.document, NetworkFormat::Dot);
    return 0;
}
