// SPDX-License-Identifier: GPL-3.0-or-later
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

MessageIcon IconOf(NoticeKind kind) {
    switch (kind) {
    case NoticeKind::Information:
        return MessageIcon::Information;
    case NoticeKind::Warning:
        return MessageIcon::Exclamation;
    case NoticeKind::Error:
        return MessageIcon::Stop;
    case NoticeKind::Plain:
        break;
    }
    return MessageIcon::None;
}

void ShowNotice(const Notice& notice) {
    MessageBox(notice.text, IconOf(notice.kind));
}

void ShowNotices(const Notices& notices) {
    for (const Notice& notice : notices) {
        ShowNotice(notice);
    }
}

bool AskThroughMessageBox(const Question& question) {
    const MessageButtons buttons =
        question.buttons == QuestionButtons::YesNo ? MessageButtons::YesNo : MessageButtons::OkCancel;
    const MessageIcon icon = question.warning ? MessageIcon::Exclamation : MessageIcon::Question;
    return MessageBox(question.text, icon, buttons) == AffirmativeAnswer(buttons);
}

} // namespace vantorel
