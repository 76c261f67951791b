// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"
#include "tickets/TicketGame.h"

#include <cstdint>
#include <optional>

namespace vantorel {

class ProfileStore;

// The game a wheel is made for: its ticket (how many numbers, from which range) under the settings, and
// what one play costs: the price in prizes.txt of the history folder when it names one, else the price of
// the preset the game uses, else none.
struct WheelGame {
    TicketGame ticket;
    std::optional<std::int64_t> ticketCents;
};

// A lotto or Power Ball game (kFiveNumber, kSixNumber, kPowerball); a digit game is taken as 6 Number,
// since its tickets hold digits rather than numbers to wheel. Refused when the settings lack a needed key.
Outcome<WheelGame> WheelGameOf(const ProfileStore& profile, int gameType);

// The game a wheel is made for when none is named: the lotto or Power Ball game whose preset is in force
// when exactly one has one (a lottery folder made for that game), else 6 Number.
int DefaultWheelGame(const ProfileStore& profile);

} // namespace vantorel
