// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBox.h"

#include <iosfwd>

namespace vantorel {

// Prints every message to a stream (standard error), one block per message with a blank line between
// blocks. Questions get the cautious answer unless the user said yes to all of them beforehand.
class StderrMessageSink final : public MessageSink {
public:
    StderrMessageSink(std::ostream& stream, bool answerYes) : stream_(stream), answerYes_(answerYes) {}

    MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons) override;
    void SetAnswerYes(bool answerYes) { answerYes_ = answerYes; }

private:
    std::ostream& stream_;
    bool answerYes_;
    bool first_ = true;
};

} // namespace vantorel
