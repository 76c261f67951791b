// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/KnownWheelSizes.h"

#include "wheels/WheelBounds.h"
#include "wheels/WheelDesigns.h"

#include <array>

namespace vantorel {

namespace {

struct CataloguedSize {
    int v;
    int k;
    int t;
    int m;
    std::uint64_t tickets;
    bool proven;
    const char* source;
};

// Published sizes that no rule below gives.
constexpr std::array<CataloguedSize, 1> kCatalogue = {{
    {59, 6, 2, 6, 27, true, "lotto design L(59,6,6,2)"},
}};

} // namespace

std::optional<KnownWheelSize> FindKnownWheelSize(int v, int k, int t, int m) {
    if (k == v) {
        return KnownWheelSize{1, true, "one ticket holds the pool"};
    }
    if (t == 1) {
        const std::uint64_t held = static_cast<std::uint64_t>(v - m + 1);
        return KnownWheelSize{(held + static_cast<std::uint64_t>(k) - 1) / static_cast<std::uint64_t>(k),
                              true, "every number but M - 1 on a ticket"};
    }
    for (const CataloguedSize& entry : kCatalogue) {
        if (entry.v == v && entry.k == k && entry.t == t && entry.m == m) {
            return KnownWheelSize{entry.tickets, entry.proven, entry.source};
        }
    }
    if (t != m) {
        return std::nullopt;
    }
    if (t == k) {
        return KnownWheelSize{Binomial(v, k), true, "every set of K numbers"};
    }
    for (const DesignParameters& design : KnownDesignParameters()) {
        if (design.v == v && design.k == k && design.t == t) {
            return KnownWheelSize{SchoenheimBound(v, k, t), true,
                                  "Steiner system S(" + std::to_string(t) + "," + std::to_string(k) + "," +
                                      std::to_string(v) + "), meets the Schönheim bound"};
        }
    }
    if (k == 3 && t == 2) {
        // Fort and Hedlund (1958): triples covering every pair always meet the Schönheim bound.
        return KnownWheelSize{SchoenheimBound(v, 3, 2), true,
                              "covering of pairs by triples (Fort and Hedlund)"};
    }
    return std::nullopt;
}

} // namespace vantorel
