#include "ui/ownnetwork/interimeditor.h"

namespace trayeko::ui {

NetworkEditor::NetworkEditor(QWidget* parent) : NetworkCanvas(parent), m_undo(new QUndoStack(this))
{
}

void NetworkEditor::setDocument(const Network& network, int start, int end)
{
    model().setNetwork(network, start, end);
    model().markEnds();
    m_undo->clear();
}

} // namespace trayeko::ui
