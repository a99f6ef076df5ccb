// Plays a sound file through the game's own media player into SDL's disk output and reports
// the level of what came out: a file that decodes but sounds silent, or that clips, fails.
// Usage: render_audio FILE [SECONDS [KEEP]]   (prints "FILE: N s sounding, peak P, rms R";
// KEEP names a file to keep the raw 16-bit stereo 44.1 kHz output in, for listening)
#include "platform/audio/MediaPlayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <SDL.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

// An effect that has ended leaves the output idle: nothing more is written (the device's
// thread is held, not even silence goes out) until the effect plays again, and then it sounds.
int idleThenAgain(const QString& file, const QString& output) {
    platform::TMediaPlayer player;
    player.Open(file);
    platform::startAudio();
    const auto playToTheEnd = [&] {
        player.Play();
        while (player.mode() == platform::TMediaPlayer::Mode::Playing)
            SDL_Delay(5);
        for (int i = 0; i < 20; ++i) { // the end is noticed on this thread
            QCoreApplication::processEvents();
            SDL_Delay(5);
        }
    };
    playToTheEnd();
    const qint64 idle = QFile(output).size();
    SDL_Delay(300);
    if (QFile(output).size() != idle) {
        std::printf("FAIL: the idle output went on writing\n");
        return 1;
    }
    playToTheEnd();
    QFile raw(output);
    if (!raw.open(QIODevice::ReadOnly)) return 1;
    const QByteArray again = raw.readAll().mid(idle);
    const auto* samples = reinterpret_cast<const std::int16_t*>(again.constData());
    const bool sounded = std::any_of(samples, samples + again.size() / 2,
                                     [](std::int16_t v) { return std::abs(v) > 1000; });
    std::printf("%s: idle output held at %lld bytes; played again, %s\n", qPrintable(file),
                static_cast<long long>(idle), sounded ? "it sounded" : "FAIL: silent");
    return sounded ? 0 : 1;
}

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: render_audio FILE [SECONDS] | render_audio --idle FILE\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    const QString output =
        argc > 3 ? QString::fromLocal8Bit(argv[3]) : scratch.filePath(QStringLiteral("out.raw"));
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", QFile::encodeName(output));
    // A WAV renders as fast as it can; MIDI is played by FluidSynth's own clock, in real time.
    const bool midi = QString::fromLocal8Bit(argv[1]).endsWith(QLatin1String(".mid"));
    if (!midi) qputenv("SDL_DISKAUDIODELAY", "0");
    if (std::strcmp(argv[1], "--idle") == 0 && argc > 2)
        return idleThenAgain(QString::fromLocal8Bit(argv[2]), output);
    const double limit = argc > 2 ? std::atof(argv[2]) : 30.0;
    constexpr int kBytesPerSecond = 44100 * 2 * 2; // 16-bit stereo

    platform::TMediaPlayer player;
    try {
        player.Open(QString::fromLocal8Bit(argv[1]));
        platform::startAudio();
        player.Play();
        // Plays until the clip ends or enough has been rendered: MIDI renders in real time, so
        // its output's length tells; a WAV renders at once, after however much silence the
        // output wrote while the clip was loading, so there the time is what is bounded.
        QElapsedTimer playing;
        playing.start();
        const auto enough = [&] {
            return midi ? QFile(output).size() >= static_cast<qint64>(limit * kBytesPerSecond)
                        : playing.elapsed() >= static_cast<qint64>(limit * 1000);
        };
        while (player.mode() == platform::TMediaPlayer::Mode::Playing && !enough())
            SDL_Delay(5);
        player.Close();
    } catch (const std::exception& e) {
        std::printf("%s: %s\n", argv[1], e.what());
        return 1;
    }

    QFile raw(output);
    if (!raw.open(QIODevice::ReadOnly)) return 1;
    const QByteArray bytes = raw.readAll();
    const auto* samples = reinterpret_cast<const std::int16_t*>(bytes.constData());
    const qsizetype count = bytes.size() / 2;
    // The level is taken over the sounding part, from the first to the last sample that is
    // not zero; the silence the output ran on before and after does not dilute it.
    qsizetype first = 0;
    qsizetype last = count;
    while (first < count && samples[first] == 0)
        ++first;
    while (last > first && samples[last - 1] == 0)
        --last;
    int peak = 0;
    double sum = 0;
    for (qsizetype i = first; i < last; ++i) {
        peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    const double rms =
        last > first ? std::sqrt(sum / static_cast<double>(last - first)) / 32768.0 : 0.0;
    std::printf("%s: %.2f s sounding, peak %.3f, rms %.4f\n", argv[1],
                static_cast<double>(last - first) * 2 / kBytesPerSecond, peak / 32768.0, rms);
    const bool silent = rms < 0.005;
    const bool clipped = peak >= 32767;
    if (silent) std::printf("FAIL: silent\n");
    if (clipped) std::printf("FAIL: clipped\n");
    return silent || clipped ? 1 : 0;
}
