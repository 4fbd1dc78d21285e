#include "ui/ownnetwork/ownnetworkwindow.h"

#include "core/bellmanford.h"
#include "core/numbertext.h"
#include "core/routes.h"
#include "core/shortestpath.h"
#include "ui/drawing/networklayout.h"
#include "ui/exercise/exercise.h"
#include "ui/export/classroomactions.h"
#include "ui/netedit/networkeditor.h"
#include "ui/ownnetwork/floydgrid.h"
#include "ui/stepping/lessons.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/contextmenu.h"
#include "ui/support/keyregistry.h"
#include "ui/support/toolwindow.h"
#include "ui/support/utf8.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace trayeko::ui {

namespace {

const QString kTitle = QString::fromUtf8(kOwnNetworkTitle);
// The building exercise's summary, as its PDF and print job are titled.
const QString kBuildSummaryTitle = QStringLiteral("Ringkasan latihan buat jaringan");

constexpr KeyRow kWindowKeys[] = {
    {{}, "Enter, Alt+P", "Proses: Dijkstra dan Floyd\u2013Warshall pada jaringan ini"},
    {{}, "Alt+U, Alt+T", "ke Judul, ke Catatan"},
    {{}, "Alt+I", "pilih iterasi Floyd\u2013Warshall yang ditampilkan"},
    {{}, "Alt+M",
     "pilih metode pelajaran untuk F10 dan F9: Dijkstra, Floyd\u2013Warshall atau Bellman\u2013Ford"},
    {Qt::CTRL | Qt::Key_B, nullptr,
     "Bandingkan dengan Bellman\u2013Ford: jarak setiap simpul menurut kedua metode"},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_J, nullptr,
     "Latihan: buat jaringan tempat Dijkstra salah (diperiksa setiap kali jaringan diubah)"},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_R, nullptr,
     "Simpan ringkasan latihan buat jaringan (PDF atau teks), selama latihan itu berjalan"},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_P, nullptr,
     "Cetak ringkasan latihan buat jaringan, selama latihan itu berjalan"},
};
constexpr const KeyRow& kBuildSaveKey = kWindowKeys[6];
constexpr const KeyRow& kBuildPrintKey = kWindowKeys[7];
const KeyListing kWindowListed(keyplace::kFloyd + 50, kOwnNetworkTitle, kWindowKeys);

QString nodeText(const Network& network, int node)
{
    return QString::fromStdString(network.nodeLabel(node));
}

QString routeText(const Network& network, const std::vector<int>& route)
{
    QStringList names;
    for (const int node : route)
        names << nodeText(network, node);
    return names.join(QStringLiteral(" \u2192 "));
}

// The links of a route given as its nodes, in travel order.
std::vector<int> routeLinks(const Network& network, const std::vector<int>& route)
{
    std::vector<int> links;
    for (size_t i = 1; i < route.size(); ++i)
        links.push_back(network.findLink(route[i - 1], route[i]));
    return links;
}

const QString kNegativeWarning =
    QStringLiteral("Peringatan: ada bobot negatif; hasil Dijkstra bisa salah. Bandingkan dengan "
                   "Bellman\u2013Ford.");

// A negative cycle is drawn apart from any route: it is no route but the reason there is none.
QColor cycleColor()
{
    return QColor(128, 0, 160);
}

QString distanceCell(double distance, const std::string& separator)
{
    return std::isfinite(distance) ? toQString(formatGeneral(distance, separator))
                                   : QStringLiteral("\u221e");
}

// Whether two distances differ by more than the rounding of sums taken in another order.
bool distancesDiffer(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return a != b;
    return std::abs(a - b) > 1e-9 * std::max({1.0, std::abs(a), std::abs(b)});
}

// Dijkstra's method as it is taught: a node once fixed keeps its distance, whatever a negative
// link found later would give. On weights of zero or more this is the shortest path tree.
ShortestPathTree taughtDijkstra(const Network& network, int start)
{
    std::vector<DijkstraRound> rounds;
    return dijkstra(Digraph(network), start, &rounds);
}

QTableView* makeGrid(QWidget* parent, const QString& objectName, FloydGridModel* model,
                     const QString& accessibleName)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(objectName);
    grid->setModel(model);
    grid->setAccessibleName(accessibleName);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);
    // Sized by fitGrid from the texts shown: measuring every cell through the view, as
    // ResizeToContents does, takes longer than a frame at thirty nodes.
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setMinimumWidth(160);
    return grid;
}

// Every column of @p grid as wide as the widest text of @p model's matrix shown, header
// included (a bold cell is measured bold).
void fitGrid(QTableView* grid, const FloydGridModel* model)
{
    QFont boldFont = grid->font();
    boldFont.setBold(true);
    const QFontMetrics plain(grid->font());
    const QFontMetrics bold(boldFont);
    const int n = model->rowCount();
    int widest = plain.horizontalAdvance(QString::number(n));
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            widest = std::max(
                widest,
                (model->changed(i, j) ? bold : plain).horizontalAdvance(model->cellText(i, j)));
    grid->horizontalHeader()->setDefaultSectionSize(widest + 12);
}

} // namespace

OwnNetworkWindow::OwnNetworkWindow(QWidget* parent) : LessonWindow(parent)
{
    setObjectName(QStringLiteral("ownNetworkWindow"));
    makeToolWindow(this);
    buildClient();
    buildLessons();
    setDocument({Network(0), 1, 0, {}, {}});
    resize(960, 620);
}

OwnNetworkWindow::~OwnNetworkWindow()
{
    // The editor and its undo stack outlive this part of the window: a stack with unsaved edits
    // announces cleanChanged as it is cleared, which must not reach a window half destroyed.
    m_editor->undoStack()->disconnect(this);
    m_editor->disconnect(this);
}

