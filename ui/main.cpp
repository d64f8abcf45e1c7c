#include "ui/ControlHooks.h"
#include "ui/JosekiBrowserApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    joseki::JosekiBrowserApp app;
    joseki::installControlHooks(app);
    return app.startApplication() ? application.exec() : 0;
}
