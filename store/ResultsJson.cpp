// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/ResultsJson.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <iterator>
#include <string>

namespace vantorel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutLeadingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

// Walks the characters of the JSON text for the parser and counts the lines it has passed (a line feed, a
// carriage return with a line feed, or a carriage return alone end a line).
class LineCountingIterator final {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    LineCountingIterator(const char* position, const char* end, int* line)
        : position_(position), end_(end), line_(line) {}

    reference operator*() const { return *position_; }
    LineCountingIterator& operator++() {
        const bool lineEnd =
            *position_ == '\n' || (*position_ == '\r' && (position_ + 1 == end_ || position_[1] != '\n'));
        if (lineEnd) {
            ++*line_;
        }
        ++position_;
        return *this;
    }
    LineCountingIterator operator++(int) {
        LineCountingIterator before = *this;
        ++*this;
        return before;
    }
    friend bool operator==(const LineCountingIterator& a, const LineCountingIterator& b) {
        return a.position_ == b.position_;
    }

private:
    const char* position_;
    const char* end_;
    int* line_;
};

// A value as one field of a line.
void AppendCleanValue(std::string& field, std::string_view value) {
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        field += byte < 0x20 || c == '"' ? ' ' : c;
    }
}

// Writes the elements of the top array as lines of fields as they are parsed, the values of objects under
// their names; the header line of the names comes first once all are known. Only the lines are kept, so a
// file's memory is about twice its size at most.
class DrawingRows final {
public:
    using Json = nlohmann::json;

    explicit DrawingRows(const int& line) : line_(line) {}

    bool null() { return Value({}); }
    bool boolean(bool value) { return Value(value ? "true" : "false"); }
    bool number_integer(Json::number_integer_t value) { return Value(std::to_string(value)); }
    bool number_unsigned(Json::number_unsigned_t value) { return Value(std::to_string(value)); }
    bool number_float(Json::number_float_t, const Json::string_t& written) { return Value(written); }
    bool string(Json::string_t& value) { return Value(value); }
    bool binary(Json::binary_t&) { return Value({}); }
    bool start_object(std::size_t) {
        if (depth_ == 1) {
            StartRow(true);
        }
        ++depth_;
        return true;
    }
    bool key(Json::string_t& name) {
        if (depth_ == 2 && keyedRow_) {
            column_ = ColumnOf(name);
        }
        return true;
    }
    bool end_object() { return End(); }
    bool start_array(std::size_t) {
        if (depth_ == 1) {
            StartRow(false);
        } else if (depth_ == 2 && keyedRow_) {
            inValueArray_ = true;
        }
        ++depth_;
        return true;
    }
    bool end_array() { return End(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
        problem_ = "Line " + std::to_string(line_) + ": the results file is not valid JSON.";
        return false;
    }

    JsonResultsLines Lines() && {
        JsonResultsLines lines;
        lines.problem = std::move(problem_);
        if (!lines.problem.empty()) {
            return lines;
        }
        if (!names_.empty()) {
            AppendFields(lines.text, names_);
            lines.lineNumbers.push_back(lineNumbers_.empty() ? 1 : lineNumbers_.front());
        }
        lines.text += body_;
        body_ = std::string();
        lines.lineNumbers.insert(lines.lineNumbers.end(), lineNumbers_.begin(), lineNumbers_.end());
        return lines;
    }

private:
    static void AppendFields(std::string& text, const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            text.append(i == 0 ? "" : "\t").append(fields[i]);
        }
        text += '\n';
    }

    void StartRow(bool keyed) {
        fields_.clear();
        rowLine_ = line_;
        keyedRow_ = keyed;
        column_ = keyed ? kNoColumn : 0;
    }

    void EndRow() {
        AppendFields(body_, fields_);
        lineNumbers_.push_back(rowLine_);
    }

    std::size_t ColumnOf(const std::string& name) {
        std::string clean;
        AppendCleanValue(clean, name);
        for (std::size_t i = 0; i < names_.size(); ++i) {
            if (names_[i] == clean) {
                return i;
            }
        }
        names_.push_back(std::move(clean));
        return names_.size() - 1;
    }

    // A value of the top array (a row of its own), of a row, or of an array within a row.
    bool Value(std::string_view value) {
        if (depth_ == 1) {
            StartRow(false);
            AppendCleanValue(fields_.emplace_back(), value);
            EndRow();
        } else if (depth_ == 2 && !keyedRow_) {
            AppendCleanValue(fields_.emplace_back(), value);
        } else if ((depth_ == 2 || (depth_ == 3 && inValueArray_)) && column_ != kNoColumn) {
            if (fields_.size() <= column_) {
                fields_.resize(column_ + 1);
            }
            std::string& field = fields_[column_];
            if (depth_ == 2) {
                field.clear();
            } else if (!field.empty()) {
                field += ' ';
            }
            AppendCleanValue(field, value);
        }
        return true;
    }

    bool End() {
        --depth_;
        inValueArray_ = inValueArray_ && depth_ > 2;
        if (depth_ == 1) {
            EndRow();
        }
        return true;
    }

    static constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

    const int& line_;
    int depth_ = 0;
    bool keyedRow_ = false;
    bool inValueArray_ = false;
    std::size_t column_ = kNoColumn;
    std::vector<std::string> names_;
    std::vector<std::string> fields_; // of the element being read
    int rowLine_ = 0;                 // where it starts
    std::string body_;                // the lines of the elements read
    std::vector<int> lineNumbers_;    // where each of them starts
    std::string problem_;
};

} // namespace

bool IsJsonArrayOfDrawings(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    text = WithoutLeadingBlanks(text);
    if (text.empty() || text.front() != '[') {
        return false;
    }
    text = WithoutLeadingBlanks(text.substr(1));
    return !text.empty() && (text.front() == '{' || text.front() == ']');
}

JsonResultsLines JsonDrawingsAsLines(std::string_view json) {
    if (json.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        json.remove_prefix(kByteOrderMark.size());
    }
    int line = 1;
    DrawingRows rows(line);
    const char* end = json.data() + json.size();
    nlohmann::json::sax_parse(LineCountingIterator(json.data(), end, &line),
                              LineCountingIterator(end, end, &line), &rows);
    return std::move(rows).Lines();
}

} // namespace vantorel
