#pragma once

#include "core/MessageService.h"

#include <cstddef>

namespace joseki {
class JosekiEngine;
}

namespace joseki::fuzz {

// Answers every box with OK and records exits, so a fuzz input runs on after
// a fatal report exactly as a test recorder would let it.
class SilentMessageService : public MessageService {
public:
    int showMessageBox(const std::string& gbkText, unsigned flags) override;
    int showCaptionedBox(const std::string& gbkText, const std::string& gbkCaption, unsigned flags) override;
    void exitProcess(int status) override;

    int boxes = 0;
    bool exited = false;
};

} // namespace joseki::fuzz
