#pragma once

#include <QPushButton>

namespace joseki {

// A push-like button with three states, 0, 1 and 2: each click moves it to the
// next one and from 2 back to 0. States 1 and 2 show the button pressed in.
class TriStateButton : public QPushButton {
    Q_OBJECT
public:
    explicit TriStateButton(const QString& text, QWidget* parent = nullptr);

    // Current state; a value outside 0..2 is taken as 0.
    int state() const { return state_; }
    void setState(int state);

protected:
    void nextCheckState() override;

private:
    int state_ = 0;
};

} // namespace joseki
