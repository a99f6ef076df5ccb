// The benchmark: one table of the game's figures, each beside its target and its method, with
// a bare Qt window of the game's size (bare_window) as the toolkit's floor for start-up and
// memory. Run from the runtime folder on an X server; scripts/bench does both.
//
//   brainlock_bench                  the whole table (IDLE_SECONDS sets the idle spans, 30)
//   brainlock_bench --start-up       the start-up rows and their breakdown only
//   brainlock_bench --first-paint T  (internal) one start-up of the game; T is the launcher's
//                                    clock at fork time
#include "BenchClock.h"
#include "Startup.h"
#include "about/uAbout.h"
#include "controls/Banner.h"
#include "controls/ProCtrls.h"
#include "controls/ProDlgs.h"
#include "controls/Seven.h"
#include "controls/TransBtn.h"
#include "game/Settings.h"
#include "game/uMain.h"
#include "platform/audio/MediaPlayer.h"
#include "platform/system/StartupTrace.h"
#include "platform/widgets/Fonts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <map>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kStartRuns = 20;
constexpr int kPaints = 2000;
constexpr int kDialogBuilds = 200;
constexpr int kGuessClicks = 10;
constexpr auto kSettleTime = std::chrono::seconds(2);

// Output --------------------------------------------------------------------------------

void row(const char* what, const std::string& figure, const char* target, const char* method) {
    std::printf("%-40s %12s  %-9s %s\n", what, figure.c_str(), target, method);
}

std::string fixed(double value, const char* unit, int decimals = 1) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f %s", decimals, value, unit);
    return text;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Processes ------------------------------------------------------------------------------

struct Child {
    pid_t pid = -1;
    int out = -1; // its standard output
};

