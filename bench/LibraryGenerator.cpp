#include "bench/LibraryGenerator.h"

#include "core/TrialBoard.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace joseki::bench {

namespace {

// Room kept for the closing brackets of every open variation.
constexpr std::size_t kClosingReserve = 4096;
constexpr int kMinSegment = 3;
constexpr int kMaxSegment = 12;
constexpr int kMaxBranchLevels = 9;
constexpr int kTopLevelLines = 20;
constexpr int kMaxChildren = 4;
constexpr int kCornerSpan = 9;
constexpr int kBranchPercent = 18;
constexpr int kTenukiPercent = 4;
constexpr int kNamePercent = 2;
constexpr int kPlacementTries = 24;
constexpr int kBoardLast = kBoardSize - 1;

// A small deterministic generator: the same numbers on every platform.
class Random {
public:
    explicit Random(std::uint32_t seed) : state_(seed == 0 ? 1 : seed) {}
    std::uint32_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }
    bool percent(int p) { return below(100) < p; }

private:
    std::uint32_t state_;
};

const std::array<const char*, 8> kPhrases = {
    "此处双方各有所得，形成两分。",     "黑棋取得实地，白棋获得外势。", "白棋抢先占据大场，局面平稳。",
    "这是实战中常见的应对，值得记住。", "若贪吃角部，则外面将被封锁。", "黑棋的选择取决于周围的配置。",
    "白棋可以脱先他投，保留变化。",     "此后双方都应注意棋形的弱点。",
};
constexpr int kPhrasesPerBranch = 3;
const std::array<const char*, 4> kNames = {"星位定式", "小目定式", "三三定式", "高目定式"};

struct Frame {
    TrialBoard board; // the position reached so far on this line
    int turn = 0;     // moves of the line so far, tenuki included
    int corner = 0;
    int level = 0; // branch points passed on the way here
};

std::string pointText(int col, int row) { return {static_cast<char>('a' + col), static_cast<char>('a' + row)}; }

// Maps a point of the upper-right corner region to one of the four corners.
void toCorner(int corner, int& col, int& row)
{
    if (corner == 1 || corner == 2)
        row = kBoardLast - row;
    if (corner == 2 || corner == 3)
        col = kBoardLast - col;
}

class Writer {
public:
    Writer(std::size_t bytes, std::uint32_t seed) : limit_(bytes), random_(seed) {}

    std::string run()
    {
        text_ = "(;C[这是一个用于测试性能的定式库。]";
        // Each top-level variation is one corner opening; depth-first with an
        // explicit stack so the text never nests deeper than the lines do.
        for (int line = 0; line < kTopLevelLines && text_.size() + kClosingReserve < limit_; ++line) {
            Frame start;
            start.corner = random_.below(4);
            start.board.restart();
            writeVariation(start);
        }
        text_ += ")";
        // Pad with whitespace the reader skips, to the exact size.
        if (text_.size() < limit_)
            text_.insert(text_.size() - 1, std::string(limit_ - text_.size(), '\n'));
        return text_;
    }

private:
    struct Pending {
        Frame frame;
        std::vector<int> firstMoves; // point index of each variation's first move, or -1
        std::size_t opened = 0;      // variations opened so far
        bool open = false;           // a "(" of this level awaits its ")"
    };

    void writeVariation(const Frame& first)
    {
        std::vector<Pending> stack;
        stack.push_back({first, {-1}, 0, false});
        while (!stack.empty()) {
            Pending& top = stack.back();
            if (top.open) {
                text_ += ")";
                top.open = false;
            }
            if (top.opened == top.firstMoves.size() || text_.size() + kClosingReserve >= limit_) {
                stack.pop_back();
                continue;
            }
            const int firstMove = top.firstMoves[top.opened++];
            top.open = true;
            Frame frame = top.frame;
            text_ += "(";
            std::vector<int> branches = writeLine(frame, firstMove);
            if (!branches.empty())
                stack.push_back({frame, std::move(branches), 0, false});
        }
    }