void OwnNetworkWindow::buildClient()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ownNetworkClient"));
    // On a small screen or at a large scale factor the window may be smaller than what its
    // controls need: they scroll inside it instead of the window growing out of the document
    // area, where its bottom row and title bar would be out of reach.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("ownNetworkScroller"));
    scroller->setAccessibleName(QStringLiteral("Isi jendela Jaringan Sendiri"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setWidget(m_client);
    setWidget(scroller);
    auto* layout = new QVBoxLayout(m_client);

    auto* texts = new QHBoxLayout;
    // Alt+J is the menu "&Jaringan"'s.
    auto* titleLabel = new QLabel(QStringLiteral("J&udul:"), m_client);
    m_title = new QLineEdit(m_client);
    m_title->setObjectName(QStringLiteral("txtJudul"));
    titleLabel->setBuddy(m_title);
    auto* noteLabel = new QLabel(QStringLiteral("Ca&tatan:"), m_client);
    m_note = new QPlainTextEdit(m_client);
    m_note->setObjectName(QStringLiteral("txtCatatan"));
    m_note->setTabChangesFocus(true);
    m_note->setFixedHeight(m_note->fontMetrics().lineSpacing() * 3 + 12);
    noteLabel->setBuddy(m_note);
    texts->addWidget(titleLabel);
    texts->addWidget(m_title, 2);
    texts->addWidget(noteLabel);
    texts->addWidget(m_note, 3);
    layout->addLayout(texts);
    connect(m_title, &QLineEdit::textEdited, this, [this] {
        m_textsEdited = true;
        updateTitle();
    });
    connect(m_note, &QPlainTextEdit::textChanged, this, [this] {
        // setPlainText from setDocument announces a change as well; only typing counts.
        if (m_note->hasFocus()) {
            m_textsEdited = true;
            updateTitle();
        }
    });

    auto* splitter = new QSplitter(Qt::Horizontal, m_client);
    m_editor = new NetworkEditor(splitter);
    m_editor->setObjectName(QStringLiteral("networkEditor"));
    m_editor->setMinimumSize(240, 160);
    m_editor->setFocusPolicy(Qt::StrongFocus);
    splitter->addWidget(m_editor);

    auto* floyd = new QWidget(splitter);
    m_floydPanel = floyd;
    auto* floydLayout = new QVBoxLayout(floyd);
    floydLayout->setContentsMargins(0, 0, 0, 0);
    auto* chooser = new QHBoxLayout;
    auto* heading = new QLabel(QStringLiteral("Floyd\u2013Warshall, &iterasi:"), floyd);
    m_iteration = new QComboBox(floyd);
    m_iteration->setObjectName(QStringLiteral("cboIterasi"));
    m_iteration->setAccessibleName(QStringLiteral("Iterasi Floyd-Warshall yang ditampilkan"));
    heading->setBuddy(m_iteration);
    chooser->addWidget(heading);
    chooser->addWidget(m_iteration, 1);
    floydLayout->addLayout(chooser);
    m_valueGrid = new FloydGridModel(FloydGridModel::Kind::Values, this);
    m_nodeGrid = new FloydGridModel(FloydGridModel::Kind::Nodes, this);
    floydLayout->addWidget(new QLabel(QStringLiteral("Nilai"), floyd));
    m_values =
        makeGrid(floyd, QStringLiteral("tblNilai"), m_valueGrid, QStringLiteral("Matriks nilai"));
    floydLayout->addWidget(m_values, 1);
    floydLayout->addWidget(new QLabel(QStringLiteral("Simpul"), floyd));
    m_nodes =
        makeGrid(floyd, QStringLiteral("tblSimpul"), m_nodeGrid, QStringLiteral("Matriks simpul"));
    floydLayout->addWidget(m_nodes, 1);
    m_floydRoute = new QLabel(floyd);
    m_floydRoute->setObjectName(QStringLiteral("lblRuteFloyd"));
    m_floydRoute->setWordWrap(true);
    m_floydRoute->setTextInteractionFlags(Qt::TextSelectableByMouse);
    floydLayout->addWidget(m_floydRoute);
    splitter->addWidget(floyd);

    m_comparePanel = new QWidget(splitter);
    m_comparePanel->setObjectName(QStringLiteral("ownNetworkCompare"));
    auto* compareLayout = new QVBoxLayout(m_comparePanel);
    compareLayout->setContentsMargins(0, 0, 0, 0);
    compareLayout->addWidget(
        new QLabel(QStringLiteral("Dijkstra dan Bellman\u2013Ford"), m_comparePanel));
    m_compareTable = new QTableWidget(0, 4, m_comparePanel);
    m_compareTable->setObjectName(QStringLiteral("tblBandingkan"));
    m_compareTable->setAccessibleName(
        QStringLiteral("Jarak setiap simpul menurut Dijkstra dan Bellman\u2013Ford"));
    m_compareTable->setHorizontalHeaderLabels({QStringLiteral("Simpul"), QStringLiteral("Dijkstra"),
                                               QStringLiteral("Bellman\u2013Ford"),
                                               QStringLiteral("Keterangan")});
    m_compareTable->verticalHeader()->hide();
    m_compareTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_compareTable->setTabKeyNavigation(false);
    m_compareTable->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    compareLayout->addWidget(m_compareTable, 1);
    m_mistake = new QLabel(m_comparePanel);
    m_mistake->setObjectName(QStringLiteral("lblKesalahanDijkstra"));
    m_mistake->setWordWrap(true);
    m_mistake->setTextInteractionFlags(Qt::TextSelectableByMouse);
    compareLayout->addWidget(m_mistake);
    splitter->addWidget(m_comparePanel);
    m_comparePanel->hide();
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setStretchFactor(2, 2);
    layout->addWidget(splitter, 1);
    connect(m_iteration, &QComboBox::currentIndexChanged, this,
            &OwnNetworkWindow::showFloydIteration);

    auto* results = new QHBoxLayout;
    m_runButton = new QPushButton(QStringLiteral("&Proses..."), m_client);
    m_runButton->setObjectName(QStringLiteral("cmdProses"));
    m_runButton->setAutoDefault(false);
    m_runButton->setDefault(true);
    connect(m_runButton, &QPushButton::clicked, this, &OwnNetworkWindow::run);
    m_total = new QLabel(m_client);
    m_total->setObjectName(QStringLiteral("lblTotal"));
    m_total->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = m_total->font();
    bold.setBold(true);
    m_total->setFont(bold);
    m_route = new QLabel(m_client);
    m_route->setObjectName(QStringLiteral("lblRute"));
    m_route->setWordWrap(true);
    m_route->setTextInteractionFlags(Qt::TextSelectableByMouse);
    results->addWidget(m_runButton);
    results->addWidget(m_total);
    results->addWidget(m_route, 1);
    auto* methodLabel = new QLabel(QStringLiteral("&Metode pelajaran:"), m_client);
    m_method = new QComboBox(m_client);
    m_method->setObjectName(QStringLiteral("cboMetode"));
    // In the order of ExerciseMethod.
    m_method->addItems({QStringLiteral("Dijkstra"), QStringLiteral("Floyd\u2013Warshall"),
                        QStringLiteral("Bellman\u2013Ford")});
    m_method->setAccessibleDescription(
        QStringLiteral("Metode yang diajarkan langkah demi langkah (F10) dan latihan (F9)"));
    methodLabel->setBuddy(m_method);
    results->addWidget(methodLabel);
    results->addWidget(m_method);
    layout->addLayout(results);

    auto* negative = new QHBoxLayout;
    m_warning = new QLabel(m_client);
    m_warning->setObjectName(QStringLiteral("lblPeringatan"));
    m_warning->setWordWrap(true);
    m_warning->setStyleSheet(QStringLiteral("color: #a00000; font-weight: bold;"));
    m_warning->hide();
    m_bellmanFord = new QLabel(m_client);
    m_bellmanFord->setObjectName(QStringLiteral("lblBellmanFord"));
    m_bellmanFord->setWordWrap(true);
    m_bellmanFord->setTextInteractionFlags(Qt::TextSelectableByMouse);
    negative->addWidget(m_warning, 1);
    negative->addWidget(m_bellmanFord, 1);
    layout->addLayout(negative);
    m_buildCheck = new QLabel(m_client);
    m_buildCheck->setObjectName(QStringLiteral("lblLatihanBuat"));
    m_buildCheck->setWordWrap(true);
    m_buildCheck->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_buildCheck->hide();
    layout->addWidget(m_buildCheck);

    // Enter anywhere in the window runs, as a dialog's default button does; a control that
    // takes Enter itself (the note, a weight being typed in the drawing, a focused button) keeps
    // it.
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), m_client);
        shortcut->setObjectName(QStringLiteral("defaultKey"));
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, &OwnNetworkWindow::pressDefault);
        m_defaultKeys << shortcut;
    }

    connect(m_editor, &NetworkEditor::networkEdited, this, [this] {
        clearResult();
        updateTitle();
        emit weightsEdited();
    });
    // Every change of the network, an exercise's new weights and undo included, is checked anew.
    connect(this, &LessonWindow::weightsEdited, this, [this] {
        if (m_buildOn)
            checkBuiltNetwork();
    });
    connect(m_editor->undoStack(), &QUndoStack::cleanChanged, this, &OwnNetworkWindow::updateTitle);

    m_classroom = installClassroomActions(this, m_editor, QStringLiteral("jaringan"));
    // The iteration shown, both matrices, as text for a document; every iteration as CSV.
    auto* copyText = new QAction(QStringLiteral("Salin teks"), this);
    copyText->setObjectName(QStringLiteral("actSalinMatriks"));
    connect(copyText, &QAction::triggered, this, [this] {
        QGuiApplication::clipboard()->setText(
            m_iteration->currentText() + QStringLiteral("\nNilai\n") + m_valueGrid->tableText() +
            QStringLiteral("\nSimpul\n") + m_nodeGrid->tableText());
    });
    m_csvActions << copyText;
    for (QTableView* grid : {m_values, m_nodes}) {
        addMenuEntries(grid, MenuSection::Listing, {copyText});
        m_csvActions << m_classroom->addTableCsv(
            grid, [this] { return floydIterationsCsv(m_floyd, regionalDecimalSeparator()); });
    }
    setTabOrder(m_title, m_note);
    setTabOrder(m_note, m_editor);
    setTabOrder(m_editor, m_iteration);
    setTabOrder(m_iteration, m_values);
    setTabOrder(m_values, m_nodes);
    setTabOrder(m_nodes, m_runButton);
    setTabOrder(m_runButton, m_method);

    m_compareAction = new QAction(QStringLiteral("Bandingkan dengan Bellman\u2013Ford"), this);
    m_compareAction->setObjectName(QStringLiteral("actBandingkanBellmanFord"));
    m_compareAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    m_compareAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(m_compareAction, &QAction::triggered, this, [this] { compareWithBellmanFord(); });
    addAction(m_compareAction);
    m_buildAction = new QAction(QStringLiteral("Latihan: buat jaringan"), this);
    m_buildAction->setObjectName(QStringLiteral("actLatihanBuatJaringan"));
    m_buildAction->setCheckable(true);
    m_buildAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_J));
    m_buildAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(m_buildAction, &QAction::toggled, this, &OwnNetworkWindow::setBuildExercise);
    addAction(m_buildAction);
    // What the student hands in; in the menu and answering their keys only while the exercise is
    // on.
    const auto summaryAction = [this](const char* objectName, const QString& text,
                                      const KeyRow& key, auto onTrigger) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(objectName));
        action->setShortcut(key.key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        action->setVisible(false);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, onTrigger);
        addAction(action);
        m_buildSummaryActions << action;
    };
    summaryAction("actSimpanRingkasanBuat", QStringLiteral("Simpan ringkasan latihan..."),
                  kBuildSaveKey, [this] { saveBuildSummary(); });
    summaryAction("actCetakRingkasanBuat", QStringLiteral("Cetak ringkasan latihan..."),
                  kBuildPrintKey, [this] { printBuildSummary(); });
    addMenuEntries(m_editor, MenuSection::View,
                   QList<QAction*>{m_compareAction, m_buildAction} + m_buildSummaryActions);
}

