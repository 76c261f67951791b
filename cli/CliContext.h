// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace vantorel {

class Clock;
class ProfileStore;

// What every command of vantorel-cli works with: the settings store, the clock that seeds unplanted
// randomness, and the stream that receives the result lines. Messages go through MessageBox.
struct CliContext {
    ProfileStore& profile;
    const Clock& clock;
    std::ostream& out;
    // The messages shown so far, kept while a command writes CSV or JSON (nothing otherwise).
    const std::vector<std::string>* messages = nullptr;
    // Where the history and the settings were looked for (absolute); empty: the working directory and the
    // user's settings file of this session.
    std::filesystem::path historyFolder = {};
    std::filesystem::path userSettingsFile = {};
};

// Exit statuses of vantorel-cli.
inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitErrorsFound = 3; // analyze found errors in the history file

} // namespace vantorel
