// Conversions between the expert's 8-bit ANSI text and the editor's UTF-8, over the platform's codec.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace skrivo::host {

// Every ANSI character of the active code page is exactly one code point, so
// a count of ANSI characters is a count of code points in the editor.

// The editor's UTF-8 form of ANSI text in the active code page.
std::string AnsiToEditorText(std::string_view ansi);

// ANSI text of editor text; a character without an ANSI form, or a malformed
// byte, becomes '?' and sets lossy.
std::string EditorTextToAnsi(std::string_view utf8, bool* lossy = nullptr);

// Number of code points in UTF-8 text (bytes that do not continue a sequence).
std::size_t CountCodePoints(std::string_view utf8);

}  // namespace skrivo::host
