#include "DialectWriter.h"

#include "GbkText.h"

#include "library/SgfReader.h"

#include <set>
#include <vector>

namespace joseki::pack {

namespace {

constexpr char kTenuki[] = "tt";
constexpr char kFullWidthBracket[] = "］";   // stands for "]" inside a text
constexpr char kFullWidthBackslash[] = "＼"; // stands for "\" inside a text
constexpr unsigned char kFirstPrintable = 0x21;
constexpr unsigned char kLastPrintable = 0x7E;
// Branch labels the browser takes without complaint.
constexpr std::size_t kLabelLimit = 20;
// "xx" plus the "][" that joins it to the next point.
constexpr std::size_t kBytesPerPoint = 4;
constexpr std::size_t kPointLimit = (kValueLimit + 2) / kBytesPerPoint;

const std::set<std::string> kKeptTexts = {"GC", "DT", "AP", "SZ", "GN"};
const std::set<std::string> kPointLists = {"AB", "AW", "TR", "CR", "SQ", "SL", "MA"};

bool isCoordinate(char c) { return c >= 'a' && c <= 's'; }
bool isPoint(const std::string& v) { return v.size() == 2 && isCoordinate(v[0]) && isCoordinate(v[1]); }

// Blanks the reader steps over between the values of a run.
bool isReaderBlank(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }

// A "]" that the reader takes as part of the value: blanks and a "[" follow
// it, so it joins two values of one run, which the reader keeps together.
bool joinsValues(const std::string& text, std::size_t close)
{
    std::size_t next = close + 1;
    while (next < text.size() && isReaderBlank(text[next]))
        ++next;
    return next < text.size() && text[next] == '[';
}

// Bytes the reader would misread inside a value, for a text already in GBK:
// a "]" ends the value unless a "[" follows, a backslash raises the escape
// warning, a zero byte ends the library. A double-byte character whose second
// byte is one of them cannot be kept at all.
std::string sanitiseGbk(const std::string& gbk, ConversionNotes& notes)
{
    std::string out;
    out.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size();) {
        const std::size_t length = GbkText::characterLength(gbk, i);
        const char c = gbk[i];
        if (length == 2) {
            const char trail = gbk[i + 1];
            if (trail == ']' || trail == '\\') {
                out += '?';
                ++notes.replacedCharacters;
            } else {
                out.append(gbk, i, 2);
            }
        } else if (c == ']' && joinsValues(gbk, i)) {
            out += c;
        } else if (c == ']') {
            out += kFullWidthBracket;
        } else if (c == '\\') {
            out += kFullWidthBackslash;
        } else if (c != '\0') {
            out += c;
        }
        i += length;
    }
    return out;
}

// Cuts a sanitised GBK text to the reader's value limit without splitting a
// character. A "]" kept for the "[" after it that the cut leaves without one
// would end the value early: it becomes "?".
std::string cutToLimit(const std::string& gbk, ConversionNotes& notes)
{
    if (gbk.size() <= kValueLimit)
        return gbk;
    std::size_t end = 0;
    while (end < gbk.size()) {
        const std::size_t next = end + GbkText::characterLength(gbk, end);
        if (next > kValueLimit)
            break;
        end = next;
    }
    ++notes.cutValues;
    std::string cut = gbk.substr(0, end);
    std::size_t last = cut.size();
    while (last > 0 && isReaderBlank(cut[last - 1]))
        --last;
    if (last > 0 && cut[last - 1] == ']') {
        cut[last - 1] = '?';
        ++notes.replacedCharacters;
    }
    return cut;
}

// A text value in GBK; a simple text has its line breaks turned into blanks.
std::string textValue(const std::string& utf8, bool simple, ConversionNotes& notes)
{
    std::string text = utf8;
    if (simple) {
        std::string joined;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
            if (crlf)
                continue;
            joined += (text[i] == '\r' || text[i] == '\n') ? ' ' : text[i];
        }
        text = joined;
    }
    const std::string gbk = GbkText::utf8ToGbk(text, notes.replacedCharacters, notes.firstReplaced);
    return cutToLimit(sanitiseGbk(gbk, notes), notes);
}

// Points of a list value, with the FF[4] rectangle "aa:cc" expanded.
void expandPoints(const std::string& value, std::vector<std::string>& points, ConversionNotes& notes)
{
    const std::size_t colon = value.find(':');
    if (colon == std::string::npos) {
        if (isPoint(value))
            points.push_back(value);
        else
            ++notes.droppedPoints;
        return;
    }
    const std::string from = value.substr(0, colon);
    const std::string to = value.substr(colon + 1);
    if (!isPoint(from) || !isPoint(to)) {
        ++notes.droppedPoints;
        return;
    }
    for (char col = std::min(from[0], to[0]); col <= std::max(from[0], to[0]); ++col)
        for (char row = std::min(from[1], to[1]); row <= std::max(from[1], to[1]); ++row)
            points.push_back(std::string{col, row});
}

