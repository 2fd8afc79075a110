// The newer editor-services view of one module: edit position, edit block, buffer options, actions.
#include "host/editor/EditBuffer.h"

#include <algorithm>
#include <cctype>

#include <QPoint>

#include "host/editor/EditNotifications.h"
#include "host/editor/ParameterHints.h"
#include "host/editor/SourceEditor.h"
#include "host/text/AnsiText.h"

namespace skrivo::host {

namespace {
using Sci = QsciScintillaBase;

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// Leading blanks of the line that holds the linear position.
std::string IndentationOfLine(EditorControl& editor, int linear) {
    const TextIndex& index = editor.Index();
    const int line0 = index.LineOfLinear(linear);
    const std::string line = index.ReadAnsi(index.LineStart(line0), index.LineLength(line0));
    std::size_t n = 0;
    while (n < line.size() && (line[n] == ' ' || line[n] == '\t')) ++n;
    return line.substr(0, n);
}
}  // namespace

// ---- EditPosition ----

int EditPosition::Row() { return source_.View().CursorPos().Line; }
int EditPosition::Column() { return source_.View().CursorPos().Col; }

bool EditPosition::Move(int row, int col) {
    const TEditPos now = source_.View().CursorPos();
    const int line = row == 0 ? now.Line : row;
    const int column = col == 0 ? now.Col : col;
    if (line < 1 || line > source_.LinesInBuffer() || column < 1) return false;
    source_.View().SetCursor({static_cast<std::int16_t>(column), line});
    return true;
}

bool EditPosition::MoveRelative(int rows, int cols) {
    const TEditPos now = source_.View().CursorPos();
    const int line = now.Line + rows;
    const int column = now.Col + cols;
    if (line < 1 || line > source_.LinesInBuffer() || column < 1 || column > 0x7FFF) return false;
    source_.View().SetCursor({static_cast<std::int16_t>(column), line});
    return true;
}

bool EditPosition::MoveBOL() { return Move(0, 1); }

bool EditPosition::MoveEOL() {
    const TextIndex& index = source_.Control().Index();
    const int line0 = Row() - 1;
    const int col = index.ColumnOf(line0, index.LineLength(line0));
    return Move(0, col + 1);
}

std::string EditPosition::Read(int count) {
    EditorControl& editor = source_.Control();
    return editor.Index().ReadAnsi(editor.CaretLinear(), count);
}

void EditPosition::RealizeVirtualSpace() {
    EditorControl& editor = source_.Control();
    const int virt = editor.CaretVirtualSpace();
    if (virt <= 0) return;
    const int at = editor.CaretLinear();
    editor.ReplaceAnsi(at, 0, std::string(static_cast<std::size_t>(virt), ' '));
    editor.PlaceCaret(editor.Index().ByteOf(at + virt), 0);
}

void EditPosition::LeaveVirtualSpace() {
    EditorControl& editor = source_.Control();
    if (editor.CaretVirtualSpace() > 0) editor.PlaceCaret(editor.CaretByte(), 0);
}

bool EditPosition::BackspaceDelete(int count) {
    if (count <= 0) return false;
    EditorControl& editor = source_.Control();
    EditScope scope(source_.Notifications());
    UndoGroup group(editor);
    // The count is of characters: the empty columns past a line's end hold
    // none, so the deletion starts at the end of the line's text.
    LeaveVirtualSpace();
    const int at = editor.CaretLinear();
    const int from = std::max(0, at - count);
    editor.ReplaceAnsi(from, at - from, {});
    editor.PlaceCaret(editor.Index().ByteOf(from), 0);
    source_.Block().AcceptEditorSelection();
    return true;
}

bool EditPosition::Delete(int count) {
    if (count <= 0) return false;
    EditorControl& editor = source_.Control();
    EditScope scope(source_.Notifications());
    UndoGroup group(editor);
    LeaveVirtualSpace();
    const int at = editor.CaretLinear();
    const int to = std::min(at + count, editor.Index().Length());
    editor.ReplaceAnsi(at, to - at, {});
    editor.PlaceCaret(editor.Index().ByteOf(at), 0);
    source_.Block().AcceptEditorSelection();
    return true;
}

bool EditPosition::InsertText(std::string_view text) {
    EditorControl& editor = source_.Control();
    EditScope scope(source_.Notifications());
    UndoGroup group(editor);
    RealizeVirtualSpace();
    const int at = editor.CaretLinear();
    std::string toInsert;
    if (editor.autoIndent() && std::any_of(text.begin(), text.end(), IsLineBreak)) {
        const std::string indent = IndentationOfLine(editor, at);
        for (std::size_t i = 0; i < text.size(); ++i) {
            toInsert += text[i];
            const bool endsBreak = text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'));
            if (endsBreak) toInsert += indent;
        }
    } else {
        toInsert.assign(text);
    }
    editor.ReplaceAnsi(at, 0, toInsert);
    editor.PlaceCaret(editor.Index().ByteOf(at + static_cast<int>(toInsert.size())), 0);
    source_.Block().AcceptEditorSelection();
    return true;
}

void EditPosition::Save() { saved_.push_back(source_.View().CursorPos()); }

void EditPosition::Restore() {
    if (saved_.empty()) return;
    const TEditPos pos = saved_.back();
    saved_.pop_back();
    source_.View().SetCursor(pos);
}

bool EditPosition::SearchAgain() {
    if (search_.SearchText.empty()) return false;
    EditorControl& editor = source_.Control();
    const std::string needle = AnsiToEditorText(search_.SearchText);
    int flags = 0;
    if (search_.CaseSensitive) flags |= Sci::SCFIND_MATCHCASE;
    if (search_.WordBoundary) flags |= Sci::SCFIND_WHOLEWORD;
    if (search_.RegularExpression) flags |= Sci::SCFIND_REGEXP | Sci::SCFIND_POSIX;

    long scopeStart = 0;
    long scopeEnd = editor.SendScintilla(Sci::SCI_GETLENGTH);
    if (!search_.WholeFile) {
        const long selStart = editor.SendScintilla(Sci::SCI_GETSELECTIONSTART);
        const long selEnd = editor.SendScintilla(Sci::SCI_GETSELECTIONEND);
        if (selEnd <= selStart) return false;  // "selected text" with nothing selected finds nothing
        scopeStart = selStart;
        scopeEnd = selEnd;
    }
    long from = 0, to = 0;
    if (search_.Forward) {
        from = search_.FromCursor ? std::clamp(editor.CaretByte(), scopeStart, scopeEnd) : scopeStart;
        to = scopeEnd;
        if (!search_.WholeFile && search_.FromCursor) from = scopeStart;
    } else {
        const long cursorBack = std::min(editor.SendScintilla(Sci::SCI_GETSELECTIONSTART), editor.CaretByte());
        from = search_.FromCursor ? std::clamp(cursorBack, scopeStart, scopeEnd) : scopeEnd;
        to = scopeStart;
        if (!search_.WholeFile && search_.FromCursor) from = scopeEnd;
    }
    editor.SendScintilla(Sci::SCI_SETSEARCHFLAGS, static_cast<unsigned long>(flags));
    editor.SendScintilla(Sci::SCI_SETTARGETRANGE, static_cast<unsigned long>(from), static_cast<long>(to));
    const long found = editor.SendScintilla(Sci::SCI_SEARCHINTARGET, static_cast<uintptr_t>(needle.size()), needle.c_str());
    if (found < 0) return false;
    const long matchStart = editor.SendScintilla(Sci::SCI_GETTARGETSTART);
    const long matchEnd = editor.SendScintilla(Sci::SCI_GETTARGETEND);
    // The found text becomes the block; the cursor stands at its far end in
    // the search direction so that searching again moves on.
    if (search_.Forward)
        editor.SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(matchStart), static_cast<long>(matchEnd));
    else
        editor.SendScintilla(Sci::SCI_SETSEL, static_cast<unsigned long>(matchEnd), static_cast<long>(matchStart));
    editor.SendScintilla(Sci::SCI_SCROLLRANGE, static_cast<unsigned long>(matchEnd), static_cast<long>(matchStart));
    return true;
}

