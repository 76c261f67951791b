#pragma once

#include <string_view>

namespace vantorel {

// The files of the working directory.
inline constexpr std::string_view kHistoryFileName = "vtrmain.dat";
inline constexpr std::string_view kBackupFileName = "maindat.bak";
inline constexpr std::string_view kWorkFileName = "~tmp.~";
inline constexpr std::string_view kSecondWorkFileName = "~.~";

// Games by gameType.
enum GameType : int { kThreeNumber = 0, kFourNumber = 1, kFiveNumber = 2, kSixNumber = 3, kPowerball = 4 };
inline constexpr int kGameCount = 5;
inline constexpr int kSectionCount = 10;

// Drawings a section may hold; a count above this is refused by the readers.
inline constexpr int kDigitCapacity = 3649;
inline constexpr int kFiveNumberCapacity = 2599;
inline constexpr int kSixNumberCapacity = 1039;
inline constexpr int kPowerballCapacity = 2079;

// Section number of a game's history: 2 x gameType + dated.
constexpr int SectionNumber(int gameType, bool dated) {
    return 2 * gameType + (dated ? 1 : 0);
}
constexpr int GameOfSection(int section) {
    return section / 2;
}
constexpr bool IsDatedSection(int section) {
    return section % 2 == 1;
}

constexpr int CapacityOfGame(int gameType) {
    switch (gameType) {
    case kFiveNumber:
        return kFiveNumberCapacity;
    case kSixNumber:
        return kSixNumberCapacity;
    case kPowerball:
        return kPowerballCapacity;
    default:
        return kDigitCapacity;
    }
}

} // namespace vantorel
