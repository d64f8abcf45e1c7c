#include "FrequencyTree.h"

#include "StandardSgfParser.h"

#include "core/Coordinates.h"
#include "core/Rules.h"
#include "core/Symmetry.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace joseki::pack {

namespace {

constexpr std::string_view kCountKey = "\"count\"";
constexpr std::size_t kFirstTree = 1;

std::uint32_t countOf(const SgfNode& node)
{
    for (const SgfProperty& property : node.properties) {
        if (property.identifier != "C" || property.values.empty())
            continue;
        const std::string& text = property.values.front();
        const std::size_t key = text.find(kCountKey);
        if (key == std::string::npos)
            return 0;
        std::size_t at = key + kCountKey.size();
        while (at < text.size() && (text[at] == ' ' || text[at] == ':' || text[at] == '\t'))
            ++at;
        std::uint64_t value = 0;
        const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), value);
        if (error != std::errc())
            return 0;
        return static_cast<std::uint32_t>(std::min<std::uint64_t>(value, std::numeric_limits<std::uint32_t>::max()));
    }
    return 0;
}

// A node's move: its colour and point (the no-move marker for tenuki, written
// "tt" or empty). False when it has no B or W, or an unreadable point.
bool moveOf(const SgfNode& node, std::int8_t& colour, Point& point)
{
    for (const SgfProperty& property : node.properties) {
        if (property.identifier != "B" && property.identifier != "W")
            continue;
        colour = stoneForColourLetter(property.identifier[0]);
        const std::string value = property.values.empty() ? std::string() : property.values.front();
        if (value.empty()) {
            point = kNoMovePoint;
            return true;
        }
        const std::optional<Point> parsed = coordinates::parseSgfName(value);
        if (!parsed.has_value())
            return false;
        point = *parsed;
        return true;
    }
    return false;
}

// The position after a node of the tree, while it is being walked.
struct Walked {
    std::size_t node;
    Stones stones;
    PositionKey key;
};

} // namespace

bool FrequencyTree::read(std::string_view sgf, std::string& error)
{
    games_.clear();
    continuations_.clear();
    SgfCollection collection;
    if (!StandardSgfParser::parse(sgf, kFirstTree, collection, error))
        return false;
    const std::vector<SgfNode>& nodes = collection.tree.nodes;
    // The root is the empty board with black to move; only the positions
    // after real moves are indexed, as only they carry counts.
    std::vector<Walked> open{{0, Stones{}, PositionKey()}};
    while (!open.empty()) {
        const Walked parent = std::move(open.back());
        open.pop_back();
        for (const std::size_t child : nodes[parent.node].children) {
            std::int8_t colour = kEmpty;
            Point point;
            if (child >= nodes.size() || !moveOf(nodes[child], colour, point))
                continue;
            Walked next{child, parent.stones, parent.key};
            if (onBoard(point) &&
                rules::playMove(next.stones, point.col, point.row, colour).verdict != rules::Verdict::Played)
                continue;
            next.key.update(parent.stones, next.stones);
            next.key.setToMove(opponentOf(colour));
            const std::uint32_t games = countOf(nodes[child]);
            addNode(next.key, games);
            if (parent.node != 0)
                addContinuation(parent.key, next.key, point, games);
            open.push_back(std::move(next));
        }
    }
    return true;
}

void FrequencyTree::addNode(const PositionKey& position, std::uint32_t games)
{
    std::uint32_t& total = games_[position.canonical()];
    total = static_cast<std::uint32_t>(
        std::min<std::uint64_t>(std::uint64_t{total} + games, std::numeric_limits<std::uint32_t>::max()));
}

void FrequencyTree::addContinuation(const PositionKey& from, const PositionKey& to, Point move, std::uint32_t games)
{
    std::vector<Continuation>& moves = continuations_[from.canonical()];
    const std::uint64_t child = to.canonical();
    for (Continuation& known : moves) {
        if (known.child == child) {
            known.games = static_cast<std::uint32_t>(
                std::min<std::uint64_t>(std::uint64_t{known.games} + games, std::numeric_limits<std::uint32_t>::max()));
            return;
        }
    }
    const bool tenuki = !onBoard(move);
    moves.push_back({child, symmetry::transform(move, from.canonicalOrientation().symmetry), games, tenuki});
}

std::uint32_t FrequencyTree::gamesAt(const PositionKey& position) const
{
    const auto found = games_.find(position.canonical());
    return found == games_.end() ? 0 : found->second;
}

std::uint32_t FrequencyTree::gamesOf(const PositionKey& position, const PositionKey& next) const
{
    const auto found = continuations_.find(position.canonical());
    if (found == continuations_.end())
        return 0;
    const std::uint64_t child = next.canonical();
    for (const Continuation& move : found->second)
        if (move.child == child)
            return move.games;
    return 0;
}

std::vector<Continuation> FrequencyTree::continuations(const PositionKey& position) const
{
    const auto found = continuations_.find(position.canonical());
    if (found == continuations_.end())
        return {};
    std::vector<Continuation> moves = found->second;
    const int back = symmetry::inverse(position.canonicalOrientation().symmetry);
    for (Continuation& move : moves)
        move.move = symmetry::transform(move.move, back);
    std::stable_sort(moves.begin(), moves.end(),
                     [](const Continuation& a, const Continuation& b) { return a.games > b.games; });
    return moves;
}

} // namespace joseki::pack
