// Spawns trayeko (through trayeko_bench_launcher) and the bare Qt baseline as processes, several
// times each and interleaved so that both see the same machine load, and prints the medians:
//
//   startup_ms_program / startup_ms_baseline     process start to both windows painted once
//   startup_cpu_ms_program / _baseline           user + system time the process spent till then
//   startup_rss_kb_program / _baseline           peak resident memory till then
//   idle_cpu_percent_program / _baseline         user + system time while idle, % of one core
//   peak_rss_kb_program / _baseline              peak resident memory with every window run
//
// one "key value" per line. The platform (offscreen, xcb) is whatever the environment selects.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <future>
#include <map>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// A child that has not printed its figure by then (setup plus the idle wait) is stuck.
constexpr int kChildTimeoutSeconds = 30;
constexpr int kSettleMs = 300;
constexpr int kIdleRuns = 3;

long long monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1'000'000'000LL + ts.tv_nsec;
}

std::string siblingPath(const char* name)
{
    std::vector<char> buffer(4096);
    const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    std::string self = n > 0 ? std::string(buffer.data(), size_t(n)) : std::string("./x");
    return self.substr(0, self.rfind('/') + 1) + name;
}

struct ChildRun
{
    long long spawnedNs = 0;
    std::map<std::string, double> values;
};

// Runs @p program with @p settings added to the environment and collects the "key value" lines it
// prints. Nothing on failure or when it does not finish in time.
std::optional<ChildRun> runChild(const std::string& program,
                                 const std::vector<std::string>& settings, int timeoutSeconds,
                                 std::string& why)
{
    int out[2];
    if (pipe(out) != 0)
        return std::nullopt;

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        env.emplace_back(*e);
    env.insert(env.end(), settings.begin(), settings.end());
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    std::string path = program;
    char* argv[] = {path.data(), nullptr};
    ChildRun run;
    pid_t pid = 0;
    run.spawnedNs = monotonicNs();
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        why = std::string("cannot start it: ") + std::strerror(spawned);
        return std::nullopt;
    }

    std::string text;
    const long long deadline = run.spawnedNs + timeoutSeconds * 1'000'000'000LL;
    bool timedOut = false;
    for (;;) {
        const long long left = deadline - monotonicNs();
        if (left <= 0) {
            timedOut = true;
            break;
        }
        pollfd fd{out[0], POLLIN, 0};
        const int ready = poll(&fd, 1, int(left / 1'000'000) + 1);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            continue;
        char chunk[512];
        const ssize_t got = read(out[0], chunk, sizeof chunk);
        if (got <= 0)
            break;
        text.append(chunk, size_t(got));
    }
    close(out[0]);
    if (timedOut)
        kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    if (timedOut || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        why = timedOut ? "it did not finish in time" : "it failed";
        return std::nullopt;
    }

    std::istringstream lines(text);
    std::string key;
    double value = 0;
    while (lines >> key >> value)
        run.values[key] = value;
    return run;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

// The figures one child printed, or nothing when it failed or did not print @p key. The first
// paint becomes milliseconds since the process was started.
std::optional<std::map<std::string, double>> measure(const std::string& program,
                                                     const std::vector<std::string>& settings,
                                                     const std::string& key, int extraSeconds)
{
    // A busy X server now and then refuses a connection; such a start is tried again.
    std::optional<ChildRun> run;
    std::string why = "it did not print " + key;
    for (int attempt = 0; attempt < 3 && !(run && run->values.count(key)); ++attempt)
        run = runChild(program, settings, kChildTimeoutSeconds + extraSeconds, why);
    if (!run || !run->values.count(key)) {
        std::fprintf(stderr, "%s (%s), three starts: %s\n", program.c_str(),
                     settings.front().c_str(), why.c_str());
        return std::nullopt;
    }
    if (key == "first_paint_ns")
        run->values[key] = (run->values[key] - double(run->spawnedNs)) / 1e6;
    return run->values;
}

