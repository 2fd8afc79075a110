// Small token tests over a TSourceWalker shared by the block navigation walks.
#pragma once

#include <initializer_list>
#include <string_view>

#include "source/SourceWalker.h"

namespace skrivo {

// The walker stands on one of `tokens` (brackets, ";", directive prefixes).
inline bool AtToken(const TSourceWalker& w, std::initializer_list<std::string_view> tokens) {
  for (std::string_view t : tokens) {
    if (w.CurTokenIs(t)) return true;
  }
  return false;
}

// The walker stands on a word that is one of `keywords` (whole words only).
inline bool AtWord(const TSourceWalker& w, std::initializer_list<std::string_view> keywords) {
  return w.AtAlpha() && AtToken(w, keywords);
}

// A walker on the token after the current one (at the end of the text when there is none).
inline TSourceWalker TokenAfter(const TSourceWalker& w) {
  TSourceWalker after = w;
  after.Next();
  return after;
}

// Is the token before the current one `token`? There is none before position 0.
inline bool TokenBeforeIs(const TSourceWalker& w, std::string_view token) {
  if (w.Pos() <= 0) return false;
  TSourceWalker before = w;
  before.Prev();
  return before.CurTokenIs(token);
}

}  // namespace skrivo
