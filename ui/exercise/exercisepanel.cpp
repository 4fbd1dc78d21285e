#include "ui/exercise/exercisepanel.h"

#include "ui/exercise/answerpages.h"
#include "ui/exercise/exercise.h"
#include "ui/stepping/paneltext.h"
#include "ui/support/keyregistry.h"
#include "ui/support/utf8.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <utility>

namespace trayeko::ui {

namespace {

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

} // namespace

ExercisePanel::ExercisePanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("exercisePanel"));
    setAccessibleName(QStringLiteral("Latihan"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    // Typed once: the name stays for every exercise until the program ends.
    auto* studentRow = new QHBoxLayout;
    m_student =
        addLabelledField(this, studentRow, QStringLiteral("Nama siswa:"), "exerciseStudent",
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

    // The page of the exercise followed, which builds it for its method.
    m_answerSlot = new QVBoxLayout;
    m_answerSlot->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(m_answerSlot);

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
    delete m_answerPage.data();
    m_exercise = exercise;
    if (exercise) {
        m_connections.follow({
            connect(exercise, &Exercise::changed, this, &ExercisePanel::refresh),
            connect(exercise, &QObject::destroyed, this, [this] { follow(nullptr); }),
        });
        m_answerPage = exercise->makeAnswerPage(this, [this] { check(); });
        m_answerSlot->addWidget(m_answerPage);
        // Tab reaches the page's fields between the student's name and "Periksa", as the page
        // stands on the screen, not after "Keluar (Esc)" where a page made last would be.
        QList<QWidget*> stops;
        for (QWidget* w = m_answerPage->nextInFocusChain(); w != m_answerPage;
             w = w->nextInFocusChain())
            if (m_answerPage->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus))
                stops << w;
        if (m_answerPage->focusPolicy() & Qt::TabFocus)
            stops.prepend(m_answerPage);
        QWidget* before = m_student;
        for (QWidget* stop : stops)
            setTabOrder(std::exchange(before, stop), stop);
    }
    refresh();
}

void ExercisePanel::focusAnswer()
{
    if (!m_exercise || m_exercise->isFinished())
        m_summary->setFocus(Qt::OtherFocusReason);
    else
        m_exercise->focusAnswerPage();
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
    const QString code =
        active && !e->code().isEmpty() ? QStringLiteral("Kode soal: ") + e->code() : QString();
    m_code->setText(code);
    m_code->setVisible(!code.isEmpty());
    m_question->setText(active ? e->questionText() : QString());
    if (m_answerPage)
        m_answerPage->setVisible(active && !finished);
    m_check->setVisible(active && !finished);
    m_summary->setVisible(finished);
    m_summaryButtons->setVisible(finished);
    m_score->setText(active ? e->scoreText() : QString());
    if (m_student->text() != studentName())
        m_student->setText(studentName());

    // A screen reader hears the feedback from check(), once the focus has moved on.
    m_feedback->setText(active ? e->feedback() : QString());
    if (active)
        e->refreshAnswerPage();
    m_check->setText(active ? e->checkCaption() : QStringLiteral("Periksa"));
    if (finished) {
        m_summary->setPlainText(e->summary());
        m_summary->setFocus(Qt::OtherFocusReason);
    }
}

void ExercisePanel::check()
{
    Exercise* e = m_exercise;
    if (!e || !e->isActive() || e->isFinished())
        return;
    const QString first = e->checkAnswerPage(m_check);
    // The answer may have ended the exercise (a run elsewhere) or the panel's following of it.
    if (m_exercise == e && e->isActive())
        announce(first);
}

} // namespace trayeko::ui
