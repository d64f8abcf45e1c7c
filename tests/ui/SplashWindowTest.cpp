#include "ui/controls/SplashWindow.h"

#include "tests/ui/UiTestSupport.h"
#include "ui/ControlHooks.h"
#include "ui/JosekiBrowserApp.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace joseki {
namespace {

// Read before any test runs: the lifetime the program starts with.
const int lifetimeAtStart = SplashWindow::splashLifetime();

constexpr int kPictureWidth = 528;
constexpr int kPictureHeight = 263;
// Long enough that no test sees a picture close by itself unless it waits for it.
constexpr int kLongLifetimeMs = 60000;

// Counts the events of some types that reach a widget.
class EventCounter : public QObject {
public:
    explicit EventCounter(QObject* target) { target->installEventFilter(this); }
    int count(QEvent::Type type) const { return counts_.value(type); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        counts_[event->type()] += 1;
        return false;
    }

private:
    QHash<QEvent::Type, int> counts_;
};

class SplashWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::testApplication();
        app = std::make_unique<JosekiBrowserApp>();
        installControlHooks(*app);
        SplashWindow::setSplashLifetime(kLongLifetimeMs);

        host = std::make_unique<QDialog>();
        host->setGeometry(100, 80, 400, 300);
        button = new QPushButton(QStringLiteral("OK"), host.get());
        button->setGeometry(150, 120, 100, 40);
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    }

    void TearDown() override
    {
        SplashWindow::hideSplash();
        flushDeletes();
        SplashWindow::setSplashLifetime(SplashWindow::kStartupLifetimeMs);
        host.reset();
        app.reset();
    }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static QRect availableArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    // A press as the window system delivers it: to the top-level window first.
    void pressButton(Qt::MouseButton which)
    {
        QTest::mousePress(host->windowHandle(), which, {}, button->geometry().center());
    }
    void releaseButton(Qt::MouseButton which)
    {
        QTest::mouseRelease(host->windowHandle(), which, {}, button->geometry().center());
    }

    std::unique_ptr<JosekiBrowserApp> app;
    std::unique_ptr<QDialog> host;
    QPushButton* button = nullptr;
};

TEST_F(SplashWindowTest, LifetimeStartsAtTheStartUpValue)
{
    EXPECT_EQ(lifetimeAtStart, 1200);
    EXPECT_EQ(SplashWindow::kStartupLifetimeMs, 1200);
    EXPECT_EQ(SplashWindow::kAboutLifetimeMs, 600000);
}

TEST_F(SplashWindowTest, ShowsThePictureFramelessAndPaintedAtOnce)
{
    SplashWindow::showSplash(nullptr);
    SplashWindow* splash = SplashWindow::currentSplash();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->isWindow());
    EXPECT_TRUE(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash->size(), QSize(kPictureWidth, kPictureHeight));
    const QImage shown = splash->grab().toImage();
    const QImage picture = QImage(QString::fromLatin1(SplashWindow::kPicturePath)).convertToFormat(shown.format());
    EXPECT_EQ(shown, picture);
}

TEST_F(SplashWindowTest, CentredOverAVisibleOwnerElseOnTheScreen)
{
    SplashWindow::showSplash(host.get());
    ASSERT_NE(SplashWindow::currentSplash(), nullptr);
    EXPECT_EQ(SplashWindow::currentSplash()->parentWidget(), host.get());
    const QPoint overOwner = SplashWindow::currentSplash()->geometry().center();
    EXPECT_LE((overOwner - host->frameGeometry().center()).manhattanLength(), 2);

    host->hide();
    SplashWindow::showSplash(host.get());
    ASSERT_NE(SplashWindow::currentSplash(), nullptr);
    EXPECT_LE((SplashWindow::currentSplash()->geometry().center() - availableArea().center()).manhattanLength(), 2);

    SplashWindow::showSplash(nullptr);
    ASSERT_NE(SplashWindow::currentSplash(), nullptr);
    EXPECT_EQ(SplashWindow::currentSplash()->parentWidget(), nullptr);
    EXPECT_LE((SplashWindow::currentSplash()->geometry().center() - availableArea().center()).manhattanLength(), 2);
}

