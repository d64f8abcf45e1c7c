#pragma once

#include "ui/controller/MessagePump.h"

#include <cstdint>

namespace joseki {

// Auto-play's event loop and clock on Qt: pending events through the
// application, a thread sleep, the steady clock. Once told the session ends,
// it dispatches nothing more and says so.
class QtMessagePump : public MessagePump {
public:
    // The session is ending (the application quits or asks to save its data).
    void endSession() { sessionEnding_ = true; }

    bool dispatchPendingMessages() override;
    void sleepMs(int ms) override;
    std::uint32_t tickCount() override;

private:
    bool sessionEnding_ = false;
};

} // namespace joseki
