// The editor control of one module: a QScintilla editor set up as the IDE's Pascal editor.
#include "host/editor/EditorControl.h"

#include <algorithm>
#include <string>

#include <Qsci/qscilexerpascal.h>

#include <QFontDatabase>

#include "host/text/AnsiText.h"

namespace skrivo::host {

namespace {
constexpr std::size_t kTypingRoom = 64 * 1024;

bool HasLoneLineFeed(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) return true;
    for (std::size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1))
        if (at == 0 || text[at - 1] != '\r') return true;
    return false;
}
}  // namespace

EditorControl::EditorControl(QWidget* parent) : QsciScintilla(parent), index_(*this) {
    setUtf8(true);
    SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, static_cast<unsigned long>(SC_LINECHARACTERINDEX_UTF32));
    // QScintilla answers every text insertion or deletion it is told of with
    // an accessibility event whose offset it finds by counting the characters
    // from the start of the document: a rescan of the whole unit per
    // keystroke. The host only needs to know that the text is about to
    // change, so it asks for those notices alone.
    SendScintilla(SCI_SETMODEVENTMASK, static_cast<unsigned long>(SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE | SC_MOD_CHANGEFOLD));
    setEolMode(EolWindows);
    setEolVisibility(false);
    setTabWidth(kDefaultTabWidth);
    setIndentationsUseTabs(false);
    setAutoIndent(true);
    setBraceMatching(SloppyBraceMatch);
    setCaretLineVisible(true);
    setCaretLineBackgroundColor(QColor(0xF0, 0xF4, 0xFF));
    SendScintilla(SCI_SETVIRTUALSPACEOPTIONS, static_cast<unsigned long>(SCVS_RECTANGULARSELECTION | SCVS_USERACCESSIBLE));
    // Keys as the IDE's editor has them: QScintilla's line and case commands
    // on Ctrl+letter keys would act where the IDE's user expects nothing (or
    // the expert's commands, when those are switched off).
    for (const int key : {'L', 'T', 'D', 'U'}) {
        SendScintilla(SCI_CLEARCMDKEY, static_cast<unsigned long>(key | (SCMOD_CTRL << 16)));
        SendScintilla(SCI_CLEARCMDKEY, static_cast<unsigned long>(key | ((SCMOD_CTRL | SCMOD_SHIFT) << 16)));
    }
    SendScintilla(SCI_ASSIGNCMDKEY, static_cast<unsigned long>('T' | (SCMOD_CTRL << 16)), static_cast<long>(SCI_DELWORDRIGHT));
    // Characters come from the host's keyboard layouts, never from an input method.
    setAttribute(Qt::WA_InputMethodEnabled, false);

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    auto* lexer = new QsciLexerPascal(this);
    lexer->setDefaultFont(font);
    lexer->setFont(font);
    // The IDE's automatic indentation takes the line above's; the lexer's
    // block rules would indent by begin and end once the text is coloured,
    // so a new line under a statement would fall back to its begin.
    lexer->setAutoIndentStyle(QsciScintilla::AiMaintain);
    setLexer(lexer);
    setMarginsFont(font);
    setMarginType(0, NumberMargin);
    FitLineNumbers();
    // The numbers of a unit past 9,999 lines (or one a long macro playback
    // grew) would be cut at the left edge. Checked before each paint: the
    // insertion notices that would tell of new lines are switched off above.
    connect(this, &QsciScintillaBase::SCN_UPDATEUI, this, &EditorControl::FitLineNumbers);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char* text, int length, int, int, int, int, int, int) {
                NoteChange(position, type, text, length);
            });
    setMarginWidth(1, 14);
    setMarginSensitivity(1, true);

    for (int id = 0; id < 10; ++id) {
        const int marker = kFirstBookmarkMarker + id;
        SendScintilla(SCI_MARKERDEFINE, static_cast<unsigned long>(marker), static_cast<long>(SC_MARK_CHARACTER + '0' + id));
        SendScintilla(SCI_MARKERSETFORE, static_cast<unsigned long>(marker), QColor(Qt::white));
        SendScintilla(SCI_MARKERSETBACK, static_cast<unsigned long>(marker), QColor(0x20, 0x50, 0xA0));
    }
}

void EditorControl::FitLineNumbers() {
    const int digits = static_cast<int>(std::to_string(std::max(lines(), 1)).size());
    const int wanted = std::max(digits + 1, 5);
    if (wanted == numberColumns_) return;
    numberColumns_ = wanted;
    setMarginWidth(0, QString(wanted, QLatin1Char('0')));
}

void EditorControl::LoadUtf8(std::string_view utf8) {
    const bool ro = isReadOnly();
    setReadOnly(false);
    SendScintilla(SCI_CLEARALL);
    // Scintilla sizes its buffers for exactly the text appended into an
    // empty document; the first few keys typed afterwards would make it copy
    // the whole unit into larger ones (8 ms for 5 MB). Room for typing is
    // made while the buffers are still empty.
    SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(utf8.size() + utf8.size() / 4 + kTypingRoom));
    if (!utf8.empty()) SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.data());
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_SETSAVEPOINT);
    SendScintilla(SCI_GOTOPOS, 0UL);
    setReadOnly(ro);
    FitLineNumbers();
    inserted_.reset();
    mayHoldLoneLineFeed_ = HasLoneLineFeed(utf8);
}

