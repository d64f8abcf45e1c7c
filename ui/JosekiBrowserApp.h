#pragma once

#include "ui/JosekiBrowserDialog.h"
#include "ui/QtMessageService.h"

#include <QObject>
#include <QPointer>
#include <QTranslator>

#include <functional>

namespace joseki {

// The application object: runs the main dialog modally for the whole life of
// the process, gives every message box the same caption and keeps it on top,
// and lets the splash window see key and button presses before anything else.
// Exactly one exists, made by main() after the QApplication.
class JosekiBrowserApp : public QObject {
    Q_OBJECT
public:
    // Installs the application-wide event filter (preTranslate).
    JosekiBrowserApp();
    ~JosekiBrowserApp() override;
    JosekiBrowserApp(const JosekiBrowserApp&) = delete;
    JosekiBrowserApp& operator=(const JosekiBrowserApp&) = delete;

    // The one application object, or null before it is made.
    static JosekiBrowserApp* instance();

    // Switches the splash on, makes the main dialog, colours it, runs it
    // modally and returns false when it has ended.
    bool startApplication();
    // Gives Qt's own texts (standard buttons, edit menus) the Chinese of the
    // Qt translations installed on the system; false when they are missing.
    bool installQtTranslations();

    // The door to boxes and process exit handed to everything below the
    // window: fixed caption, top-most, information icon for a plain OK box;
    // owned by the main window while it exists.
    MessageService& messageService() { return messages_; }

    // Offers key and mouse-button presses to the splash relay first; true when
    // the press was taken and must not be delivered.
    bool preTranslate(QObject* target, QEvent* event);

    // The main dialog while it runs, else null.
    JosekiBrowserDialog* mainWindow() const { return mainWindow_; }

    // Sets the dialog colours: grey background, black text; disabled controls grey their text.
    static void applyDialogColours(QWidget& dialog);

    // --- places where the splash and link controls plug in ---
    // Takes a press while a splash is shown; returns true when it consumed it.
    std::function<bool(QObject* target, QEvent* event)> relayToSplash;
    // The splash may be created only while this is on; start-up switches it on.
    bool splashEnabled = false;
    // Hooks handed to the main dialog.
    DialogHooks dialogHooks;
    // The library load of the main dialog; by default the container at the end
    // of the program's own executable file.
    BrowserController::LibraryLoad libraryLoad;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QtMessageService messages_;
    QTranslator qtTranslator_;
    QPointer<JosekiBrowserDialog> mainWindow_;
};

} // namespace joseki
