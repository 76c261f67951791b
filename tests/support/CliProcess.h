// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace vantorel::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The path of the built vantorel-cli.
std::string CliProgramPath();

// Runs the built vantorel-cli in the current working directory with the given arguments, its settings
// store under `configHome` (XDG_CONFIG_HOME), its per-user data folder under `dataHome` (XDG_DATA_HOME;
// by default configHome/data), and collects exit status, standard output and error.
CliRun RunCli(const std::vector<std::string>& arguments, const std::string& configHome,
              const std::string& dataHome = {});

} // namespace vantorel::test