// Starts a program with extra environment, its output on a pipe, its errors discarded.
Child spawn(const std::vector<std::string>& args, const std::vector<std::string>& env) {
    int fds[2];
    if (pipe(fds) != 0) std::exit(2);
    Child child;
    child.pid = fork();
    if (child.pid == 0) {
        for (const std::string& entry : env)
            putenv(const_cast<char*>(entry.c_str()));
        dup2(fds[1], STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        close(fds[0]);
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(fds[1]);
    child.out = fds[0];
    return child;
}

std::string readLine(int fd) {
    std::string line;
    char c = 0;
    while (read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

void stop(Child& child) {
    kill(child.pid, SIGTERM);
    waitpid(child.pid, nullptr, 0);
    close(child.out);
}

// Resident memory in MB, from /proc/<pid>/status.
double residentMB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
    }
    return 0;
}

// Time on a processor of each of the process's threads, in ns (schedstat counts exactly,
// where the tick counters of /proc/<pid>/stat only count 10 ms steps).
std::map<QString, double> threadNanos(pid_t pid) {
    std::map<QString, double> threads;
    for (const QString& task : QDir(QStringLiteral("/proc/%1/task").arg(pid))
                                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream stat(
            QStringLiteral("/proc/%1/task/%2/schedstat").arg(pid).arg(task).toStdString());
        double nanos = 0;
        if (stat >> nanos) threads[task] = nanos;
    }
    return threads;
}

// The run time the threads added between two readings: a thread that ended in between takes
// its whole count away with it, so each thread is compared with itself.
double addedNanos(const std::map<QString, double>& before, const std::map<QString, double>& after) {
    double total = 0;
    for (const auto& [task, nanos] : after) {
        const auto earlier = before.find(task);
        total += nanos - (earlier == before.end() ? 0.0 : earlier->second);
    }
    return total;
}

// A settings folder with the game's first-run values, the music on or off.
std::string settingsFolder(QTemporaryDir& dir, bool music) {
    const QString folder = dir.path() + (music ? QStringLiteral("/on") : QStringLiteral("/off"));
    QDir().mkpath(folder + QStringLiteral("/Norvane"));
    game::TSettings settings;
    settings.Music = music;
    std::ofstream file(folder.toStdString() + "/Norvane/Brainlock.conf");
    file << "[General]\n";
    for (const game::SettingField& field : game::kSettingFields)
        file << field.name << '=' << field.stored(settings) << '\n';
    return "XDG_CONFIG_HOME=" + folder.toStdString();
}

// Start-up -------------------------------------------------------------------------------

// One start of a program that reports its start-up phase by phase: each phase's end, in ms
// since the fork, in the order they came, the shares (within the phases) after them.
struct StartMarks {
    std::vector<std::string> phases;
    std::map<std::string, double> endMs;
};

StartMarks startMarks(const std::vector<std::string>& program, const std::string& config,
                      const char* mode = nullptr) {
    std::vector<std::string> args = program;
    args.push_back(std::to_string(monotonicMicros()));
    if (mode && *mode) args.push_back(mode);
    Child child = spawn(args, {config});
    StartMarks marks;
    for (std::string line = readLine(child.out); !line.empty() && line != "end";
         line = readLine(child.out)) {
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos) break;
        const std::string phase = line.substr(0, tab);
        marks.phases.push_back(phase);
        marks.endMs[phase] = std::atof(line.c_str() + tab + 1) / 1000.0;
    }
    waitpid(child.pid, nullptr, 0);
    close(child.out);
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

int runFirstPaintChild(int argc, char* argv[], long long start) {
    platform::enableStartupTrace(start);
    platform::startupMark("process start and libraries");
    platform::startReadingFontConfiguration(); // as the game's main does
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
    std::printf("\n%-40s %12s %12s\n", "  start-up, phase by phase (median of 20)", "game",
                "bare + text");
    for (const std::string& phase : game.phases) {
        const auto floor = bare.ms.find(phase);
        const std::string name = (isShare(phase) ? "    (within) " : "    ") + phase;
        std::printf("%-40s %12s %12s\n", name.c_str(), fixed(game.ms.at(phase), "ms", 2).c_str(),
                    floor == bare.ms.end() ? "" : fixed(floor->second, "ms", 2).c_str());
    }
    std::printf("\n");
}

void benchStartUp(const std::string& self, const std::string& bare, const std::string& config) {
    std::vector<StartMarks> game, floor, textFloor;
    for (int i = 0; i < kStartRuns; ++i) { // interleaved, so drift touches all alike
        game.push_back(startMarks({self, "--first-paint"}, config));
        floor.push_back(startMarks({bare}, config, ""));
        textFloor.push_back(startMarks({bare}, config, "text"));
    }
    const auto firstPaints = [](const std::vector<StartMarks>& runs) {
        std::vector<double> ms;
        for (const StartMarks& run : runs)
            ms.push_back(run.endMs.at("first paint"));
        return median(ms);
    };
    const double g = firstPaints(game), b = firstPaints(floor), t = firstPaints(textFloor);
    const std::string method =
        "median of " + std::to_string(kStartRuns) + " starts: fork to the end of the first frame";
    row("first paint, game", fixed(g, "ms"), "<= 60 ms", method.c_str());
    row("first paint, bare Qt window", fixed(b, "ms"), "", method.c_str());
    row("first paint, bare window + a text line", fixed(t, "ms"), "", method.c_str());
    row("  game : bare", fixed(g / b, "x", 2), "", "ratio of the medians");
    row("  game : bare with text", fixed(g / t, "x", 2), "<= 1.10x", "ratio of the medians");
    printBreakdown(phaseMedians(game), phaseMedians(textFloor));
}

// Memory and idle ------------------------------------------------------------------------

void benchMemoryAndIdle(const std::string& bare, QTemporaryDir& dir, int idleSeconds) {
    Child floor = spawn({bare, std::to_string(monotonicMicros()), "stay"}, {});
    std::this_thread::sleep_for(kSettleTime);
    const double bareMB = residentMB(floor.pid);
    stop(floor);

    double gameMB = 0;
    for (const bool music : {false, true}) {
        Child game = spawn({"./brainlock"}, {settingsFolder(dir, music)});
        std::this_thread::sleep_for(kSettleTime);
        if (music) gameMB = residentMB(game.pid);
        const auto before = threadNanos(game.pid);
        std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
        const double added = addedNanos(before, threadNanos(game.pid));
        const double percent = added / 1e9 / idleSeconds * 100.0;
        stop(game);
        const std::string method = "all threads' run time (schedstat) over " +
                                   std::to_string(idleSeconds) + " s untouched";
        row(music ? "idle processor, music on" : "idle processor, music off",
            fixed(percent, "%", 3), music ? "< 1.5 %" : "< 0.05 %", method.c_str());
    }
    const char* method = "VmRSS 2 s after start";
    row("resident memory, game (music on)", fixed(gameMB, "MB"), "< 50 MB", method);
    row("resident memory, bare Qt window", fixed(bareMB, "MB"), "", method);
    row("  game : bare", fixed(gameMB / bareMB, "x", 2), "", "ratio");
}

// In-process figures ---------------------------------------------------------------------

template <class Work> double meanMicros(int times, Work&& work) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < times; ++i)
        work();
    return static_cast<double>(timer.nsecsElapsed()) / 1000.0 / times;
}

double paintMicros(QWidget* widget) {
    QImage target(widget->size(), QImage::Format_ARGB32_Premultiplied);
    return meanMicros(kPaints, [&] { widget->render(&target); });
}

void paintRow(const char* what, double micros, const char* method) {
    row(what, fixed(micros, "us"), "< 200 us", method);
}

