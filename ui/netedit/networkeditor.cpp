#include "ui/netedit/networkeditor.h"

#include "core/graphlayout.h"
#include "core/numbertext.h"
#include "ui/support/contextmenu.h"
#include "ui/support/keyregistry.h"
#include "ui/support/utf8.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QUndoStack>
#include <algorithm>
#include <cmath>
#include <utility>

namespace trayeko::ui {

namespace {

constexpr int kLayoutTimeoutMs = 5000;
constexpr qreal kKeyStep = 10; // pixels a node moves per Ctrl+arrow
constexpr int kMaxNameLength = 60;

QColor focusColour()
{
    return {0, 90, 200};
}

// The keys of the drawing; the first five stand behind its actions.
const KeyRow kKeys[] = {
    {Qt::CTRL | Qt::Key_Z, nullptr, "Urungkan: membatalkan suntingan jaringan yang terakhir"},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, nullptr, "Ulangi: mengulang suntingan yang dibatalkan"},
    {QKeyCombination(Qt::Key_Delete), nullptr,
     "Hapus: menghapus simpul yang dipilih (bersama jalurnya) atau jalur yang dipilih"},
    {QKeyCombination(Qt::Key_F2), nullptr,
     "Ganti nama simpul yang dipilih, atau ubah bobot jalur yang dipilih"},
    {Qt::CTRL | Qt::Key_L, nullptr, "Atur tata letak: Graphviz menata letak simpul"},
    {QKeyCombination(Qt::Key_Insert), nullptr, "Tambah simpul di tempat yang masih kosong"},
    {QKeyCombination(Qt::Key_L), nullptr,
     "Tambah jalur dari simpul yang dipilih ke simpul yang nomornya diketik"},
    {{}, "Tab, Shift+Tab, Panah", "Pilih simpul atau jalur berikutnya atau sebelumnya"},
    {{}, "Ctrl+Panah", "Geser simpul yang dipilih"},
    {QKeyCombination(Qt::Key_Return), nullptr, "Ubah bobot jalur yang dipilih; simpan bobot yang diketik"},
    {QKeyCombination(Qt::Key_Escape), nullptr, "Batalkan bobot yang sedang diketik (jalur baru ikut batal)"},
};
const KeyListing kKeysListed(keyplace::kCompareViews + 100, "Menggambar jaringan sendiri", kKeys);

enum ActionIndex { Undo, Redo, Remove, Rename, Start, End, Layout };

struct ActionEntry
{
    const char* text;
    const char* name;
    int keyRow; // in kKeys; -1 for none
};

constexpr ActionEntry kActions[] = {
    {"Urungkan", "actUrungkan", 0},
    {"Ulangi", "actUlangi", 1},
    {"Hapus", "actHapus", 2},
    {"Ganti nama...", "actGantiNama", 3},
    {"Jadikan simpul awal", "actSimpulAwal", -1},
    {"Jadikan simpul akhir", "actSimpulAkhir", -1},
    {"Atur tata letak", "actTataLetak", 4},
};

// A typed weight, or why it is none: any finite number, negative ones too.
std::optional<double> readWeight(const QString& text, QString* reason)
{
    const std::string separator = regionalDecimalSeparator();
    const QString example = 
        QStringLiteral("7 atau 2") + QString::fromStdString(separator) + QStringLiteral("5");
    const TypedNumber typed = readTypedNumber(text.toStdString(), separator);
    switch (typed.kind) {
    case TypedNumber::Kind::Empty:
        *reason = QStringLiteral("Ketik bobot jalur, misalnya %1.").arg(example);
        return std::nullopt;
    case TypedNumber::Kind::NotNumber:
        // Digits that a double cannot hold read as no number; say what is wrong with them.
        if (static const QRegularExpression digits(QStringLiteral("^\\s*[-+]?\\d+([.,]\\d*)?\\s*$"));
            digits.match(text).hasMatch()) {
            *reason = QStringLiteral("Bobot \"%1\" terlalu besar untuk dihitung.").arg(text.trimmed());
            return std::nullopt;
        }
        *reason = QStringLiteral("\"%1\" bukan bilangan. Ketik bobot jalur, misalnya %2.")
                      .arg(text.trimmed(), example);
        return std::nullopt;
    case TypedNumber::Kind::Number:
        break;
    }
    if (!std::isfinite(typed.value)) {
        *reason = QStringLiteral("Bobot \"%1\" bukan bilangan terhingga; Dijkstra dan Floyd "
                                 "tidak dapat menghitung dengannya.")
                      .arg(text.trimmed());
        return std::nullopt;
    }
    return typed.value;
}

QRectF boundsOf(const Network& network)
{
    const auto& nodes = network.nodes();
    if (nodes.empty())
        return {};
    qreal left = nodes.front().x, right = left, top = nodes.front().y, bottom = top;
    for (const NetworkNode& n : nodes) {
        left = std::min(left, n.x);
        right = std::max(right, n.x);
        top = std::min(top, n.y);
        bottom = std::max(bottom, n.y);
    }
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// Both rectangles, even where one of them has no area (a single node).
QRectF spanning(const QRectF& a, const QRectF& b)
{
    return QRectF(QPointF(std::min(a.left(), b.left()), std::min(a.top(), b.top())),
                  QPointF(std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom())));
}

} // namespace

