#include "ui/controller/PracticeSession.h"

#include "core/Rules.h"
#include "core/VariationNode.h"
#include "ui/controller/BookNotes.h"
#include "ui/controller/ControllerTexts.h"
#include "ui/controller/PracticeMemory.h"

#include <utility>

namespace joseki {

namespace {

using bookNotes::kLineBreak;
using namespace controllerTexts;

// Fixed-point scale of a continuation's mean line weight.
constexpr std::uint64_t kWeightScale = 1000;

std::string sentence(const char* who, std::int8_t colour, Point move)
{
    return who + bookNotes::moveName(colour, move) + kStatementEnd;
}

// The node's text on a line of its own, when it has one.
std::string textLine(const VariationNode& node)
{
    const std::string text = bookNotes::nodeText(node);
    return text.empty() ? text : kLineBreak + text;
}

} // namespace

PracticeSession::PracticeSession(const PositionIndex& index, PracticeMemory& memory, std::mt19937& random)
    : index_(index), memory_(memory), random_(random)
{}

bool PracticeSession::start(const PracticeSetup& setup)
{
    active_ = false;
    const std::optional<BookPlace> place =
        setup.start == nullptr ? std::nullopt : index_.placeOf(*setup.start, setup.orientation);
    if (!place || place->continuations.empty())
        return false;
    setup_ = setup;
    active_ = true;
    finished_ = false;
    missesHere_ = 0;
    foundAtFirstTry_ = 0;
    misses_ = 0;
    lineVerdict_ = BookVerdict::None;
    moves_.clear();
    stand(*setup.start, setup.orientation);
    std::string text = setup.randomOrientation ? kRandomPracticeTitle : kPracticeTitle;
    text += kPracticeYouPlay + bookNotes::colourWord(setup.student) + kStatementEnd;
    answer(std::move(text));
    return true;
}

PracticeAnswer PracticeSession::play(Point move)
{
    if (!active_ || finished_ || (!onBoard(move) && move != kNoMovePoint))
        return PracticeAnswer::Ignored;
    for (const BookContinuation& continuation : continuations())
        if (continuation.move == move && continuation.colour == setup_.student)
            return accept(move, *continuation.node, orientation_);
    // Another move order, or the same position turned by its own symmetry.
    Stones after{};
    if (positionAfter(move, after)) {
        const std::vector<BookPlace> places = index_.lookUp(PositionKey::of(after, opponentOf(setup_.student)));
        if (!places.empty())
            return accept(move, *places.front().node, places.front().orientation);
    }
    return refuse(move);
}

std::vector<BookContinuation> PracticeSession::continuations() const
{
    std::optional<BookPlace> place = index_.placeOf(*node_, orientation_);
    return place ? std::move(place->continuations) : std::vector<BookContinuation>{};
}

std::int8_t PracticeSession::sideToMove() const
{
    return turnColour(PositionIndex::sideToMoveAfter(*node_), orientation_);
}

bool PracticeSession::positionAfter(Point move, Stones& stones) const
{
    stones = board_.board;
    if (!onBoard(move))
        return true;
    return rules::playMove(stones, move.col, move.row, setup_.student).verdict == rules::Verdict::Played;
}

PracticeAnswer PracticeSession::accept(Point move, const VariationNode& node, Orientation orientation)
{
    if (missesHere_ == 0)
        ++foundAtFirstTry_;
    moves_.push_back(move);
    stand(node, orientation);
    std::string text = sentence(kPracticeYou, setup_.student, move);
    // A trick or a mistake is explained at once, and the program's answer
    // punishes it; a move that ends the line says how the line is judged.
    const bool trick = bookVerdict::isTrickOrMistake(bookVerdict::openingOf(node.comment ? node.comment : ""));
    if (trick || node.firstChild == nullptr)
        text += textLine(node);
    const PracticeAnswer answered = answer(std::move(text));
    return answered == PracticeAnswer::Played && trick ? PracticeAnswer::TrickPlayed : answered;
}

PracticeAnswer PracticeSession::refuse(Point move)
{
    ++misses_;
    ++missesHere_;
    memory_.recordMiss(*node_);
    std::string note = bookNotes::moveName(setup_.student, move) + kPracticeNotInBook + kStatementEnd +
                       kPracticeMissesOpen + std::to_string(missesHere_) + kPracticeMissesClose + kListSeparator;
    const bool show = missesHere_ >= kMissesBeforeShowing;
    if (show) {
        shown_.clear();
        const std::vector<BookContinuation> options = continuations();
        for (const BookContinuation& continuation : options)
            if (onBoard(continuation.move))
                shown_.push_back(continuation.move);
        note += kPracticeShowBook + bookNotes::continuationList(options);
    } else {
        note += kPracticeTryAgain;
    }
    comment_ = movesText_ + kLineBreak + note;
    return show ? PracticeAnswer::BookMovesShown : PracticeAnswer::Refused;
}

PracticeAnswer PracticeSession::answer(std::string text)
{
    // Without a continuation the line has ended; the program plays on while
    // the side to move is not the student's (a tenuki of the book, say).
    for (;;) {
        const std::vector<BookContinuation> options = continuations();
        if (options.empty())
            return finish(std::move(text));
        if (sideToMove() == setup_.student)
            break;
        const BookContinuation chosen = choose(options);
        moves_.push_back(chosen.move);
        stand(*chosen.node, orientation_);
        text += kLineBreak + sentence(kPracticeOpponent, chosen.colour, chosen.move) + textLine(*chosen.node);
    }
    movesText_ = text;
    comment_ = std::move(text) + kLineBreak + kPracticeYourTurn;
    return PracticeAnswer::Played;
}

std::uint64_t PracticeSession::weightOf(const BookContinuation& continuation) const
{
    std::uint64_t sum = 0;
    for (std::size_t v = 0; v < kBookVerdictCount; ++v)
        sum += kVerdictWeights[v] * continuation.verdicts.leaves[v];
    const std::uint64_t lines = continuation.verdicts.total();
    const std::uint64_t mean = lines == 0 ? kWeightScale : sum * kWeightScale / lines;
    const auto misses = static_cast<std::uint64_t>(memory_.missesBelow(*continuation.node));
    return mean * (1 + kMissLean * misses);
}

const BookContinuation& PracticeSession::choose(const std::vector<BookContinuation>& options)
{
    std::vector<std::uint64_t> weights;
    weights.reserve(options.size());
    std::uint64_t total = 0;
    for (const BookContinuation& option : options)
        total += weights.emplace_back(weightOf(option));
    std::uint64_t pick = static_cast<std::uint64_t>(random_()) % total;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (pick < weights[i])
            return options[i];
        pick -= weights[i];
    }
    return options.back();
}

