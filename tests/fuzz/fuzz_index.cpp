// The position index over random trees, asked about random positions. The
// input writes a library text (moves crowded into one corner, so captures and
// transpositions are common; tenuki, nodes without a move, colours that do
// not alternate, verdict markers), which is read and indexed; then it asks
// for the positions of random nodes turned into random orientations, and for
// random stones. Every place a look-up answers must be a real node whose
// position, turned by the reported orientation, is the query, with its
// continuations turned the same way; a node's own position must find it.
#include "core/JosekiEngine.h"
#include "core/PositionIndex.h"
#include "core/Symmetry.h"
#include "core/VariationNode.h"
#include "library/LibraryLoader.h"
#include "tests/fuzz/SilentMessageService.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using joseki::BookPlace;
using joseki::Orientation;
using joseki::PositionIndex;
using joseki::PositionKey;
using joseki::Stones;
using joseki::VariationNode;

constexpr int kMaxOperations = 250;
constexpr int kMaxQueries = 24;
// Moves fall in this corner square, now and then anywhere.
constexpr int kCornerSpan = 6;
constexpr int kMaxStonesAsked = 30;

const char* const kMarkers[] = {"【定式】", "【变化】", "【骗着】", "【失着】"};

enum Operation : int { kMove, kTenuki, kEmptyNode, kOpen, kClose, kOperationCount };

std::string pointLetters(int col, int row) { return {static_cast<char>('a' + col), static_cast<char>('a' + row)}; }

// A library text in the reader's dialect, its variations always balanced.
std::string writeTree(FuzzedDataProvider& input)
{
    std::string text = "(;C[root]";
    int open = 1;
    bool afterClose = false;
    char colour = 'B';
    const int operations = input.ConsumeIntegralInRange(0, kMaxOperations);
    for (int i = 0; i < operations && input.remaining_bytes() > 0; ++i) {
        const auto operation = static_cast<Operation>(input.ConsumeIntegralInRange(0, kOperationCount - 1));
        if (operation == kClose) {
            if (open > 1) {
                text += ')';
                --open;
                afterClose = true;
            }
            continue;
        }
        // After a closed variation only another variation may follow.
        if (operation == kOpen || afterClose) {
            text += '(';
            ++open;
            afterClose = false;
        }
        text += ';';
        if (operation == kEmptyNode)
            continue;
        if (input.ConsumeIntegralInRange(0, 7) != 0)
            colour = colour == 'B' ? 'W' : 'B';
        text += colour;
        if (operation == kTenuki) {
            text += "[tt]";
        } else {
            const int span = input.ConsumeBool() ? kCornerSpan : joseki::kBoardSize;
            const int col = input.ConsumeIntegralInRange(0, span - 1);
            const int row = input.ConsumeIntegralInRange(0, span - 1);
            text += "[" + pointLetters(col, row) + "]";
        }
        if (input.ConsumeIntegralInRange(0, 3) == 0)
            text += std::string("C[") + kMarkers[input.ConsumeIntegralInRange(0, 3)] + "]";
    }
    text.append(static_cast<std::size_t>(open), ')');
    return text;
}

std::vector<const VariationNode*> allNodes(const VariationNode* root)
{
    std::vector<const VariationNode*> nodes;
    std::vector<const VariationNode*> pending{root};
    while (!pending.empty()) {
        const VariationNode* node = pending.back();
        pending.pop_back();
        nodes.push_back(node);
        for (const VariationNode* child = node->firstChild; child != nullptr; child = child->nextSibling)
            pending.push_back(child);
    }
    return nodes;
}

// The place is the node it names, turned onto the asked stones and side.
void checkPlace(const BookPlace& place, const Stones& stones, std::int8_t toMove)
{
    const std::optional<Stones> own = PositionIndex::stonesAfter(*place.node);
    if (!own || joseki::turnStones(*own, place.orientation) != stones ||
        joseki::turnColour(PositionIndex::sideToMoveAfter(*place.node), place.orientation) != toMove)
        __builtin_trap();
    std::size_t children = 0;
    for (const VariationNode* child = place.node->firstChild; child != nullptr;
         child = child->nextSibling, ++children) {
        if (children >= place.continuations.size())
            __builtin_trap();
        const joseki::BookContinuation& continuation = place.continuations[children];
        if (continuation.node != child ||
            continuation.move !=
                joseki::symmetry::transform(joseki::Point{child->col, child->row}, place.orientation.symmetry) ||
            continuation.colour != joseki::turnColour(joseki::stoneForColourLetter(child->color), place.orientation))
            __builtin_trap();
    }
    if (children != place.continuations.size())
        __builtin_trap();
}

void ask(const PositionIndex& index, const Stones& stones, std::int8_t toMove, const VariationNode* expected)
{
    const std::vector<BookPlace> places = index.lookUp(PositionKey::of(stones, toMove));
    bool found = expected == nullptr;
    for (const BookPlace& place : places) {
        checkPlace(place, stones, toMove);
        found = found || place.node == expected;
    }
    if (!found || index.contains(PositionKey::of(stones, toMove)) != !places.empty())
        __builtin_trap();
}

Orientation anyOrientation(FuzzedDataProvider& input)
{
    return Orientation{input.ConsumeIntegralInRange(0, joseki::symmetry::kCount - 1), input.ConsumeBool()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string text = writeTree(input);
    joseki::fuzz::SilentMessageService messages;
    joseki::JosekiEngine engine(messages);
    joseki::loadLibraryText(engine, text);
    if (engine.root == nullptr)
        return 0;
    PositionIndex index;
    index.build(engine.root);
    const std::vector<const VariationNode*> nodes = allNodes(engine.root);
    std::uint32_t leaves = 0;
    for (const VariationNode* node : nodes)
        leaves += node->firstChild == nullptr ? 1 : 0;
    if (index.size() != nodes.size() || index.verdictsBelow(*engine.root).total() != leaves)
        __builtin_trap();

    for (int query = 0; query < kMaxQueries && input.remaining_bytes() > 0; ++query) {
        if (input.ConsumeBool()) {
            const VariationNode* node = nodes[input.ConsumeIntegralInRange<std::size_t>(0, nodes.size() - 1)];
            const Orientation seen = anyOrientation(input);
            ask(index, joseki::turnStones(*PositionIndex::stonesAfter(*node), seen),
                joseki::turnColour(PositionIndex::sideToMoveAfter(*node), seen), node);
            continue;
        }
        Stones stones{};
        const int count = input.ConsumeIntegralInRange(0, kMaxStonesAsked);
        for (int i = 0; i < count; ++i) {
            const int col = input.ConsumeIntegralInRange(0, kCornerSpan - 1);
            const int row = input.ConsumeIntegralInRange(0, kCornerSpan - 1);
            stones[static_cast<std::size_t>(joseki::pointIndex(col, row))] =
                input.ConsumeBool() ? joseki::kBlack : joseki::kWhite;
        }
        ask(index, stones, input.ConsumeBool() ? joseki::kBlack : joseki::kWhite, nullptr);
    }
    return 0;
}
