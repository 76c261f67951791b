// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer harness: any bytes as the history file; every table kind must read it with a defined result,
// within its capacity, without reading outside the file or the table.

#include "digit/DigitDrawTable.h"
#include "lotto/LottoDrawTable.h"
#include "lotto/PowerballDrawTable.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

const std::filesystem::path& HistoryFile() {
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("vantorel-fuzz-" + std::to_string(getpid()) + ".dat");
    return file;
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantorel;
    {
        std::ofstream out(HistoryFile(), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    for (int section = 0; section < 4; ++section) {
        DigitDrawTable table(section);
        const int result = table.Load(HistoryFile());
        Check(result == 1 || result == -1);
        Check(table.count() <= DigitDrawTable::kCapacity);
        Check(!table.dated || table.dates.size() == table.numbers.size());
    }
    for (int section = 4; section < 8; ++section) {
        LottoDrawTable table(section);
        const int result = table.Load(HistoryFile());
        Check(result == 1 || result == -1);
        Check(table.count() <= table.capacity());
    }
    for (const int balls : {4, 5, 0, 9}) {
        PowerballDrawTable table(size % 2 == 0);
        table.Load(balls, HistoryFile());
        Check(table.count() <= PowerballDrawTable::kCapacity);
        Check(table.powerBalls.size() == table.numbers.size());
    }
    return 0;
}
