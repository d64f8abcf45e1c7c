#include "ui/controls/SplashWindow.h"

#include "ui/PressEvents.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>
#include <QWindow>

#include <algorithm>

namespace joseki {

namespace {

SplashWindow* shownSplash = nullptr;
int lifetimeMs = SplashWindow::kStartupLifetimeMs;

// Delivers the release that follows a press taken at a top-level window.
// Qt hands a release only to the widget that got the press (or to a mouse
// grabber); with the press gone, it would drop the release, yet the release
// must arrive as usual: the board acts on releases. So the release is sent
// to the widget under the pointer, as it would be without any capture.
class ReleaseRedelivery : public QObject {
public:
    void arm(Qt::MouseButton button)
    {
        button_ = button;
        qApp->removeEventFilter(this);
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::NonClientAreaMouseButtonPress) {
            disarm();
            return false;
        }
        if (type != QEvent::MouseButtonRelease || !watched->isWindowType())
            return false;
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() != button_)
            return false;
        disarm();
        // A grab means Qt has a receiver of its own for the release.
        if (QWidget::mouseGrabber() != nullptr)
            return false;
        redeliver(static_cast<QWindow*>(watched), *release);
        return true;
    }

private:
    void disarm() { qApp->removeEventFilter(this); }

    static QWidget* receiverAt(QWindow* window, const QMouseEvent& release)
    {
        const QPoint global = release.globalPosition().toPoint();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->windowHandle() != window || !top->isVisible())
                continue;
            QWidget* child = top->childAt(top->mapFromGlobal(global));
            return child != nullptr ? child : top;
        }
        // The pressed window is gone (the picture itself): whatever lies beneath.
        return QApplication::widgetAt(global);
    }

    static void redeliver(QWindow* window, const QMouseEvent& release)
    {
        QWidget* receiver = receiverAt(window, release);
        if (receiver == nullptr)
            return;
        const QPointF global = release.globalPosition();
        QMouseEvent copy(QEvent::MouseButtonRelease, receiver->mapFromGlobal(global), global, release.button(),
                         release.buttons(), release.modifiers(), release.pointingDevice());
        QApplication::sendEvent(receiver, &copy);
    }

    Qt::MouseButton button_ = Qt::NoButton;
};

ReleaseRedelivery& releaseRedelivery()
{
    static ReleaseRedelivery redelivery;
    return redelivery;
}

// Keeps a window of `size` centred on `centre` inside `area`.
QPoint placeCentred(const QPoint& centre, const QSize& size, const QRect& area)
{
    const int left = centre.x() - size.width() / 2;
    const int top = centre.y() - size.height() / 2;
    return {std::max(area.left(), std::min(left, area.left() + area.width() - size.width())),
            std::max(area.top(), std::min(top, area.top() + area.height() - size.height()))};
}

// A window of the program that the picture stands in front of: a plain
// top-level window or dialog that does not stay on top by itself.
bool isPlainProgramWindow(const QWidget* window)
{
    if (window == nullptr || !window->isWindow() || !window->isVisible())
        return false;
    const Qt::WindowType type = window->windowType();
    return (type == Qt::Window || type == Qt::Dialog) && !window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

// The top-level widget an event is about: the widget itself, or the widget
// of a platform window (exposure arrives at the window, not the widget).
QWidget* topLevelWidgetOf(QObject* object)
{
    if (object->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(object);
        return widget->isWindow() ? widget : nullptr;
    }
    if (!object->isWindowType())
        return nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowHandle() == object)
            return top;
    }
    return nullptr;
}

// Events after which a window may have come up over the picture.
bool mayRestack(QEvent::Type type)
{
    switch (type) {
    case QEvent::Show:
    case QEvent::Expose:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::WindowActivate:
    case QEvent::WindowStateChange:
        return true;
    default:
        return false;
    }
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
    // Nothing else keeps the picture in front: without a window manager no
    // one restacks windows, and with one or without, the dialog is mapped,
    // resized and raised after the start-up picture. It restores its place
    // itself whenever one of the program's windows may have come up over it.
    qApp->installEventFilter(splash);
    // On screen before the caller goes on (start-up continues with the dialog).
    splash->repaint();
}

void SplashWindow::hideSplash()
{
    SplashWindow* splash = shownSplash;
    if (splash == nullptr)
        return;
    shownSplash = nullptr;
    qApp->removeEventFilter(splash);
    const QRect covered = splash->frameGeometry();
    splash->hide();
    // The closing press or tick may still be on its way through this window;
    // the object goes once that event has been handled.
    splash->deleteLater();
    repaintCovered(covered);
}

bool SplashWindow::relayToSplash(QObject* target, const QEvent* event)
{
    if (shownSplash == nullptr || event == nullptr || !isKeyOrButtonPress(event->type()))
        return false;
    hideSplash();
    const bool mousePress = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (mousePress && target != nullptr && target->isWindowType())
        releaseRedelivery().arm(static_cast<const QMouseEvent*>(event)->button());
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

void SplashWindow::keepInFront()
{
    raise();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top != this && top->isVisible() && top->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            top->raise();
    }
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (shownSplash == this && mayRestack(event->type())) {
        QWidget* window = topLevelWidgetOf(watched);
        if (window != this && isPlainProgramWindow(window))
            keepInFront();
    }
    return QWidget::eventFilter(watched, event);
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
