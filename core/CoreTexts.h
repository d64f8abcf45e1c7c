#pragma once

// The model's texts (GBK), in one table: the only file of this layer that
// holds non-ASCII text, so it alone needs the compiler's GBK treatment.
namespace joseki::coreTexts {

extern const char* const kBadBranchInfo;   // branch information that breaks its syntax
extern const char* const kTooManyBranches; // more than 20 labels or children
extern const char* const kIllegalStone;    // a move colour other than B, b, W, w

} // namespace joseki::coreTexts
