// Step mode and both exercises on a window that is not one of the demonstration windows: five
// nodes, a named one, from node 2 to node 5.

#include "programframe.h"

#include "core/exercisecode.h"
#include "ui/drawing/drawingwidget.h"
#include "ui/drawing/lessonwindow.h"
#include "ui/exercise/exercise.h"
#include "ui/exercise/exercisepanel.h"
#include "ui/main/mainwindow.h"
#include "ui/projector/projectorview.h"
#include "ui/stepping/lessondock.h"
#include "ui/stepping/lessons.h"
#include "ui/stepping/stepmode.h"

#include <QAction>
#include <QMdiArea>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

using namespace trayeko;
using namespace trayeko::ui;

namespace {

// A drawing that paints nothing: only its model counts here.
class BareDrawing final : public DrawingWidget
{
public:
    explicit BareDrawing(const Network& network, int start, int end, QWidget* parent)
        : DrawingWidget(parent), m_model(network, start, end, this)
    {
        resize(200, 150);
    }
    DrawingModel& model() override { return m_model; }
    const DrawingModel& model() const override { return m_model; }

private:
    DrawingModel m_model;
};

// Node 2 reaches node 5 shortest by way of 3, 1 and 4 (total 5): the route with the most links.
Network fiveNodes(double weight21 = 3)
{
    Network network(5);
    network.setNodeName(1, "Pasar");
    for (const NetworkLink& l : std::vector<NetworkLink>{{2, 1, weight21},
                                                         {2, 3, 1},
                                                         {3, 1, 1},
                                                         {1, 4, 2},
                                                         {3, 4, 6},
                                                         {4, 5, 1},
                                                         {3, 5, 9},
                                                         {1, 5, 7}})
        network.addLink(l.from, l.to, l.weight);
    return network;
}

class TestLessonWindow final : public LessonWindow
{
public:
    explicit TestLessonWindow(bool floyd, const Network& network = fiveNodes(),
                              bool bellmanFord = false)
        : m_network(network), m_defaults(network.weights())
    {
        auto* client = new QWidget;
        setWidget(client);
        m_drawing = new BareDrawing(network, 2, 5, client);
        const auto refuse = [this](QWidget*, const QString&, const QString& text) {
            refusals << text;
        };
        m_steps = bellmanFord ? addBellmanFordStepMode(this, refuse)
                              : addLessonStepMode(this, floyd, refuse);
        if (bellmanFord)
            m_exercise = new BellmanFordExercise(this, m_steps, nullptr);
        else if (floyd)
            m_exercise = new FloydExercise(this, m_steps, nullptr);
        else
            m_exercise = new DijkstraExercise(this, m_steps, nullptr);
        ExerciseSeams seams;
        seams.messageBox = [this](QWidget*, const QString&, const QString& text) {
            refusals << text;
        };
        seams.newSeed = [] { return 4821; };
        seams.textInput = [](QWidget*, const QString&, const QString&) {
            return std::optional<QString>(QString::fromStdString(exerciseCode(4821)));
        };
        m_exercise->setSeams(seams);
    }

    DrawingWidget* drawing() const override { return m_drawing; }
    StepMode* stepMode() const override { return m_steps; }
    Exercise* exercise() const override { return m_exercise; }
    LessonNetwork lessonNetwork() const override { return {m_network, 2, 5}; }
    void setLessonWeights(const std::vector<double>& weights) override
    {
        m_network.setWeights(weights);
        emit weightsEdited();
    }
    std::vector<double> defaultLessonWeights() const override { return m_defaults; }

    QStringList refusals;

private:
    Network m_network;
    std::vector<double> m_defaults;
    BareDrawing* m_drawing = nullptr;
    StepMode* m_steps = nullptr;
    Exercise* m_exercise = nullptr;
};

struct Host
{
    explicit Host(bool floyd, const Network& network = fiveNodes(), bool bellmanFord = false)
    {
        w = new TestLessonWindow(floyd, network, bellmanFord);
        area.resize(800, 600);
        area.addSubWindow(w);
        area.show();
    }
    QMdiArea area;
    TestLessonWindow* w;
};

// The whole program's frame with the test's window added to its document area by hand, as a part
// of the program that makes its own windows adds them.
struct Program : ProgramFrame
{
    explicit Program(bool floyd, bool bellmanFord = false)
        : ProgramFrame([] { return QSize(1366, 768); })
    {
        w = new TestLessonWindow(floyd, fiveNodes(), bellmanFord);
        frame->mdiArea()->addSubWindow(w);
        w->show();
        frame->mdiArea()->setActiveSubWindow(w);
    }
    QPointer<TestLessonWindow> w;
};

} // namespace

