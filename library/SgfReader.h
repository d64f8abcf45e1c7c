#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace joseki {

class JosekiEngine;
class NodeArena;
struct NodeMark;
struct VariationNode;

inline constexpr std::size_t kIdentifierBufferSize = 3;
inline constexpr std::size_t kValueLimit = 1024;
inline constexpr std::size_t kValueBufferSize = kValueLimit + 1;

// Reader of the library's SGF dialect. It works at engine.readPos in
// engine.textBuffer, only ever moving forward, takes every node, mark and
// text from the arena it is given, and reports problems through
// engine.reportDataError. Nesting is handled with an explicit stack, so no
// input can exhaust the call stack.
class SgfReader {
public:
    SgfReader(JosekiEngine& engine, NodeArena& arena);

    // Moves readPos past spaces, CR, LF and tabs.
    void skipWhitespace();
    // Reads one property into the buffers; false at the end of a node body
    // (";", "(" or ")") or after a fatal report.
    bool readProperty(char (&identifier)[kIdentifierBufferSize], char (&value)[kValueBufferSize]);
    // Reads the properties of one node into it.
    void readNode(VariationNode& node);
    // With readPos just past "(;": reads that sequence with all its variations
    // and returns its first node (held in the arena), or null when the
    // sequence yields no node or reading ended fatally.
    VariationNode* readSequence(VariationNode* parent);

    // True once a problem that ends the process was reported.
    bool fatal() const { return fatal_; }

private:
    struct SequenceFrame;

    // Reports a problem that leaves nothing to read and ends the process.
    void failFatally(const char* message, const char* excerptStart);
    // The end of the value run whose first "]" is firstClose, or null when a
    // further "[" of the run has no "]".
    static const char* valueRunEnd(const char* firstClose);
    // Applies the property in the buffers to the node.
    void applyProperty(VariationNode& node, const char* identifier, char* value);
    // Reads a move or mark point; false (after the report) when a coordinate is out of range.
    bool readPoint(const char* value, std::uint8_t& col, std::uint8_t& row);
    // Pushes a frame for a sequence whose "(;" was just consumed and reads
    // its chain of nodes.
    void openSequence(std::vector<SequenceFrame>& frames, VariationNode* parent);

    JosekiEngine& engine_;
    NodeArena& arena_;
    bool fatal_ = false;
    std::size_t identifierLength_ = 0; // bytes in the identifier buffer after readProperty
    std::size_t valueLength_ = 0;      // bytes in the value buffer after readProperty
    NodeMark* lastMark_ = nullptr;     // the last mark of the node being read
};

} // namespace joseki
