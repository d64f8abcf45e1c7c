#pragma once

#include "core/MessageService.h"

#include <string>

namespace joseki::bench {

// Counts boxes instead of showing them; a benchmark library shows none.
class QuietMessages : public MessageService {
public:
    int showMessageBox(const std::string&, unsigned) override
    {
        ++boxes;
        return mb::kIdOk;
    }
    int showCaptionedBox(const std::string& text, const std::string&, unsigned flags) override
    {
        return showMessageBox(text, flags);
    }
    void exitProcess(int) override { ++exits; }
    int boxes = 0;
    int exits = 0;
};

// The generated full-size library text, made once per process.
const std::string& benchmarkLibrary();
// A temporary "executable": image bytes followed by the container of the
// benchmark library. Created once, removed at exit.
const std::string& benchmarkExecutable();

} // namespace joseki::bench
