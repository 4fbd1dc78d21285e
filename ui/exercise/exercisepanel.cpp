#include "ui/exercise/exercisepanel.h"

#include "core/demonetwork.h"
#include "ui/exercise/exercise.h"
#include "ui/stepping/paneltext.h"
#include "ui/support/keyregistry.h"
#include "ui/support/utf8.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

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

// The keys of the panel, after the window's in the help.
constexpr KeyRow kCheckKey{Qt::CTRL | Qt::Key_Return, nullptr,
                           "Periksa, lalu Lanjut (Floyd), di panel Pelajaran"};
constexpr KeyRow kPanelKeys[] = {
    {{}, "Enter di kolom Simpul / Jarak", "pindah ke Jarak / menjawab langkah (Dijkstra)"},
    kCheckKey,
    {{}, "Esc, tombol Keluar (Esc) di panel Pelajaran", "keluar dari latihan"},
};
const KeyListing kPanelKeysListed(keyplace::kExercise + 10, kExerciseSection, kPanelKeys);

QPushButton* makeButton(QWidget* parent, QLayout* layout, const char* objectName,
                        const QString& text, const QString& accessibleDescription)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAccessibleDescription(accessibleDescription);
    button->setToolTip(accessibleDescription);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

QLineEdit* makeField(QWidget* parent, QHBoxLayout* row, const QString& caption,
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

} // namespace

