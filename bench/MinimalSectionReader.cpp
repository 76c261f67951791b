// SPDX-License-Identifier: GPL-3.0-or-later
// The least a command can do with the history: read vtrmain.dat whole, find the line of one section by its
// leading number and split that line into numbers. The whole-process benchmark runs it beside
// vantorel-cli as the floor of what a command costs.
//
//   minimal-section-reader SECTION      prints how many numbers the section's line holds

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The whole file in one buffer, or nothing.
std::unique_ptr<char[]> ReadWhole(const char* path, std::size_t& size) {
    const int file = ::open(path, O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (file < 0 || ::fstat(file, &status) != 0) {
        return nullptr;
    }
    size = static_cast<std::size_t>(status.st_size);
    auto text = std::make_unique_for_overwrite<char[]>(size + 1);
    std::size_t filled = 0;
    for (ssize_t read = 1; read > 0 && filled < size; filled += static_cast<std::size_t>(read)) {
        read = ::read(file, text.get() + filled, size - filled);
        if (read < 0) {
            ::close(file);
            return nullptr;
        }
    }
    ::close(file);
    size = filled;
    text[size] = '\0';
    return text;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: minimal-section-reader SECTION\n", stderr);
        return 2;
    }
    const long wanted = std::strtol(argv[1], nullptr, 10);
    std::size_t size = 0;
    const std::unique_ptr<char[]> text = ReadWhole("vtrmain.dat", size);
    if (!text) {
        return 1;
    }
    char* line = text.get();
    const char* const end = text.get() + size;
    while (line < end) {
        char* lineEnd = static_cast<char*>(std::memchr(line, '\n', static_cast<std::size_t>(end - line)));
        lineEnd = lineEnd == nullptr ? text.get() + size : lineEnd;
        *lineEnd = '\0';
        char* word = line;
        if (std::strtol(word, &word, 10) == wanted) {
            long numbers = 0;
            long sum = 0;
            for (char* next = word; *next != '\0' && *next != '\r'; word = next) {
                sum += std::strtol(word, &next, 10);
                if (next == word) {
                    ++next; // a separator, such as the slashes of a date
                    continue;
                }
                ++numbers;
            }
            std::printf("%ld numbers (sum %ld)\n", numbers, sum);
            return 0;
        }
        line = lineEnd + 1;
    }
    return 1;
}
