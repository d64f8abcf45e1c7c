// Benchmarks of the position index: building it over the generated full-size
// library, and one look-up of a position seen in another corner with colours
// exchanged, deep in a line and after the first move.
#include "bench/BenchSupport.h"
#include "core/JosekiEngine.h"
#include "core/PositionIndex.h"
#include "core/Symmetry.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace joseki::bench {
namespace {

void BM_BuildIndex(benchmark::State& state)
{
    const JosekiEngine& engine = benchmarkEngine();
    PositionIndex index;
    for (auto _ : state) {
        index.build(engine.root);
        benchmark::DoNotOptimize(index.size());
    }
    state.counters["nodes"] = static_cast<double>(index.size());
}
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond);

// The node halfway down the deepest line: a position deep in a corner fight.
const VariationNode* midwayNode(const VariationNode* root)
{
    DeepestNode deepest = deepestNode(root);
    for (int up = 0; up < deepest.depth / 2; ++up)
        deepest.node = deepest.node->parent;
    return deepest.node;
}

// One look-up of a node's position seen through another corner with colours exchanged.
void lookUpSeenElsewhere(benchmark::State& state, const VariationNode& node)
{
    const JosekiEngine& engine = benchmarkEngine();
    PositionIndex index;
    index.build(engine.root);
    const Orientation seen{symmetry::kMirrorCol | symmetry::kTranspose, true};
    const PositionKey key = PositionKey::of(turnStones(*PositionIndex::stonesAfter(node), seen),
                                            turnColour(PositionIndex::sideToMoveAfter(node), seen));
    std::size_t places = 0;
    std::size_t continuations = 0;
    for (auto _ : state) {
        const std::vector<BookPlace> found = index.lookUp(key);
        places = found.size();
        continuations = 0;
        for (const BookPlace& place : found)
            continuations += place.continuations.size();
        benchmark::DoNotOptimize(found.data());
    }
    if (places == 0)
        state.SkipWithError("the position was not found");
    state.counters["places"] = static_cast<double>(places);
    state.counters["continuations"] = static_cast<double>(continuations);
}

// A position deep in a corner fight: found at one node.
void BM_LookUpMidway(benchmark::State& state) { lookUpSeenElsewhere(state, *midwayNode(benchmarkEngine().root)); }
BENCHMARK(BM_LookUpMidway)->Unit(benchmark::kMicrosecond);

// One stone in a corner: every opening line of the book stands there.
void BM_LookUpFirstMove(benchmark::State& state) { lookUpSeenElsewhere(state, *benchmarkEngine().root->firstChild); }
BENCHMARK(BM_LookUpFirstMove)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace joseki::bench

BENCHMARK_MAIN();
