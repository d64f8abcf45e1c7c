#include "ShapeTerm.h"

namespace joseki::pack {

namespace {

// In the order of the enumeration.
constexpr std::array<std::string_view, kShapeTermCount> kTexts = {
    "长", "立", "扳", "断", "粘", "虎", "尖", "跳", "飞",   "大飞", "拆", "挡", "爬", "压",
    "托", "靠", "碰", "顶", "夹", "挂", "点", "镇", "肩冲", "打",   "提", "冲", "挤", "退",
};

constexpr std::array<ShapeTerm, kShapeTermCount> allTerms()
{
    std::array<ShapeTerm, kShapeTermCount> terms{};
    for (std::size_t i = 0; i < kShapeTermCount; ++i)
        terms[i] = static_cast<ShapeTerm>(i);
    return terms;
}

} // namespace

const std::array<ShapeTerm, kShapeTermCount> kAllShapeTerms = allTerms();

std::string_view termText(ShapeTerm term) { return kTexts[static_cast<std::size_t>(term)]; }

} // namespace joseki::pack
