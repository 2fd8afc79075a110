// TQvNotifier: replacing, inserting and deleting text, moving the cursor, repainting.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "host/api/Host.h"

namespace skrivo {

namespace {

host::IEditorServices* EditorServices() {
    host::IHost* host = host::Host();
    return host ? host->EditorServices() : nullptr;
}

host::IEditBuffer* TopBuffer() {
    host::IEditorServices* services = EditorServices();
    return services ? services->TopBuffer() : nullptr;
}

}  // namespace

bool TQvNotifier::IsModuleInFront() const {
    host::IEditBuffer* top = TopBuffer();
    host::IEditorInterface* editor = Editor();
    return top && editor && top->FileName() == editor->FileName();
}

bool TQvNotifier::Replace(int pos, int count, std::string_view text) {
    b("-> TQvNotifier.Replace");
    // A negative range names no text; the writer would walk backwards.
    if (pos < 0 || count < 0) return false;
    const long long end = static_cast<long long>(pos) + count;
    const int cursor = GetPosition();
    if (pos <= cursor && cursor <= end && IsModuleInFront()) {
        // At the cursor the edit goes through the edit position, so the
        // cursor ends after the new text as typing would leave it. The text
        // goes exactly to pos: empty columns past the line's end, where the
        // cursor may stand, are not filled first.
        LeaveVirtualSpace();
        host::IEditPosition& at = TopBuffer()->EditPosition();
        if (pos < cursor) at.BackspaceDelete(cursor - pos);
        if (const long long rest = end - cursor; rest > 0)
            at.Delete(static_cast<int>(std::min<long long>(rest, std::numeric_limits<std::int32_t>::max())));
        if (!text.empty()) at.InsertText(text);
        b("<- TQvNotifier.Replace");
        return true;
    }
    host::IEditorInterface* editor = Editor();
    if (!editor) return false;
    std::unique_ptr<host::IEditWriter> writer = editor->CreateUndoableWriter();
    if (!writer) return false;
    writer->CopyTo(pos);
    writer->DeleteTo(static_cast<int>(std::min<long long>(end, std::numeric_limits<std::int32_t>::max())));
    writer->Insert(text);
    writer->CopyTo(std::numeric_limits<std::int32_t>::max());
    writer->Commit();
    b("<- TQvNotifier.Replace");
    return true;
}

bool TQvNotifier::RemoveChars(int pos, int count) { return Replace(pos, count, {}); }

bool TQvNotifier::InsertText(std::string_view text) {
    host::IEditBuffer* top = TopBuffer();
    if (!top) return false;
    top->EditPosition().InsertText(text);
    return true;
}

void TQvNotifier::MoveCursor(int delta) {
    if (host::IEditBuffer* top = TopBuffer()) top->EditPosition().MoveRelative(0, delta);
}

void TQvNotifier::Paint() {
    host::IEditorServices* services = EditorServices();
    if (host::IEditView* view = services ? services->TopView() : nullptr) view->Paint();
}

}  // namespace skrivo
