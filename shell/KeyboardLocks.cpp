// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/KeyboardLocks.h"

#include <QGuiApplication>

#if defined(Q_OS_WIN)
#include <windows.h>
#elif defined(VANTOREL_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace vantorel {

#if defined(Q_OS_WIN)

std::optional<LockKeys> CurrentLockKeys() {
    return LockKeys{(GetKeyState(VK_CAPITAL) & 1) != 0, (GetKeyState(VK_NUMLOCK) & 1) != 0,
                    (GetKeyState(VK_SCROLL) & 1) != 0};
}

#elif defined(VANTOREL_HAVE_XCB) && QT_CONFIG(xcb)

// The core protocol's keyboard LEDs: LED 1 is Caps Lock, 2 Num Lock and 3 Scroll Lock.
std::optional<LockKeys> CurrentLockKeys() {
    const auto* x11 =
        qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return std::nullopt;
    }
    xcb_get_keyboard_control_reply_t* reply =
        xcb_get_keyboard_control_reply(connection, xcb_get_keyboard_control(connection), nullptr);
    if (reply == nullptr) {
        return std::nullopt;
    }
    const std::uint32_t leds = reply->led_mask;
    std::free(reply);
    return LockKeys{(leds & 1U) != 0, (leds & 2U) != 0, (leds & 4U) != 0};
}

#else

std::optional<LockKeys> CurrentLockKeys() {
    return std::nullopt;
}

#endif

} // namespace vantorel
