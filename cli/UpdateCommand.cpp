// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "VantorelBuild.h"
#include "platform/GamePresets.h"
#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "store/ResultsImport.h"
#include "tickets/HistoryTickets.h"
#include "update/ResultsUpdate.h"

#include <array>
#include <chrono>
#include <string>
#include <vector>

namespace vantorel {

namespace {

// The word the command line names a game by.
std::string_view GameWord(int gameType) {
    static constexpr std::array<std::string_view, 5> kWords = {"3", "4", "5", "6", "pb"};
    return kWords[static_cast<std::size_t>(gameType)];
}

// Why the update has no address to fetch from, and the ways on: an address, a preset that names one, or
// the import of a file downloaded by hand.
std::string NoKnownSourceMessage(int gameType, const GamePreset* inForce) {
    const std::string game(GameTitleOf(gameType));
    std::string message = inForce != nullptr ? "The preset " + std::string(inForce->name) + " of the " +
                                                   game + " names no source of results."
                                             : "There is no known source of results for the " + game + ".";
    const std::string word(GameWord(gameType));
    message += "\nName the results file's address with\nvantorel-cli update " + word +
               " --url URL\nor download the file and import it with\nvantorel-cli import " + word +
               " --dated FILE --results";
    std::vector<std::string_view> withSource;
    for (const GamePreset& preset : kGamePresets) {
        if (static_cast<int>(preset.game) == gameType && !preset.sourceUrl.empty()) {
            withSource.push_back(preset.name);
        }
    }
    if (inForce == nullptr && !withSource.empty()) {
        message += "\n\nThese presets name a source for it:";
        for (const std::string_view name : withSource) {
            message.append(" ").append(name).append(name == withSource.back() ? "." : ",");
        }
        message += "\nChoose one with vantorel-cli settings --preset NAME";
    }
    return message;
}

} // namespace

int RunUpdate(const CommandLine& line, CliContext& context) {
    const Outcome<GameSettings> settings =
        ReadGameSettings(context.profile, SettingsOfResultsImport(line.gameType));
    if (!ShowOutcome(settings)) {
        return kExitRefused;
    }
    const GamePreset* preset = PresetInForce(context.profile, line.gameType);
    ResultsUpdateRequest request;
    request.gameType = line.gameType;
    if (preset != nullptr) {
        request.url = preset->sourceUrl;
        request.column = preset->sourceColumn;
    }
    if (line.url) {
        request.url = *line.url;
    }
    if (request.url.empty()) {
        MessageBox(NoKnownSourceMessage(line.gameType, preset), MessageIcon::Stop);
        return kExitRefused;
    }
    if (!line.column.empty()) {
        request.column = line.column;
    }
    request.eraStart = preset != nullptr ? preset->eraStart : 0;
    if (line.timeout) {
        request.timeout = std::chrono::seconds(*line.timeout);
    }
    request.userAgent = "Vantorel/" + std::string(kVantorelVersion);
    const std::vector<int> before = DatedDaysInHistoryFile(line.gameType, *settings);
    const Outcome<ResultsUpdated> updated = UpdateResults(request, *settings, AskThroughMessageBox);
    if (!ShowOutcome(updated)) {
        return kExitRefused;
    }
    if (*updated == ResultsUpdated::kWritten) {
        ShowNewDrawingsCheck(line.gameType, *settings, before, context);
    }
    switch (*updated) {
    case ResultsUpdated::kWritten:
    case ResultsUpdated::kNothingNew:
    case ResultsUpdated::kSourceUnchanged:
        return kExitDone;
    case ResultsUpdated::kDeclined:
        MessageBox("Nothing was changed. Run again with --yes to remove them.", MessageIcon::None);
        return kExitRefused;
    case ResultsUpdated::kCancelled:
        break;
    }
    return kExitRefused;
}

} // namespace vantorel
