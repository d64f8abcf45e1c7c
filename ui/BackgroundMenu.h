#pragma once

#include <functional>
#include <optional>
#include <vector>

class QMenu;
class QWidget;

namespace joseki {

// The context menu of the dialog's background, built from a table of
// entries: the one place where entries go in.
namespace BackgroundMenu {

struct Entry {
    const char* text;              // GBK, with its "&" accelerator if it has one
    const char* keyHint = nullptr; // GBK key shown at the right of the entry, or none
    std::function<void()> run{};
    bool separatorBefore = false;
    std::optional<bool> checked{}; // an option's entry, ticked or not; none for a command
    bool enabled = true;
    std::vector<Entry> submenu{}; // the entries of its submenu, which `run` then does not have
    bool isDefault = false;       // the entry of its submenu that stands out as the usual choice
};

// A menu of the entries in table order, submenus included, owned by `parent`.
QMenu* create(const std::vector<Entry>& entries, QWidget* parent);

} // namespace BackgroundMenu

} // namespace joseki
