#include "ui/JosekiBrowserApp.h"

#include "library/LibraryLoader.h"
#include "ui/PressEvents.h"

#include <QApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QPalette>

namespace joseki {

namespace {

JosekiBrowserApp* theApp = nullptr;

const QColor kDialogBackground(206, 206, 206);
const QColor kDialogText(0, 0, 0);
// Qt's own translations of its texts into simplified Chinese.
constexpr const char* kQtTranslation = "qtbase_zh_CN";

// The platform greys the caption of a disabled control whatever text colour
// the dialog sets: its grey-text colour.
const QColor kDisabledText(109, 109, 109);

} // namespace

JosekiBrowserApp::JosekiBrowserApp()
{
    theApp = this;
    libraryLoad = [](JosekiEngine& engine) { loadJosekiLibrary(engine, ownExecutablePath()); };
    if (qApp != nullptr)
        qApp->installEventFilter(this);
}

JosekiBrowserApp::~JosekiBrowserApp()
{
    if (qApp != nullptr)
        qApp->removeEventFilter(this);
    if (theApp == this)
        theApp = nullptr;
}

JosekiBrowserApp* JosekiBrowserApp::instance() { return theApp; }

void JosekiBrowserApp::applyDialogColours(QWidget& dialog)
{
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, kDialogBackground);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(QPalette::Active, role, kDialogText);
        palette.setColor(QPalette::Inactive, role, kDialogText);
        palette.setColor(QPalette::Disabled, role, kDisabledText);
    }
    dialog.setPalette(palette);
}

bool JosekiBrowserApp::installQtTranslations()
{
    if (!qtTranslator_.load(QString::fromLatin1(kQtTranslation), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&qtTranslator_);
}

bool JosekiBrowserApp::startApplication()
{
    // A Chinese system shows the platform's own texts in Chinese; the boxes
    // of the message service carry theirs without the translations too.
    installQtTranslations();
    splashEnabled = true;
    JosekiBrowserDialog dialog(messages_, libraryLoad, dialogHooks);
    mainWindow_ = &dialog;
    messages_.setOwner(&dialog);
    applyDialogColours(dialog);
    dialog.exec();
    messages_.setOwner(nullptr);
    mainWindow_ = nullptr;
    return false;
}

bool JosekiBrowserApp::preTranslate(QObject* target, QEvent* event)
{
    if (!relayToSplash || !isKeyOrButtonPress(event->type()))
        return false;
    return relayToSplash(target, event);
}

bool JosekiBrowserApp::eventFilter(QObject* watched, QEvent* event)
{
    if (preTranslate(watched, event))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace joseki
