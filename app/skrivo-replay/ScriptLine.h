// One line of a replay script split into its arguments: blanks separate, double quotes group, # comments.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace skrivo::replay {

struct ScriptSyntaxError {
    std::string reason;
};

using ScriptArgs = std::vector<std::string>;

// Splits a line (UTF-8) into arguments. Blanks and tabs separate arguments.
// An argument that starts with a double quote runs to the closing quote and
// may hold blanks and the escapes \" \\ \t \r \n \xHH (the character
// with that code, Latin-1 above 7F); other characters stand for
// themselves. A # at the start of an argument (outside quotes) starts a
// comment that runs to the end of the line. An empty line or a comment gives
// no arguments.
std::variant<ScriptArgs, ScriptSyntaxError> SplitScriptLine(std::string_view line);

// A text written back the way a script writes it: in double quotes, with the
// escapes above, so messages show blanks and line breaks unambiguously;
// other control characters show as \xHH.
std::string QuoteScriptText(std::string_view text);

// A text printed as it stands, its control characters other than line
// breaks and tabs written as \xHH (the placeholder mark shows as \x01).
std::string ShowControlCharacters(std::string_view text);

// Splits the cursor mark off a text: "ab|c" gives "abc" and 2 (a byte
// offset). No mark gives npos; a second mark is an error.
struct CursorText {
    std::string text;
    std::size_t cursor = std::string::npos;
};
std::variant<CursorText, ScriptSyntaxError> SplitCursorMark(std::string_view marked);

// The inverse: the text with "|" inserted at the cursor (when there is one).
std::string JoinCursorMark(std::string_view text, std::size_t cursor);

}  // namespace skrivo::replay
