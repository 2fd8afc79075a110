// BeginEndTarget: from the token at the cursor to the other end of its pair.
#include "source/BlockNavigation.h"
#include "source/TokenTests.h"

namespace skrivo {

namespace {

bool AtStatementOpener(const TSourceWalker& w) {
  return AtWord(w, {"begin", "try", "asm", "case", "repeat"});
}

bool AtOpeningDirective(const TSourceWalker& w) {
  return AtToken(w, {"{$ifdef", "{$ifndef", "{$ifopt"});
}

std::optional<int> OpeningDirective(TSourceWalker& w) {
  int depth = 1;
  do {
    w.Prev();
    if (w.CurTokenIs("{$endif")) ++depth;
    else if (AtOpeningDirective(w)) --depth;
  } while (depth != 0 && w.Pos() > 0);
  if (depth != 0) return std::nullopt;
  return w.Pos();
}

std::optional<int> ClosingDirective(TSourceWalker& w) {
  int depth = 1;
  do {
    w.Next();
    if (w.CurTokenIs("{$endif")) --depth;
    else if (AtOpeningDirective(w)) ++depth;
  } while (depth != 0 && !w.Eof());
  if (depth != 0) return std::nullopt;
  return w.Pos();
}

// Back to the opening bracket; an unbalanced bracket stops at the start of
// its statement (the token after the previous ";").
std::optional<int> OpeningBracket(TSourceWalker& w) {
  int depth = 1;
  do {
    w.Prev();
    if (AtToken(w, {")", "]"})) {
      ++depth;
    } else if (AtToken(w, {"(", "["})) {
      --depth;
    } else if (w.CurTokenIs(";")) {
      w.Next();
      return w.Pos();
    }
  } while (depth != 0 && w.Pos() > 0);
  if (depth != 0) return std::nullopt;
  return w.Pos();
}

// On to the closing bracket; an unbalanced bracket stops at the ";" that ends its statement.
std::optional<int> ClosingBracket(TSourceWalker& w) {
  int depth = 1;
  do {
    w.Next();
    if (AtToken(w, {"(", "["})) ++depth;
    else if (AtToken(w, {")", "]"})) --depth;
    else if (w.CurTokenIs(";")) return w.Pos();
  } while (depth != 0 && !w.Eof());
  if (depth != 0) return std::nullopt;
  return w.Pos();
}

// From a loop header to the "end" of its body, when the body is a begin block.
std::optional<int> LoopBodyEnd(TSourceWalker& w) {
  if (w.CurTokenIs("do")) return std::nullopt;
  for (;;) {
    w.Next();
    if (w.Eof() || w.CurTokenIs(";") || AtWord(w, {"end", "else"})) return std::nullopt;
    if (!AtWord(w, {"do"})) continue;
    // A nested header ("for ... do for ... do begin") keeps the scan going.
    TSourceWalker body = TokenAfter(w);
    if (AtWord(body, {"begin"})) return ExecuteScanToEnd(body);
  }
}

// Back from "else" to the "then" it belongs to, or to the opening keyword of
// the block that holds it (the "case" of a case-else, the "try" of an except-else).
std::optional<int> ThenOfElse(TSourceWalker& w) {
  int depth = 1;
  // A ";" at the else's own level means no then-part can reach the else: it
  // is the else of a case or an exception block, and an if statement closed
  // by that ";" must not be taken for its owner.
  bool statementEnded = false;
  do {
    w.Prev();
    if (AtStatementOpener(w)) {
      --depth;
    } else if (AtWord(w, {"end", "until"})) {
      ++depth;
    } else if (depth == 1 && w.CurTokenIs(";")) {
      statementEnded = true;
    } else if (depth == 1 && !statementEnded && AtWord(w, {"then"})) {
      depth = 0;
    }
  } while (depth != 0 && w.Pos() > 0);
  if (depth != 0) return std::nullopt;
  return w.Pos();
}

// From "if" or "then" to the "else" of the statement, or to the "end" of a
// then-part block that closes the statement.
std::optional<int> ElseOrEndOfThen(TSourceWalker& w) {
  int depth = 1;
  do {
    w.Next();
    if (AtStatementOpener(w)) {
      ++depth;
    } else if (AtWord(w, {"end", "until"})) {
      --depth;
      if (depth == 1) {
        const TSourceWalker after = TokenAfter(w);
        if (AtWord(after, {"else"})) {
          w = after;
          depth = 0;
        } else if (after.CurTokenIs(";")) {
          depth = 0;
        }
      }
    } else if (depth == 1 && AtWord(w, {"else"})) {
      depth = 0;
    } else if (depth == 1 && w.CurTokenIs(";")) {
      return std::nullopt;
    }
  } while (depth != 0 && !w.Eof());
  if (depth != 0) return std::nullopt;
  return w.Pos();
}

}  // namespace

std::optional<int> BeginEndTarget(std::string_view tokens, int cursor) {
  if (cursor < 0) return std::nullopt;
  TSourceWalker w(tokens, cursor);

  if (AtWord(w, {"end", "until"})) return ExecuteLevelUp(w);
  if (w.CurTokenIs("{$endif")) return OpeningDirective(w);
  if (AtOpeningDirective(w) || w.CurTokenIs("{$else")) return ClosingDirective(w);
  if (AtToken(w, {")", "]"})) return OpeningBracket(w);
  if (AtToken(w, {"(", "["})) return ClosingBracket(w);
  if (AtWord(w, {"class", "object", "interface", "dispinterface"})) {
    // A unit's "interface" section keyword is no declaration: fall through.
    if (!AtWord(w, {"interface"}) || TokenBeforeIs(w, "=")) {
      if (!DeclarationOpensBlock(w)) return std::nullopt;
      return ExecuteScanToEnd(w);
    }
  }
  if (AtWord(w, {"record"})) {
    if (TokenAfter(w).CurTokenIs(";")) return std::nullopt;
    return ExecuteScanToEnd(w);
  }
  if (AtWord(w, {"for", "to", "do", "downto", "while"})) return LoopBodyEnd(w);
  if (AtWord(w, {"else"})) return ThenOfElse(w);
  if (AtWord(w, {"if", "then"})) return ElseOrEndOfThen(w);
  return ExecuteScanToEnd(w);
}

}  // namespace skrivo
