// joseki-bench-library OUT [BYTES]: writes the generated benchmark library
// (full container size unless told otherwise).
#include "bench/LibraryGenerator.h"
#include "library/LibraryLoader.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::fputs("usage: joseki-bench-library OUT [BYTES]\n", stderr);
        return 2;
    }
    const std::size_t bytes = argc == 3 ? std::strtoull(argv[2], nullptr, 10) : joseki::kContainerTextLength;
    const std::string text = joseki::bench::generateLibrary(bytes);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (!out) {
        std::fprintf(stderr, "joseki-bench-library: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
