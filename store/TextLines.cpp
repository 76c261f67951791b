// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/TextLines.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vantorel {

namespace {

constexpr std::size_t kReadPiece = 1 << 16;
// A pick names a handful of numbers; no useful pick line is longer.
constexpr std::size_t kLongestPickLine = 4096;

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// The length of the first line of `text`: up to its first carriage return or line feed. The line feed is
// searched first and the carriage return only before it, so each character is looked at about once.
std::size_t LineLength(std::string_view text) {
    const void* const feed = std::memchr(text.data(), '\n', text.size());
    const std::size_t feedAt = feed == nullptr
                                   ? text.size()
                                   : static_cast<std::size_t>(static_cast<const char*>(feed) - text.data());
    const void* const carriageReturn = std::memchr(text.data(), '\r', feedAt);
    return carriageReturn == nullptr
               ? feedAt
               : static_cast<std::size_t>(static_cast<const char*>(carriageReturn) - text.data());
}

} // namespace

bool LineCursor::Next(std::string_view& line) {
    if (position_ >= text_.size()) {
        return false;
    }
    const std::string_view rest = text_.substr(position_);
    line = rest.substr(0, LineLength(rest));
    position_ += line.size();
    if (position_ < text_.size()) {
        const bool crlf =
            text_[position_] == '\r' && position_ + 1 < text_.size() && text_[position_ + 1] == '\n';
        position_ += crlf ? 2 : 1;
    }
    return true;
}

FileLineReader::FileLineReader(const std::filesystem::path& file, std::size_t longestKept)
    : longestKept_(longestKept) {
    OpenedForReading opened = OpenRegularFile(file);
    status_ = opened.status;
    if (status_ == ReadStatus::kRead) {
        file_ = std::move(opened.file);
        // A small file needs no larger buffer than itself (one byte more notices the end in one read); a
        // page at least, for a file that grows or says it is empty.
        constexpr std::uint64_t kSmallestPiece = 4096;
        const std::uint64_t wanted = std::clamp<std::uint64_t>(opened.size + 1, kSmallestPiece, kReadPiece);
        buffer_.resize(static_cast<std::size_t>(wanted));
    }
}

bool FileLineReader::Refill() {
    if (status_ != ReadStatus::kRead || failed_) {
        return false;
    }
    const long long read = ReadFully(file_.get(), buffer_.data(), buffer_.size());
    failed_ = read < 0;
    position_ = 0;
    filled_ = read > 0 ? static_cast<std::size_t>(read) : 0;
    return filled_ > 0;
}

bool FileLineReader::Next(std::string& line) {
    line.clear();
    cut_ = false;
    bool started = false;
    for (;;) {
        if (position_ == filled_ && !Refill()) {
            return started && !failed_;
        }
        if (skipFeed_) {
            skipFeed_ = false;
            if (buffer_[position_] == '\n') {
                ++position_;
                continue;
            }
        }
        const auto start = buffer_.begin() + static_cast<std::ptrdiff_t>(position_);
        const auto filledEnd = buffer_.begin() + static_cast<std::ptrdiff_t>(filled_);
        const auto stop = std::find_if(start, filledEnd, IsLineEnd);
        const auto length = static_cast<std::size_t>(stop - start);
        const std::size_t room = longestKept_ - std::min(longestKept_, line.size());
        line.append(start, start + static_cast<std::ptrdiff_t>(std::min(length, room)));
        cut_ = cut_ || length > room;
        started = true;
        position_ += length;
        if (stop != filledEnd) {
            skipFeed_ = *stop == '\r';
            ++position_;
            return true;
        }
    }
}

PickFileLines ReadPickFile(const std::filesystem::path& file, std::size_t mostLines) {
    PickFileLines picks;
    FileLineReader reader(file, kLongestPickLine);
    if (reader.status() != ReadStatus::kRead) {
        return picks;
    }
    std::string line;
    while (reader.Next(line)) {
        if (picks.lines.size() == mostLines) {
            picks.moreLines = true;
            break;
        }
        picks.lines.push_back(line);
    }
    picks.opened = !reader.failed();
    return picks;
}

} // namespace vantorel
