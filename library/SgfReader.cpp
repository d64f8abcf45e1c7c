#include "library/SgfReader.h"

#include "core/JosekiEngine.h"
#include "core/MessageService.h"
#include "core/NodeArena.h"
#include "core/VariationNode.h"
#include "library/LibraryTexts.h"

#include <cstring>
#include <string_view>

namespace joseki {

namespace {

constexpr char kOpenValue = '[';
constexpr char kCloseValue = ']';
constexpr char kNodeStart = ';';
constexpr char kSequenceOpen = '(';
constexpr char kSequenceClose = ')';
constexpr char kBackslash = '\\';
constexpr char kColon = ':';
constexpr char kFirstCoordinate = 'a';
// 't' stands for 19, the no-stone coordinate.
constexpr char kLastCoordinate = 't';

// GBK double-byte characters: a lead byte followed by a trail byte.
constexpr unsigned char kGbkLeadFirst = 0x81;
constexpr unsigned char kGbkLeadLast = 0xFE;
constexpr unsigned char kGbkTrailFirst = 0x40;
constexpr unsigned char kGbkTrailLast = 0xFE;
constexpr unsigned char kGbkTrailGap = 0x7F;

const char* const kMessageFileError = "sgf file err:";
const char* const kMessageBadIdentifier = libraryTexts::kBadIdentifier;
const char* const kMessageTooLong = libraryTexts::kTooLong;
const char* const kMessageBadCoordinate = libraryTexts::kBadCoordinate;
const char* const kMessageUnknownIdentifier = libraryTexts::kUnknownIdentifier;
const char* const kMessageFileData = "Error file data";

bool isWhitespace(char c) { return c == ' ' || c == '\r' || c == '\n' || c == '\t'; }

const char* skipWhitespaceFrom(const char* p)
{
    while (isWhitespace(*p))
        ++p;
    return p;
}

bool isGbkLead(unsigned char c) { return c >= kGbkLeadFirst && c <= kGbkLeadLast; }
bool isGbkTrail(unsigned char c) { return c >= kGbkTrailFirst && c <= kGbkTrailLast && c != kGbkTrailGap; }

// Replaces every "\:" by ":" in place, stepping over whole GBK characters so
// that a 0x5C trail byte stays part of its character. Returns the new length.
std::size_t unescapeColons(char* text, std::size_t length)
{
    // Most values hold no backslash at all, and then nothing changes.
    if (length == 0 || std::memchr(text, kBackslash, length) == nullptr)
        return length;
    std::size_t out = 0;
    std::size_t in = 0;
    while (in < length) {
        const auto byte = static_cast<unsigned char>(text[in]);
        if (isGbkLead(byte) && in + 1 < length && isGbkTrail(static_cast<unsigned char>(text[in + 1]))) {
            text[out++] = text[in++];
            text[out++] = text[in++];
        } else if (text[in] == kBackslash && in + 1 < length && text[in + 1] == kColon) {
            text[out++] = kColon;
            in += 2;
        } else {
            text[out++] = text[in++];
        }
    }
    return out;
}

// Removes blanks and line breaks in place (tabs stay). Returns the new length.
std::size_t removeLineBlanks(char* text, std::size_t length)
{
    std::size_t out = 0;
    for (std::size_t in = 0; in < length; ++in) {
        const char c = text[in];
        if (c != ' ' && c != '\r' && c != '\n')
            text[out++] = c;
    }
    return out;
}

int markKind(std::string_view identifier)
{
    if (identifier == "TR")
        return kMarkTriangle;
    if (identifier == "CR")
        return kMarkCircle;
    if (identifier == "SQ")
        return kMarkSquare;
    if (identifier == "SL")
        return kMarkSelect;
    if (identifier == "MA")
        return kMarkCross;
    return 0;
}

bool isDroppedIdentifier(std::string_view identifier)
{
    return identifier == "GC" || identifier == "DT" || identifier == "AP" || identifier == "SZ" || identifier == "GN";
}

bool isCoordinate(char c) { return c >= kFirstCoordinate && c <= kLastCoordinate; }

} // namespace

// One sequence being read: its nodes so far and the variations linked below
// its last node. Everything the sequence has built hangs from `first`.
struct SgfReader::SequenceFrame {
    VariationNode* first = nullptr;
    VariationNode* last = nullptr;
    VariationNode* previousVariation = nullptr;
};

SgfReader::SgfReader(JosekiEngine& engine, NodeArena& arena) : engine_(engine), arena_(arena) {}

void SgfReader::skipWhitespace() { engine_.readPos = skipWhitespaceFrom(engine_.readPos); }

void SgfReader::failFatally(const char* message, const char* excerptStart)
{
    engine_.reportDataError(message, excerptStart);
    engine_.messages().exitProcess(kFatalLibraryExitStatus);
    // The service may return (tests); everything above unwinds on this flag.
    fatal_ = true;
}

const char* SgfReader::valueRunEnd(const char* firstClose)
{
    const char* close = firstClose;
    for (;;) {
        const char* next = skipWhitespaceFrom(close + 1);
        if (*next != kOpenValue)
            return close;
        close = std::strchr(next + 1, kCloseValue);
        if (close == nullptr)
            return nullptr;
    }
}

bool SgfReader::readProperty(char (&identifier)[kIdentifierBufferSize], char (&value)[kValueBufferSize])
{
    if (fatal_)
        return false;
    skipWhitespace();
    const char* start = engine_.readPos;
    if (*start == kNodeStart || *start == kSequenceOpen || *start == kSequenceClose)
        return false;

    // Both brackets are found by plain search from the read position. A "]"
    // before the "[" or a run that never closes would make the value's
    // extent meaningless, so they count as a missing bracket.
    const char* open = std::strchr(start, kOpenValue);
    const char* firstClose = std::strchr(start, kCloseValue);
    const char* close =
        (open != nullptr && firstClose != nullptr && firstClose > open) ? valueRunEnd(firstClose) : nullptr;
    if (close == nullptr) {
        failFatally(kMessageFileError, start);
        return false;
    }

    const auto identifierLength = static_cast<std::size_t>(open - start);
    if (identifierLength < 1 || identifierLength >= kIdentifierBufferSize) {
        failFatally(kMessageBadIdentifier, start);
        return false;
    }
    std::memcpy(identifier, start, identifierLength);
    identifier[identifierLength] = '\0';
    identifierLength_ = identifierLength;

    std::size_t valueLength = static_cast<std::size_t>(close - open) - 1;
    if (valueLength > kValueLimit) {
        engine_.reportDataError(kMessageTooLong, open + 1);
        valueLength = kValueLimit;
    }
    std::memcpy(value, open + 1, valueLength);
    value[valueLength] = '\0';
    valueLength_ = valueLength;

    engine_.readPos = close + 1;
    return true;
}

bool SgfReader::readPoint(const char* value, std::uint8_t& col, std::uint8_t& row)
{
    // A value shorter than two bytes ends in its NUL, which fails the check;
    // the second byte is only looked at when the first is a letter.
    if (!isCoordinate(value[0]) || !isCoordinate(value[1])) {
        engine_.reportDataError(kMessageBadCoordinate, std::string_view(value, valueLength_));
        return false;
    }
    col = static_cast<std::uint8_t>(value[0] - kFirstCoordinate);
    row = static_cast<std::uint8_t>(value[1] - kFirstCoordinate);
    // Only the pair (19,19) means "no stone"; one 't' alone would name a point
    // off the board, so it becomes that pair as well.
    if (col == kNoMove || row == kNoMove) {
        col = kNoMove;
        row = kNoMove;
    }
    return true;
}

void SgfReader::applyProperty(VariationNode& node, const char* identifierBytes, char* value)
{
    const std::string_view identifier(identifierBytes, identifierLength_);
    std::size_t length = valueLength_;

    if (identifier == "C" || identifier == "N") {
        length = unescapeColons(value, length);
        (identifier == "C" ? node.comment : node.name) = arena_.copyText(value, length);
    } else if (identifier == "B" || identifier == "W") {
        node.color = identifier[0];
        if (!readPoint(value, node.col, node.row)) {
            node.col = kNoMove;
            node.row = kNoMove;
        }
    } else if (identifier == "LB") {
        length = removeLineBlanks(value, length);
        node.branchInfo = arena_.copyText(value, length);
    } else if (identifier == "AW") {
        node.whiteSetup = arena_.copyText(value, length);
    } else if (identifier == "AB") {
        node.blackSetup = arena_.copyText(value, length);
    } else if (const int kind = markKind(identifier); kind != 0) {
        std::uint8_t col = kNoMove;
        std::uint8_t row = kNoMove;
        if (readPoint(value, col, row)) {
            NodeMark* mark = arena_.newMark();
            mark->kind = kind;
            mark->col = col;
            mark->row = row;
            // Appended at the end, so the list keeps the file's order.
            (lastMark_ == nullptr ? node.marks : lastMark_->next) = mark;
            lastMark_ = mark;
        }
    } else if (!isDroppedIdentifier(identifier)) {
        engine_.reportDataError(kMessageUnknownIdentifier, identifier);
    }
}

void SgfReader::readNode(VariationNode& node)
{
    lastMark_ = nullptr;
    skipWhitespace();
    node.col = kNoMove;
    node.row = kNoMove;
    char identifier[kIdentifierBufferSize] = {};
    // Only the bytes up to the terminator that readProperty writes are ever
    // looked at, so the value buffer needs no clearing between properties.
    char value[kValueBufferSize];
    value[0] = '\0';
    while (readProperty(identifier, value))
        applyProperty(node, identifier, value);
}

void SgfReader::openSequence(std::vector<SequenceFrame>& frames, VariationNode* parent)
{
    // The frame is on the stack before anything is read, so a fatal stop
    // drops whatever this sequence has built so far.
    VariationNode* first = arena_.newNode();
    first->parent = parent;
    frames.push_back(SequenceFrame{first, first, nullptr});
    readNode(*first);
    if (fatal_)
        return;
    skipWhitespace();
    while (*engine_.readPos == kNodeStart) {
        ++engine_.readPos;
        SequenceFrame& frame = frames.back();
        VariationNode* node = arena_.newNode();
        node->parent = frame.last;
        frame.last->firstChild = node;
        frame.last = node;
        readNode(*node);
        if (fatal_)
            return;
        skipWhitespace();
    }
}

VariationNode* SgfReader::readSequence(VariationNode* parent)
{
    if (fatal_)
        return nullptr;
    // Variations nest as deep as the text says; an explicit stack of frames
    // keeps that depth off the call stack.
    std::vector<SequenceFrame> frames;
    openSequence(frames, parent);
    while (!fatal_) {
        skipWhitespace();
        const char* pos = engine_.readPos;
        if (*pos == kSequenceOpen) {
            engine_.readPos = pos + 1;
            if (*engine_.readPos == kNodeStart) {
                ++engine_.readPos;
                openSequence(frames, frames.back().last);
            } else {
                engine_.reportDataError(kMessageFileData, engine_.readPos);
            }
            continue;
        }

        VariationNode* finished = frames.back().first;
        if (*pos == kSequenceClose) {
            engine_.readPos = pos + 1;
        } else {
            // A sequence that is not closed yields nothing: its nodes are
            // linked nowhere and go with the arena.
            engine_.reportDataError(kMessageFileData, pos);
            finished = nullptr;
        }
        frames.pop_back();
        if (frames.empty())
            return finished;
        if (finished != nullptr) {
            SequenceFrame& outer = frames.back();
            if (outer.previousVariation == nullptr)
                outer.last->firstChild = finished;
            else
                outer.previousVariation->nextSibling = finished;
            outer.previousVariation = finished;
        }
    }
    // Fatal stop: nothing half-built is handed out; the caller releases the arena.
    return nullptr;
}

} // namespace joseki
