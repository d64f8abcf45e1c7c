// The browser as shipped, except that it ends itself as soon as it has painted
// the first frame with its library loaded: launching it and waiting for its
// exit measures start-up. Built only for the benchmarks.
#include "ui/ControlHooks.h"
#include "ui/JosekiBrowserApp.h"
#include "ui/JosekiBrowserDialog.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    joseki::JosekiBrowserApp app;
    joseki::installControlHooks(app);
    app.dialogHooks.framePainted = [](const joseki::JosekiBrowserDialog& dialog) {
        if (dialog.controller().engine().isLoaded()) {
            std::fflush(stdout);
            std::_Exit(0);
        }
    };
    return app.startApplication() ? application.exec() : 0;
}
