// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

enum class MessageIcon { None, Stop, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// Where message boxes go. The desktop program installs a sink that shows a dialog, the command-line
// companion one that prints to standard error, and tests one that records and answers from a script.
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons) = 0;
};

// Shows one message through the installed sink. With no sink installed, OK-only messages are dropped and
// questions get the cautious answer (Cancel or No).
MessageAnswer MessageBox(std::string_view text, MessageIcon icon = MessageIcon::None,
                         MessageButtons buttons = MessageButtons::Ok);

// Installs a sink for the lifetime of this object and restores the previous one afterwards.
class ScopedMessageSink final {
public:
    explicit ScopedMessageSink(MessageSink& sink);
    ~ScopedMessageSink();
    ScopedMessageSink(const ScopedMessageSink&) = delete;
    ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

    // The sink that was installed before this one (nothing when none was).
    MessageSink* previous() const { return previous_; }

private:
    MessageSink* previous_;
};

// The answer a question gets when nobody is asked: Cancel for OK/Cancel, No for Yes/No, OK otherwise.
MessageAnswer CautiousAnswer(MessageButtons buttons);
// The answer that lets the operation go on: OK or Yes.
MessageAnswer AffirmativeAnswer(MessageButtons buttons);

// The icon a message of that kind is shown with.
MessageIcon IconOf(NoticeKind kind);

// Shows what an engine left for the user, in order, through the installed sink. The desktop program and
// vantorel-cli show every engine's messages this way; engines never show anything themselves.
void ShowNotice(const Notice& notice);
void ShowNotices(const Notices& notices);
// Shows an outcome's messages; true when it holds its value.
template <class T> bool ShowOutcome(const Outcome<T>& outcome) {
    ShowNotices(outcome.notices());
    return !outcome.refused();
}

// Asks an engine's question through the installed sink: true for OK or Yes.
bool AskThroughMessageBox(const Question& question);

} // namespace vantorel
