// The editor of one module (its text, view and block) as the old editor interface offers it.
#include "host/editor/SourceEditor.h"

#include "host/editor/EditReader.h"
#include "host/editor/EditWriter.h"

namespace skrivo::host {

SourceEditor::SourceEditor(EditorControl& editor, EditNotifications& notifications, std::function<std::string()> fileName)
    : editor_(&editor), notifications_(notifications), fileName_(std::move(fileName)), block_(editor), view_(editor, block_) {}

int SourceEditor::LinesInBuffer() { return editor_ ? editor_->Index().LineCount() : 0; }

std::unique_ptr<IEditReader> SourceEditor::CreateReader() {
    if (!editor_) return nullptr;
    return std::make_unique<EditReader>(*editor_);
}

std::unique_ptr<IEditWriter> SourceEditor::CreateUndoableWriter() {
    if (!editor_) return nullptr;
    return std::make_unique<EditWriter>(*editor_, notifications_);
}

IEditView* SourceEditor::GetView(int index) { return index == 0 && editor_ ? &view_ : nullptr; }

}  // namespace skrivo::host
