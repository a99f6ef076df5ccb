// The programs the benchmark starts and watches: started with extra environment and their
// output on a pipe, read a line at a time, stopped; their resident memory and the processor
// time of their threads read from /proc.
#pragma once

#include <QString>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace bench {

struct Child {
    pid_t pid = -1;
    int out = -1; // its standard output
};

// Starts a program with extra environment, its output on a pipe, its errors discarded. Given a
// processor, the program starts on it, bound to it until it lets itself run anywhere
// (markProcessStart); else the scheduler places it.
Child spawn(const std::vector<std::string>& args, const std::vector<std::string>& env,
            int processor = -1);
// The processors this process may run on.
std::vector<int> usableProcessors();
// The next line of the child's output, without its end; empty at the end of the output.
std::string readLine(int fd);
// Asks the child to end (SIGTERM) and waits for it.
void stop(Child& child);
// Waits for a child that ends by itself.
void reap(Child& child);

double residentMB(pid_t pid);
// Time on a processor of each of the process's threads, in ns, by thread id.
std::map<QString, double> threadNanos(pid_t pid);
// The run time the threads added between two readings.
double addedNanos(const std::map<QString, double>& before, const std::map<QString, double>& after);

} // namespace bench
