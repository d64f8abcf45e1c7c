#pragma once

#include "library/LibraryLoader.h"
#include "tests/controller/FakeBrowserView.h"
#include "tests/support/RecordingMessageService.h"
#include "ui/controller/BrowserController.h"

#include <gtest/gtest.h>

#include <memory>

namespace joseki::test {

// The browsing tree most controller tests walk, as a library text:
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
inline constexpr const char* kBrowsingLibrary = "(;;B[dd];W[fc];B[cf]C[C comment];W[cc]N[D name]"
                                                "(;B[dc];W[ec]C[F comment]N[end])"
                                                "(;B[cd];W[tt];B[kk]))";

// A library load that reads the text as start-up reads the container's.
inline BrowserController::LibraryLoad libraryLoad(const char* library)
{
    return [library](JosekiEngine& engine) { loadLibraryText(engine, library); };
}

// Points of the tree's moves, for stepping by click.
inline constexpr Point kPointE1{3, 2};
inline constexpr Point kPointE2{2, 3};

// A controller on the fake view, started up with a library text.
class ControllerTest : public ::testing::Test {
protected:
    explicit ControllerTest(const char* library = kBrowsingLibrary)
        : controller(view, view, messages, libraryLoad(library))
    {}

    // Dialog initialisation and the first timer tick.
    void startUp()
    {
        controller.initialise();
        controller.completeStartup();
    }

    // Walks from the root with ">" until the cursor has several children.
    void walkToBranch()
    {
        while (controller.engine().candidateCount == 1)
            controller.onNext();
    }

    FakeBrowserView view;
    RecordingMessageService messages;
    BrowserController controller;
};

} // namespace joseki::test
