// Start-up and display-paint figures.
//
//   startup_bench            runs the start-up RUNS times in fresh processes and prints the
//                            time from process start to the main window's first paint, then
//                            the cost of one paint of each display of the game panel.
//   startup_bench --child T  (internal) one start-up; T is the launcher's clock at exec time.
#include "Startup.h"
#include "controls/Seven.h"
#include "game/uMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRuns = 15;
constexpr int kPaints = 5000;

long long monotonicMicros() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

// Reports the first paint of any widget of the main window, then the end of that round.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget* window, long long start)
        : window_(window)
        , start_(start) {}

    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!seen_ && event->type() == QEvent::Paint && widget && widget->window() == window_) {
            seen_ = true;
            const long long begin = monotonicMicros() - start_;
            QTimer::singleShot(0, [this, begin] {
                std::printf("%lld %lld\n", begin, monotonicMicros() - start_);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    QWidget* window_;
    long long start_;
    bool seen_ = false;
};

int runChild(int argc, char* argv[], long long start) {
    QApplication app(argc, argv);
    const std::unique_ptr<TWindows> windows = createWindows(app);
    if (!windows) return 1;
    FirstPaint probe(windows->main.get(), start);
    app.installEventFilter(&probe);
    windows->main->show();
    return app.exec();
}

struct Figures {
    double min, median, max;
};

Figures summarise(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2], v.back()};
}

bool launchOnce(const char* self, double& firstPaintMs, double& frameDoneMs) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return false;
    const std::string start = std::to_string(monotonicMicros());
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        execl(self, self, "--child", start.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    char buffer[128] = {};
    const ssize_t got = read(pipeFds[0], buffer, sizeof buffer - 1);
    close(pipeFds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long long begin = 0, done = 0;
    if (got <= 0 || std::sscanf(buffer, "%lld %lld", &begin, &done) != 2) return false;
    firstPaintMs = begin / 1000.0;
    frameDoneMs = done / 1000.0;
    return true;
}

void benchStartup(const char* self) {
    std::vector<double> firstPaint, frameDone;
    for (int i = 0; i < kRuns; ++i) {
        double a = 0, b = 0;
        if (!launchOnce(self, a, b)) {
            std::fprintf(stderr, "start-up run %d failed\n", i);
            std::exit(1);
        }
        firstPaint.push_back(a);
        frameDone.push_back(b);
    }
    const Figures p = summarise(firstPaint), d = summarise(frameDone);
    std::printf("start-up, process start to first paint of the main window (%d runs):\n", kRuns);
    std::printf("  first paint begins   min %6.1f ms  median %6.1f ms  max %6.1f ms\n", p.min,
                p.median, p.max);
    std::printf("  first frame painted  min %6.1f ms  median %6.1f ms  max %6.1f ms\n", d.min,
                d.median, d.max);
}

void benchPaints(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::unique_ptr<TWindows> windows = createWindows(app);
    windows->main->show();
    QCoreApplication::processEvents();
    std::printf("one paint of each display of the game panel (%d paints each):\n", kPaints);
    const auto displays = windows->main->findChildren<controls::TSevenSegment*>();
    for (controls::TSevenSegment* display : displays) {
        display->setValue(display->objectName() == QLatin1String("ssLeft") ? "88" : "8");
        QImage target(display->size(), QImage::Format_RGB32);
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kPaints; ++i)
            display->render(&target); // the control's own paint: lay out, fill, copy
        const double micros = static_cast<double>(timer.nsecsElapsed()) / 1000.0 / kPaints;
        std::printf("  %-10s %2dx%-2d  %7.2f us\n", qPrintable(display->objectName()),
                    display->width(), display->height(), micros);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 3 && std::string(argv[1]) == "--child") {
        int childArgc = 1;
        return runChild(childArgc, argv, std::atoll(argv[2]));
    }
    benchStartup(argv[0]);
    benchPaints(argc, argv);
    return 0;
}
