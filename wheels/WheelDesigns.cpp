// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WheelDesigns.h"

#include "wheels/WheelBounds.h"

#include <algorithm>
#include <array>
#include <functional>
#include <set>

namespace vantorel {

namespace {

// ---- Finite fields GF(q), q = p^n <= 9: elements are the base-p digits of polynomials over GF(p). ----

class FiniteField final {
public:
    // `modulus`: the coefficients (lowest first, leading 1 left out) of an irreducible polynomial of
    // degree n; empty for a prime field.
    FiniteField(int p, int n, std::vector<int> modulus)
        : q_(Power(p, n)), add_(static_cast<std::size_t>(q_ * q_)),
          multiply_(static_cast<std::size_t>(q_ * q_)) {
        for (int a = 0; a < q_; ++a) {
            for (int b = 0; b < q_; ++b) {
                add_[Index(a, b)] = FromDigits(Combine(Digits(a, p, n), Digits(b, p, n), p), p);
                multiply_[Index(a, b)] = MultiplyPolynomials(a, b, p, n, modulus);
            }
        }
    }

    int Size() const { return q_; }
    int Add(int a, int b) const { return add_[Index(a, b)]; }
    int Multiply(int a, int b) const { return multiply_[Index(a, b)]; }
    int Negate(int a) const { return Solve(add_, a, 0); }
    // The inverse of a non-zero element.
    int Inverse(int a) const { return Solve(multiply_, a, 1); }

private:
    static int Power(int p, int n) {
        int value = 1;
        for (int i = 0; i < n; ++i) {
            value *= p;
        }
        return value;
    }
    static std::vector<int> Digits(int value, int p, int n) {
        std::vector<int> digits(static_cast<std::size_t>(n));
        for (int& digit : digits) {
            digit = value % p;
            value /= p;
        }
        return digits;
    }
    static int FromDigits(const std::vector<int>& digits, int p) {
        int value = 0;
        for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
            value = value * p + *it;
        }
        return value;
    }
    static std::vector<int> Combine(std::vector<int> a, const std::vector<int>& b, int p) {
        for (std::size_t i = 0; i < a.size(); ++i) {
            a[i] = (a[i] + b[i]) % p;
        }
        return a;
    }
    static int MultiplyPolynomials(int a, int b, int p, int n, const std::vector<int>& modulus) {
        const std::vector<int> left = Digits(a, p, n);
        const std::vector<int> right = Digits(b, p, n);
        std::vector<int> product(static_cast<std::size_t>(2 * n), 0);
        for (int i = 0; i < n; ++i) {
            for (int j = 0; j < n; ++j) {
                product[static_cast<std::size_t>(i + j)] +=
                    left[static_cast<std::size_t>(i)] * right[static_cast<std::size_t>(j)];
            }
        }
        // x^n = -(modulus), reduced from the top degree down.
        for (int degree = 2 * n - 1; degree >= n; --degree) {
            const int coefficient = product[static_cast<std::size_t>(degree)] % p;
            product[static_cast<std::size_t>(degree)] = 0;
            for (int i = 0; i < n; ++i) {
                product[static_cast<std::size_t>(degree - n + i)] +=
                    (p - coefficient) * modulus[static_cast<std::size_t>(i)];
            }
        }
        product.resize(static_cast<std::size_t>(n));
        for (int& digit : product) {
            digit %= p;
        }
        return FromDigits(product, p);
    }
    std::size_t Index(int a, int b) const { return static_cast<std::size_t>(a * q_ + b); }
    // The b with table(a, b) = identity.
    int Solve(const std::vector<int>& table, int a, int identity) const {
        for (int b = 0; b < q_; ++b) {
            if (table[Index(a, b)] == identity) {
                return b;
            }
        }
        return 0;
    }

