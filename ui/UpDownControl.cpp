#include "ui/UpDownControl.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace joseki {

UpDownControl::UpDownControl(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this))
{
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

void UpDownControl::setBuddy(QLineEdit* buddy)
{
    if (buddy_ != nullptr)
        buddy_->removeEventFilter(this);
    buddy_ = buddy;
    if (buddy_ != nullptr)
        buddy_->installEventFilter(this);
}

void UpDownControl::setRange(int minimum, int maximum)
{
    minimum_ = std::min(minimum, maximum);
    maximum_ = std::max(minimum, maximum);
}

int UpDownControl::value() const
{
    if (buddy_ != nullptr) {
        bool ok = false;
        const int shown = buddy_->text().trimmed().toInt(&ok);
        if (ok)
            return shown;
    }
    return lastValue_;
}

void UpDownControl::stepBy(int delta)
{
    if (!isEnabled())
        return;
    lastValue_ = std::clamp(value() + delta, minimum_, maximum_);
    if (buddy_ != nullptr)
        buddy_->setText(QString::number(lastValue_));
}

bool UpDownControl::eventFilter(QObject* watched, QEvent* event)
{
    // The type first: the buddy may be half destroyed when other events arrive.
    if (event->type() == QEvent::KeyPress && watched == buddy_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void UpDownControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int upperHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upperHeight);
    down_->setGeometry(0, upperHeight, width(), height() - upperHeight);
}

} // namespace joseki
