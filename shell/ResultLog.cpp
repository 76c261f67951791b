// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ResultLog.h"

namespace vantorel {

void ResultLog::Add(ResultRecord record) {
    records_.push_back(std::move(record));
}

std::vector<std::string> ResultLog::ListedLines() const {
    std::vector<std::string> lines;
    lines.reserve(ListedLineCount());
    for (std::size_t i = mark_; i < records_.size(); ++i) {
        for (const std::string_view line : records_[i].lines) {
            lines.emplace_back(line);
        }
    }
    return lines;
}

std::size_t ResultLog::ListedLineCount() const {
    std::size_t count = 0;
    for (std::size_t i = mark_; i < records_.size(); ++i) {
        count += records_[i].lines.size();
    }
    return count;
}

std::vector<std::optional<GameType>> ResultLog::GamesOfListedLines() const {
    std::vector<std::optional<GameType>> games;
    games.reserve(ListedLineCount());
    for (std::size_t i = mark_; i < records_.size(); ++i) {
        games.insert(games.end(), records_[i].lines.size(), records_[i].game);
    }
    return games;
}

} // namespace vantorel
