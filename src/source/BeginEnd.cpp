// BeginEndTarget: from the token at the cursor to the other end of its pair.
#include <algorithm>

#include "source/BlockNavigation.h"
#include "source/CharClasses.h"
#include "source/TokenTests.h"

namespace skrivo {

namespace {

bool AtStatementOpener(const TSourceWalker& w) {
  return AtWord(w, {"begin", "try", "asm", "case", "repeat"});
}

// The directive at the walker is {$name ...}: the whole word, so that "if"
// is neither "ifdef" nor "ifend".
bool AtDirective(const TSourceWalker& w, std::string_view name) {
  const std::string_view text = w.Text();
  const auto at = static_cast<std::size_t>(w.Pos());
  if (at + 2 + name.size() > text.size() || text.compare(at, 2, "{$") != 0 || text.compare(at + 2, name.size(), name) != 0)
    return false;
  const std::size_t after = at + 2 + name.size();
  return after == text.size() || !IsTokenChar(text[after]);
}

bool AtOpeningDirective(const TSourceWalker& w) {
  return AtDirective(w, "ifdef") || AtDirective(w, "ifndef") || AtDirective(w, "ifopt") || AtDirective(w, "if");
}

// {$IF} may be closed by {$IFEND} (the older compilers' form) or {$ENDIF}.
bool AtClosingDirective(const TSourceWalker& w) { return AtDirective(w, "endif") || AtDirective(w, "ifend"); }

bool AtMiddleDirective(const TSourceWalker& w) { return AtDirective(w, "else") || AtDirective(w, "elseif"); }

std::optional<int> OpeningDirective(TSourceWalker& w) {
  int depth = 1;
  do {
    w.Prev();
    if (AtClosingDirective(w)) ++depth;
    else if (AtOpeningDirective(w)) --depth;
  } while (depth != 0 && w.Pos() > 0);
  if (depth != 0) return std::nullopt;
  return w.Pos();
}

std::optional<int> ClosingDirective(TSourceWalker& w) {
  int depth = 1;
  do {
    w.Next();
    if (AtClosingDirective(w)) --depth;
    else if (AtOpeningDirective(w)) ++depth;
  } while (depth != 0 && !w.Eof());
  if (depth != 0) return std::nullopt;
  return w.Pos();
}

// A cursor anywhere in a directive, from its "{" to just after its "}",
// stands on the directive: the start of its "{", or -1 outside any.
int DirectiveAround(std::string_view tokens, int cursor) {
  // Directives are short; a "{" this far back opens none the cursor is in.
  constexpr int kMaxDirectiveLength = 1024;
  int at = std::min(cursor, static_cast<int>(tokens.size()) - 1);
  // Just after the "}" (on the blank that follows it) counts as on it.
  if (at > 0 && tokens[static_cast<std::size_t>(at)] == ' ' && tokens[static_cast<std::size_t>(at - 1)] == '}') --at;
  const int limit = std::max(0, at - kMaxDirectiveLength);
  for (int i = at; i >= limit; --i) {
    const char c = tokens[static_cast<std::size_t>(i)];
    if (c == '{') return i + 1 < static_cast<int>(tokens.size()) && tokens[static_cast<std::size_t>(i) + 1] == '$' ? i : -1;
    if (c == '}' && i != at) return -1;
  }
  return -1;
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
  const int directive = tokens.empty() ? -1 : DirectiveAround(tokens, cursor);
  TSourceWalker w(tokens, directive >= 0 ? directive : cursor);

  if (AtWord(w, {"end", "until"})) return ExecuteLevelUp(w);
  if (AtClosingDirective(w)) return OpeningDirective(w);
  if (AtOpeningDirective(w) || AtMiddleDirective(w)) return ClosingDirective(w);
  if (AtToken(w, {")", "]"})) return OpeningBracket(w);
  if (AtToken(w, {"(", "["})) return ClosingBracket(w);
  if (AtWord(w, {"class", "object", "interface", "dispinterface"})) {
    // A unit's "interface" section keyword is no declaration: fall through.
    if (!AtWord(w, {"interface"}) || TokenBeforeIs(w, "=")) {
      if (!DeclarationOpensBlock(w)) return std::nullopt;
      return DeclarationScanToEnd(w);
    }
  }
  if (AtWord(w, {"record"})) {
    if (TokenAfter(w).CurTokenIs(";")) return std::nullopt;
    return DeclarationScanToEnd(w);
  }
  if (AtWord(w, {"for", "to", "do", "downto", "while"})) return LoopBodyEnd(w);
  if (AtWord(w, {"else"})) return ThenOfElse(w);
  if (AtWord(w, {"if", "then"})) return ElseOrEndOfThen(w);
  return ExecuteScanToEnd(w);
}

}  // namespace skrivo
