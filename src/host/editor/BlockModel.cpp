// The selected block of one editor, kept apart from the editor's selection.
#include "host/editor/BlockModel.h"

#include <algorithm>

#include "host/editor/EditorControl.h"

namespace skrivo::host {

namespace {
using Sci = QsciScintillaBase;
}

BlockModel::BlockModel(EditorControl& editor) : editor_(editor) { lastSeen_ = Capture(); }

BlockModel::Selection BlockModel::Capture() const {
    Selection s;
    s.rectangular = editor_.SendScintilla(Sci::SCI_SELECTIONISRECTANGLE) != 0;
    if (s.rectangular) {
        s.anchor = editor_.SendScintilla(Sci::SCI_GETRECTANGULARSELECTIONANCHOR);
        s.caret = editor_.SendScintilla(Sci::SCI_GETRECTANGULARSELECTIONCARET);
        s.anchorVirtual = static_cast<int>(editor_.SendScintilla(Sci::SCI_GETRECTANGULARSELECTIONANCHORVIRTUALSPACE));
        s.caretVirtual = static_cast<int>(editor_.SendScintilla(Sci::SCI_GETRECTANGULARSELECTIONCARETVIRTUALSPACE));
    } else {
        s.anchor = editor_.SendScintilla(Sci::SCI_GETANCHOR);
        s.caret = editor_.SendScintilla(Sci::SCI_GETCURRENTPOS);
        const long main = editor_.SendScintilla(Sci::SCI_GETMAINSELECTION);
        s.anchorVirtual = static_cast<int>(editor_.SendScintilla(Sci::SCI_GETSELECTIONNANCHORVIRTUALSPACE, static_cast<unsigned long>(main)));
        s.caretVirtual = static_cast<int>(editor_.SendScintilla(Sci::SCI_GETSELECTIONNCARETVIRTUALSPACE, static_cast<unsigned long>(main)));
    }
    return s;
}

void BlockModel::AcceptEditorSelection() { lastSeen_ = Capture(); }

void BlockModel::CursorPlaced() {
    lastSeen_ = Capture();
    if (state_.visible && CaretAtBlockEnd()) Apply();
}

bool BlockModel::CaretAtBlockEnd() const {
    const TextIndex& index = editor_.Index();
    const long caret = editor_.CaretByte();
    const int virt = editor_.CaretVirtualSpace();
    if (state_.type == TBlockType::btColumn) {
        // Where Apply leaves the caret: on the last line, after the last column.
        const int line0 = index.LineOfByte(caret);
        const int column = index.ColumnOf(line0, index.LinearOf(caret) - index.LineStart(line0)) + virt;
        return line0 + 1 == state_.after.Line && column == state_.after.CharIndex;
    }
    const Span span = Spans().front();
    const int at = index.LinearOf(caret);
    return virt == 0 && span.start != span.end && (at == span.start || at == span.end);
}

void BlockModel::Sync() {
    const Selection now = Capture();
    if (now == lastSeen_) return;
    lastSeen_ = now;
    const TextIndex& index = editor_.Index();
    auto charPosOf = [&](long byte, int virt) {
        const int line0 = index.LineOfByte(byte);
        const int charIndex = index.LinearOf(byte) - index.LineStart(line0) + virt;
        return TCharPos{static_cast<std::int16_t>(charIndex), line0 + 1};
    };
    if (now.rectangular) {
        const int anchorLine = index.LineOfByte(now.anchor);
        const int caretLine = index.LineOfByte(now.caret);
        const int anchorCol = index.ColumnOf(anchorLine, index.LinearOf(now.anchor) - index.LineStart(anchorLine)) + now.anchorVirtual;
        const int caretCol = index.ColumnOf(caretLine, index.LinearOf(now.caret) - index.LineStart(caretLine)) + now.caretVirtual;
        state_.type = TBlockType::btColumn;
        state_.start = {static_cast<std::int16_t>(std::min(anchorCol, caretCol) + 1), std::min(anchorLine, caretLine) + 1};
        state_.after = {static_cast<std::int16_t>(std::max(anchorCol, caretCol)), std::max(anchorLine, caretLine) + 1};
        state_.visible = true;
        return;
    }
    const bool empty = now.anchor == now.caret && now.anchorVirtual == now.caretVirtual;
    if (empty) {
        if (state_.visible) {
            const TCharPos at = charPosOf(now.caret, now.caretVirtual);
            state_.start = state_.after = at;
            state_.visible = false;
        }
        return;
    }
    const bool anchorFirst = now.anchor < now.caret || (now.anchor == now.caret && now.anchorVirtual < now.caretVirtual);
    state_.start = anchorFirst ? charPosOf(now.anchor, now.anchorVirtual) : charPosOf(now.caret, now.caretVirtual);
    state_.after = anchorFirst ? charPosOf(now.caret, now.caretVirtual) : charPosOf(now.anchor, now.anchorVirtual);
    state_.type = TBlockType::btNonInclusive;
    state_.visible = true;
}

int BlockModel::LinearOfCharPos(TCharPos pos) const {
    const TextIndex& index = editor_.Index();
    const int lines = index.LineCount();
    if (pos.Line < 1) return 0;
    if (pos.Line > lines) return index.Length();
    const int line0 = pos.Line - 1;
    const int charIndex = std::clamp<int>(pos.CharIndex, 0, index.LineLength(line0));
    return index.LineStart(line0) + charIndex;
}

std::vector<BlockModel::Span> BlockModel::Spans() const {
    std::vector<Span> spans;
    const TextIndex& index = editor_.Index();
    switch (state_.type) {
    case TBlockType::btColumn: {
        const int first = std::max(state_.start.Line, 1);
        const int last = std::min(state_.after.Line, index.LineCount());
        for (int line = first; line <= last; ++line) {
            const int line0 = line - 1;
            const int from = index.CharIndexOfColumn(line0, state_.start.CharIndex - 1);
            const int to = index.CharIndexOfColumn(line0, state_.after.CharIndex);
            const int base = index.LineStart(line0);
            spans.push_back({base + from, base + std::max(from, to)});
        }
        break;
    }
    case TBlockType::btLine: {
        const int first = std::clamp(state_.start.Line, 1, index.LineCount()) - 1;
        const int last = std::clamp(state_.after.Line, 1, index.LineCount()) - 1;
        const int end = last + 1 < index.LineCount() ? index.LineStart(last + 1) : index.Length();
        spans.push_back({index.LineStart(first), std::max(index.LineStart(first), end)});
        break;
    }
    default: {
        const int s = LinearOfCharPos(state_.start);
        int e = LinearOfCharPos(state_.after);
        if (state_.type == TBlockType::btInclusive) e = std::min(e + 1, index.Length());
        spans.push_back({s, std::max(s, e)});
        break;
    }
    }
    return spans;
}

void BlockModel::Apply() {
    const TextIndex& index = editor_.Index();
    if (!state_.visible) {
        const long caret = editor_.CaretByte();
        const int virt = editor_.CaretVirtualSpace();
        editor_.PlaceCaret(caret, virt);
        lastSeen_ = Capture();
        return;
    }
    if (state_.type == TBlockType::btColumn) {
        auto place = [&](int line, int column, long& byte, int& virt) {
            const int line0 = std::clamp(line, 1, index.LineCount()) - 1;
            int beyond = 0;
            const int charIndex = index.CharIndexOfColumn(line0, std::max(column, 0), &beyond);
            byte = index.ByteOf(index.LineStart(line0) + charIndex);
            virt = beyond;
        };
        long anchor = 0, caret = 0;
        int anchorVirt = 0, caretVirt = 0;
        place(state_.start.Line, state_.start.CharIndex - 1, anchor, anchorVirt);
        place(state_.after.Line, state_.after.CharIndex, caret, caretVirt);
        editor_.SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONANCHOR, static_cast<unsigned long>(anchor));
        editor_.SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONCARET, static_cast<unsigned long>(caret));
        editor_.SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONANCHORVIRTUALSPACE, static_cast<unsigned long>(anchorVirt));
        editor_.SendScintilla(Sci::SCI_SETRECTANGULARSELECTIONCARETVIRTUALSPACE, static_cast<unsigned long>(caretVirt));
    } else {
        const Span span = Spans().front();
        const long start = index.ByteOf(span.start);
        const long end = index.ByteOf(span.end);
        // A cursor put at the block's start (a selection made backwards) stays there.
        const bool caretAtStart = start != end && editor_.CaretByte() == start && editor_.CaretVirtualSpace() == 0;
        editor_.SendScintilla(Sci::SCI_SETSELECTIONMODE, static_cast<unsigned long>(Sci::SC_SEL_STREAM));
        editor_.SendScintilla(Sci::SCI_SETSELECTION, static_cast<unsigned long>(caretAtStart ? start : end),
                              static_cast<long>(caretAtStart ? end : start));
    }
    lastSeen_ = Capture();
}

