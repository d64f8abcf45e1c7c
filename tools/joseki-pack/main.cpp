// joseki-pack: prepares library texts for the joseki browser.
#include "ContainerWriter.h"
#include "LibraryInspector.h"
#include "SgfConverter.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kUsageStatus = 2;

constexpr char kUsage[] = "usage: joseki-pack check LIB\n"
                          "       joseki-pack convert IN.sgf OUT [--tree N]\n"
                          "       joseki-pack pack LIB OUT\n"
                          "       joseki-pack append EXE LIB OUT\n"
                          "       joseki-pack stats LIB\n"
                          "       joseki-pack export LIB PATH...\n";

int usage(const std::string& problem)
{
    std::fprintf(stderr, "joseki-pack: %s\n%s", problem.c_str(), kUsage);
    return kUsageStatus;
}

// The command list of --help, one line of description each; the manual page
// docs/joseki-pack.1 repeats it, and a test holds the two together.
struct CommandHelp {
    const char* synopsis;
    const char* description;
};

const CommandHelp kCommandHelp[] = {
    {"check LIB", "Print every message box the browser would show for LIB, then warnings about its tree."},
    {"convert IN.sgf OUT [--tree N]", "Convert standard SGF in any character set to the library dialect, in GBK."},
    {"pack LIB OUT", "Write the container that holds LIB, on its own."},
    {"append EXE LIB OUT", "Write a browser: the program image EXE followed by the container of LIB."},
    {"stats LIB", "Print the nodes, leaves, depth, branches, widest node and bytes of LIB."},
    {"export LIB PATH...", "Print the line of LIB along PATH (B Q16 W R17 B tenuki ...) as standard SGF."},
    {"help", "Print this list of commands."},
};

// Prints the command list on standard output.
int help()
{
    std::printf("usage: joseki-pack COMMAND OPERANDS...\n\ncommands:\n");
    for (const CommandHelp& command : kCommandHelp)
        std::printf("  %s\n      %s\n", command.synopsis, command.description);
    return 0;
}

// What follows the command name: its operands, and the options it takes.
struct Arguments {
    std::vector<std::string> operands;
    std::size_t tree = 1; // --tree N: the game tree of the file that convert reads, from 1
};

struct Command {
    const char* name;
    std::size_t operands; // the number it takes, or the least with moreOperands
    int (*run)(const Arguments& arguments);
    bool takesTree = false;
    bool moreOperands = false;
};

const Command kCommands[] = {
    {"check", 1, [](const Arguments& a) { return joseki::pack::LibraryInspector::check(a.operands[0]); }},
    {"stats", 1, [](const Arguments& a) { return joseki::pack::LibraryInspector::stats(a.operands[0]); }},
    {"convert", 2,
     [](const Arguments& a) { return joseki::pack::SgfConverter::convert(a.operands[0], a.operands[1], a.tree); },
     true},
    {"pack", 2, [](const Arguments& a) { return joseki::pack::ContainerWriter::pack(a.operands[0], a.operands[1]); }},
    {"append", 3,
     [](const Arguments& a) {
         return joseki::pack::ContainerWriter::append(a.operands[0], a.operands[1], a.operands[2]);
     }},
    {"export", 1,
     [](const Arguments& a) {
         const std::vector<std::string> path(a.operands.begin() + 1, a.operands.end());
         return joseki::pack::LibraryInspector::exportLine(a.operands[0], path);
     },
     false, true},
};

constexpr char kTreeOption[] = "--tree";

// A game tree number: a whole number from 1.
bool parseTreeNumber(const std::string& text, std::size_t& tree)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, tree);
    return error == std::errc() && stop == end && tree >= 1;
}

// Splits the words after the command into operands and options; false with
// `problem` for an option the command does not take or a bad value.
bool parseArguments(const Command& command, const std::vector<std::string>& words, Arguments& arguments,
                    std::string& problem)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (words[i] != kTreeOption) {
            arguments.operands.push_back(words[i]);
            continue;
        }
        if (!command.takesTree) {
            problem = std::string(command.name) + " takes no " + kTreeOption + " option";
            return false;
        }
        if (i + 1 >= words.size() || !parseTreeNumber(words[i + 1], arguments.tree)) {
            problem = std::string(kTreeOption) + " wants a game tree number from 1";
            return false;
        }
        ++i;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return usage("no command given");
    const std::string name = argv[1];
    if (name == "help" || name == "--help")
        return help();
    const std::vector<std::string> words(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (name != command.name)
            continue;
        Arguments arguments;
        std::string problem;
        if (!parseArguments(command, words, arguments, problem))
            return usage(problem);
        const std::size_t given = arguments.operands.size();
        if (given < command.operands || (given > command.operands && !command.moreOperands))
            return usage(name + " takes " + (command.moreOperands ? "at least " : "") +
                         std::to_string(command.operands) + " operand(s), " + std::to_string(given) + " given");
        return command.run(arguments);
    }
    return usage("unknown command '" + name + "'");
}
