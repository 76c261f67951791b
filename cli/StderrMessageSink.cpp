// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/StderrMessageSink.h"

#include <ostream>

namespace vantorel {

MessageAnswer StderrMessageSink::Show(std::string_view text, MessageIcon, MessageButtons buttons) {
    if (!first_) {
        stream_ << '\n';
    }
    first_ = false;
    stream_ << text << '\n';
    stream_.flush();
    return answerYes_ ? AffirmativeAnswer(buttons) : CautiousAnswer(buttons);
}

} // namespace vantorel