void OwnNetworkWindow::pressDefault()
{
    QWidget* focused = QApplication::focusWidget();
    if (auto* button = qobject_cast<QPushButton*>(focused);
        button && m_client->isAncestorOf(button)) {
        button->click();
        return;
    }
    // The note takes a line break, the drawing Enter where it means something there (a weight
    // typed, a link to change); only what nobody took runs.
    if (focused && (focused == m_note || m_note->isAncestorOf(focused) ||
                    m_editor->isAncestorOf(focused) || focused == m_editor)) {
        // Sent on, the key goes through the shortcuts once more: ours stand aside meanwhile.
        for (QShortcut* shortcut : std::as_const(m_defaultKeys))
            shortcut->setEnabled(false);
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QCoreApplication::sendEvent(focused, &key);
        for (QShortcut* shortcut : std::as_const(m_defaultKeys))
            shortcut->setEnabled(true);
        if (key.isAccepted())
            return;
        if (focused == m_note || m_note->isAncestorOf(focused))
            return;
    }
    if (m_runButton->isEnabled())
        m_runButton->click();
}

void OwnNetworkWindow::setDocument(const NetworkDocument& document, const QString& fileName,
                                   std::optional<NetworkFormat> format)
{
    clearResult();
    m_editor->setDocument(document.network, document.start, document.end);
    m_title->setText(QString::fromStdString(document.title));
    m_note->setPlainText(QString::fromStdString(document.note));
    m_fileName = fileName;
    m_format = format;
    m_textsEdited = false;
    m_neverSaved = false;
    m_replaced = false;
    m_editor->undoStack()->setClean();
    m_baseWeights = document.network.weights();
    m_savedNetwork = document.network;
    updateTitle();
    emit weightsEdited();
}