std::optional<QByteArray> runNeato(const QByteArray& dot, QString* error)
{
    // The window waits for neato (well under a second at 40 nodes, at most kLayoutTimeoutMs):
    // the wait cursor says so meanwhile.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    QProcess process;
    process.start(QStringLiteral("neato"), {QStringLiteral("-Tjson")});
    if (!process.waitForStarted(kLayoutTimeoutMs)) {
        *error = QStringLiteral("Graphviz belum terpasang: program \"neato\" tidak ditemukan. "
                                "Pasang paket graphviz agar tata letak dapat diatur.");
        return std::nullopt;
    }
    process.write(dot);
    process.closeWriteChannel();
    if (!process.waitForFinished(kLayoutTimeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        *error = QStringLiteral("Graphviz tidak selesai menata jaringan dalam 5 detik.");
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        *error = QStringLiteral("Graphviz gagal menata jaringan: %1")
                     .arg(QString::fromUtf8(process.readAllStandardError()).trimmed());
        return std::nullopt;
    }
    return process.readAllStandardOutput();
}

NetworkEditor::NetworkEditor(QWidget* parent)
    : NetworkCanvas(parent), m_undoStack(new QUndoStack(this))
{
    setObjectName(QStringLiteral("editorJaringan"));
    setAccessibleName(QStringLiteral("Gambar jaringan"));
    setMouseTracking(false);
    for (const ActionEntry& entry : kActions) {
        auto* action = new QAction(QString::fromUtf8(entry.text), this);
        action->setObjectName(QString::fromUtf8(entry.name));
        if (entry.keyRow >= 0)
            action->setShortcut(kKeys[entry.keyRow].key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        m_actions << action;
    }
    connect(m_actions[Undo], &QAction::triggered, m_undoStack, &QUndoStack::undo);
    connect(m_actions[Redo], &QAction::triggered, m_undoStack, &QUndoStack::redo);
    connect(m_actions[Remove], &QAction::triggered, this, &NetworkEditor::removeSelection);
    connect(m_actions[Rename], &QAction::triggered, this, [this] {
        if (m_selectedLink)
            beginWeightEdit(m_selectedLink);
        else
            renameSelectedNode();
    });
    connect(m_actions[Start], &QAction::triggered, this, [this] { makeStart(m_selectedNode); });
    connect(m_actions[End], &QAction::triggered, this, [this] { makeEnd(m_selectedNode); });
    connect(m_actions[Layout], &QAction::triggered, this, &NetworkEditor::arrangeLayout);
    addMenuEntries(this, MenuSection::Edit, m_actions);
    connect(m_undoStack, &QUndoStack::indexChanged, this, &NetworkEditor::updateActions);
    resetSheet();
    updateActions();
}

NetworkEditor::~NetworkEditor()
{
    // The stack, a child, clears itself when QObject deletes it, after this editor's members.
    m_undoStack->disconnect(this);
}

void NetworkEditor::setSeams(EditorSeams seams)
{
    m_seams = std::move(seams);
}

void NetworkEditor::setDocument(const Network& network, int start, int end)
{
    NetworkDocument document;
    document.network = network;
    document.start = start;
    document.end = end;
    setDocument(document);
}

void NetworkEditor::setDocument(const NetworkDocument& document)
{
    finishWeightEdit(false);
    m_dragNode = 0;
    m_dragging = false;
    m_undoStack->clear();
    m_document = document;
    // Ends that are no nodes fall back to the first and the last node.
    if (!m_document.network.hasNode(m_document.start))
        m_document.start = 1;
    if (!m_document.network.hasNode(m_document.end))
        m_document.end = 0;
    m_selectedNode = 0;
    m_selectedLink = 0;
    model().setNetwork(m_document.network, m_document.start, m_document.end);
    resetSheet();
    updateActions();
    update();
}

void NetworkEditor::setEditable(bool editable)
{
    if (!editable) {
        finishWeightEdit(false);
        m_dragNode = 0;
        m_dragging = false;
        m_pressedEmpty = false;
    }
    m_editable = editable;
    updateActions();
    update();
}

void NetworkEditor::resetSheet()
{
    m_sheet = sheetFor(m_document.network);
}

QRectF NetworkEditor::networkExtent() const
{
    QRectF extent = m_sheet;
    if (m_document.network.nodeCount() > 0)
        extent = spanning(extent, boundsOf(m_document.network));
    // As wide for its height as the widget, so that every point of the widget has its place.
    const QRectF area = plotArea();
    if (area.width() <= 0 || area.height() <= 0 || extent.height() <= 0)
        return extent;
    const qreal aspect = area.width() / area.height();
    const QPointF centre = extent.center();
    if (extent.width() < extent.height() * aspect)
        extent.setWidth(extent.height() * aspect);
    else
        extent.setHeight(extent.width() / aspect);
    extent.moveCenter(centre);
    return extent;
}

QRectF NetworkEditor::sheetFor(const Network& network)
{
    QRectF bounds = boundsOf(network);
    if (bounds.width() <= 0 && bounds.height() <= 0)
        bounds = QRectF(bounds.center() - QPointF(200, 150), QSizeF(400, 300));
    return bounds;
}

void NetworkEditor::apply(const NetworkDocument& document)
{
    // An undo from elsewhere (the window's menu) while a weight is typed: the weight box belongs
    // to the network that was, so it goes first, a new link with it.
    finishWeightEdit(false);
    m_document = document;
    model().setNetwork(m_document.network, m_document.start, m_document.end);
    if (m_selectedNode > m_document.network.nodeCount())
        m_selectedNode = 0;
    if (m_selectedLink > m_document.network.linkCount())
        m_selectedLink = 0;
    // Other nodes and links: a screen reader reads the children anew.
    if (QAccessible::isActive()) {
        QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
    }
    updateActions();
    update();
    emit networkEdited();
}

void NetworkEditor::push(const QString& text, NetworkDocument after,
                         std::optional<QRectF> sheetAfter)
{
    if (after == m_document)
        return;
    // What was shown goes with the network, so that undo puts every node back in its place on
    // the screen, and redo as the edit left it. (The part shown now, made as wide as the widget,
    // holds every place the pointer can point at.)
    const QRectF before = m_sheet;
    const QRectF afterSheet = sheetAfter ? *sheetAfter : networkExtent();
    const NetworkDocument beforeDocument = m_document;
    m_undoStack->push(new DocumentCommand(
        text, m_document, std::move(after),
        [this, before, afterSheet, beforeDocument](const NetworkDocument& d) {
            m_sheet = d == beforeDocument ? before : afterSheet;
            apply(d);
        }));
}

void NetworkEditor::updateActions()
{
    const bool idle = m_editable && !m_weightEditor;
    const bool node = m_document.network.hasNode(m_selectedNode);
    m_actions[Undo]->setEnabled(idle && m_undoStack->canUndo());
    m_actions[Redo]->setEnabled(idle && m_undoStack->canRedo());
    m_actions[Remove]->setEnabled(idle && (node || m_selectedLink));
    m_actions[Rename]->setEnabled(idle && (node || m_selectedLink));
    m_actions[Start]->setEnabled(idle && node && m_selectedNode != start());
    m_actions[End]->setEnabled(idle && node && m_selectedNode != end());
    m_actions[Layout]->setEnabled(idle && m_document.network.nodeCount() > 0);
}

void NetworkEditor::message(const QString& title, const QString& text) const
{
    if (m_seams.messageBox)
        m_seams.messageBox(const_cast<NetworkEditor*>(this), title, text);
}

int NetworkEditor::elementCount() const
{
    return m_document.network.nodeCount() + m_document.network.linkCount();
}

int NetworkEditor::focusElement() const
{
    if (m_selectedNode)
        return m_selectedNode - 1;
    if (m_selectedLink)
        return m_document.network.nodeCount() + m_selectedLink - 1;
    return -1;
}

void NetworkEditor::selectNode(int node)
{
    m_selectedNode = m_document.network.hasNode(node) ? node : 0;
    m_selectedLink = 0;
    announceFocus();
    updateActions();
    update();
}

void NetworkEditor::selectLink(int link)
{
    m_selectedLink = m_document.network.hasLink(link) ? link : 0;
    m_selectedNode = 0;
    announceFocus();
    updateActions();
    update();
}

void NetworkEditor::selectElement(int element)
{
    const int nodes = m_document.network.nodeCount();
    if (element < nodes)
        selectNode(element + 1);
    else
        selectLink(element - nodes + 1);
}

bool NetworkEditor::stepSelection(bool forward)
{
    const int count = elementCount();
    const int current = focusElement();
    const int next = current < 0 ? (forward ? 0 : count - 1) : current + (forward ? 1 : -1);
    if (count == 0 || next < 0 || next >= count)
        return false;
    selectElement(next);
    return true;
}

void NetworkEditor::announceFocus()
{
    if (!hasFocus() || !QAccessible::isActive() || focusElement() < 0)
        return;
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(this))
        if (QAccessibleInterface* element = iface->child(focusElement())) {
            QAccessibleEvent focus(element, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
}

bool NetworkEditor::addNodeAt(QPointF widgetPoint)
{
    if (!m_editable)
        return false;
    if (m_document.network.nodeCount() >= kEditorMaxNodes) {
        message(QStringLiteral("Simpul baru"),
                QStringLiteral("Jaringan ini sudah memiliki %1 simpul, sebanyak yang dapat "
                               "diajarkan. Hapus simpul lain dulu untuk menambah simpul baru.")
                    .arg(kEditorMaxNodes));
        return false;
    }
    const QPointF place = toNetwork(widgetPoint);
    NetworkDocument after = m_document;
    const int node = after.network.addNode({}, place.x(), place.y());
    push(QStringLiteral("Tambah simpul"), std::move(after));
    selectNode(node);
    return true;
}

bool NetworkEditor::addNodeAtFreePlace()
{
    const QRectF area = plotArea();
    const qreal r = nodeRadius();
    const qreal step = 5 * r;
    const auto isFree = [&](QPointF p) {
        for (int n = 1; n <= m_document.network.nodeCount(); ++n)
            if (QLineF(p, nodeRect(n).center()).length() < step)
                return false;
        for (int k = 1; k <= m_document.network.linkCount(); ++k)
            if (weightBoxRect(k).adjusted(-r, -r, r, r).contains(p))
                return false;
        return true;
    };
    // Row by row from the top left, as a teacher fills a board.
    for (qreal y = area.top(); y <= area.bottom(); y += step)
        for (qreal x = area.left(); x <= area.right(); x += step)
            if (isFree({x, y}))
                return addNodeAt({x, y});
    return addNodeAt(area.center());
}

bool NetworkEditor::beginLink(int from, int to)
{
    const Network& network = m_document.network;
    if (!m_editable || m_weightEditor || !network.hasNode(from) || !network.hasNode(to))
        return false;
    if (from == to) {
        message(QStringLiteral("Jalur baru"),
                QStringLiteral("Jalur menghubungkan dua simpul yang berbeda."));
        return false;
    }
    if (const int existing = network.findLink(from, to)) {
        message(QStringLiteral("Jalur baru"),
                QStringLiteral("Sudah ada jalur dari simpul %1 ke simpul %2; klik dua kali "
                               "bobotnya untuk mengubahnya.")
                    .arg(from)
                    .arg(to));
        selectLink(existing);
        return false;
    }
    m_beforeNewLink = m_document;
    NetworkDocument tentative = m_document;
    const int link = tentative.network.addLink(from, to, 1);
    // Shown but not yet an edit: it becomes one when its weight is kept.
    m_document = tentative;
    model().setNetwork(m_document.network, m_document.start, m_document.end);
    selectLink(link);
    return beginWeightEdit(link);
}

bool NetworkEditor::beginWeightEdit(int link)
{
    if (!m_editable || m_weightEditor || !m_document.network.hasLink(link))
        return false;
    const NetworkLink& l = m_document.network.link(link);
    m_editedLink = link;
    m_weightEditor = new QLineEdit(this);
    m_weightEditor->setObjectName(QStringLiteral("bobotJalur"));
    m_weightEditor->setAccessibleName(
        QStringLiteral("Bobot jalur %1 ke %2").arg(l.from).arg(l.to));
    m_weightEditor->setAlignment(Qt::AlignCenter);
    m_weightEditor->setText(weightText(l.weight));
    const QRectF box = weightBoxRect(link);
    const QSize size(std::max(int(box.width()) + 24, 64), m_weightEditor->sizeHint().height());
    QRect place(QPoint(0, 0), size);
    place.moveCenter(box.center().toPoint());
    // Whole inside the drawing, even for a link along its edge.
    place.moveLeft(std::clamp(place.left(), 0, std::max(0, width() - place.width())));
    place.moveTop(std::clamp(place.top(), 0, std::max(0, height() - place.height())));
    m_weightEditor->setGeometry(place);
    m_weightEditor->selectAll();
    m_weightEditor->installEventFilter(this);
    m_weightEditor->show();
    m_weightEditor->setFocus(Qt::OtherFocusReason);
    updateActions();
    return true;
}

bool NetworkEditor::finishWeightEdit(bool keep)
{
    if (!m_weightEditor)
        return true;
    std::optional<double> weight;
    if (keep) {
        QString reason;
        weight = readWeight(m_weightEditor->text(), &reason);
        if (!weight) {
            message(QStringLiteral("Bobot jalur"), reason);
            m_weightEditor->setFocus(Qt::OtherFocusReason);
            m_weightEditor->selectAll();
            return false;
        }
    }
    QLineEdit* editor = std::exchange(m_weightEditor, nullptr);
    const int link = std::exchange(m_editedLink, 0);
    const std::optional<NetworkDocument> before = std::exchange(m_beforeNewLink, std::nullopt);
    editor->removeEventFilter(this);
    const bool hadFocus = editor->hasFocus();
    editor->hide();
    editor->deleteLater();
    if (before) {
        // The network as it was without the new link, so that the edit starts from there.
        NetworkDocument after = m_document;
        m_document = *before;
        model().setNetwork(m_document.network, m_document.start, m_document.end);
        if (weight) {
            after.network.setWeight(link, *weight);
            push(QStringLiteral("Tambah jalur"), std::move(after));
            selectLink(link);
        } else {
            selectNode(after.network.link(link).from);
        }
    } else if (weight) {
        NetworkDocument after = m_document;
        after.network.setWeight(link, *weight);
        push(QStringLiteral("Ubah bobot"), std::move(after));
    }
    if (hadFocus)
        setFocus(Qt::OtherFocusReason);
    updateActions();
    update();
    return true;
}

bool NetworkEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_weightEditor) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                finishWeightEdit(true);
                return true;
            }
            if (key == Qt::Key_Escape) {
                finishWeightEdit(false);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Elsewhere in the window: a weight that reads is kept, anything else dropped. A
            // dialog or a menu over the window leaves the box as it is.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
                QString ignored;
                const bool reads = readWeight(m_weightEditor->text(), &ignored).has_value();
                finishWeightEdit(reads);
            }
        }
    }
    return NetworkCanvas::eventFilter(watched, event);
}

