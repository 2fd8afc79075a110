// Linear positions over the editor's UTF-8 bytes, with tab-aware columns.
#include "host/editor/TextIndex.h"

#include <Qsci/qsciscintillabase.h>

#include <algorithm>

#include "host/text/AnsiText.h"
#include "platform/CodePage.h"

namespace skrivo::host {

namespace {
using Sci = QsciScintillaBase;
constexpr unsigned long kUtf32 = Sci::SC_LINECHARACTERINDEX_UTF32;

// Direct access to the bytes of a range (Scintilla moves its gap out of it).
const char* RangePointer(const QsciScintillaBase& sci, long start, long length) {
    if (length <= 0) return nullptr;
    return reinterpret_cast<const char*>(sci.SendScintilla(Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(start), length));
}
}  // namespace

TextIndex::TextIndex(QsciScintillaBase& sci) : sci_(sci) {}

int TextIndex::LineCount() const { return static_cast<int>(sci_.SendScintilla(Sci::SCI_GETLINECOUNT)); }

int TextIndex::LineStart(int line0) const {
    return static_cast<int>(sci_.SendScintilla(Sci::SCI_INDEXPOSITIONFROMLINE, static_cast<unsigned long>(line0), static_cast<long>(kUtf32)));
}

int TextIndex::Length() const {
    const int last = LineCount() - 1;
    const long lastStartByte = sci_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(last));
    const long endByte = sci_.SendScintilla(Sci::SCI_GETLENGTH);
    const char* p = RangePointer(sci_, lastStartByte, endByte - lastStartByte);
    int tail = 0;
    for (long i = 0; p && i < endByte - lastStartByte; ++i)
        if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) ++tail;
    return LineStart(last) + tail;
}

std::string_view TextIndex::LineBytes(int line0) const {
    const long start = sci_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line0));
    const long end = sci_.SendScintilla(Sci::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line0));
    const char* p = end > start ? RangePointer(sci_, start, end - start) : nullptr;
    return p ? std::string_view(p, static_cast<std::size_t>(end - start)) : std::string_view();
}

int TextIndex::LineLength(int line0) const { return static_cast<int>(CountCodePoints(LineBytes(line0))); }

int TextIndex::LineOfLinear(int linear) const {
    if (linear <= 0) return 0;
    return static_cast<int>(sci_.SendScintilla(Sci::SCI_LINEFROMINDEXPOSITION, static_cast<unsigned long>(linear), static_cast<long>(kUtf32)));
}

int TextIndex::LineOfByte(long byte) const {
    return static_cast<int>(sci_.SendScintilla(Sci::SCI_LINEFROMPOSITION, static_cast<unsigned long>(std::max(0L, byte))));
}

long TextIndex::AdvanceBytes(long byte, int count, long limit) const {
    if (count <= 0 || byte >= limit) return std::min(byte, limit);
    const char* p = RangePointer(sci_, byte, limit - byte);
    if (!p) return byte;
    long i = 0;
    const long n = limit - byte;
    // Step over count lead bytes; continuation bytes belong to the character before.
    while (i < n) {
        if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) {
            if (count == 0) break;
            --count;
        }
        ++i;
    }
    return byte + i;
}

long TextIndex::ByteOf(int linear) const {
    if (linear <= 0) return 0;
    const int line = LineOfLinear(linear);
    const int lineStart = LineStart(line);
    const long lineByte = sci_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const int lines = LineCount();
    const long limit = line + 1 < lines ? sci_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line + 1))
                                        : sci_.SendScintilla(Sci::SCI_GETLENGTH);
    return AdvanceBytes(lineByte, linear - lineStart, limit);
}

int TextIndex::LinearOf(long byte) const {
    if (byte <= 0) return 0;
    const long length = sci_.SendScintilla(Sci::SCI_GETLENGTH);
    byte = std::min(byte, length);
    const int line = LineOfByte(byte);
    const long lineByte = sci_.SendScintilla(Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    int n = 0;
    if (byte > lineByte) {
        const char* p = RangePointer(sci_, lineByte, byte - lineByte);
        for (long i = 0; p && i < byte - lineByte; ++i)
            if ((static_cast<unsigned char>(p[i]) & 0xC0) != 0x80) ++n;
    }
    return LineStart(line) + n;
}

std::string TextIndex::ReadAnsi(int pos, int count) const {
    std::string out;
    if (pos < 0 || count <= 0) return out;
    const long length = sci_.SendScintilla(Sci::SCI_GETLENGTH);
    const long start = ByteOf(pos);
    if (start >= length) return out;
    // No more bytes than count characters can take: asking Scintilla for a
    // longer range would move its gap across the rest of the document.
    const long span = std::min(length - start, static_cast<long>(count) * 4);
    const char* p = RangePointer(sci_, start, span);
    if (!p) return out;
    // The bytes of count characters: those up to the next character's lead byte.
    const std::size_t n = static_cast<std::size_t>(span);
    std::size_t end = 0;
    for (int chars = 0; end < n; ++end)
        if ((static_cast<unsigned char>(p[end]) & 0xC0) != 0x80 && chars++ == count) break;
    out = win::Utf8ToAnsi(std::string_view(p, end), win::GetACP());
    return out;
}

long TextIndex::ByteLength() const { return sci_.SendScintilla(Sci::SCI_GETLENGTH); }

std::string TextIndex::ReadBytes(long from, long to) const {
    from = std::max(0L, from);
    to = std::min(to, ByteLength());
    const char* p = RangePointer(sci_, from, to - from);
    return p ? std::string(p, static_cast<std::size_t>(to - from)) : std::string();
}

int TextIndex::TabWidth() const {
    const int w = static_cast<int>(sci_.SendScintilla(Sci::SCI_GETTABWIDTH));
    return w > 0 ? w : 8;
}

int TextIndex::ColumnOf(int line0, int charIndex) const {
    if (charIndex <= 0) return 0;
    const std::string_view line = LineBytes(line0);
    const int tab = TabWidth();
    int col = 0;
    int index = 0;
    for (std::size_t i = 0; i < line.size() && index < charIndex; ++i) {
        const auto b = static_cast<unsigned char>(line[i]);
        if ((b & 0xC0) == 0x80) continue;
        col = b == '\t' ? (col / tab + 1) * tab : col + 1;
        ++index;
    }
    return col + (charIndex - index);
}

int TextIndex::CharIndexOfColumn(int line0, int column, int* beyond) const {
    if (beyond) *beyond = 0;
    if (column <= 0) return 0;
    const std::string_view line = LineBytes(line0);
    const int tab = TabWidth();
    int col = 0;
    int index = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto b = static_cast<unsigned char>(line[i]);
        if ((b & 0xC0) == 0x80) continue;
        const int next = b == '\t' ? (col / tab + 1) * tab : col + 1;
        if (next > column) return index;  // the column lies on this character
        col = next;
        ++index;
        if (col == column) return index;
    }
    if (beyond) *beyond = column - col;
    return index;
}

}  // namespace skrivo::host