ExercisePanel::ExercisePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("exercisePanel"));
    setAccessibleName(QStringLiteral("Latihan"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    // Typed once: the name stays for every exercise until the program ends.
    auto* studentRow = new QHBoxLayout;
    m_student = makeField(this, studentRow, QStringLiteral("Nama siswa:"), "exerciseStudent",
                          QStringLiteral("Nama siswa untuk ringkasan latihan (boleh kosong)"));
    m_student->setText(studentName());
    layout->addLayout(studentRow);
    connect(m_student, &QLineEdit::textEdited, this, [this](const QString& name) {
        setStudentName(name);
        if (m_exercise && m_exercise->isActive() && m_exercise->isFinished())
            m_summary->setPlainText(m_exercise->summary());
    });

    m_code = wrappedLabel(this, QStringLiteral("exerciseCode"), QStringLiteral("Kode soal"));
    QFont bold = m_code->font();
    bold.setBold(true);
    m_code->setFont(bold);
    layout->addWidget(m_code);
    m_question =
        wrappedLabel(this, QStringLiteral("exerciseQuestion"), QStringLiteral("Pertanyaan"));
    layout->addWidget(m_question);

    m_dijkstraAnswer = new QWidget(this);
    auto* fields = new QHBoxLayout(m_dijkstraAnswer);
    fields->setContentsMargins(0, 0, 0, 0);
    m_node = makeField(m_dijkstraAnswer, fields, QStringLiteral("Simpul:"), "exerciseNode",
                       QStringLiteral("Simpul yang ditetapkan (atau klik simpulnya di gambar)"));
    m_distance = makeField(m_dijkstraAnswer, fields, QStringLiteral("Jarak:"), "exerciseDistance",
                           QStringLiteral("Jarak simpul itu dari simpul 1"));
    layout->addWidget(m_dijkstraAnswer);
    // Enter in the node field goes on to the distance; Enter in the distance answers.
    connect(m_node, &QLineEdit::returnPressed, m_distance, [this] {
        m_distance->setFocus(Qt::TabFocusReason);
        m_distance->selectAll();
    });
    connect(m_distance, &QLineEdit::returnPressed, this, &ExercisePanel::check);

    m_matrix = new QTableWidget(kNodeCount, kNodeCount, this);
    m_matrix->setObjectName(QStringLiteral("exerciseMatrix"));
    m_matrix->setAccessibleName(QStringLiteral("Matriks nilai sebelum iterasi; ketik nilai baru "
                                               "di atas sel yang berubah"));
    m_matrix->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_matrix->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Typing over a cell replaces it, as in a spreadsheet; the arrow keys only move.
    m_matrix->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                              QAbstractItemView::EditKeyPressed);
    m_matrix->setTabKeyNavigation(false);
    m_matrix->setItemDelegate(new MatrixCellDelegate(m_matrix));
    QStringList numbers;
    for (int n = 1; n <= kNodeCount; ++n)
        numbers << QString::number(n);
    m_matrix->setHorizontalHeaderLabels(numbers);
    m_matrix->setVerticalHeaderLabels(numbers);
    layout->addWidget(m_matrix);

    auto* checkRow = new QHBoxLayout;
    m_check = makeButton(
        this, checkRow, "exerciseCheck", QStringLiteral("Periksa"),
        QStringLiteral("Menilai jawaban (Enter di kolom jarak, Ctrl+Enter di mana saja)"));
    checkRow->addStretch();
    layout->addLayout(checkRow);
    connect(m_check, &QPushButton::clicked, this, &ExercisePanel::check);

    m_feedback =
        wrappedLabel(this, QStringLiteral("exerciseFeedback"), QStringLiteral("Umpan balik"));
    layout->addWidget(m_feedback);
    m_score = wrappedLabel(this, QStringLiteral("exerciseScore"), QStringLiteral("Skor"));
    layout->addWidget(m_score);
    m_announcer = new Announcer(this);

    m_summary = new QPlainTextEdit(this);
    m_summary->setObjectName(QStringLiteral("exerciseSummary"));
    m_summary->setAccessibleName(QStringLiteral("Ringkasan latihan"));
    m_summary->setReadOnly(true);
    m_summary->setTabChangesFocus(true);
    layout->addWidget(m_summary, 100);
    m_summaryButtons = new QWidget(this);
    auto* summaryRow = new QHBoxLayout(m_summaryButtons);
    summaryRow->setContentsMargins(0, 0, 0, 0);
    connect(makeButton(m_summaryButtons, summaryRow, "exerciseCopy", QStringLiteral("Salin"),
                       QStringLiteral("Menyalin ringkasan ke papan klip")),
            &QPushButton::clicked, this, [this] { onExercise(&Exercise::copySummary); });
    connect(makeButton(m_summaryButtons, summaryRow, "exerciseSave", QStringLiteral("Simpan..."),
                       QStringLiteral("Menyimpan ringkasan sebagai teks atau PDF")),
            &QPushButton::clicked, this, [this] { onExercise(&Exercise::saveSummary); });
    connect(makeButton(m_summaryButtons, summaryRow, "exercisePrint", QStringLiteral("Cetak..."),
                       QStringLiteral("Mencetak ringkasan")),
            &QPushButton::clicked, this, [this] { onExercise(&Exercise::printSummary); });
    summaryRow->addStretch();
    layout->addWidget(m_summaryButtons);

    // What is left of the height stays below the answer, not between its lines.
    layout->addStretch(1);
    auto* exerciseRow = new QHBoxLayout;
    connect(makeButton(this, exerciseRow, "exerciseNew", QStringLiteral("Soal baru"),
                       QStringLiteral("Bobot acak dengan kode soal (Ctrl+Shift+N)")),
            &QPushButton::clicked, this, [this] { onExercise(&Exercise::newExercise); });
    connect(makeButton(this, exerciseRow, "exerciseOpen", QStringLiteral("Buka soal..."),
                       QStringLiteral("Mengisi bobot dari kode soal (Ctrl+Shift+O)")),
            &QPushButton::clicked, this, [this] { onExercise(&Exercise::openExercise); });
    exerciseRow->addStretch();
    connect(makeButton(this, exerciseRow, "exerciseClose", QStringLiteral("Keluar (Esc)"),
                       QStringLiteral("Mengakhiri latihan")),
            &QPushButton::clicked, this, [this] { onExercise(&Exercise::leave); });
    layout->addLayout(exerciseRow);

    // The panel answers Esc and the exercise keys as the window does, for a student typing here.
    new QShortcut(
        QKeySequence(Qt::Key_Escape), this, this, [this] { onExercise(&Exercise::leave); },
        Qt::WidgetWithChildrenShortcut);
    new QShortcut(QKeySequence(kCheckKey.key), this, this, &ExercisePanel::check,
                  Qt::WidgetWithChildrenShortcut);
    refresh();
}

