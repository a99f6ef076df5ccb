#include "platform/audio/SdlAudio.h"

#include <QLibrary>
#include <mutex>

namespace platform {

namespace {

#ifdef _WIN32
const char* const kSdlLibrary = "SDL2";
const char* const kMixerLibrary = "SDL2_mixer";
#else
const char* const kSdlLibrary = "libSDL2-2.0.so.0";
const char* const kMixerLibrary = "libSDL2_mixer-2.0.so.0";
#endif

SdlAudio functions;
QString loadError;

// Kept loaded for the process's life: the mixer's threads run their code until exit.
void load() {
    static QLibrary sdl(QString::fromLatin1(kSdlLibrary));
    static QLibrary mixer(QString::fromLatin1(kMixerLibrary));
    for (QLibrary* library : {&sdl, &mixer}) {
        if (!library->load()) {
            loadError = library->errorString();
            return;
        }
    }
    SdlAudio loaded;
#define BRAINLOCK_RESOLVE(name)                                                                    \
    loaded.name =                                                                                  \
        reinterpret_cast<decltype(loaded.name)>((#name[0] == 'S' ? sdl : mixer).resolve(#name));   \
    if (!loaded.name) {                                                                            \
        loadError = QStringLiteral("no function " #name " in the audio libraries");                \
        return;                                                                                    \
    }
    BRAINLOCK_SDL_AUDIO_FUNCTIONS(BRAINLOCK_RESOLVE)
#undef BRAINLOCK_RESOLVE
    functions = loaded;
}

} // namespace

bool loadSdlAudio(QString& error) {
    static std::once_flag once;
    std::call_once(once, load);
    error = loadError;
    return loadError.isEmpty();
}

const SdlAudio& sdlAudio() {
    return functions;
}

} // namespace platform
