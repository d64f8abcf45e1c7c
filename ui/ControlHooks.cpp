#include "ui/ControlHooks.h"

#include "ui/JosekiBrowserApp.h"
#include "ui/controller/ControlIds.h"
#include "ui/controls/AboutDialog.h"
#include "ui/controls/SiteLinks.h"
#include "ui/controls/SplashWindow.h"

namespace joseki {

namespace {

// The splash may only appear once the application has switched it on; with
// no application object (a dialog on its own) it is allowed.
bool splashAllowed()
{
    const JosekiBrowserApp* app = JosekiBrowserApp::instance();
    return app == nullptr || app->splashEnabled;
}

} // namespace

DialogHooks controlDialogHooks(MessageService& messages)
{
    DialogHooks hooks;
    hooks.showSplash = [](QWidget& owner) {
        if (splashAllowed())
            SplashWindow::showSplash(&owner);
    };
    hooks.createLinks = [&messages](JosekiBrowserDialog& dialog) {
        const SiteLinkServices services = programSiteLinkServices(messages);
        createInfoPanelLinks(dialog.controlWidget(kInfoPanel), services);
        createWebsiteLinks(dialog.controlWidget(kWebsiteStrip), services);
    };
    hooks.openAcknowledgements = [](QWidget& owner) { AboutDialog::run(&owner); };
    hooks.showAbout = [](QWidget& owner) { showAboutPicture(&owner); };
    hooks.titlePictureShown = [] { return SplashWindow::currentSplash() != nullptr; };
    return hooks;
}

void installControlHooks(JosekiBrowserApp& app)
{
    app.relayToSplash = [](QObject* target, QEvent* event) { return SplashWindow::relayToSplash(target, event); };
    app.dialogHooks = controlDialogHooks(app.messageService());
}

} // namespace joseki