class TestAnyLesson : public QObject
{
    Q_OBJECT

private slots:
    void stepsThroughEitherMethod_data();
    void stepsThroughEitherMethod();
    void refusesWhatTheMethodCannotTake_data();
    void refusesWhatTheMethodCannotTake();
    void dijkstraExerciseGrades_data();
    void dijkstraExerciseGrades();
    void floydExerciseGrades_data();
    void floydExerciseGrades();
    void newExerciseAndDefaultsChangeTheWeights_data();
    void newExerciseAndDefaultsChangeTheWeights();
    void bellmanFordLessonPassByPass_data();
    void bellmanFordLessonPassByPass();
    void bellmanFordExerciseGrades_data();
    void bellmanFordExerciseGrades();
    void frameFollowsAnyLessonWindow_data();
    void frameFollowsAnyLessonWindow();
};

void TestAnyLesson::stepsThroughEitherMethod_data()
{
    QTest::addColumn<bool>("floyd");
    QTest::addColumn<QList<int>>("pivots");
    QTest::addColumn<int>("gridColumns");
    QTest::addColumn<QString>("firstColumn");
    QTest::addColumn<QString>("lastExplains");
    QTest::newRow("dijkstra") << false << QList<int>{2, 3, 1, 4, 5} << 6 << "Tetap"
                              << "5";
    QTest::newRow("floyd") << true << QList<int>{1, 2, 3, 4, 5} << 5 << "1"
                           << "";
}

void TestAnyLesson::stepsThroughEitherMethod()
{
    QFETCH(bool, floyd);
    QFETCH(QList<int>, pivots);
    QFETCH(int, gridColumns);
    QFETCH(QString, firstColumn);
    QFETCH(QString, lastExplains);
    Host h(floyd);
    StepMode* steps = h.w->stepMode();
    steps->enter();
    QVERIFY(steps->isActive());
    QCOMPARE(steps->stepCount(), int(pivots.size()));
    const DrawingModel& model = h.w->drawing()->model();
    for (int i = 0; i < steps->stepCount(); ++i) {
        steps->showStep(i);
        QCOMPARE(model.marks().nodeTexts.size(), size_t(5));
        QCOMPARE(model.marks().pivotNode, pivots[i]);
        const LessonGrid& grid = steps->currentFrame()->grid;
        QCOMPARE(grid.columns.size(), gridColumns);
        QCOMPARE(grid.columns.first(), firstColumn);
        QCOMPARE(grid.rows.size(), 5);
    }
    // The distances are from node 2, which the drawing says, the named node by its name.
    QVERIFY2(model.description().contains(u"Jarak dari simpul 2: simpul Pasar = 2"),
             qPrintable(model.description()));
    QCOMPARE(model.marks().nodeText(5), QStringLiteral("5"));
    if (!floyd) {
        QVERIFY(steps->lesson().frames.back().grid.columns.contains(u"Pasar"));
        // Copied or saved, the table names the links it was worked out on.
        QVERIFY(steps->lesson().tableText.startsWith(u"Bobot: 2→Pasar = 3; 2→3 = 1;"));
        QVERIFY(steps->lesson().tableCsv.starts_with("Jalur,2→Pasar,2→3,"));
    }
    QVERIFY(steps->currentFrame()->explanation.contains(lastExplains));
    emit h.w->weightsEdited();
    QVERIFY(!steps->isActive());
    QVERIFY(!model.hasLayer(DrawingLayer::Steps));
}

void TestAnyLesson::refusesWhatTheMethodCannotTake_data()
{
    QTest::addColumn<bool>("floyd");
    QTest::addColumn<double>("weight");
    QTest::addColumn<bool>("refused");
    QTest::newRow("dijkstra negative") << false << -1.0 << true;
    QTest::newRow("floyd negative") << true << -1.0 << false;
    QTest::newRow("dijkstra infinite") << false << qInf() << true;
    QTest::newRow("floyd not a number") << true << qQNaN() << true;
}

void TestAnyLesson::refusesWhatTheMethodCannotTake()
{
    QFETCH(bool, floyd);
    QFETCH(double, weight);
    QFETCH(bool, refused);
    Host h(floyd, fiveNodes(weight));
    h.w->stepMode()->enter();
    QCOMPARE(h.w->stepMode()->isActive(), !refused);
    h.w->stepMode()->leave();
    h.w->exercise()->enter();
    QCOMPARE(h.w->exercise()->isActive(), !refused);
    QCOMPARE(h.w->refusals.size(), refused ? 2 : 0);
}

