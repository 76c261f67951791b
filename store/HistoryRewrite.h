#pragma once

#include "store/FileSystem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The line end of every line the program writes, on every platform.
inline constexpr std::string_view kLineEnd = "\r\n";

// Messages shared by the operations that rewrite the history file.
inline constexpr std::string_view kUnknownError = "Unknown Error\n\nPROGRAM ABORTED";
inline constexpr std::string_view kUnableToOpenHistory = "Unable to open VTRMAIN.DAT";
inline constexpr std::string_view kNoCurrentEntry =
    "There is no current entry\nin the data file for\nthe APPEND operation\n"
    "that you have requested.\n(Please See Help)\n\nOPERATION ABORTED";
// "This history is full.\nIt can hold at most %d drawings.\n\nOPERATION ABORTED" with the capacity.
std::string HistoryFullMessage(int capacity);

// One line of a text file: its text and the line end that followed it ("\r\n", "\n", or nothing for a
// last line without one). Both view the file's content.
struct TextLine {
    std::string_view text;
    std::string_view ending;
};
std::vector<TextLine> SplitLines(std::string_view content);

// The section number of a history line, read as the section readers read it: the line's first word as a
// whole number. Nothing for a line that does not start with a number (a blank line, say): such lines are
// passed over and copied unchanged.
std::optional<int> SectionOfLine(std::string_view line);

// A section line cut around its count: `head` (the section number and the blanks after it), `count`
// (digits only) and `rest` (everything after the count: the drawings with their leading blank).
struct SectionLineParts {
    std::string_view head;
    std::string_view count;
    std::string_view rest;
};
// Nothing when the line has no count made of digits.
std::optional<SectionLineParts> SplitSectionLine(std::string_view line);
// The value of a count made of digits; counts too large for an int saturate.
int CountValue(std::string_view count);

// The new history file, as the pieces that are written one after the other.
using FilePieces = std::vector<std::string>;

// Pieces of the history with `sectionLine` (ending with its line end) placed before the first line of
// the same or a greater section; a line of the same section stays, behind the new one.
FilePieces InsertSectionLine(std::string_view history, int section, std::string_view sectionLine);

enum class AppendPlan { kPlanned, kNothingToAppendTo, kFull };
// Pieces of the history with `drawings` (drawings separated by blanks, no leading blank) added at the end
// of the first line of `section`, whose count grows by `added`. Refused when the section is absent, or
// when the new count would pass `capacity`.
AppendPlan AppendToSection(std::string_view history, int section, int added, std::string_view drawings,
                           int capacity, FilePieces& pieces);
// AppendToSection that tells the user why an append is refused ("no current entry" or "history full");
// true when `pieces` hold the new file.
bool PlanAppendOrExplain(std::string_view history, int section, int added, std::string_view drawings,
                         int capacity, FilePieces& pieces);

// Every line of `content` followed by the program's line end; a last line without a line end gets one.
FilePieces LinesWithLineEnds(std::string_view content);

enum class ReplaceResult { kReplaced, kWorkFileNotCreated, kFailed };
// Writes the pieces to the work file "~tmp.~", flushes it to the disk, closes it and renames it over
// `target` in one step. On any failure the work file is removed and `target` is untouched.
ReplaceResult ReplaceFile(FileSystem& files, const std::filesystem::path& target, const FilePieces& pieces);

// ReplaceFile on the history file, with the messages of a failed rewrite: `notCreatedMessage` when the work
// file cannot be made, "Unknown Error\n\nPROGRAM ABORTED" for any later failure. True when replaced.
bool RewriteHistoryFile(FileSystem& files, const FilePieces& pieces, std::string_view notCreatedMessage);

// Removes a work file when it goes out of scope, whatever happened meanwhile.
class WorkFileRemover final {
public:
    WorkFileRemover(FileSystem& files, std::filesystem::path file) : files_(files), file_(std::move(file)) {}
    ~WorkFileRemover() { files_.Remove(file_); }
    WorkFileRemover(const WorkFileRemover&) = delete;
    WorkFileRemover& operator=(const WorkFileRemover&) = delete;

private:
    FileSystem& files_;
    std::filesystem::path file_;
};

} // namespace vantorel
