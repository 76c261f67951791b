// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/StatisticsReport.h"

#include "platform/GameCatalogue.h"
#include "stats/Backtest.h"
#include "stats/HistoryStatistics.h"
#include "stats/StatsTexts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>
#include <span>
#include <string_view>
#include <vector>

namespace vantorel {

namespace {

constexpr std::string_view kAbsent = "-";
// Room for a number written with decimals as the reports write them (larger ones are left out).
constexpr std::size_t kLongestFixed = 32;

// Writes a number with `decimals` decimals and a point, whatever the locale, into `room`; a value that rounds
// to zero is written without a sign. Returns the characters written: none when the room is too small.
std::string_view WriteFixed(std::span<char> room, double value, int decimals) {
    const auto [end, error] =
        std::to_chars(room.data(), room.data() + room.size(), value, std::chars_format::fixed, decimals);
    if (error != std::errc()) {
        return {};
    }
    std::string_view written(room.data(), static_cast<std::size_t>(end - room.data()));
    if (written.starts_with('-') && written.find_first_not_of("-0.") == std::string_view::npos) {
        written.remove_prefix(1);
    }
    return written;
}

// Builds the lines of a table a piece at a time, in room kept from one line to the next, and adds them to
// the report a block of lines at a time: each piece is a check of the room left and a few stores, so tables
// of ten thousand lines cost little more than their text.
class LineBuilder final {
public:
    explicit LineBuilder(ReportLines& lines) : lines_(lines) {}
    LineBuilder(const LineBuilder&) = delete;
    LineBuilder& operator=(const LineBuilder&) = delete;
    ~LineBuilder() { Flush(); } // lines built and not flushed are not lost

    // Ends the line; the lines built so far reach the report when a block is full, or with Flush.
    void EndLine() {
        Put('\n');
        starts_.push_back(lineStart_);
        lineStart_ = size_;
        if (size_ >= kBlock) {
            Flush();
        }
    }
    // Adds the lines built so far to the report.
    void Flush() {
        lines_.AddLines(std::string_view(room_.data(), lineStart_), starts_);
        size_ = 0;
        lineStart_ = 0;
        starts_.clear();
    }

    void Put(char c) {
        MakeRoom(1);
        room_[size_++] = c;
    }
    void Put(std::string_view piece) {
        MakeRoom(piece.size());
        std::memcpy(room_.data() + size_, piece.data(), piece.size());
        size_ += piece.size();
    }
    // A piece whose length is known when compiling: copied without a call.
    template <std::size_t Length> void Put(const std::array<char, Length>& piece) {
        MakeRoom(Length);
        std::memcpy(room_.data() + size_, piece.data(), Length);
        size_ += Length;
    }
    template <std::size_t Size> void Put(const char (&literal)[Size]) {
        MakeRoom(Size - 1);
        std::memcpy(room_.data() + size_, literal, Size - 1);
        size_ += Size - 1;
    }
    // A whole number, at least `width` digits wide (leading zeros).
    void PutNumber(int number, int width = 0) {
        const auto least = static_cast<std::size_t>(std::max(width, 0));
        MakeRoom(kLongestInt + least);
        char* const first = room_.data() + size_;
        const auto length =
            static_cast<std::size_t>(std::to_chars(first, first + kLongestInt, number).ptr - first);
        if (length < least) {
            // Move the digits right and put zeros in front.
            const std::size_t zeros = least - length;
            for (std::size_t i = length; i-- > 0;) {
                first[i + zeros] = first[i];
            }
            for (std::size_t i = 0; i < zeros; ++i) {
                first[i] = '0';
            }
        }
        size_ += std::max(length, least);
    }
    void PutNumber(const std::optional<int>& number) {
        if (number) {
            PutNumber(*number);
        } else {
            Put(kAbsent);
        }
    }
    void PutFixed(double value, int decimals) {
        MakeRoom(kLongestFixed);
        size_ += WriteFixed(std::span<char>(room_).subspan(size_, kLongestFixed), value, decimals).size();
    }
    void PutFixed(const std::optional<double>& value, int decimals) {
        if (value) {
            PutFixed(*value, decimals);
        } else {
            Put(kAbsent);
        }
    }
    void PutDay(const std::optional<CalendarDay>& day) {
        if (day) {
            Put(day->DisplayCharacters());
        } else {
            Put(kAbsent);
        }
    }

private:
    static constexpr std::size_t kLongestInt = 11; // "-2147483648"
    static constexpr std::size_t kBlock = 8192;    // small enough to stay in the cache

