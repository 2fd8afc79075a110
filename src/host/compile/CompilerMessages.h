// Reading a compiler's output: the lines that point at a place in a source file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace skrivo::host {

// "Unit1.pas(12,5) Error: Identifier not found" names a file, a 1-based
// line and a 1-based column, then the message.
struct CompilerMessage {
    std::string file;
    int line = 0;
    int column = 0;
    std::string text;
};

// Nothing for lines that point nowhere (banners, "Compiling ...").
std::optional<CompilerMessage> ParseCompilerMessage(std::string_view line);

}  // namespace skrivo::host
