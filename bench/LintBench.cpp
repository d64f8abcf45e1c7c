// Benchmarks of joseki-pack lint: the checks over the generated full-size
// library, reading the engine-frequency tree of the shared corpus, and the
// checks with that tree.
#include "bench/BenchSupport.h"
#include "core/JosekiEngine.h"
#include "tools/joseki-pack/FrequencyTree.h"
#include "tools/joseki-pack/Linter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace joseki::bench {
namespace {

const char* const kFrequencyTree = JOSEKI_SHARED_DIR "/corpus/katago_training_joseki.sgf";

std::string frequencyTreeText()
{
    std::ifstream in(kFrequencyTree, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void BM_LintFullSizeLibrary(benchmark::State& state)
{
    const JosekiEngine& engine = benchmarkEngine();
    for (auto _ : state) {
        const std::vector<std::string> findings = pack::Linter(engine.root, nullptr).run();
        benchmark::DoNotOptimize(findings.data());
    }
}
BENCHMARK(BM_LintFullSizeLibrary)->Unit(benchmark::kMillisecond);

void BM_ReadFrequencyTree(benchmark::State& state)
{
    const std::string text = frequencyTreeText();
    if (text.empty()) {
        state.SkipWithError("no shared corpus beside this checkout");
        return;
    }
    for (auto _ : state) {
        pack::FrequencyTree tree;
        std::string error;
        benchmark::DoNotOptimize(tree.read(text, error));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadFrequencyTree)->Unit(benchmark::kMillisecond);

void BM_LintFullSizeLibraryWithFrequencies(benchmark::State& state)
{
    const std::string text = frequencyTreeText();
    pack::FrequencyTree tree;
    std::string error;
    if (text.empty() || !tree.read(text, error)) {
        state.SkipWithError("no shared corpus beside this checkout");
        return;
    }
    const JosekiEngine& engine = benchmarkEngine();
    for (auto _ : state) {
        const std::vector<std::string> findings = pack::Linter(engine.root, &tree).run();
        benchmark::DoNotOptimize(findings.data());
    }
}
BENCHMARK(BM_LintFullSizeLibraryWithFrequencies)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace joseki::bench

BENCHMARK_MAIN();
