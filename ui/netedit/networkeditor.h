#pragma once

#include "core/networkfile.h"
#include "ui/drawing/networkcanvas.h"
#include "ui/netedit/editcommands.h"
#include "ui/support/seams.h"

#include <QByteArray>
#include <QList>
#include <functional>
#include <optional>

class QAction;
class QLineEdit;
class QUndoStack;

namespace trayeko::ui {

// At most as many nodes as a network file may hold.
inline constexpr int kEditorMaxNodes = kMaxNetworkNodes;

// What the editor reaches outside itself; tests answer without dialogs or processes.
struct EditorSeams
{
    TextInputFn textInput = standardTextInput();
    MessageBoxFn messageBox = criticalMessageBox();
    // Graphviz: DOT text in, neato's -Tjson answer out (nothing, with the reason in the error
    // text, on failure).
    std::function<std::optional<QByteArray>(const QByteArray& dot, QString* error)> layoutRunner;
};

// The neato program run on the DOT text, waiting at most five seconds.
std::optional<QByteArray> runNeato(const QByteArray& dot, QString* error);

// The drawing of a network that the teacher edits with mouse and keyboard:
// - a click on empty space adds a node there; a drag from a node to another adds a link from it
//   to the other, whose weight is typed at once in a box over its weight (Enter keeps it, Esc
//   takes the link back); a drag from a node to empty space moves the node there; a
//   double-click on a weight changes it in the same way; a click selects a node or a link;
// - Tab and the arrow keys move the selection among the nodes and then the links, Insert adds a
//   node at a free place, L a link from the selected node, Enter or F2 changes the selected
//   link's weight, F2 renames the selected node, Ctrl with an arrow key moves it, Delete removes
//   the selection (a node with its links);
// - every edit is one step of undoStack(), a whole drag included; networkEdited() follows each
//   change, undo and redo included.
class NetworkEditor final : public NetworkCanvas
{
    Q_OBJECT

public:
    explicit NetworkEditor(QWidget* parent = nullptr);
    ~NetworkEditor() override;

    // Edits @p network from @p start to @p end (0: the last node), with an empty undo history.
    void setDocument(const Network& network, int start, int end);
    const Network& network() const { return m_document.network; }
    int start() const { return m_document.start; }
    int end() const { return resolvedEnd(m_document); }
    // The network with its ends, and the title and note it came with (kept as they are).
    const NetworkDocument& document() const { return m_document; }
    void setDocument(const NetworkDocument& document);
    QUndoStack* undoStack() const { return m_undoStack; }

    // Off while step mode or an exercise runs on the drawing: nothing changes it then, but the
    // selection still moves and nodes can still be clicked.
    void setEditable(bool editable);
    bool isEditable() const { return m_editable; }

    // "Urungkan", "Ulangi", "Hapus", "Ganti nama...", "Jadikan simpul awal", "Jadikan simpul
    // akhir", "Atur tata letak", in that order; also in the drawing's context menu.
    QList<QAction*> editActions() const { return m_actions; }
    void setSeams(EditorSeams seams);

    // The selection: a node or a link (0: none of that kind; never both).
    int selectedNode() const { return m_selectedNode; }
    int selectedLink() const { return m_selectedLink; }
    void selectNode(int node);
    void selectLink(int link);
    int focusElement() const override;

    // The box in which a weight is being typed; null while none is.
    QLineEdit* weightEditor() const { return m_weightEditor; }

    // The edits, as the mouse, the keys and the actions make them; each false (and changing
    // nothing) where it cannot be made, with the reason told through the message seam.
    bool addNodeAt(QPointF widgetPoint);
    bool addNodeAtFreePlace();
    // Adds the link with its weight typed at once: in the weight box (nothing is on the undo
    // stack until the weight is kept).
    bool beginLink(int from, int to);
    bool beginWeightEdit(int link);
    bool moveNode(int node, QPointF widgetPoint);
    bool removeSelection();
    bool renameSelectedNode();
    bool askForLink();
    bool makeStart(int node);
    bool makeEnd(int node);
    bool arrangeLayout();

signals:
    void networkEdited();

protected:
    QRectF networkExtent() const override;
    void paintOver(QPainter& painter) const override;
    void paintUnderBoxes(QPainter& painter) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void apply(const NetworkDocument& document);
    // Makes @p after one step of the undo stack, showing @p sheetAfter of the network's plane
    // (by default what is shown now).
    void push(const QString& text, NetworkDocument after,
              std::optional<QRectF> sheetAfter = std::nullopt);
    void updateActions();
    void announceFocus();
    void message(const QString& title, const QString& text) const;
    // The part of the network's plane that shows all of @p network.
    static QRectF sheetFor(const Network& network);
    void resetSheet();
    // Keeps or drops what the weight box holds; false while it holds no weight to keep.
    bool finishWeightEdit(bool keep);
    // Moves the selection one element on (or back); false past either end.
    bool stepSelection(bool forward);
    int elementCount() const;
    void selectElement(int element);

    NetworkDocument m_document;
    QUndoStack* m_undoStack;
    EditorSeams m_seams;
    QList<QAction*> m_actions;
    bool m_editable = true;
    int m_selectedNode = 0;
    int m_selectedLink = 0;
    QRectF m_sheet; // the part of the network's plane shown, grown but never shrunk by edits

    // A drag from a node: where it began and where the pointer is.
    int m_dragNode = 0;
    QPointF m_pressPoint;
    QPointF m_pointer;
    bool m_dragging = false;
    bool m_pressedEmpty = false;

    // A weight being typed: its link, and the document to go back to for a new link.
    QLineEdit* m_weightEditor = nullptr;
    int m_editedLink = 0;
    std::optional<NetworkDocument> m_beforeNewLink;
};

} // namespace trayeko::ui
