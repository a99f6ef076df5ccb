#include "StartUpBench.h"

#include "BenchClock.h"
#include "BenchTable.h"
#include "ChildProcess.h"
#include "Startup.h"
#include "game/uMain.h"
#include "platform/system/StartupTrace.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace bench {

namespace {

constexpr int kStartRuns = 20;
constexpr int kLoadedStartRuns = 20;

// One start of a program that reports its start-up phase by phase: each phase's end, in ms
// since the fork, in the order they came, the shares (within the phases) after them.
struct StartMarks {
    std::vector<std::string> phases;
    std::map<std::string, double> endMs;
    int processor = -1;
};

StartMarks startMarks(const std::vector<std::string>& program, const std::string& config,
                      int processor, const char* mode = nullptr) {
    std::vector<std::string> args = program;
    args.push_back(std::to_string(monotonicMicros()));
    if (mode && *mode) args.push_back(mode);
    Child child = spawn(args, {config}, processor);
    StartMarks marks;
    for (std::string line = readLine(child.out); !line.empty() && line != "end";
         line = readLine(child.out)) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) break;
        const std::string phase = line.substr(0, tab);
        if (phase == "processor") {
            marks.processor = std::atoi(line.c_str() + tab + 1);
            continue;
        }
        marks.phases.push_back(phase);
        marks.endMs[phase] = std::atof(line.c_str() + tab + 1) / 1000.0;
    }
    reap(child);
    if (!marks.endMs.count("first paint")) {
        std::fprintf(stderr, "%s did not report its first paint\n", program[0].c_str());
        std::exit(1);
    }
    return marks;
}

