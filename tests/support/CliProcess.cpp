// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/CliProcess.h"

#include "tests/support/TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace vantorel::test {

namespace {
std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}
} // namespace

std::string CliProgramPath() {
    return VANTOREL_CLI_PATH;
}

CliRun RunCli(const std::vector<std::string>& arguments, const std::string& configHome,
              const std::string& dataHome) {
    const std::filesystem::path out = std::filesystem::current_path() / ".cli-out";
    const std::filesystem::path err = std::filesystem::current_path() / ".cli-err";
    const std::string data = dataHome.empty() ? configHome + "/data" : dataHome;
    std::string command = "XDG_CONFIG_HOME=" + Quoted(configHome) + " XDG_DATA_HOME=" + Quoted(data) + ' ' +
                          Quoted(CliProgramPath());
    for (const std::string& argument : arguments) {
        command += ' ' + Quoted(argument);
    }
    command += " </dev/null >" + Quoted(out.string()) + " 2>" + Quoted(err.string());
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

} // namespace vantorel::test
