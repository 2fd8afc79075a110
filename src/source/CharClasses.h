// What a letter, a digit, a word character and a separator are, for the whole system.
#pragma once

namespace skrivo {

// A letter is a character whose upper- and lower-case forms differ in the
// active ANSI code page, plus '_', '@' and '$'. The table behind IsAlpha is
// built on first use and rebuilt at the first use after InvalidateLetterTable
// (every TSourceWalker construction calls it), so it follows the code page in
// force at that time.
bool IsAlpha(char c);
bool IsDigit(char c);
bool IsAlphaDigit(char c);
// IsAlphaDigit, or one of ! " % ' ? \ ` |
bool IsSymbol(char c);
// Not a word character: blanks, punctuation, control characters.
bool IsSepSpc(char c);
// IsSepSpc and not the blank (code 32).
bool IsSeparator(char c);
// 0-9, a-z, '@', '_' only: the characters of words in token text.
bool IsTokenChar(char c);

void InvalidateLetterTable();
// Builds the table now when it is not built (so later calls are lookups only).
void EnsureLetterTable();

}  // namespace skrivo
