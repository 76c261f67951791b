// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/cli/CliRunner.h"
#include "tests/support/RecordingMessageSink.h"

#include "cli/Commands.h"
#include "platform/Clock.h"
#include "platform/ReportLines.h"

#include <algorithm>
#include <sstream>

namespace vantorel::test {

namespace {

// Records every message and answers as vantorel-cli does.
class AnsweringSink final : public MessageSink {
public:
    explicit AnsweringSink(bool yes) : yes_(yes) {}

    MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons) override {
        shown.push_back({std::string(text), icon, buttons});
        return yes_ ? AffirmativeAnswer(buttons) : CautiousAnswer(buttons);
    }

    std::vector<RecordingMessageSink::Entry> shown;

private:
    bool yes_;
};

} // namespace

std::vector<std::string> CommandWords(std::string_view command) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (const char c : command) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord) {
                words.push_back(std::move(word));
            }
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words.push_back(std::move(word));
    }
    return words;
}

std::vector<std::string> CliOutcome::messages() const {
    std::vector<std::string> texts;
    for (const RecordingMessageSink::Entry& entry : shown) {
        texts.push_back(entry.text);
    }
    return texts;
}

std::vector<std::string> CliOutcome::lines() const {
    return ReportLines::FromText(out).ToStrings();
}

CliOutcome CliRunner::Run(const std::vector<std::string>& arguments, std::int64_t clockSeconds) const {
    CliOutcome outcome;
    const std::vector<std::string_view> words(arguments.begin(), arguments.end());
    const std::optional<CommandLine> line = ParseCommandLine(words);
    if (!line) {
        outcome.status = kExitUsage;
        return outcome;
    }
    AnsweringSink sink(line->yes);
    const ScopedMessageSink installed(sink);
    std::ostringstream out;
    const FixedClock clock(clockSeconds);
    CliContext context{profile_, clock, out};
    outcome.status = RunCommand(*line, context);
    outcome.out = out.str();
    outcome.shown = sink.shown;
    return outcome;
}

CliOutcome CliRunner::Run(std::string_view command, std::int64_t clockSeconds) const {
    return Run(CommandWords(command), clockSeconds);
}

} // namespace vantorel::test
