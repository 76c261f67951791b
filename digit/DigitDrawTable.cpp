#include "digit/DigitDrawTable.h"

#include "store/SectionReader.h"

namespace vantorel {

DigitDrawTable::DigitDrawTable(int sectionNumber)
    : section(sectionNumber >= 1 && sectionNumber <= 3 ? sectionNumber : 0) {
    dated = IsDatedSection(section);
}

int DigitDrawTable::Load(const std::filesystem::path& historyFile) {
    SectionContent content;
    loadStatus = ReadSection(historyFile, {section, 1, kCapacity, dated}, content);
    numbers = std::move(content.numbers);
    dates = std::move(content.dates);
    return loadStatus;
}

} // namespace vantorel
