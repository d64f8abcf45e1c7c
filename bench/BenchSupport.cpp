#include "bench/BenchSupport.h"

#include "bench/LibraryGenerator.h"
#include "core/JosekiEngine.h"
#include "library/LibraryLoader.h"
#include "library/TextScrambler.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <utility>
#include <vector>

namespace joseki::bench {

namespace {

struct TemporaryExecutable {
    std::string path;
    TemporaryExecutable()
    {
        path = (std::filesystem::temp_directory_path() / "joseki-bench-executable").string();
        std::string container(kContainerLength, '\0');
        std::copy(kContainerMagic, kContainerMagic + kMagicLength, container.begin());
        std::string text = benchmarkLibrary();
        TextScrambler::scramble(text.data());
        std::copy(text.begin(), text.end(), container.begin() + static_cast<std::ptrdiff_t>(kMagicLength));
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        const std::string image(kMinimumExecutableLength - kContainerLength, 'P');
        out << image << container;
    }
    ~TemporaryExecutable() { std::remove(path.c_str()); }
};

} // namespace

const std::string& benchmarkLibrary()
{
    static const std::string text = generateLibrary(kContainerTextLength);
    return text;
}

const JosekiEngine& benchmarkEngine()
{
    static QuietMessages messages;
    static const std::unique_ptr<JosekiEngine> engine = [] {
        auto loaded = std::make_unique<JosekiEngine>(messages);
        loadLibraryText(*loaded, benchmarkLibrary());
        return loaded;
    }();
    return *engine;
}

DeepestNode deepestNode(const VariationNode* root)
{
    std::vector<std::pair<const VariationNode*, int>> stack{{root, 0}};
    DeepestNode deepest{root, 0};
    while (!stack.empty()) {
        const auto [node, depth] = stack.back();
        stack.pop_back();
        if (depth > deepest.depth)
            deepest = {node, depth};
        for (const VariationNode* child = node->firstChild; child != nullptr; child = child->nextSibling) {
            if (JosekiEngine::childAt(node, child->col, child->row) == child)
                stack.emplace_back(child, depth + 1);
        }
    }
    return deepest;
}

const std::string& benchmarkExecutable()
{
    static const TemporaryExecutable file;
    return file.path;
}

} // namespace joseki::bench
