#pragma once
// The two keys the calibration windows answer, taken on their release. A held key
// repeats releases; only the real one acts, so a held key acts once.

#include <optional>

class QKeyEvent;

namespace eboard {

enum class WindowKey { Escape, Space };

// The key a key-release event stands for, or nothing for every other event or key.
std::optional<WindowKey> releasedWindowKey(const QKeyEvent& event);
// The window key a Qt key code stands for, if it is one.
std::optional<WindowKey> windowKeyOf(int qtKey);

// Whether a key presses the button that has the keyboard (Space, Return, Enter), on its
// release like the window keys.
bool pressesFocusedButton(int qtKey);

} // namespace eboard
