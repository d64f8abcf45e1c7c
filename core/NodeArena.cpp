#include "core/NodeArena.h"

#include "core/VariationNode.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

namespace joseki {

namespace {

// Blocks start small, for the many small trees of tests and tools, and
// double up to a size where a full library takes a handful.
constexpr std::size_t kFirstBlockSize = 16 * 1024;
constexpr std::size_t kLargestBlockSize = 1024 * 1024;
// Released blocks kept for later trees: a few full libraries' worth.
constexpr std::size_t kKeptBytesLimit = 32 * 1024 * 1024;

// Blocks released by earlier trees, ready for the next one.
struct KeptBlocks {
    std::vector<std::unique_ptr<std::byte[]>> blocks;
    std::vector<std::size_t> sizes;
    std::size_t bytes = 0;
};

KeptBlocks& keptBlocks()
{
    static KeptBlocks kept;
    return kept;
}

std::size_t paddingFor(const std::byte* address, std::size_t alignment)
{
    const auto value = reinterpret_cast<std::uintptr_t>(address);
    return (alignment - value % alignment) % alignment;
}

} // namespace

NodeArena::NodeArena(NodeArena&& other) noexcept { *this = std::move(other); }

NodeArena& NodeArena::operator=(NodeArena&& other) noexcept
{
    if (this != &other) {
        release();
        blocks_ = std::move(other.blocks_);
        next_ = std::exchange(other.next_, nullptr);
        end_ = std::exchange(other.end_, nullptr);
        nextBlockSize_ = std::exchange(other.nextBlockSize_, 0);
        used_ = std::exchange(other.used_, 0);
        other.blocks_.clear();
    }
    return *this;
}

NodeArena::~NodeArena() { release(); }

NodeArena::Block NodeArena::takeBlock(std::size_t size)
{
    KeptBlocks& kept = keptBlocks();
    for (std::size_t i = kept.blocks.size(); i-- > 0;) {
        if (kept.sizes[i] != size)
            continue;
        Block block{std::move(kept.blocks[i]), size};
        kept.blocks.erase(kept.blocks.begin() + static_cast<std::ptrdiff_t>(i));
        kept.sizes.erase(kept.sizes.begin() + static_cast<std::ptrdiff_t>(i));
        kept.bytes -= size;
        return block;
    }
    // Default-initialised: the bytes are written before they are read.
    return Block{std::unique_ptr<std::byte[]>(new std::byte[size]), size};
}

void NodeArena::giveBack(Block block)
{
    KeptBlocks& kept = keptBlocks();
    if (block.size > kLargestBlockSize || kept.bytes + block.size > kKeptBytesLimit)
        return; // freed here
    kept.bytes += block.size;
    kept.sizes.push_back(block.size);
    kept.blocks.push_back(std::move(block.bytes));
}

void* NodeArena::allocate(std::size_t size, std::size_t alignment)
{
    std::size_t padding = paddingFor(next_, alignment);
    if (next_ == nullptr || padding + size > static_cast<std::size_t>(end_ - next_)) {
        nextBlockSize_ = std::clamp(nextBlockSize_ * 2, kFirstBlockSize, kLargestBlockSize);
        // A text longer than a block gets a block of its own size.
        const std::size_t blockSize = std::max(nextBlockSize_, size + alignment);
        blocks_.push_back(takeBlock(blockSize));
        next_ = blocks_.back().bytes.get();
        end_ = next_ + blockSize;
        padding = paddingFor(next_, alignment);
    }
    std::byte* result = next_ + padding;
    next_ = result + size;
    used_ += padding + size;
    return result;
}

VariationNode* NodeArena::newNode()
{
    return new (allocate(sizeof(VariationNode), alignof(VariationNode))) VariationNode;
}

NodeMark* NodeArena::newMark() { return new (allocate(sizeof(NodeMark), alignof(NodeMark))) NodeMark; }

const char* NodeArena::copyText(const char* bytes, std::size_t n)
{
    auto* text = static_cast<char*>(allocate(n + 1, alignof(char)));
    if (n > 0)
        std::memcpy(text, bytes, n);
    text[n] = '\0';
    return text;
}

void NodeArena::release()
{
    for (Block& block : blocks_)
        giveBack(std::move(block));
    blocks_.clear();
    next_ = nullptr;
    end_ = nullptr;
    nextBlockSize_ = 0;
    used_ = 0;
}

} // namespace joseki