int argument(int argc, char* argv[], const std::string& name, int fallback)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (argv[i] == name)
            return std::atoi(argv[i + 1]);
    return fallback;
}

} // namespace

int main(int argc, char* argv[])
{
    const int startupRuns = argument(argc, argv, "--startup-runs", 21);
    const int idleSeconds = argument(argc, argv, "--idle-seconds", 10);
    const int rssRuns = argument(argc, argv, "--rss-runs", 3);

    struct Program
    {
        std::string who;
        std::string path;
        std::string setting; // its own addition to the environment, if any
    };
    const std::vector<Program> programs = {
        {"program", siblingPath("trayeko_bench_launcher"), ""},
        {"baseline", siblingPath("trayeko_bench_baseline"), ""},
        // Context only: the baseline with one line of text, which is what loading the fonts
        // costs any Qt program.
        {"baseline_text", siblingPath("trayeko_bench_baseline"), "TRAYEKO_BASELINE_TITLE=1"},
    };
    std::map<std::string, std::vector<double>> samples;
    bool failed = false;

    // Runs every program @p runs times with @p setting; @p figures maps what a child prints (the
    // first one it must print) to the figure's name.
    const auto collect = [&](const std::vector<std::pair<std::string, std::string>>& figures,
                             const std::string& setting, int runs, bool warmUp, int extraSeconds) {
        for (int i = warmUp ? -1 : 0; i < runs; ++i) {
            // Alternate which one goes first, so that neither always follows the other.
            for (size_t p = 0; p < programs.size(); ++p) {
                const auto& [who, path, own] = programs[(size_t(i + 1) + p) % programs.size()];
                std::vector<std::string> settings = {setting};
                if (!own.empty())
                    settings.push_back(own);
                // A process started right after another one ended starts up to a third slower
                // here (the system is still reclaiming the last one's memory): let it settle.
                std::this_thread::sleep_for(std::chrono::milliseconds(kSettleMs));
                const auto values = measure(path, settings, figures.front().first, extraSeconds);
                if (!values) {
                    failed = true;
                    continue;
                }
                for (const auto& [printed, figure] : figures)
                    if (i >= 0 && values->count(printed))
                        samples[figure + "_" + who].push_back(values->at(printed));
            }
        }
    };

    collect({{"first_paint_ns", "startup_ms"},
             {"first_paint_cpu_ms", "startup_cpu_ms"},
             {"first_paint_rss_kb", "startup_rss_kb"}},
            "TRAYEKO_EXIT_AFTER_FIRST_PAINT=1", startupRuns, true, 0);
    collect({{"peak_rss_kb", "peak_rss_kb"}}, "TRAYEKO_BENCH_PEAK_RSS=1", rssRuns, false, 0);
    // An idle run adds up to a few tens of milliseconds of processor time, a coarse sample that
    // varies by half from run to run; several runs are taken side by side, which idle processes
    // allow, and the median kept.
    if (idleSeconds > 0) {
        const std::string setting = "TRAYEKO_BENCH_IDLE_SECONDS=" + std::to_string(idleSeconds);
        std::vector<
            std::pair<std::string, std::future<std::optional<std::map<std::string, double>>>>>
            running;
        for (int i = 0; i < kIdleRuns; ++i)
            for (const auto& [who, path, own] : programs)
                if (own.empty())
                    running.emplace_back(who, std::async(std::launch::async, [&, path = path] {
                                             return measure(path, {setting}, "idle_cpu_percent",
                                                            idleSeconds);
                                         }));
        for (auto& [who, result] : running) {
            const auto values = result.get();
            if (values)
                samples["idle_cpu_percent_" + who].push_back(values->at("idle_cpu_percent"));
            else
                failed = true;
        }
    }

    for (const auto& [figure, values] : samples)
        std::printf("%s %.3f\n", figure.c_str(), median(values));
    return failed ? 1 : 0;
}
