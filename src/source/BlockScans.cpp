// The two block walks every navigation builds on: forward to a block's end, back to its opening.
#include "source/BlockNavigation.h"
#include "source/TokenTests.h"

namespace skrivo {

namespace {

// Keywords that open a statement block closed by "end" (or "until" for repeat).
bool AtStatementOpener(const TSourceWalker& w) {
  return AtWord(w, {"begin", "repeat", "asm", "case", "try"});
}

// From a "(" after "class": true when the bracket closes and ";" follows,
// as in "EError = class(Exception);", a descendant without a body.
bool BracketEndsDeclaration(TSourceWalker w) {
  int depth = 1;
  while (depth > 0) {
    w.Next();
    if (w.Eof() || w.CurTokenIs(";")) return false;
    if (AtToken(w, {"(", "["})) ++depth;
    else if (AtToken(w, {")", "]"})) --depth;
  }
  return TokenAfter(w).CurTokenIs(";");
}

std::optional<int> BracketWalkUp(TSourceWalker& w, int open) {
  do {
    w.Prev();
    if (AtToken(w, {")", "]"})) ++open;
    else if (AtToken(w, {"(", "["})) --open;
    else if (w.CurTokenIs(";")) return std::nullopt;
  } while (open != 0 && w.Pos() > 0);
  if (open != 0) return std::nullopt;
  return w.Pos();
}

std::optional<int> KeywordWalkUp(TSourceWalker& w) {
  int open = 1;
  int nextTokenPos = w.Pos();
  do {
    w.Prev();
    if (w.AtAlpha()) {
      if (AtWord(w, {"end", "until"})) {
        ++open;
      } else if (AtStatementOpener(w)) {
        if (!w.CurTokenIs("case") || !CaseIsVariantPart(w)) --open;
      } else if (w.CurTokenIs("record")) {
        if (!w.TokenAtPosIs(nextTokenPos, ";")) --open;
      } else if (AtWord(w, {"class", "object", "interface", "dispinterface"})) {
        if (DeclarationOpensBlock(w)) --open;
      }
    }
    nextTokenPos = w.Pos();
  } while (open != 0 && w.Pos() > 0);
  if (open != 0) return std::nullopt;
  return w.Pos();
}

}  // namespace

bool DeclarationOpensBlock(const TSourceWalker& w) {
  const TSourceWalker after = TokenAfter(w);
  // "TFoo = class;" and friends only announce a declaration made later.
  if (after.CurTokenIs(";")) return false;
  const bool declaresType = TokenBeforeIs(w, "=") || TokenBeforeIs(w, "packed");
  if (w.CurTokenIs("interface") || w.CurTokenIs("dispinterface")) {
    // Without "=" before it, "interface" is the unit's section keyword.
    return declaresType && !(after.CurTokenIs("(") && BracketEndsDeclaration(after));
  }
  // "procedure of object", "function of object".
  if (TokenBeforeIs(w, "of")) return false;
  if (w.CurTokenIs("object")) return true;
  // "TFooClass = class of TFoo;" is a class reference type.
  if (after.CurTokenIs("of")) return false;
  // "class function" / "class procedure" is a class method, unless the class
  // is being declared ("TFoo = class" followed directly by a method).
  if (!declaresType && (after.CurTokenIs("function") || after.CurTokenIs("procedure"))) {
    return false;
  }
  return !(after.CurTokenIs("(") && BracketEndsDeclaration(after));
}

std::optional<int> ExecuteScanToEnd(TSourceWalker& w) {
  int open = 1;
  do {
    w.Next();
    if (!w.AtAlpha()) continue;
    if (AtWord(w, {"end", "until"})) {
      --open;
      // The final "end." of the unit closes no block a user can navigate to.
      if (w.CurTokenIs("end") && TokenAfter(w).CurTokenIs(".")) return std::nullopt;
    } else if (AtStatementOpener(w)) {
      ++open;
    }
  } while (!w.Eof() && open != 0);
  if (open != 0) return std::nullopt;
  return w.Pos();
}

bool CaseIsVariantPart(const TSourceWalker& at) {
  // The variant part's "of" and first label lie within a few tokens; the
  // cap keeps a malformed unit from being walked to its end.
  constexpr int kMaxTokens = 64;
  TSourceWalker w = at;
  bool afterOf = false;
  int depth = 0;
  for (int n = 0; n < kMaxTokens; ++n) {
    w.Next();
    if (w.Eof() || w.CurTokenIs(";") || AtWord(w, {"begin", "end"})) return false;
    if (!afterOf) {
      afterOf = AtWord(w, {"of"});
      continue;
    }
    if (AtToken(w, {"(", "["})) ++depth;
    else if (AtToken(w, {")", "]"})) --depth;
    else if (depth == 0 && w.CurTokenIs(":")) return TokenAfter(w).CurTokenIs("(");
  }
  return false;
}

std::optional<int> DeclarationScanToEnd(TSourceWalker& w) {
  int open = 1;
  do {
    w.Next();
    if (!w.AtAlpha()) continue;
    if (AtWord(w, {"end", "until"})) {
      --open;
      if (w.CurTokenIs("end") && TokenAfter(w).CurTokenIs(".")) return std::nullopt;
    } else if (AtWord(w, {"begin", "repeat", "asm", "try"})) {
      ++open;
    } else if (AtWord(w, {"case"})) {
      if (!CaseIsVariantPart(w)) ++open;
    } else if (AtWord(w, {"record"})) {
      if (!TokenAfter(w).CurTokenIs(";")) ++open;
    } else if (AtWord(w, {"class", "object", "interface", "dispinterface"})) {
      if (DeclarationOpensBlock(w)) ++open;
    }
  } while (!w.Eof() && open != 0);
  if (open != 0) return std::nullopt;
  return w.Pos();
}

std::optional<int> ExecuteLevelUp(TSourceWalker& w) {
  if (w.Pos() == 0) return std::nullopt;
  // From a closing bracket, its own pair is passed on the way to the enclosing one.
  if (AtToken(w, {")", "]"})) return BracketWalkUp(w, 2);
  if (AtToken(w, {"(", "["})) return BracketWalkUp(w, 1);
  return KeywordWalkUp(w);
}

std::optional<int> LevelUpTarget(std::string_view tokens, int cursor) {
  if (cursor < 0) return std::nullopt;
  TSourceWalker w(tokens, cursor);
  return ExecuteLevelUp(w);
}

}  // namespace skrivo
