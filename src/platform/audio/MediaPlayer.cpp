#include "platform/audio/MediaPlayer.h"

#include "platform/audio/AudioOutput.h"
#include "platform/audio/MusicTrack.h"
#include "platform/audio/SdlAudio.h"
#include "platform/audio/WaveCheck.h"
#include "platform/system/Shell.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <utility>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
// after windows.h, which it needs
#include <mmsystem.h>
#endif

namespace platform {

namespace {

const SdlAudio& sdl() {
    return sdlAudio();
}

bool isMidi(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QLatin1String("mid") || suffix == QLatin1String("midi");
}

// Whether the file decodes: a WAV by its header and format, a MIDI file by its header. The
// audio libraries are not needed for this, so it runs before they are loaded.
QString decodeError(const QByteArray& path, bool midi) {
    QFile file(QFile::decodeName(path));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Couldn't open %1").arg(QFile::decodeName(path));
    if (midi) return file.read(4) == "MThd" ? QString() : QStringLiteral("Not a MIDI file");
    const QByteArray bytes = file.readAll();
    return QString::fromStdString(waveFormatError(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

const char* const kNoMidiOutput = "No MIDI output device";

} // namespace

// Windows plays MIDI on its own synthesiser (SDL_mixer's native MIDI); a system without one
// has no output to open. Elsewhere the mixer synthesises MIDI itself.
bool midiOutputAvailable() {
#ifdef _WIN32
    return midiOutGetNumDevs() > 0;
#else
    return true;
#endif
}

// What the worker makes of the file.
TMediaPlayer::Loaded TMediaPlayer::load(const QByteArray& path, bool midi) {
    Loaded loaded;
    if (QString error; !loadSdlAudio(error)) {
        loaded.error = error;
        return loaded;
    }
    if (midi && !midiOutputAvailable()) {
        // Not even tried: each Play would fail to open a stream, and Wine 8 keeps a freed
        // record of each failed one, which a later open walks into.
        loaded.error = QString::fromLatin1(kNoMidiOutput);
        std::fprintf(stderr, "brainlock: %s; the music is silent\n", kNoMidiOutput);
        return loaded;
    }
    if (midi) {
        loaded.music = MusicTrack::load(path, loaded.error);
    } else {
        loaded.chunk = sdl().Mix_LoadWAV(path.constData());
        if (!loaded.chunk) loaded.error = QString::fromUtf8(sdl().SDL_GetError());
    }
    return loaded;
}

TMediaPlayer::TMediaPlayer()
    : self_(std::make_shared<TMediaPlayer*>(this)) {}

TMediaPlayer::~TMediaPlayer() {
    Close();
}

QString TMediaPlayer::Check(const QString& fileName) {
    const QString error = decodeError(QFile::encodeName(locateFile(fileName)), isMidi(fileName));
    return error.isEmpty() ? QString() : QStringLiteral("%1: %2").arg(fileName, error);
}

void TMediaPlayer::Open(const QString& fileName, bool checked) {
    Close();
    if (!checked)
        if (const QString error = Check(fileName); !error.isEmpty())
            throw EMCIDeviceError(error.toStdString());
    const QByteArray path = QFile::encodeName(locateFile(fileName));
    const bool midi = isMidi(fileName);

    fileName_ = fileName;
    open_ = true;
    AudioOutput& output = AudioOutput::acquire();
    std::weak_ptr<TMediaPlayer*> player = self_;
    loading_ = output.then([path, midi, player] {
        const Loaded loaded = load(path, midi);
        // Tells the player, on its own thread, that it is ready.
        if (QCoreApplication* app = QCoreApplication::instance())
            QMetaObject::invokeMethod(
                app,
                [player] {
                    if (const auto alive = player.lock()) (*alive)->takeLoaded();
                },
                Qt::QueuedConnection);
        return loaded;
    });
}

bool TMediaPlayer::ready() const {
    return loaded_ || (loading_.valid() &&
                       loading_.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
}

void TMediaPlayer::takeLoaded() {
    if (loaded_ || !loading_.valid()) return;
    startAudio(); // a caller that waits must not wait for the window
    const Loaded loaded = loading_.get();
    loaded_ = true;
    chunk_ = loaded.chunk;
    music_ = loaded.music;
    lastError_ = loaded.error;
    if (chunk_) channel_ = AudioOutput::current()->addClipChannel();
    if (music_) AudioOutput::current()->setTune(music_.get());
    const Pending pending = std::exchange(pending_, Pending::None);
    if (pending != Pending::None) Play();
    if (pending == Pending::Paused) Pause();
    // The last load may be done: a device with nothing to sound can now be held.
    AudioOutput::current()->sleepIfIdle();
}

void TMediaPlayer::Close() {
    if (!open_) return;
    takeLoaded(); // waits for the worker
    if (music_) AudioOutput::current()->setTune(nullptr);
    if (chunk_) {
        AudioOutput::current()->haltClip(channel_);
        sdl().Mix_FreeChunk(chunk_);
    }
    loading_ = {};
    music_.reset(); // its last holder: the track halts as it goes
    chunk_ = nullptr;
    channel_ = -1;
    loaded_ = false;
    pending_ = Pending::None;
    open_ = false;
    AudioOutput::release();
}

void TMediaPlayer::requireOpen() const {
    if (!open_) throw EMCIDeviceError("No MCI device open");
}

TMediaPlayer::Mode TMediaPlayer::mode() {
    if (!open_) return Mode::NotReady;
    if (!ready()) {
        switch (pending_) {
        case Pending::Play:
            return Mode::Playing;
        case Pending::Paused:
            return Mode::Paused;
        case Pending::None:
            break;
        }
        return Mode::Stopped;
    }
    takeLoaded();
    return mixerMode();
}

TMediaPlayer::Mode TMediaPlayer::mixerMode() const {
    if (music_) {
        if (!music_->playing()) return Mode::Stopped;
        return music_->paused() ? Mode::Paused : Mode::Playing;
    }
    if (!chunk_) return Mode::Stopped;
    switch (AudioOutput::current()->clipState(channel_)) {
    case ClipMixer::State::Playing:
        return Mode::Playing;
    case ClipMixer::State::Paused:
        return Mode::Paused;
    case ClipMixer::State::Stopped:
        break;
    }
    return Mode::Stopped;
}

// A playing clip goes on; a paused one continues from where it stands; a finished one starts
// again from the beginning.
void TMediaPlayer::Play() {
    requireOpen();
    if (!ready()) {
        pending_ = Pending::Play;
        return;
    }
    takeLoaded();
    if (!chunk_ && !music_) return; // the load failed: its error is recorded
    const Mode now = mixerMode();
    if (now == Mode::Playing) return;
    AudioOutput& output = *AudioOutput::current();
    if (!isMusic()) {
        if (now == Mode::Paused)
            output.resumeClip(channel_);
        else
            output.playClip(channel_, *chunk_);
        return;
    }
    // The tune is started before its device wakes, so the device's first buffer holds the tune
    // rather than one more buffer of silence.
    if (now == Mode::Paused)
        music_->resume();
    else
        music_->play(lastError_);
    output.wakeMusic();
    output.sleepIfIdle(); // the effects' device, if no clip sounds
}

void TMediaPlayer::Pause() {
    requireOpen();
    if (!ready()) {
        if (pending_ == Pending::Play)
            pending_ = Pending::Paused;
        else if (pending_ == Pending::Paused)
            pending_ = Pending::Play;
        return;
    }
    takeLoaded();
    switch (mixerMode()) {
    case Mode::Playing:
        if (isMusic()) {
            music_->pause();
            AudioOutput::current()->sleepIfIdle();
        } else {
            AudioOutput::current()->pauseClip(channel_);
        }
        break;
    case Mode::Paused:
        Resume();
        break;
    default:
        break;
    }
}

// A device that is not paused refuses to resume: it plays instead.
void TMediaPlayer::Resume() {
    Play();
}

void startAudio() {
    if (AudioOutput* output = AudioOutput::current()) output->start();
}

} // namespace platform