// Reports the end of the first frame of the main window, then quits.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window)
        : window_(window) {}

    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!seen_ && event->type() == QEvent::Paint && widget && widget->window() == window_) {
            seen_ = true;
            QTimer::singleShot(0, [] { // after the whole frame
                platform::startupMark("first paint");
                printStartupMarks();
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget* window_;
    bool seen_ = false;
};

// What each phase took in every start, the median of each: a phase from the end of the one
// before it; a share (the pictures) is a whole of its own, inside the phases.
struct PhaseMedians {
    std::vector<std::string> phases;
    std::map<std::string, double> ms;
};

bool isShare(const std::string& phase) {
    return phase == "pictures";
}

PhaseMedians phaseMedians(const std::vector<StartMarks>& runs) {
    std::map<std::string, std::vector<double>> took;
    for (const StartMarks& run : runs) {
        double previous = 0;
        for (const std::string& phase : run.phases) {
            const double end = run.endMs.at(phase);
            took[phase].push_back(isShare(phase) ? end : end - previous);
            if (!isShare(phase)) previous = end;
        }
    }
    PhaseMedians medians{runs.front().phases, {}};
    for (const auto& [phase, values] : took)
        medians.ms[phase] = median(values);
    return medians;
}

void printBreakdown(const PhaseMedians& game, const PhaseMedians& bare) {
    const std::string heading =
        "  start-up, phase by phase (median of " + std::to_string(kStartRuns) + ")";
    std::printf("\n%-40s %12s %12s\n", heading.c_str(), "game", "bare + text");
    for (const std::string& phase : game.phases) {
        const auto floor = bare.ms.find(phase);
        const std::string name = (isShare(phase) ? "    (within) " : "    ") + phase;
        std::printf("%-40s %12s %12s\n", name.c_str(), fixed(game.ms.at(phase), "ms", 2).c_str(),
                    floor == bare.ms.end() ? "" : fixed(floor->second, "ms", 2).c_str());
    }
    std::printf("\n");
}

double firstPaints(const std::vector<StartMarks>& runs) {
    std::vector<double> ms;
    for (const StartMarks& run : runs)
        ms.push_back(run.endMs.at("first paint"));
    return median(ms);
}

// Programs that keep every processor busy at the launcher's own priority, as other programs
// do on a player's busy machine.
std::vector<pid_t> startSpinners() {
    std::vector<pid_t> spinners;
    for (std::size_t i = 0; i < usableProcessors().size(); ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            static volatile bool spinning = true;
            while (spinning) {
            }
        }
        spinners.push_back(pid);
    }
    return spinners;
}

void stopSpinners(const std::vector<pid_t>& spinners) {
    for (const pid_t pid : spinners) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

// The game beside the bare window with text while every processor is busy: what the first
// frame waits for must not wait behind the other programs.
void benchStartUpUnderLoad(const std::string& self, const std::string& bare,
                           const std::string& config) {
    const std::vector<pid_t> spinners = startSpinners();
    std::vector<StartMarks> game, textFloor;
    for (int i = 0; i < kLoadedStartRuns; ++i) {
        game.push_back(startMarks({self, "--first-paint"}, config, -1));
        textFloor.push_back(startMarks({bare}, config, -1, "text"));
    }
    stopSpinners(spinners);
    const double g = firstPaints(game), t = firstPaints(textFloor);
    const std::string method = "median of " + std::to_string(kLoadedStartRuns) +
                               " starts each, every processor kept busy (game " + fixed(g, "ms") +
                               ", bare " + fixed(t, "ms") + ")";
    row("  every processor busy: game : bare + text", fixed(g / t, "x", 2), "<= 1.10x",
        method.c_str());
}

// How one program's starts fell on the processors, with the median process start on each: a
// processor that ran slower for a while shows here.
void printPlacement(const char* what, const std::vector<StartMarks>& runs) {
    std::map<int, std::vector<double>> starts;
    for (const StartMarks& run : runs)
        starts[run.processor].push_back(run.endMs.at("process start and libraries"));
    std::string counts, processors, times;
    for (const auto& [processor, ms] : starts) {
        const char* between = counts.empty() ? "" : " / ";
        counts += between + std::to_string(ms.size());
        processors += between + std::to_string(processor);
        times += between + fixed(median(ms), "ms");
    }
    const std::string method = "starts on processors " + processors + ", process start " + times;
    row(what, counts, "", method.c_str());
}

} // namespace

int runFirstPaintChild(int argc, char* argv[], long long launchedAtMicros) {
    platform::enableStartupTrace(launchedAtMicros);
    markProcessStart();
    startWorkAheadOfTheWindow(); // as the game's main does
    QApplication app(argc, argv);
    platform::startupMark("application object");
    const std::unique_ptr<TWindows> windows = createWindows(app);
    if (!windows) return 1;
    FirstPaint probe(windows->main.get());
    app.installEventFilter(&probe);
    windows->main->show();
    platform::startupMark("show");
    return app.exec();
}

void benchStartUp(const std::string& self, const std::string& bare, const std::string& config) {
    std::vector<StartMarks> game, floor, textFloor;
    // Interleaved, so drift touches all alike, and each program started as often on each
    // processor.
    const std::vector<int> processors = usableProcessors();
    for (int i = 0; i < kStartRuns; ++i) {
        const int processor =
            processors.empty() ? -1 : processors[static_cast<std::size_t>(i) % processors.size()];
        game.push_back(startMarks({self, "--first-paint"}, config, processor));
        floor.push_back(startMarks({bare}, config, processor, ""));
        textFloor.push_back(startMarks({bare}, config, processor, "text"));
    }
    const double g = firstPaints(game), b = firstPaints(floor), t = firstPaints(textFloor);
    const std::string method =
        "median of " + std::to_string(kStartRuns) + " starts: fork to the end of the first frame";
    row("first paint, game", fixed(g, "ms"), "<= 60 ms", method.c_str());
    row("first paint, bare Qt window", fixed(b, "ms"), "", method.c_str());
    row("first paint, bare window + a text line", fixed(t, "ms"), "", method.c_str());
    row("  game : bare", fixed(g / b, "x", 2), "", "ratio of the medians");
    row("  game : bare with text", fixed(g / t, "x", 2), "<= 1.10x", "ratio of the medians");
    printPlacement("  placement, game", game);
    printPlacement("  placement, bare window + a text line", textFloor);
    benchStartUpUnderLoad(self, bare, config);
    printBreakdown(phaseMedians(game), phaseMedians(textFloor));
}

} // namespace bench
