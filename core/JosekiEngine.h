#pragma once

#include "core/BoardPosition.h"
#include "core/NodeArena.h"
#include "core/Point.h"
#include "core/VariationNode.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace joseki {

class MessageService;

// Room reserved for branch choices on the way to the cursor. Deeper nesting
// still works: the stack grows past it instead of overflowing.
inline constexpr std::size_t kPathStackCapacity = 420;
// Entries in the candidate and label lists; at most kListedBranches are used.
inline constexpr int kBranchListCapacity = 40;
inline constexpr int kListedBranches = 21;
// A report of more branches than this is shown, and the 21st entry is kept.
inline constexpr int kBranchReportLimit = 20;
// Bytes of an excerpt shown under a data-error message.
inline constexpr std::size_t kExcerptLimit = 127;

// Owner of the library text and the variation tree, and of a cursor into it
// with the book board, candidates and branch labels of the cursor node.
// The window calls an operation, then reads the published fields.
class JosekiEngine {
public:
    explicit JosekiEngine(MessageService& messages);
    virtual ~JosekiEngine();
    JosekiEngine(const JosekiEngine&) = delete;
    JosekiEngine& operator=(const JosekiEngine&) = delete;

    // --- navigation (each needs a loaded tree; without one it does nothing) ---

    // Cursor to the root, choices cleared, position refreshed.
    void resetToRoot();
    // Cursor to its first child at (col,row), recording the choice at a branch;
    // refreshes even when no child matches. Nothing at a leaf.
    void stepTo(int col, int row);
    // Cursor to its parent, popping the choice when leaving it. Nothing at the root.
    void stepBack();
    // Back to the first node of the current variation (or the root).
    void upBranch();
    // Down through the only children until a node with several or none, then
    // one refresh: the moves auto-play would step through, at once.
    void followForcedMoves();
    // Cursor to any node of the tree, with the choices recorded as stepping
    // down to it one move at a time would record them, then one refresh.
    // Nothing for a node of another tree.
    void moveTo(const VariationNode& node);
    // Recomputes branch labels, candidates, the book board and the label board.
    void refreshPosition();
    // Replays the path from the root to the cursor onto the book board.
    void rebuildBoard();

    // --- reports ---

    // Shows message + ":\r\n" + excerpt (cut to 127 bytes when 128 or longer)
    // in a plain OK box. Returns when the box is closed.
    void reportDataError(std::string_view message, std::string_view excerpt);
    // The same with an excerpt that runs from a NUL-terminated text position.
    void reportDataError(std::string_view message, const char* excerptStart);

    MessageService& messages() { return messages_; }

    // Takes a tree read elsewhere (the loader) with the arena that holds it;
    // releases any old tree at once and leaves the cursor unset until resetToRoot.
    void adoptTree(NodeArena&& tree, VariationNode* newRoot);
    // A library text is held and its tree has been read.
    bool isLoaded() const { return root != nullptr && textBuffer != nullptr; }

    // --- published fields ---
    std::unique_ptr<char[]> textBuffer;    // the library text, NUL-terminated
    std::size_t textBufferSize = 0;        // bytes allocated in textBuffer
    const char* readPos = nullptr;         // the reader's position in textBuffer
    VariationNode* root = nullptr;         // held in tree_
    std::vector<VariationNode*> pathStack; // [0] = root, then every chosen child
    VariationNode* lastChoice = nullptr;
    std::int32_t pathDepth = 0;
    VariationNode* cursor = nullptr;
    std::int32_t stoneCount = 0;
    std::array<Point, kBranchListCapacity> candidates{};
    std::int32_t candidateCount = 0;
    std::array<Point, kBranchListCapacity> branchLabels{};
    std::array<char, kBranchListCapacity> branchLabelChars{};
    std::int32_t branchLabelCount = 0;
    BoardPosition book; // `board` and `moveNumbers` of the book
    std::array<char, kPointCount> labelBoard{};

    // The child of `node` at (col,row), or null: the first in sibling order.
    static VariationNode* childAt(const VariationNode* node, int col, int row);

private:
    void parseBranchLabels();
    void listCandidates();
    void pushChoice(VariationNode* child);

    MessageService& messages_;
    NodeArena tree_; // every node, mark and text of the tree from root
};

} // namespace joseki
