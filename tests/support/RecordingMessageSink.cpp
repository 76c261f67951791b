// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/RecordingMessageSink.h"

namespace vantorel {

MessageAnswer RecordingMessageSink::Show(std::string_view text, MessageIcon icon, MessageButtons buttons) {
    entries_.push_back({std::string(text), icon, buttons});
    if (buttons == MessageButtons::Ok) {
        return MessageAnswer::Ok;
    }
    if (nextAnswer_ < script_.size()) {
        return script_[nextAnswer_++];
    }
    return CautiousAnswer(buttons);
}

std::vector<std::string> RecordingMessageSink::texts() const {
    std::vector<std::string> result;
    result.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        result.push_back(entry.text);
    }
    return result;
}

std::vector<std::string> TextsOf(const Notices& notices) {
    std::vector<std::string> texts;
    texts.reserve(notices.size());
    for (const Notice& notice : notices) {
        texts.push_back(notice.text);
    }
    return texts;
}

} // namespace vantorel