template <class Call> void ExercisePanel::onExercise(Call call)
{
    if (m_exercise)
        (m_exercise.data()->*call)();
}

void ExercisePanel::follow(Exercise* exercise)
{
    if (exercise == m_exercise)
        return;
    m_connections.clear();
    m_exercise = exercise;
    if (exercise) {
        m_connections.follow({
            connect(exercise, &Exercise::changed, this, &ExercisePanel::refresh),
            connect(exercise, &Exercise::entered, this, &ExercisePanel::showMatrix),
            connect(exercise, &QObject::destroyed, this, [this] { follow(nullptr); }),
        });
        if (auto* dijkstra = qobject_cast<DijkstraExercise*>(exercise))
            m_connections.add(
                connect(dijkstra, &DijkstraExercise::nodePicked, this, [this](int node) {
                    m_node->setText(QString::number(node));
                    m_distance->setFocus(Qt::MouseFocusReason);
                    m_distance->selectAll();
                }));
    }
    showMatrix();
    refresh();
}

void ExercisePanel::focusAnswer()
{
    if (!m_exercise || m_exercise->isFinished())
        m_summary->setFocus(Qt::OtherFocusReason);
    else if (m_exercise->isFloyd())
        m_matrix->setFocus(Qt::OtherFocusReason);
    else
        m_node->setFocus(Qt::OtherFocusReason);
    if (m_exercise && m_exercise->isActive())
        announce(m_code->text());
}

QString ExercisePanel::announced() const
{
    return m_announcer->said();
}

void ExercisePanel::announce(const QString& first)
{
    Exercise* e = m_exercise;
    QStringList parts;
    if (!first.isEmpty())
        parts << first;
    parts << e->questionText();
    if (e->isFinished())
        parts << e->scoreText();
    // At a question's start the feedback is how to answer it (Dijkstra's first, each Floyd
    // iteration's): after the question.
    else if (!e->feedback().isEmpty() && e->feedback() != first)
        parts << e->feedback();
    m_announcer->say(parts.join(QLatin1Char(' ')));
}

void ExercisePanel::refresh()
{
    Exercise* e = m_exercise;
    const bool active = e && e->isActive();
    const bool finished = active && e->isFinished();
    const bool floyd = active && e->isFloyd();
    const QString code =
        active && !e->code().isEmpty() ? QStringLiteral("Kode soal: ") + e->code() : QString();
    m_code->setText(code);
    m_code->setVisible(!code.isEmpty());
    m_question->setText(active ? e->questionText() : QString());
    m_dijkstraAnswer->setVisible(active && !floyd && !finished);
    m_matrix->setVisible(floyd && !finished);
    m_check->setVisible(active && !finished);
    m_summary->setVisible(finished);
    m_summaryButtons->setVisible(finished);
    m_score->setText(active ? e->scoreText() : QString());
    if (m_student->text() != studentName())
        m_student->setText(studentName());

    // A screen reader hears the feedback from check(), once the focus has moved on.
    m_feedback->setText(active ? e->feedback() : QString());
    if (floyd) {
        auto* f = static_cast<FloydExercise*>(e);
        // Each question starts on its own matrix: no colour, typing or selection of the last.
        if (!finished && f->question() != m_matrixQuestion)
            showMatrix();
        m_check->setText(f->isChecked() ? QStringLiteral("Lanjut") : QStringLiteral("Periksa"));
        if (f->isChecked())
            showGrade();
    } else {
        m_check->setText(QStringLiteral("Periksa"));
    }
    if (finished) {
        m_summary->setPlainText(e->summary());
        m_summary->setFocus(Qt::OtherFocusReason);
    }
}

