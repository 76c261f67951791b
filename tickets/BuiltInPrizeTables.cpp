// SPDX-License-Identifier: GPL-3.0-or-later
#include "tickets/BuiltInPrizeTables.h"

#include "store/HistoryFile.h"
#include "tickets/TicketGame.h"

#include <array>
#include <cstddef>
#include <span>

namespace vantorel {

namespace {

// One tier of a built-in table; dollars 0 with kFixed never occurs.
struct TierSpec {
    int matched;
    bool bonus;
    PrizeKind kind;
    std::int64_t dollars;
};

struct TableSpec {
    std::string_view preset;
    std::string_view bonusBall;
    std::int64_t ticketCents;
    std::string_view note;
    std::span<const TierSpec> tiers;
};

constexpr PrizeKind kJackpot = PrizeKind::kJackpot;
constexpr PrizeKind kFixed = PrizeKind::kFixed;
constexpr PrizeKind kUnknown = PrizeKind::kUnknown;

constexpr std::array<TierSpec, 9> kPowerballTiers = {{
    {5, true, kJackpot, 0},
    {5, false, kFixed, 1000000},
    {4, true, kFixed, 50000},
    {4, false, kFixed, 100},
    {3, true, kFixed, 100},
    {3, false, kFixed, 7},
    {2, true, kFixed, 7},
    {1, true, kFixed, 4},
    {0, true, kFixed, 4},
}};

constexpr std::array<TierSpec, 9> kMegaMillionsTiers = {{
    {5, true, kJackpot, 0},
    {5, false, kFixed, 2000000},
    {4, true, kFixed, 20000},
    {4, false, kFixed, 1000},
    {3, true, kFixed, 400},
    {3, false, kFixed, 20},
    {2, true, kFixed, 20},
    {1, true, kFixed, 14},
    {0, true, kFixed, 10},
}};

constexpr std::array<TierSpec, 9> kLottoAmericaTiers = {{
    {5, true, kJackpot, 0},
    {5, false, kUnknown, 0},
    {4, true, kUnknown, 0},
    {4, false, kUnknown, 0},
    {3, true, kUnknown, 0},
    {3, false, kUnknown, 0},
    {2, true, kUnknown, 0},
    {1, true, kUnknown, 0},
    {0, true, kUnknown, 0},
}};

constexpr std::array<TierSpec, 9> kCash4LifeTiers = {{
    {5, true, kJackpot, 0},
    {5, false, kUnknown, 0},
    {4, true, kUnknown, 0},
    {4, false, kUnknown, 0},
    {3, true, kUnknown, 0},
    {3, false, kUnknown, 0},
    {2, true, kUnknown, 0},
    {2, false, kUnknown, 0},
    {1, true, kUnknown, 0},
}};

constexpr std::array<TierSpec, 4> kSixBallTiers = {{
    {6, false, kJackpot, 0},
    {5, false, kUnknown, 0},
    {4, false, kUnknown, 0},
    {3, false, kUnknown, 0},
}};

constexpr std::array<TableSpec, 5> kBuiltInTables = {{
    {"powerball", "Powerball", 200, "", kPowerballTiers},
    {"mega-millions", "Mega Ball", 500, "Prizes below the jackpot are the least the multiplier pays (2X).",
     kMegaMillionsTiers},
    {"lotto-america", "Star Ball", 100, "", kLottoAmericaTiers},
    {"cash4life", "Cash Ball", 200, "", kCash4LifeTiers},
    {"lotto-6-59", "", 50, "", kSixBallTiers},
}};

int PresetValue(const GamePreset& preset, GameSettingKey key) {
    return preset.values[static_cast<std::size_t>(key)].value_or(0);
}

bool PresetFits(const GamePreset& preset, const TicketGame& game) {
    switch (game.gameType) {
    case kFiveNumber:
        return PresetValue(preset, GameSettingKey::FiveNumberMax) == game.mainMaximum;
    case kSixNumber:
        return PresetValue(preset, GameSettingKey::SixNumberMax) == game.mainMaximum;
    case kPowerball:
        return PresetValue(preset, GameSettingKey::PowerballGroup1Max) == game.mainMaximum &&
               PresetValue(preset, GameSettingKey::PowerballGroup2Max) == game.bonusMaximum &&
               PresetValue(preset, GameSettingKey::PowerballBalls) == game.mainCount;
    default:
        return false;
    }
}

PrizeTable TableOf(const TableSpec& spec, const GamePreset& preset, const TicketGame& game) {
    PrizeTable table;
    table.name = std::string(preset.title);
    table.bonusBall = std::string(spec.bonusBall);
    table.note = std::string(spec.note);
    table.ticketCents = spec.ticketCents;
    for (const TierSpec& tier : spec.tiers) {
        table.tiers.push_back(BallTier(tier.matched, tier.bonus, game.hasBonus(), tier.kind, tier.dollars));
    }
    return table;
}

} // namespace

std::optional<PrizeTable> BuiltInPrizeTable(std::string_view presetName, const TicketGame& game) {
    const GamePreset* preset = FindGamePreset(presetName);
    if (preset == nullptr || !PresetFits(*preset, game)) {
        return std::nullopt;
    }
    for (const TableSpec& spec : kBuiltInTables) {
        if (spec.preset == preset->name) {
            return TableOf(spec, *preset, game);
        }
    }
    PrizeTable table = PayingTiersOf(game);
    table.name = std::string(preset->title);
    return table;
}

PrizeTable PayingTiersOf(const TicketGame& game) {
    PrizeTable table;
    if (game.digitGame()) {
        table.tiers.push_back(StraightTier(kUnknown));
        for (const int way : BoxWaysOfGame(game.mainCount)) {
            table.tiers.push_back(BoxTier(way, kUnknown));
        }
        return table;
    }
    if (game.hasBonus()) {
        table.bonusBall = "Powerball";
    }
    const int lowest = game.hasBonus() ? 3 : game.mainCount - 3;
    for (int matched = game.mainCount; matched >= 0; --matched) {
        const PrizeKind kind = matched == game.mainCount ? kJackpot : kUnknown;
        if (game.hasBonus()) {
            table.tiers.push_back(BallTier(matched, true, true, kind));
        }
        if (matched >= lowest) {
            table.tiers.push_back(
                BallTier(matched, false, game.hasBonus(), game.hasBonus() ? kUnknown : kind));
        }
    }
    return table;
}

const GamePreset* PresetOfGame(const TicketGame& game) {
    for (const GamePreset& preset : kGamePresets) {
        if (PresetFits(preset, game)) {
            return &preset;
        }
    }
    return nullptr;
}

PrizeTable PrizeTableFor(const TicketGame& game, std::string_view presetName) {
    if (std::optional<PrizeTable> named = BuiltInPrizeTable(presetName, game)) {
        return *std::move(named);
    }
    if (const GamePreset* preset = PresetOfGame(game)) {
        if (std::optional<PrizeTable> matching = BuiltInPrizeTable(preset->name, game)) {
            return *std::move(matching);
        }
    }
    return PayingTiersOf(game);
}

} // namespace vantorel
