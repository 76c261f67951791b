// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wheels/WheelRequest.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The text of a ticket file: one ticket a line, its numbers in ascending order separated by single spaces,
// every line ending with a line feed.
std::string FormatTickets(const std::vector<WheelTicket>& tickets);

// Reads a ticket file as FormatTickets writes it, and as people edit it: numbers separated by blanks or
// tabs in any order (sorted on reading), lines ending with a line feed or a carriage return and a line
// feed, empty lines passed over. A line with anything but whole numbers 1..99, or a number twice, is
// refused with the line's number.
Outcome<std::vector<WheelTicket>> ParseTickets(std::string_view text);

} // namespace vantorel
