// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBox.h"

#include <string>
#include <vector>

namespace vantorel {

// Records every message in order and answers questions from a script (then cautiously when the script
// runs out).
class RecordingMessageSink final : public MessageSink {
public:
    struct Entry {
        std::string text;
        MessageIcon icon;
        MessageButtons buttons;
    };

    MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons) override;

    void ScriptAnswer(MessageAnswer answer) { script_.push_back(answer); }
    const std::vector<Entry>& entries() const { return entries_; }
    std::vector<std::string> texts() const;
    void Clear() { entries_.clear(); }

private:
    std::vector<Entry> entries_;
    std::vector<MessageAnswer> script_;
    std::size_t nextAnswer_ = 0;
};

// The texts of an engine's messages, in order.
std::vector<std::string> TextsOf(const Notices& notices);

} // namespace vantorel
