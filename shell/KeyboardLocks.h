// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace vantorel {

struct LockKeys {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

// The state of the three lock keys, when the windowing system tells it (Windows, X11); nothing
// otherwise (for example on the offscreen platform).
std::optional<LockKeys> CurrentLockKeys();

} // namespace vantorel
