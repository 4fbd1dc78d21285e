#pragma once

#include "core/clock.h"
#include "core/demonetwork.h"
#include "core/exercise.h"
#include "ui/drawing/lessonwindow.h"
#include "ui/export/classroomactions.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/seams.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QLineEdit;
class QPagedPaintDevice;
class QTableWidget;
class QWidget;
class QShortcut;

namespace trayeko::ui {

class DrawingWidget;

// The heading of the exercise keys in the help.
inline constexpr char kExerciseSection[] = "Latihan (Dijkstra dan Floyd)";

// Everything an exercise asks of its surroundings; tests answer without a dialog or the clock.
// Its summary is saved and printed through the window's ClassroomActions and their seams.
struct ExerciseSeams
{
    MessageBoxFn messageBox = criticalMessageBox();
    TextInputFn textInput = standardTextInput();
    std::function<int()> newSeed; // the seed of "Soal baru"; empty: a random one
    Clock clock = readClock;
    // The date and time a summary is made, for its heading.
    std::function<QDateTime()> dateTime = &QDateTime::currentDateTime;
};

// The student's name as typed in the exercise panel ("Nama siswa"): one for the whole program,
// shared by every window's exercise and the panel, kept until the program ends and never saved.
QString studentName();
void setStudentName(const QString& name);

// A summary on paper and in a PDF: @p drawing (the network with the exercise's weights in its
// boxes) across the top of the first page, the text of @p summary under it, broken between lines
// onto the pages it needs. Returns the number of pages, 0 where the device could not be started.
int paintSummaryPages(QPagedPaintDevice& device, QWidget* drawing, const QString& summary);

// What a summary is handed in as: the name of its file and its title in a PDF and a print job.
struct SummaryDocument
{
    QString text;
    QWidget* drawing = nullptr;
    QString proposedName;
    QString title;
    bool pdfFirst = false; // the file dialog offers PDF before plain text
};
// Saves the summary through @p classroom's file dialog, as plain text or as a PDF with the
// drawing on its first page; false where nothing was saved.
bool saveSummary(ClassroomActions& classroom, const SummaryDocument& summary);
// Prints it, the drawing across the top of its first page.
void printSummary(ClassroomActions& classroom, const SummaryDocument& summary);

// An exercise on a lesson window's drawing: the student predicts each step of the method on the
// window's network as it stands (lessonNetwork()), the core grades it, and the drawing shows only
// the steps answered so far (a layer of its own and its own marks, taken away on leaving).
// "Latihan" (F9) starts one on the weights as they are; "Soal baru" fills random whole weights and
// shows their code, "Buka soal..." reads a code and fills its weights, so a class works one
// network; "Bobot awal" puts the default weights back. Esc leaves; editing a weight or starting a
// run does too. The lesson panel shows the questions (ExercisePanel) and under them the page each
// method builds for its answers; DijkstraExercise and FloydExercise ask them. The summary goes out
// through the window's classroom actions: the same file dialog, last folder and printing as its
// pictures.
class Exercise : public QObject
{
    Q_OBJECT

public:
    // The frames of the method on a network, one per question, as step mode shows them; empty:
    // the method's lesson on any network (lessonFrames).
    using Frames = std::function<std::vector<StepFrame>(const LessonNetwork&)>;
    // Whether the method accepts the network's weights; where not, it has told the student why.
    // Empty: the method's check on any network (acceptLesson), told through the seams' message
    // box.
    using Accept = std::function<bool(const LessonNetwork&)>;

    // "Latihan", "Soal baru", "Buka soal..." and "Bobot awal", in this order.
    QList<QAction*> actions() const { return m_actions; }
    void setSeams(ExerciseSeams seams) { m_seams = std::move(seams); }

    // Whether the texts name the Floyd method (the score, the summary, its file name).
    virtual bool isFloyd() const = 0;
    // The method for the score's units, the summary's heading and its file name.
    virtual ExerciseMethod method() const
    {
        return isFloyd() ? ExerciseMethod::Floyd : ExerciseMethod::Dijkstra;
    }
    bool isActive() const { return m_active; }
    bool isFinished() const { return m_finished; }
    int question() const { return m_question; } // 0-based
    int questionCount() const { return int(m_frames.size()); }

