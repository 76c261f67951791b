// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Histories and numbers that the benchmarks build: the first-run settings, dated drawings, full sections.

#include "platform/GameSettings.h"
#include "platform/RandomGenerator.h"
#include "tests/support/RandomBalls.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel::bench {

// The settings that the program writes on its first run.
GameSettings FirstRunSettings();
// A number written with at least `width` digits.
std::string Padded(int value, std::size_t width);
// A display-form date that changes with the drawing.
std::string DateOf(int drawing);
// One section line holding `drawings` drawings of `numbers` numbers each, with its line end.
std::string FullSectionLine(int section, int drawings, int numbers);
// A history file with every section full, except the sections in `skipped`.
std::string FullHistory(const GameSettings& settings, std::initializer_list<int> skipped = {});
// A results file as New York publishes Powerball's (Draw Date, Winning Numbers with the Powerball last,
// Multiplier; newest first), every Wednesday and Saturday, and Monday from August 2021, from 02/03/2010 to
// 10/04/2025: about 1,900 drawings of made-up numbers that fit the matrix of their day (5/59 + 1/39, then
// 1/35 from 01/15/2012, 5/69 + 1/26 from 10/07/2015).
std::string ModernPowerballResults();
// A history file with every section full, the sections of `ownLines` (each line starting with its
// section number and ending with its line end) as given there.
std::string FullHistoryWith(const GameSettings& settings, const std::vector<std::string>& ownLines);

using test::DistinctBalls; // distinct random balls, as the tests make them
// Numbers written one after another, a blank between two.
std::string Joined(const std::vector<int>& numbers);

} // namespace vantorel::bench