NetworkDocument OwnNetworkWindow::document() const
{
    return {m_editor->network(), m_editor->start(), m_editor->end(), m_title->text().toStdString(),
            m_note->toPlainText().toStdString()};
}

bool OwnNetworkWindow::isModified() const
{
    return m_neverSaved || m_textsEdited || m_replaced || !m_editor->undoStack()->isClean();
}

void OwnNetworkWindow::markUnsaved()
{
    m_neverSaved = true;
    updateTitle();
}

void OwnNetworkWindow::updateTitle()
{
    const QString shown =
        m_fileName.isEmpty() ? QStringLiteral("Tanpa judul") : QFileInfo(m_fileName).fileName();
    setWindowTitle(kTitle + QStringLiteral(" - ") + shown + QStringLiteral("[*]"));
    setWindowModified(isModified());
}

void OwnNetworkWindow::setSeams(OwnNetworkSeams seams)
{
    m_seams = std::move(seams);
    ClassroomSeams classroom;
    classroom.saveFileName = m_seams.saveFileName;
    classroom.messageBox = m_seams.messageBox;
    m_classroom->setSeams(std::move(classroom));
    EditorSeams editor;
    editor.messageBox = m_seams.messageBox;
    editor.textInput = m_seams.textInput;
    m_editor->setSeams(std::move(editor));
    // The exercise asks the same way (its code, what it refuses).
    ExerciseSeams exercise;
    exercise.messageBox = m_seams.messageBox;
    exercise.textInput = m_seams.textInput;
    exercise.dateTime = m_seams.dateTime;
    m_exercise->setSeams(std::move(exercise));
}

void OwnNetworkWindow::refuse(const QString& text)
{
    if (m_seams.messageBox)
        m_seams.messageBox(this, kTitle, text);
}

void OwnNetworkWindow::buildLessons()
{
    m_stepMode = new StepMode(this, [this] {
        const LessonNetwork lesson = lessonNetwork();
        // Every method here takes negative weights: Dijkstra's lesson shows how the method goes
        // wrong on them, as the run does under its warning.
        if (!acceptLesson(lesson, true, this, m_seams.messageBox))
            return Lesson{};
        const std::string separator = regionalDecimalSeparator();
        switch (m_lessonMethod) {
        case ExerciseMethod::Floyd:
            return floydLesson(lesson.network, lesson.start, lesson.endNode(), separator);
        case ExerciseMethod::BellmanFord:
            return bellmanFordLesson(lesson.network, lesson.start, lesson.endNode(), separator);
        case ExerciseMethod::Dijkstra:
            break;
        }
        Lesson dijkstra = dijkstraLesson(lesson.network, lesson.start, lesson.endNode(), separator);
        // The step that fixes a node too early says so, with the shorter route found later.
        if (const auto mistake = firstDijkstraMistake(lesson.network, lesson.start);
            mistake && mistake->step < dijkstra.frames.size())
            dijkstra.frames[mistake->step].explanation +=
                QStringLiteral("\nDi sini Dijkstra salah. ") +
                toQString(dijkstraMistakeText(lesson.network, *mistake, separator));
        return dijkstra;
    });
    m_stepMode->setCsvSaver([this](const std::string& csv) { m_classroom->saveCsvText(csv); });
    connect(m_stepMode, &StepMode::entered, this, &OwnNetworkWindow::lessonStarted);
    connect(m_stepMode, &StepMode::left, this, &OwnNetworkWindow::lessonEnded);

    // The method taught, also from the drawing's context menu.
    auto* group = new QActionGroup(this);
    const std::pair<ExerciseMethod, const char*> methods[] = {
        {ExerciseMethod::Dijkstra, "Dijkstra"},
        {ExerciseMethod::Floyd, "Floyd"},
        {ExerciseMethod::BellmanFord, "BellmanFord"},
    };
    for (const auto& [method, name] : methods) {
        auto* action = new QAction(QStringLiteral("Pelajaran: ") + m_method->itemText(int(method)),
                                   group);
        action->setObjectName(QStringLiteral("actPelajaran") + QLatin1String(name));
        action->setCheckable(true);
        action->setChecked(method == m_lessonMethod);
        connect(action, &QAction::triggered, this,
                [this, method] { setLessonMethod(method); });
        m_methodActions << action;
    }
    addMenuEntries(m_editor, MenuSection::Steps, m_methodActions);
    connect(m_method, &QComboBox::currentIndexChanged, this,
            [this](int index) { setLessonMethod(ExerciseMethod(index)); });
    makeExercise();
}

