// Targets of the block navigation commands over a module's token text.
#pragma once

#include <optional>
#include <string_view>

#include "source/SourceWalker.h"

namespace skrivo {

// Each function answers where the cursor should go: a linear position in the
// token text (and so in the source), or nothing when there is no target and
// the cursor must stay. A negative cursor (position unknown) has no target.

// The other end of the pair at the cursor: begin/end, try/end, case/end,
// repeat/until, class/record/object and their end, {$ifdef}/{$endif},
// brackets, if/then and else, a loop header and its body's end.
std::optional<int> BeginEndTarget(std::string_view tokens, int cursor);

// The opening of the block or bracket that encloses the cursor.
std::optional<int> LevelUpTarget(std::string_view tokens, int cursor);

// Forward from the walker to the "end" or "until" of the block it stands in
// or opens; never the final "end." of the unit.
std::optional<int> ExecuteScanToEnd(TSourceWalker& walker);

// Forward from a "record", "class" or "object" that opens a declaration to
// its "end": nested declarations are counted, and a record's variant part
// ("case ... of") opens no block of its own.
std::optional<int> DeclarationScanToEnd(TSourceWalker& walker);

// The walker stands on "case": is it the variant part of a record rather
// than a case statement? Its first label is followed by a bracketed field list.
bool CaseIsVariantPart(const TSourceWalker& walker);

// Backward from the walker to the keyword or bracket that opens the
// enclosing block (from "end" or "until", the one that opens that block).
std::optional<int> ExecuteLevelUp(TSourceWalker& walker);

// The walker stands on "class", "object" or "interface": does it open a
// declaration that an "end" closes? Not for a forward declaration, a class
// method, a class reference, a method pointer type or a descendant declared
// without a body.
bool DeclarationOpensBlock(const TSourceWalker& walker);

}  // namespace skrivo
