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
    switch (c) {
    case ' ':
    case '\t':
    case ',':
    case '|':
    case ';':
    case '"':
    case '\r':
    case '\n':
    case '\v':
    case '\f':
        return true;
    default:
        return false;
    }
}

bool HasDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsDigit);
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

// A field from its first word to its last one.
std::string_view FieldName(std::string_view field) {
    std::size_t first = 0;
    while (first < field.size() && IsWordBreak(field[first])) {
        ++first;
    }
    std::size_t end = field.size();
    while (end > first && IsWordBreak(field[end - 1])) {
        --end;
    }
    return field.substr(first, end - first);
}

// Walks the words of a text: runs of characters that are no word break.
class WordCursor final {
public:
    explicit WordCursor(std::string_view text) : text_(text) {}

    bool Next(std::string_view& word) {
        while (position_ < text_.size() && IsWordBreak(text_[position_])) {
            ++position_;
        }
        const std::size_t start = position_;
        while (position_ < text_.size() && !IsWordBreak(text_[position_])) {
            ++position_;
        }
        word = text_.substr(start, position_ - start);
        return !word.empty();
    }

private:
    std::string_view text_;
    std::size_t position_ = 0;
};

// Blanks separate columns when a line has none of the other separators: every word is a field.
constexpr char kBlankColumns = ' ';

// The first of tab, comma, ";" and "|" that the line holds.
char ColumnSeparatorOf(std::string_view line) {
    constexpr std::string_view kSeparators = "\t,;|";
    const auto rank = [](char c) -> std::size_t {
        switch (c) {
        case '\t':
            return 0;
        case ',':
            return 1;
        case ';':
            return 2;
        case '|':
            return 3;
        default:
            return 4;
        }
    };
    std::size_t first = kSeparators.size();
    for (std::size_t i = 0; i < line.size() && first > 0; ++i) {
        first = std::min(first, rank(line[i]));
    }
    return first < kSeparators.size() ? kSeparators[first] : kBlankColumns;
}

// Walks the fields of a line, one column each: the texts between `separator`s outside double quotes, or,
// for blank-separated columns, the words. Only the field at hand is looked at, so that a line of any
// length needs no memory of its own.
class FieldCursor final {
public:
    FieldCursor(std::string_view line, char separator) : line_(line), separator_(separator) {}

    // The next field and its column (counted from 0); false after the last one.
    bool Next(std::string_view& field, int& column) {
        if (separator_ == kBlankColumns) {
            WordCursor words(line_.substr(position_));
            if (!words.Next(field)) {
                return false;
            }
            position_ = static_cast<std::size_t>(field.data() - line_.data()) + field.size();
            column = next_++;
            return true;
        }
        if (position_ > line_.size()) {
            return false;
        }
        bool quoted = false;
        std::size_t end = position_;
        for (; end < line_.size() && (line_[end] != separator_ || quoted); ++end) {
            quoted = line_[end] == '"' ? !quoted : quoted;
        }
        field = line_.substr(position_, end - position_);
        position_ = end + 1;
        column = next_++;
        return true;
    }

private:
    std::string_view line_;
    char separator_;
    std::size_t position_ = 0;
    int next_ = 0;
};

// The number of words of a field, at most `most`.
std::size_t CountWords(std::string_view field, std::size_t most) {
    WordCursor words(field);
    std::size_t count = 0;
    for (std::string_view word; count < most && words.Next(word);) {
        ++count;
    }
    return count;
}

// Where the numbers of the game stand: the column under the header's name, and how the columns of the
// file are separated.
struct ChosenColumn {
    int column = 0;
    char separator = kBlankColumns;
};

