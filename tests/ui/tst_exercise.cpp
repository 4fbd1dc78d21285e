#include "core/exercisecode.h"
#include "core/numbertext.h"
#include "core/steps.h"
#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/exercise/exercise.h"
#include "ui/exercise/exercisepanel.h"
#include "ui/floyd/floydwindow.h"
#include "ui/stepping/lessondock.h"
#include "ui/stepping/paneltext.h"
#include "unreadlabels.h"
#include "windowhost.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QMainWindow>
#include <QPrinter>
#include <QRegularExpression>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>
#include <algorithm>

using namespace trayeko;
using namespace trayeko::ui;

namespace {

// A window with its exercise answered through the seams and the panel beside it.
template <typename Window> struct Host : WindowHost<Window>
{
    using WindowHost<Window>::w;
    Host() : WindowHost<Window>({1200, 800})
    {
        ExerciseSeams seams;
        seams.messageBox = [this](QWidget*, const QString&, const QString& text) {
            messages << text;
        };
        seams.textInput = [this](QWidget*, const QString&, const QString&) { return typed; };
        seams.newSeed = [] { return 4821; };
        seams.clock = [this] { return ClockReading{clock}; };
        w->exercise()->setSeams(seams);
        // The summary leaves through the window's classroom actions, as its pictures do.
        ClassroomSeams files;
        files.saveFileName = [this](QWidget*, const QString&, const QString& name, const QString&,
                                    QString* filter) {
            proposed << name;
            if (filter)
                *filter = chosenFilter;
            return saveAs;
        };
        files.messageBox = seams.messageBox;
        files.printPreview = [this](QWidget*, const PrintRequest& request) {
            QPrinter printer;
            printer.setOutputFileName(dir.filePath("printed.pdf"));
            printed = request.print(printer, false);
        };
        classroom()->setSeams(files);
        panel.follow(w->exercise());
        panel.show();
        this->area.activateWindow();
    }
    Exercise* exercise() { return w->exercise(); }
    ClassroomActions* classroom() { return w->template findChild<ClassroomActions*>(); }
    template <typename T = QWidget> T* inPanel(const char* name)
    {
        return panel.findChild<T*>(name);
    }
    QString feedback() { return inPanel<QLabel>("exerciseFeedback")->text(); }

    ExercisePanel panel;
    QStringList messages;
    std::optional<QString> typed;
    std::int64_t clock = 0;
    QTemporaryDir dir;
    QString saveAs;
    QString chosenFilter;
    QStringList proposed; // what each file dialog proposed
    int printed = 0;
};

// What a run leaves in a window beyond everythingShown: the table's cursor and scrolling, the
// lines of the listings in sight with their selection, the timers (the total's blinking), the
// total's colour and the window's width (the detail panel open or closed).
QStringList resultsShown(NetworkWindow* w)
{
    QStringList s = everythingShown(w);
    for (auto* t : w->findChildren<QPlainTextEdit*>())
        s << QStringLiteral("%1:%2 %3-%4 %5")
                 .arg(t->objectName(), t->toPlainText())
                 .arg(t->textCursor().anchor())
                 .arg(t->textCursor().position())
                 .arg(t->verticalScrollBar()->value());
    for (auto* l : w->findChildren<QListWidget*>()) {
        int shown = 0;
        for (int row = 0; row < l->count(); ++row)
            shown += !l->isRowHidden(row);
        s << QStringLiteral("%1: %2 of %3 lines, current %4, %5 selected")
                 .arg(l->objectName())
                 .arg(shown)
                 .arg(l->count())
                 .arg(l->currentRow())
                 .arg(l->selectedItems().size());
    }
    for (auto* t : w->findChildren<QTimer*>())
        s << t->objectName() + (t->isActive() ? " on" : " off");
    if (auto* total = w->findChild<QLabel*>("lbljmljarak"))
        s << total->palette().color(QPalette::WindowText).name();
    s << QString::number(w->width());
    return s;
}

// Counts the paint events @p widget receives while it lives.
struct PaintCounter final : QObject
{
    PaintCounter(QWidget* widget, int& count) : m_count(count) { widget->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        m_count += event->type() == QEvent::Paint;
        return false;
    }
    int& m_count;
};

// Plays @p play on a host of the Floyd window or of the Dijkstra window.
template <class Play> void inEitherWindow(bool floyd, Play play)
{
    if (floyd) {
        Host<FloydWindow> h;
        play(h);
    } else {
        Host<DijkstraWindow> h;
        play(h);
    }
}

// Answers every question of @p exercise right (Floyd: the changed cells left unmarked) to its end.
void finishExercise(Exercise* exercise)
{
    if (auto* f = qobject_cast<FloydExercise*>(exercise)) {
        while (!f->isFinished()) {
            f->check({});
            f->next();
        }
        return;
    }
    auto* d = static_cast<DijkstraExercise*>(exercise);
    const auto steps = dijkstraSteps(exerciseWeights(4821));
    for (const DijkstraStep& step : steps)
        d->answer(QString::number(step.fixedNode),
                  QString::fromStdString(formatGeneral(step.fixedDistance)));
}

// The weight boxes as resultsShown lists them for @p weights.
QStringList withWeights(const LinkWeights& weights)
{
    QStringList s;
    for (int k = 1; k <= kLinkCount; ++k)
        s << QStringLiteral("j%1:%2").arg(k).arg(weights[size_t(k - 1)]);
    return s;
}

// The controls that show a run's result, by window.
QStringList resultControls(bool floyd)
{
    if (floyd)
        return {"lbljmljarak", "lblwaktu", "h1", "h2", "List1", "List2"};
    QStringList names{"lbljmljarak", "lblwaktu",  "lbljalur", "lblnojalur",
                      "txtjalur",    "txtsimpul", "Tabeldata"};
    for (int n = 1; n <= 7; ++n)
        names << QStringLiteral("txtplt%1").arg(n);
    for (int k = 1; k <= 17; ++k)
        names << QStringLiteral("h%1").arg(k);
    return names;
}

// What control @p name shows of a result; empty where nothing is in sight.
QString resultIn(NetworkWindow* w, const QString& name)
{
    QWidget* widget = w->findChild<QWidget*>(name);
    if (!widget)
        return "missing";
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->isVisibleTo(w) ? label->text() : QString();
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return box->text();
    if (auto* table = qobject_cast<QPlainTextEdit*>(widget))
        return table->toPlainText();
    auto* list = qobject_cast<QListWidget*>(widget);
    QString shown;
    for (int row = 0; list && row < list->count(); ++row)
        if (!list->isRowHidden(row))
            shown += list->item(row)->text();
    return shown;
}

using trayeko::testing::unreadLabels;

// What the panel tells a screen reader and where the focus goes, in order: "said: text" and
// "focus: objectName".
struct Telling
{
    explicit Telling(ExercisePanel& panel)
    {
        QObject::connect(panel.findChild<Announcer*>(), &Announcer::spoken, &panel,
                         [this](const QString& text) { events << "said: " + text; });
        QObject::connect(qApp, &QApplication::focusChanged, &panel,
                         [this](QWidget*, QWidget* now) {
                             if (now)
                                 events << "focus: " + now->objectName();
                         });
    }
    QStringList takeAll() { return std::exchange(events, {}); }
    QStringList events;
};

} // namespace

