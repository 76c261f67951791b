// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds random typed drawings to AppendEntry on an in-memory history. The first byte picks the game (or
// an invalid one), the history kind and the PBM setting. An entry is either refused, leaving the history
// as it was, or added as exactly one drawing to its own section line, every other line untouched.

#include "platform/GameSettings.h"
#include "store/FileSystem.h"
#include "store/HistoryAnalysis.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"
#include "store/ManualEntry.h"
#include "store/TextLines.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace vantorel;

const std::string kHistory = "0 1 5\r\n1 1 98/01/01 5\r\n2 0\r\n3 0\r\n4 1 1 2 3 4 5\r\n5 0\r\n6 0\r\n7 0\r\n"
                             "8 0\r\n9 0\r\n";

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    LineCursor cursor(text);
    for (std::string_view line; cursor.Next(line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const unsigned control = data[0];
    const int gameType = static_cast<int>(control % 6);
    const bool dated = (control & 8u) != 0;
    GameSettings settings;
    settings.fiveNumberMax = 99;
    settings.sixNumberMax = 99;
    settings.powerballGroup1Max = 99;
    settings.powerballGroup2Max = 99;
    settings.powerballBalls = static_cast<int>(control >> 5) % 4 + 3; // 3 to 6
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    MemoryFileSystem files;
    files.Put(std::string(kHistoryFileName), kHistory);
    const bool appended = !AppendEntry(text, gameType, dated, settings, files).refused();

    Require(files.files().size() == 1); // the history: no work file is left
    const std::string& history = files.files().at(std::string(kHistoryFileName));
    if (!appended) {
        Require(history == kHistory);
        return 0;
    }
    const int section = SectionNumber(gameType, dated);
    const std::vector<std::string_view> before = Lines(kHistory);
    const std::vector<std::string_view> after = Lines(history);
    Require(before.size() == after.size());
    for (std::size_t line = 0; line < after.size(); ++line) {
        Require(static_cast<int>(line) == section ? after[line].size() > before[line].size()
                                                  : after[line] == before[line]);
    }
    const CheckTable table = AnalyseHistoryFile(settings, files).value();
    Require(table.records.size() == after.size());
    Require(table.records[static_cast<std::size_t>(section)].countMismatch == kFlagClear);
    return 0;
}
