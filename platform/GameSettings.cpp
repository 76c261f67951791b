#include "platform/GameSettings.h"

#include "platform/MessageBox.h"
#include "platform/ProfileStore.h"

namespace vantorel {

namespace {

constexpr std::string_view kProgramSection = "Program";
constexpr std::string_view kInstalledKey = "Installed";

constexpr GameSettingKey KeyAt(std::size_t index) {
    return static_cast<GameSettingKey>(index);
}

} // namespace

GameSettings GameSettings::Read(const ProfileStore& store) {
    const auto value = [&store](GameSettingKey key) {
        return store.GetInt(kSettingsSection, RuleOf(key).key);
    };
    GameSettings settings;
    settings.fiveNumberMax = value(GameSettingKey::FiveNumberMax);
    settings.sixNumberMax = value(GameSettingKey::SixNumberMax);
    settings.powerballGroup1Max = value(GameSettingKey::PowerballGroup1Max);
    settings.powerballGroup2Max = value(GameSettingKey::PowerballGroup2Max);
    settings.powerballBalls = value(GameSettingKey::PowerballBalls);
    return settings;
}

GameSettingTexts ReadGameSettingTexts(const ProfileStore& store) {
    GameSettingTexts texts;
    for (std::size_t i = 0; i < kGameSettingCount; ++i) {
        texts[i] = store.GetString(kSettingsSection, kGameSettingRules[i].key);
    }
    return texts;
}

GameSettingTexts TextsAfterChanges(const GameSettingTexts& stored, const GameSettingChanges& changes) {
    GameSettingTexts texts = stored;
    for (std::size_t i = 0; i < kGameSettingCount; ++i) {
        if (changes[i]) {
            texts[i] = std::to_string(*changes[i]);
        }
    }
    return texts;
}

bool WriteGameSettings(ProfileStore& store, const GameSettingChanges& changes) {
    return store.Update([&changes](ProfileValues& values) {
        for (std::size_t i = 0; i < kGameSettingCount; ++i) {
            if (changes[i]) {
                values.Set(kSettingsSection, kGameSettingRules[i].key, std::to_string(*changes[i]));
            }
        }
    });
}

std::optional<GameSettingKey> FindGameSettingKey(std::string_view name) {
    for (std::size_t i = 0; i < kGameSettingCount; ++i) {
        if (FoldCase(name) == FoldCase(kGameSettingRules[i].key)) {
            return KeyAt(i);
        }
    }
    return std::nullopt;
}

bool AcceptGameSetting(GameSettingKey key, std::optional<int> value) {
    const GameSettingRule& rule = RuleOf(key);
    if (value && *value >= rule.lowest && *value <= rule.highest) {
        return true;
    }
    if (key == GameSettingKey::PowerballBalls) {
        MessageBox(kInvalidPowerballBalls);
    } else {
        MessageBox(std::string(rule.key) + " must be a whole number from " + std::to_string(rule.lowest) +
                       " to " + std::to_string(rule.highest) + ".",
                   MessageIcon::Stop);
    }
    return false;
}

std::string SaveConfirmationText(const GameSettingTexts& texts) {
    return "   Save Settings:\n5 Number Game:  " + texts[0] + "\n6 Number Game:  " + texts[1] +
           "\nPowerball Grp 1:   " + texts[2] + "\nPowerball Grp 2:   " + texts[3] +
           "\nPowerball Max  :   " + texts[4] + " ?";
}

std::string CurrentSettingsText(const GameSettingTexts& texts) {
    return "5 Number Game is set to " + texts[0] + " numbers.\n6 Number Game is set to " + texts[1] +
           " numbers.\nPowerball Group One is " + texts[2] + " numbers.\nPowerball Group Two is " + texts[3] +
           " numbers.\n" + texts[4] + " balls are drawn from Powerball Group 1.";
}

bool IsConfigured(const ProfileStore& store) {
    return !store.GetString(kSettingsSection, kKey5BC).empty();
}

bool RunFirstTimeSetup(ProfileStore& store) {
    if (!store.IsEmpty()) {
        return false;
    }
    for (const GameSettingRule& rule : kGameSettingRules) {
        store.WriteString(kSettingsSection, rule.key, rule.firstRunValue);
    }
    store.WriteString(kProgramSection, kInstalledKey, "1");
    MessageBox(kFirstRunMessage, MessageIcon::None, MessageButtons::Ok);
    return true;
}

} // namespace vantorel
