// The pages each exercise builds for its answers in the lesson panel.

#include "ui/exercise/answerpages.h"

#include "core/numbertext.h"
#include "ui/exercise/exercise.h"
#include "ui/exercise/exercisepanel.h"
#include "ui/support/utf8.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace trayeko::ui {

namespace {

// A cell being typed in keeps the spreadsheet's arrow keys: Left and Right take what was typed
// and move to the next cell, as Up and Down already do, instead of moving the text cursor, which
// would put the next number into the same cell ("7" then "5" becoming "75").
class MatrixCellDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            auto* view = qobject_cast<QAbstractItemView*>(parent());
            if (view && key->modifiers() == Qt::NoModifier &&
                (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)) {
                // The view moves its current cell, which commits and closes this editor.
                QKeyEvent moved(QEvent::KeyPress, key->key(), Qt::NoModifier);
                QCoreApplication::sendEvent(view, &moved);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }
};

QString distanceFieldName(const QString& start)
{
    return QStringLiteral("Jarak simpul itu dari simpul %1").arg(start);
}

} // namespace

QLineEdit* addLabelledField(QWidget* parent, QHBoxLayout* row, const QString& caption,
                            const char* objectName, const QString& accessibleName)
{
    auto* label = new QLabel(caption, parent);
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setAccessibleName(accessibleName);
    label->setBuddy(field);
    row->addWidget(label);
    row->addWidget(field, 1);
    return field;
}

// --- Dijkstra --------------------------------------------------------------------------------

QWidget* DijkstraExercise::makeAnswerPage(QWidget* parent, std::function<void()> checkAnswer)
{
    auto* page = new QWidget(parent);
    auto* fields = new QHBoxLayout(page);
    fields->setContentsMargins(0, 0, 0, 0);
    QLineEdit* node =
        addLabelledField(page, fields, QStringLiteral("Simpul:"), "exerciseNode",
                         QStringLiteral("Simpul yang ditetapkan (atau klik simpulnya di gambar)"));
    QLineEdit* distance = addLabelledField(page, fields, QStringLiteral("Jarak:"),
                                           "exerciseDistance", distanceFieldName(startLabel()));
    m_nodeField = node;
    m_distanceField = distance;
    // Enter in the node field goes on to the distance; Enter in the distance answers.
    connect(node, &QLineEdit::returnPressed, distance, [distance] {
        distance->setFocus(Qt::TabFocusReason);
        distance->selectAll();
    });
    connect(distance, &QLineEdit::returnPressed, page, std::move(checkAnswer));
    connect(this, &DijkstraExercise::nodePicked, page, [node, distance](int picked) {
        node->setText(QString::number(picked));
        distance->setFocus(Qt::MouseFocusReason);
        distance->selectAll();
    });
    return page;
}

void DijkstraExercise::refreshAnswerPage()
{
    // The network's start may have changed since the page was made.
    if (m_distanceField)
        m_distanceField->setAccessibleName(distanceFieldName(startLabel()));
}

void DijkstraExercise::focusAnswerPage()
{
    if (m_nodeField)
        m_nodeField->setFocus(Qt::OtherFocusReason);
}

QString DijkstraExercise::checkAnswerPage(QWidget*)
{
    if (!m_nodeField || !m_distanceField)
        return {};
    const int before = question();
    answer(m_nodeField->text(), m_distanceField->text());
    // The page may be gone with the panel while the answer was announced.
    if (!m_nodeField || !m_distanceField)
        return feedback();
    if (question() != before) {
        m_nodeField->clear();
        m_distanceField->clear();
    }
    if (!isFinished()) {
        m_nodeField->setFocus(Qt::OtherFocusReason);
        m_nodeField->selectAll();
    }
    return feedback();
}

// --- Floyd -----------------------------------------------------------------------------------

