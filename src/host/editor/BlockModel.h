// The selected block of one editor: start, after, type and visibility, kept apart from the editor's selection.
#pragma once

#include <string>
#include <vector>

#include "host/api/EditorTypes.h"

namespace skrivo::host {

class EditorControl;

// The IDE's block lives on when hidden and is set position by position, while
// a Scintilla selection always ends at the caret. The block is therefore kept
// here and shown as the editor's selection while visible. A selection the
// user makes in the editor becomes the block; a selection the user clears
// collapses a visible block to the cursor.
//
// Column blocks: CharIndex of BlockStart is the first screen column (1-based)
// and of BlockAfter the last screen column inside the block.
class BlockModel {
public:
    struct State {
        TCharPos start{0, 1};
        TCharPos after{0, 1};
        TBlockType type = TBlockType::btNonInclusive;
        bool visible = false;
    };

    explicit BlockModel(EditorControl& editor);
    BlockModel(const BlockModel&) = delete;
    BlockModel& operator=(const BlockModel&) = delete;

    TCharPos Start();
    TCharPos After();
    TBlockType Type();
    bool Visible();
    void SetStart(TCharPos pos);
    void SetAfter(TCharPos pos);
    void SetType(TBlockType type);
    void SetVisible(bool visible);

    State Get();
    void Set(const State& state);

    // The block's text as ANSI (column blocks: one line per row, CR LF between).
    std::string Text();
    int Size();

    // The caret was moved by the host: that is not the user clearing a block.
    void AcceptEditorSelection();
    // The host put the cursor somewhere: a visible block the cursor now
    // stands at an end of is shown again (the cursor stays), as the IDE
    // keeps showing its block when the cursor is set; elsewhere the editor
    // shows the cursor alone and the block is only remembered.
    void CursorPlaced();

private:
    struct Selection {
        long anchor = 0, caret = 0;
        int anchorVirtual = 0, caretVirtual = 0;
        bool rectangular = false;
        friend bool operator==(const Selection&, const Selection&) = default;
    };
    struct Span {
        int start, end;  // linear, end exclusive
    };

    Selection Capture() const;
    void Sync();
    void Apply();
    bool CaretAtBlockEnd() const;
    std::vector<Span> Spans() const;
    int LinearOfCharPos(TCharPos pos) const;

    EditorControl& editor_;
    State state_;
    Selection lastSeen_;
};

}  // namespace skrivo::host
