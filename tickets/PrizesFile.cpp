// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/PrizesFile.h"

#include "platform/GameCatalogue.h"
#include "store/TextLines.h"
#include "tickets/TicketGame.h"
#include "tickets/TicketsFile.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace vantorel {

namespace {

// Amounts have at most this many digits before the cents: up to a trillion dollars less one.
constexpr std::size_t kMostAmountDigits = 12;

std::string LowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
    return lower;
}

std::vector<std::string_view> BlankSeparated(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ' ' || text[i] == '\t') {
            if (i > start) {
                words.push_back(text.substr(start, i - start));
            }
            start = i + 1;
        }
    }
    return words;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whole dollars written with digits, "," between groups of three allowed (1,000,000).
std::optional<std::int64_t> DollarsOf(std::string_view text) {
    std::int64_t dollars = 0;
    std::size_t digits = 0;
    std::size_t sinceComma = 0;
    bool commas = false;
    for (const char c : text) {
        if (c == ',') {
            if (digits == 0 || (commas && sinceComma != 3) || (!commas && sinceComma > 3)) {
                return std::nullopt;
            }
            commas = true;
            sinceComma = 0;
        } else if (IsDigit(c) && ++digits <= kMostAmountDigits) {
            dollars = dollars * 10 + (c - '0');
            ++sinceComma;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || (commas && sinceComma != 3)) {
        return std::nullopt;
    }
    return dollars;
}

// An amount of dollars, "$" before it allowed, with one or two digits of cents after "." when
// `centsAllowed`: the amount in cents.
std::optional<std::int64_t> CentsOf(std::string_view text, bool centsAllowed) {
    if (!text.empty() && text.front() == '$') {
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::optional<std::int64_t> dollars = DollarsOf(text.substr(0, point));
    if (!dollars) {
        return std::nullopt;
    }
    std::int64_t cents = 0;
    if (point != std::string_view::npos) {
        const std::string_view fraction = text.substr(point + 1);
        if (!centsAllowed || fraction.empty() || fraction.size() > 2 ||
            !std::all_of(fraction.begin(), fraction.end(), IsDigit)) {
            return std::nullopt;
        }
        cents = (fraction[0] - '0') * 10 + (fraction.size() == 2 ? fraction[1] - '0' : 0);
    }
    return *dollars * 100 + cents;
}

// A tier of the game written as in the file; nothing when the game has no such tier. A digit game's
// "box" gives a box tier with no ways: every box.
std::optional<PrizeTier> TierOfLabel(std::string_view label, const TicketGame& game) {
    const std::string lower = LowerCase(label);
    if (game.digitGame()) {
        if (lower == kStraightTier) {
            return StraightTier(PrizeKind::kUnknown);
        }
        if (lower == "box") {
            return BoxTier(0, PrizeKind::kUnknown);
        }
        std::string_view ways = lower;
        if (ways.substr(0, 3) != "box") {
            return std::nullopt;
        }
        ways.remove_prefix(ways.size() > 3 && ways[3] == '-' ? 4 : 3);
        for (const int way : BoxWaysOfGame(game.mainCount)) {
            if (ways == std::to_string(way)) {
                return BoxTier(way, PrizeKind::kUnknown);
            }
        }
        return std::nullopt;
    }
    const std::size_t plus = lower.find('+');
    const std::string_view matchedText = std::string_view(lower).substr(0, plus);
    const std::string_view bonusText =
        plus == std::string::npos ? std::string_view("0") : std::string_view(lower).substr(plus + 1);
    if (matchedText.empty() || matchedText.size() > 1 || !IsDigit(matchedText[0]) || bonusText.size() != 1 ||
        (bonusText[0] != '0' && bonusText[0] != '1')) {
        return std::nullopt;
    }
    const int matched = matchedText[0] - '0';
    const bool bonus = bonusText[0] == '1';
    if (matched > game.mainCount || (bonus && !game.hasBonus()) || (matched == 0 && !bonus)) {
        return std::nullopt;
    }
    return BallTier(matched, bonus, game.hasBonus(), PrizeKind::kUnknown);
}

TicketProblem Problem(int lineNumber, TicketFault fault, std::string_view what) {
    return {lineNumber, fault, "Line " + std::to_string(lineNumber) + ": " + std::string(what)};
}

constexpr std::string_view kLineForm =
    "write a tier and its prize (4+1 50000, 5+1 jackpot) or \"ticket\" and "
    "the price of a play (ticket 2)";

// The prize tiers read so far, and the "box" line of a digit game.
struct FileEntries {
    std::vector<PrizeTier> tiers;
    std::optional<PrizeTier> everyBox;
    std::optional<std::int64_t> ticketCents;
};

std::optional<TicketProblem> ReadPrizeLine(const std::vector<std::string_view>& words, int lineNumber,
                                           const TicketGame& game, FileEntries& entries) {
    if (words.size() != 2) {
        return Problem(lineNumber, TicketFault::kBadPrizeLine, kLineForm);
    }
    const std::string value = LowerCase(words[1]);
    if (LowerCase(words[0]) == "ticket") {
        const std::optional<std::int64_t> cents = CentsOf(value, true);
        if (!cents) {
            return Problem(lineNumber, TicketFault::kBadPrizeLine,
                           "\"" + std::string(words[1]) + "\" is not a price in dollars (2 or 0.50)");
        }
        if (entries.ticketCents) {
            return Problem(lineNumber, TicketFault::kRepeatedTier, "the ticket price is given twice");
        }
        entries.ticketCents = cents;
        return std::nullopt;
    }
    std::optional<PrizeTier> tier = TierOfLabel(words[0], game);
    if (!tier) {
        return Problem(lineNumber, TicketFault::kNotATier,
                       "\"" + std::string(words[0]) + "\" is not a winning tier of the " +
                           std::string(GameOf(game.gameType).title) + " game");
    }
    if (value == "jackpot") {
        tier->kind = PrizeKind::kJackpot;
    } else if (value != "unknown") {
        const std::optional<std::int64_t> cents = CentsOf(value, false);
        if (!cents) {
            return Problem(lineNumber, TicketFault::kBadPrizeLine,
                           "\"" + std::string(words[1]) +
                               "\" is not a prize: whole dollars, \"jackpot\" or \"unknown\"");
        }
        tier->kind = PrizeKind::kFixed;
        tier->dollars = *cents / 100;
    }
    const bool everyBox = tier->shape == TierShape::kBox && tier->boxWays == 0;
    const bool repeated = everyBox
                              ? entries.everyBox.has_value()
                              : std::any_of(entries.tiers.begin(), entries.tiers.end(),
                                            [&](const PrizeTier& kept) { return kept.label == tier->label; });
    if (repeated) {
        return Problem(lineNumber, TicketFault::kRepeatedTier,
                       "the tier " + std::string(words[0]) + " is given twice");
    }
    if (everyBox) {
        entries.everyBox = std::move(tier);
    } else {
        entries.tiers.push_back(*std::move(tier));
    }
    return std::nullopt;
}

// The box tiers that "box" pays: every box of the game not named on a line of its own.
void AddEveryBox(const PrizeTier& everyBox, const TicketGame& game, std::vector<PrizeTier>& tiers) {
    for (const int way : BoxWaysOfGame(game.mainCount)) {
        if (std::none_of(tiers.begin(), tiers.end(), [&](const PrizeTier& tier) {
                return tier.shape == TierShape::kBox && tier.boxWays == way;
            })) {
            tiers.push_back(BoxTier(way, everyBox.kind, everyBox.dollars));
        }
    }
}

} // namespace

PrizesReading ReadPrizesText(std::string_view text, const TicketGame& game, const PrizeTable& builtIn) {
    PrizesReading reading;
    reading.found = true;
    FileEntries entries;
    LineCursor lines(WithoutByteOrderMark(text));
    std::string_view line;
    for (int lineNumber = 1; lines.Next(line); ++lineNumber) {
        const std::vector<std::string_view> words = BlankSeparated(line.substr(0, line.find('#')));
        if (words.empty()) {
            continue;
        }
        if (std::optional<TicketProblem> problem = ReadPrizeLine(words, lineNumber, game, entries)) {
            reading.problems.push_back(*std::move(problem));
        }
    }
    reading.table = builtIn;
    if (entries.everyBox) {
        AddEveryBox(*entries.everyBox, game, entries.tiers);
    }
    if (!entries.tiers.empty()) {
        SortTiers(entries.tiers);
        reading.table.tiers = std::move(entries.tiers);
        reading.table.name = std::string(kPrizesFileName);
        reading.table.note.clear();
    }
    if (entries.ticketCents) {
        reading.table.ticketCents = entries.ticketCents;
    }
    return reading;
}

PrizesReading ReadPrizesFile(const std::filesystem::path& file, const TicketGame& game,
                             const PrizeTable& builtIn, FileSystem& files) {
    std::string text;
    const ReadStatus status = files.ReadWhole(file, text, kLargestPrizesFile);
    if (status == ReadStatus::kRead) {
        return ReadPrizesText(text, game, builtIn);
    }
    PrizesReading reading;
    reading.table = builtIn;
    if (status != ReadStatus::kMissing) {
        reading.failure = FileNotReadText("The prize table", file, status);
    }
    return reading;
}

} // namespace vantorel
