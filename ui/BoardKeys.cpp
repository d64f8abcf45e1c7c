#include "ui/BoardKeys.h"

#include "ui/GbkText.h"
#include "ui/UiTexts.h"
#include "ui/controller/ControlIds.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QStringList>

#include <array>

namespace joseki {

namespace {

using B = BrowserCommand;
using K = BoardKey;

struct QtKey {
    int qtKey;
    BoardKey key;
};

// Keys that count without modifiers; "=" is the unshifted "+".
constexpr std::array<QtKey, 16> kQtKeys{{
    {Qt::Key_Left, K::Left},
    {Qt::Key_Right, K::Right},
    {Qt::Key_Down, K::Down},
    {Qt::Key_Up, K::Up},
    {Qt::Key_PageUp, K::PageUp},
    {Qt::Key_Home, K::Home},
    {Qt::Key_End, K::End},
    {Qt::Key_F2, K::F2},
    {Qt::Key_F3, K::F3},
    {Qt::Key_F5, K::F5},
    {Qt::Key_F6, K::F6},
    {Qt::Key_F7, K::F7},
    {Qt::Key_F8, K::F8},
    {Qt::Key_Minus, K::Minus},
    {Qt::Key_Plus, K::Plus},
    {Qt::Key_Equal, K::Plus},
}};

struct KeyName {
    BoardKey key;
    const char* name; // GBK
};

constexpr std::array<KeyName, 17> kKeyNames{{
    {K::Left, uiTexts::kKeyLeft},
    {K::Right, uiTexts::kKeyRight},
    {K::Down, uiTexts::kKeyDown},
    {K::Up, uiTexts::kKeyUp},
    {K::PageUp, "PageUp"},
    {K::Home, "Home"},
    {K::End, "End"},
    {K::Letter, "A-Z"},
    {K::F2, "F2"},
    {K::F3, "F3"},
    {K::F5, "F5"},
    {K::F6, "F6"},
    {K::Minus, "-"},
    {K::Plus, "+"},
    {K::F7, "F7"},
    {K::F8, "F8"},
    {K::Copy, "Ctrl+C"},
}};

struct CommandText {
    BrowserCommand command;
    const char* text; // GBK
};

// What each command does, for tooltips that list several.
constexpr std::array<CommandText, 16> kCommandTexts{{
    {B::Back, uiTexts::kBackText},
    {B::Forward, uiTexts::kForwardText},
    {B::HighlightNext, uiTexts::kHighlightNextText},
    {B::UpBranch, uiTexts::kUpBranchText},
    {B::CollectStones, uiTexts::kCollectStonesText},
    {B::ToBranchPoint, uiTexts::kToBranchPointText},
    {B::StepToLabel, uiTexts::kStepToLabelText},
    {B::Tenuki, uiTexts::kTenukiText},
    {B::AutoPlay, uiTexts::kAutoPlayText},
    {B::Trial, uiTexts::kTrialText},
    {B::TrialEnd, uiTexts::kTrialEndText},
    {B::FewerNumbers, uiTexts::kFewerNumbersText},
    {B::MoreNumbers, uiTexts::kMoreNumbersText},
    {B::Coordinates, uiTexts::kCoordinatesText},
    {B::Texture, uiTexts::kTextureText},
    {B::CopyLine, uiTexts::kCopyLineText},
}};

QString nameOf(BoardKey key)
{
    for (const KeyName& entry : kKeyNames) {
        if (entry.key == key)
            return gbkToQString(entry.name);
    }
    return {};
}

QString textOf(BrowserCommand command)
{
    for (const CommandText& entry : kCommandTexts) {
        if (entry.command == command)
            return gbkToQString(entry.text);
    }
    return {};
}

// The commands whose control passes the test, in the order of the key table.
template <typename ControlTest> QList<BrowserCommand> commandsWhere(ControlTest test)
{
    QList<BrowserCommand> commands;
    for (const KeyBinding& binding : keyBindings::table()) {
        if (test(keyBindings::controlOf(binding.command)) && !commands.contains(binding.command))
            commands.append(binding.command);
    }
    return commands;
}

// The board's own commands, and those of the hidden "<" and ">", whose
// tooltips nobody sees.
bool isBoardCommandControl(std::optional<int> controlId)
{
    return !controlId || *controlId == kBackButton || *controlId == kNextButton;
}

} // namespace

std::optional<KeyStroke> BoardKeys::strokeOf(const QKeyEvent& event)
{
    if (event.matches(QKeySequence::Copy))
        return KeyStroke{K::Copy};
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const int key = event.key();
    const bool shiftAtMost = modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier;
    if (key >= Qt::Key_A && key <= Qt::Key_Z && shiftAtMost)
        return KeyStroke{K::Letter, static_cast<char>('A' + (key - Qt::Key_A))};
    for (const QtKey& entry : kQtKeys) {
        // Shift makes "+" on most layouts, so the signs take it.
        const bool sign = entry.key == K::Minus || entry.key == K::Plus;
        if (entry.qtKey == key && (modifiers == Qt::NoModifier || (sign && shiftAtMost)))
            return KeyStroke{entry.key};
    }
    return std::nullopt;
}

bool BoardKeys::isNavigationKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

QString BoardKeys::keysOf(BrowserCommand command)
{
    QStringList names;
    for (const KeyBinding& binding : keyBindings::table()) {
        if (binding.command == command)
            names.append(nameOf(binding.key));
    }
    return names.join(gbkToQString(uiTexts::kKeySeparator));
}

QString BoardKeys::controlToolTip(int controlId)
{
    const QList<BrowserCommand> commands =
        commandsWhere([controlId](std::optional<int> control) { return control == controlId; });
    if (commands.isEmpty())
        return {};
    if (commands.size() == 1)
        return gbkToQString(uiTexts::kKeysPrefix) + keysOf(commands.first());
    QStringList entries;
    for (const BrowserCommand command : commands)
        entries.append(keysOf(command) + QLatin1Char(' ') + textOf(command));
    return gbkToQString(uiTexts::kKeysPrefix) + entries.join(gbkToQString(uiTexts::kEntrySeparator));
}

QString BoardKeys::boardToolTip()
{
    QStringList lines;
    for (const BrowserCommand command : commandsWhere(isBoardCommandControl))
        lines.append(keysOf(command) + QStringLiteral("  ") + textOf(command));
    lines.append(gbkToQString(uiTexts::kWheelLine));
    return lines.join(QLatin1Char('\n'));
}

} // namespace joseki
