// joseki-pack: prepares library texts for the joseki browser.
#include "ContainerWriter.h"
#include "LibraryInspector.h"
#include "SgfConverter.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kUsageStatus = 2;

constexpr char kUsage[] = "usage: joseki-pack check LIB\n"
                          "       joseki-pack convert IN.sgf OUT\n"
                          "       joseki-pack pack LIB OUT\n"
                          "       joseki-pack append EXE LIB OUT\n"
                          "       joseki-pack stats LIB\n";

int usage(const std::string& problem)
{
    std::fprintf(stderr, "joseki-pack: %s\n%s", problem.c_str(), kUsage);
    return kUsageStatus;
}

struct Command {
    const char* name;
    std::size_t operands;
    int (*run)(const std::vector<std::string>& operands);
};

const Command kCommands[] = {
    {"check", 1, [](const std::vector<std::string>& a) { return joseki::pack::LibraryInspector::check(a[0]); }},
    {"stats", 1, [](const std::vector<std::string>& a) { return joseki::pack::LibraryInspector::stats(a[0]); }},
    {"convert", 2, [](const std::vector<std::string>& a) { return joseki::pack::SgfConverter::convert(a[0], a[1]); }},
    {"pack", 2, [](const std::vector<std::string>& a) { return joseki::pack::ContainerWriter::pack(a[0], a[1]); }},
    {"append", 3,
     [](const std::vector<std::string>& a) { return joseki::pack::ContainerWriter::append(a[0], a[1], a[2]); }},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage("no command given");
    const std::string name = argv[1];
    const std::vector<std::string> operands(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (name != command.name)
            continue;
        if (operands.size() != command.operands)
            return usage(name + " takes " + std::to_string(command.operands) + " operand(s), " +
                         std::to_string(operands.size()) + " given");
        return command.run(operands);
    }
    return usage("unknown command '" + name + "'");
}
