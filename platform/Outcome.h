// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace vantorel {

// How a message is shown: with no icon, or as information, a warning or an error.
enum class NoticeKind { Plain, Information, Warning, Error };

// One message for the user, as an engine leaves it for its caller to show.
struct Notice {
    std::string text;
    NoticeKind kind = NoticeKind::Plain;

    bool operator==(const Notice&) const = default;
};

// The messages a routine leaves for its caller, in the order they arose.
using Notices = std::vector<Notice>;

// Adds `later` after the messages of `notices`.
inline void AddNotices(Notices& notices, const Notices& later) {
    notices.insert(notices.end(), later.begin(), later.end());
}

// Why a routine did not give its value: the message that says so.
struct Refusal {
    std::string text;
    NoticeKind kind = NoticeKind::Error;
};

// What a routine answers with the value it produced.
struct Done {
    bool operator==(const Done&) const = default;
};

// The answer of an engine routine: its value, or a refusal; either way with the messages it left on the
// way (a refusal's own message comes last). The caller shows the messages through the message seam.
template <class T> class [[nodiscard]] Outcome final {
public:
    Outcome(T value) : value_(std::move(value)) {}
    Outcome(Refusal refusal) { notices_.push_back({std::move(refusal.text), refusal.kind}); }

    bool refused() const { return !value_.has_value(); }
    // Whether it holds its value (not offered for a value that is itself true or false).
    explicit operator bool() const requires(!std::is_same_v<T, bool>) { return value_.has_value(); }

    const T& value() const& { return *value_; }
    T& value() & { return *value_; }
    T&& value() && { return std::move(*value_); }
    const T& operator*() const& { return *value_; }
    T& operator*() & { return *value_; }
    const T* operator->() const { return &*value_; }
    T* operator->() { return &*value_; }
    T value_or(T fallback) const { return value_ ? *value_ : std::move(fallback); }

    // Every message, in order; a refusal's message last.
    const Notices& notices() const { return notices_; }
    // The refusal's message; only for a refused outcome.
    const Notice& refusal() const { return notices_.back(); }

    // Adds a message told before this outcome came about.
    Outcome& Tell(Notice notice) {
        notices_.insert(notices_.end() - (refused() ? 1 : 0), std::move(notice));
        return *this;
    }
    // Adds the messages of an earlier step, which come before this outcome's own.
    Outcome& Precede(const Notices& earlier) & {
        notices_.insert(notices_.begin(), earlier.begin(), earlier.end());
        return *this;
    }
    // The same on an outcome about to be returned, which then moves on instead of being copied.
    Outcome&& Precede(const Notices& earlier) && { return std::move(Precede(earlier)); }

private:
    std::optional<T> value_;
    Notices notices_;
};

// The refusal of another outcome, with the messages that came before it, for a caller that stops too.
template <class T, class U> Outcome<T> RefusedAs(const Outcome<U>& refused) {
    Outcome<T> outcome(Refusal{refused.refusal().text, refused.refusal().kind});
    Notices earlier(refused.notices().begin(), refused.notices().end() - 1);
    outcome.Precede(earlier);
    return outcome;
}

// The buttons a question offers, and what its answers mean: OK or Yes goes on.
enum class QuestionButtons { OkCancel, YesNo };

// A question an engine needs answered before it goes on. The caller answers it (asking the user, or
// taking the cautious answer), always while no lock is held.
struct Question {
    std::string text;
    QuestionButtons buttons = QuestionButtons::OkCancel;
    bool warning = false; // shown as a warning rather than as a question
};

// Answers a question: true to go on.
using AskQuestion = std::function<bool(const Question& question)>;

} // namespace vantorel
