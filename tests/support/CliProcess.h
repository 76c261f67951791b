// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace vantorel::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The path of the built vantorel-cli.
std::string CliProgramPath();

// Starts the built vantorel-cli in the current working directory with the given arguments, its settings
// store under `configHome` (XDG_CONFIG_HOME), its per-user data folder under `dataHome` (XDG_DATA_HOME;
// by default configHome/data), no input, and its standard output and error written to the files named
// (by default thrown away). Returns the process id.
pid_t StartCli(const std::vector<std::string>& arguments, const std::string& configHome,
               const std::string& outFile = "/dev/null", const std::string& errFile = "/dev/null",
               const std::string& dataHome = {});
// Waits for a started vantorel-cli to end: its exit status, -1 when it did not exit by itself.
int WaitForCli(pid_t process);

// Runs the built vantorel-cli as StartCli does and collects exit status, standard output and error.
CliRun RunCli(const std::vector<std::string>& arguments, const std::string& configHome,
              const std::string& dataHome = {});

} // namespace vantorel::test
