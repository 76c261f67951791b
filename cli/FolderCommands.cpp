// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "platform/MessageBox.h"
#include "settings/FolderProfileStore.h"
#include "settings/IniProfileStore.h"
#include "settings/LotteryFolder.h"

#include <ostream>
#include <system_error>

namespace vantorel {

int RunNew(const CommandLine& line, CliContext& context) {
    static_cast<void>(context);
    const Outcome<std::vector<const GamePreset*>> presets = PresetsOfNames(line.presets);
    if (presets.refused()) {
        ShowNotices(presets.notices());
        return kExitRefused;
    }
    const Outcome<LotteryFolderMade> made = MakeLotteryFolder(line.input, *presets);
    if (made.refused()) {
        ShowNotices(made.notices());
        return kExitRefused;
    }
    MessageBox(made->message, MessageIcon::None);
    return kExitDone;
}

// The history file, the folder's settings file (or "none") and the user's settings file, one a line.
int RunWhere(const CommandLine& line, CliContext& context) {
    static_cast<void>(line);
    std::error_code error;
    const std::filesystem::path folder =
        context.historyFolder.empty() ? std::filesystem::current_path(error) : context.historyFolder;
    const FolderProfileStore layered(context.profile.UserSettings(), folder);
    context.out << (folder / std::string(kHistoryFileName)).string() << '\n'
                << (layered.HasFolderFile() ? layered.FolderFile().string() : std::string("none")) << '\n'
                << (context.userSettingsFile.empty() ? UserProfileFile() : context.userSettingsFile).string()
                << '\n';
    return kExitDone;
}

} // namespace vantorel
