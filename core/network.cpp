#include "core/network.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace trayeko {

Network::Network(int nodeCount) : m_data(std::make_shared<Data>())
{
    Data& data = edit();
    data.nodes.reserve(std::size_t(std::max(nodeCount, 0)));
    for (int n = 1; n <= nodeCount; ++n)
        data.nodes.push_back({n, {}, 0, 0});
}

Network::Network(int nodeCount, std::span<const NetworkLink> links) : Network(nodeCount)
{
    edit().links.reserve(links.size());
    for (const NetworkLink& l : links)
        addLink(l.from, l.to, l.weight);
}

Network::Data& Network::edit()
{
    // Copy on write: a copy handed out earlier keeps what it was given.
    if (m_data.use_count() != 1)
        m_data = std::make_shared<Data>(*m_data);
    return *m_data;
}

const NetworkNode& Network::node(int number) const
{
    if (!hasNode(number))
        throw std::out_of_range("node number");
    return m_data->nodes[at(number)];
}

const NetworkLink& Network::link(int number) const
{
    if (!hasLink(number))
        throw std::out_of_range("link number");
    return m_data->links[at(number)];
}

int Network::findLink(int from, int to) const
{
    const auto& links = m_data->links;
    const auto found = std::find_if(links.begin(), links.end(), [&](const NetworkLink& l) {
        return l.from == from && l.to == to;
    });
    return found == links.end() ? 0 : int(found - links.begin()) + 1;
}

std::string Network::nodeLabel(int number) const
{
    if (hasNode(number) && !m_data->nodes[at(number)].name.empty())
        return m_data->nodes[at(number)].name;
    return std::to_string(number);
}

std::vector<double> Network::weights() const
{
    std::vector<double> w;
    w.reserve(m_data->links.size());
    for (const NetworkLink& l : m_data->links)
        w.push_back(l.weight);
    return w;
}

int Network::addNode(std::string name, double x, double y)
{
    Data& data = edit();
    const int number = int(data.nodes.size()) + 1;
    data.nodes.push_back({number, std::move(name), x, y});
    return number;
}

void Network::setNodeName(int number, std::string name)
{
    node(number);
    edit().nodes[at(number)].name = std::move(name);
}

void Network::setNodePlace(int number, double x, double y)
{
    node(number);
    NetworkNode& n = edit().nodes[at(number)];
    n.x = x;
    n.y = y;
}

int Network::addLink(int from, int to, double weight)
{
    if (!hasNode(from) || !hasNode(to))
        throw std::invalid_argument("a link must join two nodes of the network");
    if (from == to)
        throw std::invalid_argument("a link must join two different nodes");
    if (findLink(from, to) != 0)
        throw std::invalid_argument("the network has a link in that direction already");
    Data& data = edit();
    data.links.push_back({from, to, weight});
    return int(data.links.size());
}

void Network::setWeight(int number, double weight)
{
    link(number);
    edit().links[at(number)].weight = weight;
}

void Network::setWeights(std::span<const double> weights)
{
    if (weights.size() != m_data->links.size())
        throw std::invalid_argument("one weight per link");
    Data& data = edit();
    for (std::size_t i = 0; i < weights.size(); ++i)
        data.links[i].weight = weights[i];
}

void Network::removeNode(int number)
{
    node(number);
    Data& data = edit();
    data.nodes.erase(data.nodes.begin() + std::ptrdiff_t(at(number)));
    for (NetworkNode& n : data.nodes)
        if (n.number > number)
            --n.number;
    std::erase_if(data.links,
                  [number](const NetworkLink& l) { return l.from == number || l.to == number; });
    for (NetworkLink& l : data.links) {
        if (l.from > number)
            --l.from;
        if (l.to > number)
            --l.to;
    }
}

void Network::removeLink(int number)
{
    link(number);
    Data& data = edit();
    data.links.erase(data.links.begin() + std::ptrdiff_t(at(number)));
}

std::string listText(std::span<const std::string> items)
{
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += i + 1 < items.size() ? ", " : items.size() == 2 ? " dan " : ", dan ";
        text += items[i];
    }
    return text;
}

int firstNonFiniteLink(const Network& network)
{
    const auto& links = network.links();
    const auto found = std::find_if(links.begin(), links.end(),
                                    [](const NetworkLink& l) { return !std::isfinite(l.weight); });
    return found == links.end() ? 0 : int(found - links.begin()) + 1;
}

bool hasNegativeWeight(const Network& network)
{
    return std::any_of(network.links().begin(), network.links().end(),
                       [](const NetworkLink& l) { return l.weight < 0; });
}

} // namespace trayeko