// Told before the text changes. Scintilla names the inserted text only
// after the insertion, so an insertion's bytes are looked at when the next
// change comes or the question is asked; a deletion is judged at once.
void EditorControl::NoteChange(int byte, int type, const char* /*text*/, int length) {
    if (type & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE)) ++textChanges_;
    CheckInserted();
    if (mayHoldLoneLineFeed_ || length <= 0) return;
    if (type & SC_MOD_BEFOREINSERT) {
        inserted_ = {byte, static_cast<long>(byte) + length};
    } else if (type & SC_MOD_BEFOREDELETE) {
        const auto charAt = [this](long at) {
            return at < 0 ? '\0' : static_cast<char>(SendScintilla(SCI_GETCHARAT, static_cast<unsigned long>(at)));
        };
        if (charAt(static_cast<long>(byte) + length) == '\n' && charAt(byte - 1) != '\r') mayHoldLoneLineFeed_ = true;
    }
}

// The inserted bytes and the byte after them: an LF no CR stands before
// (also one the insertion parted from its CR), or a NUL. The byte before
// them only tells whether the first is an LF after a CR.
void EditorControl::CheckInserted() {
    if (!inserted_) return;
    const ByteRange range = *inserted_;
    inserted_.reset();
    if (mayHoldLoneLineFeed_) return;
    const long from = std::max(range.from - 1, 0L);
    const long to = std::min(range.to + 1, index_.ByteLength());
    if (to <= range.from) return;
    const std::string bytes = index_.ReadBytes(from, to);
    for (auto i = static_cast<std::size_t>(range.from - from); i < bytes.size(); ++i) {
        if (bytes[i] == '\0' || (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))) {
            mayHoldLoneLineFeed_ = true;
            return;
        }
    }
}

std::string EditorControl::Utf8Text() const {
    const long length = SendScintilla(SCI_GETLENGTH);
    const char* p = static_cast<const char*>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return p ? std::string(p, static_cast<std::size_t>(length)) : std::string();
}

long EditorControl::CaretByte() const { return SendScintilla(SCI_GETCURRENTPOS); }

int EditorControl::CaretVirtualSpace() const {
    const long main = SendScintilla(SCI_GETMAINSELECTION);
    return static_cast<int>(SendScintilla(SCI_GETSELECTIONNCARETVIRTUALSPACE, static_cast<unsigned long>(main)));
}

void EditorControl::PlaceCaret(long byte, int virtualSpace) {
    SendScintilla(SCI_SETEMPTYSELECTION, static_cast<unsigned long>(byte));
    if (virtualSpace > 0) {
        SendScintilla(SCI_SETSELECTIONNCARETVIRTUALSPACE, 0UL, static_cast<long>(virtualSpace));
        SendScintilla(SCI_SETSELECTIONNANCHORVIRTUALSPACE, 0UL, static_cast<long>(virtualSpace));
    }
    SendScintilla(SCI_CHOOSECARETX);
    // Scintilla colours the text from where its colouring stopped up to a
    // line it lays out. A caret placed into text never shown (a unit opened
    // at a remembered place, a jump) left all that colouring to the next key
    // that lays a line out: an arrow key then coloured megabytes. It is done
    // when the event loop is next idle, as a display's paint would do it.
    const long line = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(byte));
    if (colouringQueued_ || SendScintilla(SCI_GETENDSTYLED) >= SendScintilla(SCI_POSITIONFROMLINE, static_cast<unsigned long>(line)))
        return;
    colouringQueued_ = true;
    QMetaObject::invokeMethod(this, [this] {
        colouringQueued_ = false;
        const long caretLine = SendScintilla(SCI_LINEFROMPOSITION, static_cast<unsigned long>(CaretByte()));
        const long lineEnd = SendScintilla(SCI_GETLINEENDPOSITION, static_cast<unsigned long>(caretLine));
        if (const long styled = SendScintilla(SCI_GETENDSTYLED); styled < lineEnd)
            SendScintilla(SCI_COLOURISE, static_cast<unsigned long>(styled), lineEnd);
    }, Qt::QueuedConnection);
}

int EditorControl::ColumnWidth() const {
    const int w = static_cast<int>(SendScintilla(SCI_TEXTWIDTH, static_cast<uintptr_t>(STYLE_DEFAULT), "W"));
    return w > 0 ? w : 8;
}

void EditorControl::ReplaceAnsi(int start, int count, std::string_view ansi) {
    const long from = index_.ByteOf(start);
    const long to = index_.ByteOf(start + count);
    const std::string utf8 = AnsiToEditorText(ansi);
    SendScintilla(SCI_SETTARGETRANGE, static_cast<unsigned long>(from), static_cast<long>(to));
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()), utf8.c_str());
}

}  // namespace skrivo::host