    // What the panel shows: the code the weights came from ("4821-7", empty for the student's own
    // weights), the current question, the score so far, the feedback on the last answer, and at
    // the end the summary to hand in.
    QString code() const { return m_code; }
    virtual QString questionText() const = 0;
    QString scoreText() const;
    QString feedback() const { return m_feedback; }
    // The summary names the student as studentName() is now, so a name typed after the end
    // still reaches the page handed in.
    QString summary() const;

    void enter();
    void leave();
    void newExercise();
    void openExercise();
    void restoreDefaultWeights();

    void copySummary() const;
    void saveSummary();
    void printSummary();

    // The page the student answers on, for the panel to place under the question; it follows
    // the exercise by itself and its owner deletes it. The hooks below act on the page made
    // last. @p checkAnswer is what the panel's "Periksa" does, for keys on the page to call.
    virtual QWidget* makeAnswerPage(QWidget* parent, std::function<void()> checkAnswer) = 0;
    // The focus to the field the student answers in next.
    virtual void focusAnswerPage() = 0;
    // The page brought up to date after changed().
    virtual void refreshAnswerPage() {}
    // The caption of the panel's check button now.
    virtual QString checkCaption() const;
    // Grades what the page holds, or goes on after a graded answer, and leaves the focus where
    // the student goes on. A cell being typed in is handed over when the focus leaves it: the
    // page may rest the focus on @p checkButton while it reads. Returns what a screen reader is
    // told before the question that follows.
    virtual QString checkAnswerPage(QWidget* checkButton) = 0;

signals:
    void entered();
    void left();
    // The question, the score or the feedback has changed.
    void changed();
    void finished();

protected:
    // @p classroom saves and prints the summary; none keeps it on the screen.
    Exercise(LessonWindow* window, StepMode* steps, ClassroomActions* classroom, Frames frames,
             Accept accept);

    // Starts the questions on m_lesson; m_frames is filled.
    virtual void begin() = 0;

    DrawingWidget* view() const { return m_view; }
    const ExerciseSeams& seams() const { return m_seams; }
    LessonWindow* lessonWindow() const { return m_window; }
    // How texts name the start node of the network worked on (of the window's, before a start).
    QString startLabel() const;
    // The marks earned so far: those of frame @p frame (none for -1), with @p pivot ringed.
    void showEarned(int frame, int pivot = 0);
    void setFeedback(const QString& text);
    // On to the next question, or to the summary after the last; the caller announces changed().
    void advance();

    LessonNetwork m_lesson;
    std::string m_separator;
    std::vector<StepFrame> m_frames;
    ExerciseScore m_score;
    int m_question = 0;

private:
    void start(std::optional<int> seed);
    // The weights of exercise @p seed into the boxes, and the exercise on them.
    void startFromCode(int seed);
    void finish();
    QString proposedFileName() const;

    LessonWindow* m_window;
    DrawingWidget* m_view;
    QPointer<ClassroomActions> m_classroom;
    Frames m_makeFrames;
    Accept m_accept;
    ExerciseSeams m_seams;
    QList<QAction*> m_actions;
    QShortcut* m_escape = nullptr;
    QPointer<QWidget> m_savedFocus;
    QString m_code;
    QString m_feedback;
    QString m_summaryBody; // the score, the time and the mistakes; empty until the end
    QString m_finishedAt;
    ClockReading m_started;
    bool m_active = false;
    bool m_finished = false;
};

// Dijkstra: for each step, which node the method fixes next and its distance. A wrong answer gets
// its reason and a second try; after that the answer is shown and the exercise goes on. An answer
// that is no answer ("", "abc", "99") gets its reason and costs no try.
class DijkstraExercise final : public Exercise
{
    Q_OBJECT

public:
    DijkstraExercise(LessonWindow* window, StepMode* steps, ClassroomActions* classroom,
                     Frames frames = {}, Accept accept = {});

    bool isFloyd() const override { return false; }
    QString questionText() const override;

    // The node and its distance ("Simpul", "Jarak"); Enter in the node goes on to the distance,
    // Enter in the distance answers, a node clicked on the drawing fills the node.
    QWidget* makeAnswerPage(QWidget* parent, std::function<void()> checkAnswer) override;
    void focusAnswerPage() override;
    void refreshAnswerPage() override;
    QString checkAnswerPage(QWidget* checkButton) override;

