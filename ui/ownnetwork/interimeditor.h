#pragma once

// Stands in for the network editor until it is part of the program: the same calls, a plain
// drawing and no editing.

#include "ui/drawing/drawingwidget.h"

#include <QList>
#include <QUndoStack>

class QAction;

namespace trayeko::ui {

struct EditorSeams
{
};

class NetworkEditor final : public DrawingWidget
{
    Q_OBJECT

public:
    explicit NetworkEditor(QWidget* parent = nullptr);

    DrawingModel& model() override { return m_model; }
    const DrawingModel& model() const override { return m_model; }

    void setDocument(const Network& network, int start, int end);
    const Network& network() const { return m_model.network(); }
    int start() const { return m_model.startNode(); }
    int end() const { return m_model.endNode(); }
    QUndoStack* undoStack() const { return m_undo; }
    void setEditable(bool editable) { m_editable = editable; }
    bool isEditable() const { return m_editable; }
    QList<QAction*> editActions() const { return {}; }
    void setSeams(EditorSeams) {}

signals:
    void networkEdited();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DrawingModel m_model;
    QUndoStack* m_undo;
    bool m_editable = true;
};

} // namespace trayeko::ui
