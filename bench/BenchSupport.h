#pragma once

#include "core/MessageService.h"

namespace joseki {
class JosekiEngine;
struct VariationNode;
} // namespace joseki

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
// The benchmark library read once, as the browser reads it, and kept for the process.
const JosekiEngine& benchmarkEngine();
// The deepest node of the tree that stepping by points reaches (the first
// child at each point), and its depth below the root.
struct DeepestNode {
    const VariationNode* node = nullptr;
    int depth = 0;
};
DeepestNode deepestNode(const VariationNode* root);
// A temporary "executable": image bytes followed by the container of the
// benchmark library. Created once, removed at exit.
const std::string& benchmarkExecutable();

} // namespace joseki::bench
