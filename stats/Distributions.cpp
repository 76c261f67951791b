// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/Distributions.h"

#include <boost/math/distributions/hypergeometric.hpp>
#include <boost/math/special_functions/gamma.hpp>

#include <algorithm>

namespace vantorel {

namespace {

// Errors set errno and give a quiet value instead of throwing: the callers check their arguments, so
// this only keeps an exception from ever leaving an engine.
using QuietErrors = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::errno_on_error>,
    boost::math::policies::pole_error<boost::math::policies::errno_on_error>,
    boost::math::policies::overflow_error<boost::math::policies::errno_on_error>,
    boost::math::policies::evaluation_error<boost::math::policies::errno_on_error>>;

} // namespace

double ChiSquareUpperTail(double statistic, int degreesOfFreedom) {
    if (degreesOfFreedom < 1) {
        return 1.0;
    }
    if (!(statistic > 0.0)) {
        return 1.0;
    }
    return boost::math::gamma_q(degreesOfFreedom / 2.0, statistic / 2.0, QuietErrors());
}

std::vector<double> HypergeometricProbabilities(int population, int drawn, int picks) {
    if (population < 1 || drawn < 0 || picks < 0 || drawn > population || picks > population) {
        return {};
    }
    // Boost's parameters: `drawn` marked items among `population`, a sample of `picks`.
    const boost::math::hypergeometric_distribution<double, QuietErrors> distribution(
        static_cast<unsigned>(drawn), static_cast<unsigned>(picks), static_cast<unsigned>(population));
    const int most = std::min(picks, drawn);
    const int least = std::max(0, picks + drawn - population);
    std::vector<double> chances(static_cast<std::size_t>(most) + 1, 0.0);
    for (int matches = least; matches <= most; ++matches) {
        chances[static_cast<std::size_t>(matches)] =
            boost::math::pdf(distribution, static_cast<unsigned>(matches));
    }
    return chances;
}

std::vector<double> SuccessCountProbabilities(std::span<const double> chances) {
    std::vector<double> counts(chances.size() + 1, 0.0);
    counts[0] = 1.0;
    // After trial t, entry s is the chance of s successes in the first t trials; updated from the top down.
    for (std::size_t trial = 0; trial < chances.size(); ++trial) {
        const double chance = chances[trial];
        for (std::size_t successes = trial + 1; successes > 0; --successes) {
            counts[successes] = counts[successes] * (1.0 - chance) + counts[successes - 1] * chance;
        }
        counts[0] *= 1.0 - chance;
    }
    return counts;
}

} // namespace vantorel
