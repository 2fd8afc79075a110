// Conversions between the expert's 8-bit ANSI text and the editor's UTF-8, one character at a time.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace skrivo::host {

// Every ANSI character of the active code page is exactly one code point, so
// a count of ANSI characters is a count of code points in the editor.

// Decodes the UTF-8 sequence at p (n bytes available, n >= 1) into cp and
// returns its length in bytes. A malformed byte decodes as U+FFFD of length 1,
// so a walk always advances.
int DecodeUtf8(const char* p, std::size_t n, char32_t& cp);

void AppendUtf8(char32_t cp, std::string& out);

// The ANSI character of a code point in the active code page; '?' when the
// code page has none (the editor keeps the original character).
char CodePointToAnsiOrQuestion(char32_t cp);

// The editor's UTF-8 form of ANSI text in the active code page.
std::string AnsiToEditorText(std::string_view ansi);

// ANSI text of editor text; lossy is set when a character had no ANSI form.
std::string EditorTextToAnsi(std::string_view utf8, bool* lossy = nullptr);

// Number of code points in UTF-8 text (bytes that do not continue a sequence).
std::size_t CountCodePoints(std::string_view utf8);

}  // namespace skrivo::host
