#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace joseki::pack {

// What a comment calls 最常见 (most common) or 最流行 (most popular).
struct PopularityClaim {
    enum class Target : std::uint8_t {
        Unresolved, // the words do not say which move: not judged
        Letter,     // the continuation at the labelled point `letter`
        Tenuki,     // the tenuki continuation (脱先)
        OwnMove,    // the node's own move, at the position before it
    };
    Target target = Target::Unresolved;
    char letter = 0;
    std::string word; // 最常见 or 最流行, GBK
};

// Reading of those claims, conservative like the lead clause: a claim is read
// within its sentence or clause (up to 。；：！？ or a line break). The last
// capital letter before the claim word names it ("黑A位托最常见"); without
// one, 脱先 before it names the tenuki ("黑脱先最常见"); without either, a
// letter after it ("最常见的是B位"). A lead sentence that starts with the
// mover and names neither speaks of the node's own move ("白点三三，现代最流行
// 的下法"). A negated claim ("不是最常见") is not judged.
namespace popularity {

// Every claim of a GBK comment on a move of `colour` (kBlack or kWhite), in order.
std::vector<PopularityClaim> claims(std::string_view comment, std::int8_t colour);

} // namespace popularity

} // namespace joseki::pack
