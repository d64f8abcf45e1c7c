// Benchmarks of the browser's hot paths: loading the full-size library (and
// the floor of merely reading and unscrambling it), navigation at the deepest
// node, trial undo, and one full board frame at three layouts.
#include "bench/BenchSupport.h"
#include "core/JosekiEngine.h"
#include "core/TrialBoard.h"
#include "library/LibraryLoader.h"
#include "library/TextScrambler.h"
#include "ui/BoardPainter.h"
#include "ui/FontWithCellHeight.h"
#include "ui/controller/LayoutMath.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

namespace joseki::bench {
namespace {

// The move-number choice that numbers every stone.
constexpr int kAllMoveNumbers = 1000;

void BM_LoadLibrary(benchmark::State& state)
{
    const std::string& path = benchmarkExecutable();
    QuietMessages messages;
    for (auto _ : state) {
        auto engine = std::make_unique<JosekiEngine>(messages);
        loadJosekiLibrary(*engine, path);
        benchmark::DoNotOptimize(engine->root);
        state.PauseTiming(); // freeing the tree is not part of loading
        if (messages.boxes != 0 || engine->root == nullptr)
            state.SkipWithError("the benchmark library did not load cleanly");
        engine.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(kContainerTextLength));
}
BENCHMARK(BM_LoadLibrary)->Unit(benchmark::kMillisecond);

// The floor under loading: the same file read, move and unscrambling, no parsing.
void BM_LoadFloor(benchmark::State& state)
{
    const std::string& path = benchmarkExecutable();
    for (auto _ : state) {
        std::ifstream file(path, std::ios::binary);
        file.seekg(0, std::ios::end);
        const std::streamoff length = file.tellg();
        auto buffer = std::make_unique<char[]>(kContainerLength + 1);
        file.seekg(length - static_cast<std::streamoff>(kContainerLength));
        file.read(buffer.get(), static_cast<std::streamsize>(kContainerLength));
        std::memmove(buffer.get(), buffer.get() + kMagicLength, kContainerTextLength);
        buffer[kContainerTextLength] = '\0';
        TextScrambler::descramble(buffer.get());
        benchmark::DoNotOptimize(buffer.get());
    }
}
BENCHMARK(BM_LoadFloor)->Unit(benchmark::kMillisecond);

// A loaded engine and the path to its deepest node that stepTo can reach.
struct LoadedLibrary {
    QuietMessages messages;
    JosekiEngine engine{messages};
    std::vector<Point> pathToDeepest;

    LoadedLibrary()
    {
        loadJosekiLibrary(engine, benchmarkExecutable());
        findDeepest();
    }

    void findDeepest()
    {
        for (const VariationNode* node = deepestNode(engine.root).node; node != engine.root; node = node->parent)
            pathToDeepest.insert(pathToDeepest.begin(), Point{node->col, node->row});
    }

    void goToDeepest()
    {
        engine.resetToRoot();
        for (const Point& p : pathToDeepest)
            engine.stepTo(p.col, p.row);
    }
};

LoadedLibrary& loadedLibrary()
{
    static LoadedLibrary library;
    return library;
}

void BM_StepToDeepest(benchmark::State& state)
{
    LoadedLibrary& library = loadedLibrary();
    library.goToDeepest();
    const Point last = library.pathToDeepest.back();
    library.engine.stepBack();
    for (auto _ : state) {
        library.engine.stepTo(last.col, last.row);
        state.PauseTiming();
        library.engine.stepBack();
        state.ResumeTiming();
    }
    state.counters["depth"] = static_cast<double>(library.pathToDeepest.size());
    state.counters["stones"] = library.engine.stoneCount;
}
BENCHMARK(BM_StepToDeepest)->Unit(benchmark::kMicrosecond);

void BM_UpBranchFromDeepest(benchmark::State& state)
{
    LoadedLibrary& library = loadedLibrary();
    for (auto _ : state) {
        state.PauseTiming();
        library.goToDeepest();
        state.ResumeTiming();
        library.engine.upBranch();
    }
}
BENCHMARK(BM_UpBranchFromDeepest)->Unit(benchmark::kMicrosecond);

void BM_ResetToRoot(benchmark::State& state)
{
    LoadedLibrary& library = loadedLibrary();
    for (auto _ : state)
        library.engine.resetToRoot();
    state.counters["candidates"] = library.engine.candidateCount;
}
BENCHMARK(BM_ResetToRoot)->Unit(benchmark::kMicrosecond);

// Trial undo replays the history: measured with 98 moves on the board.
void BM_TrialUndo98(benchmark::State& state)
{
    TrialBoard trial;
    trial.restart();
    for (int i = 0; trial.moveCount < 98; ++i)
        trial.play((i * 7) % kBoardSize, (i * 11 + i / kBoardSize) % kBoardSize);
    const TrialBoard::Move last = trial.moves[98];
    for (auto _ : state) {
        trial.undo();
        state.PauseTiming();
        trial.play(last.col, last.row);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TrialUndo98)->Unit(benchmark::kMicrosecond);

// One full frame with every point holding a numbered stone.
void BM_PaintFullBoard(benchmark::State& state)
{
    const int workArea = static_cast<int>(state.range(0));
    const Layout layout = computeLayout(workArea, workArea + 40);
    QuietMessages messages;
    JosekiEngine engine(messages);
    loadLibraryText(engine, "(;)");
    TrialBoard trial;
    DisplayState display;
    display.moveNumberMode = kAllMoveNumbers;
    BoardScene scene = makeBoardScene(engine, trial, display);
    for (int i = 0; i < kPointCount; ++i) {
        scene.position.board[static_cast<std::size_t>(i)] = i % 2 == 0 ? kBlack : kWhite;
        scene.position.moveNumbers[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(i + 1);
    }
    scene.stoneCount = kPointCount;
    const QFont numbers = fontWithCellHeight("Arial", layout.numberFontHeight, 900);
    const QFont coordinates = fontWithCellHeight("Arial", layout.coordinateFontHeight, 400);
    const PaintInput input{scene, layout, numbers, coordinates};
    const QSize client(layout.expectedWindowWidth, layout.expectedWindowHeight);
    for (auto _ : state) {
        const QImage frame = BoardPainter::paintBoard(input, client);
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_PaintFullBoard)->Arg(570)->Arg(738)->Arg(1040)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace joseki::bench

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