    int q_;
    std::vector<int> add_;
    std::vector<int> multiply_;
};

std::optional<FiniteField> FieldOfOrder(int q) {
    switch (q) {
    case 2:
    case 3:
    case 5:
    case 7:
        return FiniteField(q, 1, {0});
    case 4:
        return FiniteField(2, 2, {1, 1}); // x^2 + x + 1
    case 8:
        return FiniteField(2, 3, {1, 1, 0}); // x^3 + x + 1
    case 9:
        return FiniteField(3, 2, {1, 0}); // x^2 + 1
    case 16:
        return FiniteField(2, 4, {1, 1, 0, 0}); // x^4 + x + 1
    case 25:
        return FiniteField(5, 2, {2, 1}); // x^2 + x + 2
    case 49:
        return FiniteField(7, 2, {1, 0}); // x^2 + 1
    case 64:
        return FiniteField(2, 6, {1, 1, 0, 0, 0, 0}); // x^6 + x + 1
    case 81:
        return FiniteField(3, 4, {2, 0, 0, 2}); // x^4 + 2x^3 + 2
    default:
        return std::nullopt;
    }
}

constexpr std::array<int, 7> kFieldOrders = {2, 3, 4, 5, 7, 8, 9};
// The orders q of the inversive planes S(3, q + 1, q^2 + 1) built here (q = 3 is S(3,4,10), from S(5,6,12)).
constexpr std::array<int, 5> kInversiveOrders = {4, 5, 7, 8, 9};

// ---- Planes ----

std::vector<PoolMask> ProjectivePlane(const FiniteField& field) {
    const int q = field.Size();
    // Points and lines are the vectors (x, y, z) whose first non-zero coordinate is 1.
    std::vector<std::array<int, 3>> points;
    for (int y = 0; y < q; ++y) {
        for (int z = 0; z < q; ++z) {
            points.push_back({1, y, z});
        }
    }
    for (int z = 0; z < q; ++z) {
        points.push_back({0, 1, z});
    }
    points.push_back({0, 0, 1});
    std::vector<PoolMask> lines;
    for (const auto& line : points) {
        PoolMask block;
        for (std::size_t i = 0; i < points.size(); ++i) {
            int sum = 0;
            for (std::size_t c = 0; c < 3; ++c) {
                sum = field.Add(sum, field.Multiply(line[c], points[i][c]));
            }
            if (sum == 0) {
                block.Set(static_cast<int>(i));
            }
        }
        lines.push_back(block);
    }
    return lines;
}

std::vector<PoolMask> AffinePlane(const FiniteField& field) {
    const int q = field.Size();
    std::vector<PoolMask> lines;
    for (int slope = 0; slope < q; ++slope) {
        for (int offset = 0; offset < q; ++offset) {
            PoolMask line;
            for (int x = 0; x < q; ++x) {
                line.Set(x * q + field.Add(field.Multiply(slope, x), offset));
            }
            lines.push_back(line);
        }
    }
    for (int x = 0; x < q; ++x) {
        PoolMask line;
        for (int y = 0; y < q; ++y) {
            line.Set(x * q + y);
        }
        lines.push_back(line);
    }
    return lines;
}

// ---- Inversive planes S(3, q + 1, q^2 + 1): the points of GF(q^2) and infinity (q^2), the circles the
// images of GF(q) and infinity under the maps z -> (az + b) / (cz + d). The circle through three finite
// points z1, z2, z3 is the image under g(w) = (z2 l w + z1) / (l w + 1), l = (z3 - z1) / (z2 - z3), which
// sends 0, infinity and 1 to them. ----

std::vector<PoolMask> InversivePlane(int q) {
    const FiniteField field = *FieldOfOrder(q * q);
    const int finite = q * q;
    std::vector<int> subfield; // the z with z^q = z
    for (int z = 0; z < finite; ++z) {
        int power = z;
        for (int i = 1; i < q; ++i) {
            power = field.Multiply(power, z);
        }
        if (power == z) {
            subfield.push_back(z);
        }
    }
    const auto minus = [&](int a, int b) {
        return field.Add(a, field.Negate(b));
    };
    const auto divide = [&](int a, int b) {
        return field.Multiply(a, field.Inverse(b));
    };
    std::set<PoolMask> circles;
    for (int z1 = 0; z1 < finite; ++z1) {
        for (int z2 = z1 + 1; z2 < finite; ++z2) {
            for (int z3 = z2 + 1; z3 < finite; ++z3) {
                const int l = divide(minus(z3, z1), minus(z2, z3));
                PoolMask circle;
                circle.Set(z2);
                for (const int w : subfield) {
                    const int denominator = field.Add(field.Multiply(l, w), 1);
                    const int numerator = field.Add(field.Multiply(field.Multiply(z2, l), w), z1);
                    circle.Set(denominator == 0 ? finite : divide(numerator, denominator));
                }
                circles.insert(circle);
            }
        }
    }
    return {circles.begin(), circles.end()};
}

// ---- Steiner triple systems: points (x, i) of Q x Z3 as 3x + i, for a commutative quasigroup Q ----

std::vector<PoolMask> TriplesOverQuasigroup(int order, const std::function<int(int, int)>& product,
                                            int verticalCount) {
    std::vector<PoolMask> triples;
    const auto point = [](int x, int i) {
        return 3 * x + i;
    };
    for (int x = 0; x < verticalCount; ++x) {
        triples.push_back(PoolMask::Of({point(x, 0), point(x, 1), point(x, 2)}));
    }
    for (int i = 0; i < 3; ++i) {
        for (int x = 0; x < order; ++x) {
            for (int y = x + 1; y < order; ++y) {
                triples.push_back(
                    PoolMask::Of({point(x, i), point(y, i), point(product(x, y), (i + 1) % 3)}));
            }
        }
    }
    return triples;
}

// Bose: V = 6n + 3 over the idempotent quasigroup x o y = (x + y) / 2 mod 2n + 1.
std::vector<PoolMask> BoseTriples(int v) {
    const int order = v / 3;
    const int half = (order + 1) / 2; // the inverse of 2 modulo the odd order
    return TriplesOverQuasigroup(
        order, [=](int x, int y) { return (x + y) * half % order; }, order);
}

// Skolem: V = 6n + 1 over the half-idempotent quasigroup of order 2n (x o x = x mod n), plus a point at
// infinity (V - 1) joined to the pairs (n + x, i), (x, i + 1).
std::vector<PoolMask> SkolemTriples(int v) {
    const int order = (v - 1) / 3;
    const int n = order / 2;
    const auto product = [=](int x, int y) {
        const int sum = (x + y) % order;
        return sum % 2 == 0 ? sum / 2 : (sum - 1) / 2 + n;
    };
    std::vector<PoolMask> triples = TriplesOverQuasigroup(order, product, n);
    for (int x = 0; x < n; ++x) {
        for (int i = 0; i < 3; ++i) {
            triples.push_back(PoolMask::Of({v - 1, 3 * (n + x) + i, 3 * x + (i + 1) % 3}));
        }
    }
    return triples;
}

// ---- Steiner quadruple systems on 2^n points: {a, b, c, d} with a xor b xor c xor d = 0 ----

std::vector<PoolMask> BooleanQuadruples(int v) {
    std::vector<PoolMask> quadruples;
    for (int a = 0; a < v; ++a) {
        for (int b = a + 1; b < v; ++b) {
            for (int c = b + 1; c < v; ++c) {
                const int d = a ^ b ^ c;
                if (d > c) {
                    quadruples.push_back(PoolMask::Of({a, b, c, d}));
                }
            }
        }
    }
    return quadruples;
}

// ---- Witt designs from the Golay codes ----

// The supports of the words of weight `weight` of the cyclic code of length `length` over GF(p) generated
// by `generator` (coefficients lowest first), extended by one check digit that makes the digits sum to 0.
std::vector<PoolMask> ExtendedCodeSupports(int p, int length, const std::vector<int>& generator, int weight) {
    const int messageLength = length - static_cast<int>(generator.size()) + 1;
    int messages = 1;
    for (int i = 0; i < messageLength; ++i) {
        messages *= p;
    }
    std::set<PoolMask> supports;
    for (int message = 0; message < messages; ++message) {
        std::vector<int> word(static_cast<std::size_t>(length), 0);
        int rest = message;
        for (int i = 0; i < messageLength; ++i, rest /= p) {
            const int coefficient = rest % p;
            for (std::size_t g = 0; g < generator.size(); ++g) {
                int& digit = word[static_cast<std::size_t>(i) + g];
                digit = (digit + coefficient * generator[g]) % p;
            }
        }
        int sum = 0;
        PoolMask support;
        for (int i = 0; i < length; ++i) {
            sum += word[static_cast<std::size_t>(i)];
            if (word[static_cast<std::size_t>(i)] != 0) {
                support.Set(i);
            }
        }
        if (sum % p != 0) {
            support.Set(length);
        }
        if (support.Count() == weight) {
            supports.insert(support);
        }
    }
    return {supports.begin(), supports.end()};
}

// S(5,8,24): the octads of the extended binary Golay code, g(x) = x^11 + x^10 + x^6 + x^5 + x^4 + x^2 + 1.
std::vector<PoolMask> WittDesign24() {
    return ExtendedCodeSupports(2, 23, {1, 0, 1, 0, 1, 1, 1, 0, 0, 0, 1, 1}, 8);
}

// S(5,6,12): the hexads of the extended ternary Golay code, g(x) = x^5 + x^4 - x^3 + x^2 - 1.
std::vector<PoolMask> WittDesign12() {
    return ExtendedCodeSupports(3, 11, {2, 0, 1, 2, 1, 1}, 6);
}

// The blocks through the last point, without it: S(t,k,v) becomes S(t-1,k-1,v-1).
std::vector<PoolMask> Derived(const std::vector<PoolMask>& blocks, int v, int times) {
    std::vector<PoolMask> result = blocks;
    for (int i = 0; i < times; ++i) {
        const int last = v - 1 - i;
        std::vector<PoolMask> next;
        for (PoolMask block : result) {
            if (block.Test(last)) {
                block.Reset(last);
                next.push_back(block);
            }
        }
        result = std::move(next);
    }
    return result;
}

// ---- Every K-set ----

std::vector<PoolMask> AllSubsets(int v, int k) {
    std::vector<PoolMask> subsets;
    std::vector<int> chosen(static_cast<std::size_t>(k));
    std::function<void(int, int)> choose = [&](int from, int filled) {
        if (filled == k) {
            subsets.push_back(PoolMask::Of(chosen));
            return;
        }
        for (int i = from; i <= v - (k - filled); ++i) {
            chosen[static_cast<std::size_t>(filled)] = i;
            choose(i + 1, filled + 1);
        }
    };
    choose(0, 0);
    return subsets;
}

std::string Steiner(int t, int k, int v) {
    return "Steiner system S(" + std::to_string(t) + "," + std::to_string(k) + "," + std::to_string(v) + ")";
}

constexpr int kMaxPool = 99;

} // namespace

