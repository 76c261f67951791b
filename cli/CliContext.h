#pragma once

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
};

// Exit statuses of vantorel-cli.
inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsage = 2;

} // namespace vantorel
