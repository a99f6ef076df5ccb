// The toolkit's floor: a frameless Qt window of the game's size and nothing else. It reports
// its start-up as the game's benchmark child does, phase by phase in microseconds since
// START (printStartupMarks), then quits (or stays, given "stay", for the memory figure). Given
// "text", it also draws one line of text: the floor of any window with words on it, font set-up
// included. Usage: bare_window START [stay|text]
#include "BenchClock.h"
#include "platform/system/StartupTrace.h"

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
    BareWindow(bool stay, bool text)
        : stay_(stay)
        , text_(text) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.setPen(Qt::white);
        if (text_) painter.drawText(40, 20, QStringLiteral("Brainlock Game"));
        if (std::exchange(reported_, true)) return;
        QTimer::singleShot(0, this, [this] {
            platform::startupMark("first paint");
            printStartupMarks();
            if (!stay_) QCoreApplication::quit();
        });
    }

private:
    bool stay_;
    bool text_;
    bool reported_ = false;
};

int main(int argc, char* argv[]) {
    platform::enableStartupTrace(argc > 1 ? std::atoll(argv[1]) : monotonicMicros());
    markProcessStart();
    QApplication app(argc, argv);
    platform::startupMark("application object");
    const char* mode = argc > 2 ? argv[2] : "";
    BareWindow window(std::strcmp(mode, "stay") == 0, std::strcmp(mode, "text") == 0);
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.resize(328, 304);
    window.show();
    platform::startupMark("show");
    return app.exec();
}