QWidget* FloydExercise::makeAnswerPage(QWidget* parent, std::function<void()>)
{
    auto* table = new QTableWidget(parent);
    table->setObjectName(QStringLiteral("exerciseMatrix"));
    table->setAccessibleName(QStringLiteral("Matriks nilai sebelum iterasi; ketik nilai baru "
                                            "di atas sel yang berubah"));
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Typing over a cell replaces it, as in a spreadsheet; the arrow keys only move.
    table->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    table->setTabKeyNavigation(false);
    table->setItemDelegate(new MatrixCellDelegate(table));
    m_table = table;
    sizeTable();
    m_tableQuestion = -1;
    connect(this, &Exercise::entered, table, [this] { fillTable(); });
    fillTable();
    return table;
}

void FloydExercise::sizeTable()
{
    // One row and one column per node of the network worked on, numbered as the cells are named.
    // Before the first question, the network as the window shows it.
    const int count = m_matrix.empty() ? lessonWindow()->lessonNetwork().network.nodeCount()
                                       : int(m_matrix.size());
    if (!m_table || (m_table->rowCount() == count && m_table->columnCount() == count))
        return;
    m_table->setRowCount(count);
    m_table->setColumnCount(count);
    QStringList numbers;
    for (int n = 1; n <= count; ++n)
        numbers << QString::number(n);
    m_table->setHorizontalHeaderLabels(numbers);
    m_table->setVerticalHeaderLabels(numbers);
}

void FloydExercise::fillTable()
{
    if (!m_table || !isActive() || isFinished())
        return;
    QTableWidget* table = m_table;
    table->blockSignals(true);
    sizeTable();
    const int count = table->rowCount();
    for (int r = 0; r < count && r < int(m_matrix.size()); ++r)
        for (int c = 0; c < count && c < int(m_matrix[size_t(r)].size()); ++c) {
            auto* item = new QTableWidgetItem(m_matrix[size_t(r)][c]);
            item->setTextAlignment(Qt::AlignCenter);
            item->setToolTip(QStringLiteral("d[%1][%2]").arg(r + 1).arg(c + 1));
            table->setItem(r, c, item);
        }
    table->blockSignals(false);
    m_tableQuestion = question();
    table->clearSelection();
    table->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    // As tall as its rows, so that the feedback stands right under it.
    table->resizeRowsToContents();
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth();
    for (int r = 0; r < count; ++r)
        height += table->rowHeight(r);
    table->setFixedHeight(height);
}

void FloydExercise::showTableGrade()
{
    if (!m_table || !m_grade)
        return;
    for (const CellGrade& c : m_grade->cells) {
        QTableWidgetItem* item = m_table->item(c.from - 1, c.to - 1);
        if (!item)
            continue;
        const QColor colour = c.verdict == CellVerdict::Right    ? ExercisePanel::rightColour()
                              : c.verdict == CellVerdict::Missed ? ExercisePanel::missedColour()
                                                                 : ExercisePanel::wrongColour();
        item->setBackground(colour);
        item->setToolTip(toQString(c.reason));
        item->setData(Qt::AccessibleDescriptionRole, toQString(c.reason));
    }
}

std::vector<QStringList> FloydExercise::typedTable() const
{
    const int count = m_table ? m_table->rowCount() : 0;
    std::vector<QStringList> typed(static_cast<size_t>(count));
    for (int r = 0; r < count; ++r)
        for (int c = 0; c < count; ++c) {
            const QTableWidgetItem* item = m_table ? m_table->item(r, c) : nullptr;
            typed[size_t(r)] << (item ? item->text() : QString());
        }
    return typed;
}

void FloydExercise::focusAnswerPage()
{
    if (m_table)
        m_table->setFocus(Qt::OtherFocusReason);
}

void FloydExercise::refreshAnswerPage()
{
    // Each question starts on its own matrix: no colour, typing or selection of the last.
    if (!isFinished() && question() != m_tableQuestion)
        fillTable();
    if (isChecked())
        showTableGrade();
}

void FloydExercise::checkTable()
{
    check(marksOf(typedTable()));
}

// --- Answered a table at a time --------------------------------------------------------------

QString TableExercise::checkCaption() const
{
    return isChecked() ? QStringLiteral("Lanjut") : Exercise::checkCaption();
}

