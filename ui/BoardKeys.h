#pragma once

#include "ui/controller/KeyBindings.h"

#include <QString>

#include <optional>

class QKeyEvent;

namespace joseki {

// The Qt side of the board's keys: which key event is which board key, the
// keys a focused list or speed box keeps for itself, and the names of the
// keys in the tooltips.
namespace BoardKeys {

// The board key of a key press, or nothing for any other key (Tab, Esc,
// Enter, Space, Alt+letter ...). Letters count with or without Shift.
std::optional<KeyStroke> strokeOf(const QKeyEvent& event);
// The arrows, PageUp, PageDown, Home and End: the keys a focused 手数 list
// or speed box uses itself.
bool isNavigationKey(const QKeyEvent& event);

// The keys of a command as the tooltips name them ("↑ 或 PageUp").
QString keysOf(BrowserCommand command);
// The tooltip of a control that stands for commands: its keys; empty for
// any other control.
QString controlToolTip(int controlId);
// The tooltip of the board's hint line: the keys of the board's own commands
// and the wheel.
QString boardToolTip();

} // namespace BoardKeys

} // namespace joseki
