// The undoable writer: one pass over the text from position 0, applied as one undo step of minimal edits.
#pragma once

#include <QPointer>

#include <string>
#include <vector>

#include "host/api/Editor.h"
#include "host/editor/EditorControl.h"

namespace skrivo::host {

class EditNotifications;

// The writer only collects its edits; Commit (or destruction) applies them
// inside one undo action and one EditScope, so notifiers hear of the change
// once, after it is complete. Each edit is narrowed to the characters that
// really change: a character the code page cannot hold reads as '?', and
// writing the same '?' back leaves the original character in place.
//
// Positions may only move forward; a CopyTo or DeleteTo behind the writer's
// place does nothing, and positions past the end stop at the end.
class EditWriter final : public IEditWriter {
public:
    EditWriter(EditorControl& editor, EditNotifications& notifications);
    ~EditWriter() override;
    EditWriter(const EditWriter&) = delete;
    EditWriter& operator=(const EditWriter&) = delete;

    void CopyTo(int pos) override;
    void DeleteTo(int pos) override;
    void Insert(std::string_view text) override;
    int CurrentPos() const override { return pos_; }
    void Commit() override;

private:
    struct Edit {
        int start;
        int end;  // exclusive, in the original text
        std::string text;
    };
    Edit& EditAtPlace();
    void ApplyNarrowed(const Edit& edit);

    QPointer<EditorControl> editor_;
    EditNotifications& notifications_;
    std::vector<Edit> edits_;
    int pos_ = 0;
    int length_ = 0;
    bool committed_ = false;
};

}  // namespace skrivo::host
