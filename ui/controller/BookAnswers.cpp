#include "ui/controller/BookAnswers.h"

#include "core/JosekiEngine.h"
#include "core/Symmetry.h"
#include "core/TrialBoard.h"
#include "ui/controller/BoardScene.h"

#include <utility>

namespace joseki {

BookAnswers::BookAnswers(const JosekiEngine& engine, const TrialBoard& trial, std::uint32_t seed)
    : engine_(engine), trial_(trial), random_(seed)
{}

void BookAnswers::indexBook()
{
    practice_.stop();
    advice_ = {};
    index_.build(engine_.root);
}

std::optional<std::string> BookAnswers::transpositionLines() const
{
    if (!showTranspositions_)
        return std::nullopt;
    const std::vector<BookPlace> places = lookup_.otherPlaces(engine_);
    if (places.empty())
        return std::nullopt;
    return BookLookup::placeLines(places);
}

const VariationNode* BookAnswers::transpositionTarget() const
{
    return showTranspositions_ ? lookup_.nextPlace(engine_) : nullptr;
}

std::optional<std::string> BookAnswers::readTrial()
{
    if (!checkTrial_)
        return std::nullopt;
    advice_ = advisor_.advise(trial_);
    return advice_.comment;
}

const VariationNode* BookAnswers::trialBookNode() const
{
    return checkTrial_ && advice_.inBook ? advice_.places.front().node : nullptr;
}

bool BookAnswers::canPractise() const
{
    if (engine_.cursor == nullptr)
        return false;
    const std::optional<BookPlace> place = index_.placeOf(*engine_.cursor, Orientation{});
    return place && !place->continuations.empty();
}

std::int8_t BookAnswers::sideToMoveAtCursor() const
{
    return engine_.cursor == nullptr ? kBlack : PositionIndex::sideToMoveAfter(*engine_.cursor);
}

bool BookAnswers::startPractice(std::optional<std::int8_t> student)
{
    if (student)
        return practice_.start(PracticeSetup{engine_.cursor, Orientation{}, *student, false});
    const Orientation orientation = randomOrientation();
    return practice_.start(
        PracticeSetup{engine_.cursor, orientation, turnColour(sideToMoveAtCursor(), orientation), true});
}

Orientation BookAnswers::randomOrientation()
{
    const auto s = static_cast<int>(random_() % symmetry::kCount);
    return Orientation{s, random_() % 2 != 0};
}

void BookAnswers::practiseMove(Point move)
{
    if (!practice_.finished()) {
        practice_.play(move);
        return;
    }
    PracticeSetup next = practice_.setup();
    if (next.randomOrientation) {
        const std::int8_t bookSide = turnColour(next.student, next.orientation);
        next.orientation = randomOrientation();
        next.student = turnColour(bookSide, next.orientation);
    }
    practice_.start(next);
}

void BookAnswers::decorate(BoardScene& scene) const
{
    if (practice_.active()) {
        // The practice board stands where the trial board would, band and numbers alike.
        scene.trialMode = 1;
        scene.position = practice_.board();
        scene.stoneCount = 0;
        scene.labelBoard.fill(0);
        scene.candidateCount = 0;
        scene.highlight.reset();
        scene.tenukiEnabled = true;
        scene.bookMarks = practice_.shownMoves();
        return;
    }
    if (scene.trialMode != 0 && checkTrial_)
        scene.bookMarks = advice_.marks;
}

} // namespace joseki
