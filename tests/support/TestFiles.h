// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel::test {

// Makes a fresh empty directory the working directory for the lifetime of the object, then returns to
// the previous one and removes it. The history file and its work files live there.
class TempWorkingDir final {
public:
    TempWorkingDir();
    ~TempWorkingDir();
    TempWorkingDir(const TempWorkingDir&) = delete;
    TempWorkingDir& operator=(const TempWorkingDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

void WriteFile(const std::filesystem::path& file, std::string_view content);
std::string ReadFile(const std::filesystem::path& file);

// Whether a folder holds a work file of a rewrite ("~tmp.~" and a suffix, or the older "~.~").
bool WorkFilesLeftIn(const std::filesystem::path& folder = ".");

// The words of the line of `section` in a history text after its section number and count: the drawings.
std::vector<std::string> SectionDrawingWords(const std::string& history, int section);

// A fixture file of tests/data.
std::filesystem::path TestDataPath(std::string_view name);

} // namespace vantorel::test
