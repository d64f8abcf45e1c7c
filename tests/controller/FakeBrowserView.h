#pragma once

#include "ui/controller/BrowserView.h"
#include "ui/controller/MessagePump.h"
#include "ui/controller/Rect.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace joseki::test {

// A window for the controller, view and message pump in one, that records
// every call and runs on a fake clock: sleepMs advances tickCount, so pauses
// take no real time. Scripted actions run inside dispatchPendingMessages, as
// commands would during an auto-play pause.
class FakeBrowserView : public BrowserView, public MessagePump {
public:
    void setCommentText(const std::string& gbkText) override
    {
        record("comment");
        commentText = gbkText;
    }
    void setControlCaption(int controlId, const std::string& gbkText) override
    {
        record("caption");
        captions[controlId] = gbkText;
    }
    void enableControl(int controlId, bool enable) override
    {
        record("enable");
        enabled[controlId] = enable;
        enableCalls.push_back(controlId);
    }
    int selectComboEntry(const std::string& gbkPrefix) override
    {
        record("select");
        comboSelections.push_back(gbkPrefix);
        return comboIndex;
    }
    void selectMoveNumberEntry(int index) override
    {
        record("selectIndex");
        comboIndex = index;
    }
    void invalidateBoard() override
    {
        record("invalidate");
        invalidatedRects.push_back(boardFrame);
        invalidateTicks.push_back(tick);
    }
    void invalidateAll() override
    {
        record("invalidateAll");
        ++invalidateAllCount;
    }
    void showWindow() override
    {
        record("show");
        ++showCount;
    }
    void writeControlValues(const ControlValues& values) override
    {
        record("write");
        written.push_back(values);
        controls = values;
    }
    ControlValues readControlValues() override
    {
        record("read");
        return controls;
    }
    void beginBusyCursor() override
    {
        record("beginBusy");
        ++busyBegins;
    }
    // Allowed after a close: the dialog outlives the auto-play loop.
    void endBusyCursor() override { ++busyEnds; }
    void copyLine(const BrowsedLine& line) override
    {
        record("copy");
        copiedLines.push_back(line);
    }
    bool dispatchPendingMessages() override
    {
        record("dispatch");
        ++dispatchCount;
        if (onDispatch)
            return onDispatch(dispatchCount);
        return true;
    }
    void sleepMs(int ms) override
    {
        record("sleep");
        sleeps.push_back(ms);
        tick += tickPerSleep > 0 ? static_cast<std::uint32_t>(tickPerSleep) : static_cast<std::uint32_t>(ms);
    }
    std::uint32_t tickCount() override
    {
        record("tick");
        return tick;
    }

    // Number of view calls recorded so far (endBusyCursor excluded).
    std::size_t callCount() const { return calls.size(); }
    // Pauses between consecutive board invalidations, in fake milliseconds.
    std::vector<std::uint32_t> pausesBetweenRefreshes() const
    {
        std::vector<std::uint32_t> pauses;
        for (std::size_t i = 1; i < invalidateTicks.size(); ++i)
            pauses.push_back(invalidateTicks[i] - invalidateTicks[i - 1]);
        return pauses;
    }

    // Set by a test when the window is gone: any later call is counted.
    bool closed = false;
    int callsWhileClosed = 0;

    std::vector<std::string> calls;
    std::string commentText;
    std::map<int, std::string> captions;
    std::map<int, bool> enabled;
    std::vector<int> enableCalls;
    std::vector<std::string> comboSelections;
    int comboIndex = 3;
    // The board with its trial band as the window would have laid it out;
    // each board repaint request records it.
    Rect boardFrame{};
    std::vector<Rect> invalidatedRects;
    std::vector<std::uint32_t> invalidateTicks;
    int invalidateAllCount = 0;
    int showCount = 0;
    std::vector<ControlValues> written;
    ControlValues controls;
    std::vector<BrowsedLine> copiedLines;
    int busyBegins = 0;
    int busyEnds = 0;
    int dispatchCount = 0;
    // Runs on each dispatch with its 1-based number; false ends the session.
    std::function<bool(int)> onDispatch;
    std::vector<int> sleeps;
    std::uint32_t tick = 0;
    // When positive, each sleep advances the clock by this much instead of
    // the requested time, so a pause of n ms takes n sleeps of 1 ms.
    int tickPerSleep = 0;

private:
    void record(const char* name)
    {
        calls.emplace_back(name);
        if (closed)
            ++callsWhileClosed;
    }
};

} // namespace joseki::test
