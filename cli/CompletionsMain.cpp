// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the shell completions of vantorel-cli into a folder: vantorel-cli (bash), _vantorel-cli (zsh) and
// vantorel-cli.fish. The build runs it; the install rules install what it wrote.

#include "cli/CompletionScripts.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

namespace {

bool Write(const std::filesystem::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::cerr << "vantorel-cli-completions: cannot write " << file << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: vantorel-cli-completions FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    const bool written = Write(folder / "vantorel-cli", vantorel::BashCompletionScript()) &&
                         Write(folder / "_vantorel-cli", vantorel::ZshCompletionScript()) &&
                         Write(folder / "vantorel-cli.fish", vantorel::FishCompletionScript());
    return written ? 0 : 1;
}