// ---- EditBlock ----

void EditBlock::MarkFrom(TCharPos begin, TCharPos end) {
    const bool beginFirst = begin.Line < end.Line || (begin.Line == end.Line && begin.CharIndex <= end.CharIndex);
    BlockModel& block = source_.Block();
    BlockModel::State state = block.Get();
    state.start = beginFirst ? begin : end;
    state.after = beginFirst ? end : begin;
    if (state.type == TBlockType::btUnknown) state.type = TBlockType::btNonInclusive;
    state.visible = true;
    block.Set(state);
}

static TCharPos CursorCharPos(SourceEditor& source) {
    TEditPos edit = source.View().CursorPos();
    TCharPos charPos{};
    source.View().ConvertPos(true, edit, charPos);
    return charPos;
}

void EditBlock::BeginBlock() {
    begin_ = CursorCharPos(source_);
    hasBegin_ = true;
    MarkFrom(begin_, hasEnd_ ? end_ : begin_);
}

void EditBlock::EndBlock() {
    end_ = CursorCharPos(source_);
    hasEnd_ = true;
    MarkFrom(hasBegin_ ? begin_ : end_, end_);
}

void EditBlock::Reset() {
    hasBegin_ = hasEnd_ = false;
    BlockModel::State state = source_.Block().Get();
    state.start = state.after = CursorCharPos(source_);
    state.visible = false;
    source_.Block().Set(state);
}

