#pragma once

#include <cstddef>

namespace joseki {

class JosekiEngine;
struct VariationNode;

inline constexpr std::size_t kIdentifierBufferSize = 3;
inline constexpr std::size_t kValueLimit = 1024;
inline constexpr std::size_t kValueBufferSize = kValueLimit + 1;

// Reader of the library's SGF dialect. It works at engine.readPos in
// engine.textBuffer, only ever moving forward, and reports problems through
// engine.reportDataError. Nesting is handled with an explicit stack, so no
// input can exhaust the call stack.
class SgfReader {
public:
    explicit SgfReader(JosekiEngine& engine);

    // Moves readPos past spaces, CR, LF and tabs.
    void skipWhitespace();
    // Reads one property into the buffers; false at the end of a node body
    // (";", "(" or ")") or after a fatal report.
    bool readProperty(char (&identifier)[kIdentifierBufferSize], char (&value)[kValueBufferSize]);
    // Reads the properties of one node into it.
    void readNode(VariationNode& node);
    // With readPos just past "(;": reads that sequence with all its variations
    // and returns its first node (owned by the caller), or null when the
    // sequence yields no node or reading ended fatally.
    VariationNode* readSequence(VariationNode* parent);

    // True once a problem that ends the process was reported.
    bool fatal() const { return fatal_; }

private:
    JosekiEngine& engine_;
    bool fatal_ = false;
};

} // namespace joseki
