#pragma once

#include "GbkCharacters.h"
#include "MoveShape.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace joseki::pack {

// The lead clause of a comment: the words that name the node's own move
// ("白二路飞", "黑在上边挡"), read so that only what clearly speaks of that
// move is judged.
//
// The clause starts after an opening verdict marker (【…】) and runs to the
// first clause mark (，。；：！？ , ; . ! ? （ or "(") or line break; where it goes on to the
// opponent's next move ("白顶后黑扳") it ends before 后. A comment whose
// clause does not start with the mover (黑 or 白), or that names a lettered
// point, leads with another move and has no lead clause. An occurrence of a
// word does not name the move when a negation (不没未别勿) stands right
// before it, or when it belongs to the opponent's stone: the opponent's
// colour before it, with only modifiers such as 小, 二路 or 的 between.
class LeadClause {
public:
    // The lead clause of a GBK comment on a move of `colour` (kBlack or kWhite); nothing when there is none.
    static std::optional<LeadClause> of(std::string_view comment, std::int8_t colour);

    // Where a comment's words begin: after leading blanks and an opening 【…】 marker.
    static std::size_t bodyStart(const characters::CharacterList& chars);

    LeadClause(const LeadClause& other);
    LeadClause& operator=(const LeadClause& other);

    // True when an occurrence of the word (GBK) names the move, none of
    // `notAfter` right before it and none of `notBefore` right after it.
    bool names(std::string_view word, std::string_view notAfter = {}, std::string_view notBefore = {}) const;
    // True when the word occurs anywhere in the clause.
    bool contains(std::string_view word) const;
    // True when the clause holds a negation anywhere.
    bool negated() const;
    // True when the clause holds a word that places the move by other stones (挂夹镇罩封挡).
    bool relative() const;
    // The line numbers 1..5 that 一路..五路 give the move: not in a negated
    // clause and not "二路一子" or "二路的…", which speak of other stones.
    std::vector<int> lines() const;
    // The sides the clause places the move on with 在 (在上边, 在右边, …), unless it is negated.
    std::vector<Edge> placedOn() const;
    // The sides it names at all, for the lines: a line counts from the side named.
    std::vector<Edge> sidesNamed() const;
    // The words that end the clause right before the end: true for "…打" and "…打吃".
    bool endsWith(std::string_view word) const;
    // The clause as GBK text.
    const std::string& text() const { return text_; }

private:
    LeadClause(std::string text, std::int8_t colour);
    bool namesAt(std::size_t at, std::size_t length, std::string_view notAfter, std::string_view notBefore) const;
    bool isOpponentsStone(std::size_t at) const;

    std::string text_;
    characters::CharacterList chars_; // views into text_
    std::string opponent_;            // 黑 or 白, GBK
};

} // namespace joseki::pack
