#include "tests/controller/ControllerFixture.h"

#include "ui/controller/ControlIds.h"

#include <cstdint>
#include <vector>

namespace joseki::test {
namespace {

TEST(AutoPlayPauseTest, TruncatesInDoublePrecision)
{
    const struct {
        int speed;
        int pause;
    } cases[] = {{1, 3500},
                 {2, 2474},
                 {4, 1750},
                 {5, 1565},
                 {9, 1166},
                 {10, 1106},
                 // A bad edit value is kept to the spin range, never divided by zero.
                 {0, 3500},
                 {-3, 3500},
                 {11, 1106}};
    for (const auto& c : cases)
        EXPECT_EQ(BrowserController::autoPlayPause(c.speed), c.pause) << "speed " << c.speed;
}

class AutoPlayTest : public ControllerTest {
protected:
    void SetUp() override
    {
        startUp();
        // Each sleep advances the clock by 1 ms, so a pause of n ms is n sleeps
        // and the pauses between refreshes come out exact.
        view.tickPerSleep = 1;
        view.invalidateTicks.clear();
    }

    // Cursor's move as (col,row).
    Point cursorPoint() const { return {controller.engine().cursor->col, controller.engine().cursor->row}; }

    // The scripted action runs once, on the first dispatch of the first pause.
    void onFirstPause(std::function<void()> action)
    {
        view.onDispatch = [this, action, done = false](int) mutable {
            if (!done && controller.engine().stoneCount >= 1) {
                done = true;
                action();
            }
            return true;
        };
    }
};

TEST_F(AutoPlayTest, StopsAtBranchWithSpeedPauses)
{
    const struct {
        int speed;
        std::uint32_t pause;
    } cases[] = {{1, 3500}, {5, 1565}, {10, 1106}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.speed);
        controller.onCollectStones();
        view.invalidateTicks.clear();
        view.controls.autoPlaySpeed = c.speed;
        controller.onAutoPlay();
        EXPECT_EQ(controller.engine().stoneCount, 4); // A, B, C, then D branches
        EXPECT_EQ(controller.engine().candidateCount, 2);
        // Four steps with a pause after each, then the final refresh.
        EXPECT_EQ(view.pausesBetweenRefreshes(), std::vector<std::uint32_t>(4, c.pause));
        EXPECT_EQ(controller.display().autoPlaySpeed, c.speed);
        EXPECT_FALSE(controller.autoPlayRunning());
    }
    EXPECT_EQ(view.busyBegins, 3);
    EXPECT_EQ(view.busyEnds, 3);
    EXPECT_EQ(view.commentText, "\r\nD name");
}

TEST_F(AutoPlayTest, StopsAtLeaf)
{
    walkToBranch();
    controller.choosePoint(kPointE1.col, kPointE1.row);
    view.invalidateTicks.clear();
    controller.onAutoPlay();
    EXPECT_EQ(controller.engine().cursor->firstChild, nullptr);
    EXPECT_EQ(controller.engine().stoneCount, 6);
    EXPECT_EQ(view.pausesBetweenRefreshes(), std::vector<std::uint32_t>{1565});
    EXPECT_EQ(view.busyEnds, 1);
}

TEST_F(AutoPlayTest, AtLeafReturnsAtOnce)
{
    walkToBranch();
    controller.choosePoint(kPointE1.col, kPointE1.row);
    controller.onNext();
    const std::size_t calls = view.callCount();
    controller.onAutoPlay();
    EXPECT_EQ(view.callCount(), calls);
    EXPECT_EQ(view.busyEnds, 0);
}

TEST_F(AutoPlayTest, SpeedChangeShortensFollowingPauses)
{
    onFirstPause([this] { view.controls.autoPlaySpeed = 10; });
    controller.onAutoPlay();
    EXPECT_EQ(view.pausesBetweenRefreshes(), (std::vector<std::uint32_t>{1565, 1106, 1106, 1106}));
    EXPECT_EQ(controller.display().autoPlaySpeed, 10);
}

TEST_F(AutoPlayTest, ContinuesFromCursorLeftByCommand)
{
    // 收子 during the first pause: the loop starts over from the root.
    onFirstPause([this] { controller.onCollectStones(); });
    controller.onAutoPlay();
    EXPECT_EQ(controller.engine().stoneCount, 4);
    // A, then the collect's refresh, then A, B, C, D and the final refresh.
    EXPECT_EQ(view.invalidateTicks.size(), 7u);
}

TEST_F(AutoPlayTest, ClickAtBranchDuringPauseIsFollowed)
{
    // The loop reaches the branch point D; a click during its pause chooses E2,
    // and the loop carries on down that line.
    view.onDispatch = [this, done = false](int) mutable {
        if (!done && controller.engine().candidateCount == 2) {
            done = true;
            controller.choosePoint(kPointE2.col, kPointE2.row);
        }
        return true;
    };
    controller.onAutoPlay();
    // E2, the tenuki G and H: the line ran to its end.
    EXPECT_EQ(controller.engine().stoneCount, 6);
    EXPECT_EQ(cursorPoint(), (Point{10, 10}));
}

TEST_F(AutoPlayTest, SecondAutoPlayRunsToItsStopAndOuterEnds)
{
    int depthSeen = 0;
    onFirstPause([this, &depthSeen] {
        controller.onAutoPlay();
        depthSeen = controller.autoPlayRunning() ? 1 : 0;
    });
    controller.onAutoPlay();
    EXPECT_EQ(depthSeen, 1); // the outer loop was still running
    EXPECT_FALSE(controller.autoPlayRunning());
    EXPECT_EQ(controller.engine().stoneCount, 4);
    EXPECT_EQ(controller.engine().candidateCount, 2);
    EXPECT_EQ(view.busyBegins, 2);
    EXPECT_EQ(view.busyEnds, 2);
}

TEST_F(AutoPlayTest, StopRequestLeavesWithoutTouchingView)
{
    onFirstPause([this] {
        controller.requestStop();
        view.closed = true;
    });
    controller.onAutoPlay();
    EXPECT_EQ(view.callsWhileClosed, 0);
    EXPECT_EQ(controller.engine().stoneCount, 1);
    EXPECT_FALSE(controller.autoPlayRunning());
    EXPECT_EQ(view.busyEnds, 1);
    EXPECT_TRUE(controller.stopRequested());
    // Late messages of a closing window change nothing.
    controller.onNext();
    controller.onAutoPlay();
    controller.choosePoint(5, 2);
    EXPECT_EQ(controller.engine().stoneCount, 1);
    EXPECT_EQ(view.callsWhileClosed, 0);
}

TEST_F(AutoPlayTest, StopRequestInNestedAutoPlayEndsBothLoops)
{
    // The outer pause starts a second auto-play; the close comes in its pause.
    view.onDispatch = [this, nested = false](int) mutable {
        if (!nested) {
            nested = true;
            controller.onAutoPlay();
        } else {
            controller.requestStop();
            view.closed = true;
        }
        return true;
    };
    controller.onAutoPlay();
    EXPECT_EQ(view.callsWhileClosed, 0);
    EXPECT_FALSE(controller.autoPlayRunning());
    EXPECT_EQ(controller.engine().stoneCount, 2);
    EXPECT_EQ(view.busyBegins, 2);
    EXPECT_EQ(view.busyEnds, 2);
}

TEST_F(AutoPlayTest, SessionEndDuringPauseExitsAndStops)
{
    view.onDispatch = [this](int) { return controller.engine().stoneCount < 2; };
    controller.onAutoPlay();
    EXPECT_EQ(messages.exits, std::vector<int>{kEndSessionExitStatus});
    EXPECT_EQ(controller.engine().stoneCount, 2);
    EXPECT_FALSE(controller.autoPlayRunning());
    EXPECT_EQ(view.busyEnds, 1);
    // Nothing is dispatched or drawn after the session ended.
    EXPECT_EQ(view.calls.back(), "dispatch");
    const std::size_t calls = view.callCount();
    controller.onNext();
    controller.pumpMessages();
    EXPECT_EQ(view.callCount(), calls);
    EXPECT_EQ(messages.exits.size(), 1u);
}

TEST_F(AutoPlayTest, ReadsControlsBeforeEveryStep)
{
    controller.onAutoPlay();
    int reads = 0;
    for (const std::string& call : view.calls)
        reads += call == "read" ? 1 : 0;
    EXPECT_EQ(reads, 5); // four steps and the check that stops at D
}

TEST_F(AutoPlayTest, TrialStartedInAPauseEndsAutoPlayAndTrialEndReturnsThere)
{
    const VariationNode* trialCursor = nullptr;
    onFirstPause([this, &trialCursor] {
        trialCursor = controller.engine().cursor;
        controller.onTrialStart();
    });
    controller.onAutoPlay();
    EXPECT_FALSE(controller.autoPlayRunning());
    EXPECT_EQ(view.busyEnds, 1);
    // A was played; nothing more once trial play began.
    ASSERT_NE(trialCursor, nullptr);
    EXPECT_EQ(controller.engine().cursor, trialCursor);
    EXPECT_EQ(controller.engine().stoneCount, 1);
    EXPECT_EQ(controller.display().trialMode, 1);
    // The pause in which trial play began ran to its end before the loop left:
    // refreshes after A, at the trial start, and when the loop ended.
    EXPECT_EQ(view.pausesBetweenRefreshes(), (std::vector<std::uint32_t>{0, 1565}));

    const Stones trialStart = controller.trialBoard().startBoard;
    controller.choosePoint(10, 10);
    controller.onTrialEnd();
    EXPECT_EQ(controller.engine().cursor, trialCursor);
    EXPECT_EQ(controller.engine().book.board, trialStart);
    EXPECT_EQ(controller.engine().stoneCount, 1);

    // The next auto-play runs as usual.
    controller.onAutoPlay();
    EXPECT_EQ(controller.engine().stoneCount, 4);
}

TEST_F(AutoPlayTest, TrialStartedInANestedPauseEndsBothLoops)
{
    view.onDispatch = [this, nested = false, started = false](int) mutable {
        if (!nested) {
            nested = true;
            controller.onAutoPlay();
        } else if (!started) {
            started = true;
            controller.onTrialStart();
        }
        return true;
    };
    controller.onAutoPlay();
    EXPECT_FALSE(controller.autoPlayRunning());
    // The outer loop played A, the nested one B; then trial play began.
    EXPECT_EQ(controller.engine().stoneCount, 2);
    EXPECT_EQ(controller.trialBoard().baseStoneCount, 2);
    EXPECT_EQ(view.busyBegins, 2);
    EXPECT_EQ(view.busyEnds, 2);
}

class WaitTest : public ControllerTest {};

TEST_F(WaitTest, ShortWaitSleepsOnceBetweenTwoPumps)
{
    const struct {
        int ms;
        int slept;
    } cases[] = {{250, 250}, {499, 499}, {0, 0}, {-20, 0}};
    for (const auto& c : cases) {
        view.calls.clear();
        view.sleeps.clear();
        controller.waitWithMessages(c.ms);
        EXPECT_EQ(view.calls, (std::vector<std::string>{"dispatch", "sleep", "dispatch"})) << c.ms;
        EXPECT_EQ(view.sleeps, std::vector<int>{c.slept}) << c.ms;
    }
}

TEST_F(WaitTest, LongWaitRunsInSlicesAcrossTickWrap)
{
    const struct {
        std::uint32_t startTick;
        int ms;
        std::size_t slices;
    } cases[] = {{1000, 500, 5}, {1000, 1565, 16}, {0xFFFFFF00u, 1000, 10}, {0xFFFFFFFFu, 1106, 12}};
    for (const auto& c : cases) {
        view.tick = c.startTick;
        view.sleeps.clear();
        const int dispatchesBefore = view.dispatchCount;
        controller.waitWithMessages(c.ms);
        SCOPED_TRACE(c.ms);
        EXPECT_EQ(view.sleeps, std::vector<int>(c.slices, 100));
        EXPECT_EQ(view.dispatchCount - dispatchesBefore, static_cast<int>(c.slices) + 1);
    }
}

TEST_F(WaitTest, SessionEndInPumpExitsOnce)
{
    view.onDispatch = [](int) { return false; };
    controller.waitWithMessages(1000);
    EXPECT_EQ(messages.exits, std::vector<int>{kEndSessionExitStatus});
    EXPECT_TRUE(view.sleeps.empty());
    EXPECT_EQ(view.dispatchCount, 1);
}

} // namespace
} // namespace joseki::test
