#pragma once

#include "store/FileSystem.h"

#include <filesystem>
#include <functional>
#include <string_view>

namespace vantorel {

struct GameSettings;

inline constexpr std::string_view kTempfileOpenFailure = "Tempfile Open() Failure";
inline constexpr std::string_view kFileIsEmpty = "File is Empty !";
inline constexpr std::string_view kIllegalGameType = "Illegal gameType parameter in MassageNewData()";
inline constexpr std::string_view kUnableToOpen = "Unable to open ";
inline constexpr std::string_view kDataMassageFailedNew = "Failure in Data Massage";
inline constexpr std::string_view kDataMassageFailedAppend = "Failure in data massage !";
inline constexpr std::string_view kDateStringError = "Error in Date String\nOperation Aborted";

// Called to swap the two progress pictures: at 0, 25, 50 ... drawings written (numbers, for an undated
// lotto or Power Ball history). May be empty.
using ProgressLight = std::function<void()>;

// Results of MassageNewData.
inline constexpr int kMassaged = 1;          // "~.~" holds the finished section line
inline constexpr int kMassageFailed = 0;     // a message has been shown
inline constexpr int kMassageDateError = -1; // a date of the file does not have 8 characters

// Turns an import file into one section line of the history `2 x gameType + dated` in the work file "~.~".
// Tokens are runs of digits and "/"; everything else separates them. Only whole drawings are written: a
// dated drawing is a date in the form mm/dd/yy followed by the drawing's numbers. Digit-game numbers lose
// their leading zeros, lotto and Power Ball numbers one leading zero. With `filterImport`, every line holds
// one drawing at its start and the rest of the line is ignored; a line too short for a drawing is skipped.
// The Power Ball width is the PBM of `settings`.
int MassageNewData(const std::filesystem::path& importFile, int gameType, bool dated,
                   const ProgressLight& progress, bool filterImport, const GameSettings& settings,
                   FileSystem& files = RealFileSystem());

// "Data Import (NEW)": writes the file's drawings as a new section line, placed before any line of the
// same or a greater section (an old line of the same section stays behind the new one, unused). Creates
// the history file if there is none. 1 on success, 0 after a message.
int ImportNew(const std::filesystem::path& importFile, int gameType, bool dated,
              const ProgressLight& progress, bool filterImport, const GameSettings& settings,
              FileSystem& files = RealFileSystem());

// "Data Import (APPEND)": adds the file's drawings at the end of the history's existing section line and
// raises its count. 1 on success, 0 after a message.
int ImportAppend(const std::filesystem::path& importFile, int gameType, bool dated,
                 const ProgressLight& progress, bool filterImport, const GameSettings& settings,
                 FileSystem& files = RealFileSystem());

// How many lines of the history file belong to the section: the lines that a new import of it would
// leave behind its own line. 0 when there is no history file.
int ExistingSectionLines(int section, FileSystem& files = RealFileSystem());

// The number of first-group Power Ball numbers a drawing has for the PBM setting, kept within the width
// that the Power Ball table holds.
int PowerballBallsPerDrawing(const GameSettings& settings);
// How many numbers one drawing of the game has (after its date): 1, 1, 5, 6, or PBM + 1.
int NumbersPerDrawing(int gameType, const GameSettings& settings);

} // namespace vantorel
