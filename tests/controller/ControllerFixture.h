#pragma once

#include "tests/controller/FakeBrowserView.h"
#include "tests/support/RecordingMessageService.h"
#include "ui/BrowserController.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace joseki::test {

// Appends a child at the end of the parent's children.
inline VariationNode* addChild(VariationNode* parent, char color, int col, int row, const char* comment = nullptr,
                               const char* name = nullptr)
{
    auto* node = new VariationNode;
    node->color = color;
    node->col = static_cast<std::uint8_t>(col);
    node->row = static_cast<std::uint8_t>(row);
    if (comment != nullptr)
        node->comment = makeText(comment, std::strlen(comment));
    if (name != nullptr)
        node->name = makeText(name, std::strlen(name));
    node->parent = parent;
    VariationNode** slot = &parent->firstChild;
    while (*slot != nullptr)
        slot = &(*slot)->nextSibling;
    *slot = node;
    return node;
}

// The browsing tree most controller tests walk:
//
//   root
//    A  B(3,3)                      no text
//    B  W(5,2)
//    C  B(2,5)   comment "C comment"
//    D  W(2,2)   name "D name"      branch point
//    ├ E1 B(3,2)                    no text
//    │  F  W(4,2) "F comment"/"end" leaf
//    └ E2 B(2,3)
//       G  W tenuki (19,19)
//       H  B(10,10)                 leaf
inline VariationNode* buildBrowsingTree()
{
    auto* root = new VariationNode;
    VariationNode* a = addChild(root, 'B', 3, 3);
    VariationNode* b = addChild(a, 'W', 5, 2);
    VariationNode* c = addChild(b, 'B', 2, 5, "C comment");
    VariationNode* d = addChild(c, 'W', 2, 2, nullptr, "D name");
    VariationNode* e1 = addChild(d, 'B', 3, 2);
    addChild(e1, 'W', 4, 2, "F comment", "end");
    VariationNode* e2 = addChild(d, 'B', 2, 3);
    VariationNode* g = addChild(e2, 'W', kNoMove, kNoMove);
    addChild(g, 'B', 10, 10);
    return root;
}

// Points of the tree's moves, for stepping by click.
inline constexpr Point kPointE1{3, 2};
inline constexpr Point kPointE2{2, 3};

// A controller on the fake view, started up with a tree from the builder.
class ControllerTest : public ::testing::Test {
protected:
    using TreeFactory = VariationNode* (*)();

    explicit ControllerTest(TreeFactory factory = &buildBrowsingTree)
        : controller(view, messages, [factory](JosekiEngine& engine) {
              engine.adoptRoot(factory());
              engine.resetToRoot();
          })
    { }

    // Dialog initialisation and the first timer tick.
    void startUp()
    {
        controller.initialise();
        controller.completeStartup();
    }

    // Walks from the root with ">" until the cursor has several children.
    void walkToBranch()
    {
        while (controller.engine.candidateCount == 1)
            controller.onNext();
    }

    FakeBrowserView view;
    RecordingMessageService messages;
    BrowserController controller;
};

} // namespace joseki::test
