// The letter table and the other character classes.
#include "source/CharClasses.h"

#include <array>

#include "platform/CodePage.h"

namespace skrivo {

namespace {

// Shared by the whole system and touched only from the main thread, as the
// rest of the expert; no lock on the keystroke path.
std::array<bool, 256> gLetters{};
bool gLettersBuilt = false;

void BuildLetterTable() {
  const win::CodePage cp = win::GetACP();
  gLetters[0] = false;
  for (int code = 1; code < 256; ++code) {
    const auto c = static_cast<unsigned char>(code);
    gLetters[code] = win::AnsiUpperChar(c, cp) != win::AnsiLowerChar(c, cp);
  }
  // Identifier characters that have no case but belong to words all the same.
  for (unsigned char c : {'_', '@', '$'}) gLetters[c] = true;
  gLettersBuilt = true;
}

constexpr std::array<bool, 256> MakeTokenCharTable() {
  std::array<bool, 256> table{};
  for (int c = '0'; c <= '9'; ++c) table[c] = true;
  for (int c = 'a'; c <= 'z'; ++c) table[c] = true;
  table['@'] = true;
  table['_'] = true;
  return table;
}
constexpr std::array<bool, 256> kTokenChars = MakeTokenCharTable();

}  // namespace

bool IsAlpha(char c) {
  if (!gLettersBuilt) BuildLetterTable();
  return gLetters[static_cast<unsigned char>(c)];
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsAlphaDigit(char c) { return IsDigit(c) || IsAlpha(c); }

bool IsSymbol(char c) {
  switch (c) {
    case '!': case '"': case '%': case '\'': case '?': case '\\': case '`': case '|':
      return true;
    default:
      return IsAlphaDigit(c);
  }
}

bool IsSepSpc(char c) { return !IsAlphaDigit(c); }

bool IsSeparator(char c) { return c != ' ' && IsSepSpc(c); }

bool IsTokenChar(char c) { return kTokenChars[static_cast<unsigned char>(c)]; }

void InvalidateLetterTable() { gLettersBuilt = false; }

void EnsureLetterTable() {
  if (!gLettersBuilt) BuildLetterTable();
}

}  // namespace skrivo
