// The start-up rows of the benchmark: the time from fork to the end of the first frame, the
// game beside a bare Qt window of its size with and without a line of text, each the median of
// interleaved starts, and the breakdown of that time phase by phase.
#pragma once

#include <string>

namespace bench {

// The game's side of one start, run in a child of the benchmark: the game started as its main
// does, its marks printed once its first frame is painted, and then it quits. The launcher
// read `launchedAtMicros` (BenchClock) at fork time.
int runFirstPaintChild(int argc, char* argv[], long long launchedAtMicros);

// `self` is this program (started with --first-paint), `bare` the bare window; `config` the
// environment entry that gives both a settings folder.
void benchStartUp(const std::string& self, const std::string& bare, const std::string& config);

} // namespace bench
