#pragma once

#include <functional>
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
    std::function<void()> run;
    bool separatorBefore = false;
};

// A menu of the entries in table order, owned by `parent`.
QMenu* create(const std::vector<Entry>& entries, QWidget* parent);

} // namespace BackgroundMenu

} // namespace joseki
