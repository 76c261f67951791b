#include "store/DataImport.h"

#include "platform/GameSettings.h"
#include "platform/MessageBox.h"
#include "store/CalendarDates.h"
#include "store/HistoryFile.h"
#include "store/HistoryRewrite.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vantorel {

namespace {

// The widest first group that a Power Ball table row holds.
constexpr int kMaxPowerballBalls = 6;
constexpr int kProgressStep = 25;

bool IsTokenCharacter(char c) {
    return (c >= '0' && c <= '9') || c == '/';
}

// Appends the tokens of `text` (runs of digits and "/") to `tokens`.
void CollectTokens(std::string_view text, std::vector<std::string_view>& tokens) {
    std::size_t position = 0;
    while (position < text.size()) {
        while (position < text.size() && !IsTokenCharacter(text[position])) {
            ++position;
        }
        const std::size_t start = position;
        while (position < text.size() && IsTokenCharacter(text[position])) {
            ++position;
        }
        if (position > start) {
            tokens.push_back(text.substr(start, position - start));
        }
    }
}

// The tokens of whole drawings, `perDrawing` tokens each. Unfiltered, the tokens run on across lines and a
// last incomplete drawing is dropped; filtered, each line gives the first `perDrawing` tokens it holds,
// or nothing when it holds fewer.
std::vector<std::string_view> DrawingTokens(std::string_view text, std::size_t perDrawing, bool filter) {
    std::vector<std::string_view> tokens;
    if (!filter) {
        CollectTokens(text, tokens);
        tokens.resize(tokens.size() - tokens.size() % perDrawing);
        return tokens;
    }
    std::vector<std::string_view> lineTokens;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        lineTokens.clear();
        CollectTokens(text.substr(start, end - start), lineTokens);
        if (lineTokens.size() >= perDrawing) {
            tokens.insert(tokens.end(), lineTokens.begin(),
                          lineTokens.begin() + static_cast<long>(perDrawing));
        }
        start = end + 1;
    }
    return tokens;
}

// A digit-game number without its leading zeros. A token that begins with "0" is taken to its first
// `width` characters (007 is 7, 0123 is 123 for the 4 Number game, 000 is 0); others stay as they are.
std::string_view NormalisedDigitNumber(std::string_view token, std::size_t width) {
    if (token.empty() || token.front() != '0') {
        return token;
    }
    const std::string_view head = token.substr(0, width);
    const std::size_t firstNonZero = head.find_first_not_of('0');
    return firstNonZero == std::string_view::npos ? head.substr(head.size() - 1) : head.substr(firstNonZero);
}

// A lotto or Power Ball number with one leading zero removed: "05" is "5", "012" is "1".
std::string_view LottoNumber(std::string_view token) {
    return token.size() >= 2 && token.front() == '0' ? token.substr(1, 1) : token;
}

struct ImportShape {
    int section = 0;
    std::size_t numbers = 1;    // numbers per drawing
    std::size_t perDrawing = 1; // tokens per drawing: the numbers, and the date of a dated drawing
    bool dated = false;
    bool digitGame = true;
    std::size_t digitWidth = 3;
};

ImportShape ShapeOf(int gameType, bool dated, const GameSettings& settings) {
    ImportShape shape;
    shape.section = SectionNumber(gameType, dated);
    shape.numbers = static_cast<std::size_t>(NumbersPerDrawing(gameType, settings));
    shape.perDrawing = shape.numbers + (dated ? 1 : 0);
    shape.dated = dated;
    shape.digitGame = gameType == kThreeNumber || gameType == kFourNumber;
    shape.digitWidth = gameType == kFourNumber ? 4 : 3;
    return shape;
}

enum class BuildResult { kBuilt, kEmpty, kDateError };

// Appends a blank and the stored form of a display-form date, as ToStoredDate converts it, without a
// text of its own for every drawing. A date of the wrong length goes to ToStoredDate, which says so.
bool AppendStoredDate(std::string_view date, std::string& line) {
    if (date.size() != 8) {
        std::string wrong(date);
        return ToStoredDate(wrong) == 1;
    }
    line += ' ';
    line.append(date.substr(6, 2))
        .append(1, '/')
        .append(date.substr(0, 2))
        .append(1, '/')
        .append(date.substr(3, 2));
    return true;
}

