#pragma once

// Histories and numbers that the benchmarks build: the first-run settings, dated drawings, full sections.

#include "platform/GameSettings.h"

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
// A history file with every section full, the sections of `ownLines` (each line starting with its
// section number and ending with its line end) as given there.
std::string FullHistoryWith(const GameSettings& settings, const std::vector<std::string>& ownLines);

} // namespace vantorel::bench
