// SPDX-License-Identifier: GPL-3.0-or-later
#include "stats/FairnessTest.h"

#include "stats/Distributions.h"

#include <algorithm>
#include <locale>
#include <numeric>
#include <sstream>

namespace vantorel {

namespace {

// The sentence of a test made, by its p-value; `trusted` is false when the numbers were expected too
// seldom for the p-value to mean much.
std::string VerdictSentence(double pValue, bool trusted) {
    if (!trusted) {
        return std::string(kTooFewToJudge);
    }
    if (pValue < kUnusualBelow) {
        return "unusual: " + PValueText(pValue);
    }
    return std::string(kConsistentWithFairDraw);
}

FairnessResult Untested(std::string subject, std::string sentence) {
    FairnessResult result;
    result.subject = std::move(subject);
    result.sentence = std::move(sentence);
    return result;
}

} // namespace

std::string PValueText(double pValue) {
    if (pValue < 0.001) {
        return "p < 0.001";
    }
    std::ostringstream text;
    text.imbue(std::locale::classic());
    text.setf(std::ios::fixed);
    text.precision(3);
    text << pValue;
    return "p = " + text.str();
}

FairnessResult ChiSquareFairness(std::string subject, std::span<const int> counts, int drawings,
                                 int perDrawing, int outsideRange) {
    const auto numbers = static_cast<int>(counts.size());
    if (outsideRange > 0) {
        return Untested(std::move(subject), "not tested: the history holds " + std::to_string(outsideRange) +
                                                " numbers outside the game's range");
    }
    if (drawings <= 0) {
        return Untested(std::move(subject), std::string(kNoDrawingsToTest));
    }
    if (numbers < 2 || perDrawing < 1 || perDrawing >= numbers) {
        return Untested(std::move(subject), "not tested: every drawing holds every number");
    }
    const double expected = static_cast<double>(drawings) * perDrawing / numbers;
    const double pearson =
        std::accumulate(counts.begin(), counts.end(), 0.0, [expected](double sum, int count) {
            const double difference = count - expected;
            return sum + difference * difference / expected;
        });
    FairnessResult result;
    result.subject = std::move(subject);
    result.statistic = pearson * (numbers - 1) / (numbers - perDrawing);
    result.degreesOfFreedom = numbers - 1;
    result.pValue = ChiSquareUpperTail(*result.statistic, result.degreesOfFreedom);
    result.sentence = VerdictSentence(*result.pValue, expected >= kLeastExpectedCount);
    return result;
}

FairnessResult CombinedFairness(std::string subject, std::span<const FairnessResult> parts) {
    if (parts.empty()) {
        return Untested(std::move(subject), std::string(kNoDrawingsToTest));
    }
    const auto untested = std::find_if(
        parts.begin(), parts.end(), [](const FairnessResult& part) { return !part.statistic.has_value(); });
    if (untested != parts.end()) {
        return Untested(std::move(subject), untested->sentence);
    }
    FairnessResult result;
    result.subject = std::move(subject);
    result.statistic = 0.0;
    bool trusted = true;
    for (const FairnessResult& part : parts) {
        *result.statistic += *part.statistic;
        result.degreesOfFreedom += part.degreesOfFreedom;
        trusted = trusted && part.sentence != kTooFewToJudge;
    }
    result.pValue = ChiSquareUpperTail(*result.statistic, result.degreesOfFreedom);
    result.sentence = VerdictSentence(*result.pValue, trusted);
    return result;
}

} // namespace vantorel
