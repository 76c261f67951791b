// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "platform/MessageBox.h"
#include "store/FileSystem.h"
#include "store/HistoryRewrite.h"
#include "tickets/TicketsFile.h"
#include "tickets/WheelGame.h"
#include "wheels/TicketFile.h"
#include "wheels/WheelGenerator.h"
#include "wheels/WheelRecord.h"
#include "wheels/WheelReport.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantorel {

namespace {

// The time a search takes when --seconds is not given.
constexpr double kDefaultSeconds = 8;

// A value of the command line that is not what its option takes: the message names the problem, and the
// command ends as a usage error.
struct BadValue {
    std::string message;
};

template <class T> using Read = std::variant<T, BadValue>;

bool IsSeparator(char c) {
    return c == ' ' || c == '\t' || c == ',';
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsSeparator(text[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && !IsSeparator(text[end])) {
            ++end;
        }
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

// A whole number of at most `highest`; nothing when `word` is not one.
std::optional<std::uint64_t> WholeNumber(std::string_view word, std::uint64_t highest) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || end != word.data() + word.size() || value > highest) {
        return std::nullopt;
    }
    return value;
}

// --pool and --keys: numbers 1..99 separated by blanks or commas. `what` ("Pool number") names one.
Read<std::vector<int>> NumberList(std::string_view text, const std::string& what) {
    std::vector<int> numbers;
    for (const std::string_view word : Words(text)) {
        const bool digits = word.find_first_not_of("0123456789") == std::string_view::npos;
        if (!digits) {
            return BadValue{what + " \"" + std::string(word) + "\" is not a whole number."};
        }
        const std::optional<std::uint64_t> number = WholeNumber(word, kHighestNumber);
        if (!number || *number < kLowestNumber) {
            return BadValue{what + " " + std::string(word) + " is outside " + std::to_string(kLowestNumber) +
                            " to " + std::to_string(kHighestNumber) + "."};
        }
        numbers.push_back(static_cast<int>(*number));
    }
    return numbers;
}

// A count option (--count, --size, --guarantee, --if): a whole number from 1 to 99.
Read<int> Count(std::string_view text, std::string_view option) {
    const std::optional<std::uint64_t> value = WholeNumber(text, kHighestNumber);
    if (!value || *value < 1) {
        return BadValue{std::string(option) + " takes a whole number from 1 to " +
                        std::to_string(kHighestNumber) + ", not \"" + std::string(text) + "\"."};
    }
    return static_cast<int>(*value);
}

Read<std::vector<int>> Pool(const WheelOptions& options) {
    if (options.pool) {
        Read<std::vector<int>> pool = NumberList(*options.pool, "Pool number");
        if (const auto* numbers = std::get_if<std::vector<int>>(&pool);
            numbers != nullptr && numbers->empty()) {
            return BadValue{"The pool holds no numbers."};
        }
        return pool;
    }
    const Read<int> count = Count(*options.count, "--count");
    if (const BadValue* bad = std::get_if<BadValue>(&count)) {
        return *bad;
    }
    std::vector<int> pool;
    for (int number = 1; number <= std::get<int>(count); ++number) {
        pool.push_back(number);
    }
    return pool;
}

Read<double> Seconds(const std::optional<std::string>& text) {
    if (!text) {
        return kDefaultSeconds;
    }
    double seconds = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), seconds);
    if (text->empty() || error != std::errc() || end != text->data() + text->size() || !(seconds > 0) ||
        seconds > kMaxSeconds) {
        return BadValue{"--seconds takes a time in seconds of more than 0 and at most " +
                        std::to_string(static_cast<int>(kMaxSeconds)) + ", not \"" + *text + "\"."};
    }
    return seconds;
}

