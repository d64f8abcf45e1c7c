#pragma once

#include "core/JosekiEngine.h"
#include "core/PositionIndex.h"
#include "library/LibraryLoader.h"
#include "tests/support/BookPaths.h"
#include "tests/support/RecordingMessageService.h"

#include <initializer_list>

namespace joseki::test {

// A small book with known verdicts, in the upper-left corner so the diagrams
// of the tests show it (points as the board names them, SGF letters after):
//
//   root "练习库"
//   ├ B D16 dd "星位"
//   │ ├ W C14 cf "小飞挂"
//   │ │ ├ B F17 fc "小飞守角" ── W C12 ch "拆二，两分。【定式】"
//   │ │ └ B C11 ci "一间低夹" ── W C17 cc ── B C16 cd ── W D17 dc ── B E17 ec "黑取外势。【变化】"
//   │ └ W C17 cc "【骗着】白直接点三三。" ── B D17 dc "黑挡，正确。" ── W C16 cd ── B D15 de "白被封锁。【骗着】"
//   ├ B F17 fc ── W C14 cf ── B D16 dd "另一种次序" ─┬ W C12 ch "同形。【定式】"
//   │                                                └ W D11 di "白稍薄。【变化】"
//   ├ B Q16 pd ── W R14 qf "右上角"                  (the approach of the first line, mirrored)
//   └ W D4 dp ── B C6 cn "黑白互换"                  (the approach again, mirrored, colours exchanged)
inline constexpr const char* kPracticeBook =
    "(;C[练习库]"
    "(;B[dd]C[星位]"
    "(;W[cf]C[小飞挂]"
    "(;B[fc]C[小飞守角];W[ch]C[拆二，两分。【定式】])"
    "(;B[ci]C[一间低夹];W[cc];B[cd];W[dc];B[ec]C[黑取外势。【变化】]))"
    "(;W[cc]C[【骗着】白直接点三三。];B[dc]C[黑挡，正确。];W[cd];B[de]C[白被封锁。【骗着】]))"
    "(;B[fc];W[cf];B[dd]C[另一种次序](;W[ch]C[同形。【定式】])(;W[di]C[白稍薄。【变化】]))"
    "(;B[pd];W[qf]C[右上角])"
    "(;W[dp];B[cn]C[黑白互换]))";

// The practice book read and indexed.
struct IndexedPracticeBook {
    IndexedPracticeBook()
    {
        loadLibraryText(engine, kPracticeBook);
        index.build(engine.root);
    }

    // The node reached by moves in SGF letters.
    const VariationNode* at(std::initializer_list<const char*> moves) const { return nodeAt(engine.root, moves); }

    RecordingMessageService messages;
    JosekiEngine engine{messages};
    PositionIndex index;
};

} // namespace joseki::test
