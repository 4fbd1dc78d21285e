// Every click handler of the real windows, inside the real frame, on whatever platform the
// environment selects (offscreen, or xcb under Xvfb where repaints reach an X server).
//
// Each figure is one call per repetition; the median over the repetitions is the figure. A name
// without suffix times the handler alone (what runs before the event loop gets control back);
// "+paint" adds the event loop turn that lays out, paints and flushes what the handler changed.
#include "bench/drive.h"
#include "ui/compare/comparewindow.h"
#include "ui/dijkstra/dijkstrawindow.h"
#include "ui/drawing/lessonwindow.h"
#include "ui/drawing/networkcanvas.h"
#include "ui/drawing/networkview.h"
#include "ui/floyd/floydwindow.h"
#include "ui/main/mainwindow.h"
#include "ui/ownnetwork/ownnetworks.h"
#include "ui/ownnetwork/ownnetworkwindow.h"
#include "ui/stepping/lessondock.h"
#include "ui/stepping/lessons.h"
#include "ui/stepping/stepmode.h"
#include "ui/support/artwork.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QWindow>
#include <benchmark/benchmark.h>
#include <functional>
#include <string>

using namespace trayeko;

namespace {

ui::MainWindow* frame = nullptr;

// Counts the paint events of progress bars: their repaints during an animation are what the
// Xvfb figures of the runs are mostly made of.
class BarPaints final : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<QProgressBar*>(watched))
            ++count;
        return false;
    }
};

BarPaints* barPaints = nullptr;

// What the event loop does after a click: deferred deletes, layouts, paints and the flush.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void waitForExposure(QWidget& window)
{
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
           waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    settle();
}

ui::DijkstraWindow* dijkstra()
{
    if (!bench::dijkstraWindow(*frame))
        bench::chooseMenu(*frame, QStringLiteral("mnudijktra"));
    ui::DijkstraWindow* w = bench::dijkstraWindow(*frame);
    // A refusal answers at once instead of waiting in a modal loop.
    w->setMessageBox([](QWidget*, const QString&, const QString&) {});
    return w;
}

ui::FloydWindow* floyd()
{
    if (!bench::floydWindow(*frame))
        bench::chooseMenu(*frame, QStringLiteral("mnufloyd"));
    return bench::floydWindow(*frame);
}

ui::CompareWindow* compare()
{
    if (!bench::compareWindow(*frame))
        bench::chooseMenu(*frame, QStringLiteral("mnucompare"));
    return bench::compareWindow(*frame);
}

bool detailOpen()
{
    return dijkstra()->findChild<QLabel*>(QStringLiteral("lbltabel"))->text() !=
           QStringLiteral("Tampilan Detail");
}

void setFirstWeight(const QString& text)
{
    dijkstra()->findChild<QLineEdit*>(QStringLiteral("j1"))->setText(text);
}

// A lesson window of thirty nodes, the most a teacher's own network is meant to hold: six
// columns of five, links to the right, down and some back, on the canvas any network is drawn on.
class ThirtyNodeWindow final : public ui::LessonWindow
{
public:
    explicit ThirtyNodeWindow(bool floyd) : m_network(30)
    {
        for (int n = 1; n <= 30; ++n)
            m_network.setNodePlace(n, 100.0 * ((n - 1) / 5), 100.0 * ((n - 1) % 5));
        for (int n = 1; n <= 30; ++n) {
            if (n + 5 <= 30)
                m_network.addLink(n, n + 5, 1 + (n * 7) % 13);
            if (n % 5 != 0)
                m_network.addLink(n, n + 1, 1 + (n * 5) % 11);
            if (n % 3 == 0 && n > 5)
                m_network.addLink(n, n - 4, 2 + n % 7);
        }
        auto* client = new QWidget;
        m_canvas = new ui::NetworkCanvas(client);
        m_canvas->resize(640, 480);
        m_canvas->model().setNetwork(m_network, 1, 30);
        setWidget(client);
        setWindowTitle(floyd ? QStringLiteral("Floyd, 30 simpul")
                             : QStringLiteral("Dijkstra, 30 simpul"));
        m_steps = ui::addLessonStepMode(this, floyd, {});
    }
    ui::DrawingWidget* drawing() const override { return m_canvas; }
    ui::StepMode* stepMode() const override { return m_steps; }
    ui::Exercise* exercise() const override { return nullptr; }
    ui::LessonNetwork lessonNetwork() const override { return {m_network, 1, 30}; }
    void setLessonWeights(const std::vector<double>& weights) override
    {
        m_network.setWeights(weights);
    }
    std::vector<double> defaultLessonWeights() const override { return m_network.weights(); }

private:
    Network m_network;
    ui::NetworkCanvas* m_canvas = nullptr;
    ui::StepMode* m_steps = nullptr;
};