std::string EditBlock::Text() { return source_.Block().Text(); }
int EditBlock::Size() { return source_.Block().Visible() ? source_.Block().Size() : 0; }
bool EditBlock::Visible() { return source_.Block().Visible(); }
void EditBlock::SetVisible(bool visible) { source_.Block().SetVisible(visible); }
TBlockType EditBlock::Style() { return source_.Block().Type(); }
void EditBlock::SetStyle(TBlockType style) { source_.Block().SetType(style); }

int EditBlock::EditColumnOf(TCharPos pos) {
    if (source_.Block().Type() == TBlockType::btColumn) return pos.CharIndex;
    TEditPos edit{};
    source_.View().ConvertPos(false, edit, pos);
    return edit.Col;
}

int EditBlock::StartingRow() { return source_.Block().Start().Line; }
int EditBlock::StartingColumn() { return EditColumnOf(source_.Block().Start()); }
int EditBlock::EndingRow() { return source_.Block().After().Line; }
int EditBlock::EndingColumn() { return EditColumnOf(source_.Block().After()); }

void EditBlock::Save() { saved_.push_back(source_.Block().Get()); }

void EditBlock::Restore() {
    if (saved_.empty()) return;
    source_.Block().Set(saved_.back());
    saved_.pop_back();
}

// ---- BufferOptions ----

bool BufferOptions::AutoIndent() { return source_.Control().autoIndent(); }
void BufferOptions::SetAutoIndent(bool on) { source_.Control().setAutoIndent(on); }
int BufferOptions::TabWidth() { return source_.Control().tabWidth(); }

// ---- EditActions ----

EditActions::EditActions(SourceEditor& source)
    : source_(source),
      declarations_({[this] { return source_.Control().Index().ByteLength(); },
                     [this](long from, long to) { return source_.Control().Index().ReadBytes(from, to); }}) {}