bool NetworkEditor::moveNode(int node, QPointF widgetPoint)
{
    if (!m_editable || !m_document.network.hasNode(node))
        return false;
    const QPointF place = toNetwork(widgetPoint);
    NetworkDocument after = m_document;
    after.network.setNodePlace(node, place.x(), place.y());
    push(QStringLiteral("Geser simpul"), std::move(after));
    return true;
}

bool NetworkEditor::removeSelection()
{
    if (!m_editable || m_weightEditor)
        return false;
    if (m_document.network.hasNode(m_selectedNode)) {
        const int node = std::exchange(m_selectedNode, 0);
        push(QStringLiteral("Hapus simpul"), withoutNode(m_document, node));
        return true;
    }
    if (m_document.network.hasLink(m_selectedLink)) {
        const int link = std::exchange(m_selectedLink, 0);
        push(QStringLiteral("Hapus jalur"), withoutLink(m_document, link));
        return true;
    }
    return false;
}

bool NetworkEditor::renameSelectedNode()
{
    const int node = m_selectedNode;
    if (!m_editable || m_weightEditor || !m_document.network.hasNode(node) || !m_seams.textInput)
        return false;
    const std::optional<QString> typed =
        m_seams.textInput(this, QStringLiteral("Ganti nama"),
                          QStringLiteral("Nama simpul %1 (kosongkan untuk tanpa nama):").arg(node));
    if (!typed)
        return false;
    // One line of printable text: a name stands beside the node and in files.
    QString name;
    for (const QChar c : typed->simplified())
        if (c.isPrint())
            name += c;
    name.truncate(kMaxNameLength);
    NetworkDocument after = m_document;
    after.network.setNodeName(node, name.trimmed().toStdString());
    push(QStringLiteral("Ganti nama simpul"), std::move(after));
    return true;
}

