// Tokenizing replay script lines and writing texts back in script notation.
#include "ScriptLine.h"

namespace skrivo::replay {

std::variant<ScriptArgs, ScriptSyntaxError> SplitScriptLine(std::string_view line) {
    ScriptArgs args;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        if (c == '#') break;
        std::string arg;
        if (c != '"') {
            while (i < n && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '\n') arg += line[i++];
            args.push_back(std::move(arg));
            continue;
        }
        ++i;  // opening quote
        bool closed = false;
        while (i < n) {
            const char q = line[i++];
            if (q == '"') {
                closed = true;
                break;
            }
            if (q != '\\') {
                arg += q;
                continue;
            }
            if (i >= n) return ScriptSyntaxError{"a backslash ends the line inside a quoted text"};
            switch (const char e = line[i++]) {
                case '"': arg += '"'; break;
                case '\\': arg += '\\'; break;
                case 't': arg += '\t'; break;
                case 'r': arg += '\r'; break;
                case 'n': arg += '\n'; break;
                case 'x': {
                    // The character with that code (Latin-1 above 7F), written
                    // in UTF-8 like the rest of the script.
                    const auto hex = [](char h) {
                        if (h >= '0' && h <= '9') return h - '0';
                        if (h >= 'a' && h <= 'f') return h - 'a' + 10;
                        if (h >= 'A' && h <= 'F') return h - 'A' + 10;
                        return -1;
                    };
                    const int hi = i < n ? hex(line[i]) : -1;
                    const int lo = i + 1 < n ? hex(line[i + 1]) : -1;
                    if (hi < 0 || lo < 0) return ScriptSyntaxError{"\\x needs two hexadecimal digits"};
                    i += 2;
                    const unsigned code = static_cast<unsigned>(hi * 16 + lo);
                    if (code < 0x80) {
                        arg += static_cast<char>(code);
                    } else {
                        arg += static_cast<char>(0xC0 | (code >> 6));
                        arg += static_cast<char>(0x80 | (code & 0x3F));
                    }
                    break;
                }
                default:
                    return ScriptSyntaxError{std::string("unknown escape \\") + e + " in a quoted text"};
            }
        }
        if (!closed) return ScriptSyntaxError{"a quoted text is not closed"};
        if (i < n && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '\n')
            return ScriptSyntaxError{"a blank must follow a quoted text"};
        args.push_back(std::move(arg));
    }
    return args;
}

std::string QuoteScriptText(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                    static constexpr char kHex[] = "0123456789ABCDEF";
                    out += "\\x";
                    out += kHex[(static_cast<unsigned char>(c) >> 4) & 0xF];
                    out += kHex[static_cast<unsigned char>(c) & 0xF];
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

std::string ShowControlCharacters(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\r' || c == '\n' || c == '\t' || (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F)) {
            out += c;
            continue;
        }
        const std::string quoted = QuoteScriptText(std::string_view(&c, 1));
        out += quoted.substr(1, quoted.size() - 2);
    }
    return out;
}

std::variant<CursorText, ScriptSyntaxError> SplitCursorMark(std::string_view marked) {
    CursorText result;
    result.text.reserve(marked.size());
    for (const char c : marked) {
        if (c != '|') {
            result.text += c;
            continue;
        }
        if (result.cursor != std::string::npos) return ScriptSyntaxError{"a text may mark the cursor (|) only once"};
        result.cursor = result.text.size();
    }
    return result;
}

// Built by appending: g++ 12 misreads an insert into a copy as an
// overlapping memcpy at -O2 (-Wrestrict) and the build is kept warning-free.
std::string JoinCursorMark(std::string_view text, std::size_t cursor) {
    if (cursor == std::string::npos || cursor > text.size()) return std::string(text);
    std::string out;
    out.reserve(text.size() + 1);
    out.append(text.substr(0, cursor)).append(1, '|').append(text.substr(cursor));
    return out;
}

}  // namespace skrivo::replay
