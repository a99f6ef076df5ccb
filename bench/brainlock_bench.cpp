// The benchmark: one table of the game's figures, each beside its target and its method, with
// a bare Qt window of the game's size (bare_window) as the toolkit's floor for start-up and
// memory. Run from the runtime folder on an X server; scripts/bench does both.
//
//   brainlock_bench                  the whole table (IDLE_SECONDS sets the idle spans, 30)
//   brainlock_bench --start-up       the start-up rows and their breakdown only
//   brainlock_bench --first-paint T  (internal) one start-up of the game; T is the launcher's
//                                    clock at fork time
#include "BenchClock.h"
#include "BenchTable.h"
#include "ChildProcess.h"
#include "StartUpBench.h"
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

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace bench;

constexpr int kPaints = 2000;
constexpr int kDialogBuilds = 200;
constexpr int kGuessClicks = 10;
constexpr auto kSettleTime = std::chrono::seconds(2);

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
            fixed(percent, "%", 3), music ? "<= 0.7 %" : "< 0.005 %", method.c_str());
    }
    const char* method = "VmRSS 2 s after start";
    row("resident memory, game (music on)", fixed(gameMB, "MB"), "<= 44 MB", method);
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
        return bench::runFirstPaintChild(childArgc, argv, std::atoll(argv[2]));
    }
    const std::string self =
        QDir::current().absoluteFilePath(QStringLiteral("brainlock_bench")).toStdString();
    const std::string bare =
        QDir::current().absoluteFilePath(QStringLiteral("bare_window")).toStdString();
    const char* idle = std::getenv("IDLE_SECONDS");
    const int idleSeconds = idle ? std::max(1, std::atoi(idle)) : 30;
    QTemporaryDir dir;
    const std::string config = settingsFolder(dir, true);

    bench::printTableHeader();
    bench::benchStartUp(self, bare, config);
    if (argc == 2 && std::strcmp(argv[1], "--start-up") == 0) return 0;
    benchMemoryAndIdle(bare, dir, idleSeconds);
    benchInProcess(argc, argv, config);
    return 0;
}
