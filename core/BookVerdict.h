#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace joseki {

// How the library judges a line: the marker its leaf's comment ends with.
enum class BookVerdict : std::uint8_t { None, Joseki, Variation, Trick, Mistake };
// Values of BookVerdict, None included, for tables indexed by a verdict.
inline constexpr std::size_t kBookVerdictCount = 5;

// The verdict markers of the library's comments: 【定式】, 【变化】, 【骗着】
// and 【失着】 (GBK). A leaf's comment ends with one, blanks after it aside;
// the comment of a trick or mistake move opens with 【骗着】 or 【失着】, and
// the line below it goes on with the answer that punishes it. Texts are read
// as whole GBK characters, so a marker never matches across a character.
namespace bookVerdict {

// The verdicts that have a marker, in the order the markers are tried.
inline constexpr std::array<BookVerdict, 4> kMarked{BookVerdict::Joseki, BookVerdict::Variation, BookVerdict::Trick,
                                                    BookVerdict::Mistake};

// The marker of a verdict in GBK ("【定式】"); empty for None.
std::string_view markerOf(BookVerdict verdict);
// The marker a GBK comment ends with, blanks after it aside; None when it ends with none.
BookVerdict endingOf(std::string_view comment);
// The marker a GBK comment opens with, at its very start; None when it opens with none.
BookVerdict openingOf(std::string_view comment);
// The blank characters (GBK) that may stand after a leaf's marker.
std::string_view blanks();
// True for 【骗着】 and 【失着】: moves the line goes on to punish.
constexpr bool isTrickOrMistake(BookVerdict verdict)
{
    return verdict == BookVerdict::Trick || verdict == BookVerdict::Mistake;
}
// Slot of a verdict in tables of kBookVerdictCount entries.
constexpr std::size_t slotOf(BookVerdict verdict) { return static_cast<std::size_t>(verdict); }

} // namespace bookVerdict

} // namespace joseki