void TestAnyLesson::dijkstraExerciseGrades_data()
{
    QTest::addColumn<QStringList>("answers"); // node, distance, node, distance, ...
    QTest::addColumn<QString>("score");
    QTest::newRow("all right") << QStringList{"2", "0", "3", "1", "1", "2", "4", "4", "5", "5"}
                               << "Skor: 5 dari 5 langkah pada percobaan pertama";
    QTest::newRow("node 1 is not next")
        << QStringList{"2", "0", "1", "3", "3", "1", "1", "2", "4", "4", "5", "5"}
        << "Skor: 4 dari 5 langkah pada percobaan pertama; 1 langkah benar pada percobaan "
           "kedua";
}

void TestAnyLesson::dijkstraExerciseGrades()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, score);
    Host h(false);
    auto* exercise = static_cast<DijkstraExercise*>(h.w->exercise());
    exercise->enter();
    QVERIFY(exercise->isActive());
    QCOMPARE(exercise->questionCount(), 5);
    QVERIFY(exercise->questionText().endsWith(u"dari simpul 2?"));
    for (qsizetype i = 0; i + 1 < answers.size(); i += 2)
        exercise->answer(answers[i], answers[i + 1]);
    QVERIFY(exercise->isFinished());
    QCOMPARE(exercise->scoreText(), score);
    QCOMPARE(h.w->drawing()->model().marks().nodeTexts.size(), size_t(5));
    QVERIFY(exercise->summary().contains(u"Bobot jalur 1 sampai 8: 3; 1; 1; 2; 6; 1; 9; 7"));
}

void TestAnyLesson::floydExerciseGrades_data()
{
    QTest::addColumn<QList<FloydMark>>("marks");
    QTest::addColumn<int>("right");
    // Node 1 as intermediate changes d[2][4], d[2][5], d[3][4] and d[3][5].
    QTest::newRow("all four")
        << QList<FloydMark>{{2, 4, "5"}, {2, 5, "10"}, {3, 4, "3"}, {3, 5, "8"}} << 4;
    QTest::newRow("one wrong value") << QList<FloydMark>{{2, 4, "6"}} << 0;
    QTest::newRow("a cell beyond five nodes is no answer") << QList<FloydMark>{{6, 1, "1"}} << -1;
}

void TestAnyLesson::floydExerciseGrades()
{
    QFETCH(QList<FloydMark>, marks);
    QFETCH(int, right);
    Host h(true);
    auto* exercise = static_cast<FloydExercise*>(h.w->exercise());
    exercise->enter();
    QCOMPARE(exercise->questionCount(), 5);
    QCOMPARE(exercise->matrix().size(), size_t(5));
    QCOMPARE(exercise->matrix()[2][0], QStringLiteral("1")); // d[3][1] before any iteration
    QVERIFY(exercise->questionText().contains(u"(simpul Pasar sebagai perantara)"));
    const bool graded = exercise->check({marks.begin(), marks.end()});
    QCOMPARE(graded, right >= 0);
    if (graded) {
        QCOMPARE(exercise->grade()->right, right);
        QCOMPARE(exercise->grade()->total, 4);
        exercise->next();
        QCOMPARE(exercise->matrix()[1][3], QStringLiteral("5")); // d[2][4] after iteration 1
    }
}

void TestAnyLesson::newExerciseAndDefaultsChangeTheWeights_data()
{
    QTest::addColumn<bool>("floyd");
    QTest::addColumn<bool>("byCode"); // "Buka soal..." with the code of "Soal baru"
    QTest::newRow("dijkstra, new") << false << false;
    QTest::newRow("floyd, new") << true << false;
    QTest::newRow("dijkstra, by code") << false << true;
}

void TestAnyLesson::newExerciseAndDefaultsChangeTheWeights()
{
    QFETCH(bool, floyd);
    QFETCH(bool, byCode);
    Host h(floyd);
    Exercise* exercise = h.w->exercise();
    if (byCode)
        exercise->openExercise();
    else
        exercise->newExercise();
    QVERIFY(exercise->isActive());
    QCOMPARE(exercise->code(), QString::fromStdString(exerciseCode(4821)));
    QCOMPARE(h.w->lessonNetwork().network.weights(), exerciseNetwork(fiveNodes(), 4821).weights());
    exercise->restoreDefaultWeights();
    QVERIFY(!exercise->isActive());
    QCOMPARE(h.w->lessonNetwork().network.weights(), fiveNodes().weights());
}

