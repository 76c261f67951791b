#pragma once

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

} // namespace vantorel::bench
