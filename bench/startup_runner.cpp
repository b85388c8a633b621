// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Runs two programs alternately (A B, B A, ...), N times each after one
// warm-up run of each, and prints the median, best and worst whole-process
// wall time (spawn to exit), processor time (user and system) and peak
// resident memory of each. Alternating spreads any drift of the machine
// (caches, other load) over both equally; the processor time shows how much
// of the wall time was the program's own work on a busy machine. The
// programs' own output is discarded.
//
//   bench_startup_runner N program-a program-b
//
// Output, one line per figure, for scripts to read:
//   <name> wall_ms <median> <best> <worst>
//   <name> cpu_ms <median> <best> <worst>
//   <name> maxrss_kb <median> <best> <worst>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double wallMs = 0;
    double cpuMs = 0;
    long maxRssKb = 0;
};

struct Program {
    std::string path;
    std::vector<double> wallMs, cpuMs, maxRssKb;
};

double Milliseconds(const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; }

Run RunOnce(const std::string& path) {
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int err = posix_spawn(&pid, path.c_str(), &quiet, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (err != 0) {
        std::fprintf(stderr, "cannot start %s: error %d\n", path.c_str(), err);
        std::exit(2);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("wait4");
        std::exit(2);
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not exit cleanly (status %d)\n", path.c_str(), status);
        std::exit(2);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime), usage.ru_maxrss};
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void Print(const std::string& name, const char* figure, const std::vector<double>& v) {
    std::printf("%s %s %.3f %.3f %.3f\n", name.c_str(), figure, Median(v), *std::min_element(v.begin(), v.end()),
                *std::max_element(v.begin(), v.end()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s N program-a program-b\n", argv[0]);
        return 2;
    }
    const int n = std::atoi(argv[1]);
    if (n < 1) {
        std::fprintf(stderr, "N must be at least 1\n");
        return 2;
    }
    // The programs show their window on the offscreen platform unless the
    // caller chose another one.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);

    std::vector<Program> programs{{argv[2], {}, {}, {}}, {argv[3], {}, {}, {}}};
    for (Program& p : programs)
        RunOnce(p.path); // warm the file cache
    // A B, B A, A B, ...: neither program always runs right after the other.
    for (int i = 0; i < n; ++i) {
        for (int k = 0; k < 2; ++k) {
            Program& p = programs[std::size_t((i + k) % 2)];
            const Run r = RunOnce(p.path);
            p.wallMs.push_back(r.wallMs);
            p.cpuMs.push_back(r.cpuMs);
            p.maxRssKb.push_back(double(r.maxRssKb));
        }
    }
    for (const Program& p : programs) {
        Print(NameOf(p.path), "wall_ms", p.wallMs);
        Print(NameOf(p.path), "cpu_ms", p.cpuMs);
        Print(NameOf(p.path), "maxrss_kb", p.maxRssKb);
    }
    return 0;
}
