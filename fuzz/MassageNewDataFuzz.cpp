// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds random import files to MassageNewData through ImportNew and ImportAppend on an in-memory history.
// The first byte picks the game, the history kind, filtering, the operation and the PBM setting. Whatever
// the text, an import either fails and leaves the history as it was, or writes one section line whose
// count agrees with its drawings and keeps every old line.

#include "platform/GameSettings.h"
#include "store/DataImport.h"
#include "store/FileSystem.h"
#include "store/HistoryAnalysis.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
#include "store/TextLines.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using namespace vantorel;

const std::string kHistory =
    "0 1 5\r\n1 1 98/01/01 5\r\n2 0\r\n3 0\r\n4 0\r\n5 0\r\n6 0\r\n7 0\r\n8 0\r\n9 0\r\n";

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::size_t LineCount(std::string_view text) {
    LineCursor lines(text);
    std::size_t count = 0;
    for (std::string_view line; lines.Next(line);) {
        ++count;
    }
    return count;
}

// The record of the first line of `section` in a fresh analysis of the history.
SectionCheck CheckOfSection(MemoryFileSystem& files, const GameSettings& settings, int section) {
    const CheckTable table = AnalyseHistoryFile(settings, files).value();
    for (const SectionCheck& record : table.records) {
        if (record.state == section) {
            return record;
        }
    }
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const unsigned control = data[0];
    const int gameType = static_cast<int>(control % 5);
    const bool dated = (control & 8u) != 0;
    const bool filter = (control & 16u) != 0;
    const bool append = (control & 32u) != 0;
    GameSettings settings;
    settings.fiveNumberMax = 99;
    settings.sixNumberMax = 99;
    settings.powerballGroup1Max = 99;
    settings.powerballGroup2Max = 99;
    settings.powerballBalls = static_cast<int>(control >> 6) + 3; // 3 to 6

    MemoryFileSystem files;
    files.Put(std::string(kHistoryFileName), kHistory);
    files.Put("import.txt", std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    const Outcome<ChangeOutcome> result =
        append ? ImportAppend("import.txt", gameType, dated, {}, filter, settings, files)
               : ImportNew("import.txt", gameType, dated, {}, filter, settings, {}, files);

    Require(files.files().size() == 2); // the history and the import file: no work file is left
    const std::string& history = files.files().at(std::string(kHistoryFileName));
    if (result.refused() || *result != ChangeOutcome::kReplaced) {
        Require(history == kHistory);
        return 0;
    }
    const int section = SectionNumber(gameType, dated);
    Require(history.size() > kHistory.size());
    Require(LineCount(history) == LineCount(kHistory) + (append ? 0 : 1));
    const SectionCheck check = CheckOfSection(files, settings, section);
    Require(check.countMismatch == kFlagClear);
    Require(check.badCharacters == kFlagClear);
    return 0;
}