// Appends the drawings of `tokens` to `line`, each token after one blank.
BuildResult WriteDrawings(const std::vector<std::string_view>& tokens, const ImportShape& shape,
                          const ProgressLight& progress, std::string& line) {
    const bool countNumbers = !shape.digitGame && !shape.dated;
    std::size_t blinkCounter = 0;
    const auto blink = [&] {
        if (progress && blinkCounter % kProgressStep == 0) {
            progress();
        }
        ++blinkCounter;
    };
    for (std::size_t first = 0; first < tokens.size(); first += shape.perDrawing) {
        std::size_t next = first;
        if (shape.dated && !AppendStoredDate(tokens[next++], line)) {
            return BuildResult::kDateError;
        }
        for (; next < first + shape.perDrawing; ++next) {
            if (countNumbers) {
                blink();
            }
            line += ' ';
            if (!shape.digitGame) {
                line += LottoNumber(tokens[next]);
            } else if (shape.dated) {
                line += NormalisedDigitNumber(tokens[next], shape.digitWidth);
            } else {
                line += NormalisedDigitNumber(tokens[next].substr(0, shape.digitWidth), shape.digitWidth);
            }
        }
        if (!countNumbers) {
            blink();
        }
    }
    return BuildResult::kBuilt;
}

// The section line for the import text, ending with the line end.
BuildResult BuildSectionLine(std::string_view text, const ImportShape& shape, bool filter,
                             const ProgressLight& progress, std::string& line) {
    const std::vector<std::string_view> tokens = DrawingTokens(text, shape.perDrawing, filter);
    if (tokens.empty()) {
        return BuildResult::kEmpty;
    }
    line = std::to_string(shape.section);
    line += ' ';
    line += std::to_string(tokens.size() / shape.perDrawing);
    line.reserve(line.size() + text.size() + tokens.size());
    const BuildResult result = WriteDrawings(tokens, shape, progress, line);
    line += kLineEnd;
    return result;
}

bool WriteWorkLine(FileSystem& files, const std::filesystem::path& workFile, std::string_view line) {
    std::unique_ptr<WritableFile> file = files.Create(workFile);
    if (!file) {
        MessageBox(kTempfileOpenFailure, MessageIcon::Stop);
        return false;
    }
    const bool written = file->Write(line);
    if (!file->Close() || !written) {
        MessageBox(kUnknownError, MessageIcon::Stop);
        return false;
    }
    return true;
}

// Reads the section line that MassageNewData left in "~.~" and splits it.
bool ReadMassagedLine(FileSystem& files, std::string& line, SectionLineParts& parts) {
    if (files.ReadWhole(std::filesystem::path(kSecondWorkFileName), line) != ReadStatus::kRead) {
        MessageBox(kTempfileOpenFailure, MessageIcon::Stop);
        return false;
    }
    const std::vector<TextLine> lines = SplitLines(line);
    const std::optional<SectionLineParts> split =
        lines.empty() ? std::nullopt : SplitSectionLine(lines.front().text);
    if (!split) {
        MessageBox(kUnknownError, MessageIcon::Stop);
        return false;
    }
    parts = *split;
    return true;
}

// Reads the history file. A missing file reads as empty when `missingIsEmpty`; otherwise it, or a file
// that cannot be opened, shows "Unable to open VTRMAIN.DAT", and a read error "Unknown Error".
bool ReadHistory(FileSystem& files, bool missingIsEmpty, std::string& history) {
    switch (files.ReadWhole(std::filesystem::path(kHistoryFileName), history)) {
    case ReadStatus::kRead:
        return true;
    case ReadStatus::kMissing:
        if (missingIsEmpty) {
            return true;
        }
        [[fallthrough]];
    case ReadStatus::kNotOpened:
        MessageBox(kUnableToOpenHistory, MessageIcon::Stop);
        return false;
    case ReadStatus::kReadFailed:
        break;
    }
    MessageBox(kUnknownError, MessageIcon::Stop);
    return false;
}

// Runs MassageNewData and shows the caller's message for its failure.
bool Massage(const std::filesystem::path& importFile, int gameType, bool dated, const ProgressLight& progress,
             bool filterImport, const GameSettings& settings, FileSystem& files, std::string_view failure) {
    const int result = MassageNewData(importFile, gameType, dated, progress, filterImport, settings, files);
    if (result == kMassaged) {
        return true;
    }
    MessageBox(result == kMassageDateError ? kDateStringError : failure, MessageIcon::Stop);
    return false;
}

} // namespace

int PowerballBallsPerDrawing(const GameSettings& settings) {
    return std::clamp(settings.powerballBalls, 0, kMaxPowerballBalls);
}

int NumbersPerDrawing(int gameType, const GameSettings& settings) {
    switch (gameType) {
    case kFiveNumber:
        return 5;
    case kSixNumber:
        return 6;
    case kPowerball:
        return PowerballBallsPerDrawing(settings) + 1;
    default:
        return 1;
    }
}