Read<std::uint64_t> Seed(const std::optional<std::string>& text) {
    if (!text) {
        return std::uint64_t{1};
    }
    const std::optional<std::uint64_t> seed = WholeNumber(*text, std::numeric_limits<std::uint64_t>::max());
    if (!seed) {
        return BadValue{"--seed takes a whole number of 0 or more, not \"" + *text + "\"."};
    }
    return *seed;
}

// Takes the value of `read` into `into`; false (after the message) when it is a bad value.
template <class T> bool Take(Read<T> read, T& into) {
    if (const BadValue* bad = std::get_if<BadValue>(&read)) {
        MessageBox(bad->message, MessageIcon::Stop);
        return false;
    }
    into = std::move(std::get<T>(read));
    return true;
}

// The game the wheel is for: its ticket size and price. Nothing (after the message) when its settings
// cannot be read.
std::optional<WheelGame> GameOfWheel(CliContext& context) {
    const Outcome<WheelGame> game = WheelGameOf(context.profile, DefaultWheelGame(context.profile));
    if (!ShowOutcome(game)) {
        return std::nullopt;
    }
    return *game;
}

// A ticket costs the game's price when it is one play of the game: as many numbers as the game draws.
std::optional<std::int64_t> PriceFor(const WheelGame& game, int ticketSize) {
    return ticketSize == game.ticket.mainCount ? game.ticketCents : std::nullopt;
}

void PrintLinesOf(std::ostream& out, const std::vector<std::string>& lines) {
    for (const std::string& line : lines) {
        out << line << '\n';
    }
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return text;
}

int SaveTickets(const std::string& file, const std::vector<WheelTicket>& tickets) {
    const FileFault fault = ReplaceFile(RealFileSystem(), file, FormatTickets(tickets));
    if (fault != FileFault::kNone) {
        MessageBox("The tickets could not be saved to " + file + ":\n" + std::string(CauseOf(fault)) + ".",
                   MessageIcon::Stop);
        return kExitRefused;
    }
    return kExitDone;
}

// CSV: the document's first table; JSON: the document with "command" first and the messages shown.
void PrintDocument(OutputFormat format, CliContext& context, ResultDocument document) {
    if (format == OutputFormat::Csv) {
        context.out << CsvOf(document.tables.front());
        return;
    }
    document.fields.insert(document.fields.begin(), {"command", "wheel"});
    if (context.messages != nullptr) {
        document.messages = *context.messages;
    }
    context.out << JsonOf(document);
}

int GenerateAndPrint(const WheelOptions& options, OutputFormat format, CliContext& context) {
    WheelRequest request;
    if (!Take(Pool(options), request.pool) ||
        !Take(Count(options.guarantee, "--guarantee"), request.guarantee) ||
        !Take(Count(options.drawn, "--if"), request.drawn) ||
        !Take(Seconds(options.seconds), request.seconds) || !Take(Seed(options.seed), request.seed) ||
        (options.keys && !Take(NumberList(*options.keys, "Key number"), request.keys)) ||
        (options.size && !Take(Count(*options.size, "--size"), request.ticketSize))) {
        return kExitUsage;
    }
    std::optional<WheelGame> game;
    if (!options.size) {
        game = GameOfWheel(context);
        if (!game) {
            return kExitRefused;
        }
        request.ticketSize = game->ticket.mainCount;
    } else {
        const Outcome<WheelGame> named = WheelGameOf(context.profile, DefaultWheelGame(context.profile));
        game = named ? std::optional<WheelGame>(*named) : std::nullopt;
    }
    if (game) {
        request.ticketPriceCents = PriceFor(*game, request.ticketSize);
    }
    if (const std::optional<Refusal> refusal = ValidateWheelRequest(request)) {
        MessageBox(refusal->text, MessageIcon::Stop);
        return kExitUsage;
    }
    const WheelOutcome outcome = GenerateWheel(request);
    if (!ShowOutcome(outcome)) {
        return kExitRefused;
    }
    const WheelResult& result = *outcome;
    // The tickets alone on standard output; in JSON the summary and the wins are in the document.
    const auto save = [&options, &result] {
        return options.save ? SaveTickets(*options.save, result.tickets) : kExitDone;
    };
    if (format == OutputFormat::Json) {
        const int saved = save(); // a failure is one of the document's messages
        PrintDocument(format, context, WheelDocument(result));
        return saved;
    }
    if (format == OutputFormat::Csv) {
        PrintDocument(format, context, WheelDocument(result));
    } else {
        context.out << FormatTickets(result.tickets);
    }
    context.out.flush();
    MessageBox(Joined(WheelSummaryLines(result)), MessageIcon::None);
    MessageBox(Joined(WinsTableLines(result.wins, request.guarantee)), MessageIcon::None);
    return save();
}

