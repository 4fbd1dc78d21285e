#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace trayeko::bench {

// What a measured program does besides showing its first windows: the real program opens its
// other windows and runs each once; the bare Qt baseline does nothing.
struct Workload
{
    // Before the idle measurement: every window open, the Dijkstra total blinking.
    std::function<void()> prepareIdle = [] {};
    // Before the peak memory is read: every window open and run once.
    std::function<void()> exerciseAll = [] {};
};

// Reads the measuring mode from the environment, for a process that trayeko_bench_procs
// started, and arranges it around the widgets whose first paint counts as "shown":
//
//   TRAYEKO_EXIT_AFTER_FIRST_PAINT=1  print "first_paint_ns <CLOCK_MONOTONIC>" once every widget
//                                     has been painted and flushed, "first_paint_cpu_ms" (user +
//                                     system time until then) and "first_paint_rss_kb" (peak
//                                     resident memory until then), then exit
//   TRAYEKO_BENCH_PEAK_RSS=1          after the first paint run exerciseAll, let it paint, print
//                                     "peak_rss_kb <n>" and exit
//   TRAYEKO_BENCH_IDLE_SECONDS=s      after the first paint run prepareIdle, wait one second, then
//                                     print "idle_cpu_percent <p>": user + system time over the
//                                     next s seconds as a percentage of one core, and exit
//
// Without any of them the program runs as usual.
void armProbe(const QList<QWidget*>& painted, Workload workload);

} // namespace trayeko::bench
