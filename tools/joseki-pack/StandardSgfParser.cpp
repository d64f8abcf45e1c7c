#include "StandardSgfParser.h"

#include <algorithm>
#include <limits>

namespace joseki::pack {

namespace {

constexpr std::size_t kNoNode = std::numeric_limits<std::size_t>::max();

bool isWhitespace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isLetter(char c) { return isUpper(c) || (c >= 'a' && c <= 'z'); }

// Walks the text once, building the tree. Variations are handled with a
// stack of the nodes they hang from.
class Parser {
public:
    Parser(std::string_view text, SgfTree& tree) : text_(text), tree_(tree) {}

    bool run(std::string& error)
    {
        pos_ = findFirstGameTree();
        if (pos_ == std::string_view::npos)
            return failAt(text_.size(), "no game tree found", error);
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

private:
    // The first "(" followed, after optional whitespace, by ";".
    std::size_t findFirstGameTree() const
    {
        for (std::size_t open = text_.find('('); open != std::string_view::npos; open = text_.find('(', open + 1)) {
            std::size_t p = open + 1;
            while (p < text_.size() && isWhitespace(text_[p]))
                ++p;
            if (p < text_.size() && text_[p] == ';')
                return open;
        }
        return std::string_view::npos;
    }

    void skipWhitespace()
    {
        while (pos_ < text_.size() && isWhitespace(text_[pos_]))
            ++pos_;
    }

    bool startNode(std::size_t& current, std::string& error)
    {
        if (current == kNoNode && !tree_.nodes.empty())
            return failAt(pos_ - 1, "a variation without a node before it", error);
        tree_.nodes.emplace_back();
        const std::size_t index = tree_.nodes.size() - 1;
        if (current != kNoNode)
            tree_.nodes[current].children.push_back(index);
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
                tree_.nodes[node].properties.push_back(std::move(property));
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

    bool failAt(std::size_t position, const std::string& problem, std::string& error) const
    {
        const std::size_t end = std::min(position, text_.size());
        const auto line = std::count(text_.begin(), text_.begin() + static_cast<std::ptrdiff_t>(end), '\n') + 1;
        error = "line " + std::to_string(line) + ": " + problem;
        return false;
    }

    std::string_view text_;
    SgfTree& tree_;
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

bool StandardSgfParser::parse(std::string_view text, SgfTree& tree, std::string& error)
{
    tree.nodes.clear();
    return Parser(text, tree).run(error);
}

} // namespace joseki::pack
