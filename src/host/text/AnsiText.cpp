// Conversions between the expert's 8-bit ANSI text and the editor's UTF-8.
#include "host/text/AnsiText.h"

#include "platform/CodePage.h"

namespace skrivo::host {

int DecodeUtf8(const char* p, std::size_t n, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(p[0]);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    int len = 0;
    char32_t value = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        value = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        value = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        value = b0 & 0x07;
    } else {
        cp = 0xFFFD;
        return 1;
    }
    if (static_cast<std::size_t>(len) > n) {
        cp = 0xFFFD;
        return 1;
    }
    for (int i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(p[i]);
        if ((b & 0xC0) != 0x80) {
            cp = 0xFFFD;
            return 1;
        }
        value = (value << 6) | (b & 0x3F);
    }
    cp = value;
    return len;
}

void AppendUtf8(char32_t cp, std::string& out) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char CodePointToAnsiOrQuestion(char32_t cp) {
    unsigned char c = 0;
    if (win::CodePointToAnsi(cp, win::GetACP(), c)) return static_cast<char>(c);
    return '?';
}

std::string AnsiToEditorText(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 4);
    const win::CodePage cp = win::GetACP();
    for (char c : ansi) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out += c;
        else
            AppendUtf8(win::AnsiToCodePoint(b, cp), out);
    }
    return out;
}

std::string EditorTextToAnsi(std::string_view utf8, bool* lossy) {
    std::string out;
    out.reserve(utf8.size());
    const win::CodePage codePage = win::GetACP();
    bool lost = false;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++i;
            continue;
        }
        char32_t cp = 0;
        i += DecodeUtf8(utf8.data() + i, utf8.size() - i, cp);
        unsigned char c = 0;
        if (win::CodePointToAnsi(cp, codePage, c)) {
            out += static_cast<char>(c);
        } else {
            out += '?';
            lost = true;
        }
    }
    if (lossy) *lossy = lost;
    return out;
}

std::size_t CountCodePoints(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace skrivo::host