bool NetworkEditor::askForLink()
{
    if (!m_editable || m_weightEditor || !m_seams.textInput)
        return false;
    const int from = m_selectedNode;
    if (!m_document.network.hasNode(from)) {
        message(QStringLiteral("Jalur baru"),
                QStringLiteral("Pilih dulu simpul asal jalur (Tab atau tombol panah)."));
        return false;
    }
    const std::optional<QString> typed = m_seams.textInput(
        this, QStringLiteral("Jalur baru"),
        QStringLiteral("Jalur dari simpul %1 ke simpul nomor:").arg(from));
    if (!typed)
        return false;
    bool ok = false;
    const int to = typed->trimmed().toInt(&ok);
    if (!ok || !m_document.network.hasNode(to)) {
        message(QStringLiteral("Jalur baru"),
                QStringLiteral("\"%1\" bukan nomor simpul jaringan ini (1 sampai %2).")
                    .arg(typed->trimmed())
                    .arg(m_document.network.nodeCount()));
        return false;
    }
    return beginLink(from, to);
}

bool NetworkEditor::makeStart(int node)
{
    if (!m_editable || m_weightEditor || !m_document.network.hasNode(node))
        return false;
    NetworkDocument after = m_document;
    after.start = node;
    push(QStringLiteral("Jadikan simpul awal"), std::move(after));
    return true;
}

