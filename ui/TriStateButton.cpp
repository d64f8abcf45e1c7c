#include "ui/TriStateButton.h"

namespace joseki {

namespace {

constexpr int kStateCount = 3;

} // namespace

TriStateButton::TriStateButton(const QString& text, QWidget* parent) : QPushButton(text, parent) { setCheckable(true); }

void TriStateButton::setState(int state)
{
    state_ = state >= 0 && state < kStateCount ? state : 0;
    setChecked(state_ != 0);
}

void TriStateButton::nextCheckState() { setState((state_ + 1) % kStateCount); }

} // namespace joseki
