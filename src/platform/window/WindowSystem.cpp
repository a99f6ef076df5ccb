#include "platform/window/WindowSystem.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>

namespace platform {

#ifndef _WIN32 // Windows has one window system (and Wine hands its programs the DISPLAY)

namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

bool platformChosen(int argc, char* argv[]) {
    if (isSet("QT_QPA_PLATFORM")) return true;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

} // namespace

std::vector<char*> argumentsWithWindowSystem(int argc, char* argv[]) {
    // Qt tries the listed plugins in order and takes the first that connects.
    static char option[] = "-platform";
    static char x11First[] = "xcb;wayland";
    static char waylandFirst[] = "wayland;xcb";
    std::vector<char*> arguments(argv, argv + argc);
    if (!platformChosen(argc, argv)) {
        if (isSet("DISPLAY")) {
            arguments.insert(arguments.begin() + 1, {option, x11First});
        } else if (isSet("WAYLAND_DISPLAY")) {
            arguments.insert(arguments.begin() + 1, {option, waylandFirst});
        }
    }
    arguments.push_back(nullptr); // argv[argc], as the program was given it
    return arguments;
}

#else

std::vector<char*> argumentsWithWindowSystem(int argc, char* argv[]) {
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    return arguments;
}

#endif

bool windowPlacesAreKnown() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace platform
