#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QWidget>

class QToolButton;

namespace joseki {

// A pair of arrow buttons that step an integer shown in a buddy edit, within
// a range. The buddy's text is the value: each step starts from what the buddy
// shows, so a value written into the buddy directly is the one stepped from.
// The up and down keys step it too while the buddy has the focus.
class UpDownControl : public QWidget {
    Q_OBJECT
public:
    explicit UpDownControl(QWidget* parent = nullptr);

    // The edit whose text shows the value.
    void setBuddy(QLineEdit* buddy);
    QLineEdit* buddy() const { return buddy_; }
    // Range of the value, inclusive.
    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Current value: the buddy's number, or the last value when it shows none.
    int value() const;
    // Steps the value by delta within the range and writes it to the buddy.
    void stepBy(int delta);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* up_;
    QToolButton* down_;
    QPointer<QLineEdit> buddy_;
    int minimum_ = 0;
    int maximum_ = 100;
    int lastValue_ = 0;
};

} // namespace joseki
