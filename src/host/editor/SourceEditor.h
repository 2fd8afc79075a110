// The editor of one module (its text, view and block) as the old editor interface offers it.
#pragma once

#include <functional>
#include <memory>

#include <QPointer>

#include "host/api/Editor.h"
#include "host/editor/BlockModel.h"
#include "host/editor/EditView.h"
#include "host/editor/EditorControl.h"

namespace skrivo::host {

class EditNotifications;

class SourceEditor final : public IEditorInterface {
public:
    SourceEditor(EditorControl& editor, EditNotifications& notifications, std::function<std::string()> fileName);
    SourceEditor(const SourceEditor&) = delete;
    SourceEditor& operator=(const SourceEditor&) = delete;

    std::string FileName() override { return fileName_(); }
    int LinesInBuffer() override;
    std::unique_ptr<IEditReader> CreateReader() override;
    std::unique_ptr<IEditWriter> CreateUndoableWriter() override;
    int GetViewCount() override { return editor_ ? 1 : 0; }
    IEditView* GetView(int index) override;
    TCharPos BlockStart() override { return block_.Start(); }
    void SetBlockStart(TCharPos pos) override { block_.SetStart(pos); }
    TCharPos BlockAfter() override { return block_.After(); }
    void SetBlockAfter(TCharPos pos) override { block_.SetAfter(pos); }
    TBlockType BlockType() override { return block_.Type(); }
    void SetBlockType(TBlockType type) override { block_.SetType(type); }
    bool BlockVisible() override { return block_.Visible(); }
    void SetBlockVisible(bool visible) override { block_.SetVisible(visible); }

    EditorControl& Control() { return *editor_; }
    EditView& View() { return view_; }
    BlockModel& Block() { return block_; }
    EditNotifications& Notifications() { return notifications_; }

private:
    QPointer<EditorControl> editor_;
    EditNotifications& notifications_;
    std::function<std::string()> fileName_;
    BlockModel block_;
    EditView view_;
};

}  // namespace skrivo::host