bool NetworkEditor::makeEnd(int node)
{
    if (!m_editable || m_weightEditor || !m_document.network.hasNode(node))
        return false;
    NetworkDocument after = m_document;
    after.end = node;
    push(QStringLiteral("Jadikan simpul akhir"), std::move(after));
    return true;
}

bool NetworkEditor::arrangeLayout()
{
    const int nodes = m_document.network.nodeCount();
    if (!m_editable || m_weightEditor || nodes == 0)
        return false;
    const QString title = QStringLiteral("Atur tata letak");
    const auto runner = m_seams.layoutRunner ? m_seams.layoutRunner : runNeato;
    QString error;
    const std::optional<QByteArray> answer =
        runner(QByteArray::fromStdString(layoutRequest(m_document.network)), &error);
    if (!answer) {
        message(title, error.isEmpty() ? QStringLiteral("Graphviz tidak memberi jawaban.") : error);
        return false;
    }
    std::string reason;
    const auto places = readLayoutAnswer(answer->toStdString(), nodes, &reason);
    if (!places) {
        message(title, toQString(reason));
        return false;
    }
    NetworkDocument after = m_document;
    for (int n = 1; n <= nodes; ++n)
        after.network.setNodePlace(n, (*places)[at(n)].first, (*places)[at(n)].second);
    // The new places fill the drawing.
    const QRectF sheet = sheetFor(after.network);
    push(title, std::move(after), sheet);
    return true;
}