void benchPaints(TWindows& windows) {
    double slowest = 0;
    QString slowestName;
    for (auto* display : windows.main->findChildren<controls::TSevenSegment*>()) {
        display->setValue(display->objectName() == QLatin1String("ssLeft") ? "88" : "8");
        const double micros = paintMicros(display);
        if (micros > slowest) slowest = micros, slowestName = display->objectName();
    }
    const std::string sevenMethod = "mean of 2000 renders, the slowest display (" +
                                    slowestName.toStdString() + "), all segments lit";
    paintRow("paint, seven-segment display", slowest, sevenMethod.c_str());

    auto* button = windows.main->findChild<controls::TTransparentButton*>("tbCloseMain");
    paintRow("paint, transparent button", paintMicros(button),
             "mean of 2000 renders of the window's \"X\" (17 x 17, ring frame, caption)");

    controls::TBanner* banner = windows.about->banner();
    QImage frame(banner->size(), QImage::Format_ARGB32_Premultiplied);
    paintRow("banner step",
             meanMicros(kPaints,
                        [&] {
                            banner->ScrollStep();
                            banner->render(&frame);
                        }),
             "mean of 2000 steps of the about box's credits, each with its paint");

    controls::TProLabel label;
    label.setFont(QFont(label.font().family(), 12, QFont::Bold));
    label.setCaption(QStringLiteral("Correct Number"));
    label.setShadowStyle(controls::ssThickShadow);
    label.resize(140, 24);
    paintRow("paint, effect label", paintMicros(&label),
             "mean of 2000 renders, 140 x 24, 12 pt bold, thick shadow (five copies)");

    const double build = meanMicros(kDialogBuilds, [] {
        controls::TInfoForm form;
        form.InfoLabel->setCaption(QStringLiteral("You Win !!\nSecret Number: 0712"));
        form.scaleTo(96);
    });
    row("build, info dialog", fixed(build, "us"), "",
        "mean of 200: built, worded, scaled to 96 dpi, freed");
}

// Counts paints of the score displays.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void sendClick(QWidget* widget) {
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

void benchGuessClick(game::TfMain& main) {
    auto* guess = main.findChild<QPushButton*>("pbGuess");
    auto* numbers = main.findChild<controls::TSevenSegment*>("ssNumbers");
    auto* place = main.findChild<controls::TSevenSegment*>("ssPlace");
    PaintCounter counter;
    numbers->installEventFilter(&counter);
    place->installEventFilter(&counter);
    std::vector<double> millis;
    for (int i = 0; i < kGuessClicks; ++i) {
        const std::string& secret = main.gameState().secret();
        const std::string attempt = secret.rfind("1234", 0) == 0 ? "5678901234" : "1234567890";
        for (int d = 0; d < main.gameState().digitCount(); ++d)
            main.findChild<QAbstractButton*>(QStringLiteral("sb") + QChar(attempt[d]))->click();
        numbers->setValue(QStringLiteral("8")); // no score shows 8: the guess must repaint
        place->setValue(QStringLiteral("8"));
        QCoreApplication::processEvents();
        counter.paints = 0;
        QElapsedTimer timer;
        timer.start();
        sendClick(guess);
        while (counter.paints < 2 && timer.elapsed() < 1000)
            QCoreApplication::processEvents();
        millis.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    row("click on Guess to scores repainted", fixed(median(millis), "ms", 2), "< 16.7 ms",
        "median of 10 wrong guesses: press and release sent, until both scores painted");
}

void benchInProcess(int argc, char* argv[], const std::string& config) {
    putenv(const_cast<char*>(config.c_str()));
    QApplication app(argc, argv);
    const std::unique_ptr<TWindows> windows = createWindows(app);
    if (!windows) std::exit(1);
    windows->main->show();
    buildAboutWindow(*windows);
    windows->about->show();
    platform::startAudio();
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500)
        QCoreApplication::processEvents();
    benchPaints(*windows);
    windows->about->hide();
    benchGuessClick(*windows->main);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], "--first-paint") == 0) {
        int childArgc = 1;
        return runFirstPaintChild(childArgc, argv, std::atoll(argv[2]));
    }
    const std::string self =
        QDir::current().absoluteFilePath(QStringLiteral("brainlock_bench")).toStdString();
    const std::string bare =
        QDir::current().absoluteFilePath(QStringLiteral("bare_window")).toStdString();
    const char* idle = std::getenv("IDLE_SECONDS");
    const int idleSeconds = idle ? std::max(1, std::atoi(idle)) : 30;
    QTemporaryDir dir;
    const std::string config = settingsFolder(dir, true);

    std::printf("%-40s %12s  %-9s %s\n", "figure", "measured", "target", "method");
    benchStartUp(self, bare, config);
    if (argc == 2 && std::strcmp(argv[1], "--start-up") == 0) return 0;
    benchMemoryAndIdle(bare, dir, idleSeconds);
    benchInProcess(argc, argv, config);
    return 0;
}
