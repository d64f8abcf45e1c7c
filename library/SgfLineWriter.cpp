#include "library/SgfLineWriter.h"

#include "core/Coordinates.h"
#include "core/Stone.h"
#include "core/VariationNode.h"
#include "library/CharsetConverter.h"

#include <string_view>

namespace joseki {

namespace {

constexpr char kHeader[] = "(;FF[4]CA[UTF-8]GM[1]SZ[19]";
constexpr char kNextNode[] = "\n;";
constexpr char kEnd[] = ")\n";
constexpr char kEscape = '\\';

// Branch information: entries "xx:L" joined by "][".
constexpr std::string_view kEntrySeparator = "][";
constexpr std::size_t kLabelEntryLength = 4;
constexpr std::size_t kLabelColon = 2;
constexpr std::size_t kLabelCharacter = 3;
constexpr unsigned char kFirstPrintable = 0x21;
constexpr unsigned char kLastPrintable = 0x7E;

// A value of SGF text: the backslash and the closing bracket are escaped, and
// in a composed value the colon that would split it.
std::string escaped(std::string_view utf8, bool composed)
{
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8) {
        if (c == kEscape || c == ']' || (composed && c == ':'))
            out += kEscape;
        out += c;
    }
    return out;
}

void appendText(std::string& out, const char* property, const char* gbk)
{
    if (gbk == nullptr)
        return;
    out.append(property).append("[").append(escaped(CharsetConverter::gbkToUtf8(gbk), false)).append("]");
}

bool isPointLetter(char c) { return c >= 'a' && c <= 's'; }

// An entry the board shows as a label: a point on the board, a colon and one
// printable ASCII character.
bool isLabelEntry(std::string_view entry)
{
    const auto label = entry.size() == kLabelEntryLength ? static_cast<unsigned char>(entry[kLabelCharacter]) : 0;
    return entry.size() == kLabelEntryLength && isPointLetter(entry[0]) && isPointLetter(entry[1]) &&
           entry[kLabelColon] == ':' && label >= kFirstPrintable && label <= kLastPrintable;
}

// LB with the node's labels; entries the board cannot show are left out.
void appendLabels(std::string& out, const char* branchInfo)
{
    if (branchInfo == nullptr)
        return;
    std::string values;
    std::string_view rest(branchInfo);
    while (!rest.empty()) {
        const std::size_t end = rest.find(kEntrySeparator);
        const std::string_view entry = rest.substr(0, end);
        if (isLabelEntry(entry))
            values.append("[")
                .append(entry.substr(0, kLabelColon + 1))
                .append(escaped(entry.substr(kLabelCharacter), true))
                .append("]");
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + kEntrySeparator.size());
    }
    if (!values.empty())
        out.append("LB").append(values);
}

void appendMove(std::string& out, char colour, Point point)
{
    const std::int8_t stone = stoneForColourLetter(colour);
    if (stone == kEmpty)
        return;
    out += stone == kBlack ? 'B' : 'W';
    // FF[4] writes a pass as an empty value; the board's tenuki is one.
    out.append("[").append(onBoard(point) ? coordinates::sgfName(point) : "").append("]");
}

void appendNode(std::string& out, const VariationNode& node, bool root)
{
    if (!root)
        appendMove(out, node.color, Point{node.col, node.row});
    appendText(out, "N", node.name);
    appendText(out, "C", node.comment);
    appendLabels(out, node.branchInfo);
}

} // namespace

std::string SgfLineWriter::write(const BrowsedLine& line)
{
    std::string out = kHeader;
    for (std::size_t i = 0; i < line.bookNodes.size(); ++i) {
        if (i > 0)
            out += kNextNode;
        appendNode(out, *line.bookNodes[i], i == 0);
    }
    for (const BrowsedLine::Move& move : line.trialMoves) {
        out += kNextNode;
        appendMove(out, move.colour, move.point);
    }
    out += kEnd;
    return out;
}

} // namespace joseki
