// TQvExpert::ReadText: the text before or after the cursor of the editor in front.
#include <algorithm>

#include "bridge/QvExpert.h"
#include "bridge/QvNotifier.h"
#include "host/api/Host.h"

namespace skrivo {

namespace {

// How far back the slow way looks for the start of the cursor's line.
constexpr int kMaxLineLookBack = 1024;

// Puts the top buffer's cursor and block back however the read ends.
class EditStateGuard {
public:
    explicit EditStateGuard(host::IEditBuffer& buffer) : buffer_(buffer) {
        buffer_.EditPosition().Save();
        buffer_.EditBlock().Save();
    }
    ~EditStateGuard() {
        buffer_.EditBlock().Restore();
        buffer_.EditPosition().Restore();
    }
    EditStateGuard(const EditStateGuard&) = delete;
    EditStateGuard& operator=(const EditStateGuard&) = delete;

private:
    host::IEditBuffer& buffer_;
};

}  // namespace

std::string TQvExpert::ReadTextFast(int count) {
    host::IHost* host = host::Host();
    host::IEditorServices* services = host ? host->EditorServices() : nullptr;
    host::IEditBuffer* buffer = services ? services->TopBuffer() : nullptr;
    if (!buffer) return {};
    host::IEditPosition& at = buffer->EditPosition();
    if (count > 0) return at.Read(count);
    const int row = at.Row();
    const int col = at.Column();
    if (col <= 1) return {};
    // The same text and the same cursor give the same line: the block is
    // marked only when one of them moved.
    const std::uint64_t version = buffer->TextVersion();
    if (FLineRead && FLineRead->buffer == buffer && FLineRead->textVersion == version && FLineRead->row == row &&
        FLineRead->col == col)
        return FLineRead->text;
    std::string text;
    {
        EditStateGuard guard(*buffer);
        host::IEditBlock& block = buffer->EditBlock();
        block.Reset();
        block.SetStyle(host::TBlockType::btNonInclusive);
        at.MoveBOL();
        block.BeginBlock();
        at.Move(row, col);
        block.EndBlock();
        text = block.Text();
    }
    FLineRead = LineBeforeCursor{buffer, version, row, col, text};
    return text;
}

std::string TQvExpert::ReadTextBeforeCursor() {
    TQvNotifier* notifier = GetCurrentNotifier();
    if (!notifier) return {};
    const int pos = notifier->GetPosition();
    if (pos < 0) return {};
    const int count = std::min(pos, kMaxLineLookBack);
    const std::string window = notifier->ReadChars(pos - count, count);
    std::string text = window;
    bool lineStartKnown = pos == count;  // the window starts the text
    if (const auto brk = window.find_last_of("\r\n"); brk != std::string::npos) {
        text.erase(0, brk + 1);
        // Only CR starts a line for the column count; a lone LF does not.
        lineStartKnown = window[brk] == '\r' || (brk > 0 && window[brk - 1] == '\r');
    }
    // Without a tab the column is the line's length so far plus one, the
    // same as Pos2EditPosition gives, but without reading the whole source
    // again after every key.
    // A tabbed line is converted by the editor on the cursor's own line,
    // which the cursor names: the line need not be found by counting the
    // breaks of the whole source.
    const host::TEditPos cursor = notifier->GetEditPos();
    int column;
    if (lineStartKnown && static_cast<int>(window.size()) == count && text.find('\t') == std::string::npos)
        column = static_cast<int>(text.size()) + 1;
    else if (lineStartKnown && static_cast<int>(window.size()) == count)
        column = notifier->Pos2EditPosEx(pos, cursor.Line).Col;
    else
        column = notifier->Pos2EditPosition(pos).Col;
    // Beyond the end of its line the cursor stands in empty columns; the
    // caller sees them as blanks, as the user does.
    const int cursorColumn = cursor.Col;
    while (column < cursorColumn) {
        text += ' ';
        ++column;
    }
    return text;
}

std::string TQvExpert::ReadText(int count) {
    host::IHost* host = host::Host();
    const bool haveServices = host && host->EditorServices();
    if (count > 0 || (FFastReadText && haveServices)) return ReadTextFast(count);
    return ReadTextBeforeCursor();
}

}  // namespace skrivo
