#pragma once

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

private:
    MessageSink* previous_;
};

// The answer a question gets when nobody is asked: Cancel for OK/Cancel, No for Yes/No, OK otherwise.
MessageAnswer CautiousAnswer(MessageButtons buttons);
// The answer that lets the operation go on: OK or Yes.
MessageAnswer AffirmativeAnswer(MessageButtons buttons);

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

} // namespace vantorel