// 3 → 4 → 3 weighs 1 - 3 = -2 and is reachable from node 2: every pass lowers a distance.
Network negativeCycle()
{
    Network network(5);
    for (const NetworkLink& l :
         std::vector<NetworkLink>{{2, 3, 1}, {3, 4, 1}, {4, 3, -3}, {4, 5, 1}, {1, 2, 1}})
        network.addLink(l.from, l.to, l.weight);
    return network;
}

void TestAnyLesson::bellmanFordLessonPassByPass_data()
{
    QTest::addColumn<Network>("network");
    QTest::addColumn<QStringList>("rows");     // of the grid in the last frame
    QTest::addColumn<QStringList>("lastCells"); // its last row
    QTest::addColumn<int>("notesInPassOne");
    QTest::addColumn<QList<int>>("lastMarkedLinks");
    QTest::addColumn<QString>("lastExplains");
    // From node 2 the first pass finds every distance; the second changes nothing.
    QTest::newRow("early stop") << fiveNodes() << QStringList{"awal", "1", "2"}
                                << QStringList{"2", "0", "1", "4", "5"} << 4 << QList<int>{}
                                << "Putaran 2 tidak mengubah apa pun: selesai lebih awal. Jarak "
                                   "terpendek dari simpul 2 ke simpul 5: 5 (2 → 3 → Pasar → 4 → 5).";
    QTest::newRow("negative cycle")
        << negativeCycle() << QStringList{"awal", "1", "2", "3", "4", "tambahan"}
        << QStringList{"–", "–", "–", "–", "–"} << 3 << QList<int>{2, 3}
        << "Putaran tambahan masih menurunkan jarak";
}

void TestAnyLesson::bellmanFordLessonPassByPass()
{
    QFETCH(Network, network);
    QFETCH(QStringList, rows);
    QFETCH(QStringList, lastCells);
    QFETCH(int, notesInPassOne);
    QFETCH(QList<int>, lastMarkedLinks);
    QFETCH(QString, lastExplains);
    Host h(false, network, true);
    StepMode* steps = h.w->stepMode();
    steps->enter();
    QVERIFY(steps->isActive());
    QVERIFY(h.w->refusals.isEmpty()); // negative weights are taken
    // The start, every pass, and the extra pass unless one changed nothing.
    QCOMPARE(steps->stepCount(), int(rows.size()));
    QCOMPARE(steps->lesson().code.size(), 11);
    const QStringList passOneNotes = steps->lesson().frames[1].grid.notes[1];
    QCOMPARE(passOneNotes.size() - passOneNotes.count(QString()), notesInPassOne);
    steps->last();
    const StepFrame& last = *steps->currentFrame();
    QCOMPARE(last.grid.rows, rows);
    QCOMPARE(last.grid.cells.back(), lastCells);
    QVERIFY2(last.explanation.startsWith(lastExplains), qPrintable(last.explanation));
    std::vector<int> marked = h.w->drawing()->model().marks().improvedLinks;
    std::sort(marked.begin(), marked.end());
    QCOMPARE(QList<int>(marked.begin(), marked.end()), lastMarkedLinks);
    // A negative cycle leaves no distance beside any node, as if it were true.
    const bool cycle = lastCells.first() == u"–";
    for (int n = 1; n <= 5; ++n)
        QCOMPARE(h.w->drawing()->model().marks().nodeText(n).isEmpty(), cycle);
    // Copied or saved, the table has a row per pass under the nodes' labels.
    QVERIFY2(steps->lesson().tableCsv.find(",2,3,4,5\r\nawal,∞,0,∞,∞,∞\r\n1,") != std::string::npos,
             steps->lesson().tableCsv.c_str());
    QCOMPARE(steps->lesson().tableText.count(u'\n'), rows.size() + 1);
}

void TestAnyLesson::bellmanFordExerciseGrades_data()
{
    QTest::addColumn<QList<QStringList>>("answers"); // one pass each; no number: not graded
    QTest::addColumn<QString>("score");
    QTest::addColumn<QString>("mistake");
    const QStringList right{"2", "0", "1", "4", "5"};
    QTest::newRow("all right") << QList<QStringList>{right, right} << "Skor: 2 dari 2 putaran"
                               << "Tidak ada kesalahan.";
    QTest::newRow("first pass short of node Pasar")
        << QList<QStringList>{{"3", "0", "1", "4", "5"}, right} << "Skor: 1 dari 2 putaran"
        << "- Putaran 1: simpul Pasar seharusnya 2.";
    QTest::newRow("no number costs nothing")
        << QList<QStringList>{{"2", "0", "satu", "4", "5"}, right, right}
        << "Skor: 2 dari 2 putaran" << "Tidak ada kesalahan.";
}

