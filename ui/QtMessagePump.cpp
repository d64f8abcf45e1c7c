#include "ui/QtMessagePump.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <chrono>

namespace joseki {

bool QtMessagePump::dispatchPendingMessages()
{
    if (sessionEnding_)
        return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !sessionEnding_;
}

void QtMessagePump::sleepMs(int ms) { QThread::msleep(static_cast<unsigned long>(std::max(ms, 0))); }

std::uint32_t QtMessagePump::tickCount()
{
    const auto sinceEpoch = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(sinceEpoch).count();
    return static_cast<std::uint32_t>(ms);
}

} // namespace joseki