std::optional<ChosenColumn> FindColumn(std::string_view text, std::string_view name) {
    LineCursor lines(text);
    for (std::string_view line; lines.Next(line);) {
        const char separator = ColumnSeparatorOf(line);
        FieldCursor fields(line, separator);
        std::string_view field;
        for (int column = 0; fields.Next(field, column);) {
            if (SameNameIgnoringCase(FieldName(field), name)) {
                return ChosenColumn{column, separator};
            }
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
    // The shortest date is m/d/yy.
    if (word.size() < 6 || !IsDigit(word.front())) {
        return std::nullopt;
    }
    if (word.find('/') != std::string_view::npos) {
        return SlashDate(word);
    }
    return word.size() >= 8 ? DashDate(word) : std::nullopt;
}

// The first date of a field, with the word it is written as.
std::optional<CalendarDay> DateInField(std::string_view field, std::string_view& written) {
    WordCursor words(field);
    for (std::string_view word; words.Next(word);) {
        if (std::optional<CalendarDay> date = DateOfWord(word)) {
            written = word;
            return date;
        }
    }
    return std::nullopt;
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

// Days from 1 January of kFirstStorableYear to a day of the calendar in the storable years.
constexpr int DayIndex(const CalendarDay& date) {
    // The civil-from-days reckoning of proleptic Gregorian dates, with March as the first month.
    const auto daysFromCivil = [](int year, int month, int day) {
        year -= month <= 2 ? 1 : 0;
        const int era = year / 400;
        const int yearOfEra = year - era * 400;
        const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
        const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
        return era * 146097 + dayOfEra;
    };
    return daysFromCivil(date.year, date.month, date.day) - daysFromCivil(kFirstStorableYear, 1, 1);
}

// The days of all the storable years.
constexpr int kStorableDays = DayIndex({kLastStorableYear + 1, 1, 1});

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

std::string LinePrefix(int line) {
    return "Line " + std::to_string(line) + ": ";
}

// Why a date cannot be stored, or nothing when it can.
std::string DateProblem(const CalendarDay& date, int line, std::string_view written) {
    if (date.year < kFirstStorableYear || date.year > kLastStorableYear) {
        return LinePrefix(line) + "the year " + std::to_string(date.year) + " is outside " +
               std::to_string(kFirstStorableYear) + " to " + std::to_string(kLastStorableYear) +
               ",\nthe years that a history can hold.";
    }
    if (!IsCalendarDay(date)) {
        return LinePrefix(line) + std::string(written) + " is not a day of the calendar.";
    }
    return {};
}

std::string OutOfRangeProblem(int line, std::string_view written, const NumberLimits& limits) {
    std::string problem = LinePrefix(line) + "the " + std::string(limits.what) + ' ' + std::string(written) +
                          " is outside " + std::to_string(limits.lowest) + " to " +
                          std::to_string(limits.highest);
    if (!limits.setting.empty()) {
        problem.append(" (setting ").append(limits.setting).append(")");
    }
    return problem + '.';
}

std::string NotANumberProblem(int line, std::string_view written) {
    return LinePrefix(line) + '"' + std::string(written) + "\" is not a ball number.";
}

std::string TooFewProblem(int line, std::size_t found, std::size_t wanted, std::string_view what) {
    return "Line " + std::to_string(line) + " holds a date but only " + std::to_string(found) + " of the " +
           std::to_string(wanted) + ' ' + std::string(what) + " of a drawing.";
}

// Whether the name of a column says that it holds something beside the drawing's balls.
bool NamesNoBall(std::string_view name) {
    static constexpr std::array<std::string_view, 12> kOtherThings = {
        "bonus",   "extra",  "multiplier", "megaplier", "powerplay", "sum",
        "booster", "kicker", "jackpot",    "prize",     "winners",   "plus"};
    std::string words;
    for (const char c : name) {
        words += c == '_' || c == '-' || c == '#' ? ' ' : LowerCase(c);
    }
    if (words.find("power play") != std::string::npos) {
        return true;
    }
    WordCursor cursor(words);
    for (std::string_view word; cursor.Next(word);) {
        if (std::find(kOtherThings.begin(), kOtherThings.end(), word) != kOtherThings.end()) {
            return true;
        }
    }
    return false;
}

// The header of a file: the last line before the first drawing that holds no date, a letter, and more
// than one field. Its columns whose names say they hold something else (a bonus ball, a multiplier, ...)
// are never read as balls.
// A line whose date stands in another column than the header's "date" column (a draw number before it,
// say) has its fields matched to the header's names from the date on.
struct Header {
    int line = 0; // counted from 1; 0 when the file has none
    char separator = kBlankColumns;
    std::vector<bool> noBall; // by column
    int dateColumn = 0;       // the first column whose name holds "date" (the first column when none does)
};

bool HasLetter(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return LowerCase(c) >= 'a' && LowerCase(c) <= 'z'; });
}

// Whether a line without a date may be the header: it holds a letter and more than one field.
bool MayBeHeader(std::string_view line, char separator) {
    if (!HasLetter(line)) {
        return false;
    }
    FieldCursor fields(line, separator);
    std::string_view field;
    int column = 0;
    while (column < 1 && fields.Next(field, column)) {
    }
    return column >= 1;
}

// The names of the header's columns: which hold no ball, and where the date stands.
void NameColumns(std::string_view line, Header& header) {
    FieldCursor fields(line, header.separator);
    std::string_view field;
    bool dateFound = false;
    for (int column = 0; fields.Next(field, column);) {
        header.noBall.push_back(NamesNoBall(FieldName(field)));
        std::string name(FieldName(field));
        std::transform(name.begin(), name.end(), name.begin(), LowerCase);
        if (!dateFound && name.find("date") != std::string::npos) {
            header.dateColumn = column;
            dateFound = true;
        }
    }
}

// Every drawing a results file gives, one per day of the storable years: a later line that gives the
// drawing of a day again is counted, one that gives another drawing is the first conflict.
class DrawingsByDay final {
public:
    struct Conflict {
        int dateKey = 0;
        int earlierLine = 0;
        int laterLine = 0;
    };

    void Add(const ResultsDrawing& drawing, int dayIndex) {
        if (slots_.empty()) {
            slots_.resize(static_cast<std::size_t>(kStorableDays));
        }
        Slot& slot = slots_[static_cast<std::size_t>(dayIndex)];
        if (slot.lastLine == 0) {
            slot.drawing = drawing;
            slot.lastLine = drawing.line;
            ++count_;
            return;
        }
        if (slot.drawing.numbers == drawing.numbers) {
            slot.lastLine = drawing.line;
            ++repeatedLines_;
            return;
        }
        // The conflict of the earliest day is told.
        if (!conflict_ || drawing.dateKey < conflict_->dateKey) {
            conflict_ = Conflict{drawing.dateKey, slot.lastLine, drawing.line};
        }
    }

    int repeatedLines() const { return repeatedLines_; }
    const std::optional<Conflict>& conflict() const { return conflict_; }
    // The drawings, oldest first.
    std::vector<ResultsDrawing> InDateOrder() const {
        std::vector<ResultsDrawing> drawings;
        drawings.reserve(count_);
        for (const Slot& slot : slots_) {
            if (slot.lastLine != 0) {
                drawings.push_back(slot.drawing);
            }
        }
        return drawings;
    }

private:
    struct Slot {
        ResultsDrawing drawing;
        int lastLine = 0; // the last line that gave this drawing; 0 for a day without one
    };
    std::vector<Slot> slots_;
    std::size_t count_ = 0;
    int repeatedLines_ = 0;
    std::optional<Conflict> conflict_;
};

enum class LineReading { kDrawing, kNoDrawing, kProblem };

// Reads the drawings of one game, line by line.
class ResultsReader final {
public:
    ResultsReader(int gameType, const GameSettings& settings, std::optional<ChosenColumn> column)
        : gameType_(gameType), settings_(settings), numbers_(NumbersPerDrawing(gameType, settings)),
          column_(column) {}

    // Adds the drawing of one line, if it holds one; kProblem, with `problem`, when the line breaks the
    // rules.
    LineReading ReadLine(std::string_view text, int line, DrawingsByDay& drawings, std::string& problem);

    // The header as far as the lines read so far tell: it is fixed by the first line that holds a date.
    bool HeaderFixed() const { return headerFixed_; }
    int HeaderLine() const { return header_.line; }

private:
    bool DigitGame() const { return gameType_ == kThreeNumber || gameType_ == kFourNumber; }
    // Whether the header names the line's field in `column` as something else than balls.
    bool NoBall(int column) const {
        const int headerColumn = column - dateColumn_ + header_.dateColumn;
        return separator_ == header_.separator && headerColumn >= 0 &&
               static_cast<std::size_t>(headerColumn) < header_.noBall.size() &&
               header_.noBall[static_cast<std::size_t>(headerColumn)];
    }
    // Positions `fields` at the field where the drawing starts: the chosen column, or the field after the
    // date's (after words without digits, such as a weekday, where every word is a field). False when the
    // line has no such field.
    bool FindDrawingStart(FieldCursor& fields, int dateColumn, std::string_view& field, int& column) const;
    // The numbers of a lotto or Power Ball drawing, from its first field on: whole numbers only, read on
    // into the next field while either holds a single number and the drawing is not complete.
    LineReading CollectLottoNumbers(FieldCursor& fields, std::string_view field, int column, int line,
                                    std::string& problem);
    // The number of a digit-game drawing: one number, or its digits one by one in one field or one a field.
    LineReading CollectDigitGameNumber(FieldCursor& fields, std::string_view field, int column, int line,
                                       std::string& problem);

    int gameType_;
    const GameSettings& settings_;
    int numbers_;
    std::optional<ChosenColumn> column_;
    Header header_;
    std::string_view headerText_;
    bool headerFixed_ = false;
    char separator_ = kBlankColumns; // of the line being read
    int dateColumn_ = 0;             // of the line being read
    std::vector<std::string_view> numberWords_;
    std::string joinedDigits_; // a digit-game number written digit by digit
};

bool ResultsReader::FindDrawingStart(FieldCursor& fields, int dateColumn, std::string_view& field,
                                     int& column) const {
    const int wanted = column_ ? column_->column : dateColumn + 1;
    bool found = false;
    while (!found && fields.Next(field, column)) {
        found = column >= wanted;
    }
    // Columns that hold no ball, and words without digits after the date where each word is a field.
    while (found && !column_ && (NoBall(column) || (separator_ == kBlankColumns && !HasDigit(field)))) {
        found = fields.Next(field, column);
    }
    return found;
}

LineReading ResultsReader::CollectLottoNumbers(FieldCursor& fields, std::string_view field, int column,
                                               int line, std::string& problem) {
    const auto wanted = static_cast<std::size_t>(numbers_);
    numberWords_.clear();
    for (;;) {
        WordCursor words(field);
        std::size_t inField = 0;
        for (std::string_view word; words.Next(word); ++inField) {
            if (!IsAllDigits(word)) {
                problem = NotANumberProblem(line, word);
                return LineReading::kProblem;
            }
            if (numberWords_.size() < wanted) {
                numberWords_.push_back(word);
            }
        }
        if (numberWords_.size() == wanted) {
            return LineReading::kDrawing;
        }
        std::string_view next;
        if (inField == 0 || !fields.Next(next, column) || NoBall(column) ||
            (inField != 1 && CountWords(next, 2) != 1)) {
            problem = TooFewProblem(line, numberWords_.size(), wanted, "numbers");
            return LineReading::kProblem;
        }
        field = next;
    }
}

LineReading ResultsReader::CollectDigitGameNumber(FieldCursor& fields, std::string_view field, int column,
                                                  int line, std::string& problem) {
    const std::size_t width = gameType_ == kFourNumber ? 4 : 3;
    numberWords_.clear();
    WordCursor words(field);
    for (std::string_view word; words.Next(word);) {
        if (!IsAllDigits(word)) {
            problem = NotANumberProblem(line, word);
            return LineReading::kProblem;
        }
        numberWords_.push_back(word);
        if (numberWords_.size() > width) {
            break;
        }
    }
    const auto singleDigits = [&] {
        return std::all_of(numberWords_.begin(), numberWords_.end(),
                           [](std::string_view word) { return word.size() == 1; });
    };
    if (numberWords_.size() > 1) {
        // Several words in one field: the digits one by one, no more and no fewer.
        if (!singleDigits() || numberWords_.size() > width) {
            problem = LinePrefix(line) + '"' + std::string(FieldName(field)) +
                      "\" is neither one number nor its digits one by one.";
            return LineReading::kProblem;
        }
        if (numberWords_.size() < width) {
            problem = TooFewProblem(line, numberWords_.size(), width, "digits");
            return LineReading::kProblem;
        }
    } else if (numberWords_.front().size() == 1) {
        // One digit a field, where the fields that follow hold the others; otherwise one number.
        FieldCursor ahead = fields;
        std::string_view next;
        while (numberWords_.size() < width && ahead.Next(next, column) && !NoBall(column) &&
               CountWords(next, 2) == 1 && FieldName(next).size() == 1 && IsDigit(FieldName(next).front())) {
            numberWords_.push_back(FieldName(next));
        }
        numberWords_.resize(numberWords_.size() == width ? width : 1);
    }
    if (numberWords_.size() > 1) {
        joinedDigits_.clear();
        for (const std::string_view digit : numberWords_) {
            joinedDigits_ += digit;
        }
        numberWords_.assign(1, joinedDigits_);
    }
    return LineReading::kDrawing;
}

LineReading ResultsReader::ReadLine(std::string_view text, int line, DrawingsByDay& drawings,
                                    std::string& problem) {
    separator_ = column_ ? column_->separator : ColumnSeparatorOf(text);
    FieldCursor fields(text, separator_);
    std::string_view field;
    std::string_view written;
    int column = 0;
    std::optional<CalendarDay> date;
    while (!date && fields.Next(field, column)) {
        date = DateInField(field, written);
    }
    if (!date) {
        if (!headerFixed_ && MayBeHeader(text, separator_)) {
            header_.line = line;
            header_.separator = separator_;
            headerText_ = text;
        }
        return LineReading::kNoDrawing;
    }
    if (!headerFixed_) {
        headerFixed_ = true;
        NameColumns(headerText_, header_);
    }
    dateColumn_ = column;
    if (column_) {
        fields = FieldCursor(text, separator_);
    }
    if (!FindDrawingStart(fields, column, field, column) || !HasDigit(field)) {
        return LineReading::kNoDrawing;
    }
    const LineReading collected = DigitGame() ? CollectDigitGameNumber(fields, field, column, line, problem)
                                              : CollectLottoNumbers(fields, field, column, line, problem);
    if (collected != LineReading::kDrawing) {
        return collected;
    }
    problem = DateProblem(*date, line, written);
    if (!problem.empty()) {
        return LineReading::kProblem;
    }
    ResultsDrawing drawing;
    drawing.line = line;
    drawing.dateKey = date->year * 10000 + date->month * 100 + date->day;
    for (std::size_t i = 0; i < numberWords_.size(); ++i) {
        const int value = NumberValue(numberWords_[i]);
        const NumberLimits limits = LimitsOf(gameType_, static_cast<int>(i), numbers_, settings_);
        if (value < limits.lowest || value > limits.highest) {
            problem = OutOfRangeProblem(line, numberWords_[i], limits);
            return LineReading::kProblem;
        }
        drawing.numbers[i] = value;
    }
    drawings.Add(drawing, DayIndex(*date));
    return LineReading::kDrawing;
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
    DrawingsByDay drawings;
    const auto passOver = [&reading](int line) {
        ++reading.passedOverLines;
        reading.firstPassedOverLine =
            reading.firstPassedOverLine == 0 ? line : std::min(reading.firstPassedOverLine, line);
    };
    int headerWithDigits = 0; // the header so far, when it holds digits: passed over once another follows
    LineCursor lines(text);
    int lineNumber = 0;
    for (std::string_view line; lines.Next(line);) {
        switch (reader.ReadLine(line, ++lineNumber, drawings, reading.problem)) {
        case LineReading::kDrawing:
            break;
        case LineReading::kProblem:
            return reading;
        case LineReading::kNoDrawing:
            if (!reader.HeaderFixed() && reader.HeaderLine() == lineNumber) {
                if (headerWithDigits != 0) {
                    passOver(headerWithDigits);
                }
                headerWithDigits = HasDigit(line) ? lineNumber : 0;
            } else if (HasDigit(line)) {
                passOver(lineNumber);
            }
            break;
        }
    }
    if (const std::optional<DrawingsByDay::Conflict>& conflict = drawings.conflict()) {
        reading.problem = "Lines " + std::to_string(conflict->earlierLine) + " and " +
                          std::to_string(conflict->laterLine) + " give different drawings for " +
                          DisplayDateOfKey(conflict->dateKey) + '.';
        return reading;
    }
    reading.drawings = drawings.InDateOrder();
    reading.repeatedLines = drawings.repeatedLines();
    if (reading.drawings.empty()) {
        reading.problem =
            "The results file holds no drawing:\nno line has a date followed by the game's numbers.";
    }
    return reading;
}

} // namespace vantorel
