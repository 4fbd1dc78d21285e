#include "core/bellmanford.h"

#include "core/numbertext.h"
#include "core/shortestpath.h"

#include <algorithm>
#include <cmath>

namespace trayeko {

namespace {

// Sums along two different routes of the same true length may differ in the last bits; a node
// is fixed "too early" only when Dijkstra's distance is larger beyond that.
bool clearlyLarger(double a, double b)
{
    if (std::isinf(a) || std::isinf(b))
        return a > b;
    return a - b > 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
}

std::string routeText(const Network& network, const std::vector<int>& nodes)
{
    std::string text;
    for (int node : nodes) {
        if (!text.empty())
            text += " → ";
        text += network.nodeLabel(node);
    }
    return text;
}

// The cycle that the predecessor links run into from @p node: walking back nodeCount times
// from a node relaxed in the extra pass lands on the cycle, which is then followed round once.
std::optional<NegativeCycle> cycleBehind(const Network& network, std::vector<int> previous,
                                         int node)
{
    int v = node;
    for (int i = 0; i < network.nodeCount(); ++i) {
        v = previous[at(v)];
        if (v == 0)
            return std::nullopt;
    }
    NegativeCycle cycle;
    int u = v;
    do {
        cycle.nodes.push_back(u);
        u = previous[at(u)];
        if (u == 0)
            return std::nullopt;
    } while (u != v);
    std::reverse(cycle.nodes.begin(), cycle.nodes.end());
    for (std::size_t i = 0; i < cycle.nodes.size(); ++i) {
        const int from = cycle.nodes[i];
        const int to = cycle.nodes[(i + 1) % cycle.nodes.size()];
        const int link = network.findLink(from, to);
        cycle.links.push_back(link);
        cycle.weight += network.link(link).weight;
    }
    return cycle;
}

} // namespace

std::vector<double> bellmanFordAllPasses(const Digraph& graph, int source)
{
    const int n = graph.nodeCount();
    std::vector<double> distance(std::size_t(n), INFINITY);
    if (source < 1 || source > n)
        return distance;
    distance[std::size_t(source - 1)] = 0;
    const std::vector<WeightedEdge>& edges = graph.edges();
    for (int pass = 1; pass < n; ++pass)
        for (const WeightedEdge& e : edges) {
            // From an unreached node the sum stays infinite and never wins.
            const double through = distance[std::size_t(e.from - 1)] + e.weight;
            double& to = distance[std::size_t(e.to - 1)];
            to = through < to ? through : to;
        }
    return distance;
}

BellmanFordResult bellmanFord(const Network& network, int start)
{
    const int n = network.nodeCount();
    BellmanFordResult result;
    result.start = start;
    result.distance.assign(std::size_t(n), kNoPath);
    result.previous.assign(std::size_t(n), 0);
    if (!network.hasNode(start))
        return result;
    result.distance[at(start)] = 0;

    const auto& links = network.links();
    for (int pass = 1; pass < n; ++pass) {
        BellmanFordPass done;
        for (std::size_t k = 0; k < links.size(); ++k) {
            const NetworkLink& link = links[k];
            const double from = result.distance[at(link.from)];
            if (std::isinf(from))
                continue;
            if (from + link.weight < result.distance[at(link.to)]) {
                result.distance[at(link.to)] = from + link.weight;
                result.previous[at(link.to)] = link.from;
                done.relaxedLinks.push_back(int(k) + 1);
            }
        }
        done.distance = result.distance;
        done.previous = result.previous;
        const bool changed = !done.relaxedLinks.empty();
        result.passes.push_back(std::move(done));
        if (!changed) {
            result.stoppedEarly = true;
            return result;
        }
    }

    // Every pass changed something: one more pass tells a negative cycle from a network that
    // simply needed them all.
    for (const NetworkLink& link : links) {
        const double from = result.distance[at(link.from)];
        if (!std::isinf(from) && from + link.weight < result.distance[at(link.to)]) {
            std::vector<int> previous = result.previous;
            previous[at(link.to)] = link.from;
            result.negativeCycle = cycleBehind(network, std::move(previous), link.to);
            if (result.negativeCycle)
                break;
        }
    }
    return result;
}

std::vector<int> bellmanFordRoute(const BellmanFordResult& result, int target)
{
    const int n = int(result.distance.size());
    if (result.negativeCycle || target < 1 || target > n || std::isinf(result.distance[at(target)]))
        return {};
    std::vector<int> route{target};
    while (route.back() != result.start) {
        const int before = result.previous[at(route.back())];
        if (before == 0 || int(route.size()) > n)
            return {};
        route.push_back(before);
    }
    std::reverse(route.begin(), route.end());
    return route;
}

std::string negativeCycleText(const Network& network, const NegativeCycle& cycle,
                              std::string_view decimalSeparator)
{
    std::vector<int> round = cycle.nodes;
    if (!round.empty())
        round.push_back(round.front());
    return "Siklus negatif: " + routeText(network, round) + ", total bobot " +
           formatGeneral(cycle.weight, decimalSeparator);
}

std::vector<std::string> bellmanFordPseudoCode(int nodeCount, std::string_view startLabel)
{
    const std::string last = std::to_string(std::max(nodeCount - 1, 0));
    return {
        "untuk setiap simpul v: d[v] ← ∞, asal[v] ← –",
        "d[" + std::string(startLabel) + "] ← 0",
        "untuk putaran i ← 1 sampai " + last + ":",
        "    berubah ← salah",
        "    untuk setiap jalur u→v, urut nomornya:",
        "        jika d[u] + w(u→v) < d[v]:",
        "            d[v] ← d[u] + w(u→v); asal[v] ← u",
        "            berubah ← benar",
        "    jika tidak berubah: selesai lebih awal",
        "putaran tambahan: untuk setiap jalur u→v:",
        "    jika d[u] + w(u→v) < d[v]: ada siklus negatif",
    };
}

std::string bellmanFordPassText(const Network& network, const BellmanFordResult& result, int pass,
                                std::string_view decimalSeparator)
{
    if (pass < 1 || pass > int(result.passes.size()))
        return {};
    const BellmanFordPass& done = result.passes[at(pass)];
    const std::string number = std::to_string(pass);
    if (done.relaxedLinks.empty())
        return "Putaran " + number + " tidak mengubah apa pun: selesai lebih awal.";
    std::vector<std::string> links;
    std::vector<std::string> lowered;
    std::vector<bool> named(done.distance.size(), false);
    for (int k : done.relaxedLinks) {
        const NetworkLink& link = network.link(k);
        links.push_back(network.nodeLabel(link.from) + " → " + network.nodeLabel(link.to));
        // A node lowered twice in one pass is named once, with where it ended.
        if (!named[at(link.to)]) {
            named[at(link.to)] = true;
            lowered.push_back("d[" + network.nodeLabel(link.to) +
                              "] = " + formatGeneral(done.distance[at(link.to)], decimalSeparator));
        }
    }
    std::string text = "Putaran " + number + " dari paling banyak " +
                       std::to_string(std::max(network.nodeCount() - 1, 0)) + ": jalur ";
    for (std::size_t i = 0; i < links.size(); ++i)
        text += (i == 0 ? "" : ", ") + links[i];
    text += " menurunkan jarak: ";
    for (std::size_t i = 0; i < lowered.size(); ++i)
        text += (i == 0 ? "" : ", ") + lowered[i];
    return text + ".";
}

std::string bellmanFordClosingText(const Network& network, const BellmanFordResult& result,
                                   int end, std::string_view decimalSeparator)
{
    std::string text;
    if (result.negativeCycle)
        return "Putaran tambahan masih menurunkan jarak, jadi ada siklus negatif yang terjangkau "
               "dari simpul " +
               network.nodeLabel(result.start) + ". " +
               negativeCycleText(network, *result.negativeCycle, decimalSeparator) +
               ". Berkeliling siklus itu terus memperpendek rute, jadi tidak ada jarak terpendek "
               "yang benar.";
    if (result.stoppedEarly)
        text = bellmanFordPassText(network, result, int(result.passes.size()), decimalSeparator);
    else
        text = "Putaran tambahan tidak menurunkan jarak apa pun: tidak ada siklus negatif.";
    if (!network.hasNode(end))
        return text;
    const std::vector<int> route = bellmanFordRoute(result, end);
    if (route.empty())
        return text + " Simpul " + network.nodeLabel(end) + " tidak terjangkau dari simpul " +
               network.nodeLabel(result.start) + ".";
    return text + " Jarak terpendek dari simpul " + network.nodeLabel(result.start) +
           " ke simpul " + network.nodeLabel(end) + ": " +
           formatGeneral(result.distance[at(end)], decimalSeparator) + " (" +
           routeText(network, route) + ").";
}

std::optional<DijkstraMistake> firstDijkstraMistake(const Network& network, int start)
{
    const BellmanFordResult truth = bellmanFord(network, start);
    if (truth.negativeCycle || !network.hasNode(start))
        return std::nullopt;
    const std::vector<DijkstraRound> rounds =
        dijkstraRounds(network.nodeCount(), network.links(), start);
    for (std::size_t step = 0; step < rounds.size(); ++step) {
        const int node = rounds[step].settledNode;
        const double fixed = rounds[step].distance[at(node)];
        if (!clearlyLarger(fixed, truth.distance[at(node)]))
            continue;
        DijkstraMistake mistake{step, node, fixed, truth.distance[at(node)],
                                bellmanFordRoute(truth, node), 0};
        const auto& route = mistake.trueRoute;
        for (std::size_t i = 0; i + 1 < route.size() && mistake.negativeLink == 0; ++i) {
            const int link = network.findLink(route[i], route[i + 1]);
            if (network.link(link).weight < 0)
                mistake.negativeLink = link;
        }
        return mistake;
    }
    return std::nullopt;
}

std::string dijkstraMistakeText(const Network& network, const DijkstraMistake& mistake,
                                std::string_view decimalSeparator)
{
    std::string text = "Langkah " + std::to_string(mistake.step + 1) +
                       ": Dijkstra menetapkan simpul " + network.nodeLabel(mistake.node) +
                       " dengan jarak " + formatGeneral(mistake.fixedDistance, decimalSeparator) +
                       ", padahal rute " + routeText(network, mistake.trueRoute);
    if (mistake.negativeLink != 0) {
        const NetworkLink& link = network.link(mistake.negativeLink);
        text += " lewat jalur negatif " + network.nodeLabel(link.from) + " → " +
                network.nodeLabel(link.to) + " (bobot " +
                formatGeneral(link.weight, decimalSeparator) + ")";
    }
    return text + " hanya " + formatGeneral(mistake.trueDistance, decimalSeparator) + ".";
}

BuildCheck checkDijkstraBreaker(const Network& network, int start,
                                std::string_view decimalSeparator)
{
    if (!network.hasNode(start))
        return {false, "Tidak memenuhi: simpul awal " + std::to_string(start) + " tidak ada."};
    if (const int link = firstNonFiniteLink(network))
        return {false, "Tidak memenuhi: bobot jalur " + std::to_string(link) +
                           " bukan bilangan terhingga."};
    const BellmanFordResult truth = bellmanFord(network, start);
    if (truth.negativeCycle)
        return {false, "Tidak memenuhi: ada siklus negatif yang terjangkau dari simpul " +
                           network.nodeLabel(start) + " (" +
                           negativeCycleText(network, *truth.negativeCycle, decimalSeparator) +
                           "), jadi tidak ada jarak terpendek untuk dibandingkan."};
    if (!hasNegativeWeight(network))
        return {false, "Tidak memenuhi: semua bobot 0 atau lebih, dan pada bobot seperti itu "
                       "Dijkstra selalu benar. Buat setidaknya satu bobot negatif."};

    std::vector<std::string> differences;
    for (const DistanceDifference& d : dijkstraDifferences(network, start))
        differences.push_back("simpul " + network.nodeLabel(d.node) + " (Dijkstra " +
                              formatGeneral(d.dijkstra, decimalSeparator) + ", Bellman–Ford " +
                              formatGeneral(d.bellmanFord, decimalSeparator) + ")");
    if (differences.empty())
        return {false, "Tidak memenuhi: ada bobot negatif, tetapi Dijkstra tetap menemukan jarak "
                       "yang sama dengan Bellman–Ford untuk setiap simpul."};
    return {true, "Memenuhi: tanpa siklus negatif, Dijkstra dan Bellman–Ford berbeda pada " +
                      listText(differences) + "."};
}

Grade gradeBellmanFordPass(const Network& network, int start, int pass,
                           std::span<const std::string> typed, std::string_view decimalSeparator)
{
    const BellmanFordResult result = bellmanFord(network, start);
    if (pass < 1 || pass > int(result.passes.size()))
        return {Verdict::Nonsense, "Bellman–Ford membuat " + std::to_string(result.passes.size()) +
                                       " putaran; putaran " + std::to_string(pass) +
                                       " tidak ada."};
    if (int(typed.size()) != network.nodeCount())
        return {Verdict::Nonsense, "Isi jarak setiap simpul (" +
                                       std::to_string(network.nodeCount()) + " simpul)."};

    const std::vector<double>& expected = result.passes[at(pass)].distance;
    std::vector<std::string> wrong;
    for (int node = 1; node <= network.nodeCount(); ++node) {
        const TypedNumber answer = readTypedNumber(typed[at(node)], decimalSeparator);
        if (answer.kind != TypedNumber::Kind::Number)
            return {Verdict::Nonsense, "Jarak simpul " + network.nodeLabel(node) +
                                           " bukan bilangan: \"" + typed[at(node)] + "\"."};
        const std::string right = formatGeneral(expected[at(node)], decimalSeparator);
        if (formatGeneral(answer.value, decimalSeparator) != right)
            wrong.push_back("simpul " + network.nodeLabel(node) + " seharusnya " + right);
    }
    const std::string heading = "Putaran " + std::to_string(pass) + ": ";
    if (wrong.empty())
        return {Verdict::Right, heading + "semua jarak benar."};
    return {Verdict::Wrong, heading + listText(wrong) + "."};
}

std::vector<DistanceDifference> dijkstraDifferences(const Network& network, int start)
{
    if (!network.hasNode(start))
        return {};
    const BellmanFordResult truth = bellmanFord(network, start);
    if (truth.negativeCycle)
        return {};
    const std::vector<DijkstraRound> rounds =
        dijkstraRounds(network.nodeCount(), network.links(), start);
    const std::vector<double>& dijkstraDistance = rounds.back().distance;
    std::vector<DistanceDifference> differences;
    for (int node = 1; node <= network.nodeCount(); ++node) {
        const double d = dijkstraDistance[at(node)];
        const double b = truth.distance[at(node)];
        if (clearlyLarger(d, b) || clearlyLarger(b, d))
            differences.push_back({node, d, b});
    }
    return differences;
}

std::string buildExerciseSummary(const Network& network, int start, std::string_view title,
                                 const ExerciseAuthor& author, std::string_view decimalSeparator)
{
    std::string text = "Latihan: buat jaringan\n" + exerciseAuthorLines(author);
    const std::string name = summaryLine(title);
    text += "Jaringan: " + (name.empty() ? std::string("Tanpa judul") : name) + "\n";
    if (network.hasNode(start))
        text += "Simpul awal: " + network.nodeLabel(start) + "\n";
    if (network.linkCount() == 0) {
        text += "Jalur: belum ada\n";
    } else {
        text += "Jalur dan bobotnya:\n";
        for (const NetworkLink& link : network.links())
            text += network.nodeLabel(link.from) + " → " + network.nodeLabel(link.to) + ": " +
                    formatGeneral(link.weight, decimalSeparator) + "\n";
    }
    const BuildCheck check = checkDijkstraBreaker(network, start, decimalSeparator);
    text += check.reason + "\n";
    if (!check.qualifies)
        return text;
    text += "Jarak yang berbeda:\n";
    for (const DistanceDifference& d : dijkstraDifferences(network, start))
        text += "- simpul " + network.nodeLabel(d.node) + ": Dijkstra " +
                formatGeneral(d.dijkstra, decimalSeparator) + ", Bellman–Ford " +
                formatGeneral(d.bellmanFord, decimalSeparator) + "\n";
    if (const auto mistake = firstDijkstraMistake(network, start))
        text +=
            "Di sini Dijkstra salah: " + dijkstraMistakeText(network, *mistake, decimalSeparator) +
            "\n";
    return text;
}

} // namespace trayeko
