// The host's newer editor services: top buffer and view, edit position, edit block, actions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "host/api/EditorTypes.h"

namespace skrivo::host {

class IEditView;

// The IDE keeps the texts searched for under this registry key (current
// user): "Count", then "Item0" (the newest) to "Item<Count-1>".
inline constexpr std::string_view kSearchHistoryKey = "\\Software\\Borland\\Delphi\\7.0\\History Lists\\hlSearchText";
// The history under that key, newest first; empty when it is missing or
// cannot be read.
std::vector<std::string> ReadSearchHistory();

// The cursor of an edit buffer, as a tool to read and edit at it.
class IEditPosition {
public:
    virtual ~IEditPosition() = default;
    virtual int Row() = 0;      // 1-based line
    virtual int Column() = 0;   // 1-based editor column
    // Row or column 0 keeps the current one; false (no change) for a row
    // outside the buffer. Columns past the end of a line are allowed (the
    // cursor stands in virtual space; inserting there fills it with blanks).
    virtual bool Move(int row, int col) = 0;
    virtual bool MoveRelative(int rows, int cols) = 0;  // false (no change) when refused
    virtual bool MoveBOL() = 0;
    virtual bool MoveEOL() = 0;
    // Reads count characters from the cursor without moving it (from the
    // line end when the cursor stands beyond it).
    virtual std::string Read(int count) = 0;
    // Delete count characters of the text (CR LF counts 2) before / after
    // the cursor. A cursor in virtual space first returns to the end of its
    // line: the empty columns hold no characters to delete.
    virtual bool BackspaceDelete(int count) = 0;
    virtual bool Delete(int count) = 0;
    // Inserts at the cursor, honouring the buffer's automatic indentation
    // after line breaks; the cursor ends after the text. In virtual space the
    // empty columns are filled with blanks first, as typing there does.
    virtual bool InsertText(std::string_view text) = 0;
    // Save/Restore keep a stack of cursor positions.
    virtual void Save() = 0;
    virtual void Restore() = 0;
    virtual TSearchOptions& SearchOptions() = 0;
    // Searches with SearchOptions(); on success the cursor and the block mark
    // the found text.
    virtual bool SearchAgain() = 0;
};

// The selected block of an edit buffer, in editor positions.
class IEditBlock {
public:
    virtual ~IEditBlock() = default;
    virtual void BeginBlock() = 0;   // mark the block start at the cursor
    virtual void EndBlock() = 0;     // mark the block end at the cursor
    virtual void Reset() = 0;        // no block
    virtual std::string Text() = 0;
    virtual int Size() = 0;          // characters selected
    virtual bool Visible() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual TBlockType Style() = 0;
    virtual void SetStyle(TBlockType style) = 0;
    virtual int StartingRow() = 0;
    virtual int StartingColumn() = 0;
    virtual int EndingRow() = 0;
    virtual int EndingColumn() = 0;
    virtual void Save() = 0;
    virtual void Restore() = 0;
};

// Per-buffer options.
class IBufferOptions {
public:
    virtual ~IBufferOptions() = default;
    virtual bool AutoIndent() = 0;
    virtual void SetAutoIndent(bool on) = 0;
    virtual int TabWidth() = 0;
};

// Editor actions of a view.
class IEditActions {
public:
    virtual ~IEditActions() = default;
    // Style 2 opens the parameter hint of the call at the cursor.
    virtual void CodeCompletion(int style) = 0;
};

class IEditBuffer {
public:
    virtual ~IEditBuffer() = default;
    virtual std::string FileName() = 0;
    virtual IEditPosition& EditPosition() = 0;
    virtual IEditBlock& EditBlock() = 0;
    virtual IBufferOptions& BufferOptions() = 0;
    virtual IEditView* TopView() = 0;
    virtual int LinesInBuffer() = 0;
    // A number that moves with every change to the text of any buffer: while
    // it stands still, this buffer holds the same text.
    virtual std::uint64_t TextVersion() = 0;
    virtual bool Undo() = 0;
    virtual bool Redo() = 0;
};

class IEditorServices {
public:
    virtual ~IEditorServices() = default;
    // The buffer and view of the editor in front; nullptr when none.
    virtual IEditBuffer* TopBuffer() = 0;
    virtual IEditView* TopView() = 0;
    virtual IEditActions* TopViewActions() = 0;
    // Makes the top view show the cursor (scrolling as needed).
    virtual void MoveViewToCursor() = 0;
    // All open edit buffers.
    virtual int BufferCount() = 0;
    virtual IEditBuffer* Buffer(int index) = 0;
};

}  // namespace skrivo::host
