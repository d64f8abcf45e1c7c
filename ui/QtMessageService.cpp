#include "ui/QtMessageService.h"

#include "ui/GbkText.h"
#include "ui/UiTexts.h"

#include <QAbstractButton>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

namespace joseki {

namespace {

// Parts of the platform's box flags.
constexpr unsigned kButtonMask = 0x0000000Fu;
constexpr unsigned kIconMask = 0x000000F0u;
constexpr unsigned kOkCancel = 0x1;
constexpr unsigned kAbortRetryIgnore = 0x2;
constexpr unsigned kYesNoCancel = 0x3;
constexpr unsigned kRetryCancel = 0x5;
constexpr unsigned kIconWarning = 0x30;

// Answers the platform gives besides those MessageService names.
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;

// The buttons of a Chinese system's boxes (GBK).
struct ButtonText {
    QMessageBox::StandardButton button;
    const char* text;
};
constexpr std::array<ButtonText, 7> kButtonTexts{{
    {QMessageBox::Ok, uiTexts::kOkButton},
    {QMessageBox::Cancel, uiTexts::kCancelButton},
    {QMessageBox::Yes, uiTexts::kYesButton},
    {QMessageBox::No, uiTexts::kNoButton},
    {QMessageBox::Abort, uiTexts::kAbortButton},
    {QMessageBox::Retry, uiTexts::kRetryButton},
    {QMessageBox::Ignore, uiTexts::kIgnoreButton},
}};

} // namespace

QString QtMessageService::caption() { return gbkToQString(uiTexts::kMessageCaption); }

unsigned QtMessageService::effectiveFlags(unsigned flags)
{
    const unsigned withIcon = flags == mb::kOk ? mb::kIconInformation : flags;
    return withIcon | mb::kTopMost;
}

QMessageBox::Icon QtMessageService::iconFor(unsigned flags)
{
    switch (flags & kIconMask) {
    case mb::kIconError:
        return QMessageBox::Critical;
    case mb::kIconQuestion:
        return QMessageBox::Question;
    case kIconWarning:
        return QMessageBox::Warning;
    case mb::kIconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButtons QtMessageService::buttonsFor(unsigned flags)
{
    switch (flags & kButtonMask) {
    case kOkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case kAbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case kYesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case mb::kYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case kRetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

int QtMessageService::answerFor(int standardButton)
{
    switch (standardButton) {
    case QMessageBox::Ok:
        return mb::kIdOk;
    case QMessageBox::Yes:
        return mb::kIdYes;
    case QMessageBox::No:
        return mb::kIdNo;
    case QMessageBox::Abort:
        return kIdAbort;
    case QMessageBox::Retry:
        return kIdRetry;
    case QMessageBox::Ignore:
        return kIdIgnore;
    default:
        return mb::kIdCancel;
    }
}

void QtMessageService::setChineseButtonTexts(QMessageBox& box)
{
    for (const ButtonText& entry : kButtonTexts) {
        if (QAbstractButton* button = box.button(entry.button))
            button->setText(gbkToQString(entry.text));
    }
}

QMessageBox* QtMessageService::buildBox(const std::string& gbkText, unsigned flags, QWidget* owner)
{
    const unsigned effective = effectiveFlags(flags);
    auto* box = new QMessageBox(owner);
    box->setWindowTitle(caption());
    box->setText(gbkToQString(gbkText));
    // Library excerpts are raw text: never let Qt guess rich text from them.
    box->setTextFormat(Qt::PlainText);
    box->setIcon(iconFor(effective));
    box->setStandardButtons(buttonsFor(effective));
    setChineseButtonTexts(*box);
    if ((effective & mb::kTopMost) != 0)
        box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return box;
}

namespace {

// Runs the box modally; the platform answer of the button pressed.
int runBox(QMessageBox& box)
{
    box.exec();
    auto* clicked = box.clickedButton();
    if (clicked == nullptr)
        return mb::kIdCancel;
    return QtMessageService::answerFor(box.standardButton(clicked));
}

} // namespace

int QtMessageService::showMessageBox(const std::string& gbkText, unsigned flags)
{
    const std::unique_ptr<QMessageBox> box(buildBox(gbkText, flags, owner_.data()));
    return runBox(*box);
}

int QtMessageService::showCaptionedBox(const std::string& gbkText, const std::string& gbkCaption, unsigned flags)
{
    QMessageBox box(iconFor(flags), gbkToQString(gbkCaption), gbkToQString(gbkText), buttonsFor(flags));
    box.setTextFormat(Qt::PlainText);
    setChineseButtonTexts(box);
    return runBox(box);
}

void QtMessageService::exitProcess(int status)
{
    // The exit may come from deep inside a nested event loop with windows still
    // open: flush what was written and leave without running the destructors
    // of objects that are still in use on the stack.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace joseki
