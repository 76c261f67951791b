// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheels/PoolMask.h"

#include <chrono>
#include <cstdint>
#include <stop_token>
#include <vector>

namespace vantorel {

// What an exhaustive check of a wheel found.
struct CoverageVerdict {
    enum class Status { Holds, Misses, Cancelled };
    Status status = Status::Holds;
    // When the wheel misses: the first M positions, in lexicographic order, that share fewer than T with
    // every ticket.
    std::vector<int> missing;
    // How many steps the search took.
    std::uint64_t steps = 0;
};

// Checks that every M positions of 0..V-1 share at least T with some ticket (1 <= T <= M <= V <= 128).
//
// An M-set fails exactly when none of its T-subsets lies inside a ticket, so the check searches for M
// positions whose T-subsets are all uncovered: positions are chosen in ascending order, and the
// candidates for the next one are narrowed by the tickets through the positions chosen so far (for T = 2:
// the positions not sharing a ticket with any chosen one; a greedy colouring of the candidates bounds how
// many of them can still be chosen together). The search covers every M-set, so the answer is exact, and
// it returns the lexicographically first M-set that fails. It polls `stop` and gives up (Cancelled) when
// asked, after `stepLimit` steps, or at `deadline`.
CoverageVerdict
FindMissingSet(int v, const std::vector<PoolMask>& tickets, int t, int m, const std::stop_token& stop = {},
               std::uint64_t stepLimit = UINT64_MAX,
               std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::time_point::max());

} // namespace vantorel
