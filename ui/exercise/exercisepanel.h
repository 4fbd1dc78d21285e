#pragma once

#include "ui/support/followed.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;

namespace trayeko::ui {

class Announcer;
class Exercise;

// The exercise as the lesson panel shows it: the student's name ("Nama siswa", typed once and
// shared by every exercise, see studentName()), the code of the exercise, the question, the page
// the exercise builds for its answers (Exercise::makeAnswerPage), "Periksa",
// the feedback (announced to assistive technology), the score, and at the end the summary with
// "Salin", "Simpan..." and "Cetak...". "Soal baru", "Buka soal..." and "Keluar (Esc)" are always
// at hand. It follows one window's exercise at a time.
class ExercisePanel final : public QWidget
{
    Q_OBJECT

public:
    explicit ExercisePanel(QWidget* parent = nullptr);

    void follow(Exercise* exercise);
    Exercise* followed() const { return m_exercise; }

    // The field the student answers in next, and a screen reader told the question.
    void focusAnswer();

    // What a screen reader was told last: the question when it is asked, after each answer the
    // feedback and then the question that follows or the end with the score.
    QString announced() const;

    // The colours of graded cells, also named in the guides.
    static QColor rightColour() { return {176, 240, 176}; }
    static QColor wrongColour() { return {255, 176, 176}; }
    static QColor missedColour() { return {255, 224, 128}; }

private:
    void refresh();
    void check();
    // Tells a screen reader @p first and then what the exercise asks next (the question, or the
    // end with the score), once the focus has gone where the student goes on.
    void announce(const QString& first);
    template <class Call> void onExercise(Call call);

    QPointer<Exercise> m_exercise;
    FollowedConnections m_connections;
    QLineEdit* m_student = nullptr;
    QLabel* m_code = nullptr;
    QLabel* m_question = nullptr;
    QVBoxLayout* m_answerSlot = nullptr;
    QPointer<QWidget> m_answerPage; // the followed exercise's, made for this panel
    QPushButton* m_check = nullptr;
    QLabel* m_feedback = nullptr;
    QLabel* m_score = nullptr;
    QPlainTextEdit* m_summary = nullptr;
    QWidget* m_summaryButtons = nullptr;
    Announcer* m_announcer = nullptr;
};

} // namespace trayeko::ui
