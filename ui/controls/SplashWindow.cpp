#include "ui/controls/SplashWindow.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

#include <algorithm>

namespace joseki {

namespace {

SplashWindow* shownSplash = nullptr;
int lifetimeMs = SplashWindow::kStartupLifetimeMs;

bool closesSplash(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

// Keeps a window of `size` centred on `centre` inside `area`.
QPoint placeCentred(const QPoint& centre, const QSize& size, const QRect& area)
{
    const int left = centre.x() - size.width() / 2;
    const int top = centre.y() - size.height() / 2;
    return {std::max(area.left(), std::min(left, area.left() + area.width() - size.width())),
            std::max(area.top(), std::min(top, area.top() + area.height() - size.height()))};
}

// Whatever the picture covered is drawn again at once, so no trace of it
// stays on the program's windows.
void repaintCovered(const QRect& covered)
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible())
            continue;
        const QRect local = QRect(widget->mapFromGlobal(covered.topLeft()), covered.size()) & widget->rect();
        if (!local.isEmpty())
            widget->repaint(local);
    }
}

} // namespace

SplashWindow::SplashWindow(QWidget* owner, const QPixmap& picture)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(picture)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The main dialog keeps the keyboard; presses reach the picture through the filter anyway.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setCursor(Qt::ArrowCursor);
    setFixedSize(picture_.size());
}

SplashWindow::~SplashWindow()
{
    if (shownSplash == this)
        shownSplash = nullptr;
}

SplashWindow* SplashWindow::currentSplash() { return shownSplash; }

int SplashWindow::splashLifetime() { return lifetimeMs; }

void SplashWindow::setSplashLifetime(int milliseconds) { lifetimeMs = milliseconds; }

void SplashWindow::showSplash(QWidget* owner)
{
    hideSplash();
    const QPixmap picture(QString::fromLatin1(kPicturePath));
    if (picture.isNull())
        return;
    auto* splash = new SplashWindow(owner, picture);
    shownSplash = splash;
    splash->centre();
    splash->startTimer(lifetimeMs);
    splash->show();
    splash->raise();
    // On screen before the caller goes on (start-up continues with the dialog).
    splash->repaint();
}

void SplashWindow::hideSplash()
{
    SplashWindow* splash = shownSplash;
    if (splash == nullptr)
        return;
    shownSplash = nullptr;
    const QRect covered = splash->frameGeometry();
    splash->hide();
    // The closing press or tick may still be on its way through this window;
    // the object goes once that event has been handled.
    splash->deleteLater();
    repaintCovered(covered);
}

bool SplashWindow::relayToSplash(const QEvent* event)
{
    if (shownSplash == nullptr || event == nullptr || !closesSplash(event->type()))
        return false;
    hideSplash();
    return true;
}

void SplashWindow::centre()
{
    QWidget* owner = parentWidget();
    QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QPoint centreAt = owner != nullptr && owner->isVisible() ? owner->frameGeometry().center() : area.center();
    move(placeCentred(centreAt, size(), area));
}

void SplashWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void SplashWindow::timerEvent(QTimerEvent* event)
{
    killTimer(event->timerId());
    if (shownSplash == this)
        hideSplash();
}

} // namespace joseki
