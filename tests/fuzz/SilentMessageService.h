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
    void exitProcess(int status) override;

    int boxes = 0;
    bool exited = false;
};

// Copies bytes into the engine's text buffer with a terminating NUL.
void setLibraryText(JosekiEngine& engine, const unsigned char* data, std::size_t size);

} // namespace joseki::fuzz
