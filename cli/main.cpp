// vantorel-cli: runs one operation on the history file of the current directory and prints the result
// lines that the "Deja View" list would show.

#include "cli/Commands.h"
#include "cli/StderrMessageSink.h"
#include "platform/Clock.h"
#include "platform/GameSettings.h"
#include "settings/QtProfileStore.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char* argv[]) {
    using namespace vantorel;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const std::optional<CommandLine> line = ParseCommandLine(arguments);
    if (!line) {
        std::cerr << kUsageText;
        return kExitUsage;
    }
    StderrMessageSink sink(std::cerr, false);
    const ScopedMessageSink installed(sink);
    QtProfileStore profile;
    RunFirstTimeSetup(profile);
    sink.SetAnswerYes(line->yes);

    SystemClock clock;
    CliContext context{profile, clock, std::cout};
    const int status = RunCommand(*line, context);
    if (status == kExitUsage) {
        std::cerr << kUsageText;
    }
    std::cout.flush();
    return status;
}