void NetworkEditor::paintUnderBoxes(QPainter& painter) const
{
    // The selected link as a broad band along its arrow.
    const QLineF line = linkLine(m_selectedLink);
    if (m_document.network.hasLink(m_selectedLink) && !line.isNull()) {
        QColor band = focusColour();
        band.setAlpha(hasFocus() ? 110 : 60);
        painter.setPen(QPen(band, 8, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(line);
    }
}

void NetworkEditor::paintOver(QPainter& painter) const
{
    const qreal r = nodeRadius();
    painter.setBrush(Qt::NoBrush);
    if (m_document.network.hasNode(m_selectedNode)) {
        painter.setPen(QPen(focusColour(), hasFocus() ? 2.5 : 1.5, Qt::DashLine));
        painter.drawEllipse(nodeRect(m_selectedNode).center(), r + 6, r + 6);
    } else if (m_document.network.hasLink(m_selectedLink)) {
        painter.setPen(QPen(focusColour(), hasFocus() ? 2 : 1.2));
        painter.drawRect(weightBoxRect(m_selectedLink).adjusted(-4, -4, 4, 4));
    }
    if (m_dragNode && m_dragging) {
        // The link or the move the drag makes when let go here.
        const int target = nodeAt(m_pointer);
        painter.setPen(QPen(focusColour(), 1.5, Qt::DashLine));
        painter.drawLine(nodeRect(m_dragNode).center(), m_pointer);
        if (target && target != m_dragNode)
            painter.drawEllipse(nodeRect(target).center(), r + 6, r + 6);
        else if (!target)
            painter.drawEllipse(m_pointer, r, r);
    }
}

void NetworkEditor::mousePressEvent(QMouseEvent* event)
{
    NetworkCanvas::mousePressEvent(event);
    const QPointF p = event->position();
    const int node = nodeAt(p);
    const int link = node ? 0 : linkAt(p);
    if (event->button() == Qt::RightButton) {
        // The context menu acts on what it was opened on.
        if (node)
            selectNode(node);
        else if (link)
            selectLink(link);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_pressPoint = m_pointer = p;
    m_dragging = false;
    m_dragNode = m_editable ? node : 0;
    m_pressedEmpty = m_editable && !node && !link;
    if (node)
        selectNode(node);
    else if (link)
        selectLink(link);
}

void NetworkEditor::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragNode && (event->buttons() & Qt::LeftButton)) {
        m_pointer = event->position();
        if (!m_dragging &&
            QLineF(m_pointer, m_pressPoint).length() >= QApplication::startDragDistance())
            m_dragging = true;
        if (m_dragging)
            update();
    }
    NetworkCanvas::mouseMoveEvent(event);
}

void NetworkEditor::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        const QPointF p = event->position();
        const int from = std::exchange(m_dragNode, 0);
        const bool dragged = std::exchange(m_dragging, false);
        const bool empty = std::exchange(m_pressedEmpty, false);
        if (from && dragged) {
            update();
            const int target = nodeAt(p);
            if (target && target != from)
                beginLink(from, target);
            else if (!target)
                moveNode(from, p);
        } else if (empty &&
                   QLineF(p, m_pressPoint).length() < QApplication::startDragDistance()) {
            addNodeAt(m_pressPoint);
        }
    }
    NetworkCanvas::mouseReleaseEvent(event);
}

