// The editor control of one module: a QScintilla editor set up as the IDE's Pascal editor.
#pragma once

#include <Qsci/qsciscintilla.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/editor/TextIndex.h"

namespace skrivo::host {

// The editor holds UTF-8; every position the host hands out is converted
// through Index(). Line breaks typed are CR LF; tab stops every 8 columns;
// the cursor may stand beyond the end of a line (virtual space), as in the
// IDE, and typing there fills the gap with blanks.
class EditorControl : public QsciScintilla {
    Q_OBJECT
public:
    static constexpr int kDefaultTabWidth = 8;
    // Scintilla markers 10..19 carry bookmarks 0..9.
    static constexpr int kFirstBookmarkMarker = 10;

    explicit EditorControl(QWidget* parent = nullptr);

    TextIndex& Index() { return index_; }
    const TextIndex& Index() const { return index_; }

    // Replaces the whole text without an undo step and marks it unmodified.
    // NUL characters are kept (Scintilla's C-string calls would cut there).
    void LoadUtf8(std::string_view utf8);
    // The whole text as the editor holds it.
    std::string Utf8Text() const;

    long CaretByte() const;
    int CaretVirtualSpace() const;
    // Places an empty selection (the cursor) without scrolling the view.
    void PlaceCaret(long byte, int virtualSpace);

    // Width in pixels of one column of the fixed-pitch font.
    int ColumnWidth() const;

    // Replaces count characters at linear position start by ANSI text.
    void ReplaceAnsi(int start, int count, std::string_view ansi);
    int CaretLinear() const { return index_.LinearOf(CaretByte()); }

    // Whether an LF without a CR before it, or a NUL, may stand in the text.
    // Units are loaded with CR LF breaks; only an edit can bring a lone LF
    // in, and every edit that might is noted (a lone LF breaks Scintilla's
    // lines, not a line as the expert's text knows it).
    // Moves with every insertion or deletion in any editor (undo and loading
    // included): equal counts mean no editor's text changed in between.
    static std::uint64_t TextChanges() { return textChanges_; }

    bool MayHoldLoneLineFeed() {
        CheckInserted();
        return mayHoldLoneLineFeed_;
    }

private:
    void NoteChange(int byte, int type, const char* text, int length);
    void CheckInserted();
    // The line-number margin as wide as the highest number needs.
    void FitLineNumbers();

    TextIndex index_;
    int numberColumns_ = 0;
    bool mayHoldLoneLineFeed_ = false;
    static inline std::uint64_t textChanges_ = 0;
    bool colouringQueued_ = false;
    struct ByteRange {
        long from, to;
    };
    std::optional<ByteRange> inserted_;  // the last insertion, not looked at yet
};

// One undo step around several edits.
class UndoGroup {
public:
    explicit UndoGroup(EditorControl& editor) : editor_(editor) { editor_.SendScintilla(QsciScintillaBase::SCI_BEGINUNDOACTION); }
    ~UndoGroup() { editor_.SendScintilla(QsciScintillaBase::SCI_ENDUNDOACTION); }
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

private:
    EditorControl& editor_;
};

}  // namespace skrivo::host
