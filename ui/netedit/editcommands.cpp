#include "ui/netedit/editcommands.h"

#include <utility>

namespace trayeko::ui {

NetworkDocument withoutNode(const NetworkDocument& document, int node)
{
    const Network& old = document.network;
    if (!old.hasNode(node))
        return document;
    NetworkDocument result;
    for (const NetworkNode& n : old.nodes())
        if (n.number != node)
            result.network.addNode(n.name, n.x, n.y);
    const auto renumbered = [node](int n) { return n > node ? n - 1 : n; };
    for (const NetworkLink& link : old.links())
        if (link.from != node && link.to != node)
            result.network.addLink(renumbered(link.from), renumbered(link.to), link.weight);
    result.start = document.start == node ? 1 : renumbered(document.start);
    result.end = document.end == node ? 0 : renumbered(document.end);
    if (result.network.nodeCount() == 0)
        result.start = 1;
    return result;
}

NetworkDocument withoutLink(const NetworkDocument& document, int link)
{
    const Network& old = document.network;
    if (!old.hasLink(link))
        return document;
    NetworkDocument result = document;
    result.network = Network();
    for (const NetworkNode& n : old.nodes())
        result.network.addNode(n.name, n.x, n.y);
    for (int k = 1; k <= old.linkCount(); ++k)
        if (k != link)
            result.network.addLink(old.link(k).from, old.link(k).to, old.link(k).weight);
    return result;
}

DocumentCommand::DocumentCommand(const QString& text, NetworkDocument before,
                                 NetworkDocument after, Apply apply)
    : QUndoCommand(text), m_before(std::move(before)), m_after(std::move(after)),
      m_apply(std::move(apply))
{
}

void DocumentCommand::undo()
{
    m_apply(m_before);
}

void DocumentCommand::redo()
{
    m_apply(m_after);
}

} // namespace trayeko::ui
