// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/CliProcess.h"

#include "tests/support/TestFiles.h"

#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace vantorel::test {

std::string CliProgramPath() {
    return VANTOREL_CLI_PATH;
}

namespace {
std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}
} // namespace

pid_t StartCli(const std::vector<std::string>& arguments, const std::string& configHome,
               const std::string& outFile, const std::string& errFile, const std::string& dataHome) {
    // Everything the child needs is made before the fork: between fork and exec it only opens files.
    std::vector<std::string> words{CliProgramPath()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<std::string> environment{"XDG_CONFIG_HOME=" + configHome,
                                         "XDG_DATA_HOME=" +
                                             (dataHome.empty() ? configHome + "/data" : dataHome)};
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view text(*variable);
        if (!text.starts_with("XDG_CONFIG_HOME=") && !text.starts_with("XDG_DATA_HOME=")) {
            environment.emplace_back(text);
        }
    }
    const std::vector<char*> argv = Pointers(words);
    const std::vector<char*> envp = Pointers(environment);
    const pid_t child = ::fork();
    if (child == 0) {
        const int flags = O_WRONLY | O_CREAT | O_TRUNC;
        if (::dup2(::open("/dev/null", O_RDONLY), STDIN_FILENO) < 0 ||
            ::dup2(::open(outFile.c_str(), flags, 0644), STDOUT_FILENO) < 0 ||
            ::dup2(::open(errFile.c_str(), flags, 0644), STDERR_FILENO) < 0) {
            ::_exit(127);
        }
        ::execve(argv[0], argv.data(), envp.data());
        ::_exit(127);
    }
    return child;
}

int WaitForCli(pid_t process) {
    int status = 0;
    if (::waitpid(process, &status, 0) != process) {
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

CliRun RunCli(const std::vector<std::string>& arguments, const std::string& configHome,
              const std::string& dataHome) {
    const std::filesystem::path out = std::filesystem::current_path() / ".cli-out";
    const std::filesystem::path err = std::filesystem::current_path() / ".cli-err";
    CliRun run;
    run.status = WaitForCli(StartCli(arguments, configHome, out.string(), err.string(), dataHome));
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

} // namespace vantorel::test
