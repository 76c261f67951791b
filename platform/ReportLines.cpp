// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ReportLines.h"

#include <algorithm>

namespace vantorel {

ReportLines::ReportLines(std::initializer_list<std::string_view> lines) {
    for (const std::string_view line : lines) {
        Add(line);
    }
}

ReportLines ReportLines::FromText(std::string_view text) {
    ReportLines lines;
    lines.AddLines(text);
    return lines;
}

void ReportLines::Add(std::string_view line) {
    DropLine();
    text_.append(line);
    EndLine();
}

void ReportLines::AddLines(std::string_view text) {
    DropLine();
    const std::size_t offset = text_.size();
    text_.append(text);
    for (std::size_t start = 0; start < text.size();) {
        starts_.push_back(offset + start);
        const std::size_t end = text.find('\n', start);
        start = end == std::string_view::npos ? text.size() : end + 1;
    }
    if (!text.empty() && !text.ends_with('\n')) {
        text_ += '\n';
    }
    completeEnd_ = text_.size();
}

void ReportLines::AddLines(std::string_view text, std::span<const std::size_t> starts) {
    DropLine();
    const std::size_t offset = text_.size();
    text_.append(text);
    const std::size_t first = starts_.size();
    starts_.resize(first + starts.size());
    std::transform(starts.begin(), starts.end(), starts_.begin() + static_cast<std::ptrdiff_t>(first),
                   [offset](std::size_t start) { return offset + start; });
    if (!text.empty() && !text.ends_with('\n')) {
        text_ += '\n';
    }
    completeEnd_ = text_.size();
}

void ReportLines::Append(const ReportLines& other) {
    DropLine();
    const std::size_t offset = text_.size();
    text_.append(other.text());
    starts_.reserve(starts_.size() + other.size());
    for (const std::size_t start : other.starts_) {
        starts_.push_back(offset + start);
    }
    completeEnd_ = text_.size();
}

void ReportLines::Reserve(std::size_t lines, std::size_t characters) {
    starts_.reserve(starts_.size() + lines);
    text_.reserve(text_.size() + characters);
}

std::string_view ReportLines::operator[](std::size_t index) const {
    const std::size_t start = starts_[index];
    const std::size_t end = index + 1 < starts_.size() ? starts_[index + 1] : completeEnd_;
    return std::string_view(text_).substr(start, end - start - 1);
}

std::vector<std::string> ReportLines::ToStrings() const {
    return std::vector<std::string>(begin(), end());
}

} // namespace vantorel