void OwnNetworkWindow::makeExercise()
{
    if (m_exercise) {
        m_exercise->leave();
        delete m_exercise;
    }
    switch (m_lessonMethod) {
    case ExerciseMethod::Floyd:
        m_exercise = new FloydExercise(this, m_stepMode, m_classroom);
        break;
    case ExerciseMethod::BellmanFord:
        m_exercise = new BellmanFordExercise(this, m_stepMode, m_classroom);
        break;
    case ExerciseMethod::Dijkstra:
        m_exercise = new DijkstraExercise(this, m_stepMode, m_classroom);
        break;
    }
    ExerciseSeams seams;
    seams.messageBox = m_seams.messageBox;
    seams.textInput = m_seams.textInput;
    seams.dateTime = m_seams.dateTime;
    m_exercise->setSeams(std::move(seams));
    connect(m_exercise, &Exercise::entered, this, &OwnNetworkWindow::lessonStarted);
    connect(m_exercise, &Exercise::left, this, &OwnNetworkWindow::lessonEnded);
}

void OwnNetworkWindow::setLessonMethod(ExerciseMethod method)
{
    if (method == m_lessonMethod)
        return;
    m_stepMode->leave();
    m_lessonMethod = method;
    {
        const QSignalBlocker quiet(m_method);
        m_method->setCurrentIndex(int(method));
    }
    m_methodActions[int(method)]->setChecked(true);
    makeExercise();
    emit exerciseReplaced();
}

void OwnNetworkWindow::lessonStarted()
{
    m_editor->setEditable(false);
    // What a run showed would give the exercise's answers away.
    if (m_exercise && m_exercise->isActive() && !m_veil.isVeiled()) {
        m_veil.veil({m_total, m_route, m_floydRoute, m_warning, m_bellmanFord});
        m_floydPanel->hide();
        m_comparePanel->hide();
    }
    m_compareAction->setEnabled(!(m_exercise && m_exercise->isActive()));
}

void OwnNetworkWindow::lessonEnded()
{
    const bool exercising = m_exercise && m_exercise->isActive();
    const bool stepping = m_stepMode && m_stepMode->isActive();
    m_editor->setEditable(!exercising && !stepping);
    m_compareAction->setEnabled(!exercising);
    if (!exercising && m_veil.isVeiled()) {
        m_veil.lift();
        m_floydPanel->show();
    }
}

LessonNetwork OwnNetworkWindow::lessonNetwork() const
{
    return {m_editor->network(), m_editor->start(), m_editor->end()};
}

void OwnNetworkWindow::setLessonWeights(const std::vector<double>& weights)
{
    Network network = m_editor->network();
    if (weights.size() != size_t(network.linkCount()))
        return;
    network.setWeights(weights);
    m_veil.forget();
    m_floydPanel->show();
    clearResult();
    m_editor->setDocument(network, m_editor->start(), m_editor->end());
    // The undo history went with the old weights: the network is changed where it is another
    // than the one saved.
    m_replaced = network != m_savedNetwork;
    updateTitle();
    emit weightsEdited();
}

std::vector<double> OwnNetworkWindow::defaultLessonWeights() const
{
    if (m_baseWeights.size() == size_t(m_editor->network().linkCount()))
        return m_baseWeights;
    return m_editor->network().weights();
}

DrawingWidget* OwnNetworkWindow::drawing() const
{
    return m_editor;
}

StepMode* OwnNetworkWindow::stepMode() const
{
    return m_stepMode;
}

Exercise* OwnNetworkWindow::exercise() const
{
    return m_exercise;
}

QString OwnNetworkWindow::askSaveName(const QString& caption, const QString& filters,
                                      const QString& proposed, QString* selectedFilter)
{
    return m_seams.saveFileName
               ? m_seams.saveFileName(this, caption, proposed, filters, selectedFilter)
               : QString();
}

namespace {

// The first pattern's suffix of a file dialog filter such as "GraphML (*.graphml *.xml)".
QString filterSuffix(const QString& filter)
{
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star < 0)
        return {};
    qsizetype end = star + 1;
    while (end < filter.size() && filter[end] != u' ' && filter[end] != u')')
        ++end;
    return filter.mid(star + 1, end - star - 1);
}

// Where a new network is proposed: the documents folder, or home where there is none.
QString proposedFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

} // namespace

bool OwnNetworkWindow::save()
{
    if (m_fileName.isEmpty() || !m_format || *m_format == NetworkFormat::Dot)
        return saveAs();
    return writeTo(m_fileName, *m_format);
}

