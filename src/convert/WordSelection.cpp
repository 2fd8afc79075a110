// The editor side of the conversions: what to read, where to write it back, and what to restore.
#include "convert/WordSelection.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "bridge/Diagnostics.h"
#include "convert/LayoutConverter.h"
#include "host/api/Editor.h"
#include "source/CharClasses.h"

namespace skrivo {

namespace {

using host::TBlockType;
using host::TCharPos;
using host::TEditPos;

// How far on each side of the cursor a word is looked for.
constexpr int kWordReach = 256;
constexpr int kRestOfText = std::numeric_limits<std::int32_t>::max();

struct TSpan {
    int start = 0;
    int end = 0;  // exclusive
};

int LinearOfEditPos(host::IEditView& view, TEditPos pos) {
    TCharPos charPos;
    view.ConvertPos(true, pos, charPos);
    return view.CharPosToPos(charPos);
}

std::string ReadSpan(host::IEditReader& reader, TSpan span) {
    std::string text(static_cast<std::size_t>(std::max(span.end - span.start, 0)), '\0');
    text.resize(static_cast<std::size_t>(reader.GetText(span.start, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool BlockUsable(TCharPos start, TCharPos after, TBlockType type) {
    if (type == TBlockType::btUnknown) return false;
    if (after.Line < start.Line) return false;
    return after.Line > start.Line || after.CharIndex > start.CharIndex;
}

bool IsBoundary(TConvertMode mode, char c) {
    if (mode == TConvertMode::Layout) return static_cast<unsigned char>(c) <= ' ';
    return !IsAlphaDigit(c);
}

bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// Writes each span's new text over it, as one undo step.
void Rewrite(host::IEditorInterface& editor, const std::vector<TSpan>& spans, const std::vector<std::string>& texts) {
    std::unique_ptr<host::IEditWriter> writer = editor.CreateUndoableWriter();
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (spans[i].start > 0) writer->CopyTo(spans[i].start);
        writer->DeleteTo(spans[i].end);
        writer->Insert(texts[i]);
    }
    writer->CopyTo(kRestOfText);
    writer->Commit();
}

bool ConvertWordAtCursor(host::IEditorInterface& editor, host::IEditView& view, TEditPos cursor,
                         const TLayoutConverter& converter, TConvertMode mode) {
    const int pos = LinearOfEditPos(view, cursor);
    const int before = std::min(pos, kWordReach);
    std::string word = ReadSpan(*editor.CreateReader(), {pos - before, pos + kWordReach});
    auto boundary = [mode](char c) { return IsBoundary(mode, c); };
    const auto cursorAt = word.begin() + std::min<std::ptrdiff_t>(before, static_cast<std::ptrdiff_t>(word.size()));
    const auto end = std::find_if(cursorAt, word.end(), boundary);
    const auto start = std::find_if(std::make_reverse_iterator(cursorAt), word.rend(), boundary).base();
    const int wordStart = pos - static_cast<int>(cursorAt - start);
    word = std::string(start, end);
    if (IsBlank(word)) return false;
    if (!converter.Convert(mode, word)) return false;
    Rewrite(editor, {{wordStart, wordStart + static_cast<int>(word.size())}}, {word});
    return true;
}

// Column blocks: BlockStart's CharIndex is the first screen column inside,
// BlockAfter's the last; tabs count by their width on screen.
bool ConvertColumnBlock(host::IEditorInterface& editor, host::IEditView& view, TCharPos first, TCharPos last,
                        const TLayoutConverter& converter, TConvertMode mode) {
    std::vector<TSpan> spans;
    for (std::int32_t line = first.Line; line <= last.Line; ++line) {
        const int from = LinearOfEditPos(view, {first.CharIndex, line});
        const int to = LinearOfEditPos(view, {static_cast<std::int16_t>(last.CharIndex + 1), line});
        spans.push_back({from, std::max(from, to)});
    }
    std::vector<std::string> lines;
    std::unique_ptr<host::IEditReader> reader = editor.CreateReader();
    for (const TSpan& span : spans) lines.push_back(ReadSpan(*reader, span));
    reader.reset();
    if (!converter.Convert(mode, lines)) return false;
    Rewrite(editor, spans, lines);
    return true;
}

// A line block is shown as whole lines, so whole lines are what it converts.
TSpan StreamBlockSpan(host::IEditView& view, TCharPos start, TCharPos after, TBlockType type) {
    if (type == TBlockType::btLine) {
        return {view.CharPosToPos({0, start.Line}),
                view.CharPosToPos({std::numeric_limits<std::int16_t>::max(), after.Line})};
    }
    const int s = view.CharPosToPos(start);
    const int u = view.CharPosToPos(after) + (type == TBlockType::btInclusive ? 1 : 0);
    return {s, std::max(s, u)};
}

bool ConvertStreamBlock(host::IEditorInterface& editor, host::IEditView& view, TCharPos start, TCharPos after,
                        TBlockType type, const TLayoutConverter& converter, TConvertMode mode) {
    const TSpan span = StreamBlockSpan(view, start, after, type);
    std::string text = ReadSpan(*editor.CreateReader(), span);
    if (!converter.Convert(mode, text)) return false;
    // Past the end of the text the reader delivers less than the block asks for.
    Rewrite(editor, {{span.start, span.start + static_cast<int>(text.size())}}, {text});
    return true;
}

}  // namespace

bool TranslateWordSelection(host::IEditorInterface& editor, const TLayoutConverter& converter, TConvertMode mode) {
    try {
        if (editor.GetViewCount() < 1) return false;
        host::IEditView* view = editor.GetView(0);
        if (!view) return false;
        const TCharPos start = editor.BlockStart();
        const TCharPos after = editor.BlockAfter();
        const TBlockType type = editor.BlockType();
        const TEditPos cursor = view->GetPos(0);

        const bool block = BlockUsable(start, after, type);
        bool changed = false;
        if (!block) {
            changed = ConvertWordAtCursor(editor, *view, cursor, converter, mode);
        } else if (type == TBlockType::btColumn) {
            changed = ConvertColumnBlock(editor, *view, start, after, converter, mode);
        } else {
            changed = ConvertStreamBlock(editor, *view, start, after, type, converter, mode);
        }
        if (!changed) return false;

        if (block) {
            view->SetPos(0, cursor);
            editor.SetBlockType(type);
            editor.SetBlockStart(start);
            editor.SetBlockAfter(after);
            editor.SetBlockVisible(true);
        } else {
            // Only the block's bounds come back: showing the empty block would
            // take the cursor to wherever that block was left.
            editor.SetBlockStart(start);
            editor.SetBlockAfter(after);
            view->SetPos(0, cursor);
        }
        return true;
    } catch (const std::exception& e) {
        Rpt("!! TranslateWordSelection: ", e.what());
        throw;
    }
}

}  // namespace skrivo