ThirtyNodeWindow* thirtyNodes(bool floyd)
{
    static QPointer<ThirtyNodeWindow> windows[2];
    QPointer<ThirtyNodeWindow>& w = windows[floyd ? 1 : 0];
    if (!w) {
        w = new ThirtyNodeWindow(floyd);
        frame->mdiArea()->addSubWindow(w);
        w->show();
    }
    return w;
}

// A "Jaringan Sendiri" window holding the same thirty nodes, from the frame's menu.
ui::OwnNetworkWindow* ownThirty()
{
    static QPointer<ui::OwnNetworkWindow> w;
    if (!w) {
        w = frame->ownNetworks()->newNetwork();
        w->setDocument({thirtyNodes(false)->lessonNetwork().network, 1, 30, "30 simpul", {}});
    }
    return w;
}

// The step mode of a tool window's drawing, entered.
template <class Window> ui::StepMode* steps(Window* window)
{
    ui::StepMode* mode = window->stepMode();
    if (!mode->isActive())
        mode->enter();
    return mode;
}

// The step mode of @p window entered with the frame's lesson panel beside it: the panel follows
// the active window, so each step below redraws the marks, the panel's explanation, its marked
// pseudo-code lines and its table or matrix.
template <class Window> void stepsWithPanel(Window* window)
{
    frame->mdiArea()->setActiveSubWindow(window);
    ui::StepMode* mode = steps(window);
    const ui::LessonDock* panel = frame->lessonDock();
    if (panel->followed() != mode || !panel->isVisible())
        qFatal("the lesson panel does not show the step mode being measured");
}

// One step on, back to the first after the last: each call redraws the marks and the explanation.
template <class Window> void nextStep(Window* window)
{
    ui::StepMode* mode = steps(window);
    if (mode->currentStep() + 1 == mode->stepCount())
        mode->first();
    else
        mode->next();
}

// The detail table after a run, with the focus, so that its caret draws routes.
QPlainTextEdit* detailTable()
{
    auto* table = dijkstra()->findChild<QPlainTextEdit*>(QStringLiteral("Tabeldata"));
    if (table->document()->blockCount() < 2)
        bench::button(dijkstra(), QStringLiteral("Command1"))->click();
    dijkstra()->activateWindow();
    table->setFocus();
    return table;
}

// Moves the caret one line down, or back to the first line from the last.
void moveCaret()
{
    QPlainTextEdit* table = detailTable();
    QTextCursor cursor = table->textCursor();
    if (!cursor.movePosition(QTextCursor::NextBlock))
        cursor.movePosition(QTextCursor::Start);
    table->setTextCursor(cursor);
}

template <class Window> void closeWindow(Window* window)
{
    if (window)
        window->close();
}

struct Handler
{
    std::string name;
    std::function<void()> prepare; // before each call, untimed
    std::function<void()> call;    // the timed handler
    std::function<void()> finish = [] {};
};

void registerHandler(const Handler& h, int repetitions)
{
    const auto alone = [h](benchmark::State& state) {
        h.prepare();
        settle();
        const int paintsBefore = barPaints->count;
        for (auto _ : state)
            h.call();
        state.counters["bar_paints"] = barPaints->count - paintsBefore;
        settle();
        h.finish();
    };
    const auto painted = [h](benchmark::State& state) {
        h.prepare();
        settle();
        for (auto _ : state) {
            h.call();
            settle();
        }
        h.finish();
    };
    for (const auto& [suffix, body] :
         {std::pair<std::string, std::function<void(benchmark::State&)>>{"", alone},
          {"+paint", painted}}) {
        benchmark::RegisterBenchmark((h.name + suffix).c_str(), body)
            ->Iterations(1)
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(true)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    }
}