void writeValues(const std::string& identifier, const std::vector<std::string>& values, std::string& out)
{
    if (values.empty())
        return;
    out += identifier;
    for (const std::string& value : values)
        out.append("[").append(value).append("]");
}

std::string moveValue(const SgfProperty& property, ConversionNotes& notes)
{
    const std::string value = property.values.empty() ? std::string() : property.values.front();
    if (value.empty() || value == kTenuki)
        return kTenuki;
    if (isPoint(value))
        return value;
    ++notes.movesMadeTenuki;
    return kTenuki;
}

bool isShowableLabel(const std::string& gbk)
{
    const unsigned char c = gbk.size() == 1 ? static_cast<unsigned char>(gbk[0]) : 0;
    return c >= kFirstPrintable && c <= kLastPrintable && c != ']' && c != '\\';
}

// LB values "xx:text"; old files' L values are points labelled a, b, c ...
std::vector<std::string> labelValues(const SgfProperty& property, ConversionNotes& notes)
{
    std::vector<std::string> entries;
    const bool lettered = property.identifier == "L";
    for (std::size_t i = 0; i < property.values.size(); ++i) {
        const std::string& value = property.values[i];
        const std::size_t colon = value.find(':');
        const std::string point = lettered ? value : value.substr(0, colon);
        std::string label;
        if (lettered && i < 26)
            label = std::string(1, static_cast<char>('a' + i));
        else if (!lettered && colon != std::string::npos)
            label = textValue(value.substr(colon + 1), true, notes);
        if (!isPoint(point) || !isShowableLabel(label) || entries.size() == kLabelLimit) {
            ++notes.droppedLabels;
            continue;
        }
        entries.push_back(point + ":" + label);
    }
    return entries;
}

std::vector<std::string> pointValues(const SgfProperty& property, ConversionNotes& notes)
{
    std::vector<std::string> points;
    for (const std::string& value : property.values)
        expandPoints(value, points, notes);
    if (points.size() > kPointLimit) {
        points.resize(kPointLimit);
        ++notes.cutValues;
    }
    return points;
}

void writeProperty(const SgfProperty& property, std::string& out, ConversionNotes& notes)
{
    const std::string& id = property.identifier;
    const std::string first = property.values.empty() ? std::string() : property.values.front();
    if (id == "B" || id == "W")
        writeValues(id, {moveValue(property, notes)}, out);
    else if (id == "C")
        writeValues(id, {textValue(first, false, notes)}, out);
    else if (id == "N")
        writeValues(id, {textValue(first, true, notes)}, out);
    else if (kKeptTexts.count(id) != 0)
        writeValues(id, {textValue(first, id != "GC", notes)}, out);
    else if (id == "LB" || id == "L")
        writeValues("LB", labelValues(property, notes), out);
    else if (kPointLists.count(id) != 0 || id == "M")
        writeValues(id == "M" ? "MA" : id, pointValues(property, notes), out);
    else
        ++notes.droppedProperties[id];
}

void writeNode(const SgfNode& node, std::string& out, ConversionNotes& notes)
{
    for (const SgfProperty& property : node.properties)
        writeProperty(property, out, notes);
}

} // namespace

std::string DialectWriter::write(const SgfTree& tree, ConversionNotes& notes)
{
    // Each frame is an open sequence: its last node so far and the next of
    // that node's variations to write.
    struct Frame {
        std::size_t node;
        std::size_t nextChild;
    };
    std::string out = "(;";
    writeNode(tree.nodes.front(), out, notes);
    std::vector<Frame> open{{0, 0}};
    while (!open.empty()) {
        Frame& frame = open.back();
        const SgfNode& node = tree.nodes[frame.node];
        if (node.children.size() == 1 && frame.nextChild == 0) {
            frame.node = node.children.front();
            out += "\n;";
            writeNode(tree.nodes[frame.node], out, notes);
        } else if (node.children.size() > 1 && frame.nextChild < node.children.size()) {
            const std::size_t child = node.children[frame.nextChild++];
            out += "\n(;";
            writeNode(tree.nodes[child], out, notes);
            open.push_back({child, 0});
        } else {
            out += ")";
            open.pop_back();
        }
    }
    out += "\n";
    return out;
}

} // namespace joseki::pack