    void answer(const QString& node, const QString& distance);

signals:
    // The student clicked node @p node on the drawing: the answer's node.
    void nodePicked(int node);

protected:
    void begin() override;

private:
    std::vector<Grade> m_tries;
    QPointer<QLineEdit> m_nodeField;
    QPointer<QLineEdit> m_distanceField;
};

// An exercise answered a table at a time (Floyd's matrix, Bellman–Ford's distances): "Periksa"
// grades what the page's table holds and leaves the question standing as "Lanjut", which goes on
// to the next question. The table keeps the focus throughout.
class TableExercise : public Exercise
{
    Q_OBJECT

public:
    QString checkCaption() const override;
    QString checkAnswerPage(QWidget* checkButton) override;

    virtual bool isChecked() const = 0;
    virtual void next() = 0;

protected:
    using Exercise::Exercise;
    // Grades the table as it reads now.
    virtual void checkTable() = 0;

    QPointer<QTableWidget> m_table;
};

// Floyd: for each iteration k, the cells of the value matrix that change and their new values,
// typed over the matrix as it stands before the iteration. Graded cell by cell once; answers that
// are no numbers are pointed out first and cost nothing. After the grade, next() shows the right
// matrix and asks the next iteration.
class FloydExercise final : public TableExercise
{
    Q_OBJECT

public:
    FloydExercise(LessonWindow* window, StepMode* steps, ClassroomActions* classroom,
                  Frames frames = {}, Accept accept = {});

    bool isFloyd() const override { return true; }
    QString questionText() const override;

    // The value matrix to type over, cells graded in colour after "Periksa", which becomes
    // "Lanjut" until the next iteration.
    QWidget* makeAnswerPage(QWidget* parent, std::function<void()> checkAnswer) override;
    void focusAnswerPage() override;
    void refreshAnswerPage() override;

    // The value matrix before the current iteration, [row][column], as the student edits it.
    const std::vector<QStringList>& matrix() const { return m_matrix; }
    // The cells a student typed over: every cell of @p typed whose text is no number, or a
    // number other than the cell's value as the program shows it ("7.0" over 7 is no mark).
    std::vector<FloydMark> marksOf(const std::vector<QStringList>& typed) const;

    // Grades @p marks once per iteration; false where a mark was no answer and nothing was graded.
    bool check(const std::vector<FloydMark>& marks);
    bool isChecked() const override { return m_grade.has_value(); }
    const std::optional<FloydGrade>& grade() const { return m_grade; }
    void next() override;

protected:
    void begin() override;
    void checkTable() override;

private:
    static QString questionPrompt();
    void showQuestion();
    // The page's matrix filled with the current question's, and its grade in colour.
    void sizeTable();
    void fillTable();
    void showTableGrade();
    std::vector<QStringList> typedTable() const;

    std::vector<QStringList> m_matrix;
    // The values m_matrix shows, [row][column]; empty where no path is known.
    std::vector<std::vector<std::optional<double>>> m_values;
    std::optional<FloydGrade> m_grade;
    int m_tableQuestion = -1; // the question the page's matrix was filled for
};

// Bellman–Ford: for each pass, every node's distance after it, typed over the distances before
// it. Graded once per pass with its reasons; a distance that is no number is pointed out first
// and costs nothing. After the grade, next() shows the right distances and asks the next pass.
// Any finite weight is taken, negative ones too.
class BellmanFordExercise final : public TableExercise
{
    Q_OBJECT

public:
    BellmanFordExercise(LessonWindow* window, StepMode* steps, ClassroomActions* classroom);

    bool isFloyd() const override { return false; }
    ExerciseMethod method() const override { return ExerciseMethod::BellmanFord; }
    QString questionText() const override;

    // One row of distances, a column per node, graded in colour after "Periksa", which becomes
    // "Lanjut" until the next pass.
    QWidget* makeAnswerPage(QWidget* parent, std::function<void()> checkAnswer) override;
    void focusAnswerPage() override;
    void refreshAnswerPage() override;

    // The distances before the current pass, node 1 first, as the student edits them.
    const QStringList& distances() const { return m_distances; }
    // Grades @p typed (one text per node) once per pass; false where it was no answer.
    bool check(const QStringList& typed);
    bool isChecked() const override { return m_grade.has_value(); }
    const std::optional<Grade>& grade() const { return m_grade; }
    void next() override;

protected:
    void begin() override;
    void checkTable() override;

private:
    void showQuestion();
    void fillTable();

    QStringList m_distances;
    QStringList m_right;  // the distances after the current pass
    QStringList m_graded; // what was graded for it
    std::optional<Grade> m_grade;
};

} // namespace trayeko::ui
