#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace joseki::pack {

// The standard terms that name a move by its shape.
enum class ShapeTerm : std::uint8_t {
    Extend,      // 长
    Descend,     // 立
    Hane,        // 扳
    Cut,         // 断
    Connect,     // 粘
    TigerMouth,  // 虎
    Diagonal,    // 尖
    Jump,        // 跳
    Knight,      // 飞
    LargeKnight, // 大飞
    Extension,   // 拆
    Block,       // 挡
    Crawl,       // 爬
    Press,       // 压
    Undercut,    // 托
    Attach,      // 靠
    Bump,        // 碰
    Butt,        // 顶
    Pincer,      // 夹
    Approach,    // 挂
    Placement,   // 点
    Cap,         // 镇
    ShoulderHit, // 肩冲
    Atari,       // 打
    Capture,     // 提
    Push,        // 冲
    Squeeze,     // 挤
    Retreat,     // 退
};

inline constexpr std::size_t kShapeTermCount = static_cast<std::size_t>(ShapeTerm::Retreat) + 1;

// Every term, in the order above.
extern const std::array<ShapeTerm, kShapeTermCount> kAllShapeTerms;

// The term as written in a comment (GBK).
std::string_view termText(ShapeTerm term);

// A set of terms.
class ShapeTermSet {
public:
    void add(ShapeTerm term) { bits_ |= bitOf(term); }
    bool contains(ShapeTerm term) const { return (bits_ & bitOf(term)) != 0; }

private:
    static std::uint32_t bitOf(ShapeTerm term) { return std::uint32_t{1} << static_cast<unsigned>(term); }
    std::uint32_t bits_ = 0;
};

} // namespace joseki::pack
