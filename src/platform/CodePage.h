// ANSI code pages 1251 and 1252: conversion to and from Unicode and case mapping.
#pragma once

#include <string>
#include <string_view>

namespace skrivo::win {

enum class CodePage : unsigned { Cp1251 = 1251, Cp1252 = 1252 };

// The process-wide ANSI code page of "the system" (1252 unless the host sets
// 1251). All 8-bit text in the expert is in this code page.
CodePage GetACP();
void SetACP(CodePage cp);

// One ANSI byte to its Unicode code point. Every byte maps to exactly one
// code point; bytes the code page leaves undefined map to the C1 control of
// the same value (U+0081 ...), so that any byte string survives a round trip.
char32_t AnsiToCodePoint(unsigned char c, CodePage cp);

// A code point back to its ANSI byte; false when the code page has none.
bool CodePointToAnsi(char32_t u, CodePage cp, unsigned char& out);

// Whole strings, Unicode side in UTF-8. FromUtf8 replaces characters the code
// page cannot hold by '?' and reports whether it had to (lossy).
std::string AnsiToUtf8(std::string_view ansi, CodePage cp);
std::string Utf8ToAnsi(std::string_view utf8, CodePage cp, bool* lossy = nullptr);

// Case mapping of one character and of whole strings in a code page, as the
// component library's AnsiUpperCase / AnsiLowerCase give it on that system.
unsigned char AnsiUpperChar(unsigned char c, CodePage cp);
unsigned char AnsiLowerChar(unsigned char c, CodePage cp);
std::string AnsiUpperCase(std::string_view s, CodePage cp);
std::string AnsiLowerCase(std::string_view s, CodePage cp);

// The same in the active code page.
inline std::string AnsiUpperCase(std::string_view s) { return AnsiUpperCase(s, GetACP()); }
inline std::string AnsiLowerCase(std::string_view s) { return AnsiLowerCase(s, GetACP()); }

// Locale-aware comparison of two ANSI texts in the active code page, as the
// list view's sort compares: letters without regard to case first; of two
// texts that differ only in case, the one with the lower-case letter at the
// first difference sorts first. <0, 0, >0.
int AnsiCompareText(std::string_view a, std::string_view b);
// Case-insensitive equality in the active code page.
bool AnsiSameText(std::string_view a, std::string_view b);

// ASCII-only helpers (A..Z / a..z), for file names and token text.
std::string AsciiLower(std::string_view s);

}  // namespace skrivo::win