    void MakeRoom(std::size_t characters) {
        if (room_.size() - size_ < characters) {
            room_.resize(std::max(room_.size() * 2, size_ + characters));
        }
    }

    ReportLines& lines_;
    std::string room_ = std::string(kBlock + 128, '\0');
    std::size_t size_ = 0;
    std::size_t lineStart_ = 0;       // where the line being built starts
    std::vector<std::size_t> starts_; // where each line built since the last Flush starts
};

// The text of a whole number, at least `width` digits wide (leading zeros), that follows a table's rows: the
// next number of a range is counted up digit by digit, so the number column of a table of a whole range
// costs no conversion per row.
class CountingNumberText final {
public:
    CountingNumberText(int first, int width) : value_(first), width_(width) { Write(); }

    std::string_view text() const { return text_; }

    // The text of `number`: counted up from the one before, written afresh otherwise.
    void MoveTo(int number) {
        if (number == value_) {
            return;
        }
        const bool next = value_ >= 0 && value_ < std::numeric_limits<int>::max() && number == value_ + 1;
        value_ = number;
        if (!next) {
            Write();
            return;
        }
        for (auto digit = text_.rbegin(); digit != text_.rend(); ++digit) {
            if (*digit != '9') {
                ++*digit;
                return;
            }
            *digit = '0';
        }
        text_.insert(text_.begin(), '1'); // 99 to 100
    }

private:
    void Write() {
        text_ = std::to_string(value_);
        if (value_ >= 0 && text_.size() < static_cast<std::size_t>(width_)) {
            text_.insert(0, static_cast<std::size_t>(width_) - text_.size(), '0');
        }
    }

