#pragma once

#include <optional>
#include <span>

namespace joseki {

// The keys the board answers to, as the window reports them. The window
// names the physical key; what it does is decided here and in the controller.
enum class BoardKey {
    Left,
    Right,
    Down,
    Up,
    PageUp,
    Home,
    End,
    Letter, // A..Z; the letter travels in KeyStroke
    F2,
    F3,
    F5,
    F6,
    Minus,
    Plus,
    F7,
    F8,
    Copy, // Ctrl+C
};

// One key press: the key and, for BoardKey::Letter, its letter 'A'..'Z'.
struct KeyStroke {
    BoardKey key = BoardKey::Left;
    char letter = 0;
};

// What a key can make the controller do.
enum class BrowserCommand {
    Back,          // browsing: one move back; trial play: take back
    Forward,       // the highlighted candidate, or the only continuation
    HighlightNext, // the highlight moves to the next candidate on the board
    UpBranch,      // 上分支
    CollectStones, // 收子
    ToBranchPoint, // the forced moves at once, to the next branch point
    StepToLabel,   // the candidate under the key's letter
    Tenuki,        // 脱先
    AutoPlay,      // 自动进行
    Trial,         // 试下 / 重新试下
    TrialEnd,      // 试下结束
    FewerNumbers,  // 手数: the entry before
    MoreNumbers,   // 手数: the entry after
    Coordinates,   // 坐标
    Texture,       // 棋盘纹
    CopyLine,      // the line as standard SGF to the clipboard
};

struct KeyBinding {
    BoardKey key;
    BrowserCommand command;
};

// The keys of the board and their commands. Every other key keeps its
// ordinary meaning in the dialog (Tab, Esc, Enter, Space on a button).
namespace keyBindings {

// The whole table, one row per key in the order of BoardKey, which is the
// order the window documents them in.
std::span<const KeyBinding> table();
// The command of a key; every board key has one.
BrowserCommand commandOf(BoardKey key);
// The control a command stands for, whose tooltip names its keys, or
// nothing for a command of the board alone.
std::optional<int> controlOf(BrowserCommand command);

} // namespace keyBindings

} // namespace joseki
