#pragma once

#include <cstdint>

namespace joseki {

// The event loop and the clock as auto-play needs them between two steps.
// The window implements it with Qt; tests implement it with a fake clock, so
// pauses take no real time.
class MessagePump {
public:
    virtual ~MessagePump() = default;

    // Dispatches the window messages pending now (a handful at most). Returns
    // false when the session is ending and the process must stop.
    virtual bool dispatchPendingMessages() = 0;
    // Sleeps the thread; milliseconds.
    virtual void sleepMs(int ms) = 0;
    // A millisecond tick count that wraps like a 32-bit counter.
    virtual std::uint32_t tickCount() = 0;
};

} // namespace joseki