std::vector<DesignParameters> KnownDesignParameters() {
    std::vector<DesignParameters> parameters;
    for (const int q : kFieldOrders) {
        if (q * q + q + 1 <= kMaxPool) {
            parameters.push_back({q * q + q + 1, q + 1, 2});
        }
        parameters.push_back({q * q, q, 2});
    }
    for (int v = 13; v <= kMaxPool; ++v) { // 7 and 9 are planes
        if (v % 6 == 1 || v % 6 == 3) {
            parameters.push_back({v, 3, 2});
        }
    }
    for (int v = 8; v <= 64; v *= 2) {
        parameters.push_back({v, 4, 3});
    }
    for (const int q : kInversiveOrders) {
        parameters.push_back({q * q + 1, q + 1, 3});
    }
    for (const DesignParameters witt :
         {DesignParameters{24, 8, 5}, {23, 7, 4}, {22, 6, 3}, {12, 6, 5}, {11, 5, 4}, {10, 4, 3}}) {
        parameters.push_back(witt);
    }
    return parameters;
}

std::optional<Design> KnownDesign(int v, int k, int t, std::size_t maxBlocks) {
    if (k == v) {
        return Design{v, k, t, "one ticket holding every number", {PoolMask::FirstN(v)}};
    }
    if (t == k && Binomial(v, k) <= maxBlocks) {
        return Design{v, k, t, "every set of " + std::to_string(k), AllSubsets(v, k)};
    }
    if (t == 2) {
        for (const int q : kFieldOrders) {
            if (v == q * q + q + 1 && k == q + 1) {
                return Design{v, k, t, "projective plane PG(2," + std::to_string(q) + ")",
                              ProjectivePlane(*FieldOfOrder(q))};
            }
            if (v == q * q && k == q) {
                return Design{v, k, t, "affine plane AG(2," + std::to_string(q) + ")",
                              AffinePlane(*FieldOfOrder(q))};
            }
        }
        if (k == 3 && v % 6 == 3) {
            return Design{v, k, t, Steiner(2, 3, v) + " (Bose)", BoseTriples(v)};
        }
        if (k == 3 && v % 6 == 1) {
            return Design{v, k, t, Steiner(2, 3, v) + " (Skolem)", SkolemTriples(v)};
        }
    }
    if (t == 3 && k == 4 && v >= 8 && v <= 64 && (v & (v - 1)) == 0) {
        return Design{v, k, t, Steiner(3, 4, v), BooleanQuadruples(v)};
    }
    for (const int q : kInversiveOrders) {
        if (t == 3 && v == q * q + 1 && k == q + 1) {
            return Design{v, k, t, Steiner(3, k, v) + " (inversive plane of order " + std::to_string(q) + ")",
                          InversivePlane(q)};
        }
    }
    const int fromTwelve = 12 - v;
    if (v <= 12 && v >= 10 && k == 6 - fromTwelve && t == 5 - fromTwelve) {
        return Design{v, k, t, Steiner(t, k, v), Derived(WittDesign12(), 12, fromTwelve)};
    }
    const int fromTwentyFour = 24 - v;
    if (v <= 24 && v >= 22 && k == 8 - fromTwentyFour && t == 5 - fromTwentyFour) {
        return Design{v, k, t, Steiner(t, k, v), Derived(WittDesign24(), 24, fromTwentyFour)};
    }
    return std::nullopt;
}

Design ShortenDesign(const Design& design, int v) {
    std::set<PoolMask> blocks;
    const PoolMask kept = PoolMask::FirstN(v);
    for (const PoolMask& block : design.blocks) {
        PoolMask cut = block & kept;
        for (int point = 0; cut.Count() < design.k && point < v; ++point) {
            cut.Set(point);
        }
        blocks.insert(cut);
    }
    return Design{v,
                  design.k,
                  design.t,
                  design.name + " cut down to " + std::to_string(v) + " numbers",
                  {blocks.begin(), blocks.end()}};
}

} // namespace vantorel
