// The host's per-module editor interfaces: module, editor, views, reader, undoable writer, notifier.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "host/api/EditorTypes.h"

namespace skrivo::host {

// Texts crossing these interfaces are 8-bit text in the host's active ANSI
// code page; positions count characters of that text (CR LF = 2).

// Copies text out of a module's buffer.
class IEditReader {
public:
    virtual ~IEditReader() = default;
    // Copies up to count characters from linear position pos into buf and
    // returns how many were copied (fewer only at the end of the text).
    virtual int GetText(int pos, char* buf, int count) = 0;
};

// Walks the text once from position 0; every call is relative to the
// writer's place. The whole sequence becomes one undo step, applied when the
// writer is destroyed (or Commit is called). The edit notifies the module's
// notifiers (ncEditorModified) after it is applied, never from inside.
class IEditWriter {
public:
    virtual ~IEditWriter() = default;
    virtual void CopyTo(int pos) = 0;    // keep everything up to pos
    virtual void DeleteTo(int pos) = 0;  // drop everything up to pos
    virtual void Insert(std::string_view text) = 0;  // insert at the writer's place
    virtual int CurrentPos() const = 0;  // position in the original text
    virtual void Commit() = 0;           // apply now (idempotent)
};

// One view of a module's editor.
class IEditView {
public:
    virtual ~IEditView() = default;
    // index 0: the cursor; index 1: the top-left position (first visible
    // line, first visible column).
    virtual TEditPos GetPos(int index) = 0;
    virtual void SetPos(int index, TEditPos pos) = 0;
    virtual TViewSize GetViewSize() = 0;
    virtual int CharPosToPos(TCharPos pos) = 0;
    // The character position of linear position pos, lines counted as only
    // CR starts one (an LF after it belongs to the break; a lone LF starts
    // no line); CharIndex keeps the low 16 bits. False when the view cannot
    // tell without reading the whole text: a lone LF may stand in it, or a
    // NUL (where a reader taking the text as a C string stops).
    virtual bool PosToCharPos(int pos, TCharPos& charPos) = 0;
    // editPosToCharPos true: edit -> char; false: char -> edit.
    virtual void ConvertPos(bool editPosToCharPos, TEditPos& editPos, TCharPos& charPos) = 0;
    // Bookmarks 0..9: the character position (Line 0 when not set); record
    // sets bookmark id at the cursor.
    virtual TCharPos GetBookmarkPos(int id) = 0;
    virtual void BookmarkRecord(int id) = 0;
    virtual void Paint() = 0;
};

// The editor of one module (TIEditorInterface).
class IEditorInterface {
public:
    virtual ~IEditorInterface() = default;
    virtual std::string FileName() = 0;
    virtual int LinesInBuffer() = 0;
    virtual std::unique_ptr<IEditReader> CreateReader() = 0;
    virtual std::unique_ptr<IEditWriter> CreateUndoableWriter() = 0;
    virtual int GetViewCount() = 0;
    virtual IEditView* GetView(int index) = 0;  // owned by the editor
    // The selected block, in character positions.
    virtual TCharPos BlockStart() = 0;
    virtual void SetBlockStart(TCharPos pos) = 0;
    virtual TCharPos BlockAfter() = 0;
    virtual void SetBlockAfter(TCharPos pos) = 0;
    virtual TBlockType BlockType() = 0;
    virtual void SetBlockType(TBlockType type) = 0;
    virtual bool BlockVisible() = 0;
    virtual void SetBlockVisible(bool visible) = 0;
};

// Told of everything that happens to one module.
class IModuleNotifier {
public:
    virtual ~IModuleNotifier() = default;
    virtual void Notify(TNotifyCode code) = 0;
    virtual void ComponentRenamed(void* component, const std::string& oldName, const std::string& newName) = 0;
};

// One open module (TIModuleInterface). Lives until every notifier has been
// told ncModuleDeleted and has returned.
class IModuleInterface {
public:
    virtual ~IModuleInterface() = default;
    virtual std::string FileName() = 0;
    // The module's editor; nullptr for a module without one.
    virtual IEditorInterface* GetEditorInterface() = 0;
    virtual bool AddNotifier(IModuleNotifier* notifier) = 0;
    virtual bool RemoveNotifier(IModuleNotifier* notifier) = 0;
    virtual bool Save(bool forceSave) = 0;
    virtual bool Close() = 0;
};

}  // namespace skrivo::host
