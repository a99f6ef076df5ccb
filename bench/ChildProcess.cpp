#include "ChildProcess.h"

#include <QDir>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

Child spawn(const std::vector<std::string>& args, const std::vector<std::string>& env,
            int processor) {
    int fds[2];
    if (pipe(fds) != 0) std::exit(2);
    Child child;
    child.pid = fork();
    if (child.pid == 0) {
        for (const std::string& entry : env)
            putenv(const_cast<char*>(entry.c_str()));
        dup2(fds[1], STDOUT_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDERR_FILENO);
        close(fds[0]);
        if (processor >= 0) {
            cpu_set_t one;
            CPU_ZERO(&one);
            CPU_SET(processor, &one);
            sched_setaffinity(0, sizeof one, &one);
        }
        std::vector<char*> argv;
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(fds[1]);
    child.out = fds[0];
    return child;
}

std::vector<int> usableProcessors() {
    cpu_set_t mask;
    std::vector<int> processors;
    if (sched_getaffinity(0, sizeof mask, &mask) != 0) return processors;
    for (int processor = 0; processor < CPU_SETSIZE; ++processor)
        if (CPU_ISSET(processor, &mask)) processors.push_back(processor);
    return processors;
}

std::string readLine(int fd) {
    std::string line;
    char c = 0;
    while (read(fd, &c, 1) == 1 && c != '\n')
        line += c;
    return line;
}

void stop(Child& child) {
    kill(child.pid, SIGTERM);
    reap(child);
}

void reap(Child& child) {
    waitpid(child.pid, nullptr, 0);
    close(child.out);
}

// From /proc/<pid>/status.
double residentMB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
    }
    return 0;
}

// schedstat counts exactly, where the tick counters of /proc/<pid>/stat only count 10 ms steps.
std::map<QString, double> threadNanos(pid_t pid) {
    std::map<QString, double> threads;
    for (const QString& task : QDir(QStringLiteral("/proc/%1/task").arg(pid))
                                   .entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream stat(
            QStringLiteral("/proc/%1/task/%2/schedstat").arg(pid).arg(task).toStdString());
        double nanos = 0;
        if (stat >> nanos) threads[task] = nanos;
    }
    return threads;
}

// A thread that ended in between takes its whole count away with it, so each thread is
// compared with itself.
double addedNanos(const std::map<QString, double>& before, const std::map<QString, double>& after) {
    double total = 0;
    for (const auto& [task, nanos] : after) {
        const auto earlier = before.find(task);
        total += nanos - (earlier == before.end() ? 0.0 : earlier->second);
    }
    return total;
}

} // namespace bench
