// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBox.h"
#include "tests/support/RecordingMessageSink.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {
class ProfileStore;
}

namespace vantorel::test {

// The words of a command as a shell splits it: separated by blanks, "..." holding blanks ("" is an empty
// word).
std::vector<std::string> CommandWords(std::string_view command);

// What one run of a vantorel-cli command left: its exit status, its standard output and the messages it
// showed, in order.
struct CliOutcome {
    int status = -1;
    std::string out;
    std::vector<RecordingMessageSink::Entry> shown;

    std::vector<std::string> messages() const;
    // The standard output line by line.
    std::vector<std::string> lines() const;
};

// Runs vantorel-cli's commands in this process as the program does: the arguments are parsed (a usage
// error gives status 2 and runs nothing), the command works on the history file of the working directory
// with the given settings store and a fixed clock, and questions get the program's answers (OK or Yes
// with --yes, the cautious answer otherwise).
class CliRunner {
public:
    explicit CliRunner(ProfileStore& profile) : profile_(profile) {}

    CliOutcome Run(const std::vector<std::string>& arguments,
                   std::int64_t clockSeconds = kClockSeconds) const;
    // The arguments as one text, split by CommandWords.
    CliOutcome Run(std::string_view command, std::int64_t clockSeconds = kClockSeconds) const;

    static constexpr std::int64_t kClockSeconds = 4242;

private:
    ProfileStore& profile_;
};

} // namespace vantorel::test
