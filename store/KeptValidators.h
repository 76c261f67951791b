// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/HttpValidators.h"
#include "store/FileSystem.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The file beside the history that keeps, for every results file a game was updated from, what the server
// said identifies the version it sent, so that the next update can ask "has it changed?".
inline constexpr std::string_view kKeptValidatorsFileName = "vtrupdate.dat";
// Its first line; a file that does not start with it keeps nothing.
inline constexpr std::string_view kKeptValidatorsHeading = "Vantorel fetch validators 1";
// Files larger than this are not read: a few dozen entries fill a few kilobytes.
inline constexpr std::size_t kLargestKeptValidatorsFile = std::size_t{1} << 20;
// Entries kept; the oldest go first.
inline constexpr std::size_t kMostKeptValidators = 64;

// What a set of validators belongs to: the history section an update writes, the address fetched, and the
// column of the file that was read (empty when none was named).
struct ValidatorSource {
    int section = 0;
    std::string url;
    std::string column;
    friend bool operator==(const ValidatorSource&, const ValidatorSource&) = default;
};

// The mark of the state of one section of a history: a digest of its line. Validators are used only while
// the section still carries the mark it had after the update that fetched them, so that a history restored,
// imported or edited since then is brought up to date by a whole fetch.
std::string HistorySectionMark(std::string_view history, int section);

// The entries of the file, in the order they were kept (newest last). One entry a line, its fields
// separated by tabs: section, address, column, section mark, entity tag, modification time.
class KeptValidatorTable final {
public:
    // Reads the file's text; lines that are not whole entries are passed over.
    static KeptValidatorTable Parse(std::string_view text);
    // The file's text, every line ending with the program's line end.
    std::string Text() const;

    // The validators kept for `source` while its section carries `sectionMark`.
    std::optional<HttpValidators> Find(const ValidatorSource& source, std::string_view sectionMark) const;
    // Keeps `validators` for `source`, in place of any kept before. Empty validators, and fields that a
    // line cannot hold (tabs, line ends and other control characters), leave nothing kept for the source.
    void Keep(const ValidatorSource& source, const HttpValidators& validators, std::string_view sectionMark);
    void Forget(const ValidatorSource& source);
    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        ValidatorSource source;
        std::string sectionMark;
        HttpValidators validators;
    };
    std::vector<Entry> entries_;
};

// The validators kept in `folder` for `source` while its section carries `sectionMark`; empty when none
// are kept or the file cannot be read (the update then fetches the whole file).
HttpValidators ReadKeptValidators(FileSystem& files, const std::filesystem::path& folder,
                                  const ValidatorSource& source, std::string_view sectionMark);

// Keeps `validators` for `source` in the file of `folder`: under the writers' lock, the file read and
// replaced in one step like every rewrite (a missing file is made). Call it once the history rewrite has
// released the lock. kNone when kept or when nothing changed; otherwise the file is untouched and the fault
// says why (an unreadable file is not replaced).
FileFault KeepValidators(FileSystem& files, const std::filesystem::path& folder,
                         const ValidatorSource& source, const HttpValidators& validators,
                         std::string_view sectionMark);

} // namespace vantorel
