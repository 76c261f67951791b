#include "store/ResultsFile.h"

#include "platform/GameSettings.h"
#include "store/CalendarDates.h"
#include "store/DataImport.h"
#include "store/TextLines.h"

#include <algorithm>
#include <optional>

namespace vantorel {

namespace {

// Numbers are read up to this value; anything larger is out of every game's range anyway.
constexpr int kLargestNumberRead = 1000000000;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsAllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

// Characters that end a word of a results line.
bool IsWordBreak(char c) {
    constexpr std::string_view kWordBreaks = " \t,|;\"\r\n\v\f";
    return kWordBreaks.find(c) != std::string_view::npos;
}

char LowerCase(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return LowerCase(x) == LowerCase(y); });
}

// A name without the blanks and quotes around it.
std::string_view TrimmedName(std::string_view text) {
    constexpr std::string_view kAround = " \t\"";
    const std::size_t first = text.find_first_not_of(kAround);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kAround) - first + 1);
}

// A word of a line with the column it stands in.
struct Word {
    std::string_view text;
    int column = 0;
};

// Blanks separate columns when a header has none of the other separators.
constexpr char kBlankColumns = ' ';

char ColumnSeparatorOf(std::string_view header) {
    for (const char separator : {'\t', ',', ';', '|'}) {
        if (header.find(separator) != std::string_view::npos) {
            return separator;
        }
    }
    return kBlankColumns;
}

// The words of a line, each with its column: columns are separated by `separator` outside double quotes,
// or, for blank-separated columns, every word is a column of its own.
void SplitWords(std::string_view line, char separator, std::vector<Word>& words) {
    words.clear();
    int column = 0;
    bool quoted = false;
    std::size_t start = std::string_view::npos;
    const auto endWord = [&](std::size_t end) {
        if (start != std::string_view::npos) {
            words.push_back({line.substr(start, end - start), column});
            column += separator == kBlankColumns ? 1 : 0;
            start = std::string_view::npos;
        }
    };
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            quoted = !quoted;
        }
        if (!IsWordBreak(c)) {
            start = start == std::string_view::npos ? i : start;
            continue;
        }
        endWord(i);
        if (c == separator && separator != kBlankColumns && !quoted) {
            ++column;
        }
    }
    endWord(line.size());
}

// Where the numbers of the game stand: the column under the header's name, and how the columns of the
// file are separated.
struct ChosenColumn {
    int column = 0;
    char separator = kBlankColumns;
};

std::optional<ChosenColumn> FindColumn(std::string_view text, std::string_view name) {
    std::vector<Word> words;
    LineCursor lines(text);
    for (std::string_view line; lines.Next(line);) {
        const char separator = ColumnSeparatorOf(line);
        SplitWords(line, separator, words);
        for (auto first = words.begin(); first != words.end();) {
            // A column's name runs from its first word to its last one.
            const auto end = std::find_if(
                first, words.end(), [&first](const Word& word) { return word.column != first->column; });
            const std::string_view last = std::prev(end)->text;
            const std::string_view field(
                first->text.data(), static_cast<std::size_t>(last.data() - first->text.data()) + last.size());
            if (SameNameIgnoringCase(field, name)) {
                return ChosenColumn{first->column, separator};
            }
            first = end;
        }
    }
    return std::nullopt;
}

struct CalendarDay {
    int year = 0;
    int month = 0;
    int day = 0;
};

std::optional<int> DigitsValue(std::string_view text, std::size_t shortest, std::size_t longest) {
    if (text.size() < shortest || text.size() > longest || !IsAllDigits(text)) {
        return std::nullopt;
    }
    int value = 0;
    for (const char digit : text) {
        value = value * 10 + (digit - '0');
    }
    return value;
}