    int value_ = 0;
    int width_ = 0;
    std::string text_;
};

std::string HistoryName(int gameType, bool dated) {
    return std::string(GameOf(gameType).name) + (dated ? " dated history" : " undated history");
}

// Digit games write their whole numbers with every digit (007); balls are written as they are.
int NumberWidth(const NumberGroupStatistics& group) {
    return group.lowest == 0 ? static_cast<int>(std::to_string(group.highest).size()) : 0;
}

void AddHeading(ReportLines& lines, const HistoryStatistics& statistics) {
    std::string heading = HistoryName(statistics.gameType, statistics.dated) + ": ";
    if (statistics.drawings == statistics.drawingsInHistory) {
        heading += std::to_string(statistics.drawings) + " drawings";
    } else {
        heading += "the newest " + std::to_string(statistics.drawings) + " of " +
                   std::to_string(statistics.drawingsInHistory) + " drawings";
    }
    if (statistics.firstDate && statistics.lastDate) {
        heading += ", " + statistics.firstDate->Display() + " to " + statistics.lastDate->Display();
    }
    lines.Add(heading);
}

void AddNumberGroup(ReportLines& lines, const NumberGroupStatistics& group) {
    lines.Add(group.name + " " + std::to_string(group.lowest) + " to " + std::to_string(group.highest) +
              " (number: count, current skip, longest skip, average skip, last seen)");
    const int width = NumberWidth(group);
    LineBuilder line(lines);
    CountingNumberText numberText(group.lowest, width);
    for (const NumberStatistics& number : group.numbers) {
        numberText.MoveTo(number.number);
        line.Put(numberText.text());
        if (number.NeverDrawn()) {
            // Most of the 10,000 numbers of a 4 Number history: nothing but the count to show.
            line.Put(": 0 - - - -");
            line.EndLine();
            continue;
        }
        line.Put(": ");
        line.PutNumber(number.count);
        line.Put(' ');
        line.PutNumber(number.currentSkip());
        line.Put(' ');
        line.PutNumber(number.longestSkip());
        line.Put(' ');
        line.PutFixed(number.averageSkip(), 2);
        line.Put(' ');
        line.PutDay(number.lastSeen());
        line.EndLine();
    }
    line.Flush();
    if (group.outsideRange > 0) {
        lines.Add("drawn outside " + std::to_string(group.lowest) + " to " + std::to_string(group.highest) +
                  ": " + std::to_string(group.outsideRange));
    }
}

void AddCombinations(ReportLines& lines, std::string_view heading,
                     const std::vector<NumberCombination>& list) {
    if (list.empty()) {
        return;
    }
    lines.Add(heading);
    LineBuilder line(lines);
    for (const NumberCombination& combination : list) {
        for (std::size_t i = 0; i < combination.numbers.size(); ++i) {
            if (i > 0) {
                line.Put(' ');
            }
            line.PutNumber(combination.numbers[i]);
        }
        line.Put(": ");
        line.PutNumber(combination.count);
        line.EndLine();
    }
    line.Flush();
}

void AddPositionDigits(ReportLines& lines, const std::vector<PositionDigits>& positions) {
    if (positions.empty()) {
        return;
    }
    std::string heading = "digits by position (digit:";
    for (const PositionDigits& position : positions) {
        heading += ' ' + position.position;
    }
    lines.Add(heading + ')');
    for (std::size_t digit = 0; digit < 10; ++digit) {
        std::string line = std::to_string(digit) + ':';
        for (const PositionDigits& position : positions) {
            line += ' ' + std::to_string(position.counts[digit]);
        }
        lines.Add(line);
    }
}

void AddSums(ReportLines& lines, const SumStatistics& sums) {
    lines.Add("sums: mean " + FixedText(sums.mean, 2) + ", standard deviation " +
              FixedText(sums.standardDeviation, 2) + " (sum: drawings)");
    for (const SumCount& sum : sums.histogram) {
        lines.Add(std::to_string(sum.sum) + ": " + std::to_string(sum.drawings));
    }
}

void AddSplits(ReportLines& lines, std::string_view heading, const std::vector<SplitPattern>& patterns) {
    lines.Add(heading);
    for (const SplitPattern& pattern : patterns) {
        lines.Add(std::to_string(pattern.first) + ' ' + std::to_string(pattern.second) + ": " +
                  std::to_string(pattern.drawings));
    }
}

void AddConsecutive(ReportLines& lines, const std::optional<ConsecutiveStatistics>& consecutive) {
    if (!consecutive) {
        return;
    }
    lines.Add("consecutive numbers: " + std::to_string(consecutive->drawingsWithAny) +
              " drawings hold some (pairs: drawings)");
    for (std::size_t pairs = 0; pairs < consecutive->drawingsByPairs.size(); ++pairs) {
        lines.Add(std::to_string(pairs) + ": " + std::to_string(consecutive->drawingsByPairs[pairs]));
    }
}

void AddRepeats(ReportLines& lines, std::string_view what, const std::optional<RepeatStatistics>& repeats) {
    if (!repeats) {
        return;
    }
    lines.Add(std::string(what) + " repeated from the previous drawing: mean " +
              FixedText(repeats->meanPerDrawing, 2) + " per drawing, random " +
              FixedText(repeats->randomExpectation, 2) + " (repeated: drawings)");
    for (std::size_t repeated = 0; repeated < repeats->drawingsByRepeats.size(); ++repeated) {
        lines.Add(std::to_string(repeated) + ": " + std::to_string(repeats->drawingsByRepeats[repeated]));
    }
}

void AddFairness(ReportLines& lines, const std::vector<FairnessResult>& tests) {
    lines.Add("fairness (chi-square against a fair draw)");
    for (const FairnessResult& test : tests) {
        if (!test.statistic || !test.pValue) {
            lines.Add(test.subject + ": " + test.sentence);
            continue;
        }
        lines.Add(test.subject + ": chi-square " + FixedText(*test.statistic, 2) + ", " +
                  std::to_string(test.degreesOfFreedom) + " degrees of freedom, " + PValueText(*test.pValue) +
                  ": " + test.sentence);
    }
}

void AddGroupBacktest(ReportLines& lines, const GroupBacktest& group) {
    std::string line = group.group + ": " + std::to_string(group.pickCount) + " picked, mean matches " +
                       FixedText(group.meanMatches, 4);
    if (group.ci95) {
        line += ", 95% interval " + FixedText(group.ci95->low, 4) + " to " + FixedText(group.ci95->high, 4);
    }
    lines.Add(line + ", random expectation " + FixedText(group.randomExpectation, 4) + ": " + group.verdict);
    lines.Add("matches: drawings, share, random chance");
    for (const MatchCount& count : group.distribution) {
        lines.Add(std::to_string(count.matches) + ": " + std::to_string(count.drawings) + ' ' +
                  FixedText(count.share, 4) + ' ' + FixedText(count.randomProbability, 4));
    }
}

} // namespace

std::string FixedText(double value, int decimals) {
    std::array<char, kLongestFixed> room{};
    return std::string(WriteFixed(room, value, decimals));
}

std::string FixedText(const std::optional<double>& value, int decimals) {
    return value ? FixedText(*value, decimals) : std::string(kAbsent);
}

ReportLines StatisticsReportLines(const HistoryStatistics& statistics) {
    ReportLines lines;
    // Room for the whole report at once: the long tables (the numbers above all) and a few dozen lines of
    // headings and short tables.
    constexpr std::size_t kShortLines = 64;
    constexpr std::size_t kUsualLineLength = 24;
    const std::size_t longLines = statistics.numbers.numbers.size() +
                                  (statistics.powerBalls ? statistics.powerBalls->numbers.size() : 0) +
                                  statistics.pairs.size() + statistics.triples.size() +
                                  statistics.boxCombinations.size() + statistics.sums.histogram.size();
    lines.Reserve(longLines + kShortLines, (longLines + kShortLines) * kUsualLineLength);
    AddHeading(lines, statistics);
    AddNumberGroup(lines, statistics.numbers);
    if (statistics.powerBalls) {
        AddNumberGroup(lines, *statistics.powerBalls);
    }
    const bool digitGame = !statistics.positionDigits.empty();
    AddCombinations(lines,
                    digitGame ? "pairs of digits in two positions (digits: drawings)"
                              : "pairs drawn together (numbers: drawings)",
                    statistics.pairs);
    AddCombinations(lines, "triples drawn together, the 50 most frequent (numbers: drawings)",
                    statistics.triples);
    AddPositionDigits(lines, statistics.positionDigits);
    AddCombinations(lines, "box combinations (digits: drawings)", statistics.boxCombinations);
    AddSums(lines, statistics.sums);
    AddSplits(lines, "even - odd (even odd: drawings)", statistics.evenOdd);
    AddSplits(lines, "high - low (high low: drawings)", statistics.highLow);
    AddConsecutive(lines, statistics.consecutive);
    AddRepeats(lines, digitGame ? "digits" : "numbers", statistics.repeats);
    AddRepeats(lines, "Power Balls", statistics.powerBallRepeats);
    AddFairness(lines, statistics.fairness);
    return lines;
}

ReportLines BacktestReportLines(const BacktestResult& result) {
    ReportLines lines;
    std::string heading = result.operation;
    if (!result.variant.empty()) {
        heading += " (" + result.variant + ')';
    }
    lines.Add(heading + " backtest, " + HistoryName(result.gameType, result.dated) + ": " +
              std::to_string(result.drawingsTested) + " drawings tested after a warm-up of " +
              std::to_string(result.warmup) + " (" + std::to_string(result.drawings) + " drawings)");
    if (result.seed) {
        lines.Add("seed " + std::to_string(*result.seed));
    }
    if (result.fallbackPredictions > 0) {
        lines.Add("predictions with too little history, made as random picks: " +
                  std::to_string(result.fallbackPredictions));
    }
    AddGroupBacktest(lines, result.picks);
    if (result.powerBalls) {
        AddGroupBacktest(lines, *result.powerBalls);
    }
    return lines;
}

} // namespace vantorel
