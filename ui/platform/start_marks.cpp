// SPDX-FileCopyrightText: 2026 Pintaloo contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/platform/start_marks.h"

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace pintaloo {

namespace {

double MonotonicMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

// The process's start on the monotonic clock (field 22 of /proc/self/stat,
// in clock ticks since boot; the boot-based clock runs with the monotonic
// one but for suspended time, none of which falls inside a start). Ticks are
// 10 ms, so the first mark is that coarse; the differences are not.
double ProcessStartMs() {
    std::ifstream in("/proc/self/stat");
    std::string stat;
    std::getline(in, stat);
    const std::size_t close = stat.rfind(')');  // the name may hold spaces
    if (close == std::string::npos) return MonotonicMs();
    std::istringstream rest(stat.substr(close + 2));
    std::string field;
    for (int i = 3; i < 22 && rest >> field; ++i) {
    }
    unsigned long long ticks = 0;
    if (!(rest >> ticks)) return MonotonicMs();
    timespec boot{}, mono{};
    clock_gettime(CLOCK_BOOTTIME, &boot);
    clock_gettime(CLOCK_MONOTONIC, &mono);
    const double bootMinusMono = (double(boot.tv_sec) - double(mono.tv_sec)) * 1000.0 +
                                 (double(boot.tv_nsec) - double(mono.tv_nsec)) / 1e6;
    return double(ticks) * 1000.0 / double(sysconf(_SC_CLK_TCK)) - bootMinusMono;
}

}  // namespace

void StartMark(const char* what) {
    static const bool on = std::getenv("PINTALOO_START_MARKS") != nullptr;
    if (!on) return;
    static const double start = ProcessStartMs();
    static double last = start;
    const double now = MonotonicMs();
    // The main thread's own time beside the clock's: what it waited for
    // (the window system, the disk, the other core) is the difference.
    timespec used{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    const double cpu = double(used.tv_sec) * 1000.0 + double(used.tv_nsec) / 1e6;
    static double lastCpu = 0;
    std::fprintf(stderr, "start %7.1f ms  +%6.1f  cpu %6.1f +%5.1f  %s\n", now - start, now - last, cpu, cpu - lastCpu,
                 what);
    last = now;
    lastCpu = cpu;
}

}  // namespace pintaloo
