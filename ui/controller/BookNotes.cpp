#include "ui/controller/BookNotes.h"

#include "core/BookReplay.h"
#include "core/Coordinates.h"
#include "core/VariationNode.h"
#include "ui/controller/ControllerTexts.h"

#include <array>

namespace joseki::bookNotes {

namespace {

using namespace controllerTexts;

// A path names at most this many of its last moves.
constexpr std::size_t kPathMovesNamed = 60;

// The verdicts in the order a summary names them.
constexpr std::array<BookVerdict, kBookVerdictCount> kSummaryOrder{
    BookVerdict::Joseki, BookVerdict::Variation, BookVerdict::Trick, BookVerdict::Mistake, BookVerdict::None};

} // namespace

std::string colourWord(std::int8_t colour)
{
    if (colour == kBlack)
        return kBlackWord;
    if (colour == kWhite)
        return kWhiteWord;
    return {};
}

std::string moveName(std::int8_t colour, Point move)
{
    if (!onBoard(move))
        return colourWord(colour) + kTenukiWord;
    return colourWord(colour) + coordinates::boardName(move);
}

std::string pathOf(const VariationNode& node)
{
    std::vector<const VariationNode*> moves = book::pathFromRoot(node);
    std::erase_if(
        moves, [](const VariationNode* p) { return p->parent == nullptr || stoneForColourLetter(p->color) == kEmpty; });
    if (moves.empty())
        return kEmptyBoardPath;
    const std::size_t first = moves.size() > kPathMovesNamed ? moves.size() - kPathMovesNamed : 0;
    std::string path = first > 0 ? kMorePathBefore : "";
    for (std::size_t i = first; i < moves.size(); ++i) {
        if (i > first)
            path += ' ';
        path += moveName(stoneForColourLetter(moves[i]->color), Point{moves[i]->col, moves[i]->row});
    }
    return path;
}

std::string verdictWord(BookVerdict verdict)
{
    switch (verdict) {
    case BookVerdict::Joseki:
        return kJosekiWord;
    case BookVerdict::Variation:
        return kVariationWord;
    case BookVerdict::Trick:
        return kTrickWord;
    case BookVerdict::Mistake:
        return kMistakeWord;
    case BookVerdict::None:
        break;
    }
    return kUnmarkedWord;
}

std::string verdictSummary(const VerdictTally& verdicts)
{
    std::string summary;
    for (const BookVerdict verdict : kSummaryOrder) {
        const std::uint32_t count = verdicts.of(verdict);
        if (count == 0)
            continue;
        if (!summary.empty())
            summary += kSummarySeparator;
        summary += verdictWord(verdict) + std::to_string(count) + kLinesUnit;
    }
    return summary;
}

std::string nodeText(const VariationNode& node)
{
    std::string text;
    if (node.comment)
        text += node.comment;
    if (node.name) {
        text += kLineBreak;
        text += node.name;
    }
    return text;
}

std::string orientationNote(Orientation orientation)
{
    std::string note;
    if (orientation.symmetry != symmetry::kIdentity)
        note += kTurnedNote;
    if (orientation.coloursSwapped) {
        if (!note.empty())
            note += kListSeparator;
        note += kSwappedNote;
    }
    return note.empty() ? note : kNoteOpen + note + kNoteClose;
}

std::string continuationList(const std::vector<BookContinuation>& continuations)
{
    std::string list;
    for (const BookContinuation& continuation : continuations) {
        if (!list.empty())
            list += kListSeparator;
        list += moveName(continuation.colour, continuation.move) + kNoteOpen + verdictSummary(continuation.verdicts) +
                kNoteClose;
    }
    return list;
}

} // namespace joseki::bookNotes
