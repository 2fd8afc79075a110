// The newer editor-services view of one module: edit position, edit block, buffer options, actions.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "host/api/EditorServices.h"
#include "host/editor/BlockModel.h"
#include "host/editor/DeclarationIndex.h"

namespace skrivo::host {

class SourceEditor;

class EditPosition final : public IEditPosition {
public:
    explicit EditPosition(SourceEditor& source) : source_(source) {}
    int Row() override;
    int Column() override;
    bool Move(int row, int col) override;
    bool MoveRelative(int rows, int cols) override;
    bool MoveBOL() override;
    bool MoveEOL() override;
    std::string Read(int count) override;
    bool BackspaceDelete(int count) override;
    bool Delete(int count) override;
    bool InsertText(std::string_view text) override;
    void Save() override;
    void Restore() override;
    TSearchOptions& SearchOptions() override { return search_; }
    bool SearchAgain() override;

private:
    // Fills virtual space before the cursor with blanks, as typing there does.
    void RealizeVirtualSpace();
    // Puts a cursor that stands past the end of its line at that end.
    void LeaveVirtualSpace();
    SourceEditor& source_;
    std::vector<TEditPos> saved_;
    TSearchOptions search_;
};

class EditBlock final : public IEditBlock {
public:
    explicit EditBlock(SourceEditor& source) : source_(source) {}
    void BeginBlock() override;
    void EndBlock() override;
    void Reset() override;
    std::string Text() override;
    int Size() override;  // 0 while the block is hidden: nothing is selected
    bool Visible() override;
    void SetVisible(bool visible) override;
    TBlockType Style() override;
    void SetStyle(TBlockType style) override;
    int StartingRow() override;
    int StartingColumn() override;
    int EndingRow() override;
    int EndingColumn() override;
    void Save() override;
    void Restore() override;

private:
    void MarkFrom(TCharPos begin, TCharPos end);
    int EditColumnOf(TCharPos pos);
    SourceEditor& source_;
    bool hasBegin_ = false, hasEnd_ = false;
    TCharPos begin_{}, end_{};
    std::vector<BlockModel::State> saved_;
};

class BufferOptions final : public IBufferOptions {
public:
    explicit BufferOptions(SourceEditor& source) : source_(source) {}
    bool AutoIndent() override;
    void SetAutoIndent(bool on) override;
    int TabWidth() override;

private:
    SourceEditor& source_;
};

// The parameter hint: the declared parameters of the call around the cursor
// (the unit's own routines and common library ones), shown as a call tip
// with the parameter being typed highlighted.
class EditActions final : public IEditActions {
public:
    explicit EditActions(SourceEditor& source);
    void CodeCompletion(int style) override;
    const std::string& LastHint() const { return lastHint_; }
    // The editor's modification notices, before the text changes.
    void BeforeInsert(long byte, long length) { declarations_.BeforeInsert(byte, length); }
    void BeforeDelete(long byte, long length) { declarations_.BeforeDelete(byte, length); }
    void PrepareDeclarations() { declarations_.Prepare(); }

private:
    std::optional<std::string> Signature(std::string_view name);

    // The tip last shown: its UTF-8 text, the byte it stands at, that byte's
    // place in the editor and the editor's place on the screen.
    struct ShownTip {
        std::string text;
        uintptr_t anchor = 0;
        long x = 0, y = 0;
        int originX = 0, originY = 0;
        bool operator==(const ShownTip&) const = default;
    };

    SourceEditor& source_;
    std::string lastHint_;
    ShownTip shownTip_;
    DeclarationIndex declarations_;
};

class EditBuffer final : public IEditBuffer {
public:
    EditBuffer(SourceEditor& source, std::function<std::string()> fileName);
    EditBuffer(const EditBuffer&) = delete;
    EditBuffer& operator=(const EditBuffer&) = delete;

    std::string FileName() override { return fileName_(); }
    IEditPosition& EditPosition() override { return position_; }
    IEditBlock& EditBlock() override { return block_; }
    IBufferOptions& BufferOptions() override { return options_; }
    IEditView* TopView() override;
    int LinesInBuffer() override;
    std::uint64_t TextVersion() override;
    bool Undo() override;
    bool Redo() override;

    EditActions& Actions() { return actions_; }

private:
    SourceEditor& source_;
    std::function<std::string()> fileName_;
    class EditPosition position_;
    class EditBlock block_;
    class BufferOptions options_;
    EditActions actions_;
};

}  // namespace skrivo::host
