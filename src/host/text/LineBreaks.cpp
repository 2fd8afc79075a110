// A file's line-break convention: recognised when a unit is opened, given back when it is saved.
#include "host/text/LineBreaks.h"

namespace skrivo::host {

LineBreak DominantLineBreak(std::string_view text) {
    std::size_t crlf = 0, lf = 0, cr = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++lf;
        } else if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++crlf;
                ++i;
            } else {
                ++cr;
            }
        }
    }
    if (lf > crlf && lf >= cr) return LineBreak::Lf;
    if (cr > crlf && cr > lf) return LineBreak::Cr;
    return LineBreak::CrLf;
}

std::string WithLineBreaks(std::string_view text, LineBreak convention) {
    const std::string_view brk = convention == LineBreak::CrLf ? "\r\n" : convention == LineBreak::Lf ? "\n" : "\r";
    std::string out;
    out.reserve(text.size() + text.size() / 32);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        out += brk;
    }
    return out;
}

}  // namespace skrivo::host
