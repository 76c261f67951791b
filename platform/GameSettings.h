#pragma once

#include <array>
#include <string_view>

namespace vantorel {

class ProfileStore;

inline constexpr std::string_view kSettingsSection = "Settings";
inline constexpr std::string_view kKey5BC = "5BC";
inline constexpr std::string_view kKey6BC = "6BC";
inline constexpr std::string_view kKeyPBC = "PBC";
inline constexpr std::string_view kKeyPBB = "PBB";
inline constexpr std::string_view kKeyPBM = "PBM";
// The five keys in the order in which they are written and listed.
inline constexpr std::array<std::string_view, 5> kGameSettingKeys = {kKey5BC, kKey6BC, kKeyPBC, kKeyPBB,
                                                                     kKeyPBM};

inline constexpr std::string_view kFirstRunMessage =
    "VanTorel comes preconfigured for the\nsample data file included with the program.\n\nPlease read the "
    "help "
    "file to learn\nmore about configuring VanTorel to\nmeet your game specific requirements.";

// The five game settings as they stand at the start of one operation. Missing or non-numeric values are 0.
struct GameSettings {
    int fiveNumberMax = 0;      // "5BC": highest ball of the 5 Number game
    int sixNumberMax = 0;       // "6BC": highest ball of the 6 Number game
    int powerballGroup1Max = 0; // "PBC": highest ball of the first Power Ball group
    int powerballGroup2Max = 0; // "PBB": highest Power Ball
    int powerballBalls = 0;     // "PBM": how many first-group balls a Power Ball drawing has

    static GameSettings Read(const ProfileStore& store);
};

// The first-run step: when the store holds no trace of an earlier run, writes the five defaults in order
// (and a marker, so that deleting a key by hand is not taken for a first run) and shows the first-run
// message. Returns true when it did so.
bool RunFirstTimeSetup(ProfileStore& store);

} // namespace vantorel
