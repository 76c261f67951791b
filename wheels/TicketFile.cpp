// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/TicketFile.h"

#include <algorithm>
#include <variant>

namespace vantorel {

std::string FormatTickets(const std::vector<WheelTicket>& tickets) {
    std::string text;
    for (const WheelTicket& ticket : tickets) {
        for (std::size_t i = 0; i < ticket.size(); ++i) {
            text += (i == 0 ? "" : " ") + std::to_string(ticket[i]);
        }
        text += '\n';
    }
    return text;
}

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

Refusal LineRefusal(std::size_t line, const std::string& problem) {
    return {"Line " + std::to_string(line) + " of the ticket file: " + problem};
}

// The numbers of one line, or why it is not a ticket.
std::variant<WheelTicket, std::string> ParseLine(std::string_view line) {
    WheelTicket ticket;
    std::size_t at = 0;
    while (at < line.size()) {
        if (IsBlank(line[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < line.size() && !IsBlank(line[end])) {
            ++end;
        }
        const std::string_view word = line.substr(at, end - at);
        at = end;
        if (!std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            return "\"" + std::string(word) + "\" is not a number.";
        }
        const std::string_view digits = word.substr(std::min(word.find_first_not_of('0'), word.size()));
        const int number = digits.size() > 2 ? kHighestNumber + 1
                           : digits.empty()  ? 0
                                             : std::stoi(std::string(digits));
        if (number < kLowestNumber || number > kHighestNumber) {
            return std::string(word) + " is outside " + std::to_string(kLowestNumber) + " to " +
                   std::to_string(kHighestNumber) + ".";
        }
        if (std::find(ticket.begin(), ticket.end(), number) != ticket.end()) {
            return std::to_string(number) + " is on the ticket twice.";
        }
        ticket.push_back(number);
    }
    std::sort(ticket.begin(), ticket.end());
    return ticket;
}

} // namespace

Outcome<std::vector<WheelTicket>> ParseTickets(std::string_view text) {
    std::vector<WheelTicket> tickets;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        std::variant<WheelTicket, std::string> parsed = ParseLine(line);
        if (const std::string* problem = std::get_if<std::string>(&parsed)) {
            return LineRefusal(lineNumber, *problem);
        }
        WheelTicket& ticket = std::get<WheelTicket>(parsed);
        if (!ticket.empty()) {
            tickets.push_back(std::move(ticket));
        }
    }
    return tickets;
}

} // namespace vantorel
