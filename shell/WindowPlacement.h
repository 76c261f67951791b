// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

#include <optional>
#include <string_view>

namespace vantorel {

class ProfileStore;

// Where the main window stood when it was last closed, in logical pixels: the top-left corner of its frame
// (QWidget::pos, what move() takes) and its size without the frame (what resize() takes), both of its normal
// state, and whether it was maximised. Kept in the profile store as decimal texts, section
// "Window", keys "Left", "Top", "Width" and "Height" (signed: a screen left of the primary one has negative
// positions) and "Maximized" (0 or 1).
struct WindowPlacement {
    QRect geometry;
    bool maximized = false;

    bool operator==(const WindowPlacement&) const = default;
};

inline constexpr std::string_view kWindowSection = "Window";

// The placement kept by the last run; nothing when none was kept, or when a value is missing or is no
// whole number, or the size is not positive (a file edited by hand, say).
std::optional<WindowPlacement> ReadWindowPlacement(const ProfileStore& store);
// Keeps the placement in one update of the store; false when the store could not keep it.
bool WriteWindowPlacement(ProfileStore& store, const WindowPlacement& placement);

// Room that the window system's frame (title bar and borders) takes around the window's geometry.
inline constexpr QSize kFrameAllowance(20, 60);

// The window's first size: `wanted`, made smaller where needed so that the window and its frame fit the
// available area of the screen, but never below `smallest`.
QSize FirstWindowSize(QSize wanted, QSize smallest, const QRect& available);

// Where the window opens: the kept placement when its middle lies in one of the screens' available
// areas, made to fit that area; otherwise `firstSize` (fitted the same way) centred on `primary`.
QRect PlacedGeometry(const std::optional<WindowPlacement>& kept, const QList<QRect>& availableAreas,
                     const QRect& primary, QSize firstSize, QSize smallest);

} // namespace vantorel
