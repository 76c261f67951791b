// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/MessageBox.h"

namespace vantorel {

// Shows every message of the program in the platform's message box, captioned "Vantorel", over the
// window the user is working in.
class QtMessageSink final : public MessageSink {
public:
    MessageAnswer Show(std::string_view text, MessageIcon icon, MessageButtons buttons) override;
};

} // namespace vantorel