QString TableExercise::checkAnswerPage(QWidget* checkButton)
{
    const bool goOn = isChecked();
    if (goOn) {
        next();
    } else {
        // A cell still being typed in counts as typed: the editor hands its text over when it
        // loses the focus.
        if (checkButton)
            checkButton->setFocus(Qt::OtherFocusReason);
        checkTable();
    }
    if (!isFinished() && m_table)
        m_table->setFocus(Qt::OtherFocusReason);
    // Graded: the cells' verdicts, the question standing until "Lanjut"; on: the next one.
    return goOn ? QString() : feedback();
}

// --- Bellman–Ford ----------------------------------------------------------------------------

QWidget* BellmanFordExercise::makeAnswerPage(QWidget* parent, std::function<void()>)
{
    auto* table = new QTableWidget(1, 0, parent);
    table->setObjectName(QStringLiteral("exerciseDistances"));
    table->setAccessibleName(QStringLiteral("Jarak setiap simpul sebelum putaran; ketik jaraknya "
                                            "sesudah putaran"));
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    table->setTabKeyNavigation(false);
    table->setItemDelegate(new MatrixCellDelegate(table));
    m_table = table;
    connect(this, &Exercise::entered, table, [this] { fillTable(); });
    fillTable();
    return table;
}

void BellmanFordExercise::fillTable()
{
    if (!m_table || !isActive() || isFinished())
        return;
    QTableWidget* table = m_table;
    table->blockSignals(true);
    const int count = int(m_distances.size());
    table->setColumnCount(count);
    QStringList labels;
    for (int n = 1; n <= count; ++n)
        labels << toQString(m_lesson.network.nodeLabel(n));
    table->setHorizontalHeaderLabels(labels);
    for (int c = 0; c < count; ++c) {
        auto* item = new QTableWidgetItem(m_distances[c]);
        item->setTextAlignment(Qt::AlignCenter);
        item->setToolTip(QStringLiteral("d[%1]").arg(labels[c]));
        table->setItem(0, c, item);
    }
    table->blockSignals(false);
    table->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    table->resizeRowsToContents();
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() + table->rowHeight(0) +
                          2 * table->frameWidth());
}

void BellmanFordExercise::focusAnswerPage()
{
    if (m_table)
        m_table->setFocus(Qt::OtherFocusReason);
}

void BellmanFordExercise::refreshAnswerPage()
{
    if (!m_table || isFinished())
        return;
    if (!isChecked()) {
        // A new pass starts on the distances before it, without the colours of the last.
        bool fresh = m_table->columnCount() != m_distances.size();
        for (int c = 0; !fresh && c < m_table->columnCount(); ++c) {
            const QTableWidgetItem* item = m_table->item(0, c);
            fresh = !item || item->background().style() != Qt::NoBrush;
        }
        if (fresh)
            fillTable();
        return;
    }
    // Graded: each node's cell in the colour of its verdict, the right distance as its tip.
    for (int c = 0; c < m_table->columnCount() && c < m_right.size(); ++c) {
        QTableWidgetItem* item = m_table->item(0, c);
        if (!item)
            continue;
        // The cells show what was graded, however it was handed in.
        if (c < m_graded.size())
            item->setText(m_graded[c]);
        const TypedNumber read = readTypedNumber(item->text().trimmed().toStdString(), m_separator);
        const bool right = read.kind == TypedNumber::Kind::Number &&
                           toQString(formatGeneral(read.value, m_separator)) == m_right[c];
        item->setBackground(right ? ExercisePanel::rightColour() : ExercisePanel::wrongColour());
        const QString tip = QStringLiteral("Jarak sesudah putaran: %1").arg(m_right[c]);
        item->setToolTip(tip);
        item->setData(Qt::AccessibleDescriptionRole, tip);
    }
}

void BellmanFordExercise::checkTable()
{
    QStringList typed;
    for (int c = 0; m_table && c < m_table->columnCount(); ++c) {
        const QTableWidgetItem* item = m_table->item(0, c);
        typed << (item ? item->text() : QString());
    }
    check(typed);
}

} // namespace trayeko::ui
