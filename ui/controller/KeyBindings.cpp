#include "ui/controller/KeyBindings.h"

#include "ui/controller/ControlIds.h"

#include <array>

namespace joseki {

namespace {

using B = BrowserCommand;
using K = BoardKey;

// The keys of Go programs where they have one (arrows, Home, End, PageUp),
// the letters of the branch labels, and function keys for the buttons. F4 is
// left out: it opens a focused drop-down list.
constexpr std::array<KeyBinding, 17> kBindings{{
    {K::Left, B::Back},
    {K::Right, B::Forward},
    {K::Down, B::HighlightNext},
    {K::Up, B::UpBranch},
    {K::PageUp, B::UpBranch},
    {K::Home, B::CollectStones},
    {K::End, B::ToBranchPoint},
    {K::Letter, B::StepToLabel},
    {K::F2, B::Tenuki},
    {K::F3, B::AutoPlay},
    {K::F5, B::Trial},
    {K::F6, B::TrialEnd},
    {K::Minus, B::FewerNumbers},
    {K::Plus, B::MoreNumbers},
    {K::F7, B::Coordinates},
    {K::F8, B::Texture},
    {K::Copy, B::CopyLine},
}};

constexpr bool rowsFollowTheKeys()
{
    for (std::size_t i = 0; i < kBindings.size(); ++i) {
        if (static_cast<std::size_t>(kBindings[i].key) != i)
            return false;
    }
    return true;
}
static_assert(rowsFollowTheKeys(), "one row per key, in the order of BoardKey");

struct CommandControl {
    BrowserCommand command;
    int controlId;
};

// Back and Forward stand for the hidden "<" and ">" buttons.
constexpr std::array<CommandControl, 12> kCommandControls{{
    {B::Back, kBackButton},
    {B::Forward, kNextButton},
    {B::UpBranch, kUpBranchButton},
    {B::CollectStones, kCollectButton},
    {B::Tenuki, kTenukiButton},
    {B::AutoPlay, kAutoPlayButton},
    {B::Trial, kTrialButton},
    {B::TrialEnd, kTrialEndButton},
    {B::FewerNumbers, kMoveNumberCombo},
    {B::MoreNumbers, kMoveNumberCombo},
    {B::Coordinates, kCoordinatesCheck},
    {B::Texture, kTextureButton},
}};

} // namespace

std::span<const KeyBinding> keyBindings::table() { return kBindings; }

BrowserCommand keyBindings::commandOf(BoardKey key) { return kBindings[static_cast<std::size_t>(key)].command; }

std::optional<int> keyBindings::controlOf(BrowserCommand command)
{
    for (const CommandControl& entry : kCommandControls) {
        if (entry.command == command)
            return entry.controlId;
    }
    return std::nullopt;
}

} // namespace joseki