// Reads the ticket file of --check; nothing (after the message) when it cannot be read or a line is no
// ticket.
std::optional<std::vector<WheelTicket>> ReadTicketFile(const std::string& file) {
    std::string text;
    const ReadStatus status = RealFileSystem().ReadWhole(file, text, kLargestTicketsFile);
    if (status != ReadStatus::kRead) {
        MessageBox(FileNotReadText("The ticket file", file, status), MessageIcon::Stop);
        return std::nullopt;
    }
    const Outcome<std::vector<WheelTicket>> tickets = ParseTickets(WithoutByteOrderMark(text));
    if (!ShowOutcome(tickets)) {
        return std::nullopt;
    }
    return *tickets;
}

int CheckAndPrint(const WheelOptions& options, OutputFormat format, CliContext& context) {
    WheelCheckRequest request;
    if (!Take(Pool(options), request.pool) ||
        !Take(Count(options.guarantee, "--guarantee"), request.guarantee) ||
        !Take(Count(options.drawn, "--if"), request.drawn)) {
        return kExitUsage;
    }
    // The pool and the guarantee first, on their own: a mistake there is the command's.
    if (const std::optional<Refusal> refusal = ValidateWheelCheck(request)) {
        MessageBox(refusal->text, MessageIcon::Stop);
        return kExitUsage;
    }
    const std::optional<std::vector<WheelTicket>> tickets = ReadTicketFile(*options.check);
    if (!tickets) {
        return kExitRefused;
    }
    request.tickets = *tickets;
    if (!request.tickets.empty()) {
        const Outcome<WheelGame> game = WheelGameOf(context.profile, DefaultWheelGame(context.profile));
        const bool oneSize =
            std::all_of(request.tickets.begin(), request.tickets.end(),
                        [&](const WheelTicket& t) { return t.size() == request.tickets.front().size(); });
        if (game && oneSize) {
            request.ticketPriceCents = PriceFor(*game, static_cast<int>(request.tickets.front().size()));
        }
    }
    const WheelCheckOutcome outcome = CheckWheel(request);
    if (!ShowOutcome(outcome)) {
        return kExitRefused;
    }
    const WheelCheckResult& result = *outcome;
    const bool holds = result.verdict.status == CoverageVerdict::Status::Holds;
    if (format != OutputFormat::Text) {
        if (!holds) {
            MessageBox(CheckVerdictText(result), MessageIcon::Stop);
        }
        PrintDocument(format, context, WheelCheckDocument(result));
        return holds ? kExitDone : kExitRefused;
    }
    if (!holds) {
        context.out << FormatTickets(std::vector<WheelTicket>{result.verdict.missing});
        MessageBox(CheckVerdictText(result), MessageIcon::Stop);
        return kExitRefused;
    }
    context.out << CheckVerdictText(result) << '\n';
    if (result.wins) {
        PrintLinesOf(context.out, WinsTableLines(*result.wins, request.guarantee));
    }
    return kExitDone;
}

} // namespace

int RunWheel(const CommandLine& line, CliContext& context) {
    return line.wheel.check ? CheckAndPrint(line.wheel, line.format, context)
                            : GenerateAndPrint(line.wheel, line.format, context);
}

} // namespace vantorel
