#pragma once

#include <string>

namespace joseki {

// Flags and answers of a message box, with the values the platform gives them.
namespace mb {
inline constexpr unsigned kOk = 0x0;
inline constexpr unsigned kYesNo = 0x4;
inline constexpr unsigned kIconError = 0x10;
inline constexpr unsigned kIconQuestion = 0x20;
inline constexpr unsigned kIconInformation = 0x40;
inline constexpr unsigned kTopMost = 0x40000;

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;
} // namespace mb

// Exit status of the process after a library error that leaves nothing to read.
inline constexpr int kFatalLibraryExitStatus = 2;
// Exit status when the session ends during auto-play.
inline constexpr int kEndSessionExitStatus = 1;

// The one door to the user and to process exit. The application implements it
// with real message boxes; tests implement it with a recorder. Code below the
// window never shows anything or exits by any other way.
class MessageService {
public:
    virtual ~MessageService() = default;

    // Shows a modal box with a GBK text and the given flags; returns the button pressed.
    virtual int showMessageBox(const std::string& gbkText, unsigned flags) = 0;
    // Shows a modal box without owner that carries its own GBK caption and
    // exactly the given flags, outside the application's style; returns the
    // button pressed.
    virtual int showCaptionedBox(const std::string& gbkText, const std::string& gbkCaption, unsigned flags) = 0;

    // Ends the process with the status. A recorder may return: callers must then
    // stop safely on their own (no further reading, no use of half-built data).
    virtual void exitProcess(int status) = 0;
};

} // namespace joseki
