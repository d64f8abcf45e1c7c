#pragma once

// Runs the built joseki-pack binary as a user would, for the tool tests.
#include "tests/support/TestFiles.h"

#include <cstdlib>
#include <regex>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace joseki::test {

// What one run of joseki-pack gave back.
struct PackRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Tests are compiled with GBK narrow literals; the tool prints UTF-8.
inline std::string utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

inline std::string shellQuoted(const std::string& text) { return "'" + text + "'"; }

// Runs joseki-pack with the arguments and collects its exit status and output.
inline PackRun runPack(const std::vector<std::string>& arguments)
{
    TempDir capture;
    std::string command = shellQuoted(JOSEKI_BINARY_DIR "/tools/joseki-pack");
    for (const std::string& argument : arguments)
        command += " " + shellQuoted(argument);
    command += " >" + shellQuoted((capture / "out").string()) + " 2>" + shellQuoted((capture / "err").string());
    const int raw = std::system(command.c_str());
    PackRun result;
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.out = readFile(capture / "out");
    result.err = readFile(capture / "err");
    return result;
}

// The lines of a program's output, without their line breaks.
inline std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The number after "key " in a summary line such as "nodes 5 bytes 40"; -1 without one.
inline long numberAfter(const std::string& text, const std::string& key)
{
    std::smatch match;
    const std::regex pattern(key + " ([0-9]+)");
    return std::regex_search(text, match, pattern) ? std::stol(match[1]) : -1;
}

} // namespace joseki::test
