#include "core/VariationNode.h"

#include <cstring>
#include <vector>

namespace joseki {

OwnedText makeText(const char* bytes, std::size_t n)
{
    OwnedText text(new char[n + 1]);
    if (n > 0)
        std::memcpy(text.get(), bytes, n);
    text[n] = '\0';
    return text;
}

NodeMark::~NodeMark()
{
    NodeMark* rest = next;
    while (rest != nullptr) {
        NodeMark* following = rest->next;
        rest->next = nullptr; // so its own destructor has nothing to walk
        delete rest;
        rest = following;
    }
}

VariationNode::~VariationNode()
{
    // Detach every owned node onto an explicit stack before deleting it, so each
    // delete sees a node without children and the depth of the tree never
    // becomes depth of the call stack.
    std::vector<VariationNode*> pending;
    if (firstChild != nullptr)
        pending.push_back(firstChild);
    if (nextSibling != nullptr)
        pending.push_back(nextSibling);
    firstChild = nullptr;
    nextSibling = nullptr;
    while (!pending.empty()) {
        VariationNode* node = pending.back();
        pending.pop_back();
        if (node->firstChild != nullptr)
            pending.push_back(node->firstChild);
        if (node->nextSibling != nullptr)
            pending.push_back(node->nextSibling);
        node->firstChild = nullptr;
        node->nextSibling = nullptr;
        delete node;
    }
    delete marks;
}

void VariationNode::appendMark(NodeMark* mark)
{
    if (marks == nullptr)
        marks = mark;
    else
        lastMark->next = mark;
    lastMark = mark;
}

} // namespace joseki