void ExercisePanel::showMatrix()
{
    auto* f = qobject_cast<FloydExercise*>(m_exercise.data());
    if (!f || !f->isActive() || f->isFinished())
        return;
    const std::vector<QStringList>& matrix = f->matrix();
    m_matrix->blockSignals(true);
    for (int r = 0; r < kNodeCount && r < int(matrix.size()); ++r)
        for (int c = 0; c < kNodeCount && c < int(matrix[size_t(r)].size()); ++c) {
            auto* item = new QTableWidgetItem(matrix[size_t(r)][c]);
            item->setTextAlignment(Qt::AlignCenter);
            item->setToolTip(QStringLiteral("d[%1][%2]").arg(r + 1).arg(c + 1));
            m_matrix->setItem(r, c, item);
        }
    m_matrix->blockSignals(false);
    m_matrixQuestion = f->question();
    m_matrix->clearSelection();
    m_matrix->setCurrentCell(0, 0, QItemSelectionModel::NoUpdate);
    // As tall as its seven rows, so that the feedback stands right under it.
    m_matrix->resizeRowsToContents();
    int height = m_matrix->horizontalHeader()->sizeHint().height() + 2 * m_matrix->frameWidth();
    for (int r = 0; r < kNodeCount; ++r)
        height += m_matrix->rowHeight(r);
    m_matrix->setFixedHeight(height);
}

void ExercisePanel::showGrade()
{
    auto* f = static_cast<FloydExercise*>(m_exercise.data());
    for (const CellGrade& c : f->grade()->cells) {
        QTableWidgetItem* item = m_matrix->item(c.from - 1, c.to - 1);
        if (!item)
            continue;
        const QColor colour = c.verdict == CellVerdict::Right    ? rightColour()
                              : c.verdict == CellVerdict::Missed ? missedColour()
                                                                 : wrongColour();
        item->setBackground(colour);
        item->setToolTip(toQString(c.reason));
        item->setData(Qt::AccessibleDescriptionRole, toQString(c.reason));
    }
}

std::vector<QStringList> ExercisePanel::typedMatrix() const
{
    std::vector<QStringList> typed(kNodeCount);
    for (int r = 0; r < kNodeCount; ++r)
        for (int c = 0; c < kNodeCount; ++c) {
            const QTableWidgetItem* item = m_matrix->item(r, c);
            typed[size_t(r)] << (item ? item->text() : QString());
        }
    return typed;
}

void ExercisePanel::check()
{
    Exercise* e = m_exercise;
    if (!e || !e->isActive() || e->isFinished())
        return;
    if (auto* f = qobject_cast<FloydExercise*>(e)) {
        const bool next = f->isChecked();
        if (next) {
            f->next();
        } else {
            // A cell still being typed in counts as typed: the editor hands its text over when
            // it loses the focus.
            m_check->setFocus(Qt::OtherFocusReason);
            f->check(f->marksOf(typedMatrix()));
        }
        if (!f->isFinished())
            m_matrix->setFocus(Qt::OtherFocusReason);
        // Graded: the cells' verdicts, the question standing until "Lanjut"; on: the next one.
        announce(next ? QString() : f->feedback());
        return;
    }
    auto* d = static_cast<DijkstraExercise*>(e);
    const int before = d->question();
    d->answer(m_node->text(), m_distance->text());
    if (d->question() != before) {
        m_node->clear();
        m_distance->clear();
    }
    if (!d->isFinished()) {
        m_node->setFocus(Qt::OtherFocusReason);
        m_node->selectAll();
    }
    announce(d->feedback());
}

} // namespace trayeko::ui
