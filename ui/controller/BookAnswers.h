#pragma once

#include "core/Point.h"
#include "core/PositionIndex.h"
#include "ui/controller/BookLookup.h"
#include "ui/controller/PracticeMemory.h"
#include "ui/controller/PracticeSession.h"
#include "ui/controller/TrialBookAdvisor.h"

#include <cstdint>
#include <optional>
#include <random>
#include <string>

namespace joseki {

class JosekiEngine;
class TrialBoard;
struct BoardScene;
struct VariationNode;

// The book answering back, for the browsing controller: the index of every
// book position, built once the library is loaded; the other places of the
// browsed position (option 显示同形变化); trial play read against the book
// (option 试下时对照定式); and practice of a line. Both options are off at
// start and only this run knows them; with both off and no practice running,
// nothing here changes what the window shows.
class BookAnswers {
public:
    // Reads the engine's cursor and the trial board; `seed` starts the random
    // choices of practice (its lines and random orientations).
    BookAnswers(const JosekiEngine& engine, const TrialBoard& trial, std::uint32_t seed);

    // Indexes the engine's tree; after every load that gave one.
    void indexBook();
    const PositionIndex& index() const { return index_; }

    // --- browsing ---
    bool showsTranspositions() const { return showTranspositions_; }
    void toggleTranspositions() { showTranspositions_ = !showTranspositions_; }
    // With the option on, the lines naming the other places of the cursor's
    // position ("同形变化：" and a path each); nothing when off or when there are none.
    std::optional<std::string> transpositionLines() const;
    // Where 转到同形变化 goes: with the option on, the next place of the
    // cursor's position; null when there is none.
    const VariationNode* transpositionTarget() const;

    // --- trial play ---
    bool checksTrial() const { return checkTrial_; }
    void toggleTrialCheck() { checkTrial_ = !checkTrial_; }
    // With the option on, reads the trial board again and returns the comment
    // box's text; nothing when off. The marks follow the last reading.
    std::optional<std::string> readTrial();
    // Where 回到定式 ends trial play: with the option on and the trial still
    // in the book at the last reading, the node of its position; null otherwise.
    const VariationNode* trialBookNode() const;

    // --- practice ---
    // The cursor's position can be practised: it is indexed and the book goes on from it.
    bool canPractise() const;
    // The side to move at the cursor: the colour the student plays by default.
    std::int8_t sideToMoveAtCursor() const;
    // Practice from the cursor, the student playing `student` on the board as
    // the book stands, or without one in a random orientation (corner,
    // direction and colours) on the side to move. False when it cannot start.
    bool startPractice(std::optional<std::int8_t> student);
    void endPractice() { practice_.stop(); }
    bool practising() const { return practice_.active(); }
    // A click during practice: the student's move, or (the line having ended)
    // the next line from the same start, in a new random orientation for random practice.
    void practiseMove(Point move);
    const PracticeSession& practice() const { return practice_; }

    // The scene as these answers show it: during practice its board with the
    // trial band and the book moves marked after the third miss; in trial
    // play with the option on, the book's continuations marked.
    void decorate(BoardScene& scene) const;

private:
    Orientation randomOrientation();

    const JosekiEngine& engine_;
    const TrialBoard& trial_;
    PositionIndex index_;
    BookLookup lookup_{index_};
    TrialBookAdvisor advisor_{index_};
    PracticeMemory memory_;
    std::mt19937 random_;
    PracticeSession practice_{index_, memory_, random_};
    TrialAdvice advice_;
    bool showTranspositions_ = false;
    bool checkTrial_ = false;
};

} // namespace joseki
