// The last two words of a line, blank collapsing and the request text built from them.
#include "completion/RequestText.h"

#include "completion/TextFold.h"
#include "source/CharClasses.h"

namespace skrivo {

namespace {

std::size_t StartOfWordEndingAt(std::string_view s, std::size_t end) {
    while (end > 0 && IsAlphaDigit(s[end - 1])) --end;
    return end;
}

std::string_view WithoutTrailingSeparators(std::string_view s) {
    while (!s.empty() && IsSepSpc(s.back())) s.remove_suffix(1);
    return s;
}

}  // namespace

std::string LastTwoWords(std::string_view text) {
    const std::string_view r = WithoutTrailingSeparators(Trim(text));
    if (r.empty()) return {};
    const std::size_t lastWordStart = StartOfWordEndingAt(r, r.size());
    if (lastWordStart == 0) return std::string(r);
    std::size_t previousWordEnd = lastWordStart;
    while (previousWordEnd > 0 && IsSepSpc(r[previousWordEnd - 1])) --previousWordEnd;
    if (previousWordEnd == 0) return std::string(r);
    return std::string(r.substr(StartOfWordEndingAt(r, previousWordEnd)));
}

std::string CollapseBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (!IsBlankOrControl(text[i])) {
            out += text[i++];
            continue;
        }
        std::size_t runEnd = i + 1;
        while (runEnd < text.size() && IsBlankOrControl(text[runEnd])) ++runEnd;
        out += (runEnd - i == 1) ? text[i] : ' ';
        i = runEnd;
    }
    return out;
}

std::string SuggestionRequest(std::string_view line) {
    if (!line.empty() && IsAlphaDigit(line.back())) return CollapseBlanks(LastTwoWords(line));
    std::string withLetter(line);
    withLetter += 'a';
    std::string request = CollapseBlanks(LastTwoWords(withLetter));
    if (!request.empty()) request.pop_back();
    return request;
}

std::string LastWordOf(std::string_view request) {
    const std::string_view s = WithoutTrailingSeparators(request);
    return std::string(s.substr(StartOfWordEndingAt(s, s.size())));
}

}  // namespace skrivo
