#pragma once

#include "core/MessageService.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <string>

namespace joseki {

// The application's message box: every box of the program has the fixed
// caption, stays on top of other windows and, when the caller asks for a plain
// OK box, shows the information icon. Texts arrive as GBK and are decoded here.
class QtMessageService : public MessageService {
public:
    // The window that owns the boxes; a box shown after it is gone has no owner.
    void setOwner(QWidget* owner) { owner_ = owner; }

    // Shows the box modally and returns the platform answer (mb::kIdOk, ...).
    int showMessageBox(const std::string& gbkText, unsigned flags) override;
    // A box without owner, with the caller's caption and flags as they are.
    int showCaptionedBox(const std::string& gbkText, const std::string& gbkCaption, unsigned flags) override;
    // Flushes the standard streams and ends the process at once with the status,
    // also from inside nested event loops.
    [[noreturn]] void exitProcess(int status) override;

    // The caption every box carries, as Unicode.
    static QString caption();
    // Flags after the application's rule: a plain OK box gets the information
    // icon, and every box is top-most.
    static unsigned effectiveFlags(unsigned flags);
    // Icon and buttons for (effective) flags.
    static QMessageBox::Icon iconFor(unsigned flags);
    static QMessageBox::StandardButtons buttonsFor(unsigned flags);
    // The platform answer for a pressed button.
    static int answerFor(int standardButton);
    // Gives the box's buttons the texts of a Chinese system, with Y and N as
    // the accelerators of 是 and 否; Qt's own texts are English.
    static void setChineseButtonTexts(QMessageBox& box);
    // Builds the box without showing it; the caller owns it.
    static QMessageBox* buildBox(const std::string& gbkText, unsigned flags, QWidget* owner);

private:
    QPointer<QWidget> owner_;
};

} // namespace joseki