TEST_F(SplashWindowTest, ClosesWhenItsLifetimeRunsOut)
{
    constexpr int kShortLifetimeMs = 100;
    SplashWindow::setSplashLifetime(kShortLifetimeMs);
    SplashWindow::showSplash(host.get());
    const QPointer<SplashWindow> splash = SplashWindow::currentSplash();
    ASSERT_FALSE(splash.isNull());
    ASSERT_TRUE(test::waitUntil([] { return SplashWindow::currentSplash() == nullptr; }));
    flushDeletes();
    EXPECT_TRUE(splash.isNull()) << "the window object goes with its picture";
}

TEST_F(SplashWindowTest, ASecondRequestReplacesTheFirstWithAFreshTimer)
{
    constexpr int kLifetimeMs = 400;
    constexpr int kBeforeSecondMs = 300;
    SplashWindow::setSplashLifetime(kLifetimeMs);
    SplashWindow::showSplash(host.get());
    const QPointer<SplashWindow> first = SplashWindow::currentSplash();
    QTest::qWait(kBeforeSecondMs);
    ASSERT_EQ(SplashWindow::currentSplash(), first.data()) << "machine too slow for this timing";

    QElapsedTimer sinceSecond;
    sinceSecond.start();
    SplashWindow::showSplash(host.get());
    SplashWindow* second = SplashWindow::currentSplash();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first.data());
    EXPECT_TRUE(first.isNull() || !first->isVisible());

    ASSERT_TRUE(test::waitUntil([] { return SplashWindow::currentSplash() == nullptr; }));
    // Coarse timers may fire up to 5 % early; the first timer would have
    // closed it about 100 ms after the second request.
    EXPECT_GE(sinceSecond.elapsed(), kLifetimeMs * 9 / 10);
}

TEST_F(SplashWindowTest, APressClosesThePictureAndReachesNoButton)
{
    for (const Qt::MouseButton which : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        int clicks = 0;
        const auto connection = QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
        EventCounter seen(button);
        SplashWindow::showSplash(host.get());
        ASSERT_NE(SplashWindow::currentSplash(), nullptr);

        pressButton(which);
        EXPECT_EQ(SplashWindow::currentSplash(), nullptr) << which;
        EXPECT_EQ(seen.count(QEvent::MouseButtonPress), 0) << which;
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << which;
        EXPECT_FALSE(button->isDown()) << which;

        releaseButton(which);
        EXPECT_EQ(seen.count(QEvent::MouseButtonRelease), 1) << "the release is delivered, button " << which;
        EXPECT_EQ(clicks, 0) << which;

        // Without a picture the same press and release click the button.
        pressButton(which);
        releaseButton(which);
        EXPECT_EQ(clicks, which == Qt::LeftButton ? 1 : 0) << which;
        QObject::disconnect(connection);
    }
}

TEST_F(SplashWindowTest, TheReleaseOfTheClosingPressReachesTheWindowBeneath)
{
    // The board lies in the dialog itself and acts on releases.
    const QPoint background(20, 20);
    ASSERT_EQ(host->childAt(background), nullptr);
    EventCounter seen(host.get());
    SplashWindow::showSplash(host.get());
    QTest::mousePress(host->windowHandle(), Qt::LeftButton, {}, background);
    EXPECT_EQ(SplashWindow::currentSplash(), nullptr);
    EXPECT_EQ(seen.count(QEvent::MouseButtonPress), 0);
    QTest::mouseRelease(host->windowHandle(), Qt::LeftButton, {}, background);
    EXPECT_EQ(seen.count(QEvent::MouseButtonRelease), 1);

    // Only the one release: the next click is ordinary.
    QTest::mousePress(host->windowHandle(), Qt::LeftButton, {}, background);
    QTest::mouseRelease(host->windowHandle(), Qt::LeftButton, {}, background);
    EXPECT_EQ(seen.count(QEvent::MouseButtonPress), 1);
    EXPECT_EQ(seen.count(QEvent::MouseButtonRelease), 2);
}

