#pragma once

#include <string>
#include <utility>
#include <variant>

namespace vantorel {

// Why the statistics or a backtest could not be made, in one sentence that names the problem; the caller
// shows it.
struct StatsRefusal {
    std::string message;
    bool operator==(const StatsRefusal&) const = default;
};

// The answer of a statistics or backtest routine: its record, or the refusal that took its place.
template <typename Record> class StatsOutcome final {
public:
    StatsOutcome(Record record) : answer_(std::move(record)) {}
    StatsOutcome(StatsRefusal refusal) : answer_(std::move(refusal)) {}

    bool has_value() const { return std::holds_alternative<Record>(answer_); }
    explicit operator bool() const { return has_value(); }

    const Record& value() const& { return std::get<Record>(answer_); }
    Record&& value() && { return std::get<Record>(std::move(answer_)); }
    const Record& operator*() const& { return value(); }
    const Record* operator->() const { return &value(); }
    const StatsRefusal& refusal() const { return std::get<StatsRefusal>(answer_); }

private:
    std::variant<Record, StatsRefusal> answer_;
};

} // namespace vantorel
