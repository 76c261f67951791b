// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileDescriptor.h"
#include "store/FileSystem.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// Carriage return with line feed, a line feed alone and a carriage return alone each end a line, in every
// file the program reads; a last line without a line end is a line as well.

// Walks the lines of a text held in memory.
class LineCursor final {
public:
    explicit LineCursor(std::string_view text) : text_(text) {}
    // The next line without its line end; false after the last one.
    bool Next(std::string_view& line);

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// Reads the lines of a regular file in pieces of bounded size, so that memory stays bounded whatever the
// file holds: of a line longer than `longestKept` only the start is kept.
class FileLineReader final {
public:
    FileLineReader(const std::filesystem::path& file, std::size_t longestKept);

    // kRead when the file is open; otherwise why not (nothing is read then).
    ReadStatus status() const { return status_; }
    // The next line without its line end; false at the end of the file or after a read error.
    bool Next(std::string& line);
    // Whether the line that Next() gave last was cut to `longestKept`.
    bool cut() const { return cut_; }
    // Whether reading failed after the file was opened.
    bool failed() const { return failed_; }

private:
    bool Refill();

    FileDescriptor file_;
    ReadStatus status_ = ReadStatus::kNotOpened;
    std::size_t longestKept_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t filled_ = 0;
    bool skipFeed_ = false; // a carriage return ended the last line: a line feed right after it belongs to it
    bool cut_ = false;
    bool failed_ = false;
};

// The first lines of a file of picks, one pick a line.
struct PickFileLines {
    bool opened = false;    // false: the file is missing, unreadable or not a regular file
    bool moreLines = false; // the file holds more lines than were taken
    std::vector<std::string> lines;
};
// The report of a comparison whose pick file could not be read.
inline constexpr std::string_view kFileInputError = "File Input ERROR";

// Reads at most `mostLines` lines of a pick file, each cut to a length that no pick line reaches.
PickFileLines ReadPickFile(const std::filesystem::path& file, std::size_t mostLines);

} // namespace vantorel
