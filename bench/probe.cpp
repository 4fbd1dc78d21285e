#include "bench/probe.h"

#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace trayeko::bench {

namespace {

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1'000'000'000LL + ts.tv_nsec;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& tv) { return double(tv.tv_sec) + tv.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

long peakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

[[noreturn]] void report(const char* key, double value)
{
    std::printf("%s %.6f\n", key, value);
    std::fflush(stdout);
    // Tearing the windows down is not part of any figure.
    std::_Exit(0);
}

// Calls done once every watched widget has received its first paint event, on the next turn
// of the event loop, when the backing store holding that paint has been flushed.
class FirstPaint final : public QObject
{
public:
    FirstPaint(const QList<QWidget*>& widgets, std::function<void()> done)
        : pending_(widgets.begin(), widgets.end()), done_(std::move(done))
    {
        for (QWidget* w : widgets)
            w->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && pending_.removeOne(watched)) {
            watched->removeEventFilter(this);
            if (pending_.isEmpty())
                QTimer::singleShot(0, this, [this] { done_(); });
        }
        return false;
    }

private:
    QList<QObject*> pending_;
    std::function<void()> done_;
};

int envInt(const char* name)
{
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? 0 : value.toInt();
}

} // namespace

void armProbe(const QList<QWidget*>& painted, Workload workload)
{
    if (envInt("TRAYEKO_EXIT_AFTER_FIRST_PAINT") != 0) {
        new FirstPaint(painted, [] {
            const double now = double(monotonicNs());
            std::printf("first_paint_cpu_ms %.3f\n", 1000 * cpuSeconds());
            std::printf("first_paint_rss_kb %ld\n", peakRssKb());
            report("first_paint_ns", now);
        });
        return;
    }
    if (envInt("TRAYEKO_BENCH_PEAK_RSS") != 0) {
        new FirstPaint(painted, [workload] {
            workload.exerciseAll();
            // Long enough for every window the workload touched to paint.
            QTimer::singleShot(200, [] { report("peak_rss_kb", double(peakRssKb())); });
        });
        return;
    }
    if (const int seconds = envInt("TRAYEKO_BENCH_IDLE_SECONDS"); seconds > 0) {
        new FirstPaint(painted, [workload, seconds] {
            workload.prepareIdle();
            QTimer::singleShot(1000, [seconds] {
                const double cpu = cpuSeconds();
                const long long start = monotonicNs();
                QTimer::singleShot(seconds * 1000, [cpu, start] {
                    const double wall = double(monotonicNs() - start) / 1e9;
                    report("idle_cpu_percent", 100.0 * (cpuSeconds() - cpu) / wall);
                });
            });
        });
    }
}

} // namespace trayeko::bench
