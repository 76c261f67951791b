// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Operations.h"
#include "platform/SetupChoices.h"

#include <array>
#include <cstdint>
#include <optional>

namespace vantorel {

// Page indexes of the operations sheet, in tab order.
enum PageIndex : int {
    kThreeNumberPage = 0,
    kFourNumberPage = 1,
    kFiveNumberPage = 2,
    kSixNumberPage = 3,
    kPowerballPage = 4,
    kSetupPage = 5,
    kDataFilePage = 6,
    kDejaViewPage = 7,
};
inline constexpr int kPageCount = 8;
inline constexpr int kGamePageCount = 5;

// The game of each game page: the pages of the games come first, in the order of the game catalogue.
constexpr std::optional<GameType> GameOfPage(int page) {
    return page >= kThreeNumberPage && page < kThreeNumberPage + kGameCount
               ? std::optional<GameType>(
                     kGameCatalogue[static_cast<std::size_t>(page - kThreeNumberPage)].game)
               : std::nullopt;
}
constexpr int PageOfGame(int game) {
    for (int page = 0; page < kPageCount; ++page) {
        if (GameOfPage(page) == game) {
            return page;
        }
    }
    return -1;
}

// Eight one-hot flags by page index.
using PageFlags = std::array<std::uint8_t, kPageCount>;

// Sets flag `index` and clears the others.
inline void MarkOneHot(PageFlags& flags, int index) {
    for (int i = 0; i < kPageCount; ++i) {
        flags[static_cast<std::size_t>(i)] = i == index ? 1 : 0;
    }
}

// The first index whose flag is set, -1 when none is.
inline int FirstMarked(const PageFlags& flags) {
    for (int i = 0; i < kPageCount; ++i) {
        if (flags[static_cast<std::size_t>(i)] != 0) {
            return i;
        }
    }
    return -1;
}

// The state that the pages of the operations sheet hand to each other and that survives from one run of
// the sheet to the next (not from one program run to the next): flags and choices only. What operations
// produce is kept in SheetResults and its result log. The application owns the one instance.
struct HandOver {
    PageFlags activeGame{};
    bool useDatedData = false; // the game pages work on the dated history
    PageFlags returnPageFromList{};
    PageFlags returnPageFromSetup{};
    int savedStartPage = 0;
    bool configWarningShown = false;
    SetupChoices setupChoices;
    SetupChoices setupChoicesSaved;
    bool setupChoicesSavedValid = false;
    int plantedSeed = 0; // the seed planted on the Data File page, 0 when none

    void MarkListReturnPage(int page) { MarkOneHot(returnPageFromList, page); }
    void MarkSetupReturnPage(int page) { MarkOneHot(returnPageFromSetup, page); }
    // The game page whose flag is set in activeGame, -1 when none.
    int ActiveGame() const;
    // Sets one strategy choice in both the working and the saved copy.
    void ChooseSetup(int choice);
    // Keeps the working choices for the next run of the sheet, which starts from the defaults and gets them
    // back on the first activation of a game page.
    void SaveSetupChoices();
};

} // namespace vantorel
