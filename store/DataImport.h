// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"
#include "store/FileSystem.h"
#include "store/HistoryRewrite.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vantorel {

struct GameSettings;
class GameSettingKeys;

inline constexpr std::string_view kFileIsEmpty = "File is Empty !";
inline constexpr std::string_view kIllegalGameType = "Illegal gameType parameter in MassageNewData()";
inline constexpr std::string_view kUnableToOpen = "Unable to open ";
inline constexpr std::string_view kDataMassageFailedNew = "Failure in Data Massage";
inline constexpr std::string_view kDataMassageFailedAppend = "Failure in data massage !";
inline constexpr std::string_view kDateStringError = "Error in Date String\nOperation Aborted";

// Called to swap the two progress pictures: at 0, 25, 50 ... drawings written (numbers, for an undated
// lotto or Power Ball history), before the history file is written. Returns false to stop: the import is
// then refused with kImportCancelled and nothing is written. May be empty.
using ProgressLight = std::function<bool()>;
inline constexpr std::string_view kImportCancelled = "The import was cancelled.\nNothing was changed.";

// An import file larger than this is refused before it is read: a full history of any game, written
// with a long line of other text beside every drawing, stays far below it.
inline constexpr std::size_t kLargestImportFile = std::size_t{8} << 20;
// "The file <path>\nis too large to import (more than 8388608 bytes).\nA full history is far smaller."
std::string ImportTooLargeMessage(const std::filesystem::path& importFile);

// Reads a whole import file of at most kLargestImportFile bytes. Refused with why not: "Unable to open "
// and the path, the too-large message, or the could-not-be-read message.
Outcome<std::string> ReadImportFile(const std::filesystem::path& importFile,
                                    FileSystem& files = RealFileSystem());

// Turns an import file into one section line of the history `2 x gameType + dated` (without line end).
// Tokens are runs of digits and "/"; everything else separates them. Only whole drawings are written: a
// dated drawing is a date in the form mm/dd/yy followed by the drawing's numbers. Numbers lose their
// leading zeros (a digit-game number is first cut to the game's width). With `filterImport`, every line
// holds one drawing at its start and the rest of the line is ignored; a line too short for a drawing is
// skipped. Every drawing is checked: a date that is a day of the calendar, numbers within the maximums of
// `settings`, no ball twice in its group; the first drawing that is not is named with its line, and the
// import is refused. The Power Ball width is the PBM of `settings`. A file with more drawings than the
// history can hold is refused with the history-full message, as soon as that is clear; a date that does not
// have 8 characters with "Date Length Error".
Outcome<std::string> MassageNewData(const std::filesystem::path& importFile, int gameType, bool dated,
                                    const ProgressLight& progress, bool filterImport,
                                    const GameSettings& settings, FileSystem& files = RealFileSystem());

// Asked before a new import writes its section line into a history file that holds `lines` lines of that
// section already (which the new line would leave behind, unused); true to go on.
using ExistingHistoryConsent = std::function<bool(int lines)>;

// The settings an import of the game reads: the shape of a drawing and the maximums its numbers are
// checked against.
GameSettingKeys SettingsOfImport(int gameType);

// "Data Import (NEW)": writes the file's drawings as a new section line, placed before any line of the
// same or a greater section (an old line of the same section stays behind the new one, unused). Creates
// the history file if there is none. When the file holds the section already, `consent` (if given) is
// asked first, before the import file is read, and again whenever another program has changed the number
// of those lines meanwhile. kDeclined when consent was refused; refused with the messages that say why
// nothing was written.
Outcome<ChangeOutcome> ImportNew(const std::filesystem::path& importFile, int gameType, bool dated,
                                 const ProgressLight& progress, bool filterImport,
                                 const GameSettings& settings, const ExistingHistoryConsent& consent = {},
                                 FileSystem& files = RealFileSystem());

// "Data Import (APPEND)": adds the file's drawings at the end of the history's existing section line and
// raises its count; refused with the messages that say why nothing was written.
Outcome<ChangeOutcome> ImportAppend(const std::filesystem::path& importFile, int gameType, bool dated,
                                    const ProgressLight& progress, bool filterImport,
                                    const GameSettings& settings, FileSystem& files = RealFileSystem());

// How many lines of the history file belong to the section: the lines that a new import of it would
// leave behind its own line. 0 when there is no history file.
int ExistingSectionLines(int section, FileSystem& files = RealFileSystem());
// The same for a history's text.
int SectionLinesIn(std::string_view history, int section);

// A lotto or Power Ball number as it is stored: without leading zeros ("012" is "12", "05" is "5", "0"
// stays "0").
std::string_view StoredLottoNumber(std::string_view number);

// The number of first-group Power Ball numbers a drawing has for the PBM setting, kept within the width
// that the Power Ball table holds.
int PowerballBallsPerDrawing(const GameSettings& settings);
// How many numbers one drawing of the game has (after its date): 1, 1, 5, 6, or PBM + 1.
int NumbersPerDrawing(int gameType, const GameSettings& settings);
// The settings that tell the shape of a drawing of the game, which its import, manual entry and table
// reading need: PBM for Power Ball, none for the others.
GameSettingKeys SettingsOfDrawingShape(int gameType);

} // namespace vantorel
