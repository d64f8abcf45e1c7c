// joseki-pack: prepares library texts for the joseki browser.
#include "ContainerWriter.h"
#include "LibraryInspector.h"
#include "LintCommands.h"
#include "SgfConverter.h"

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kUsageStatus = 2;
constexpr int kSuccess = 0;

// What follows the command name: its operands, and the options it takes.
struct Arguments {
    std::vector<std::string> operands;
    std::size_t tree = 1; // --tree N: the game tree of the file that convert reads, from 1
    std::string stats;    // --stats TREE.sgf: the frequency tree lint checks the lines against
};

// The options a command may take.
enum Option : unsigned { kNoOption = 0, kTree = 1, kStats = 2 };

struct Command {
    const char* name;
    std::size_t operands; // the number it takes, or the least with moreOperands
    int (*run)(const Arguments& arguments);
    unsigned options;
    const char* synopsis;      // what follows the command name
    const char* summary;       // one line for --help
    bool moreOperands = false; // operands beyond the least are taken too
};

const Command kCommands[] = {
    {"check", 1, [](const Arguments& a) { return joseki::pack::LibraryInspector::check(a.operands[0]); }, kNoOption,
     "LIB", "Print every message box the browser would show for LIB, then warnings about its tree."},
    {"convert", 2,
     [](const Arguments& a) { return joseki::pack::SgfConverter::convert(a.operands[0], a.operands[1], a.tree); },
     kTree, "IN.sgf OUT [--tree N]", "Convert standard SGF in any character set to the library dialect, in GBK."},
    {"pack", 2, [](const Arguments& a) { return joseki::pack::ContainerWriter::pack(a.operands[0], a.operands[1]); },
     kNoOption, "LIB OUT", "Write the container that holds LIB, on its own."},
    {"append", 3,
     [](const Arguments& a) {
         return joseki::pack::ContainerWriter::append(a.operands[0], a.operands[1], a.operands[2]);
     },
     kNoOption, "EXE LIB OUT", "Write a browser: the program image EXE followed by the container of LIB."},
    {"stats", 1, [](const Arguments& a) { return joseki::pack::LibraryInspector::stats(a.operands[0]); }, kNoOption,
     "LIB", "Print the nodes, leaves, depth, branches, widest node and bytes of LIB."},
    {"lint", 1, [](const Arguments& a) { return joseki::pack::linting::lint(a.operands[0], a.stats); }, kStats,
     "LIB [--stats TREE.sgf]",
     "Check the teaching text of LIB against the library's conventions, one finding per line."},
    {"describe", 1, [](const Arguments& a) { return joseki::pack::linting::describe(a.operands[0]); }, kNoOption, "LIB",
     "Print the shape of every move of LIB as lint computes it, with its lead clause."},
    {"export", 1,
     [](const Arguments& a) {
         const std::vector<std::string> path(a.operands.begin() + 1, a.operands.end());
         return joseki::pack::LibraryInspector::exportLine(a.operands[0], path);
     },
     kNoOption, "LIB PATH...", "Print the line of LIB along PATH (B Q16 W R17 B tenuki ...) as standard SGF.", true},
};

constexpr const char* kHelpWords[] = {"help", "--help"};
constexpr char kHelpSummary[] = "Print this list of commands; --help does the same.";

std::string usageText()
{
    std::string text;
    for (const Command& command : kCommands)
        text += std::string(text.empty() ? "usage: " : "       ") + "joseki-pack " + command.name + " " +
                command.synopsis + "\n";
    return text + "       joseki-pack --help\n";
}

int usage(const std::string& problem)
{
    std::fprintf(stderr, "joseki-pack: %s\n%s", problem.c_str(), usageText().c_str());
    return kUsageStatus;
}

int help()
{
    // Each command on a line of its own, its description indented below it:
    // the manual page docs/joseki-pack.1 repeats both, and a test holds them together.
    std::printf("joseki-pack: prepares library texts for the joseki browser.\n\ncommands:\n");
    for (const Command& command : kCommands)
        std::printf("  %s %s\n      %s\n", command.name, command.synopsis, command.summary);
    std::printf("  help\n      %s\n", kHelpSummary);
    return kSuccess;
}

constexpr char kTreeOption[] = "--tree";
constexpr char kStatsOption[] = "--stats";

// A game tree number: a whole number from 1.
bool parseTreeNumber(const std::string& text, std::size_t& tree)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, tree);
    return error == std::errc() && stop == end && tree >= 1;
}

// Reads the value of the option at words[i]; false with `problem` when it is missing or bad.
bool parseOption(const std::vector<std::string>& words, std::size_t i, Arguments& arguments, std::string& problem)
{
    const bool tree = words[i] == kTreeOption;
    if (i + 1 >= words.size() || (tree && !parseTreeNumber(words[i + 1], arguments.tree)) ||
        (!tree && words[i + 1].empty())) {
        problem = tree ? std::string(kTreeOption) + " wants a game tree number from 1"
                       : std::string(kStatsOption) + " wants the path of a frequency tree";
        return false;
    }
    if (!tree)
        arguments.stats = words[i + 1];
    return true;
}

// Splits the words after the command into operands and options; false with
// `problem` for an option the command does not take or a bad value.
bool parseArguments(const Command& command, const std::vector<std::string>& words, Arguments& arguments,
                    std::string& problem)
{
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Option option = words[i] == kTreeOption ? kTree : words[i] == kStatsOption ? kStats : kNoOption;
        if (option == kNoOption) {
            arguments.operands.push_back(words[i]);
            continue;
        }
        if ((command.options & option) == 0) {
            problem = std::string(command.name) + " takes no " + words[i] + " option";
            return false;
        }
        if (!parseOption(words, i, arguments, problem))
            return false;
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
    for (const char* word : kHelpWords)
        if (name == word)
            return argc == 2 ? help() : usage(name + " takes no operands");
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
