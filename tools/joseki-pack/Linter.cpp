#include "Linter.h"

#include "FrequencyRules.h"
#include "GbkCharacters.h"
#include "LabelRules.h"
#include "LeadClause.h"
#include "LineWalk.h"
#include "MirrorFinder.h"
#include "MovePaths.h"
#include "MoveShape.h"
#include "PopularityClaim.h"
#include "TermCheck.h"

#include "core/Coordinates.h"
#include "core/Rules.h"
#include "core/Symmetry.h"
#include "core/VariationNode.h"

#include <algorithm>

namespace joseki::pack {

namespace {

// The frequency tree was made from moves inside the 10x10 upper-right corner;
// others count as tenuki.
constexpr int kCornerLines = 10;
constexpr int kCornerFirstCol = kBoardSize - kCornerLines;
constexpr int kCornerLastRow = kCornerLines - 1;

bool inCorner(Point p) { return onBoard(p) && p.col >= kCornerFirstCol && p.row <= kCornerLastRow; }

std::string moveName(char colour, Point move) { return MovePaths::moveName(colour, move); }

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

std::string gamesText(std::uint32_t games, std::uint32_t total)
{
    return std::to_string(games) + " of " + std::to_string(total) + " games";
}

// The corner position after a move, with the side to move after it.
PositionKey cornerAfter(Stones& corner, PositionKey key, std::int8_t colour, Point move)
{
    if (inCorner(move)) {
        const Stones before = corner;
        if (rules::playMove(corner, move.col, move.row, colour).verdict == rules::Verdict::Played)
            key.update(before, corner);
    }
    key.setToMove(opponentOf(colour));
    return key;
}

} // namespace

Linter::Linter(const VariationNode* root, const FrequencyTree* frequencies) : root_(root), frequencies_(frequencies) {}

std::vector<std::string> Linter::run()
{
    paths_.clear();
    line_.clear();
    findings_.clear();
    symmetricBranches_.clear();
    walkLines(root_, LineState{},
              [this](const VariationNode& node, std::size_t depth, LineState& state) { visit(node, depth, state); });
    checkMirrors();
    std::stable_sort(findings_.begin(), findings_.end(),
                     [](const Finding& a, const Finding& b) { return a.record < b.record; });
    std::vector<std::string> lines;
    lines.reserve(findings_.size());
    std::string path;
    for (std::size_t i = 0; i < findings_.size(); ++i) {
        // Findings of one node come together and share its path.
        if (i == 0 || findings_[i].record != findings_[i - 1].record)
            path = paths_.name(findings_[i].record);
        lines.push_back(path + ": " + findings_[i].message);
    }
    return lines;
}

void Linter::visit(const VariationNode& node, std::size_t depth, LineState& state)
{
    const std::size_t record = paths_.add(depth == 0 ? MovePaths::kNoParent : line_[depth - 1].record,
                                          depth == 0 ? '\0' : node.color, {node.col, node.row});
    line_.resize(depth + 1);
    Step& step = line_[depth];
    step = Step{record, depth == 0 ? verdicts::MarksAbove{} : line_[depth - 1].marks, {}};
    const std::string comment = node.comment ? node.comment : "";
    const Verdict opening = verdicts::openingOf(comment);
    step.marks.trick = step.marks.trick || opening == Verdict::Trick;
    step.marks.mistake = step.marks.mistake || opening == Verdict::Mistake;
    const bool moves = depth > 0 && node.color != 0;
    // Only a claim about the node's own move needs the corner before it.
    const std::vector<PopularityClaim> claims = moves && frequencies_ != nullptr
                                                    ? popularity::claims(comment, stoneForColourLetter(node.color))
                                                    : std::vector<PopularityClaim>{};
    const Corner before{state.corner, state.cornerKey};
    if (moves)
        checkMove(node, state);
    checkComment(node, depth);
    if (moves && frequencies_ != nullptr) {
        checkFrequency(node, state);
        checkClaims(node, claims, before, state);
    }
    if (depth > 0 && node.firstChild == nullptr)
        checkLeaf(comment, depth);
    if (node.hasSeveralChildren() && state.board == symmetry::transformStones(state.board, mirrors::kDiagonal))
        symmetricBranches_[&node] = record;
}

void Linter::checkComment(const VariationNode& node, std::size_t depth)
{
    const std::size_t record = line_[depth].record;
    const std::string comment = node.comment ? node.comment : "";
    if (verdicts::isBlank(comment))
        add(record, "no comment");
    if (!characters::isWellFormedGbk(comment))
        add(record, "the comment holds bytes that are no GBK character");
    if (node.name && !characters::isWellFormedGbk(node.name))
        add(record, "the name holds bytes that are no GBK character");
    const bool leaf = depth > 0 && node.firstChild == nullptr;
    for (std::string& problem : verdicts::commentProblems(comment, leaf))
        add(record, std::move(problem));
    const std::string labels = node.branchInfo ? node.branchInfo : "";
    for (std::string& problem : labels::problems(labels, comment))
        add(record, std::move(problem));
}

void Linter::checkLeaf(const std::string& comment, std::size_t depth)
{
    const std::size_t record = line_[depth].record;
    for (std::string& problem : verdicts::lineProblems(comment, line_[depth - 1].marks))
        add(record, std::move(problem));
    if (frequencies_ == nullptr || verdicts::endingOf(comment) != Verdict::Joseki)
        return;
    std::string rare;
    for (std::size_t d = 0; d <= depth; ++d)
        if (!line_[d].rare.empty())
            rare += (rare.empty() ? "" : ", ") + line_[d].rare;
    if (!rare.empty())
        add(record, std::string(verdicts::markerOf(Verdict::Joseki)) +
                        " line with moves strong play rarely chooses: " + rare + "; a line strong play has left is " +
                        std::string(verdicts::markerOf(Verdict::Variation)));
}

void Linter::checkMove(const VariationNode& node, LineState& state)
{
    const std::size_t record = line_.back().record;
    const std::int8_t colour = stoneForColourLetter(node.color);
    if (state.lastColour == node.color)
        add(record, std::string("colours do not alternate: ") + node.color + " plays twice in a row");
    state.lastColour = node.color;
    ++state.moves;
    if (!node.hasMove())
        return;
    const Point move{node.col, node.row};
    if (state.board[static_cast<std::size_t>(pointIndex(move))] != kEmpty) {
        add(record, "a move to an occupied point");
        return;
    }
    const MoveShape shape = shape::classify(state.board, move, colour);
    if (rules::playMove(state.board, move.col, move.row, colour).verdict == rules::Verdict::Suicide)
        add(record, "a suicide move");
    const std::optional<LeadClause> clause = LeadClause::of(node.comment ? node.comment : "", colour);
    if (!clause.has_value())
        return;
    for (const std::string& problem : terms::contradictions(*clause, shape))
        add(record, problem + ": " + quoted(clause->text()));
}

void Linter::checkFrequency(const VariationNode& node, LineState& state)
{
    const std::int8_t colour = stoneForColourLetter(node.color);
    const Point move{node.col, node.row};
    PositionKey before = state.cornerKey;
    before.setToMove(colour);
    const PositionKey after = cornerAfter(state.corner, before, colour, move);
    state.cornerKey = after;
    const std::uint32_t games = frequencies_->gamesAt(before);
    const std::uint32_t chosen = frequencies_->gamesOf(before, after);
    if (frequency::isRare(state.moves, games, chosen))
        line_.back().rare = moveName(node.color, move) + " (" + gamesText(chosen, games) + ")";
}

void Linter::checkClaims(const VariationNode& node, const std::vector<PopularityClaim>& claims, const Corner& before,
                         const LineState& after)
{
    const std::int8_t colour = stoneForColourLetter(node.color);
    for (const PopularityClaim& claim : claims) {
        PositionKey position = after.cornerKey;
        Stones corner = after.corner;
        std::int8_t mover = opponentOf(colour);
        Point move = kNoMovePoint;
        switch (claim.target) {
        case PopularityClaim::Target::Unresolved:
            continue;
        case PopularityClaim::Target::Tenuki:
            break;
        case PopularityClaim::Target::Letter: {
            std::vector<std::string> malformed;
            move =
                labels::pointOf(labels::parse(node.branchInfo ? node.branchInfo : "", malformed), claim.letter);
            if (!onBoard(move) || after.board[static_cast<std::size_t>(pointIndex(move))] != kEmpty)
                continue;
            break;
        }
        case PopularityClaim::Target::OwnMove:
            position = before.key;
            corner = before.stones;
            mover = colour;
            move = {node.col, node.row};
            break;
        }
        position.setToMove(mover);
        const PositionKey next = cornerAfter(corner, position, mover, move);
        const std::uint32_t games = frequencies_->gamesAt(position);
        const std::uint32_t claimed = frequencies_->gamesOf(position, next);
        const std::optional<Continuation> better =
            frequency::refutation(frequencies_->continuations(position), games, next.canonical(), claimed);
        if (better.has_value())
            add(line_.back().record, claim.word + " for " + moveName(mover == kBlack ? 'B' : 'W', move) +
                                         ", chosen in " + gamesText(claimed, games) + " here, where " +
                                         coordinates::boardName(better->move) + " is chosen in " +
                                         std::to_string(better->games));
    }
}

void Linter::checkMirrors()
{
    const auto symmetric = [this](const VariationNode& node) { return symmetricBranches_.count(&node) != 0; };
    for (const MirrorPair& pair : mirrors::find(root_, symmetric))
        add(symmetricBranches_.at(pair.parent),
            "children " + moveName(pair.first->color, {pair.first->col, pair.first->row}) + " and " +
                moveName(pair.second->color, {pair.second->col, pair.second->row}) +
                " are mirror copies: one subtree is the diagonal reflection of the other");
}

void Linter::add(std::size_t record, std::string message) { findings_.push_back({record, std::move(message)}); }

} // namespace joseki::pack