class Tst_exercise final : public QObject
{
    Q_OBJECT

private slots:
    // The last folder is kept in the settings: each test starts without one.
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings(QStringLiteral("Trayeko"), QStringLiteral("Trayeko")).clear(); }

    // From a code on the board to the summary: a refused code, nonsense that costs no try, a node
    // picked on the drawing, a wrong answer twice, and the summary copied, saved and printed.
    void dijkstraFromCodeToSummary()
    {
        Host<DijkstraWindow> h;
        h.typed = "4821-8";
        h.exercise()->openExercise();
        QCOMPARE(h.messages.size(), 1);
        QVERIFY(!h.exercise()->isActive());

        h.typed = " 4821 - 7 ";
        const DrawingModel& drawing = h.w->network()->model();
        QVERIFY(!drawing.layerMarks(DrawingLayer::Exercise));
        h.exercise()->openExercise();
        QVERIFY(h.exercise()->isActive());
        QCOMPARE(h.w->network()->weights(), exerciseWeights(4821));
        QCOMPARE(h.inPanel<QLabel>("exerciseCode")->text(), "Kode soal: 4821-7");
        QCOMPARE(h.exercise()->scoreText(), "Skor: belum ada jawaban yang dinilai");
        const auto steps = dijkstraSteps(exerciseWeights(4821));
        auto* node = h.inPanel<QLineEdit>("exerciseNode");
        auto* distance = h.inPanel<QLineEdit>("exerciseDistance");
        const auto answer = [&](const QString& n, const QString& d) {
            node->setText(n);
            distance->setText(d);
            QTest::keyClick(distance, Qt::Key_Return);
        };
        for (const char* nonsense : {"", "abc", "-1", "99"}) {
            answer(nonsense, "0");
            QVERIFY2(!h.feedback().isEmpty(), nonsense);
            QCOMPARE(h.exercise()->question(), 0);
        }
        QVERIFY(!drawing.marks().fixedNodes[0]); // nothing earned yet
        for (size_t s = 0; s < steps.size(); ++s) {
            const int fixed = steps[s].fixedNode;
            const QString d = QString::fromStdString(formatGeneral(steps[s].fixedDistance));
            if (s == 1) {
                answer(QString::number(fixed % 7 + 1), d);
                QVERIFY(h.feedback().startsWith("Belum"));
                QCOMPARE(h.exercise()->question(), 1);
                answer(QString::number(fixed), d + "1");
                QVERIFY2(h.feedback().contains("Jawabannya: Langkah 2"), qPrintable(h.feedback()));
                continue;
            }
            const QRect circle = h.w->network()->elementRect(QStringLiteral("Shape%1").arg(fixed));
            QTest::mouseClick(h.w->network(), Qt::LeftButton, {}, circle.center());
            QCOMPARE(node->text(), QString::number(fixed));
            answer(node->text(), d);
            QVERIFY2(h.feedback().startsWith("Benar"), qPrintable(h.feedback()));
            QVERIFY(drawing.marks().fixedNodes[size_t(fixed - 1)]);
            if (s + 2 == steps.size())
                h.clock = 65'000;
        }
        QVERIFY(h.exercise()->isFinished());
        const QString summary = h.inPanel<QPlainTextEdit>("exerciseSummary")->toPlainText();
        for (const QString& line :
             {QStringLiteral("Kode soal: 4821-7"),
              QStringLiteral("Benar %1 dari %2 langkah").arg(steps.size() - 1).arg(steps.size()),
              QStringLiteral("Waktu: 1 menit 5 detik"), QStringLiteral("- Langkah 2: Belum")})
            QVERIFY2(summary.contains(line), qPrintable(summary));

        for (const char* file : {"ringkasan.txt", "ringkasan.pdf"}) {
            h.saveAs = h.dir.filePath(file);
            h.inPanel<QPushButton>("exerciseSave")->click();
            QFile saved(h.saveAs);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            const QByteArray bytes = saved.readAll();
            QVERIFY(h.saveAs.endsWith(".pdf") ? bytes.startsWith("%PDF")
                                              : bytes == summary.toUtf8());
        }
        h.inPanel<QPushButton>("exercisePrint")->click();
        QCOMPARE(h.printed, 1);
        QVERIFY(h.messages.size() == 1);
    }

    // A screen reader is told the question when the exercise starts, and after each answer the
    // feedback and then what comes next: the question again, the next one, or the end with the
    // score; always once the focus is where the student goes on.
    void answersAreAnnounced_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<QString>("move"); // start, right, wrong, nonsense, last, check, next
        QTest::addColumn<QString>("focus"); // where the focus is when it is told
        QTest::addColumn<QString>("next");  // what follows the feedback
        QTest::addRow("Dijkstra start") << false << "start" << "exerciseNode"
                                        << "Langkah 1 dari 7:";
        QTest::addRow("Dijkstra right") << false << "right" << "exerciseNode"
                                        << "Langkah 2 dari 7:";
        QTest::addRow("Dijkstra wrong") << false << "wrong" << "exerciseNode"
                                        << "Langkah 1 dari 7:";
        QTest::addRow("Dijkstra nonsense") << false << "nonsense" << "exerciseNode"
                                           << "Langkah 1 dari 7:";
        QTest::addRow("Dijkstra last") << false << "last" << "exerciseSummary"
                                       << "Latihan selesai. Skor: ";
        QTest::addRow("Floyd start") << true << "start" << "exerciseMatrix"
                                     << "Iterasi 1 dari 7";
        QTest::addRow("Floyd check") << true << "check" << "exerciseMatrix"
                                     << "Iterasi 1 dari 7";
        QTest::addRow("Floyd next") << true << "next" << "exerciseMatrix" << "Iterasi 2 dari 7";
        QTest::addRow("Floyd last") << true << "last" << "exerciseSummary"
                                    << "Latihan selesai. Skor: ";
    }
    void answersAreAnnounced()
    {
        QFETCH(bool, floyd);
        QFETCH(QString, move);
        QFETCH(QString, focus);
        QFETCH(QString, next);
        const auto check = [&](auto& h) {
            h.panel.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&h.panel));
            Telling telling(h.panel);
            h.exercise()->newExercise();
            h.panel.focusAnswer(); // as the frame does when the exercise starts
            auto* node = h.template inPanel<QLineEdit>("exerciseNode");
            auto* distance = h.template inPanel<QLineEdit>("exerciseDistance");
            auto* checkButton = h.template inPanel<QPushButton>("exerciseCheck");
            const auto answer = [&](const QString& n, const QString& d) {
                node->setText(n);
                distance->setText(d);
                distance->setFocus();
                QTest::keyClick(distance, Qt::Key_Return);
            };
            const auto steps = dijkstraSteps(exerciseWeights(4821));
            if (move != "start")
                telling.takeAll();
            if (move == "right")
                answer("1", "0");
            else if (move == "wrong")
                answer("2", "0");
            else if (move == "nonsense")
                answer("abc", "0");
            else if (move == "check" || (floyd && move == "next"))
                checkButton->click();
            if (floyd && move == "next") {
                telling.takeAll();
                checkButton->click();
            }
            if (move == "last") {
                if (floyd) {
                    auto* f = static_cast<FloydExercise*>(h.exercise());
                    while (f->question() + 1 < f->questionCount()) {
                        f->check({});
                        f->next();
                    }
                    checkButton->click();
                    telling.takeAll();
                    checkButton->click();
                } else {
                    for (size_t s = 0; s + 1 < steps.size(); ++s)
                        answer(QString::number(steps[s].fixedNode),
                               QString::fromStdString(formatGeneral(steps[s].fixedDistance)));
                    telling.takeAll();
                    answer(QString::number(steps.back().fixedNode),
                           QString::fromStdString(formatGeneral(steps.back().fixedDistance)));
                }
            }
            const QStringList events = telling.takeAll();
            const QStringList said = events.filter(QRegularExpression("^said: "));
            QCOMPARE(said.size(), 1);
            QVERIFY2(events.last().startsWith("said: "), qPrintable(events.join('\n')));
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
            const QString text = said.first().mid(6);
            QCOMPARE(h.panel.announced(), text);
            const QString feedback = h.feedback();
            const bool answered = move != "start" && !(floyd && move != "check");
            if (answered) {
                QVERIFY2(text.startsWith(feedback + ' '), qPrintable(text));
                QVERIFY2(text.mid(feedback.size() + 1).startsWith(next), qPrintable(text));
            } else {
                // A question begins: the question, then how to answer it.
                QVERIFY2(text.contains(next), qPrintable(text));
            }
            if (move == "last")
                QVERIFY2(text.endsWith(h.exercise()->scoreText()), qPrintable(text));
            if (move == "start" && !floyd)
                QVERIFY2(text.startsWith("Kode soal: 4821-7 Langkah 1"), qPrintable(text));
        };
        inEitherWindow(floyd, check);
    }

    // In the lesson panel, Tab and Shift+Tab go round the exercise's controls and never leave
    // into the window; each says what it is.
    void tabStaysInTheExercisePanel_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<bool>("finished");
        QTest::addColumn<QStringList>("stops"); // from the student's name, Tab
        const QStringList end{"exerciseNew", "exerciseOpen", "exerciseClose", "exerciseStudent"};
        QTest::addRow("Dijkstra")
            << false << false
            << (QStringList{"exerciseNode", "exerciseDistance", "exerciseCheck"} + end);
        QTest::addRow("Floyd") << true << false
                               << (QStringList{"exerciseMatrix", "exerciseCheck"} + end);
        QTest::addRow("summary")
            << false << true
            << (QStringList{"exerciseSummary", "exerciseCopy", "exerciseSave", "exercisePrint"} +
                end);
    }
    void tabStaysInTheExercisePanel()
    {
        QFETCH(bool, floyd);
        QFETCH(bool, finished);
        QFETCH(QStringList, stops);
        const auto check = [&](auto& h) {
            QMainWindow frame; // with a box of its own, where Tab must not go
            frame.setCentralWidget(new QLineEdit);
            auto* dock = new LessonDock(&frame);
            frame.addDockWidget(Qt::RightDockWidgetArea, dock);
            h.panel.hide();
            dock->showPage(&h.panel);
            frame.show();
            QVERIFY(QTest::qWaitForWindowActive(&frame));
            h.exercise()->newExercise();
            if (finished)
                finishExercise(h.exercise());
            h.template inPanel<QWidget>("exerciseStudent")->setFocus();
            for (const bool forward : {true, false}) {
                QStringList round;
                QWidget* start = QApplication::focusWidget();
                for (int i = 0; i < 20; ++i) {
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                                    forward ? Qt::NoModifier : Qt::ShiftModifier);
                    QWidget* now = QApplication::focusWidget();
                    QVERIFY2(now && h.panel.isAncestorOf(now),
                             qPrintable(now ? now->objectName() : "nothing"));
                    QVERIFY2(!QAccessible::queryAccessibleInterface(now)
                                  ->text(QAccessible::Name)
                                  .trimmed()
                                  .isEmpty(),
                             qPrintable(now->objectName()));
                    round << now->objectName();
                    if (now == start)
                        break;
                }
                if (!forward)
                    std::reverse(round.begin(), round.end() - 1);
                QCOMPARE(round, stops);
            }
            h.panel.setParent(nullptr); // the host's own, not the frame's to delete
        };
        inEitherWindow(floyd, check);
    }

    // A screen reader reads every value the exercise panel shows: the code, the question, the
    // feedback, the score and the end of the exercise, not only what kind of value each is.
    void panelValuesAreRead_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<QString>("stage");
        for (const char* stage : {"question", "answered wrong", "summary"}) {
            QTest::addRow("Dijkstra, %s", stage) << false << QString(stage);
            QTest::addRow("Floyd, %s", stage) << true << QString(stage);
        }
    }
    void panelValuesAreRead()
    {
        QFETCH(bool, floyd);
        QFETCH(QString, stage);
        const auto check = [&](auto& h) {
            h.template inPanel<QPushButton>("exerciseNew")->click();
            QVERIFY(h.exercise()->isActive());
            QVERIFY(!h.template inPanel<QLabel>("exerciseQuestion")->text().isEmpty());
            if (stage == "answered wrong") {
                if (floyd) {
                    // Iteration 2 changes cells; left as they were, they are missed.
                    h.template inPanel<QPushButton>("exerciseCheck")->click();
                    h.template inPanel<QPushButton>("exerciseCheck")->click();
                    h.template inPanel<QPushButton>("exerciseCheck")->click();
                } else {
                    h.template inPanel<QLineEdit>("exerciseNode")->setText("7");
                    h.template inPanel<QLineEdit>("exerciseDistance")->setText("99");
                    QTest::keyClick(h.template inPanel<QLineEdit>("exerciseDistance"),
                                    Qt::Key_Return);
                }
                QVERIFY2(h.feedback().contains(floyd ? "Terlewat" : "Belum"),
                         qPrintable(h.feedback()));
            } else if (stage == "summary") {
                finishExercise(h.exercise());
                QVERIFY(h.exercise()->isFinished());
            }
            QCOMPARE(unreadLabels(&h.panel).join('\n'), QString());
        };
        inEitherWindow(floyd, check);
    }

    // Soal baru fills the same network on every machine; each iteration is typed over the matrix:
    // nonsense is pointed out and not graded, a missed cell costs its point.
    void floydFromNewExerciseToSummary()
    {
        Host<FloydWindow> h;
        h.inPanel<QPushButton>("exerciseNew")->click();
        QCOMPARE(h.w->network()->weights(), exerciseWeights(4821));
        auto* matrix = h.inPanel<QTableWidget>("exerciseMatrix");
        auto* check = h.inPanel<QPushButton>("exerciseCheck");
        int total = 0, missed = 0;
        for (const FloydIteration& it : floydChanges(exerciseWeights(4821))) {
            QCOMPARE(h.exercise()->question(), it.k - 1);
            if (!it.changes.empty()) {
                QTableWidgetItem* cell = matrix->item(it.changes[0].from - 1, it.changes[0].to - 1);
                const QString shown = cell->text();
                cell->setText("abc");
                check->click();
                QVERIFY2(h.feedback().startsWith("Belum dinilai"), qPrintable(h.feedback()));
                QCOMPARE(check->text(), "Periksa");
                cell->setText(shown);
            }
            for (size_t c = 0; c < it.changes.size(); ++c)
                if (!(it.k == 2 && c == 0))
                    matrix->item(it.changes[c].from - 1, it.changes[c].to - 1)
                        ->setText(QString::fromStdString(formatGeneral(it.changes[c].after)));
            missed += it.k == 2 && !it.changes.empty();
            total += int(it.changes.size());
            check->click();
            QCOMPARE(check->text(), "Lanjut");
            // Graded, also where the iteration changes no cell (the first one here).
            QCOMPARE(h.exercise()->scoreText(),
                     QStringLiteral("Skor: %1 dari %2 sel").arg(total - missed).arg(total));
            check->click();
        }
        QVERIFY(missed == 1);
        QVERIFY(h.exercise()->isFinished());
        QVERIFY2(h.exercise()->summary().contains(
                     QStringLiteral("Benar %1 dari %2 sel").arg(total - 1).arg(total)),
                 qPrintable(h.exercise()->summary()));
        QVERIFY(h.exercise()->summary().contains("Iterasi 2: Terlewat: d["));
    }

    // A run's results on the default weights, then "Soal baru": nothing of the run is in sight
    // while the exercise runs (not the total, its blinking, the route on the drawing, the detail
    // panel or the listings). Esc gives everything back as it was; a weight edit gives the old
    // results back, as after any edit; a run shows its own and nothing old comes back later.
    void resultsOutOfSightDuringAnExercise_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<bool>("openPanel");
        QTest::addColumn<QString>("leaving");
        for (const char* leaving : {"esc", "edit", "run"}) {
            QTest::addRow("dijkstra, %s", leaving) << false << false << QString(leaving);
            QTest::addRow("dijkstra, panel open, %s", leaving) << false << true << QString(leaving);
            QTest::addRow("floyd, %s", leaving) << true << false << QString(leaving);
        }
    }
    void resultsOutOfSightDuringAnExercise()
    {
        QFETCH(bool, floyd);
        QFETCH(bool, openPanel);
        QFETCH(QString, leaving);
        const auto play = [&](auto& h) {
            NetworkWindow* w = h.w;
            QVERIFY(QTest::qWaitForWindowActive(&h.area));
            h.template get<QPushButton>("Command1")->click();
            w->network()->weightBox(3)->setFocus();
            if (openPanel)
                static_cast<DijkstraWindow*>(w)->toggleDetail();
            if (auto* table = h.template get<QPlainTextEdit>("Tabeldata")) {
                QTextCursor cursor(table->document()->findBlockByNumber(11));
                cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
                table->setTextCursor(cursor);
            }
            if (auto* list = h.template get<QListWidget>("List1")) {
                list->setCurrentRow(30);
                list->scrollToItem(list->item(60));
            }
            if (auto* dijkstra = qobject_cast<DijkstraWindow*>(w))
                for (int tick = 0; tick < 3; ++tick)
                    dijkstra->blink();
            const QStringList before = resultsShown(w);
            QStringList results;
            for (const QString& name : resultControls(floyd))
                results << resultIn(w, name);
            QVERIFY(!results.join("").isEmpty());

            h.template inPanel<QPushButton>("exerciseNew")->click();
            QVERIFY(h.exercise()->isActive());
            for (const QString& name : resultControls(floyd))
                QVERIFY2(resultIn(w, name).isEmpty(), qPrintable(name));
            QVERIFY(w->network()->model().routeLinks().isEmpty());
            for (int n = 2; n < 7; ++n)
                QVERIFY(!w->network()->model().nodeOnRoute(n));
            if (auto* timer = h.template get<QTimer>("Timer1"))
                QVERIFY(!timer->isActive());
            QCOMPARE(w->width(), before.last().toInt());

            if (leaving == "esc") {
                // The exercise's weights stay in the boxes; everything else is as it was.
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                const QRegularExpression weightBox("^j\\d+:");
                QStringList after = resultsShown(w), boxes = after.filter(weightBox);
                boxes.sort();
                QStringList expected = withWeights(exerciseWeights(4821));
                expected.sort();
                QCOMPARE(boxes, expected);
                const auto isBox = [&](const QString& line) { return line.contains(weightBox); };
                QStringList was = before;
                after.removeIf(isBox);
                was.removeIf(isBox);
                QCOMPARE(after, was);
            } else if (leaving == "edit") {
                w->network()->weightBox(1)->setText("3");
                emit w->network()->weightBox(1)->textEdited("3");
                QVERIFY(!h.exercise()->isActive());
                QStringList after;
                for (const QString& name : resultControls(floyd))
                    after << resultIn(w, name);
                QCOMPARE(after, results);
            } else {
                h.template get<QPushButton>("Command1")->click();
                QVERIFY(!h.exercise()->isActive());
                const QString total = resultIn(w, "lbljmljarak");
                QVERIFY(!total.isEmpty());
                QVERIFY(total != results.first());
                // Nothing old waits to come back: another exercise and Esc show this run's total.
                QTest::keyClick(w->network()->weightBox(3), Qt::Key_F9);
                QVERIFY(resultIn(w, "lbljmljarak").isEmpty());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                QCOMPARE(resultIn(w, "lbljmljarak"), total);
            }
        };
        inEitherWindow(floyd, play);
    }

    // Feedback and selections belong to their question: whichever way the student goes on, the
    // next iteration starts without the last one's feedback, colours or selected cells.
    void floydQuestionStartsClean_data()
    {
        QTest::addColumn<QString>("onward");
        QTest::newRow("Lanjut") << "button";
        QTest::newRow("Ctrl+Enter") << "key";
        QTest::newRow("next()") << "call";
    }
    void floydQuestionStartsClean()
    {
        QFETCH(QString, onward);
        Host<FloydWindow> h;
        h.exercise()->enter();
        auto* matrix = h.inPanel<QTableWidget>("exerciseMatrix");
        auto* check = h.inPanel<QPushButton>("exerciseCheck");
        const QString prompt = h.feedback();
        for (int question = 0; question < 3; ++question) {
            const std::vector<QStringList> shown =
                static_cast<FloydExercise*>(h.exercise())->matrix();
            matrix->item(1, 2)->setText("99");
            for (int c : {0, 2, 4})
                matrix->setCurrentCell(c, c, QItemSelectionModel::Select);
            check->click();
            // Iteration 1 of the defaults changes no cell: the mark is the mistake.
            QVERIFY2(h.feedback().startsWith(question == 0 ? "Tidak ada sel yang berubah pada "
                                                             "iterasi 1. Tidak berubah: d[2][3]"
                                                           : "0 dari "),
                     qPrintable(h.feedback()));
            QVERIFY(!matrix->selectedItems().isEmpty());
            if (onward == "button")
                check->click();
            else if (onward == "key") {
                h.panel.activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(&h.panel));
                QTest::keyClick(matrix, Qt::Key_Return, Qt::ControlModifier);
            } else
                static_cast<FloydExercise*>(h.exercise())->next();
            QCOMPARE(h.exercise()->question(), question + 1);
            QCOMPARE(h.feedback(), prompt);
            QCOMPARE(check->text(), "Periksa");
            QVERIFY(matrix->selectedItems().isEmpty());
            const std::vector<QStringList>& now =
                static_cast<FloydExercise*>(h.exercise())->matrix();
            QVERIFY(now != shown || question == 0);
            for (int r = 0; r < 7; ++r)
                for (int c = 0; c < 7; ++c) {
                    QCOMPARE(matrix->item(r, c)->text(), now[size_t(r)][c]);
                    QCOMPARE(matrix->item(r, c)->background(), QBrush());
                }
        }
    }

    // A cell counts as typed over when its text is another value, not merely another spelling of
    // the one it shows: "7.0" over 7 is no claim that the cell changes.
    void floydMarksAreValues_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("marked");
        QTest::newRow("as shown") << 0 << 1 << "7" << false;
        QTest::newRow("with a point") << 0 << 1 << " 7.0 " << false;
        QTest::newRow("another value") << 0 << 1 << "8" << true;
        QTest::newRow("emptied") << 0 << 1 << "" << true;
        QTest::newRow("no number") << 0 << 1 << "7x" << true;
        QTest::newRow("no path kept") << 0 << 4 << "∞" << false;
        QTest::newRow("no path given a value") << 0 << 4 << "11" << true;
    }
    void floydMarksAreValues()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, typed);
        QFETCH(bool, marked);
        Host<FloydWindow> h;
        h.exercise()->enter();
        const auto* exercise = static_cast<FloydExercise*>(h.exercise());
        std::vector<QStringList> cells = exercise->matrix();
        QCOMPARE(cells.size(), size_t(7));
        cells[size_t(row)][column] = typed;
        const std::vector<FloydMark> marks = exercise->marksOf(cells);
        QCOMPARE(marks.size(), size_t(marked ? 1 : 0));
        if (marked)
            QCOMPARE(std::make_tuple(marks[0].from, marks[0].to, QString::fromStdString(marks[0].value)),
                     std::make_tuple(row + 1, column + 1, typed));
    }

    // Typing over cells as in a spreadsheet: every arrow key takes what was typed and moves on,
    // so two numbers typed one after the other land in two cells.
    void matrixArrowsMoveAfterTyping_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("nextRow");
        QTest::addColumn<int>("nextColumn");
        QTest::newRow("right") << int(Qt::Key_Right) << 1 << 5;
        QTest::newRow("left") << int(Qt::Key_Left) << 1 << 3;
        QTest::newRow("down") << int(Qt::Key_Down) << 2 << 4;
        QTest::newRow("up") << int(Qt::Key_Up) << 0 << 4;
    }
    void matrixArrowsMoveAfterTyping()
    {
        QFETCH(int, key);
        QFETCH(int, nextRow);
        QFETCH(int, nextColumn);
        Host<FloydWindow> h;
        h.exercise()->enter();
        h.panel.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.panel));
        auto* matrix = h.inPanel<QTableWidget>("exerciseMatrix");
        matrix->setFocus();
        matrix->setCurrentCell(1, 4);
        QTest::keyClicks(matrix, "7");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(matrix->currentRow(), nextRow);
        QCOMPARE(matrix->currentColumn(), nextColumn);
        QTest::keyClicks(matrix, "5");
        matrix->setCurrentCell(6, 0); // leaving the cell takes what was typed
        QCOMPARE(matrix->item(1, 4)->text(), "7");
        QCOMPARE(matrix->item(nextRow, nextColumn)->text(), "5");
    }

    // The summary handed in names the student (typed once, kept for every exercise and panel),
    // the date and time, the method, the code and the weights; on paper and in the PDF the
    // drawing of the network with the exercise's weights stands above it.
    void summaryNamesStudentDateAndNetwork_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("typedAtTheEnd");
        QTest::newRow("dijkstra") << false << "Ani Lestari" << false;
        QTest::newRow("dijkstra, name typed at the end") << false << "Budi" << true;
        QTest::newRow("floyd") << true << "Citra" << false;
        QTest::newRow("floyd, no name") << true << "" << false;
    }
    void summaryNamesStudentDateAndNetwork()
    {
        QFETCH(bool, floyd);
        QFETCH(QString, name);
        QFETCH(bool, typedAtTheEnd);
        setStudentName({});
        const auto play = [&](auto& h) {
            ExerciseSeams seams;
            seams.newSeed = [] { return 4821; };
            seams.dateTime = [] { return QDateTime(QDate(2026, 12, 10), QTime(9, 5)); };
            h.exercise()->setSeams(seams);
            auto* student = h.template inPanel<QLineEdit>("exerciseStudent");
            if (!typedAtTheEnd)
                QTest::keyClicks(student, name);
            h.template inPanel<QPushButton>("exerciseNew")->click();
            finishExercise(h.exercise());
            QVERIFY(h.exercise()->isFinished());
            if (typedAtTheEnd)
                QTest::keyClicks(student, name);
            const QString summary =
                h.template inPanel<QPlainTextEdit>("exerciseSummary")->toPlainText();
            QCOMPARE(summary, h.exercise()->summary());
            for (const QString& line :
                 {floyd ? QStringLiteral("Latihan metode Floyd")
                        : QStringLiteral("Latihan metode Dijkstra"),
                  QStringLiteral("Nama siswa: ") +
                      (name.isEmpty() ? QStringLiteral("(tidak diisi)") : name),
                  QStringLiteral("Tanggal: 2026-12-10 09:05"), QStringLiteral("Kode soal: 4821-7"),
                  QStringLiteral(
                      "Bobot jalur 1 sampai 14: 17; 19; 10; 13; 10; 9; 6; 16; 5; 12; 20; "
                      "8; 9; 19")})
                QVERIFY2(summary.contains(line + u'\n'), qPrintable(summary));
            // The name is the program's, not the panel's: a new panel shows it.
            ExercisePanel other;
            QCOMPARE(other.template findChild<QLineEdit*>("exerciseStudent")->text(), name);

            // On paper: the drawing and its weight boxes are painted above the text.
            int painted = 0;
            PaintCounter counter(h.w->network()->weightBox(1), painted);
            h.template inPanel<QPushButton>("exercisePrint")->click();
            QCOMPARE(h.printed, 1);
            QVERIFY(painted > 0);
        };
        inEitherWindow(floyd, play);
        setStudentName({});
    }

    // The summary is saved as the window's pictures are: the dialog proposes the folder last
    // chosen for either, and a name typed without a suffix gets the chosen format's.
    void summarySaveProposesTheLastFolder_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<QString>("first");    // what was saved before: picture, summary, nothing
        QTest::addColumn<QString>("then");     // what is saved now
        QTest::addColumn<QString>("proposed"); // the name proposed, in the first file's folder
        const QString dijkstra = "latihan-dijkstra-4821-7.txt";
        QTest::addRow("Dijkstra summary after a picture") << false << "picture" << "summary"
                                                          << dijkstra;
        QTest::addRow("Floyd summary after a picture") << true << "picture" << "summary"
                                                       << "latihan-floyd-4821-7.txt";
        QTest::addRow("summary after a summary") << false << "summary" << "summary" << dijkstra;
        QTest::addRow("picture after a summary") << true << "summary" << "picture" << "floyd.png";
        QTest::addRow("first summary: the documents") << false << "nothing" << "summary"
                                                      << dijkstra;
    }
    void summarySaveProposesTheLastFolder()
    {
        QFETCH(bool, floyd);
        QFETCH(QString, first);
        QFETCH(QString, then);
        QFETCH(QString, proposed);
        const auto play = [&](auto& h) {
            h.exercise()->newExercise();
            finishExercise(h.exercise());
            const auto save = [&](const QString& what) {
                if (what == "picture")
                    h.classroom()->savePictureAction()->trigger();
                else
                    h.template inPanel<QPushButton>("exerciseSave")->click();
            };
            QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            if (!QFileInfo(folder).isDir())
                folder = QDir::homePath();
            if (first != "nothing") {
                QVERIFY(QDir(h.dir.path()).mkdir("kelas"));
                folder = h.dir.filePath("kelas");
                h.saveAs = QDir(folder).filePath(first == "picture" ? "a.png" : "a.txt");
                save(first);
                QVERIFY(QFile::exists(h.saveAs));
            }
            h.proposed.clear();
            h.saveAs.clear(); // cancelled
            save(then);
            QCOMPARE(h.proposed, QStringList{QDir(folder).filePath(proposed)});
            QVERIFY(h.messages.isEmpty());
        };
        inEitherWindow(floyd, play);
    }

    void summarySaveTakesTheChosenFormat_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("start");
        const QByteArray text = "Latihan", pdf = "%PDF";
        QTest::addRow("no suffix, text chosen") << "r" << "Teks (*.txt)" << "r.txt" << text;
        QTest::addRow("no suffix, PDF chosen") << "r" << "PDF (*.pdf)" << "r.pdf" << pdf;
        QTest::addRow("no suffix, no filter") << "r" << "" << "r.txt" << text;
        QTest::addRow("PDF in capitals") << "R.PDF" << "Teks (*.txt)" << "R.PDF" << pdf;
        QTest::addRow("other suffix: text") << "r.log" << "PDF (*.pdf)" << "r.log" << text;
    }
    void summarySaveTakesTheChosenFormat()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, written);
        QFETCH(QByteArray, start);
        Host<DijkstraWindow> h;
        h.exercise()->newExercise();
        finishExercise(h.exercise());
        h.saveAs = h.dir.filePath(typed);
        h.chosenFilter = filter;
        h.inPanel<QPushButton>("exerciseSave")->click();
        QFile file(h.dir.filePath(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY2(file.readAll().startsWith(start), qPrintable(written));
        QCOMPARE(QDir(h.dir.path()).entryList(QDir::Files), QStringList{written});
    }

    // A summary that cannot be written leaves no file, not even a part of one, and says why.
    void summaryIsWrittenWholeOrNotAtAll()
    {
        Host<FloydWindow> h;
        h.exercise()->newExercise();
        finishExercise(h.exercise());
        h.saveAs = h.dir.filePath("gone/r.txt");
        h.inPanel<QPushButton>("exerciseSave")->click();
        QCOMPARE(h.messages.size(), 1);
        QVERIFY2(h.messages.first().startsWith("Ringkasan latihan tidak dapat disimpan ke"),
                 qPrintable(h.messages.first()));
        QVERIFY(QDir(h.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    }

    // F9 on the weights in the boxes, where a run would take them; Esc gives the window back as
    // it was, focus included.
    void escRestoresTheWindow_data()
    {
        QTest::addColumn<bool>("floyd");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<bool>("refused");
        QTest::newRow("dijkstra") << false << "7" << false;
        QTest::newRow("dijkstra, a weight that is no number") << false << "abc" << true;
        QTest::newRow("floyd") << true << "7" << false;
        QTest::newRow("floyd takes any weight") << true << "abc" << false;
    }
    void escRestoresTheWindow()
    {
        QFETCH(bool, floyd);
        QFETCH(QString, weight);
        QFETCH(bool, refused);
        const auto play = [&](auto& h) {
            QVERIFY(QTest::qWaitForWindowActive(&h.area));
            h.template get<QPushButton>("Command1")->click();
            h.w->network()->weightBox(1)->setText(weight);
            h.w->network()->weightBox(3)->setFocus();
            const QStringList before = everythingShown(h.w);
            QTest::keyClick(h.w->network()->weightBox(3), Qt::Key_F9);
            QCOMPARE(h.exercise()->isActive(), !refused);
            QCOMPARE(h.messages.size(), refused ? 1 : 0);
            if (refused)
                return;
            // The Dijkstra page answers step 1; the Floyd page is graded as it stands.
            if (auto* node = h.template inPanel<QLineEdit>("exerciseNode")) {
                node->setText("1");
                h.template inPanel<QLineEdit>("exerciseDistance")->setText("0");
            }
            h.template inPanel<QPushButton>("exerciseCheck")->click();
            QVERIFY(everythingShown(h.w) != before);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!h.exercise()->isActive());
            QCOMPARE(everythingShown(h.w), before);
        };
        if (floyd) {
            Host<FloydWindow> h;
            play(h);
        } else {
            Host<DijkstraWindow> h;
            h.w->setMessageBox(
                [&h](QWidget*, const QString&, const QString& t) { h.messages << t; });
            play(h);
        }
    }
};

QTEST_MAIN(Tst_exercise)
#include "tst_exercise.moc"
