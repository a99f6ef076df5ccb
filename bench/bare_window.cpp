// The toolkit's floor: a frameless Qt window of the game's size and nothing else. It reports
// its first frame as the game's benchmark child does: microseconds since START, then quits
// (or stays, given "stay", for the memory and idle figures).
// Usage: bare_window START [stay]
#include "BenchClock.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

class BareWindow : public QWidget {
public:
    BareWindow(long long start, bool stay)
        : start_(start)
        , stay_(stay) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), Qt::black);
        if (std::exchange(reported_, true)) return;
        QTimer::singleShot(0, this, [this] {
            std::printf("%lld\n", monotonicMicros() - start_);
            std::fflush(stdout);
            if (!stay_) QCoreApplication::quit();
        });
    }

private:
    long long start_;
    bool stay_;
    bool reported_ = false;
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    BareWindow window(argc > 1 ? std::atoll(argv[1]) : monotonicMicros(),
                      argc > 2 && std::strcmp(argv[2], "stay") == 0);
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.resize(328, 304);
    window.show();
    return app.exec();
}
