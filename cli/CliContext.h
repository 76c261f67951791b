#pragma once

#include <filesystem>
#include <iosfwd>

namespace vantorel {

class Clock;
class ProfileStore;

// What every command of vantorel-cli works with: the settings store, the clock that seeds unplanted
// randomness, and the stream that receives the result lines. Messages go through MessageBox.
struct CliContext {
    ProfileStore& profile;
    const Clock& clock;
    std::ostream& out;
    // Where the history and the settings were looked for (absolute); empty: the working directory and the
    // user's settings file of this session.
    std::filesystem::path historyFolder = {};
    std::filesystem::path userSettingsFile = {};
};

// Exit statuses of vantorel-cli.
inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

} // namespace vantorel
