#include "platform/MessageBox.h"

namespace vantorel {

namespace {
MessageSink* installedSink = nullptr;
} // namespace

MessageAnswer MessageBox(std::string_view text, MessageIcon icon, MessageButtons buttons) {
    if (installedSink == nullptr) {
        return CautiousAnswer(buttons);
    }
    return installedSink->Show(text, icon, buttons);
}

ScopedMessageSink::ScopedMessageSink(MessageSink& sink) : previous_(installedSink) {
    installedSink = &sink;
}

ScopedMessageSink::~ScopedMessageSink() {
    installedSink = previous_;
}

MessageAnswer CautiousAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::Ok:
        break;
    }
    return MessageAnswer::Ok;
}

MessageAnswer AffirmativeAnswer(MessageButtons buttons) {
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

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

} // namespace vantorel
