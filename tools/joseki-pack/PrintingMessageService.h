#pragma once

#include "core/MessageService.h"

#include <cstddef>
#include <cstdio>

namespace joseki::pack {

// Stands in for the browser's message boxes: prints each box text as one
// UTF-8 line ("message: ...") and remembers a requested exit instead of exiting.
class PrintingMessageService : public MessageService {
public:
    // Prints to `stream` (standard output unless given).
    explicit PrintingMessageService(std::FILE* stream = stdout) : stream_(stream) {}

    int showMessageBox(const std::string& gbkText, unsigned flags) override;
    // Printed like any other box: the caption is not shown.
    int showCaptionedBox(const std::string& gbkText, const std::string& gbkCaption, unsigned flags) override;
    void exitProcess(int status) override;

    std::size_t boxCount() const { return boxCount_; }
    bool exitRequested() const { return exitRequested_; }
    int exitStatus() const { return exitStatus_; }

private:
    std::FILE* stream_;
    std::size_t boxCount_ = 0;
    bool exitRequested_ = false;
    int exitStatus_ = 0;
};

} // namespace joseki::pack
