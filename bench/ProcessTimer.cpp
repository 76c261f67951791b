// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a command as a child process and prints what the system accounted to it: user and system CPU time
// in microseconds, the peak resident memory in KiB, the exit status and the wall-clock time from start to
// end in microseconds, as "user_us sys_us maxrss_kib exit_status wall_us". The command's standard output
// goes to /dev/null.
//
//   process-timer COMMAND [ARG ...]

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long long Microseconds(const timeval& time) {
    return static_cast<long long>(time.tv_sec) * 1000000 + time.tv_usec;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: process-timer COMMAND [ARG ...]\n", stderr);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child < 0) {
        std::perror("process-timer: fork");
        return 1;
    }
    if (child == 0) {
        const int devNull = ::open("/dev/null", O_WRONLY);
        if (devNull >= 0) {
            ::dup2(devNull, STDOUT_FILENO);
        }
        ::execvp(argv[1], argv + 1);
        std::perror("process-timer: exec");
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    if (::wait4(child, &status, 0, &usage) != child) {
        std::perror("process-timer: wait");
        return 1;
    }
    const auto wall =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    std::printf("%lld %lld %ld %d %lld\n", Microseconds(usage.ru_utime), Microseconds(usage.ru_stime),
                usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
                static_cast<long long>(wall.count()));
    return 0;
}