void NetworkEditor::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    if (event->button() == Qt::LeftButton && !nodeAt(p))
        if (const int link = linkAt(p)) {
            selectLink(link);
            beginWeightEdit(link);
            return;
        }
    NetworkCanvas::mouseDoubleClickEvent(event);
}

void NetworkEditor::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    if (arrow && mods == Qt::ControlModifier && m_selectedNode) {
        const QPointF delta(key == Qt::Key_Left ? -kKeyStep : key == Qt::Key_Right ? kKeyStep : 0,
                            key == Qt::Key_Up ? -kKeyStep : key == Qt::Key_Down ? kKeyStep : 0);
        moveNode(m_selectedNode, nodeRect(m_selectedNode).center() + delta);
        return;
    }
    if (arrow && mods == Qt::NoModifier && elementCount() > 0) {
        // Round and round: past the last element comes the first again.
        const bool forward = key == Qt::Key_Right || key == Qt::Key_Down;
        if (!stepSelection(forward))
            selectElement(forward ? 0 : elementCount() - 1);
        return;
    }
    if (mods == Qt::NoModifier) {
        switch (key) {
        case Qt::Key_Insert:
            addNodeAtFreePlace();
            return;
        case Qt::Key_L:
            askForLink();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (m_selectedLink && beginWeightEdit(m_selectedLink))
                return;
            break;
        default:
            break;
        }
    }
    NetworkCanvas::keyPressEvent(event);
}

bool NetworkEditor::focusNextPrevChild(bool next)
{
    // Tab goes through the nodes and links before it leaves the drawing.
    if (hasFocus() && !m_weightEditor && stepSelection(next))
        return true;
    if (hasFocus()) {
        m_selectedNode = 0;
        m_selectedLink = 0;
        updateActions();
        update();
    }
    return NetworkCanvas::focusNextPrevChild(next);
}

void NetworkEditor::focusInEvent(QFocusEvent* event)
{
    NetworkCanvas::focusInEvent(event);
    if (focusElement() < 0 && elementCount() > 0) {
        if (event->reason() == Qt::TabFocusReason)
            selectElement(0);
        else if (event->reason() == Qt::BacktabFocusReason)
            selectElement(elementCount() - 1);
    }
    announceFocus();
    update();
}

} // namespace trayeko::ui
