// Reading the tokens before the cursor from the end of the text.
#include "completion/TokenContext.h"

#include "source/CharClasses.h"

namespace skrivo {

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string_view TrailingWordOf(std::string_view text) {
    std::size_t start = text.size();
    while (start > 0 && IsAlphaDigit(text[start - 1])) --start;
    return text.substr(start);
}

std::vector<std::string> TokensBeforeWord(std::string_view text) {
    std::vector<std::string> tokens;
    std::size_t end = text.size() - TrailingWordOf(text).size();
    while (tokens.size() < kContextTokens) {
        while (end > 0 && IsBlank(text[end - 1])) --end;
        if (end == 0) break;
        if (!IsAlphaDigit(text[end - 1])) {
            tokens.emplace_back(1, text[end - 1]);
            --end;
            continue;
        }
        std::size_t start = end;
        while (start > 0 && IsAlphaDigit(text[start - 1])) --start;
        // Cut by the start of what was read: only a part of a word.
        if (start == 0) break;
        tokens.emplace_back(text.substr(start, end - start));
        end = start;
    }
    return tokens;
}

}  // namespace skrivo
