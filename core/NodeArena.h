#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace joseki {

struct NodeMark;
struct VariationNode;

// The memory of one variation tree: nodes, marks and texts are cut from a
// few large blocks, one after the other, and the whole tree goes in one
// release. Nothing is freed singly and nothing needs a destructor, so no tree
// shape costs more than its size, to build or to free. Released blocks are
// kept, up to a bound, for the next tree the process reads, so a library read
// again finds its memory ready instead of asking the system for fresh pages.
// Movable, not copyable; single-threaded use only.
class NodeArena {
public:
    NodeArena() = default;
    // The blocks change hands; the source is left empty.
    NodeArena(NodeArena&& other) noexcept;
    NodeArena& operator=(NodeArena&& other) noexcept;
    NodeArena(const NodeArena&) = delete;
    NodeArena& operator=(const NodeArena&) = delete;
    ~NodeArena();

    // A node or a mark with its default values, valid until release.
    VariationNode* newNode();
    NodeMark* newMark();
    // A NUL-terminated copy of n bytes, valid until release.
    const char* copyText(const char* bytes, std::size_t n);

    // Frees every node, mark and text at once (their blocks may be kept for a later tree).
    void release();
    // Bytes handed out so far (alignment included).
    std::size_t bytesUsed() const { return used_; }

private:
    // Room for `size` bytes at `alignment`, from the current block or a new one.
    void* allocate(std::size_t size, std::size_t alignment);

    struct Block {
        std::unique_ptr<std::byte[]> bytes;
        std::size_t size = 0;
    };
    // A block of at least `size` bytes, kept from an earlier tree when one fits.
    static Block takeBlock(std::size_t size);
    // Keeps the block for a later tree, or frees it.
    static void giveBack(Block block);

    std::vector<Block> blocks_;
    std::byte* next_ = nullptr;
    std::byte* end_ = nullptr;
    std::size_t nextBlockSize_ = 0;
    std::size_t used_ = 0;
};

} // namespace joseki
