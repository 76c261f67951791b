// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ResultDocument.h"

#include <nlohmann/json.hpp>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace vantorel {

namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kRecordEnd = "\r\n";

template <class... Visitors> struct Overloaded : Visitors... { using Visitors::operator()...; };

std::string DecimalText(double value) {
    if (!std::isfinite(value)) {
        return {};
    }
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string();
}

bool NeedsQuotes(std::string_view field) {
    return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

void AppendField(std::string& out, std::string_view field) {
    if (!NeedsQuotes(field)) {
        out += field;
        return;
    }
    out += '"';
    for (const char character : field) {
        if (character == '"') {
            out += '"';
        }
        out += character;
    }
    out += '"';
}

template <class Fields> void AppendRecord(std::string& out, const Fields& fields, std::size_t width) {
    std::size_t written = 0;
    for (const auto& field : fields) {
        if (written == width) {
            break;
        }
        if (written > 0) {
            out += ',';
        }
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, Cell>) {
            AppendField(out, field.Text());
        } else {
            AppendField(out, field);
        }
        ++written;
    }
    for (; written < width; ++written) {
        if (written > 0) {
            out += ',';
        }
    }
    out += kRecordEnd;
}

Json JsonOfCell(const Cell& cell) {
    return std::visit(Overloaded{
                          [](std::monostate) { return Json(nullptr); },
                          [](bool value) { return Json(value); },
                          [](std::int64_t value) { return Json(value); },
                          [](double value) { return std::isfinite(value) ? Json(value) : Json(nullptr); },
                          [](const std::string& value) { return Json(value); },
                          [](const IsoDate& value) { return Json(IsoDateText(value)); },
                          [](const WholeNumbers& value) { return Json(value); },
                      },
                      cell.value());
}

Json JsonOfTable(const ResultTable& table) {
    Json rows = Json::array();
    for (const CellRow& row : table.rows) {
        Json object = Json::object();
        for (std::size_t column = 0; column < table.columns.size(); ++column) {
            object[table.columns[column]] = column < row.size() ? JsonOfCell(row[column]) : Json(nullptr);
        }
        if (table.single && table.rows.size() == 1) {
            return object;
        }
        rows.push_back(std::move(object));
    }
    return rows;
}

} // namespace

std::string IsoDateText(const IsoDate& date) {
    std::array<char, 32> buffer{};
    const int length =
        std::snprintf(buffer.data(), buffer.size(), "%04d-%02d-%02d", date.year, date.month, date.day);
    return std::string(buffer.data(), static_cast<std::size_t>(std::max(length, 0)));
}

std::string Cell::Text() const {
    return std::visit(Overloaded{
                          [](std::monostate) { return std::string(); },
                          [](bool value) { return std::string(value ? "true" : "false"); },
                          [](std::int64_t value) { return std::to_string(value); },
                          [](double value) { return DecimalText(value); },
                          [](const std::string& value) { return value; },
                          [](const IsoDate& value) { return IsoDateText(value); },
                          [](const WholeNumbers& value) {
                              std::string text;
                              for (const std::int64_t number : value) {
                                  text += (text.empty() ? "" : " ") + std::to_string(number);
                              }
                              return text;
                          },
                      },
                      value_);
}

void ResultTable::AddRow(CellRow row) {
    if (row.size() > columns.size()) {
        throw std::invalid_argument("a row of table \"" + name +
                                    "\" has more cells than the table has columns");
    }
    row.resize(columns.size());
    rows.push_back(std::move(row));
}

ResultTable& ResultDocument::AddTable(std::string name, std::vector<std::string> columns) {
    tables.push_back({std::move(name), std::move(columns), {}});
    return tables.back();
}

std::optional<OutputFormat> OutputFormatOfWord(std::string_view word) {
    if (word == "text") {
        return OutputFormat::Text;
    }
    if (word == "csv") {
        return OutputFormat::Csv;
    }
    if (word == "json") {
        return OutputFormat::Json;
    }
    return std::nullopt;
}

std::string CsvOf(const ResultTable& table) {
    std::string out;
    const std::size_t width = table.columns.size();
    AppendRecord(out, table.columns, width);
    for (const CellRow& row : table.rows) {
        AppendRecord(out, row, width);
    }
    return out;
}

std::string CsvOfSections(const std::vector<ResultTable>& tables) {
    std::string out;
    for (const ResultTable& table : tables) {
        if (!out.empty()) {
            out += kRecordEnd;
        }
        AppendRecord(out, std::array<std::string_view, 1>{table.name}, 1);
        out += CsvOf(table);
    }
    return out;
}

std::string JsonOf(const ResultDocument& document) {
    Json root = Json::object();
    for (const auto& [name, cell] : document.fields) {
        root[name] = JsonOfCell(cell);
    }
    for (const ResultTable& table : document.tables) {
        root[table.name] = JsonOfTable(table);
    }
    if (!document.lines.empty()) {
        root["lines"] = document.lines;
    }
    root["messages"] = document.messages;
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + '\n';
}

} // namespace vantorel