TEST_F(SplashWindowTest, APressOnThePictureItselfClosesIt)
{
    SplashWindow::showSplash(nullptr);
    SplashWindow* splash = SplashWindow::currentSplash();
    ASSERT_NE(splash, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(splash));
    QTest::mousePress(splash->windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(SplashWindow::currentSplash(), nullptr);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    flushDeletes();
}

TEST_F(SplashWindowTest, EscapeOnlyClosesThePicture)
{
    SplashWindow::showSplash(host.get());
    QTest::keyClick(host.get(), Qt::Key_Escape);
    EXPECT_EQ(SplashWindow::currentSplash(), nullptr);
    EXPECT_TRUE(host->isVisible()) << "the dialog did not see the key";

    QTest::keyClick(host.get(), Qt::Key_Escape);
    EXPECT_FALSE(host->isVisible());
}

TEST_F(SplashWindowTest, PressesOfEveryKindCloseItAndAreConsumed)
{
    const QPointF at(10, 10);
    const QPointF global = host->mapToGlobal(at);
    const std::function<QEvent*()> presses[] = {
        [] { return new QKeyEvent(QEvent::KeyPress, Qt::Key_A, {}, QStringLiteral("a")); },
        [] { return new QKeyEvent(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier); },
        [&] { return new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::RightButton, Qt::RightButton, {}); },
        [&] { return new QMouseEvent(QEvent::MouseButtonDblClick, at, global, Qt::LeftButton, Qt::LeftButton, {}); },
        [&] {
            return new QMouseEvent(QEvent::NonClientAreaMouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                                   {});
        },
    };
    for (const auto& make : presses) {
        SplashWindow::showSplash(host.get());
        const std::unique_ptr<QEvent> event(make());
        EventCounter seen(host.get());
        QApplication::sendEvent(host.get(), event.get());
        EXPECT_EQ(SplashWindow::currentSplash(), nullptr) << event->type();
        EXPECT_EQ(seen.count(event->type()), 0) << event->type();
    }
}

TEST_F(SplashWindowTest, MovesWheelAndReleasesLeaveItUp)
{
    const QPointF at(10, 10);
    const QPointF global = host->mapToGlobal(at);
    const std::function<QEvent*()> others[] = {
        [&] { return new QMouseEvent(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, {}); },
        [&] { return new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, {}); },
        [&] { return new QWheelEvent(at, global, {}, QPoint(0, 120), Qt::NoButton, {}, Qt::NoScrollPhase, false); },
        [] { return new QKeyEvent(QEvent::KeyRelease, Qt::Key_A, {}); },
    };
    SplashWindow::showSplash(host.get());
    SplashWindow* splash = SplashWindow::currentSplash();
    for (const auto& make : others) {
        const std::unique_ptr<QEvent> event(make());
        QApplication::sendEvent(host.get(), event.get());
        EXPECT_EQ(SplashWindow::currentSplash(), splash) << event->type();
    }
    QTest::mouseMove(host->windowHandle(), QPoint(50, 50));
    EXPECT_EQ(SplashWindow::currentSplash(), splash);
}

TEST_F(SplashWindowTest, NothingIsRelayedWithoutAPicture)
{
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, {});
    EXPECT_FALSE(SplashWindow::relayToSplash(host.get(), &key));
    EXPECT_FALSE(SplashWindow::relayToSplash(host.get(), nullptr));
    SplashWindow::hideSplash();
    EXPECT_EQ(SplashWindow::currentSplash(), nullptr);
}

TEST_F(SplashWindowTest, DestroyingTheOwnerTakesThePictureAway)
{
    SplashWindow::showSplash(host.get());
    ASSERT_NE(SplashWindow::currentSplash(), nullptr);
    host.reset();
    EXPECT_EQ(SplashWindow::currentSplash(), nullptr);
}

} // namespace
} // namespace joseki
