// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheels/PoolMask.h"

#include <optional>
#include <string>
#include <vector>

namespace vantorel {

// Covering designs known by construction, on the positions 0..V-1: every T positions lie together in at
// least one block of K. Most are Steiner systems (every T positions in exactly one block), which no
// covering of the same parameters can beat.
struct Design {
    int v = 0;
    int k = 0;
    int t = 0;
    std::string name; // "projective plane PG(2,3)", "Steiner system S(5,6,12)", ...
    std::vector<PoolMask> blocks;
};

// The parameters (V, K, T) of every design that KnownDesign builds, for V up to 99.
struct DesignParameters {
    int v;
    int k;
    int t;
};
std::vector<DesignParameters> KnownDesignParameters();

// The known design for exactly (V, K, T), if there is one:
// - projective planes PG(2,q) and affine planes AG(2,q) for q = 2, 3, 4, 5, 7, 8, 9 (T = 2);
// - Steiner triple systems for V = 1 or 3 mod 6 (Bose and Skolem constructions);
// - Steiner quadruple systems on 2^n points: the planes of the binary affine space;
// - inversive planes S(3, q + 1, q^2 + 1) for q = 4, 5, 7, 8, 9;
// - the Witt designs S(5,6,12), S(5,8,24) and the systems derived from them: S(4,5,11), S(3,4,10),
//   S(4,7,23), S(3,6,22);
// - every K-set when T = K (C(V, K) at most `maxBlocks`), and one block when K = V.
std::optional<Design> KnownDesign(int v, int k, int t, std::size_t maxBlocks);

// A design on more points cut down to V: blocks lose the points V and above and are filled up again with
// the lowest points they lack, repeated blocks dropped. Still a covering of every T-set of 0..V-1.
Design ShortenDesign(const Design& design, int v);

} // namespace vantorel