TCharPos BlockModel::Start() { Sync(); return state_.start; }
TCharPos BlockModel::After() { Sync(); return state_.after; }
TBlockType BlockModel::Type() { Sync(); return state_.type; }
bool BlockModel::Visible() { Sync(); return state_.visible; }

void BlockModel::SetStart(TCharPos pos) {
    Sync();
    state_.start = pos;
    if (state_.visible) Apply();
}

void BlockModel::SetAfter(TCharPos pos) {
    Sync();
    state_.after = pos;
    if (state_.visible) Apply();
}

void BlockModel::SetType(TBlockType type) {
    Sync();
    state_.type = type;
    if (state_.visible) Apply();
}

void BlockModel::SetVisible(bool visible) {
    Sync();
    if (state_.visible == visible) return;
    state_.visible = visible;
    Apply();
}

BlockModel::State BlockModel::Get() { Sync(); return state_; }

void BlockModel::Set(const State& state) {
    Sync();
    const bool wasVisible = state_.visible;
    state_ = state;
    if (state_.visible || wasVisible) Apply();
}

std::string BlockModel::Text() {
    Sync();
    const TextIndex& index = editor_.Index();
    std::string text;
    const auto spans = Spans();
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += index.ReadAnsi(spans[i].start, spans[i].end - spans[i].start);
    }
    return text;
}

int BlockModel::Size() {
    Sync();
    int size = 0;
    for (const Span& span : Spans()) size += span.end - span.start;
    return size;
}

}  // namespace skrivo::host
