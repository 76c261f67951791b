// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/FileSystem.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// What one section of the history file looks like: its number, how many numbers make one drawing (after
// the date, for a dated section) and how many drawings it may hold.
struct SectionShape {
    int section = 0;
    int numbersPerDrawing = 1;
    int capacity = 0;
    bool dated = false;
};

// The drawings of one section as read: `numbers` holds numbersPerDrawing values per drawing, one after
// the other; `dates` one stored-form date per drawing (dated sections only).
struct SectionContent {
    int count = 0;
    std::vector<int> numbers;
    std::vector<std::string> dates;
};

// Section reader results.
inline constexpr int kSectionLoaded = 1;    // found and read, also when it holds no drawing
inline constexpr int kHistoryNotOpened = 0; // the history file could not be opened or read (or is no file)
inline constexpr int kSectionRefused = -1;  // absent, or its count exceeds the capacity

// The history file read whole in one piece, so that every section an operation or a page takes from it
// costs one read of the file. A file that is no regular file, cannot be read or is larger than any
// history (kLargestHistoryFile) is not read: `status` says why and `text` stays empty.
struct HistoryText {
    ReadStatus status = ReadStatus::kNotOpened;
    std::string text;

    bool read() const { return status == ReadStatus::kRead; }
};
HistoryText ReadHistoryText(const std::filesystem::path& historyFile);

// Finds the section's line in the history text and reads its drawings. Sections are looked up by the
// first whole number of each line, in ascending order; blank lines are skipped, and the lines of other
// sections are passed over without being read further. Of a line longer than a full section can be, only
// the part a full section fills is read. A line that holds fewer drawings than its count is read up to
// its own end: `count` then says how many were found. The content is emptied first, so a refused section
// leaves no drawings.
int ParseSection(const HistoryText& history, const SectionShape& shape, SectionContent& content);

// ReadHistoryText and ParseSection of one section.
int ReadSection(const std::filesystem::path& historyFile, const SectionShape& shape, SectionContent& content);

} // namespace vantorel
