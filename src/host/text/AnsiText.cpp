// Conversions between the expert's 8-bit ANSI text and the editor's UTF-8, over the platform's codec.
#include "host/text/AnsiText.h"

#include "platform/CodePage.h"

namespace skrivo::host {

std::string AnsiToEditorText(std::string_view ansi) { return win::AnsiToUtf8(ansi, win::GetACP()); }

std::string EditorTextToAnsi(std::string_view utf8, bool* lossy) { return win::Utf8ToAnsi(utf8, win::GetACP(), lossy); }

std::size_t CountCodePoints(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

}  // namespace skrivo::host
