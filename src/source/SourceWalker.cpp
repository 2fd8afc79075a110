// Token steps of TSourceWalker over a token text.
#include "source/SourceWalker.h"

#include <limits>

#include "source/CharClasses.h"

namespace skrivo {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

TSourceWalker::TSourceWalker(std::string_view text, int position) : FText(text) {
  // Positions are 32-bit linear positions; a longer text could not be walked
  // to its end, so the walker sees only what a position can reach.
  constexpr auto kMaxLength = static_cast<std::size_t>(std::numeric_limits<int>::max());
  if (FText.size() > kMaxLength) FText = FText.substr(0, kMaxLength);
  InvalidateLetterTable();
  SetPosition(position);
}

void TSourceWalker::SetPosition(int position) {
  FPos = position >= Length() ? Length() - 1 : position;
  if (FPos < 0) {
    FPos = 0;
    return;
  }
  if (FPos > 0 && At(FPos) == ' ') {
    while (FPos > 0 && At(FPos) == ' ') --FPos;
  }
  if (IsTokenChar(At(FPos))) {
    while (FPos > 0 && IsTokenChar(At(FPos - 1))) --FPos;
  } else if (At(FPos) == '#') {
    while (FPos > 0 && At(FPos - 1) == '#') --FPos;
  }
}

void TSourceWalker::Next() {
  if (FPos >= Length()) return;
  const char c = At(FPos);
  if (c == '#') {
    while (FPos < Length() && At(FPos) == '#') ++FPos;
  } else if (IsTokenChar(c)) {
    while (FPos < Length() && IsTokenChar(At(FPos))) ++FPos;
  } else if (c == '{') {
    while (FPos < Length() && At(FPos) != '}') ++FPos;
    if (FPos < Length()) ++FPos;
  } else {
    ++FPos;
  }
  while (FPos < Length() && IsBlank(At(FPos))) ++FPos;
}

void TSourceWalker::ToTokenStart() {
  const char c = At(FPos);
  if (c == '#') {
    while (FPos > 0 && At(FPos - 1) == '#') --FPos;
  } else if (IsTokenChar(c)) {
    while (FPos > 0 && IsTokenChar(At(FPos - 1))) --FPos;
  } else if (c == '}') {
    while (FPos > 0 && At(FPos) != '{') --FPos;
  }
}

void TSourceWalker::Prev() {
  if (FPos <= 0) return;
  // A walker that stepped past the end comes back to the last token.
  FPos = (FPos > Length() ? Length() : FPos) - 1;
  ToTokenStart();
  if (!IsBlank(At(FPos))) return;
  while (FPos > 0 && IsBlank(At(FPos))) --FPos;
  ToTokenStart();
}

bool TSourceWalker::Eof() const { return FPos >= Length(); }

bool TSourceWalker::AtAlpha() const {
  return !FText.empty() && FPos >= 0 && FPos < Length() && IsAlpha(At(FPos));
}

bool TSourceWalker::TokenAtPosIs(int position, std::string_view s) const {
  if (position < 0 || position > Length()) return false;
  // Most tokens a walk meets are no keyword: reject them on the first character.
  if (!s.empty() && (position == Length() || At(position) != s.front())) return false;
  const std::string_view rest = FText.substr(static_cast<std::size_t>(position));
  if (rest.substr(0, s.size()) != s) return false;
  const bool startsWord = position < Length() && IsTokenChar(At(position));
  const bool wordGoesOn = rest.size() > s.size() && IsTokenChar(rest[s.size()]);
  return !(startsWord && wordGoesOn);
}

std::string TSourceWalker::GetCurrentToken() const {
  if (FText.empty() || FPos < 0 || FPos >= Length()) return {};
  const char c = At(FPos);
  if (c == '#') return "#";
  if (!IsAlphaDigit(c)) return std::string(1, c);
  std::string token;
  for (int i = FPos; i < Length() && IsTokenChar(At(i)); ++i) token += At(i);
  return token;
}

}  // namespace skrivo
