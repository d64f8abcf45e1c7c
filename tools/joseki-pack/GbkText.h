#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace joseki::pack {

// Character-set work of the tool: GBK library texts shown as UTF-8, and
// standard SGF texts in any character set brought into GBK.
class GbkText {
public:
    // GBK bytes as UTF-8 for a terminal line: CR and LF written as "\r" and
    // "\n"; a byte that starts no valid character (a cut double-byte character
    // at the end of an excerpt, say) becomes U+FFFD.
    static std::string toDisplayUtf8(std::string_view gbk);

    // Bytes in `charset` as UTF-8. Undecodable bytes become U+FFFD and are
    // counted in `replaced`. False when the character set is unknown.
    static bool decodeToUtf8(std::string_view bytes, const std::string& charset, std::string& utf8,
                             std::size_t& replaced);

    // UTF-8 as GBK; a character GBK cannot hold becomes "?" and is counted in
    // `replaced`, its code point noted in `firstReplaced` when that is still empty.
    static std::string utf8ToGbk(std::string_view utf8, std::size_t& replaced, std::string& firstReplaced);

    // Length of the GBK character starting at `text[i]` (1 or 2).
    static std::size_t characterLength(std::string_view text, std::size_t i);
};

} // namespace joseki::pack
