// The one view of a module's editor: cursor, top-left position, size, position conversions, bookmarks.
#pragma once

#include <array>

#include "host/api/Editor.h"

namespace skrivo::host {

class EditorControl;
class BlockModel;

class EditView final : public IEditView {
public:
    EditView(EditorControl& editor, BlockModel& block);
    EditView(const EditView&) = delete;
    EditView& operator=(const EditView&) = delete;

    TEditPos GetPos(int index) override;
    void SetPos(int index, TEditPos pos) override;
    TViewSize GetViewSize() override;
    int CharPosToPos(TCharPos pos) override;
    bool PosToCharPos(int pos, TCharPos& charPos) override;
    void ConvertPos(bool editPosToCharPos, TEditPos& editPos, TCharPos& charPos) override;
    TCharPos GetBookmarkPos(int id) override;
    void BookmarkRecord(int id) override;
    void Paint() override;

    // Host side: the user's bookmark keys.
    void ClearBookmark(int id);
    bool GotoBookmark(int id);
    // The bookmark set on the cursor's line, -1 when none.
    int BookmarkAtCursorLine();
    int PaintCount() const { return paintCount_; }

    TEditPos CursorPos();
    void SetCursor(TEditPos pos);
    // Scrolls so the cursor is visible.
    void ShowCursor();

private:
    struct Bookmark {
        int handle = -1;
        int charIndex = 0;
    };
    EditorControl& editor_;
    BlockModel& block_;
    std::array<Bookmark, 10> bookmarks_{};
    int paintCount_ = 0;
};

}  // namespace skrivo::host
