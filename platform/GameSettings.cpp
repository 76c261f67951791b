#include "platform/GameSettings.h"

#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"

namespace vantorel {

namespace {
constexpr std::array<std::string_view, 5> kFirstRunValues = {"26", "49", "49", "42", "5"};
constexpr std::string_view kProgramSection = "Program";
constexpr std::string_view kInstalledKey = "Installed";
} // namespace

GameSettings GameSettings::Read(const ProfileStore& store) {
    GameSettings settings;
    settings.fiveNumberMax = store.GetInt(kSettingsSection, kKey5BC);
    settings.sixNumberMax = store.GetInt(kSettingsSection, kKey6BC);
    settings.powerballGroup1Max = store.GetInt(kSettingsSection, kKeyPBC);
    settings.powerballGroup2Max = store.GetInt(kSettingsSection, kKeyPBB);
    settings.powerballBalls = store.GetInt(kSettingsSection, kKeyPBM);
    return settings;
}

bool RunFirstTimeSetup(ProfileStore& store) {
    if (!store.IsEmpty()) {
        return false;
    }
    for (std::size_t i = 0; i < kGameSettingKeys.size(); ++i) {
        store.WriteString(kSettingsSection, kGameSettingKeys[i], kFirstRunValues[i]);
    }
    store.WriteString(kProgramSection, kInstalledKey, "1");
    MessageBox(kFirstRunMessage, MessageIcon::None, MessageButtons::Ok);
    return true;
}

} // namespace vantorel
