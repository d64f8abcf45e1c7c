#pragma once

#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"
#include "tests/support/TestFiles.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstring>
#include <functional>
#include <memory>
#include <string>

namespace joseki::test {

// The one QApplication of a Qt test executable, made on first use. It is
// never destroyed: at process exit Qt's own globals may already be gone, and
// tearing the application down then crashes.
inline QApplication& testApplication()
{
    static int argc = 1;
    static char name[] = "ui-test";
    static char* argv[] = {name, nullptr};
    static QApplication* application = new QApplication(argc, argv);
    return *application;
}

// A library load that reads a fixture of tests/data the way start-up reads the
// unscrambled text of the container.
inline std::function<void(JosekiEngine&)> fixtureLoad(const std::string& fixture)
{
    return [fixture](JosekiEngine& engine) { loadLibraryText(engine, readFile(testDataPath(fixture))); };
}

// Runs the event loop until the condition holds or the time is up.
inline bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

} // namespace joseki::test