bool OwnNetworkWindow::saveAs()
{
    const QString filters = QString::fromStdString(fileFilterText());
    QString proposed = m_fileName;
    if (proposed.isEmpty())
        proposed = proposedFolder() + QStringLiteral("/jaringan.trayeko.json");
    QString selectedFilter;
    QString path =
        askSaveName(QStringLiteral("Simpan jaringan"), filters, proposed, &selectedFilter);
    if (path.isEmpty())
        return false;
    std::optional<NetworkFormat> format = formatForFileName(path.toStdString());
    if (!format) {
        // A name typed without a known suffix gets the suffix of the type chosen in the dialog.
        const QString suffix = filterSuffix(selectedFilter.isEmpty() ? filters : selectedFilter);
        path += suffix.isEmpty() ? QStringLiteral(".trayeko.json") : suffix;
        format = formatForFileName(path.toStdString());
    }
    if (!format || *format == NetworkFormat::Dot) {
        refuse(QStringLiteral("Berkas \"%1\" tidak dapat disimpan: pilih JSON, GraphML atau CSV "
                              "(DOT hanya untuk ekspor).")
                   .arg(QFileInfo(path).fileName()));
        return false;
    }
    // Two windows on one file would overwrite each other's work.
    if (m_openElsewhere && m_openElsewhere(path)) {
        refuse(QStringLiteral("Berkas \"%1\" tidak dapat disimpan: berkas itu terbuka di jendela "
                              "Jaringan Sendiri yang lain. Tutup jendela itu dulu, atau pilih "
                              "nama lain.")
                   .arg(QFileInfo(path).fileName()));
        return false;
    }
    if (!writeTo(path, *format))
        return false;
    const bool renamed = path != m_fileName;
    m_fileName = path;
    m_format = format;
    updateTitle();
    if (renamed)
        emit fileNameChanged(path);
    return true;
}

bool OwnNetworkWindow::writeTo(const QString& path, NetworkFormat format)
{
    const QString error = writeNetworkFile(path, document(), format);
    if (!error.isEmpty()) {
        refuse(error);
        return false;
    }
    m_textsEdited = false;
    m_neverSaved = false;
    m_replaced = false;
    m_editor->undoStack()->setClean();
    m_baseWeights = m_editor->network().weights();
    m_savedNetwork = m_editor->network();
    updateTitle();
    return true;
}

bool OwnNetworkWindow::exportDot()
{
    QString proposed =
        m_fileName.isEmpty() ? proposedFolder() + QStringLiteral("/jaringan") : m_fileName;
    for (const QString& suffix :
         {QStringLiteral(".trayeko.json"), QStringLiteral(".json"), QStringLiteral(".graphml"),
          QStringLiteral(".xml"), QStringLiteral(".csv"), QStringLiteral(".txt")})
        if (proposed.endsWith(suffix, Qt::CaseInsensitive)) {
            proposed.chop(suffix.size());
            break;
        }
    proposed += QStringLiteral(".dot");
    QString path = askSaveName(QStringLiteral("Ekspor DOT"),
                               QStringLiteral("Graphviz DOT (*.dot *.gv)"), proposed, nullptr);
    if (path.isEmpty())
        return false;
    if (formatForFileName(path.toStdString()) != NetworkFormat::Dot)
        path += QStringLiteral(".dot");
    const QString error = writeNetworkFile(path, document(), NetworkFormat::Dot);
    if (!error.isEmpty()) {
        refuse(error);
        return false;
    }
    return true;
}