int MassageNewData(const std::filesystem::path& importFile, int gameType, bool dated,
                   const ProgressLight& progress, bool filterImport, const GameSettings& settings,
                   FileSystem& files) {
    if (gameType < kThreeNumber || gameType > kPowerball) {
        MessageBox(kIllegalGameType, MessageIcon::Stop);
        return kMassageFailed;
    }
    std::string text;
    const ReadStatus read = files.ReadWhole(importFile, text);
    if (read == ReadStatus::kReadFailed) {
        MessageBox(kUnknownError, MessageIcon::Stop);
        return kMassageFailed;
    }
    if (read != ReadStatus::kRead) {
        MessageBox(std::string(kUnableToOpen) + importFile.string(), MessageIcon::Stop);
        return kMassageFailed;
    }
    std::string line;
    switch (BuildSectionLine(text, ShapeOf(gameType, dated, settings), filterImport, progress, line)) {
    case BuildResult::kEmpty:
        MessageBox(kFileIsEmpty, MessageIcon::Stop);
        return kMassageFailed;
    case BuildResult::kDateError:
        return kMassageDateError;
    case BuildResult::kBuilt:
        break;
    }
    const std::filesystem::path workFile(kSecondWorkFileName);
    if (!WriteWorkLine(files, workFile, line)) {
        files.Remove(workFile);
        return kMassageFailed;
    }
    return kMassaged;
}

namespace {

// The common course of both imports: massage the import file into the work file "~.~", read the section
// line back and hand it to `rewrite`, which returns the import's result. "~.~" is removed afterwards,
// whatever happens.
template <typename Rewrite>
int ImportThroughWorkFile(const std::filesystem::path& importFile, int gameType, bool dated,
                          const ProgressLight& progress, bool filterImport, const GameSettings& settings,
                          FileSystem& files, std::string_view massageFailure, Rewrite rewrite) {
    if (!Massage(importFile, gameType, dated, progress, filterImport, settings, files, massageFailure)) {
        return 0;
    }
    const WorkFileRemover removeMassagedLine(files, std::filesystem::path(kSecondWorkFileName));
    std::string sectionLine;
    SectionLineParts parts;
    if (!ReadMassagedLine(files, sectionLine, parts)) {
        return 0;
    }
    return rewrite(std::string_view(sectionLine), parts);
}

} // namespace

int ImportNew(const std::filesystem::path& importFile, int gameType, bool dated,
              const ProgressLight& progress, bool filterImport, const GameSettings& settings,
              FileSystem& files) {
    return ImportThroughWorkFile(
        importFile, gameType, dated, progress, filterImport, settings, files, kDataMassageFailedNew,
        [&](std::string_view sectionLine, const SectionLineParts& parts) {
            const int capacity = CapacityOfGame(gameType);
            if (CountValue(parts.count) > capacity) {
                MessageBox(HistoryFullMessage(capacity), MessageIcon::Stop);
                return 0;
            }
            std::string history;
            if (!ReadHistory(files, true, history)) {
                return 0;
            }
            const FilePieces pieces = InsertSectionLine(history, SectionNumber(gameType, dated), sectionLine);
            return RewriteHistoryFile(files, pieces, kTempfileOpenFailure) ? 1 : 0;
        });
}

int ImportAppend(const std::filesystem::path& importFile, int gameType, bool dated,
                 const ProgressLight& progress, bool filterImport, const GameSettings& settings,
                 FileSystem& files) {
    return ImportThroughWorkFile(
        importFile, gameType, dated, progress, filterImport, settings, files, kDataMassageFailedAppend,
        [&](std::string_view, const SectionLineParts& parts) {
            std::string history;
            if (!ReadHistory(files, false, history)) {
                return 0;
            }
            // The drawings follow the count after one blank.
            const std::string_view drawings = parts.rest.empty() ? parts.rest : parts.rest.substr(1);
            const int capacity = CapacityOfGame(gameType);
            FilePieces pieces;
            if (!PlanAppendOrExplain(history, SectionNumber(gameType, dated), CountValue(parts.count),
                                     drawings, capacity, pieces)) {
                return 0;
            }
            return RewriteHistoryFile(files, pieces, kTempfileOpenFailure) ? 1 : 0;
        });
}

int ExistingSectionLines(int section, FileSystem& files) {
    std::string history;
    if (files.ReadWhole(std::filesystem::path(kHistoryFileName), history) != ReadStatus::kRead) {
        return 0;
    }
    const std::vector<TextLine> lines = SplitLines(history);
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [section](const TextLine& line) {
        return SectionOfLine(line.text) == section;
    }));
}

} // namespace vantorel