void registerHandlers(int repetitions)
{
    const std::vector<Handler> handlers = {
        {"dijkstra_run", [] { dijkstra(); },
         [] { bench::button(dijkstra(), QStringLiteral("Command1"))->click(); }},
        {"dijkstra_refusal", [] { setFirstWeight(QStringLiteral("-1")); },
         [] { bench::button(dijkstra(), QStringLiteral("Command1"))->click(); },
         [] { setFirstWeight(QStringLiteral("7")); }},
        {"dijkstra_detail_open",
         [] {
             if (detailOpen())
                 dijkstra()->toggleDetail();
         },
         [] { dijkstra()->toggleDetail(); }},
        {"dijkstra_detail_close",
         [] {
             if (!detailOpen())
                 dijkstra()->toggleDetail();
         },
         [] { dijkstra()->toggleDetail(); }},
        {"dijkstra_blink", [] { dijkstra(); }, [] { dijkstra()->blink(); }},
        {"menu_open_dijkstra", [] { closeWindow(bench::dijkstraWindow(*frame)); },
         [] { bench::chooseMenu(*frame, QStringLiteral("mnudijktra")); }},
        {"menu_open_floyd", [] { closeWindow(bench::floydWindow(*frame)); },
         [] { bench::chooseMenu(*frame, QStringLiteral("mnufloyd")); }},
        {"floyd_run", [] { floyd(); },
         [] { bench::button(floyd(), QStringLiteral("Command1"))->click(); }},
        {"menu_open_compare", [] { closeWindow(bench::compareWindow(*frame)); },
         [] { bench::chooseMenu(*frame, QStringLiteral("mnucompare")); }},
        {"compare_scenario4", [] { compare(); }, [] { bench::chooseScenario(compare(), 4); }},
        {"dijkstra_step", [] { stepsWithPanel(dijkstra()); }, [] { nextStep(dijkstra()); },
         [] { steps(dijkstra())->leave(); }},
        {"floyd_step", [] { stepsWithPanel(floyd()); }, [] { nextStep(floyd()); },
         [] { steps(floyd())->leave(); }},
        {"dijkstra_caret", [] { detailTable(); }, [] { moveCaret(); }},
        {"anynet30_dijkstra_step", [] { stepsWithPanel(thirtyNodes(false)); },
         [] { nextStep(thirtyNodes(false)); }, [] { steps(thirtyNodes(false))->leave(); }},
        {"anynet30_floyd_step", [] { stepsWithPanel(thirtyNodes(true)); },
         [] { nextStep(thirtyNodes(true)); }, [] { steps(thirtyNodes(true))->leave(); }},
        {"ownnetwork30_run", [] { ownThirty(); },
         [] { bench::button(ownThirty(), QStringLiteral("cmdProses"))->click(); }},
        {"anynet30_floyd_enter", [] { thirtyNodes(true)->stepMode()->leave(); },
         [] { thirtyNodes(true)->stepMode()->enter(); },
         [] { thirtyNodes(true)->stepMode()->leave(); }},
    };
    for (const Handler& h : handlers)
        registerHandler(h, repetitions);
}

} // namespace

int main(int argc, char* argv[])
{
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trayeko"));
    QApplication::setWindowIcon(ui::programWindowIcon());

    BarPaints paints;
    barPaints = &paints;
    app.installEventFilter(&paints);

    ui::MainWindow mainWindow;
    frame = &mainWindow;
    if (const QScreen* screen = mainWindow.screen())
        mainWindow.setGeometry(screen->availableGeometry());
    mainWindow.showMaximized();
    waitForExposure(mainWindow);

    int repetitions = 15;
    if (const QByteArray r = qgetenv("TRAYEKO_BENCH_REPETITIONS"); !r.isEmpty())
        repetitions = std::max(1, r.toInt());
    registerHandlers(repetitions);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
