// Reading a tree, then random navigation over it: branch information parsing,
// candidates and board rebuilds at every node the operations reach.
#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"
#include "tests/fuzz/SilentMessageService.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

constexpr std::size_t kMaxOperations = 512;

void checkInvariants(const joseki::JosekiEngine& engine)
{
    if (engine.root == nullptr)
        return;
    if (engine.pathDepth < 1 || engine.pathStack[0] != engine.root)
        __builtin_trap();
    if (engine.lastChoice != engine.pathStack[static_cast<std::size_t>(engine.pathDepth - 1)])
        __builtin_trap();
    // The cursor lies at or below the last choice.
    const joseki::VariationNode* node = engine.cursor;
    while (node != nullptr && node != engine.lastChoice)
        node = node->parent;
    if (node == nullptr)
        __builtin_trap();
    if (engine.candidateCount < 0 || engine.candidateCount > joseki::kListedBranches)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string text = input.ConsumeRandomLengthString();
    joseki::fuzz::SilentMessageService messages;
    joseki::JosekiEngine engine(messages);
    joseki::loadLibraryText(engine, text);

    for (std::size_t i = 0; i < kMaxOperations && input.remaining_bytes() > 0; ++i) {
        switch (input.ConsumeIntegralInRange(0, 4)) {
        case 0: {
            // Mostly real candidates, sometimes any point at all.
            if (engine.candidateCount > 0 && input.ConsumeBool()) {
                const auto pick = input.ConsumeIntegralInRange(0, engine.candidateCount - 1);
                const joseki::Point p = engine.candidates[static_cast<std::size_t>(pick)];
                engine.stepTo(p.col, p.row);
            } else {
                engine.stepTo(input.ConsumeIntegralInRange(-2, 21), input.ConsumeIntegralInRange(-2, 21));
            }
            break;
        }
        case 1:
            engine.stepBack();
            break;
        case 2:
            engine.upBranch();
            break;
        case 3:
            engine.resetToRoot();
            break;
        default:
            engine.refreshPosition();
            break;
        }
        checkInvariants(engine);
    }
    return 0;
}