bool OwnNetworkWindow::confirmClose()
{
    if (!isModified())
        return true;
    const QString name =
        m_fileName.isEmpty() ? QStringLiteral("Tanpa judul") : QFileInfo(m_fileName).fileName();
    const SaveAnswer answer = m_seams.askSave
                                  ? m_seams.askSave(this, kTitle,
                                                    QStringLiteral("Jaringan \"%1\" telah diubah.\n"
                                                                   "Simpan perubahannya?")
                                                        .arg(name))
                                  : SaveAnswer::Cancel;
    switch (answer) {
    case SaveAnswer::Save:
        return save();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

void OwnNetworkWindow::showEvent(QShowEvent* event)
{
    LessonWindow::showEvent(event);
    if (std::exchange(m_fitted, true))
        return;
    // A window opened from the command line is shown before the frame has laid out its document
    // area; its size is known one turn of the event loop later.
    QTimer::singleShot(0, this, &OwnNetworkWindow::fitIntoArea);
}

void OwnNetworkWindow::setBuildExercise(bool on)
{
    m_buildOn = on;
    {
        const QSignalBlocker quiet(m_buildAction);
        m_buildAction->setChecked(on);
    }
    m_buildCheck->setVisible(on);
    for (QAction* action : std::as_const(m_buildSummaryActions)) {
        action->setVisible(on);
        action->setEnabled(on);
    }
    if (on)
        checkBuiltNetwork();
}

QString OwnNetworkWindow::buildSummary() const
{
    if (!m_buildOn)
        return {};
    const LessonNetwork lesson = lessonNetwork();
    // A fixed form of the date, the same in every language, as the exercises' summaries write it.
    const ExerciseAuthor author{
        studentName().toStdString(),
        m_seams.dateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString()};
    return toQString(trayeko::buildExerciseSummary(lesson.network, lesson.start,
                                                   m_title->text().toStdString(), author,
                                                   regionalDecimalSeparator()));
}

bool OwnNetworkWindow::saveBuildSummary()
{
    const QString text = buildSummary();
    return !text.isEmpty() &&
           saveSummary(*m_classroom, {text, m_editor, QStringLiteral("latihan-buat-jaringan.pdf"),
                                      kBuildSummaryTitle, true});
}

void OwnNetworkWindow::printBuildSummary()
{
    if (const QString text = buildSummary(); !text.isEmpty())
        printSummary(*m_classroom, {text, m_editor, {}, kBuildSummaryTitle});
}

void OwnNetworkWindow::checkBuiltNetwork()
{
    const LessonNetwork lesson = lessonNetwork();
    const BuildCheck check =
        checkDijkstraBreaker(lesson.network, lesson.start, regionalDecimalSeparator());
    m_buildCheck->setText(
        QStringLiteral("Latihan: ubah bobot atau gambar jalur sampai jarak menurut Dijkstra "
                       "berbeda dari Bellman\u2013Ford, tanpa siklus negatif.\n") +
        toQString(check.reason));
    m_buildCheck->setStyleSheet(check.qualifies ? QStringLiteral("color: #006000;")
                                                : QString());
    m_buildCheck->setAccessibleDescription(toQString(check.reason));
    // The verdict is what the student reads after every edit: the window grows to show it where
    // the document area has room, as it does for a run's lines.
    if (m_fitted)
        QTimer::singleShot(0, this, &OwnNetworkWindow::fitIntoArea);
}

void OwnNetworkWindow::fitIntoArea()
{
    QMdiArea* area = mdiArea();
    if (!area || isMaximized())
        return;
    const QSize room = area->viewport()->size();
    if (room.width() < 200 || room.height() < 200)
        return;
    // As large as the controls need where the area has room (the results of a run with negative
    // weights take more lines), never larger than the area: there the controls scroll.
    const QSize frame = size() - widget()->size();
    QSize needed = m_client->minimumSizeHint();
    // Wrapped lines (the warning, Bellman–Ford's and Floyd's sentences) need more height the
    // narrower the window.
    // Measured beside a vertical scroll bar: where a line wraps once more at that width, a window
    // sized for the full width would keep the scroll bar it grew to lose.
    if (m_client->hasHeightForWidth()) {
        const auto* scroller = static_cast<const QScrollArea*>(widget());
        const int width = scroller->width() - scroller->verticalScrollBar()->sizeHint().width();
        needed.setHeight(std::max(needed.height(), m_client->heightForWidth(width)));
    }
    resize(size().expandedTo(needed + frame).boundedTo(room));
    move(std::clamp(x(), 0, room.width() - width()), std::clamp(y(), 0, room.height() - height()));
}

void OwnNetworkWindow::closeEvent(QCloseEvent* event)
{
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    LessonWindow::closeEvent(event);
}

void OwnNetworkWindow::clearResult()
{
    DrawingModel& model = m_editor->model();
    model.clearResult();
    model.clearLayer(DrawingLayer::Result);
    m_total->clear();
    m_route->clear();
    m_floyd.clear();
    m_valueGrid->clear();
    m_nodeGrid->clear();
    const QSignalBlocker quiet(m_iteration);
    m_iteration->clear();
    m_floydRoute->clear();
    m_warning->clear();
    m_warning->hide();
    m_bellmanFord->clear();
    m_compareTable->setRowCount(0);
    m_mistake->clear();
    m_comparePanel->hide();
    for (QAction* csv : m_csvActions)
        csv->setEnabled(false);
}

bool OwnNetworkWindow::acceptRun(const Network& network)
{
    if (network.nodeCount() == 0) {
        refuse(QStringLiteral("Jaringan ini belum mempunyai simpul. Klik pada gambar untuk "
                              "menambah simpul."));
        return false;
    }
    if (const int link = firstNonFiniteLink(network)) {
        const NetworkLink& l = network.link(link);
        refuse(QStringLiteral("Bobot jalur %1 ke %2 bukan bilangan terhingga. Perbaiki bobotnya "
                              "lalu proses lagi.")
                   .arg(nodeText(network, l.from), nodeText(network, l.to)));
        return false;
    }
    return true;
}

void OwnNetworkWindow::run()
{
    emit runStarting();
    const NetworkDocument shown = document();
    const Network& network = shown.network;
    const std::string separator = regionalDecimalSeparator();
    if (!acceptRun(network))
        return;
    clearResult();
    const int start = shown.start;
    const int end = shown.end > 0 ? shown.end : network.nodeCount();

    // Dijkstra from the start: the route to the end, every node's distance beside it.
    const ShortestPathTree tree = taughtDijkstra(network, start);
    const std::vector<int> route = routeTo(tree, end);
    StepMarks marks(network.nodeCount());
    for (int n = 1; n <= network.nodeCount(); ++n) {
        const double d = tree.distance[at(n)];
        marks.nodeTexts[at(n)] =
            std::isfinite(d) ? QStringLiteral("jarak ") + toQString(formatGeneral(d, separator))
                             : QStringLiteral("tidak terjangkau");
    }
    marks.fixedNodes[at(start)] = true;
    RouteLook look;
    if (route.size() >= 2)
        look.innerNodes.assign(route.begin() + 1, route.end() - 1);
    look.links = routeLinks(network, route);
    look.lineColor = routeColor();
    look.boxColor = routeColor();
    DrawingModel& model = m_editor->model();
    model.showResult(look);
    if (route.empty()) {
        m_total->setText(toQString(totalCaption(std::nullopt, separator)));
        m_route->setText(QStringLiteral("Simpul %1 tidak terjangkau dari simpul %2.")
                             .arg(nodeText(network, end), nodeText(network, start)));
        look.description = m_route->text();
    } else {
        m_total->setText(toQString(totalCaption(tree.distance[at(end)], separator)));
        m_route->setText(QStringLiteral("Rute terpendek (Dijkstra): ") + routeText(network, route));
        look.description = m_route->text();
    }
    // Bellman–Ford beside it: the true distance, or the negative cycle that leaves none. The
    // cycle takes the drawing's top, and no node shows a distance there.
    const BellmanFordResult bf = bellmanFord(network, start);
    if (hasNegativeWeight(network)) {
        m_warning->setText(kNegativeWarning);
        m_warning->show();
    }
    const QString bfName = QStringLiteral("Bellman\u2013Ford: ");
    if (bf.negativeCycle) {
        const QString cycle =
            toQString(negativeCycleText(network, *bf.negativeCycle, separator));
        m_bellmanFord->setText(bfName + cycle +
                               QStringLiteral(". Tidak ada jarak terpendek: siklus ini dapat "
                                              "dilalui berulang kali."));
        RouteLook cycleLook;
        cycleLook.innerNodes = bf.negativeCycle->nodes;
        cycleLook.links = bf.negativeCycle->links;
        cycleLook.lineColor = cycleColor();
        cycleLook.boxColor = cycleColor();
        cycleLook.description = cycle;
        StepMarks cycleMarks(network.nodeCount());
        for (const int node : bf.negativeCycle->nodes)
            cycleMarks.nodeTexts[at(node)] = QStringLiteral("siklus negatif");
        cycleMarks.improvedLinks = bf.negativeCycle->links;
        model.setLayer(DrawingLayer::Result, cycleLook, cycleMarks);
    } else {
        const std::vector<int> bfRoute = bellmanFordRoute(bf, end);
        m_bellmanFord->setText(
            bfRoute.empty()
                ? bfName + QStringLiteral("simpul %1 tidak terjangkau dari simpul %2.")
                               .arg(nodeText(network, end), nodeText(network, start))
                : bfName + QStringLiteral("total jarak = %1, rute %2")
                               .arg(toQString(formatGeneral(bf.distance[at(end)], separator)),
                                    routeText(network, bfRoute)));
        model.setLayer(DrawingLayer::Result, look, marks);
    }

    // Floyd–Warshall: both matrices after each iteration, and the route they give.
    m_floyd = floydIterations(network);
    m_valueGrid->setMatrices(m_floyd, separator);
    m_nodeGrid->setMatrices(m_floyd, separator);
    {
        const QSignalBlocker quiet(m_iteration);
        m_iteration->addItem(QStringLiteral("Awal"));
        for (int k = 1; k <= network.nodeCount(); ++k)
            m_iteration->addItem(QStringLiteral("Iterasi %1").arg(k));
        m_iteration->setCurrentIndex(network.nodeCount());
    }
    fitGrid(m_values, m_valueGrid);
    fitGrid(m_nodes, m_nodeGrid);
    const PathMatrix& last = m_floyd.back();
    // A negative diagonal entry is a negative cycle; through it from the start to the end no
    // distance is the shortest, whatever the matrix holds.
    bool cycleOnTheWay = false;
    for (int k = 1; k <= network.nodeCount(); ++k) {
        const std::optional<double> round = last.value(k, k);
        cycleOnTheWay = cycleOnTheWay || (round && *round < 0 && last.value(start, k) &&
                                          last.value(k, end));
    }
    const std::vector<int> floydPath = floydRoute(network, last, start, end);
    m_floydRoute->setText(
        cycleOnTheWay
            ? QStringLiteral("Floyd: diagonal matriks nilai negatif, ada siklus negatif antara "
                             "simpul %1 dan simpul %2; tidak ada jarak terpendek.")
                  .arg(nodeText(network, start), nodeText(network, end))
        : floydPath.empty()
            ? QStringLiteral("Floyd: simpul %1 tidak terjangkau dari simpul %2.")
                  .arg(nodeText(network, end), nodeText(network, start))
            : QStringLiteral("Rute Floyd: %1, jarak %2")
                  .arg(routeText(network, floydPath),
                       toQString(distanceText(m_floyd.back().value(start, end), separator))));
    for (QAction* csv : m_csvActions)
        csv->setEnabled(true);
    // A warning and Bellman–Ford's lines may need more room than the window had.
    if (m_fitted)
        QTimer::singleShot(0, this, &OwnNetworkWindow::fitIntoArea);
    emit runFinished();
}

bool OwnNetworkWindow::compareWithBellmanFord()
{
    if (m_exercise && m_exercise->isActive())
        return false;
    const NetworkDocument shown = document();
    const Network& network = shown.network;
    if (!acceptRun(network))
        return false;
    const std::string separator = regionalDecimalSeparator();
    const ShortestPathTree tree = taughtDijkstra(network, shown.start);
    const BellmanFordResult bf = bellmanFord(network, shown.start);
    QFont bold = m_compareTable->font();
    bold.setBold(true);
    m_compareTable->setRowCount(network.nodeCount());
    for (int n = 1; n <= network.nodeCount(); ++n) {
        const double dijkstraDistance = tree.distance[at(n)];
        const double trueDistance = bf.distance[at(n)];
        // Where a negative cycle is reached no distance is true: none is said to differ.
        const bool differs = !bf.negativeCycle && distancesDiffer(dijkstraDistance, trueDistance);
        const QString cells[] = {
            nodeText(network, n), distanceCell(dijkstraDistance, separator),
            bf.negativeCycle ? QStringLiteral("\u2014") : distanceCell(trueDistance, separator),
            differs ? QStringLiteral("berbeda") : QString()};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (differs) {
                item->setFont(bold);
                item->setBackground(QColor(255, 220, 220));
            }
            m_compareTable->setItem(n - 1, column, item);
        }
    }
    if (bf.negativeCycle) {
        m_mistake->setText(toQString(negativeCycleText(network, *bf.negativeCycle, separator)) +
                           QStringLiteral(": Bellman\u2013Ford tidak memberi jarak yang benar."));
    } else if (const auto mistake = firstDijkstraMistake(network, shown.start)) {
        m_mistake->setText(toQString(dijkstraMistakeText(network, *mistake, separator)));
    } else {
        m_mistake->setText(QStringLiteral("Dijkstra dan Bellman\u2013Ford memberi jarak yang sama "
                                          "untuk setiap simpul."));
    }
    // The whole table in sight: the marks of the last column are what it is for.
    m_compareTable->resizeColumnsToContents();
    m_compareTable->setMinimumWidth(m_compareTable->horizontalHeader()->length() +
                                    2 * m_compareTable->frameWidth() +
                                    m_compareTable->verticalScrollBar()->sizeHint().width());
    m_comparePanel->show();
    return true;
}

void OwnNetworkWindow::showFloydIteration(int k)
{
    m_valueGrid->showIteration(k);
    m_nodeGrid->showIteration(k);
    fitGrid(m_values, m_valueGrid);
    fitGrid(m_nodes, m_nodeGrid);
}

} // namespace trayeko::ui
