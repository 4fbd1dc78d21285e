#pragma once

#include "core/networkfile.h"

#include <QString>
#include <QUndoCommand>
#include <functional>

namespace trayeko::ui {

// The end node as drawn: the one chosen, or the last.
inline int resolvedEnd(const NetworkDocument& document)
{
    return document.end != 0 ? document.end : document.network.nodeCount();
}

// The document without node @p node and its links: the later nodes move up one number, the
// start and end follow their nodes; a removed start becomes the first node, a removed end the
// last.
NetworkDocument withoutNode(const NetworkDocument& document, int node);
// The document without link @p link; the later links move up one number.
NetworkDocument withoutLink(const NetworkDocument& document, int link);

// One edit as the undo stack keeps it: the document before and after, handed to @p apply on
// undo and redo. A network is a shared value, so keeping both costs little.
class DocumentCommand final : public QUndoCommand
{
public:
    using Apply = std::function<void(const NetworkDocument&)>;

    DocumentCommand(const QString& text, NetworkDocument before, NetworkDocument after,
                    Apply apply);

    void undo() override;
    void redo() override;

    const NetworkDocument& before() const { return m_before; }
    const NetworkDocument& after() const { return m_after; }

private:
    NetworkDocument m_before;
    NetworkDocument m_after;
    Apply m_apply;
};

} // namespace trayeko::ui
