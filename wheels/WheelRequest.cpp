// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheels/WheelRequest.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace vantorel {

namespace {

std::string Text(int value) {
    return std::to_string(value);
}

Refusal BadInput(std::string message) {
    return {std::move(message)};
}

// `what` ("Pool number", "Key number") names the list in the message.
std::optional<Refusal> CheckNumbers(const std::vector<int>& numbers, const std::string& what) {
    std::set<int> seen;
    for (const int number : numbers) {
        if (number < kLowestNumber || number > kHighestNumber) {
            return BadInput(what + " " + Text(number) + " is outside " + Text(kLowestNumber) + " to " +
                            Text(kHighestNumber) + ".");
        }
        if (!seen.insert(number).second) {
            return BadInput(what + " " + Text(number) + " is given twice.");
        }
    }
    return std::nullopt;
}

std::optional<Refusal> CheckGuarantee(int guarantee, int drawn) {
    if (guarantee < 1) {
        return BadInput("The guarantee " + GuaranteeText(guarantee, drawn) +
                        " must promise at least 1 number: T must be 1 or more.");
    }
    if (guarantee > drawn) {
        return BadInput("The guarantee " + GuaranteeText(guarantee, drawn) +
                        " promises more numbers than are drawn: T must not exceed M.");
    }
    return std::nullopt;
}

// With k keys on every ticket, a draw of M pool numbers holding as few keys as it can (none when the
// other numbers of the pool are M or more) meets a ticket in at most those keys plus the ticket's other
// numbers among the draw.
std::optional<Refusal> CheckRoomForGuarantee(const WheelRequest& request) {
    const int keys = static_cast<int>(request.keys.size());
    const int others = static_cast<int>(request.pool.size()) - keys;
    const int fewestKeysDrawn = std::max(0, request.drawn - others);
    const int mostMatched =
        fewestKeysDrawn + std::min(request.ticketSize - keys, request.drawn - fewestKeysDrawn);
    if (keys == 0 || mostMatched >= request.guarantee) {
        return std::nullopt;
    }
    const std::string keysDrawn = fewestKeysDrawn == 0 ? "none" : Text(fewestKeysDrawn);
    return BadInput("With " + Text(keys) + " key numbers a ticket of " + Text(request.ticketSize) +
                    " matches at most " + Text(mostMatched) + " of " + Text(request.drawn) +
                    " drawn pool numbers that include " + keysDrawn +
                    " of the keys, fewer than the guarantee " +
                    GuaranteeText(request.guarantee, request.drawn) + " needs.");
}

} // namespace

std::string GuaranteeText(int guarantee, int drawn) {
    return Text(guarantee) + " if " + Text(drawn);
}

std::optional<Refusal> ValidateWheelRequest(const WheelRequest& request) {
    const int poolSize = static_cast<int>(request.pool.size());
    if (poolSize == 0) {
        return BadInput("The pool holds no numbers.");
    }
    if (std::optional<Refusal> refusal = CheckNumbers(request.pool, "Pool number")) {
        return refusal;
    }
    if (request.ticketSize < 1) {
        return BadInput("The ticket size " + Text(request.ticketSize) + " must be at least 1.");
    }
    if (poolSize < request.ticketSize) {
        return BadInput("The pool of " + Text(poolSize) + " numbers is smaller than the ticket size " +
                        Text(request.ticketSize) + ".");
    }
    if (std::optional<Refusal> refusal = CheckGuarantee(request.guarantee, request.drawn)) {
        return refusal;
    }
    if (request.drawn > request.ticketSize) {
        return BadInput("The guarantee " + GuaranteeText(request.guarantee, request.drawn) + " counts " +
                        Text(request.drawn) + " drawn numbers, more than a ticket of " +
                        Text(request.ticketSize) + " holds: M must not exceed the ticket size.");
    }
    if (std::optional<Refusal> refusal = CheckNumbers(request.keys, "Key number")) {
        return refusal;
    }
    for (const int key : request.keys) {
        if (std::find(request.pool.begin(), request.pool.end(), key) == request.pool.end()) {
            return BadInput("Key number " + Text(key) + " is not in the pool.");
        }
    }
    if (static_cast<int>(request.keys.size()) > request.ticketSize) {
        return BadInput(Text(static_cast<int>(request.keys.size())) +
                        " key numbers do not fit on a ticket of " + Text(request.ticketSize) + ".");
    }
    if (std::optional<Refusal> refusal = CheckRoomForGuarantee(request)) {
        return refusal;
    }
    if (!(request.seconds > 0) || request.seconds > kMaxSeconds) {
        return BadInput("The time budget must be more than 0 and at most " +
                        Text(static_cast<int>(kMaxSeconds)) + " seconds.");
    }
    if (request.ticketPriceCents && *request.ticketPriceCents < 0) {
        return BadInput("The ticket price must not be negative.");
    }
    return std::nullopt;
}

std::optional<Refusal> ValidateWheelCheck(const WheelCheckRequest& request) {
    const int poolSize = static_cast<int>(request.pool.size());
    if (poolSize == 0) {
        return BadInput("The pool holds no numbers.");
    }
    if (std::optional<Refusal> refusal = CheckNumbers(request.pool, "Pool number")) {
        return refusal;
    }
    if (std::optional<Refusal> refusal = CheckGuarantee(request.guarantee, request.drawn)) {
        return refusal;
    }
    if (request.drawn > poolSize) {
        return BadInput("The guarantee " + GuaranteeText(request.guarantee, request.drawn) + " counts " +
                        Text(request.drawn) + " drawn numbers, more than the pool of " + Text(poolSize) +
                        " holds.");
    }
    const std::set<int> pool(request.pool.begin(), request.pool.end());
    for (std::size_t i = 0; i < request.tickets.size(); ++i) {
        std::set<int> seen;
        for (const int number : request.tickets[i]) {
            const std::string ticket = "Ticket " + Text(static_cast<int>(i) + 1);
            if (pool.count(number) == 0) {
                return BadInput(ticket + " holds " + Text(number) + ", which is not in the pool.");
            }
            if (!seen.insert(number).second) {
                return BadInput(ticket + " holds " + Text(number) + " twice.");
            }
        }
    }
    if (request.ticketPriceCents && *request.ticketPriceCents < 0) {
        return BadInput("The ticket price must not be negative.");
    }
    return std::nullopt;
}

} // namespace vantorel