// The three fields of a word between two `separator`s; nothing when it has fewer than two.
std::optional<std::array<std::string_view, 3>> ThreeFields(std::string_view word, char separator) {
    const std::size_t first = word.find(separator);
    const std::size_t second = first == std::string_view::npos ? first : word.find(separator, first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    return std::array{word.substr(0, first), word.substr(first + 1, second - first - 1),
                      word.substr(second + 1)};
}

// mm/dd/yyyy, m/d/yyyy and mm/dd/yy (month and day of one or two digits).
std::optional<CalendarDay> SlashDate(std::string_view word) {
    const auto fields = ThreeFields(word, '/');
    if (!fields) {
        return std::nullopt;
    }
    const std::string_view yearText = (*fields)[2];
    const std::optional<int> month = DigitsValue((*fields)[0], 1, 2);
    const std::optional<int> day = DigitsValue((*fields)[1], 1, 2);
    const std::optional<int> year = DigitsValue(yearText, 2, 4);
    if (!month || !day || !year || yearText.size() == 3) {
        return std::nullopt;
    }
    return CalendarDay{yearText.size() == 2 ? CenturyWindowYear(*year) : *year, *month, *day};
}

// yyyy-mm-dd (month and day of one or two digits), also with a time after a "T".
std::optional<CalendarDay> DashDate(std::string_view word) {
    const auto fields = ThreeFields(word.substr(0, word.find('T')), '-');
    if (!fields) {
        return std::nullopt;
    }
    const std::optional<int> year = DigitsValue((*fields)[0], 4, 4);
    const std::optional<int> month = DigitsValue((*fields)[1], 1, 2);
    const std::optional<int> day = DigitsValue((*fields)[2], 1, 2);
    if (!year || !month || !day) {
        return std::nullopt;
    }
    return CalendarDay{*year, *month, *day};
}

// The date a word is written as, whether or not it is a day of the calendar; nothing for other words.
std::optional<CalendarDay> DateOfWord(std::string_view word) {
    if (word.find('/') != std::string_view::npos) {
        return SlashDate(word);
    }
    return word.size() >= 8 && IsDigit(word.front()) ? DashDate(word) : std::nullopt;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsCalendarDay(const CalendarDay& date) {
    constexpr std::array<int, 12> kDaysInMonth = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (date.month < 1 || date.month > 12 || date.day < 1) {
        return false;
    }
    const int days = kDaysInMonth[static_cast<std::size_t>(date.month - 1)] +
                     (date.month == 2 && IsLeapYear(date.year) ? 1 : 0);
    return date.day <= days;
}

std::string TwoDigits(int value) {
    return std::string(1, static_cast<char>('0' + value / 10 % 10)) + static_cast<char>('0' + value % 10);
}

std::string DisplayDateOfKey(int dateKey) {
    return TwoDigits(dateKey / 100 % 100) + '/' + TwoDigits(dateKey % 100) + '/' +
           std::to_string(dateKey / 10000);
}

int NumberValue(std::string_view digits) {
    long long value = 0;
    for (const char digit : digits) {
        value = std::min<long long>(value * 10 + (digit - '0'), kLargestNumberRead);
    }
    return static_cast<int>(value);
}

// The range of one number of a drawing and the setting it comes from.
struct NumberLimits {
    int lowest = 1;
    int highest = 0;
    std::string_view setting; // empty for the fixed digit-game ranges
    std::string_view what = "number";
};

NumberLimits LimitsOf(int gameType, int position, int numbers, const GameSettings& settings) {
    switch (gameType) {
    case kFiveNumber:
        return {1, settings.fiveNumberMax, kKey5BC};
    case kSixNumber:
        return {1, settings.sixNumberMax, kKey6BC};
    case kPowerball:
        if (position == numbers - 1) {
            return {1, settings.powerballGroup2Max, kKeyPBB, "power ball"};
        }
        return {1, settings.powerballGroup1Max, kKeyPBC};
    case kFourNumber:
        return {0, 9999, {}};
    default:
        return {0, 999, {}};
    }
}

// Why a date cannot be stored, or nothing when it can.
std::string DateProblem(const CalendarDay& date, int line, std::string_view written) {
    if (date.year < kFirstStorableYear || date.year > kLastStorableYear) {
        return "Line " + std::to_string(line) + ": the year " + std::to_string(date.year) + " is outside " +
               std::to_string(kFirstStorableYear) + " to " + std::to_string(kLastStorableYear) +
               ",\nthe years that a history can hold.";
    }
    if (!IsCalendarDay(date)) {
        return "Line " + std::to_string(line) + ": " + std::string(written) +
               " is not a day of the calendar.";
    }
    return {};
}

std::string OutOfRangeProblem(int line, std::string_view written, const NumberLimits& limits) {
    std::string problem = "Line " + std::to_string(line) + ": the " + std::string(limits.what) + ' ' +
                          std::string(written) + " is outside " + std::to_string(limits.lowest) + " to " +
                          std::to_string(limits.highest);
    if (!limits.setting.empty()) {
        problem.append(" (setting ").append(limits.setting).append(")");
    }
    return problem + '.';
}

// Reads the drawings of one game, line by line.
class ResultsReader final {
public:
    ResultsReader(int gameType, const GameSettings& settings, std::optional<ChosenColumn> column)
        : gameType_(gameType), settings_(settings), numbers_(NumbersPerDrawing(gameType, settings)),
          column_(column) {}

    // Adds the drawing of one line, if it holds one; false, with `problem`, when the line breaks the rules.
    bool ReadLine(std::string_view text, int line, std::vector<ResultsDrawing>& drawings,
                  std::string& problem);

private:
    std::size_t FirstNumberWord(std::size_t dateWord) const;
    // The numbers' words from `first` on: at most `wanted`, passing over words that are no number.
    std::size_t CollectNumbers(std::size_t first, std::size_t wanted);
    // The words of a digit-game drawing: its number, or its digits one by one.
    std::size_t CollectDigitGameNumber(std::size_t first);

    int gameType_;
    const GameSettings& settings_;
    int numbers_;
    std::optional<ChosenColumn> column_;
    std::vector<Word> words_;
    std::vector<std::string_view> numberWords_;
    std::string joinedDigits_; // a digit-game number written digit by digit
};

std::size_t ResultsReader::FirstNumberWord(std::size_t dateWord) const {
    if (!column_) {
        return dateWord + 1;
    }
    const auto inColumn = std::find_if(words_.begin(), words_.end(),
                                       [this](const Word& word) { return word.column == column_->column; });
    return static_cast<std::size_t>(inColumn - words_.begin());
}

std::size_t ResultsReader::CollectNumbers(std::size_t first, std::size_t wanted) {
    numberWords_.clear();
    for (std::size_t i = first; i < words_.size() && numberWords_.size() < wanted; ++i) {
        if (!IsAllDigits(words_[i].text)) {
            continue;
        }
        // Under a chosen column the drawing starts in that column, or the line holds none of the game.
        if (numberWords_.empty() && column_ && words_[i].column != column_->column) {
            break;
        }
        numberWords_.push_back(words_[i].text);
    }
    return numberWords_.size();
}

std::size_t ResultsReader::CollectDigitGameNumber(std::size_t first) {
    const std::size_t width = gameType_ == kFourNumber ? 4 : 3;
    const bool digitByDigit = CollectNumbers(first, width) == width &&
                              std::all_of(numberWords_.begin(), numberWords_.end(),
                                          [](std::string_view word) { return word.size() == 1; });
    if (digitByDigit) {
        joinedDigits_.clear();
        for (const std::string_view digit : numberWords_) {
            joinedDigits_ += digit;
        }
        numberWords_.front() = joinedDigits_;
    }
    numberWords_.resize(std::min<std::size_t>(numberWords_.size(), 1));
    return numberWords_.size();
}

bool ResultsReader::ReadLine(std::string_view text, int line, std::vector<ResultsDrawing>& drawings,
                             std::string& problem) {
    SplitWords(text, column_ ? column_->separator : kBlankColumns, words_);
    std::optional<CalendarDay> date;
    std::size_t dateWord = 0;
    for (; dateWord < words_.size() && !date; ++dateWord) {
        date = DateOfWord(words_[dateWord].text);
    }
    if (!date) {
        return true;
    }
    --dateWord;
    const bool digitGame = gameType_ == kThreeNumber || gameType_ == kFourNumber;
    const std::size_t first = FirstNumberWord(dateWord);
    const std::size_t found =
        digitGame ? CollectDigitGameNumber(first) : CollectNumbers(first, static_cast<std::size_t>(numbers_));
    if (found == 0) {
        return true;
    }
    problem = DateProblem(*date, line, words_[dateWord].text);
    if (!problem.empty()) {
        return false;
    }
    if (!digitGame && found < static_cast<std::size_t>(numbers_)) {
        problem = "Line " + std::to_string(line) + " holds a date but only " + std::to_string(found) +
                  " of the " + std::to_string(numbers_) + " numbers of a drawing.";
        return false;
    }
    ResultsDrawing drawing;
    drawing.line = line;
    drawing.dateKey = date->year * 10000 + date->month * 100 + date->day;
    for (std::size_t i = 0; i < numberWords_.size(); ++i) {
        const int value = NumberValue(numberWords_[i]);
        const NumberLimits limits = LimitsOf(gameType_, static_cast<int>(i), numbers_, settings_);
        if (value < limits.lowest || value > limits.highest) {
            problem = OutOfRangeProblem(line, numberWords_[i], limits);
            return false;
        }
        drawing.numbers[i] = value;
    }
    drawings.push_back(drawing);
    return true;
}

// Orders the drawings by date and keeps one drawing a date; false, with `problem`, when two lines give
// different drawings for one date.
bool OneDrawingADate(std::vector<ResultsDrawing>& drawings, int& repeatedLines, std::string& problem) {
    std::stable_sort(drawings.begin(), drawings.end(),
                     [](const ResultsDrawing& a, const ResultsDrawing& b) { return a.dateKey < b.dateKey; });
    const auto sameDate = [](const ResultsDrawing& a, const ResultsDrawing& b) {
        return a.dateKey == b.dateKey;
    };
    const auto conflict =
        std::adjacent_find(drawings.begin(), drawings.end(), [](const auto& a, const auto& b) {
            return a.dateKey == b.dateKey && a.numbers != b.numbers;
        });
    if (conflict != drawings.end()) {
        const auto [earlier, later] = std::minmax(conflict->line, std::next(conflict)->line);
        problem = "Lines " + std::to_string(earlier) + " and " + std::to_string(later) +
                  " give different drawings for " + DisplayDateOfKey(conflict->dateKey) + '.';
        return false;
    }
    const auto kept = std::unique(drawings.begin(), drawings.end(), sameDate);
    repeatedLines = static_cast<int>(drawings.end() - kept);
    drawings.erase(kept, drawings.end());
    return true;
}

} // namespace

std::string StoredDateOf(const ResultsDrawing& drawing) {
    return TwoDigits(drawing.dateKey / 10000) + '/' + TwoDigits(drawing.dateKey / 100 % 100) + '/' +
           TwoDigits(drawing.dateKey % 100);
}

std::string SectionTextOf(const ResultsDrawing& drawing, int numbersPerDrawing) {
    std::string text = StoredDateOf(drawing);
    for (int i = 0; i < numbersPerDrawing; ++i) {
        text.append(1, ' ').append(std::to_string(drawing.numbers[static_cast<std::size_t>(i)]));
    }
    return text;
}

ResultsReading ReadResultsText(std::string_view text, int gameType, const GameSettings& settings,
                               std::string_view column) {
    ResultsReading reading;
    std::optional<ChosenColumn> chosen;
    const std::string_view name = TrimmedName(column);
    if (!name.empty()) {
        chosen = FindColumn(text, name);
        if (!chosen) {
            reading.problem = "No line of the results file has a column named \"" + std::string(name) + "\".";
            return reading;
        }
    }
    ResultsReader reader(gameType, settings, chosen);
    LineCursor lines(text);
    int lineNumber = 0;
    for (std::string_view line; lines.Next(line);) {
        if (!reader.ReadLine(line, ++lineNumber, reading.drawings, reading.problem)) {
            reading.drawings.clear();
            return reading;
        }
    }
    if (reading.drawings.empty()) {
        reading.problem =
            "The results file holds no drawing:\nno line has a date followed by the game's numbers.";
        return reading;
    }
    if (!OneDrawingADate(reading.drawings, reading.repeatedLines, reading.problem)) {
        reading.drawings.clear();
    }
    return reading;
}

} // namespace vantorel
