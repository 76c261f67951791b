#pragma once

#include "platform/GameSettings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace vantorel::bench {

// A fresh temporary working directory for the lifetime of the object.
class BenchWorkDir final {
public:
    BenchWorkDir();
    ~BenchWorkDir();
    BenchWorkDir(const BenchWorkDir&) = delete;
    BenchWorkDir& operator=(const BenchWorkDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

void WriteBenchFile(const std::filesystem::path& file, std::string_view content);

// A fixture file of tests/data.
std::filesystem::path BenchDataPath(std::string_view name);

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

} // namespace vantorel::bench
