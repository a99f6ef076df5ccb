// AudioOutput: the one audio output of the process, shared by every media player. The music
// goes through SDL_mixer's device; the effects have a device of their own with a short buffer,
// mixed by a ClipMixer, so a click sounds within a few milliseconds without the music's device
// having to wake that often. (Where the output is a file or nowhere, SDL's disk and dummy
// drivers, the effects are mixed into the music's device instead: a file takes one writer.)
//
// A device with nothing to sound is paused, and where SDL feeds it from a thread of its own,
// that thread is held at the device's lock by the user-interface thread, so an idle game does
// not wake for audio at all.
//
// The slow work (loading the libraries, opening the devices, loading files into the mixer)
// runs on worker threads one task after another, in the order asked, once start() says the
// window is on screen; everything else runs on the user-interface thread.
#pragma once

#include "platform/audio/ClipMixer.h"
#include "platform/system/ThreadPriority.h"

#include <SDL.h>
#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <vector>

struct Mix_Chunk;

namespace platform {

class MusicTrack;

class AudioOutput {
public:
    static AudioOutput& acquire();
    static void release();
    static AudioOutput* current() { return current_; }

    // Runs `task` on a worker after every task asked for before it. The worker yields the
    // processor to the window unless `yield` is false: threads a task starts inherit its
    // priority, and the devices' threads must not lose theirs.
    // Until start(), no thread is made: the tasks wait in order, and start() runs them.
    template <class Task> auto then(Task task, bool yield = true) {
        releaseThreads(); // the task may need a device's lock
        if (!started_) return later(std::move(task), yield);
        std::shared_future<void> before = last_;
        auto result = std::async(std::launch::async, [before, task, yield] {
                          if (yield) yieldToTheWindow();
                          if (before.valid()) before.wait();
                          return task();
                      }).share();
        last_ = std::async(std::launch::deferred, [result] { result.wait(); }).share();
        lastTaskDone_ = [result] {
            return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        };
        return result;
    }

    // The work starts once the window is on screen (or at once, if asked before).
    void start();

    // The effects: a channel each, playing a chunk loaded by the mixer (in its format).
    int addClipChannel();
    void playClip(int channel, const Mix_Chunk& chunk);
    void pauseClip(int channel);
    void resumeClip(int channel);
    void haltClip(int channel);
    ClipMixer::State clipState(int channel);

    // The music is about to sound: its device's thread runs again.
    void wakeMusic();
    // The track on the music stream, asked whether the music sounds; null when none.
    void setTune(const MusicTrack* tune) { tune_.store(tune, std::memory_order_release); }
    // Holds the music's device while what its thread renders changes (recursive).
    void lockMusic();
    void unlockMusic();
    // Pauses and holds each device that has nothing to sound. Only the user-interface thread
    // holds a device (`mayHold`): a worker's lock would end with the worker.
    void sleepIfIdle(bool mayHold = true);
    // From an audio thread, once something stopped sounding: the user-interface thread then
    // checks whether the devices can sleep.
    static void postSleepIfIdle();

private:
    struct Device {
        SDL_AudioDeviceID id = 0;
        bool held = false; // the user-interface thread holds the device's lock
    };

    AudioOutput();
    ~AudioOutput();
    template <class Task> auto later(Task task, bool yield) {
        auto job = std::make_shared<std::packaged_task<decltype(task())()>>([task, yield] {
            if (yield) yieldToTheWindow();
            return task();
        });
        auto result = job->get_future().share();
        waiting_.emplace_back([job] { (*job)(); });
        lastTaskDone_ = [result] {
            return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
        };
        return result;
    }

    void releaseThreads();
    void release(Device& device);
    void wake(Device& device);
    void sleep(Device& device, bool mayHold);
    Device& effects() { return shared_ ? music_ : effects_; }
    template <class Use> auto withClips(Use use);
    bool clipsSound();

    // On the worker.
    void open();
    bool openMusicDevice();
    void openEffectsDevice();
    void close();
    static void SDLCALL fillWithClips(void* self, Uint8* stream, int length);
    static void SDLCALL addClips(void* self, Uint8* stream, int length);

    static inline AudioOutput* current_ = nullptr;
    int users_ = 0;
    bool started_ = false;
    std::vector<std::function<void()>> waiting_; // the tasks asked before start(), in order
    std::shared_future<void> opened_;
    std::shared_future<void> last_;
    std::function<bool()> lastTaskDone_ = [] { return true; };
    // Written by the opening task before it sets open_, read after that.
    std::atomic<bool> open_{false};
    Device music_;
    Device effects_;
    std::atomic<const MusicTrack*> tune_{nullptr};
    bool shared_ = true;   // the effects are mixed into the music's device
    bool mayHold_ = false; // idle devices may be held (the driver feeds them from SDL's thread)
    bool librariesLoaded_ = false;
    ClipMixer clips_; // under the effects device's lock
};

} // namespace platform
