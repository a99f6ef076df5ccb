// SDL and SDL_mixer, loaded when the audio output opens rather than with the program: their
// libraries (and the codecs and sound servers they bring) would otherwise be loaded before
// the window's first paint. Every SDL call of the media players goes through sdlAudio().
#pragma once

#include <QString>
#include <SDL.h>
#include <SDL_mixer.h>

namespace platform {

#define BRAINLOCK_SDL_AUDIO_FUNCTIONS(X)                                                           \
    X(SDL_InitSubSystem)                                                                           \
    X(SDL_QuitSubSystem)                                                                           \
    X(SDL_Quit)                                                                                    \
    X(SDL_SetHint)                                                                                 \
    X(SDL_GetError)                                                                                \
    X(SDL_SetHintWithPriority)                                                                     \
    X(SDL_PauseAudioDevice)                                                                        \
    X(SDL_LockAudioDevice)                                                                         \
    X(SDL_UnlockAudioDevice)                                                                       \
    X(SDL_GetAudioDeviceStatus)                                                                    \
    X(SDL_GetCurrentAudioDriver)                                                                   \
    X(SDL_OpenAudioDevice)                                                                         \
    X(SDL_CloseAudioDevice)                                                                        \
    X(Mix_SetSoundFonts)                                                                           \
    X(Mix_Init)                                                                                    \
    X(Mix_Quit)                                                                                    \
    X(Mix_OpenAudio)                                                                               \
    X(Mix_QuerySpec)                                                                               \
    X(Mix_SetPostMix)                                                                              \
    X(Mix_CloseAudio)                                                                              \
    X(Mix_HookMusicFinished)                                                                       \
    X(Mix_HookMusic)                                                                               \
    X(Mix_GetMusicHookData)                                                                        \
    X(Mix_EachSoundFont)                                                                           \
    X(Mix_LoadWAV)                                                                                 \
    X(Mix_LoadMUS)                                                                                 \
    X(Mix_FreeChunk)                                                                               \
    X(Mix_FreeMusic)                                                                               \
    X(Mix_PlayMusic)                                                                               \
    X(Mix_HaltMusic)                                                                               \
    X(Mix_PauseMusic)                                                                              \
    X(Mix_ResumeMusic)                                                                             \
    X(Mix_PausedMusic)                                                                             \
    X(Mix_PlayingMusic)                                                                            \
    X(Mix_AllocateChannels)

struct SdlAudio {
#define BRAINLOCK_SDL_POINTER(name) decltype(&::name) name = nullptr;
    BRAINLOCK_SDL_AUDIO_FUNCTIONS(BRAINLOCK_SDL_POINTER)
#undef BRAINLOCK_SDL_POINTER
};

// Loads the libraries once (on the first call, from any thread). False, with the reason in
// `error`, when they or one of their functions cannot be found.
bool loadSdlAudio(QString& error);

// The functions; only after loadSdlAudio() has succeeded.
const SdlAudio& sdlAudio();

} // namespace platform
