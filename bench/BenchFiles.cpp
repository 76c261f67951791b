#include "bench/BenchFiles.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace vantorel::bench {

BenchWorkDir::BenchWorkDir() : previous_(std::filesystem::current_path()) {
    std::random_device entropy;
    path_ = std::filesystem::temp_directory_path() / ("vantorel-bench-" + std::to_string(entropy()));
    std::filesystem::create_directories(path_);
    std::filesystem::current_path(path_);
}

BenchWorkDir::~BenchWorkDir() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

void WriteBenchFile(const std::filesystem::path& file, std::string_view content) {
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!stream) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

std::filesystem::path BenchDataPath(std::string_view name) {
    return std::filesystem::path(VANTOREL_BENCH_DATA_DIR) / std::string(name);
}

} // namespace vantorel::bench