    // Writes the nodes of one line, the first at firstMove when that is a
    // point index; returns the first moves of the variations that follow it
    // (none at a leaf).
    std::vector<int> writeLine(Frame& frame, int firstMove)
    {
        const int length = kMinSegment + random_.below(kMaxSegment - kMinSegment + 1);
        for (int i = 0; i < length; ++i) {
            writeMove(frame, i == 0 ? firstMove : -1, i == 0);
            if (i + 1 >= kMinSegment && frame.level < kMaxBranchLevels && random_.percent(kBranchPercent)) {
                ++frame.level;
                std::vector<int> branches = branchHere(frame);
                if (branches.size() > 1)
                    return branches;
            }
        }
        text_ += "C[";
        text_ += kPhrases[static_cast<std::size_t>(random_.below(static_cast<int>(kPhrases.size())))];
        text_ += "两分。]";
        return {};
    }

    // Picks distinct empty points for the variations of a branch and labels
    // them A, B, C... in the comment's order.
    std::vector<int> branchHere(const Frame& frame)
    {
        const int wanted = 2 + random_.below(kMaxChildren - 1);
        std::vector<int> points;
        for (int attempt = 0; attempt < kPlacementTries && static_cast<int>(points.size()) < wanted; ++attempt) {
            int col = kBoardLast - random_.below(kCornerSpan);
            int row = random_.below(kCornerSpan);
            toCorner(frame.corner, col, row);
            const int index = pointIndex(col, row);
            if (frame.board.position.at(col, row) == kEmpty &&
                std::find(points.begin(), points.end(), index) == points.end())
                points.push_back(index);
        }
        if (points.size() < 2)
            return {};
        text_ += "C[";
        for (int i = 0; i < kPhrasesPerBranch; ++i)
            text_ += kPhrases[static_cast<std::size_t>(random_.below(static_cast<int>(kPhrases.size())))];
        text_ += "]LB[";
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (i > 0)
                text_ += "][";
            text_ += pointText(points[i] / kBoardSize, points[i] % kBoardSize) + ":" + static_cast<char>('A' + i);
        }
        text_ += "]";
        return points;
    }

    void writeMove(Frame& frame, int forcedPoint, bool firstOfLine)
    {
        const char colour = frame.turn % 2 == 0 ? 'B' : 'W';
        ++frame.turn;
        text_ += ";";
        text_ += colour;
        if (forcedPoint < 0 && !firstOfLine && random_.percent(kTenukiPercent)) {
            text_ += "[tt]";
            return;
        }
        // Each move starts a fresh trial from the current position, coloured
        // like the line's move; a refused move then leaves the position as it was.
        frame.board.startBoard = frame.board.position.board;
        frame.board.baseStoneCount = frame.turn - 1;
        frame.board.restart();
        for (int attempt = 0; attempt < kPlacementTries; ++attempt) {
            int col = kBoardLast - random_.below(kCornerSpan);
            int row = random_.below(kCornerSpan);
            toCorner(frame.corner, col, row);
            if (forcedPoint >= 0) {
                col = forcedPoint / kBoardSize;
                row = forcedPoint % kBoardSize;
            }
            if (frame.board.position.at(col, row) != kEmpty)
                continue;
            BoardPosition book = frame.board.position;
            frame.board.play(col, row);
            if (frame.board.moveCount == 0)
                continue; // refused: suicide
            // The browser's book board applies its own capture order: keep
            // only moves where it agrees with ordinary play.
            int counter = 0;
            book.placeBookStone(col, row, colour == 'B' ? kBlack : kWhite, counter);
            if (book.board != frame.board.position.board) {
                frame.board.restart();
                continue;
            }
            text_ += "[" + pointText(col, row) + "]";
            if (random_.percent(kNamePercent))
                text_ += std::string("N[") + kNames[static_cast<std::size_t>(frame.corner)] + "]";
            return;
        }
        text_ += "[tt]"; // the corner is full: play elsewhere
    }

    std::size_t limit_;
    Random random_;
    std::string text_;
};

} // namespace

std::string generateLibrary(std::size_t bytes, std::uint32_t seed) { return Writer(bytes, seed).run(); }

} // namespace joseki::bench
