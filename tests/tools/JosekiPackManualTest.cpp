// The manual page docs/joseki-pack.1 against the tool itself: every command
// that `joseki-pack --help` lists has its entry in the manual with the same
// synopsis and one-line description, in the same order, and an example.
#include "tests/support/TestFiles.h"
#include "tests/tools/PackRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <utility>
#include <vector>

namespace joseki::test {
namespace {

// A command's synopsis ("check LIB") and its one-line description.
using CommandEntry = std::pair<std::string, std::string>;

std::filesystem::path manualPath()
{
    // The fixtures folder is tests/data of the source tree.
    return std::filesystem::path(JOSEKI_TEST_DATA_DIR).parent_path().parent_path() / "docs" / "joseki-pack.1";
}

// The commands of --help: a synopsis indented by two spaces, its description on the next line by six.
std::vector<CommandEntry> helpEntries(const std::string& out)
{
    const std::vector<std::string> lines = linesOf(out);
    std::vector<CommandEntry> entries;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        const bool synopsis = lines[i].rfind("  ", 0) == 0 && lines[i][2] != ' ';
        if (synopsis && lines[i + 1].rfind("      ", 0) == 0)
            entries.emplace_back(lines[i].substr(2), lines[i + 1].substr(6));
    }
    return entries;
}

// A roff line as the reader sees it: font changes dropped, escaped hyphens plain.
std::string plainRoff(const std::string& line)
{
    static const std::regex fontChange(R"(\\f[BIRP])");
    static const std::regex hyphen(R"(\\-)");
    return std::regex_replace(std::regex_replace(line, fontChange, ""), hyphen, "-");
}

// The lines of one ".SH" section of a manual page, without its heading.
std::vector<std::string> section(const std::string& page, const std::string& name)
{
    std::vector<std::string> found;
    bool inside = false;
    for (const std::string& line : linesOf(page)) {
        if (line.rfind(".SH", 0) == 0)
            inside = line == ".SH " + name;
        else if (inside)
            found.push_back(line);
    }
    return found;
}

// The manual's command entries: ".TP", then ".B" and the synopsis, then the description's first line.
std::vector<CommandEntry> manualEntries(const std::string& page)
{
    const std::vector<std::string> lines = section(page, "COMMANDS");
    std::vector<CommandEntry> entries;
    for (std::size_t i = 0; i + 2 < lines.size(); ++i) {
        if (lines[i] == ".TP" && lines[i + 1].rfind(".B ", 0) == 0)
            entries.emplace_back(plainRoff(lines[i + 1].substr(3)), plainRoff(lines[i + 2]));
    }
    return entries;
}

std::string commandName(const CommandEntry& entry) { return entry.first.substr(0, entry.first.find(' ')); }

TEST(JosekiPackManual, HelpAndTheHelpCommandListTheCommandsOnStandardOutput)
{
    const PackRun option = runPack({"--help"});
    const PackRun command = runPack({"help"});
    EXPECT_EQ(option.status, 0);
    EXPECT_EQ(option.err, "");
    EXPECT_EQ(command.out, option.out);
    EXPECT_EQ(command.status, 0);
    const std::vector<std::string> names = {"check", "convert", "pack", "append", "stats", "export", "help"};
    for (const std::string& name : names) {
        bool listed = false;
        for (const CommandEntry& entry : helpEntries(option.out))
            listed = listed || commandName(entry) == name;
        EXPECT_TRUE(listed) << name << " missing from\n" << option.out;
    }
}

TEST(JosekiPackManual, DescribesEveryCommandOfHelpInItsWords)
{
    const std::vector<CommandEntry> help = helpEntries(runPack({"--help"}).out);
    ASSERT_FALSE(help.empty());
    EXPECT_EQ(manualEntries(readFile(manualPath())), help);
}

TEST(JosekiPackManual, ShowsAnExampleOfEveryCommand)
{
    const std::vector<std::string> examples = section(readFile(manualPath()), "EXAMPLES");
    for (const CommandEntry& entry : helpEntries(runPack({"--help"}).out)) {
        const std::string call = "joseki-pack " + commandName(entry);
        bool shown = false;
        for (const std::string& line : examples)
            shown = shown || plainRoff(line).rfind(call, 0) == 0;
        EXPECT_TRUE(shown) << "no example of " << call;
    }
}

} // namespace
} // namespace joseki::test
