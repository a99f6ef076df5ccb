// Kills a process with SIGKILL at the Nth change in a folder: the fault script's way to land
// a kill inside the game's settings save, at a chosen step of it (the lock file, the
// temporary file, the rename). N = 0 or below counts from the save's end instead: at the
// rename that puts the new file in place (0), or that many changes after it (-1, -2, ...).
// Prints "ready" once it watches, then what happened.
// Usage: kill_on_save FOLDER PID N
#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kTimeoutMs = 30000;

bool isRunning(pid_t pid) {
    // A process that has ended but is not yet waited for is a zombie: "Z" in its stat line.
    FILE* stat = std::fopen(("/proc/" + std::to_string(pid) + "/stat").c_str(), "r");
    if (!stat) return false;
    char line[512] = {};
    const bool read = std::fgets(line, sizeof line, stat) != nullptr;
    std::fclose(stat);
    const std::string text(line);
    const auto state = text.rfind(") ");
    return read && state != std::string::npos && text[state + 2] != 'Z';
}

// The file a save puts in place ("<name>.conf"), not its lock or temporary file.
bool isSettingsFile(const inotify_event& event) {
    const std::string name = event.len ? event.name : "";
    return name.size() > 5 && name.compare(name.size() - 5, 5, ".conf") == 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: kill_on_save FOLDER PID N\n");
        return 2;
    }
    const pid_t pid = static_cast<pid_t>(std::atoi(argv[2]));
    const int wanted = std::atoi(argv[3]);
    const int fd = inotify_init1(IN_NONBLOCK);
    if (fd < 0 || inotify_add_watch(fd, argv[1], IN_ALL_EVENTS) < 0) {
        std::perror("inotify");
        return 2;
    }
    std::puts("ready");
    std::fflush(stdout);

    int seen = 0;
    int sinceRename = -1; // changes since the new file was put in place, once it has been
    for (int waited = 0; waited < kTimeoutMs; waited += 20) {
        pollfd watch{fd, POLLIN, 0};
        if (poll(&watch, 1, 20) > 0) {
            alignas(inotify_event) char buffer[4096];
            const ssize_t length = read(fd, buffer, sizeof buffer);
            for (ssize_t at = 0; at < length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                ++seen;
                if (sinceRename >= 0) ++sinceRename;
                if ((event->mask & IN_MOVED_TO) && isSettingsFile(*event)) sinceRename = 0;
                if (wanted > 0 ? seen == wanted : sinceRename == -wanted) {
                    kill(pid, SIGKILL);
                    std::printf("killed at change %d (%s)\n", seen, event->len ? event->name : "?");
                    return 0;
                }
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        } else if (!isRunning(pid)) {
            std::printf("ended by itself after %d changes\n", seen);
            return 0;
        }
    }
    std::printf("timed out after %d changes\n", seen);
    return 1;
}
