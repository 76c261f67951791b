// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/TestFiles.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace vantorel::test {

TempWorkingDir::TempWorkingDir() : previous_(std::filesystem::current_path()) {
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate =
            std::filesystem::temp_directory_path() / ("vantorel-test-" + std::to_string(entropy()));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
            std::filesystem::current_path(path_);
            return;
        }
    }
    throw std::runtime_error("cannot make a temporary directory");
}

TempWorkingDir::~TempWorkingDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void WriteFile(const std::filesystem::path& file, std::string_view content) {
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!stream) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream content;
    content << stream.rdbuf();
    return content.str();
}

bool WorkFilesLeftIn(const std::filesystem::path& folder) {
    for (const std::filesystem::directory_entry& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("~tmp.~", 0) == 0 || name == "~.~") {
            return true;
        }
    }
    return false;
}

std::vector<std::string> SectionDrawingWords(const std::string& history, int section) {
    std::istringstream lines(history);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        int lineSection = -1;
        std::string count;
        if (words >> lineSection >> count && lineSection == section) {
            std::vector<std::string> drawings;
            for (std::string word; words >> word;) {
                drawings.push_back(word);
            }
            return drawings;
        }
    }
    return {};
}

std::filesystem::path TestDataPath(std::string_view name) {
    return std::filesystem::path(VANTOREL_TEST_DATA_DIR) / std::string(name);
}

} // namespace vantorel::test
