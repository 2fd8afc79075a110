// Linear positions (ANSI characters, CR LF = 2) over the editor's UTF-8 bytes, with tab-aware columns.
#pragma once

#include <string>
#include <string_view>

class QsciScintillaBase;

namespace skrivo::host {

// Scintilla keeps a per-line index of code points (the UTF-32 line character
// index), so a conversion costs one index look-up plus a walk within one
// line, never a rescan of the document.
class TextIndex {
public:
    explicit TextIndex(QsciScintillaBase& sci);
    TextIndex(const TextIndex&) = delete;
    TextIndex& operator=(const TextIndex&) = delete;

    int Length() const;                    // characters of the whole text
    int LineCount() const;                 // at least 1
    int LineStart(int line0) const;        // linear position of the line's first character
    int LineLength(int line0) const;       // characters without the line break
    int LineOfLinear(int linear) const;    // 0-based line holding the position
    int LineOfByte(long byte) const;

    long ByteOf(int linear) const;         // clamped to [0, Length()]
    int LinearOf(long byte) const;

    // Up to count characters from pos as ANSI text ('?' for characters the
    // code page cannot hold).
    std::string ReadAnsi(int pos, int count) const;

    // 0-based screen column of the character index within the line, tabs
    // expanded to the tab stops; indexes past the end count one column each.
    int ColumnOf(int line0, int charIndex) const;
    // The character index at a 0-based screen column: a column inside a tab
    // gives the tab. Past the end of the line the result is the line length
    // and beyond receives the columns left over (virtual space).
    int CharIndexOfColumn(int line0, int column, int* beyond = nullptr) const;

    int TabWidth() const;

    long ByteLength() const;
    // The editor's bytes in [from, to), clamped to the text.
    std::string ReadBytes(long from, long to) const;

private:
    // The line's bytes without its line break (valid until the next edit).
    std::string_view LineBytes(int line0) const;
    // Byte position of the character that lies count characters after byte.
    long AdvanceBytes(long byte, int count, long limit) const;
    QsciScintillaBase& sci_;
};

}  // namespace skrivo::host
