#pragma once

// The model's texts (GBK), in one table: the only file of this layer that
// holds non-ASCII text, so it alone needs the compiler's GBK treatment.
namespace joseki::coreTexts {

extern const char* const kBadBranchInfo;   // branch information that breaks its syntax
extern const char* const kTooManyBranches; // more than 20 labels or children
extern const char* const kIllegalStone;    // a move colour other than B, b, W, w

// The verdict markers a comment of the library ends (a leaf) or opens (a trick or mistake move) with.
extern const char* const kJosekiMarker;    // 【定式】
extern const char* const kVariationMarker; // 【变化】
extern const char* const kTrickMarker;     // 【骗着】
extern const char* const kMistakeMarker;   // 【失着】
// The blank characters that may follow a leaf's marker: space, tab, CR, LF and the full-width space.
extern const char* const kCommentBlanks;

} // namespace joseki::coreTexts
