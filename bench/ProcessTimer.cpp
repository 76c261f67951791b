// Runs a command as a child process and prints what the system accounted to it: user and system CPU time
// in microseconds and the peak resident memory in KiB, as "user_us sys_us maxrss_kib exit_status". The
// command's standard output goes to /dev/null.
//
//   process-timer COMMAND [ARG ...]

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
    std::printf("%lld %lld %ld %d\n", Microseconds(usage.ru_utime), Microseconds(usage.ru_stime), usage.ru_maxrss,
                WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    return 0;
}
