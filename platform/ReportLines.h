// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The lines of a report kept in one text: every line followed by "\n", with the place where each line
// starts. Report routines write their lines straight into the text, the result list shows them one by one
// and vantorel-cli writes the whole text at once.
class ReportLines final {
public:
    class const_iterator;
    using iterator = const_iterator;
    using value_type = std::string_view;

    ReportLines() = default;
    ReportLines(std::initializer_list<std::string_view> lines);
    // The lines of a text whose lines end with "\n"; a last piece without "\n" is a line too, and an
    // empty text has no lines.
    static ReportLines FromText(std::string_view text);

    void Add(std::string_view line);
    // The lines of a text whose lines end with "\n", as FromText reads them: long tables are written a
    // block of lines at a time.
    void AddLines(std::string_view text);
    // The same for a writer that knows where its lines start in `text` (ascending, the first at 0).
    void AddLines(std::string_view text, std::span<const std::size_t> starts);
    void Append(const ReportLines& other);
    // Room for `lines` more lines of `characters` characters in all, line ends included.
    void Reserve(std::size_t lines, std::size_t characters);

    // Writing a line in place: what is appended to OpenLine() after the last complete line becomes the
    // next line with EndLine(), or is taken back with DropLine().
    std::string& OpenLine() { return text_; }
    void EndLine() {
        starts_.push_back(completeEnd_);
        text_ += '\n';
        completeEnd_ = text_.size();
    }
    void DropLine() { text_.resize(completeEnd_); }

    std::size_t size() const { return starts_.size(); }
    bool empty() const { return starts_.empty(); }
    std::string_view operator[](std::size_t index) const;
    std::string_view front() const { return (*this)[0]; }
    std::string_view back() const { return (*this)[size() - 1]; }
    // Every complete line, each followed by "\n".
    std::string_view text() const { return std::string_view(text_).substr(0, completeEnd_); }
    std::vector<std::string> ToStrings() const;

    const_iterator begin() const;
    const_iterator end() const;

    bool operator==(const ReportLines& other) const {
        return text() == other.text() && starts_ == other.starts_;
    }

private:
    std::string text_;
    std::vector<std::size_t> starts_;
    std::size_t completeEnd_ = 0;
};

class ReportLines::const_iterator final {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    const_iterator() = default;
    const_iterator(const ReportLines* lines, std::size_t index) : lines_(lines), index_(index) {}

    std::string_view operator*() const { return (*lines_)[index_]; }
    const_iterator& operator++() {
        ++index_;
        return *this;
    }
    const_iterator operator++(int) {
        const const_iterator before = *this;
        ++index_;
        return before;
    }
    bool operator==(const const_iterator& other) const { return index_ == other.index_; }

private:
    const ReportLines* lines_ = nullptr;
    std::size_t index_ = 0;
};

inline ReportLines::const_iterator ReportLines::begin() const {
    return {this, 0};
}
inline ReportLines::const_iterator ReportLines::end() const {
    return {this, size()};
}

} // namespace vantorel
