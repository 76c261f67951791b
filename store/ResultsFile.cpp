// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ResultsFile.h"

#include "platform/GameSettings.h"
#include "store/DataImport.h"
#include "store/DrawingCheck.h"
#include "store/ResultsDates.h"
#include "store/ResultsJson.h"
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

// Days from 1 January of kFirstStorableYear to a day of the calendar in the storable years.
constexpr int DayIndex(const ResultsDay& date) {
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

int NumberValue(std::string_view digits) {
    long long value = 0;
    for (const char digit : digits) {
        value = std::min<long long>(value * 10 + (digit - '0'), kLargestNumberRead);
    }
    return static_cast<int>(value);
}

std::string LinePrefix(int line) {
    return "Line " + std::to_string(line) + ": ";
}

// Why a date cannot be stored, or nothing when it can. Years before the storable ones are left out before
// this is asked.
std::string DateProblem(const ResultsDay& date, int line, std::string_view written) {
    if (date.year > kLastStorableYear) {
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
    return LinePrefix(line) + OutOfRangeText(written, limits) + '.';
}

std::string NotANumberProblem(int line, std::string_view written) {
    return LinePrefix(line) + '"' + std::string(written) + "\" is not a ball number.";
}

std::string TooFewProblem(int line, std::size_t found, std::size_t wanted, std::string_view what) {
    return "Line " + std::to_string(line) + " holds a date but only " + std::to_string(found) + " of the " +
           std::to_string(wanted) + ' ' + std::string(what) + " of a drawing.";
}

// A column's name as it is compared: in lower case, "_", "-" and "#" read as blanks, one blank between words.
std::string NormalName(std::string_view name) {
    std::string spaced;
    for (const char c : name) {
        spaced += c == '_' || c == '-' || c == '#' ? ' ' : LowerCase(c);
    }
    std::string normal;
    WordCursor words(spaced);
    for (std::string_view word; words.Next(word);) {
        normal.append(normal.empty() ? "" : " ").append(word);
    }
    return normal;
}

// Whether the name of a column says that it holds something beside the drawing's balls.
bool NamesNoBall(const std::string& name) {
    static constexpr std::array<std::string_view, 19> kOtherThings = {
        "bonus",  "extra",   "multiplier", "megaplier", "powerplay", "sum",  "booster",
        "kicker", "jackpot", "prize",      "winners",   "plus",      "wins", "machine",
        "set",    "raffle",  "raffles",    "total",     "drawnumber"};
    static constexpr std::array<std::string_view, 6> kOtherNames = {"power play", "draw",     "draw number",
                                                                    "draw no",    "draw nbr", "cash value"};
    if (name.find("power play") != std::string::npos ||
        std::find(kOtherNames.begin(), kOtherNames.end(), name) != kOtherNames.end()) {
        return true;
    }
    WordCursor cursor(name);
    for (std::string_view word; cursor.Next(word);) {
        if (std::find(kOtherThings.begin(), kOtherThings.end(), word) != kOtherThings.end()) {
            return true;
        }
    }
    return false;
}

// The names of a column that holds a Power Ball game's second group, the most telling first. Only Power
// Ball games read such a column; for the others it holds no ball.
constexpr std::array<std::string_view, 12> kSecondGroupNames = {
    "powerball", "power ball", "pb",         "mega ball",  "megaball", "red ball",
    "cash ball", "star ball",  "lucky ball", "bonus ball", "bonus",    "bonus number"};

// Where a name stands in kSecondGroupNames; nothing for other names.
std::optional<std::size_t> SecondGroupRank(const std::string& name) {
    const auto found = std::find(kSecondGroupNames.begin(), kSecondGroupNames.end(), name);
    return found == kSecondGroupNames.end() ? std::nullopt
                                            : std::optional<std::size_t>(found - kSecondGroupNames.begin());
}

// The parts of a date that a column's name says it holds, in the order month, day, year.
std::optional<std::size_t> DatePartOf(const std::string& name) {
    static constexpr std::array<std::array<std::string_view, 4>, 3> kPartNames = {{
        {"month", "mon", "mm", "draw month"},
        {"day", "dd", "draw day", "day of month"},
        {"year", "yyyy", "yr", "draw year"},
    }};
    for (std::size_t part = 0; part < kPartNames.size(); ++part) {
        if (std::find(kPartNames[part].begin(), kPartNames[part].end(), name) != kPartNames[part].end()) {
            return part;
        }
    }
    return std::nullopt;
}

// The header of a file: the last line before the first drawing that holds no date, a letter, and more
// than one field. Its columns whose names say they hold something else (a bonus ball, a multiplier, ...)
// are never read as balls; for a Power Ball game, the column named as its second group (Powerball, Mega
// Ball, ...) holds the power ball. Columns named month, day and year hold a date in three fields.
// A line whose date stands in another column than the header's date column (a draw number before it,
// say) has its fields matched to the header's names from the date on.
struct Header {
    int line = 0; // counted from 1; 0 when the file has none
    char separator = kBlankColumns;
    std::vector<bool> noBall; // by column
    int dateColumn = 0;       // the first column whose name holds "date" (else the first of the date's parts,
                              // else the first column)
    int secondGroupColumn = -1;                  // Power Ball: the power ball's own column; -1 when none
    std::optional<std::array<int, 3>> dateParts; // the columns of month, day and year, when all are named
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

// The names of the header's columns: which hold no ball, where the date stands and, for a Power Ball game
// (`powerBall`), which holds the power ball.
void NameColumns(std::string_view line, bool powerBall, Header& header) {
    FieldCursor fields(line, header.separator);
    std::string_view field;
    bool dateFound = false;
    std::optional<std::size_t> bestRank;
    std::array<int, 3> parts = {-1, -1, -1};
    for (int column = 0; fields.Next(field, column);) {
        const std::string name = NormalName(FieldName(field));
        const std::optional<std::size_t> rank = SecondGroupRank(name);
        header.noBall.push_back(NamesNoBall(name) || rank.has_value());
        if (!dateFound && name.find("date") != std::string::npos) {
            header.dateColumn = column;
            dateFound = true;
        }
        if (const std::optional<std::size_t> part = DatePartOf(name); part && parts[*part] < 0) {
            parts[*part] = column;
        }
        if (powerBall && rank && (!bestRank || *rank < *bestRank)) {
            bestRank = rank;
            header.secondGroupColumn = column;
        }
    }
    if (header.secondGroupColumn >= 0) {
        header.noBall[static_cast<std::size_t>(header.secondGroupColumn)] = false;
    }
    if (std::all_of(parts.begin(), parts.end(), [](int column) { return column >= 0; })) {
        header.dateParts = parts;
        if (!dateFound) {
            header.dateColumn = *std::min_element(parts.begin(), parts.end());
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

enum class LineReading { kDrawing, kNoDrawing, kLeftOut, kProblem };

// A date found on a line: the day, the text it is written as, and the columns of its first and last
// fields (the same column for a date written as one word).
struct FoundDate {
    ResultsDay date;
    std::string_view written;
    int firstColumn = 0;
    int lastColumn = 0;
};

// The part of `text` from the start of `first` to the end of `last`, two views into it.
std::string_view SpanOf(std::string_view text, std::string_view first, std::string_view last) {
    const auto start = static_cast<std::size_t>(first.data() - text.data());
    return text.substr(start, static_cast<std::size_t>(last.data() - first.data()) + last.size());
}

// How many different days a list of days holds.
int DifferentDays(std::vector<int> days) {
    std::sort(days.begin(), days.end());
    return static_cast<int>(std::unique(days.begin(), days.end()) - days.begin());
}

// Reads the drawings of one game, line by line.
class ResultsReader final {
public:
    ResultsReader(int gameType, const GameSettings& settings, std::optional<ChosenColumn> column,
                  int eraStart)
        : gameType_(gameType), settings_(settings), numbers_(NumbersPerDrawing(gameType, settings)),
          column_(column), eraStart_(eraStart) {}

    // Adds the drawing of one line, if it holds one; kLeftOut for a drawing of a day before the storable
    // years or before the era; kProblem, with `problem`, when the line breaks the rules.
    LineReading ReadLine(std::string_view text, int line, DrawingsByDay& drawings, std::string& problem);

    // The header as far as the lines read so far tell: it is fixed by the first line that holds a date.
    bool HeaderFixed() const { return headerFixed_; }
    int HeaderLine() const { return headerFixed_ ? header_.line : candidate_.line; }

    // The different days of the drawings left out.
    int LeftOutBeforeStorableYears() const { return DifferentDays(daysBeforeStorableYears_); }
    int LeftOutBeforeEra() const { return DifferentDays(daysBeforeEra_); }

private:
    bool DigitGame() const { return gameType_ == kThreeNumber || gameType_ == kFourNumber; }
    // The line's column for a column of the header, when the line's columns are the header's.
    std::optional<int> LineColumnOf(int headerColumn) const {
        if (headerColumn < 0 || separator_ != header_.separator) {
            return std::nullopt;
        }
        return headerColumn - header_.dateColumn + dateColumn_;
    }
    // Whether the header names the line's field in `column` as something else than balls.
    bool NoBall(int column) const {
        const int headerColumn = column - dateColumn_ + header_.dateColumn;
        return separator_ == header_.separator && headerColumn >= 0 &&
               static_cast<std::size_t>(headerColumn) < header_.noBall.size() &&
               header_.noBall[static_cast<std::size_t>(headerColumn)];
    }
    // Whether the line's field in `column` holds the power ball, by the header's name of it.
    bool PowerBallColumn(int column) const { return LineColumnOf(header_.secondGroupColumn) == column; }

    // The first date of the line: a word that is a date; else the date in the columns the header names
    // month, day and year; else a month name between the day and the year or before them ("Feb 14 2020",
    // "14 Feb 2020"); else the month, day and year in the three fields after a first field that holds a
    // name and no digit (a game's name).
    std::optional<FoundDate> FindDate(std::string_view text) const;
    std::optional<FoundDate> DateInNamedColumns(std::string_view text, const std::array<int, 3>& parts) const;
    std::optional<FoundDate> DateWithMonthName(std::string_view text) const;
    std::optional<FoundDate> DateAfterGameName(std::string_view text) const;
    // Positions `fields` at the field where the drawing starts: the chosen column, or the field after the
    // date's last (after fields that hold no ball: a weekday, words without digits where every word is a
    // field, columns the header names as something else). False when the line has no such field.
    bool FindDrawingStart(FieldCursor& fields, int dateColumn, std::string_view& field, int& column) const;
    // The numbers of a lotto or Power Ball drawing, from its first field on: whole numbers only, read on
    // into the next field while either holds a single number and the drawing is not complete. A power ball
    // that has a column of its own is read from there.
    LineReading CollectLottoNumbers(FieldCursor& fields, std::string_view field, int column, int line,
                                    std::string& problem);
    // The power ball from its own column.
    LineReading CollectPowerBall(int line, std::string& problem);
    // The number of a digit-game drawing: one number, or its digits one by one in one field or one a field.
    LineReading CollectDigitGameNumber(FieldCursor& fields, std::string_view field, int column, int line,
                                       std::string& problem);

    int gameType_;
    const GameSettings& settings_;
    int numbers_;
    std::optional<ChosenColumn> column_;
    int eraStart_;
    Header header_;
    Header candidate_; // the header as the lines before the first date tell it
    bool headerFixed_ = false;
    std::string_view text_;          // the line being read
    char separator_ = kBlankColumns; // of the line being read
    int dateColumn_ = 0;             // of the line being read
    std::vector<std::string_view> numberWords_;
    std::string joinedDigits_; // a digit-game number written digit by digit
    std::vector<int> daysBeforeStorableYears_;
    std::vector<int> daysBeforeEra_;
};

std::optional<FoundDate> ResultsReader::FindDate(std::string_view text) const {
    FieldCursor fields(text, separator_);
    std::string_view field;
    for (int column = 0; fields.Next(field, column);) {
        WordCursor words(field);
        for (std::string_view word; words.Next(word);) {
            if (const std::optional<ResultsDay> date = DateOfWord(word)) {
                return FoundDate{*date, word, column, column};
            }
        }
    }
    const Header& header = headerFixed_ ? header_ : candidate_;
    if (header.dateParts && header.separator == separator_) {
        if (std::optional<FoundDate> found = DateInNamedColumns(text, *header.dateParts)) {
            return found;
        }
    }
    if (std::optional<FoundDate> found = DateWithMonthName(text)) {
        return found;
    }
    return DateAfterGameName(text);
}

std::optional<FoundDate> ResultsReader::DateInNamedColumns(std::string_view text,
                                                           const std::array<int, 3>& parts) const {
    std::array<std::string_view, 3> words;
    FieldCursor fields(text, separator_);
    std::string_view field;
    for (int column = 0; fields.Next(field, column);) {
        for (std::size_t part = 0; part < parts.size(); ++part) {
            words[part] = parts[part] == column ? FieldName(field) : words[part];
        }
    }
    const std::optional<int> month = MonthOfWord(words[0]);
    const std::optional<int> day = DayOfMonthOfWord(words[1]);
    const std::optional<int> year = FullYearOfWord(words[2]);
    if (!month || !day || !year) {
        return std::nullopt;
    }
    const auto [first, last] = std::minmax_element(parts.begin(), parts.end());
    const std::string_view firstWord = words[static_cast<std::size_t>(first - parts.begin())];
    const std::string_view lastWord = words[static_cast<std::size_t>(last - parts.begin())];
    return FoundDate{{*year, *month, *day}, SpanOf(text, firstWord, lastWord), *first, *last};
}

std::optional<FoundDate> ResultsReader::DateWithMonthName(std::string_view text) const {
    struct PlacedWord {
        std::string_view word;
        int column = 0;
    };
    std::array<PlacedWord, 3> recent; // the last three words, the newest last
    std::size_t seen = 0;
    FieldCursor fields(text, separator_);
    std::string_view field;
    for (int column = 0; fields.Next(field, column);) {
        WordCursor words(field);
        for (std::string_view word; words.Next(word);) {
            std::rotate(recent.begin(), recent.begin() + 1, recent.end());
            recent.back() = {word, column};
            if (++seen < recent.size()) {
                continue;
            }
            const std::optional<int> year = FullYearOfWord(recent[2].word);
            if (!year) {
                continue;
            }
            std::optional<int> month = MonthOfName(recent[0].word);
            std::optional<int> day = DayOfMonthOfWord(recent[1].word);
            if (!month || !day) {
                month = MonthOfName(recent[1].word);
                day = DayOfMonthOfWord(recent[0].word);
            }
            if (month && day) {
                return FoundDate{{*year, *month, *day},
                                 SpanOf(text, recent[0].word, recent[2].word),
                                 recent[0].column,
                                 recent[2].column};
            }
        }
    }
    return std::nullopt;
}

std::optional<FoundDate> ResultsReader::DateAfterGameName(std::string_view text) const {
    if (separator_ == kBlankColumns) {
        return std::nullopt;
    }
    FieldCursor fields(text, separator_);
    std::string_view field;
    int column = 0;
    if (!fields.Next(field, column) || !HasLetter(field) || HasDigit(field)) {
        return std::nullopt;
    }
    std::array<std::string_view, 3> words;
    for (std::string_view& word : words) {
        if (!fields.Next(field, column) || CountWords(field, 2) != 1) {
            return std::nullopt;
        }
        word = FieldName(field);
    }
    const std::optional<int> year = FullYearOfWord(words[2]);
    const auto oneOrTwoDigits = [](std::string_view word) {
        return word.size() <= 2 && IsAllDigits(word);
    };
    if (!year || !oneOrTwoDigits(words[0]) || !oneOrTwoDigits(words[1])) {
        return std::nullopt;
    }
    return FoundDate{
        {*year, NumberValue(words[0]), NumberValue(words[1])}, SpanOf(text, words[0], words[2]), 1, 3};
}

bool ResultsReader::FindDrawingStart(FieldCursor& fields, int dateColumn, std::string_view& field,
                                     int& column) const {
    const int wanted = column_ ? column_->column : dateColumn + 1;
    bool found = false;
    while (!found && fields.Next(field, column)) {
        found = column >= wanted;
    }
    // Columns that hold no ball or the power ball, a weekday, and words without digits after the date
    // where each word is a field.
    while (found && !column_ &&
           (NoBall(column) || PowerBallColumn(column) || IsWeekdayName(FieldName(field)) ||
            (separator_ == kBlankColumns && !HasDigit(field)))) {
        found = fields.Next(field, column);
    }
    return found;
}

LineReading ResultsReader::CollectLottoNumbers(FieldCursor& fields, std::string_view field, int column,
                                               int line, std::string& problem) {
    const bool powerBallApart = LineColumnOf(header_.secondGroupColumn).has_value();
    const auto wanted = static_cast<std::size_t>(powerBallApart ? numbers_ - 1 : numbers_);
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
            } else if (powerBallApart) {
                problem = LinePrefix(line) + '"' + std::string(FieldName(field)) + "\" holds more than the " +
                          std::to_string(wanted) +
                          " first-group numbers,\nand the power ball has a column of its own.";
                return LineReading::kProblem;
            }
        }
        if (numberWords_.size() == wanted) {
            return powerBallApart ? CollectPowerBall(line, problem) : LineReading::kDrawing;
        }
        std::string_view next;
        if (inField == 0 || !fields.Next(next, column) || NoBall(column) || PowerBallColumn(column) ||
            (inField != 1 && CountWords(next, 2) != 1)) {
            problem = TooFewProblem(line, numberWords_.size(), static_cast<std::size_t>(numbers_), "numbers");
            return LineReading::kProblem;
        }
        field = next;
    }
}

LineReading ResultsReader::CollectPowerBall(int line, std::string& problem) {
    const std::optional<int> wanted = LineColumnOf(header_.secondGroupColumn);
    FieldCursor fields(text_, separator_);
    std::string_view field;
    int column = 0;
    bool found = false;
    while (!found && fields.Next(field, column)) {
        found = column == wanted;
    }
    const std::string_view written = found ? FieldName(field) : std::string_view{};
    if (written.empty()) {
        problem = TooFewProblem(line, numberWords_.size(), static_cast<std::size_t>(numbers_), "numbers");
        return LineReading::kProblem;
    }
    if (!IsAllDigits(written)) {
        problem = NotANumberProblem(line, written);
        return LineReading::kProblem;
    }
    numberWords_.push_back(written);
    return LineReading::kDrawing;
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
    text_ = text;
    separator_ = column_ ? column_->separator : ColumnSeparatorOf(text);
    const std::optional<FoundDate> found = FindDate(text);
    if (!found) {
        if (!headerFixed_ && MayBeHeader(text, separator_)) {
            candidate_ = Header{};
            candidate_.line = line;
            candidate_.separator = separator_;
            NameColumns(text, gameType_ == kPowerball, candidate_);
        }
        return LineReading::kNoDrawing;
    }
    if (!headerFixed_) {
        headerFixed_ = true;
        header_ = std::move(candidate_);
    }
    dateColumn_ = found->firstColumn;
    FieldCursor fields(text, separator_);
    std::string_view field;
    int column = 0;
    if (!FindDrawingStart(fields, found->lastColumn, field, column) || !HasDigit(field)) {
        return LineReading::kNoDrawing;
    }
    const std::optional<ResultsDay> date = found->date;
    const int dateKey = date->year * 10000 + date->month * 100 + date->day;
    // Drawings that a history cannot hold, or of an earlier game, are left out before their numbers are
    // read: the game had other maximums then.
    if (IsCalendarDay(*date) && date->year < kFirstStorableYear) {
        daysBeforeStorableYears_.push_back(dateKey);
        return LineReading::kLeftOut;
    }
    if (IsCalendarDay(*date) && date->year <= kLastStorableYear && dateKey < eraStart_) {
        daysBeforeEra_.push_back(dateKey);
        return LineReading::kLeftOut;
    }
    const LineReading collected = DigitGame() ? CollectDigitGameNumber(fields, field, column, line, problem)
                                              : CollectLottoNumbers(fields, field, column, line, problem);
    if (collected != LineReading::kDrawing) {
        return collected;
    }
    problem = DateProblem(*date, line, found->written);
    if (!problem.empty()) {
        return LineReading::kProblem;
    }
    ResultsDrawing drawing;
    drawing.line = line;
    drawing.dateKey = dateKey;
    for (std::size_t i = 0; i < numberWords_.size(); ++i) {
        const int value = NumberValue(numberWords_[i]);
        const NumberLimits limits = LimitsOfNumber(gameType_, static_cast<int>(i), numbers_, settings_);
        if (value < limits.lowest || value > limits.highest) {
            problem = OutOfRangeProblem(line, numberWords_[i], limits);
            return LineReading::kProblem;
        }
        drawing.numbers[i] = value;
    }
    if (const std::string repeated = NumbersProblem(gameType_, numberWords_, settings_); !repeated.empty()) {
        problem = LinePrefix(line) + repeated + '.';
        return LineReading::kProblem;
    }
    drawings.Add(drawing, DayIndex(*date));
    return LineReading::kDrawing;
}

// The drawings of the lines of a results file; `lineNumbers` gives the number of each line in the file
// (empty: the lines are counted from 1).
ResultsReading ReadResultsLines(std::string_view text, const std::vector<int>& lineNumbers, int gameType,
                                const GameSettings& settings, std::string_view column, int eraStart) {
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
    ResultsReader reader(gameType, settings, chosen, eraStart);
    DrawingsByDay drawings;
    const auto passOver = [&reading](int line) {
        ++reading.passedOverLines;
        reading.firstPassedOverLine =
            reading.firstPassedOverLine == 0 ? line : std::min(reading.firstPassedOverLine, line);
    };
    int headerWithDigits = 0; // the header so far, when it holds digits: passed over once another follows
    LineCursor lines(text);
    std::size_t lineIndex = 0;
    for (std::string_view line; lines.Next(line); ++lineIndex) {
        const int lineNumber =
            lineIndex < lineNumbers.size() ? lineNumbers[lineIndex] : static_cast<int>(lineIndex) + 1;
        switch (reader.ReadLine(line, lineNumber, drawings, reading.problem)) {
        case LineReading::kDrawing:
        case LineReading::kLeftOut:
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
    reading.leftOutBeforeStorableYears = reader.LeftOutBeforeStorableYears();
    reading.leftOutBeforeEra = reader.LeftOutBeforeEra();
    if (reading.drawings.empty() && reading.leftOutBeforeStorableYears == 0 &&
        reading.leftOutBeforeEra == 0) {
        reading.problem =
            "The results file holds no drawing:\nno line has a date followed by the game's numbers.";
    }
    return reading;
}

} // namespace

std::string DisplayDateOfKey(int dateKey) {
    return TwoDigits(dateKey / 100 % 100) + '/' + TwoDigits(dateKey % 100) + '/' +
           std::to_string(dateKey / 10000);
}

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
                               std::string_view column, int eraStart) {
    if (!IsJsonArrayOfDrawings(text)) {
        return ReadResultsLines(text, {}, gameType, settings, column, eraStart);
    }
    const JsonResultsLines json = JsonDrawingsAsLines(text);
    if (!json.problem.empty()) {
        ResultsReading reading;
        reading.problem = json.problem;
        return reading;
    }
    return ReadResultsLines(json.text, json.lineNumbers, gameType, settings, column, eraStart);
}

} // namespace vantorel
