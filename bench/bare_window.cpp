// The toolkit's floor: a frameless Qt window of the game's size and nothing else. It reports
// its first frame as the game's benchmark child does: microseconds since START, then quits
// (or stays, given "stay", for the memory figure). Given "text", it also draws one line of
// text: the floor of any window with words on it, font set-up included.
// Usage: bare_window START [stay|text]
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
    BareWindow(long long start, bool stay, bool text)
        : start_(start)
        , stay_(stay)
        , text_(text) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.setPen(Qt::white);
        if (text_) painter.drawText(40, 20, QStringLiteral("Brainlock Game"));
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
    bool text_;
    bool reported_ = false;
};

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const char* mode = argc > 2 ? argv[2] : "";
    BareWindow window(argc > 1 ? std::atoll(argv[1]) : monotonicMicros(),
                      std::strcmp(mode, "stay") == 0, std::strcmp(mode, "text") == 0);
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.resize(328, 304);
    window.show();
    return app.exec();
}
