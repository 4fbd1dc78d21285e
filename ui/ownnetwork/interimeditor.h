#pragma once

// Stands in for the network editor until it is part of the program: the same calls, the drawing
// of any network, and no editing.

#include "ui/drawing/networkcanvas.h"

#include <QList>
#include <QUndoStack>

class QAction;

namespace trayeko::ui {

struct EditorSeams
{
};

class NetworkEditor final : public NetworkCanvas
{
    Q_OBJECT

public:
    explicit NetworkEditor(QWidget* parent = nullptr);

    void setDocument(const Network& network, int start, int end);
    const Network& network() const { return model().network(); }
    int start() const { return model().startNode(); }
    int end() const { return model().endNode(); }
    QUndoStack* undoStack() const { return m_undo; }
    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const { return m_editable; }
    QList<QAction*> editActions() const { return {}; }
    void setSeams(EditorSeams) {}

signals:
    void networkEdited();

private:
    QUndoStack* m_undo;
    bool m_editable = true;
};

} // namespace trayeko::ui