PracticeAnswer PracticeSession::finish(std::string text)
{
    finished_ = true;
    shown_.clear();
    lineVerdict_ = bookVerdict::endingOf(node_->comment ? node_->comment : "");
    text += kLineBreak + std::string(kPracticeReportOpen) + std::to_string(foundAtFirstTry_) + kPracticeReportFound +
            std::to_string(misses_) + kPracticeReportMisses + bookNotes::verdictWord(lineVerdict_) + kStatementEnd +
            kLineBreak + kPracticeNextLine;
    movesText_ = text;
    comment_ = std::move(text);
    return PracticeAnswer::Finished;
}

void PracticeSession::stand(const VariationNode& node, Orientation orientation)
{
    node_ = &node;
    orientation_ = orientation;
    missesHere_ = 0;
    shown_.clear();
    // The book's own board turned, so captures are exactly the book's.
    board_.board = turnStones(PositionIndex::stonesAfter(node).value_or(Stones{}), orientation);
    board_.moveNumbers.fill(0);
    std::int16_t number = 0;
    for (const Point p : moves_) {
        if (!onBoard(p))
            continue;
        ++number;
        if (board_.board[static_cast<std::size_t>(pointIndex(p))] != kEmpty)
            board_.moveNumbers[static_cast<std::size_t>(pointIndex(p))] = number;
    }
}

} // namespace joseki
