#include "ui/netedit/editcommands.h"

#include <utility>

namespace trayeko::ui {

NetworkDocument withoutNode(const NetworkDocument& document, int node)
{
    if (!document.network.hasNode(node))
        return document;
    NetworkDocument result = document;
    result.network.removeNode(node);
    const auto renumbered = [node](int n) { return n > node ? n - 1 : n; };
    result.start = document.start == node || result.network.nodeCount() == 0
                       ? 1
                       : renumbered(document.start);
    result.end = document.end == node ? 0 : renumbered(document.end);
    return result;
}

NetworkDocument withoutLink(const NetworkDocument& document, int link)
{
    if (!document.network.hasLink(link))
        return document;
    NetworkDocument result = document;
    result.network.removeLink(link);
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
