// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantorel {

// The size of the best wheel known for a guarantee, from published results.
struct KnownWheelSize {
    std::uint64_t tickets = 0;
    bool proven = false; // no smaller wheel exists
    std::string source;
};

// The known size of a wheel "T if M" of tickets of K on V numbers, when catalogued: exact answers (K = V,
// T = 1, T = K), Steiner systems (which meet the Schönheim bound), the coverings of pairs by triples
// (Fort and Hedlund), and single published results.
std::optional<KnownWheelSize> FindKnownWheelSize(int v, int k, int t, int m);

} // namespace vantorel
