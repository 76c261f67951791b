// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds random results files to ReadResultsText. The first byte picks the game, PBM and whether an era
// applies, the bytes up to the first line end name a column when the second byte says so. Whatever the
// text, the reader either names a problem and gives no drawing, or gives drawings in date order, one a
// day, within the storable years and the era, their numbers within the game's ranges.

#include "platform/GameSettings.h"
#include "store/DataImport.h"
#include "store/HistoryFile.h"
#include "store/ResultsFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace vantorel;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const int gameType = data[0] % kGameCount;
    const GameSettings settings{39, 59, 69, 26, data[0] & 0x10 ? 4 : 5};
    const int eraStart = data[0] & 0x20 ? 20151007 : 0;
    std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);
    std::string_view column;
    if (data[1] & 1) {
        column = text.substr(0, text.find('\n'));
        text.remove_prefix(column.size());
    }
    const ResultsReading reading = ReadResultsText(text, gameType, settings, column, eraStart);
    if (!reading.problem.empty()) {
        Require(reading.drawings.empty());
        return 0;
    }
    const int numbers = NumbersPerDrawing(gameType, settings);
    int previous = 0;
    for (const ResultsDrawing& drawing : reading.drawings) {
        Require(drawing.dateKey > previous && drawing.dateKey >= eraStart);
        Require(drawing.dateKey / 10000 >= kFirstStorableYear &&
                drawing.dateKey / 10000 <= kLastStorableYear);
        Require(drawing.line >= 1);
        previous = drawing.dateKey;
        for (int i = 0; i < numbers; ++i) {
            const int number = drawing.numbers[static_cast<std::size_t>(i)];
            Require(IsDigitGame(gameType) ? number >= 0 && number <= 9999 : number >= 1 && number <= 69);
        }
    }
    return 0;
}
