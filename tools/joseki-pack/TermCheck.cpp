#include "TermCheck.h"

#include <algorithm>
#include <array>

namespace joseki::pack::terms {

namespace {

constexpr std::string_view kKnight = "飞";
constexpr std::string_view kLargeKnight = "大飞";
constexpr std::string_view kKnightPress = "飞压";
constexpr std::string_view kJump = "跳";
constexpr std::string_view kDiagonal = "尖";
constexpr std::string_view kDiagonalButt = "尖顶";
constexpr std::string_view kDiagonalPush = "尖冲";
constexpr std::string_view kShoulderHit = "肩冲";
constexpr std::string_view kCapture = "提";
constexpr std::string_view kAtari = "打";
constexpr std::string_view kAtariWord = "打吃";
constexpr std::string_view kPush = "冲";
constexpr std::string_view kConnect = "粘";
constexpr std::string_view kExtend = "长";
constexpr std::string_view kDescend = "立";

// Words in which a term's character means something else.
constexpr std::string_view kNumberedJump = "一二三四五两大";
constexpr std::string_view kCaptureCompounds = "前出醒示高供";
constexpr std::string_view kPushCompounds = "肩尖";
constexpr std::string_view kDescendAfter = "建成独确树对孤设";
constexpr std::string_view kDescendBefore = "即刻体";
// 靠近 and 靠拢 only say "close to".
constexpr std::string_view kAttach = "靠";
constexpr std::string_view kAttachBefore = "近拢";

// Contact terms: the move must touch an opponent stone.
constexpr std::array<std::string_view, 7> kContactTerms = {"托", "靠", "碰", "扳", "冲", "挤", "顶"};
// Terms of a move from an own stone next to it (粘 may also join a diagonal one).
constexpr std::array<std::string_view, 5> kNeighbourTerms = {"长", "立", "爬", "退", "粘"};
// Terms of moves that never touch an opponent stone.
constexpr std::array<std::string_view, 3> kDistantTerms = {"跳", "镇", "肩冲"};

const char* const kInContact = " for a move in contact with an opponent stone";

const char* sideInEnglish(Edge edge)
{
    switch (edge) {
    case Edge::Top:
        return "upper side";
    case Edge::Right:
        return "right side";
    case Edge::Bottom:
        return "lower side";
    case Edge::Left:
        return "left side";
    }
    return "";
}

// The plain term's occurrences: 冲 not inside 肩冲 or 尖冲, 立 not inside 建立 or 立即, 靠 not inside 靠近.
bool namesPlain(const LeadClause& clause, std::string_view term)
{
    if (term == kPush)
        return clause.names(term, kPushCompounds);
    if (term == kDescend)
        return clause.names(term, kDescendAfter, kDescendBefore);
    if (term == kAttach)
        return clause.names(term, {}, kAttachBefore);
    return clause.names(term);
}

void checkKnights(const LeadClause& clause, const MoveShape& shape, std::vector<std::string>& out)
{
    const bool large = clause.names(kLargeKnight);
    const bool plain = clause.names(kKnight, "大");
    const bool press = clause.contains(kKnightPress);
    if ((large || plain) && shape.inContact() && !press)
        out.push_back(std::string(large ? kLargeKnight : kKnight) + kInContact);
    if (clause.relative())
        return;
    if (plain && !large && shape.ownKnight.empty() && !press)
        out.push_back(std::string(kKnight) + " for a move at no knight's distance from an own stone");
    if (large && shape.ownLargeKnight.empty())
        out.push_back(std::string(kLargeKnight) + " for a move at no large knight's distance from an own stone");
}

void checkDistanceTerms(const LeadClause& clause, const MoveShape& shape, std::vector<std::string>& out)
{
    for (const std::string_view term : kDistantTerms)
        if (shape.inContact() && clause.names(term))
            out.push_back(std::string(term) + kInContact);
    if (clause.relative())
        return;
    if (clause.names(kJump, kNumberedJump) && shape.ownJump.empty())
        out.push_back(std::string(kJump) + " for a move at no one-space jump from an own stone");
    const bool diagonalCompound = clause.contains(kDiagonalButt) || clause.contains(kDiagonalPush);
    if (clause.names(kDiagonal) && !diagonalCompound && shape.ownDiagonal.empty())
        out.push_back(std::string(kDiagonal) + " for a move diagonal to no own stone");
}

void checkContactTerms(const LeadClause& clause, const MoveShape& shape, std::vector<std::string>& out)
{
    if (!shape.inContact())
        for (const std::string_view term : kContactTerms)
            if (namesPlain(clause, term))
                out.push_back(std::string(term) + " for a move that touches no opponent stone");
    if (clause.names(kShoulderHit) && shape.opponentDiagonal.empty() && !shape.inContact())
        out.push_back(std::string(kShoulderHit) + " for a move diagonal to no opponent stone");
}

void checkNeighbourTerms(const LeadClause& clause, const MoveShape& shape, std::vector<std::string>& out)
{
    if (!shape.ownAdjacent.empty())
        return;
    for (const std::string_view term : kNeighbourTerms) {
        if (!namesPlain(clause, term) || (term == kConnect && !shape.ownDiagonal.empty()))
            continue;
        if (term == kExtend && shape.hane)
            out.push_back(std::string(term) +
                          " for a hane: diagonal to an own stone, touching the opponent stone beside it");
        else
            out.push_back(std::string(term) + " for a move next to no own stone");
    }
}

void checkCapturesAndAtaris(const LeadClause& clause, const MoveShape& shape, std::vector<std::string>& out)
{
    if (clause.names(kCapture, {}, kCaptureCompounds) && shape.captures == 0)
        out.push_back(std::string(kCapture) + " where nothing is captured");
    if ((clause.names(kAtariWord) || clause.endsWith(kAtari)) && shape.ataris == 0)
        out.push_back(std::string(kAtari) + " for a move that leaves no opponent group in atari");
}

void checkLines(const LeadClause& clause, const MoveShape& shape, std::vector<std::string>& out)
{
    const std::vector<Edge> named = clause.sidesNamed();
    for (const int line : clause.lines()) {
        bool fits = false;
        for (const Edge edge : named.empty() ? std::vector<Edge>(kAllEdges.begin(), kAllEdges.end()) : named)
            fits = fits || shape.lineFrom(edge) == line;
        if (fits)
            continue;
        const int actual = named.size() == 1 ? shape.lineFrom(named.front()) : shape.line();
        out.push_back(std::string(shape::lineWord(line)) + " for a move on line " + std::to_string(actual));
    }
}

void checkSides(const LeadClause& clause, const MoveShape& shape, std::vector<std::string>& out)
{
    for (const Edge edge : clause.placedOn())
        if (shape::clearlyOffSide(shape, edge))
            out.push_back(std::string(shape::sideWord(edge)) + " for a move on the " +
                          sideInEnglish(shape::nearestEdge(shape)));
}

} // namespace

std::vector<std::string> contradictions(const LeadClause& clause, const MoveShape& shape)
{
    std::vector<std::string> out;
    checkKnights(clause, shape, out);
    checkDistanceTerms(clause, shape, out);
    checkContactTerms(clause, shape, out);
    checkNeighbourTerms(clause, shape, out);
    checkCapturesAndAtaris(clause, shape, out);
    checkLines(clause, shape, out);
    checkSides(clause, shape, out);
    return out;
}

} // namespace joseki::pack::terms