void TestAnyLesson::bellmanFordExerciseGrades()
{
    QFETCH(QList<QStringList>, answers);
    QFETCH(QString, score);
    QFETCH(QString, mistake);
    Host h(false, fiveNodes(), true);
    auto* exercise = static_cast<BellmanFordExercise*>(h.w->exercise());
    exercise->enter();
    QVERIFY(exercise->isActive());
    QCOMPARE(exercise->questionCount(), 2);
    QCOMPARE(exercise->distances(), (QStringList{"∞", "0", "∞", "∞", "∞"}));
    for (const QStringList& typed : answers)
        if (exercise->check(typed))
            exercise->next();
    QVERIFY(exercise->isFinished());
    QCOMPARE(exercise->scoreText(), score);
    QVERIFY(exercise->summary().startsWith(u"Latihan metode Bellman–Ford\n"));
    QVERIFY2(exercise->summary().contains(mistake), qPrintable(exercise->summary()));
}

void TestAnyLesson::frameFollowsAnyLessonWindow_data()
{
    QTest::addColumn<bool>("floyd");
    QTest::addColumn<bool>("bellmanFord");
    QTest::addColumn<QString>("answerField");
    QTest::addColumn<int>("answerRows");
    QTest::newRow("dijkstra") << false << false << "exerciseNode" << 0;
    QTest::newRow("floyd") << true << false << "exerciseMatrix" << 5;
    QTest::newRow("bellman-ford") << false << true << "exerciseDistances" << 1;
}

void TestAnyLesson::frameFollowsAnyLessonWindow()
{
    QFETCH(bool, floyd);
    QFETCH(bool, bellmanFord);
    QFETCH(QString, answerField);
    QFETCH(int, answerRows);
    Program p(floyd, bellmanFord);
    LessonDock* panel = p.frame->lessonDock();
    auto* f10 = p.w->findChild<QAction*>("stepAction");
    auto* f11 = p.w->findChild<QAction*>("projectorAction");
    QVERIFY(f10 && f11);
    f10->trigger();
    QVERIFY(p.w->stepMode()->isActive());
    QCOMPARE(panel->followed(), p.w->stepMode());
    QVERIFY(panel->isVisible());

    // F11's entry lends the client area and gives it back; the texts are measured on any drawing.
    QWidget* client = p.w->widget();
    f11->trigger();
    QCOMPARE(p.projector->shownWindow(), p.w.data());
    QVERIFY(p.projector->smallestTextPx() > 0);
    p.projector->leave();
    QCOMPARE(p.w->widget(), client);
    QVERIFY(p.w->stepMode()->isActive());

    p.w->exercise()->enter();
    QVERIFY(!p.w->stepMode()->isActive());
    QWidget* field = panel->findChild<QWidget*>(answerField);
    QVERIFY(field && field->isVisible());
    if (auto* matrix = qobject_cast<QTableWidget*>(field))
        QCOMPARE(matrix->rowCount(), answerRows);
    else
        QCOMPARE(panel->findChild<QWidget*>("exerciseDistance")->accessibleName(),
                 QStringLiteral("Jarak simpul itu dari simpul 2"));
    if (auto* bf = qobject_cast<BellmanFordExercise*>(p.w->exercise())) {
        // A pass graded shows what was graded, each node's cell in its verdict's colour.
        auto* row = static_cast<QTableWidget*>(field);
        QVERIFY(bf->check({"3", "0", "1", "4", "5"}));
        QCOMPARE(row->item(0, 0)->text(), QStringLiteral("3"));
        QCOMPARE(row->item(0, 0)->background().color(), ExercisePanel::wrongColour());
        QCOMPARE(row->item(0, 4)->background().color(), ExercisePanel::rightColour());
        bf->next();
        QCOMPARE(row->item(0, 0)->text(), QStringLiteral("2")); // the distances before pass 2
        QCOMPARE(row->item(0, 0)->background().style(), Qt::NoBrush);
    }
    // Another window made active ends the exercise the panel leaves.
    p.frame->findChild<QAction*>("mnudijktra")->trigger();
    QVERIFY(!p.w->exercise()->isActive());
}

QTEST_MAIN(TestAnyLesson)
#include "tst_anylesson.moc"
