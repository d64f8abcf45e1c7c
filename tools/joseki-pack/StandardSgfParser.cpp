#include "StandardSgfParser.h"

#include <algorithm>
#include <limits>

namespace joseki::pack {

namespace {

constexpr std::size_t kNoNode = std::numeric_limits<std::size_t>::max();

bool isWhitespace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLetter(char c) { return isUpper(c) || (c >= 'a' && c <= 'z'); }

// Walks the text once, building one game tree at a time. Variations are
// handled with a stack of the nodes they hang from.
class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    // Where the next game tree at or after `from` opens: a "(" followed, after
    // optional whitespace, by ";" or by a property (the first node written
    // without its ";"). npos when there is none.
    std::size_t findGameTree(std::size_t from) const
    {
        for (std::size_t open = text_.find('(', from); open != std::string_view::npos;
             open = text_.find('(', open + 1)) {
            const std::size_t p = skipWhitespaceFrom(open + 1);
            if (p < text_.size() && (text_[p] == ';' || startsProperty(p)))
                return open;
        }
        return std::string_view::npos;
    }

    // Reads the game tree whose "(" is at `open` into `tree`; afterwards
    // position() is just past its closing ")".
    bool readTree(std::size_t open, SgfTree& tree, bool& openedWithoutSemicolon, std::string& error)
    {
        tree.nodes.clear();
        tree_ = &tree;
        pos_ = open;
        std::vector<std::size_t> attach;
        std::size_t current = kNoNode;
        for (;;) {
            skipWhitespace();
            if (pos_ >= text_.size())
                return failAt(pos_, "the game tree is not closed", error);
            const char c = text_[pos_];
            if (c == '(') {
                attach.push_back(current);
                ++pos_;
            } else if (c == ';') {
                ++pos_;
                if (!startNode(current, error) || !readProperties(current, error))
                    return false;
            } else if (isLetter(c) && tree.nodes.empty() && attach.size() == 1) {
                // Some archives open a game tree with "(" and the root's properties.
                openedWithoutSemicolon = true;
                if (!startNode(current, error) || !readProperties(current, error))
                    return false;
            } else if (c == ')') {
                if (attach.empty())
                    return failAt(pos_, "unbalanced ')'", error);
                current = attach.back();
                attach.pop_back();
                ++pos_;
                if (attach.empty())
                    return true;
            } else {
                return failAt(pos_, std::string("unexpected character '") + c + "'", error);
            }
        }
    }

    std::size_t position() const { return pos_; }

    bool failAt(std::size_t position, const std::string& problem, std::string& error) const
    {
        const std::size_t end = std::min(position, text_.size());
        const auto line = std::count(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(end), '\n') + 1;
        error = "line " + std::to_string(line) + ": " + problem;
        return false;
    }

private:
    std::size_t skipWhitespaceFrom(std::size_t p) const
    {
        while (p < text_.size() && isWhitespace(text_[p]))
            ++p;
        return p;
    }

    // A property identifier at `p`, followed after optional whitespace by "[".
    bool startsProperty(std::size_t p) const
    {
        if (p >= text_.size() || !isLetter(text_[p]))
            return false;
        while (p < text_.size() && isLetter(text_[p]))
            ++p;
        p = skipWhitespaceFrom(p);
        return p < text_.size() && text_[p] == '[';
    }

    void skipWhitespace() { pos_ = skipWhitespaceFrom(pos_); }

    bool startNode(std::size_t& current, std::string& error)
    {
        if (current == kNoNode && !tree_->nodes.empty())
            return failAt(pos_ - 1, "a variation without a node before it", error);
        tree_->nodes.emplace_back();
        const std::size_t index = tree_->nodes.size() - 1;
        if (current != kNoNode)
            tree_->nodes[current].children.push_back(index);
        current = index;
        return true;
    }

    bool readProperties(std::size_t node, std::string& error)
    {
        for (;;) {
            skipWhitespace();
            if (pos_ >= text_.size() || !isLetter(text_[pos_]))
                return true;
            SgfProperty property;
            // Old files spell identifiers with lower-case letters around the
            // upper-case ones ("AddBlack"); only the capitals count.
            while (pos_ < text_.size() && isLetter(text_[pos_])) {
                if (isUpper(text_[pos_]))
                    property.identifier += text_[pos_];
                ++pos_;
            }
            skipWhitespace();
            if (pos_ >= text_.size() || text_[pos_] != '[')
                return failAt(pos_, "property " + property.identifier + " without a value", error);
            while (pos_ < text_.size() && text_[pos_] == '[') {
                std::string value;
                if (!readValue(value, error))
                    return false;
                property.values.push_back(std::move(value));
                skipWhitespace();
            }
            if (!property.identifier.empty())
                tree_->nodes[node].properties.push_back(std::move(property));
        }
    }

    // With pos_ on "[": the value up to its closing "]", escapes resolved.
    bool readValue(std::string& value, std::string& error)
    {
        const std::size_t start = pos_++;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == ']')
                return true;
            if (c != '\\') {
                value += c;
                continue;
            }
            if (pos_ >= text_.size())
                break;
            const char next = text_[pos_++];
            if (next == '\r' || next == '\n') {
                // A soft line break: the break itself, as CR, LF, CRLF or LFCR, goes away.
                const char pair = next == '\r' ? '\n' : '\r';
                if (pos_ < text_.size() && text_[pos_] == pair)
                    ++pos_;
            } else {
                value += next;
            }
        }
        return failAt(start, "a value that is never closed", error);
    }

    std::string_view text_;
    SgfTree* tree_ = nullptr;
    std::size_t pos_ = 0;
};

} // namespace

std::string StandardSgfParser::findCharset(std::string_view raw)
{
    for (std::size_t at = raw.find("CA"); at != std::string_view::npos; at = raw.find("CA", at + 1)) {
        if (at > 0 && isLetter(raw[at - 1]))
            continue;
        std::size_t p = at + 2;
        while (p < raw.size() && isWhitespace(raw[p]))
            ++p;
        if (p >= raw.size() || raw[p] != '[')
            continue;
        const std::size_t close = raw.find(']', p);
        if (close == std::string_view::npos)
            return {};
        std::string charset(raw.substr(p + 1, close - p - 1));
        charset.erase(std::remove_if(charset.begin(), charset.end(), [](char c) { return isWhitespace(c); }),
                      charset.end());
        return charset;
    }
    return {};
}

bool StandardSgfParser::parse(std::string_view text, std::size_t wanted, SgfCollection& collection, std::string& error)
{
    collection = SgfCollection{};
    Parser parser(text);
    std::size_t open = parser.findGameTree(0);
    if (open == std::string_view::npos)
        return parser.failAt(text.size(), "no game tree found", error);
    SgfTree skipped;
    bool skippedOpenedWithoutSemicolon = false;
    for (; open != std::string_view::npos; open = parser.findGameTree(parser.position())) {
        const bool chosen = collection.treeCount + 1 == wanted;
        std::string problem;
        const bool read = chosen ? parser.readTree(open, collection.tree, collection.openedWithoutSemicolon, problem)
                                 : parser.readTree(open, skipped, skippedOpenedWithoutSemicolon, problem);
        if (!read) {
            if (collection.treeCount < wanted) {
                error = problem;
                return false;
            }
            collection.unreadable = problem;
            break;
        }
        ++collection.treeCount;
    }
    if (collection.treeCount < wanted) {
        error = "there is no game tree " + std::to_string(wanted) + ": the file holds " +
                std::to_string(collection.treeCount);
        return false;
    }
    return true;
}

} // namespace joseki::pack
