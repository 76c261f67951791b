// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/TicketsFile.h"

#include "platform/GameCatalogue.h"
#include "store/TextLines.h"
#include "tickets/TicketDates.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <span>

namespace vantorel {

namespace {

// A quoted word is cut to this many characters in a message.
constexpr std::size_t kLongestQuotedWord = 20;

std::string LinePrefix(int lineNumber) {
    return "Line " + std::to_string(lineNumber) + ": ";
}

TicketProblem Problem(int lineNumber, TicketFault fault, std::string_view what) {
    return {lineNumber, fault, LinePrefix(lineNumber) + std::string(what)};
}

// A word as a message shows it: cut after kLongestQuotedWord characters.
std::string Shown(std::string_view word) {
    return word.size() > kLongestQuotedWord ? std::string(word.substr(0, kLongestQuotedWord)) + "..."
                                            : std::string(word);
}

std::string Quoted(std::string_view word) {
    return '"' + Shown(word) + '"';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool SameWord(std::string_view word, std::string_view lowerCase) {
    return word.size() == lowerCase.size() &&
           std::equal(word.begin(), word.end(), lowerCase.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

bool AllDigits(std::string_view word) {
    return !word.empty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The value of a word of digits; a value beyond int is taken as int's maximum (outside every range).
int ValueOf(std::string_view digits) {
    int value = 0;
    for (const char c : digits) {
        if (value > (std::numeric_limits<int>::max() - 9) / 10) {
            return std::numeric_limits<int>::max();
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

// The words of a ticket: runs of characters between blanks, tabs and commas, "+" always a word of its own.
std::vector<std::string_view> WordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    words.reserve(8);
    std::size_t start = 0;
    const auto close = [&](std::size_t end) {
        if (end > start) {
            words.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsBlank(text[i]) || text[i] == ',') {
            close(i);
        } else if (text[i] == '+') {
            close(i);
            words.push_back(text.substr(i, 1));
        }
    }
    close(text.size());
    return words;
}

std::string Joined(const std::vector<int>& numbers) {
    std::string text;
    text.reserve(numbers.size() * 3 + 5);
    for (const int number : numbers) {
        if (!text.empty()) {
            text += ' ';
        }
        text += std::to_string(number);
    }
    return text;
}

std::string PluralNumbers(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " number" : " numbers");
}

// Reads the balls of `words` into `balls`; the problem of the first word that is not a ball of 1 to
// `maximum` or that repeats an earlier one.
std::optional<TicketProblem> ReadBalls(std::span<const std::string_view> words, int maximum, int lineNumber,
                                       std::vector<int>& balls) {
    for (const std::string_view word : words) {
        if (!AllDigits(word)) {
            return Problem(lineNumber, TicketFault::kNotANumber, Quoted(word) + " is not a number");
        }
    }
    balls.reserve(words.size());
    for (const std::string_view word : words) {
        const int ball = ValueOf(word);
        if (ball < 1 || ball > maximum) {
            return Problem(lineNumber, TicketFault::kOutOfRange,
                           Shown(word) + " is outside 1 to " + std::to_string(maximum));
        }
        if (std::find(balls.begin(), balls.end(), ball) != balls.end()) {
            return Problem(lineNumber, TicketFault::kRepeated, std::to_string(ball) + " is there twice");
        }
        balls.push_back(ball);
    }
    return std::nullopt;
}

std::optional<TicketProblem> ReadLottoTicket(const std::vector<std::string_view>& words,
                                             const TicketGame& game, int lineNumber, Ticket& ticket) {
    const std::string title(GameOf(game.gameType).title);
    if (std::find(words.begin(), words.end(), "+") != words.end()) {
        return Problem(lineNumber, TicketFault::kWrongCount,
                       "the " + title + " game has no ball after \"+\"");
    }
    if (static_cast<int>(words.size()) != game.mainCount) {
        for (const std::string_view word : words) {
            if (!AllDigits(word)) {
                return Problem(lineNumber, TicketFault::kNotANumber, Quoted(word) + " is not a number");
            }
        }
        return Problem(lineNumber, TicketFault::kWrongCount,
                       PluralNumbers(words.size()) + "; a " + title + " ticket has " +
                           std::to_string(game.mainCount));
    }
    if (std::optional<TicketProblem> problem =
            ReadBalls(words, game.mainMaximum, lineNumber, ticket.numbers)) {
        return problem;
    }
    ticket.text = Joined(ticket.numbers);
    return std::nullopt;
}

std::optional<TicketProblem> ReadPowerballTicket(const std::vector<std::string_view>& words,
                                                 const TicketGame& game, int lineNumber, Ticket& ticket) {
    const auto plus = std::find(words.begin(), words.end(), "+");
    const std::span<const std::string_view> first(words.begin(), plus);
    const std::span<const std::string_view> second(plus == words.end() ? words.end() : plus + 1, words.end());
    if (plus == words.end() || std::find(plus + 1, words.end(), "+") != words.end() || second.size() != 1 ||
        static_cast<int>(first.size()) != game.mainCount) {
        for (const std::string_view word : words) {
            if (word != "+" && !AllDigits(word)) {
                return Problem(lineNumber, TicketFault::kNotANumber, Quoted(word) + " is not a number");
            }
        }
        const std::string found = plus == words.end()
                                      ? PluralNumbers(words.size()) + " and no \"+\""
                                      : PluralNumbers(first.size()) + " before \"+\" and " +
                                            std::to_string(words.end() - plus - 1) + " after it";
        return Problem(lineNumber, TicketFault::kWrongCount,
                       found + "; a Power Ball ticket has " + std::to_string(game.mainCount) +
                           " numbers, \"+\" and the Power Ball");
    }
    if (std::optional<TicketProblem> problem =
            ReadBalls(first, game.mainMaximum, lineNumber, ticket.numbers)) {
        return problem;
    }
    if (!AllDigits(second.front())) {
        return Problem(lineNumber, TicketFault::kNotANumber, Quoted(second.front()) + " is not a number");
    }
    ticket.bonus = ValueOf(second.front());
    if (ticket.bonus < 1 || ticket.bonus > game.bonusMaximum) {
        return Problem(lineNumber, TicketFault::kOutOfRange,
                       "the Power Ball " + Shown(second.front()) + " is outside 1 to " +
                           std::to_string(game.bonusMaximum));
    }
    ticket.text = Joined(ticket.numbers) + " + " + std::to_string(ticket.bonus);
    return std::nullopt;
}

std::optional<TicketProblem> ReadDigitTicket(std::string_view written,
                                             const std::vector<std::string_view>& words,
                                             const TicketGame& game, int lineNumber, Ticket& ticket) {
    const std::string shape = "a " + std::string(GameOf(game.gameType).title) + " ticket is " +
                              std::to_string(game.mainCount) + " digits, then \"box\" for a box play";
    if (words.empty() || words.size() > 2 || !AllDigits(words.front()) ||
        static_cast<int>(words.front().size()) != game.mainCount) {
        const bool number = !words.empty() && AllDigits(words.front());
        return Problem(lineNumber, number ? TicketFault::kWrongCount : TicketFault::kNotANumber,
                       Quoted(written) + ": " + shape);
    }
    for (const char digit : words.front()) {
        ticket.numbers.push_back(digit - '0');
    }
    if (words.size() == 2) {
        if (SameWord(words[1], "box")) {
            ticket.box = true;
        } else if (!SameWord(words[1], "straight")) {
            return Problem(lineNumber, TicketFault::kBadPlay,
                           Quoted(words[1]) + " is neither \"box\" nor \"straight\"");
        }
    }
    const bool oneDigit = std::all_of(ticket.numbers.begin(), ticket.numbers.end(),
                                      [&](int digit) { return digit == ticket.numbers.front(); });
    if (ticket.box && oneDigit) {
        return Problem(lineNumber, TicketFault::kBadPlay,
                       std::string(words.front()) + " box: a box needs two different digits");
    }
    ticket.text = std::string(words.front()) + (ticket.box ? " box" : "");
    return std::nullopt;
}

constexpr std::string_view kValidityForm = "after \";\" write from MM/DD/YYYY to MM/DD/YYYY";

// The part after ";": "from DATE", "to DATE", both in this order, or "on DATE".
std::optional<TicketProblem> ReadValidity(std::string_view text, int lineNumber, Ticket& ticket) {
    const std::vector<std::string_view> words = WordsOf(text);
    std::size_t next = 0;
    const auto takeDate = [&](std::string_view keyword, int& key) -> std::optional<TicketProblem> {
        if (next >= words.size() || !SameWord(words[next], keyword)) {
            return std::nullopt;
        }
        if (next + 1 >= words.size()) {
            return Problem(lineNumber, TicketFault::kBadValidity, kValidityForm);
        }
        const std::optional<int> date = DateKeyOfTyped(words[next + 1]);
        if (!date) {
            return Problem(lineNumber, TicketFault::kBadDate,
                           Quoted(words[next + 1]) + " is not a date (MM/DD/YYYY)");
        }
        key = *date;
        next += 2;
        return std::nullopt;
    };
    int on = kNoDate;
    if (std::optional<TicketProblem> problem = takeDate("on", on)) {
        return problem;
    }
    if (on == kNoDate) {
        if (std::optional<TicketProblem> problem = takeDate("from", ticket.validFrom)) {
            return problem;
        }
        if (std::optional<TicketProblem> problem = takeDate("to", ticket.validTo)) {
            return problem;
        }
    }
    if (next != words.size() || next == 0) {
        return Problem(lineNumber, TicketFault::kBadValidity, kValidityForm);
    }
    if (on != kNoDate) {
        ticket.validFrom = on;
        ticket.validTo = on;
    }
    if (ticket.validFrom != kNoDate && ticket.validTo != kNoDate && ticket.validTo < ticket.validFrom) {
        return Problem(lineNumber, TicketFault::kBadValidity,
                       "the last day " + TypedDateText(ticket.validTo) + " is before the first " +
                           TypedDateText(ticket.validFrom));
    }
    return std::nullopt;
}

std::string CauseOf(ReadStatus status) {
    switch (status) {
    case ReadStatus::kMissing:
        return "there is no such file";
    case ReadStatus::kNotAFile:
        return "it is not a file";
    case ReadStatus::kLinkLoop:
        return "it is a symbolic link that leads round in a circle";
    case ReadStatus::kTooLarge:
        return "it is too large";
    case ReadStatus::kNotOpened:
        return "it could not be opened";
    case ReadStatus::kReadFailed:
    case ReadStatus::kRead:
        break;
    }
    return "reading it failed";
}

} // namespace

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    return text.starts_with(kByteOrderMark) ? text.substr(kByteOrderMark.size()) : text;
}

TicketLine ReadTicketLine(std::string_view line, int lineNumber, const TicketGame& game) {
    std::string_view content = line.substr(0, line.find('#'));
    const std::size_t semicolon = content.find(';');
    const std::string_view numbers = Trimmed(content.substr(0, semicolon));
    if (numbers.empty() && semicolon == std::string_view::npos) {
        return {};
    }
    Ticket ticket;
    ticket.line = lineNumber;
    const std::vector<std::string_view> words = WordsOf(numbers);
    std::optional<TicketProblem> problem =
        game.digitGame()  ? ReadDigitTicket(numbers, words, game, lineNumber, ticket)
        : game.hasBonus() ? ReadPowerballTicket(words, game, lineNumber, ticket)
                          : ReadLottoTicket(words, game, lineNumber, ticket);
    if (!problem && semicolon != std::string_view::npos) {
        problem = ReadValidity(content.substr(semicolon + 1), lineNumber, ticket);
    }
    if (problem) {
        return {std::nullopt, std::move(problem)};
    }
    return {std::move(ticket), std::nullopt};
}

TicketsReading ReadTicketsText(std::string_view text, const TicketGame& game) {
    TicketsReading reading;
    reading.game = game;
    const auto lineEnds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    reading.tickets.reserve(std::min(lineEnds + 1, static_cast<std::size_t>(kMostTickets)));
    LineCursor lines(WithoutByteOrderMark(text));
    std::string_view line;
    for (int lineNumber = 1; lines.Next(line); ++lineNumber) {
        TicketLine read = ReadTicketLine(line, lineNumber, game);
        if (read.ticket && static_cast<int>(reading.tickets.size()) == kMostTickets) {
            reading.problems.push_back(
                Problem(lineNumber, TicketFault::kTooMany,
                        "more than " + std::to_string(kMostTickets) +
                            " tickets; this line and the lines after it are not read"));
            break;
        }
        if (read.ticket) {
            reading.tickets.push_back(std::move(*read.ticket));
        } else if (read.problem) {
            reading.problems.push_back(std::move(*read.problem));
        }
    }
    return reading;
}

TicketsReading ReadTicketsFile(const std::filesystem::path& file, const TicketGame& game, FileSystem& files) {
    std::string text;
    const ReadStatus status = files.ReadWhole(file, text, kLargestTicketsFile);
    if (status != ReadStatus::kRead) {
        TicketsReading reading;
        reading.game = game;
        reading.failure = FileNotReadText("The tickets file", file, status);
        return reading;
    }
    return ReadTicketsText(text, game);
}

std::string FileNotReadText(std::string_view what, const std::filesystem::path& file, ReadStatus status) {
    return std::string(what) + ' ' + file.string() + " could not be read: " + CauseOf(status) + '.';
}

} // namespace vantorel
