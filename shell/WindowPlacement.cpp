// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/WindowPlacement.h"

#include "platform/ProfileStore.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>
#include <vector>

namespace vantorel {

namespace {

constexpr std::string_view kLeftKey = "Left";
constexpr std::string_view kTopKey = "Top";
constexpr std::string_view kWidthKey = "Width";
constexpr std::string_view kHeightKey = "Height";
constexpr std::string_view kMaximizedKey = "Maximized";
// Larger than any screen; a larger kept size is taken for a damaged value.
constexpr int kLargestCoordinate = 100000;

// A whole number with an optional minus sign, blanks around it allowed; nothing for any other text.
std::optional<int> SignedNumberOf(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, last - first + 1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < -kLargestCoordinate ||
        value > kLargestCoordinate) {
        return std::nullopt;
    }
    return value;
}

// The size made smaller where needed to fit `room`, but not below `smallest`.
QSize Fitted(QSize size, QSize room, QSize smallest) {
    return size.boundedTo(room).expandedTo(smallest);
}

QRect CentredIn(QSize size, const QRect& area) {
    return {area.center() - QPoint(size.width() / 2, size.height() / 2), size};
}

} // namespace

std::optional<WindowPlacement> ReadWindowPlacement(const ProfileStore& store) {
    const std::vector<std::string> texts =
        store.GetStrings(kWindowSection, {kLeftKey, kTopKey, kWidthKey, kHeightKey, kMaximizedKey});
    std::array<int, 5> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::optional<int> value = i < texts.size() ? SignedNumberOf(texts[i]) : std::nullopt;
        if (!value) {
            return std::nullopt;
        }
        values[i] = *value;
    }
    if (values[2] <= 0 || values[3] <= 0 || (values[4] != 0 && values[4] != 1)) {
        return std::nullopt;
    }
    return WindowPlacement{QRect(values[0], values[1], values[2], values[3]), values[4] == 1};
}

bool WriteWindowPlacement(ProfileStore& store, const WindowPlacement& placement) {
    const QRect& geometry = placement.geometry;
    return store.Update([&](ProfileValues& values) {
        values.Set(kWindowSection, kLeftKey, std::to_string(geometry.x()));
        values.Set(kWindowSection, kTopKey, std::to_string(geometry.y()));
        values.Set(kWindowSection, kWidthKey, std::to_string(geometry.width()));
        values.Set(kWindowSection, kHeightKey, std::to_string(geometry.height()));
        values.Set(kWindowSection, kMaximizedKey, placement.maximized ? "1" : "0");
    });
}

QSize FirstWindowSize(QSize wanted, QSize smallest, const QRect& available) {
    return Fitted(wanted, available.size() - kFrameAllowance, smallest);
}

QRect PlacedGeometry(const std::optional<WindowPlacement>& kept, const QList<QRect>& availableAreas,
                     const QRect& primary, QSize firstSize, QSize smallest) {
    if (kept) {
        const QRect& wanted = kept->geometry;
        const auto area =
            std::find_if(availableAreas.begin(), availableAreas.end(),
                         [&wanted](const QRect& rect) { return rect.contains(wanted.center()); });
        if (area != availableAreas.end()) {
            const QSize size = FirstWindowSize(wanted.size(), smallest, *area);
            // Moved as little as needed to keep the window and its title bar on the area.
            const int left = std::clamp(wanted.left(), area->left(),
                                        std::max(area->left(), area->right() + 1 - size.width()));
            const int top = std::clamp(
                wanted.top(), area->top(),
                std::max(area->top(), area->bottom() + 1 - size.height() - kFrameAllowance.height()));
            return {QPoint(left, top), size};
        }
    }
    return CentredIn(FirstWindowSize(firstSize, smallest, primary), primary);
}

} // namespace vantorel
