// SPDX-License-Identifier: GPL-3.0-or-later
#include "digit/DigitDrawTable.h"

#include "store/SectionReader.h"

namespace vantorel {

DigitDrawTable::DigitDrawTable(int sectionNumber)
    : section(sectionNumber >= 1 && sectionNumber <= 3 ? sectionNumber : 0) {
    dated = IsDatedSection(section);
}

int DigitDrawTable::Load(const std::filesystem::path& historyFile) {
    return Load(ReadHistoryText(historyFile));
}

int DigitDrawTable::Load(const HistoryText& history) {
    SectionContent content;
    loadStatus = ParseSection(history, {section, 1, kCapacity, dated}, content);
    numbers = std::move(content.numbers);
    dates = std::move(content.dates);
    return loadStatus;
}

void LoadDigitGame(DigitDrawTable& undated, DigitDrawTable& dated, const std::filesystem::path& historyFile) {
    const HistoryText history = ReadHistoryText(historyFile);
    undated.Load(history);
    dated.Load(history);
}

} // namespace vantorel
