// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/KeptValidators.h"

#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace vantorel {
namespace {

constexpr char kFieldSeparator = '\t';
constexpr std::size_t kFieldCount = 6;

bool FitsInField(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7f;
    });
}

// The text's lines without their line ends (CR LF, LF or a bare CR).
std::vector<std::string_view> LinesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) {
            break;
        }
        const bool crLf = text.compare(end, 2, "\r\n") == 0;
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

std::optional<std::array<std::string_view, kFieldCount>> FieldsOf(std::string_view line) {
    std::array<std::string_view, kFieldCount> fields;
    for (std::size_t index = 0; index + 1 < kFieldCount; ++index) {
        const auto separator = line.find(kFieldSeparator);
        if (separator == std::string_view::npos) {
            return std::nullopt;
        }
        fields[index] = line.substr(0, separator);
        line.remove_prefix(separator + 1);
    }
    if (line.find(kFieldSeparator) != std::string_view::npos) {
        return std::nullopt;
    }
    fields[kFieldCount - 1] = line;
    return fields;
}

std::optional<int> SectionOf(std::string_view field) {
    int section = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), section);
    if (error != std::errc() || end != field.data() + field.size() || section < 0) {
        return std::nullopt;
    }
    return section;
}

std::string FieldsLine(const std::array<std::string_view, kFieldCount>& fields) {
    std::string line(fields.front());
    for (std::size_t index = 1; index < kFieldCount; ++index) {
        line += kFieldSeparator;
        line += fields[index];
    }
    return line;
}

std::filesystem::path FileIn(const std::filesystem::path& folder) {
    return folder / kKeptValidatorsFileName;
}

} // namespace

std::string HistorySectionMark(std::string_view history, int section) {
    const std::optional<std::string_view> line = FindSectionLine(history, section);
    if (!line) {
        return "none";
    }
    // 64-bit FNV-1a: stable across runs and builds, which std::hash is not.
    std::uint64_t digest = 14695981039346656037ULL;
    for (const char c : *line) {
        digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    static constexpr std::string_view kHexDigits = "0123456789abcdef";
    std::string mark(16, '0');
    for (auto position = mark.rbegin(); position != mark.rend(); ++position, digest >>= 4) {
        *position = kHexDigits[digest & 0xf];
    }
    return mark;
}

KeptValidatorTable KeptValidatorTable::Parse(std::string_view text) {
    KeptValidatorTable table;
    const std::vector<std::string_view> lines = LinesOf(text);
    if (lines.empty() || lines.front() != kKeptValidatorsHeading) {
        return table;
    }
    for (auto line = lines.begin() + 1; line != lines.end(); ++line) {
        const auto fields = FieldsOf(*line);
        const std::optional<int> section = fields ? SectionOf((*fields)[0]) : std::nullopt;
        if (!section || (*fields)[1].empty()) {
            continue;
        }
        table.Keep(ValidatorSource{*section, std::string((*fields)[1]), std::string((*fields)[2])},
                   HttpValidators{std::string((*fields)[4]), std::string((*fields)[5])}, (*fields)[3]);
    }
    return table;
}

std::string KeptValidatorTable::Text() const {
    std::string text(kKeptValidatorsHeading);
    text += kLineEnd;
    for (const Entry& entry : entries_) {
        const std::string section = std::to_string(entry.source.section);
        text += FieldsLine({section, entry.source.url, entry.source.column, entry.sectionMark,
                            entry.validators.etag, entry.validators.lastModified});
        text += kLineEnd;
    }
    return text;
}

std::optional<HttpValidators> KeptValidatorTable::Find(const ValidatorSource& source,
                                                       std::string_view sectionMark) const {
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&source](const Entry& entry) { return entry.source == source; });
    if (found == entries_.end() || found->sectionMark != sectionMark) {
        return std::nullopt;
    }
    return found->validators;
}

void KeptValidatorTable::Keep(const ValidatorSource& source, const HttpValidators& validators,
                              std::string_view sectionMark) {
    if (Find(source, sectionMark) == validators) {
        return; // kept already: its place among the newest stays
    }
    Forget(source);
    const bool fits = !source.url.empty() && !sectionMark.empty() && FitsInField(source.url) &&
                      FitsInField(source.column) && FitsInField(sectionMark) &&
                      FitsInField(validators.etag) && FitsInField(validators.lastModified);
    if (!fits || validators.empty()) {
        return;
    }
    if (entries_.size() >= kMostKeptValidators) {
        entries_.erase(entries_.begin(), entries_.begin() + (entries_.size() - kMostKeptValidators + 1));
    }
    entries_.push_back(Entry{source, std::string(sectionMark), validators});
}

void KeptValidatorTable::Forget(const ValidatorSource& source) {
    std::erase_if(entries_, [&source](const Entry& entry) { return entry.source == source; });
}

HttpValidators ReadKeptValidators(FileSystem& files, const std::filesystem::path& folder,
                                  const ValidatorSource& source, std::string_view sectionMark) {
    std::string text;
    if (files.ReadWhole(FileIn(folder), text, kLargestKeptValidatorsFile) != ReadStatus::kRead) {
        return {};
    }
    return KeptValidatorTable::Parse(text).Find(source, sectionMark).value_or(HttpValidators{});
}

FileFault KeepValidators(FileSystem& files, const std::filesystem::path& folder,
                         const ValidatorSource& source, const HttpValidators& validators,
                         std::string_view sectionMark) {
    FileFault fault = FileFault::kNone;
    const auto lock = files.LockWriters(folder / kHistoryFileName, kWriterWait, fault);
    if (!lock) {
        return fault == FileFault::kNone ? FileFault::kInUse : fault;
    }
    std::string text;
    switch (files.ReadWhole(FileIn(folder), text, kLargestKeptValidatorsFile)) {
    case ReadStatus::kRead:
    case ReadStatus::kMissing:
        break;
    case ReadStatus::kNotAFile:
    case ReadStatus::kLinkLoop:
        return FileFault::kNotAFile;
    case ReadStatus::kTooLarge:
        return FileFault::kTooLarge;
    case ReadStatus::kNotOpened:
    case ReadStatus::kReadFailed:
        return FileFault::kOther;
    }
    KeptValidatorTable table = KeptValidatorTable::Parse(text);
    table.Keep(source, validators, sectionMark);
    const std::string newText = table.Text();
    if (newText == text) {
        return FileFault::kNone;
    }
    return ReplaceFile(files, FileIn(folder), newText);
}

} // namespace vantorel