// The unit's own heading first, then the library's: the index keeps where
// the headings are, their parameters are read where they stand now.
std::optional<std::string> EditActions::Signature(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    const std::string_view routine = dot == std::string_view::npos ? name : name.substr(dot + 1);
    if (routine.empty()) return std::nullopt;
    const TextIndex& index = source_.Control().Index();
    // Most headings end on their own line; a longer one is read in growing
    // pieces, so a heading without its ";" costs the rest of the unit only then.
    constexpr int kFirstHeadingWindow = 160;
    for (const Declaration& d : declarations_.Named(LowerRoutineName(AnsiToEditorText(routine)))) {
        const int nameAt = index.LinearOf(d.nameStart);
        const int nameEnd = index.LinearOf(d.end);
        const int rest = index.Length() - nameEnd;
        std::string after;
        for (long long window = kFirstHeadingWindow;; window *= 8) {
            after = index.ReadAnsi(nameEnd, static_cast<int>(std::min<long long>(window, rest)));
            if (window >= rest || HoldsWholeHeading(after)) break;
        }
        if (auto heading = HeadingAfterName(index.ReadAnsi(nameAt, nameEnd - nameAt), after)) return heading;
    }
    return LibrarySignature(LowerRoutineName(routine));
}

void EditActions::CodeCompletion(int style) {
    if (style != 2) return;
    EditorControl& editor = source_.Control();
    const TextIndex& index = editor.Index();
    const int cursor = editor.CaretLinear();
    const int lineStart = index.LineStart(index.LineOfLinear(cursor));
    const std::string before = index.ReadAnsi(lineStart, cursor - lineStart);
    lastHint_.clear();
    const std::optional<CallAtCursor> call = FindCallAtCursor(before);
    const std::optional<std::string> signature = call ? Signature(call->name) : std::nullopt;
    if (!signature) {
        // Outside a call, or a routine nobody declared: the hint goes, as the IDE's does.
        editor.SendScintilla(Sci::SCI_CALLTIPCANCEL);
        return;
    }
    lastHint_ = *signature;
    const HintRange range = ParameterRange(lastHint_, call->argument);
    // Positions in the tip count its UTF-8 bytes.
    const auto bytes = [&](std::size_t n) { return AnsiToEditorText(lastHint_.substr(0, n)).size(); };
    const std::size_t highlightStart = range.end > range.start ? bytes(range.start) : 0;
    const std::size_t highlightEnd = range.end > range.start ? bytes(range.end) : 0;
    const auto anchor = static_cast<uintptr_t>(index.ByteOf(lineStart + static_cast<int>(call->nameStart)));
    const QPoint origin = editor.mapToGlobal(QPoint(0, 0));
    ShownTip wanted{AnsiToEditorText(lastHint_),
                    anchor,
                    editor.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, static_cast<long>(anchor)),
                    editor.SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, static_cast<long>(anchor)),
                    origin.x(),
                    origin.y()};
    if (wanted == shownTip_ && editor.SendScintilla(Sci::SCI_CALLTIPACTIVE) != 0) {
        // The same tip where it stands (every key's release asks again): showing it anew would
        // only build its window and measure its text once more. What a new show resets is set.
        editor.SendScintilla(Sci::SCI_CALLTIPSETPOSSTART, static_cast<uintptr_t>(editor.SendScintilla(Sci::SCI_GETCURRENTPOS)));
    } else {
        editor.SendScintilla(Sci::SCI_CALLTIPSHOW, anchor, wanted.text.c_str());
        shownTip_ = std::move(wanted);
    }
    editor.SendScintilla(Sci::SCI_CALLTIPSETHLT, static_cast<uintptr_t>(highlightStart), static_cast<long>(highlightEnd));
}

// ---- EditBuffer ----

EditBuffer::EditBuffer(SourceEditor& source, std::function<std::string()> fileName)
    : source_(source), fileName_(std::move(fileName)), position_(source), block_(source), options_(source), actions_(source) {}

IEditView* EditBuffer::TopView() { return &source_.View(); }
int EditBuffer::LinesInBuffer() { return source_.LinesInBuffer(); }
std::uint64_t EditBuffer::TextVersion() { return EditorControl::TextChanges(); }

bool EditBuffer::Undo() {
    EditorControl& editor = source_.Control();
    if (!editor.isUndoAvailable()) return false;
    EditScope scope(source_.Notifications());
    editor.undo();
    return true;
}

bool EditBuffer::Redo() {
    EditorControl& editor = source_.Control();
    if (!editor.isRedoAvailable()) return false;
    EditScope scope(source_.Notifications());
    editor.redo();
    return true;
}

}  // namespace skrivo::host
