// A file's line-break convention: recognised when a unit is opened, given back when it is saved.
#pragma once

#include <string>
#include <string_view>

namespace skrivo::host {

// The editor and the expert see every unit with CR LF line breaks, so that a
// line means the same to both; the file keeps its own convention on disk.
enum class LineBreak { CrLf, Lf, Cr };

// The convention most of the text's line breaks use (CR LF, lone LF, lone
// CR); CR LF for a text without line breaks and where CR LF ties with another.
LineBreak DominantLineBreak(std::string_view text);

// Every line break (CR LF, lone CR, lone LF) written as the given convention.
std::string WithLineBreaks(std::string_view text, LineBreak convention);

}  // namespace skrivo::host
