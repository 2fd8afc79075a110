// Editing a module: when notifiers hear of it, the writer as one minimal undo step, the edit position.
#include <gtest/gtest.h>

#include "host/editor/ParameterHints.h"

#include <functional>
#include <vector>

#include "host/api/Editor.h"
#include "host/editor/EditorControl.h"
#include "host/testing/OffscreenHost.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {
namespace {

using testing::OffscreenHost;
using namespace win;

// Records every notification with the module's text as the notifier could read it then.
class RecordingNotifier final : public IModuleNotifier {
public:
    explicit RecordingNotifier(IModuleInterface& module) : module_(module) { module_.AddNotifier(this); }
    ~RecordingNotifier() override { module_.RemoveNotifier(this); }
    void Notify(TNotifyCode code) override {
        codes.push_back(code);
        texts.push_back(ReadAll());
        if (onNotify) onNotify(code);
    }
    void ComponentRenamed(void*, const std::string&, const std::string&) override {}

    std::string ReadAll() {
        IEditorInterface* editor = module_.GetEditorInterface();
        if (!editor) return {};
        auto reader = editor->CreateReader();
        std::string text;
        char buf[64];
        for (int got; (got = reader->GetText(static_cast<int>(text.size()), buf, sizeof buf)) > 0;) text.append(buf, static_cast<std::size_t>(got));
        return text;
    }

    std::vector<TNotifyCode> codes;
    std::vector<std::string> texts;
    std::function<void(TNotifyCode)> onNotify;

private:
    IModuleInterface& module_;
};

class EditorEditingTest : public ::testing::Test {
protected:
    IEditorInterface& Editor() { return *host.Current().GetEditorInterface(); }
    OffscreenHost host;
};

TEST_F(EditorEditingTest, TypedKeyIsAnnouncedAfterTheEditorAppliedIt) {
    Module& module = host.OpenText("Unit1.pas", "x|");
    RecordingNotifier notifier(module);
    std::vector<std::string> events;
    host->Application().SetOnMessage([&](TMsg& msg, bool&) {
        if (msg.message == WM_CHAR) events.push_back("char");
    });
    notifier.onNotify = [&](TNotifyCode) { events.push_back("notify"); };
    host.Type("y");
    EXPECT_EQ(events, (std::vector<std::string>{"char", "notify"}));
    EXPECT_EQ(notifier.codes, (std::vector<TNotifyCode>{ncEditorModified}));
    EXPECT_EQ(notifier.texts, (std::vector<std::string>{"xy"}));
}

TEST_F(EditorEditingTest, NotifierMayEditTheBufferAndHearsOfItsOwnEditWhileStillInside) {
    Module& module = host.OpenText("Unit1.pas", "a|");
    RecordingNotifier notifier(module);
    bool inside = false;
    std::vector<bool> insideAtNotify;
    notifier.onNotify = [&](TNotifyCode) {
        insideAtNotify.push_back(inside);
        if (notifier.codes.size() != 1) return;
        inside = true;
        IEditPosition& pos = host->EditorServices()->TopBuffer()->EditPosition();
        pos.InsertText("!");
        inside = false;
    };
    host.Type("b");
    EXPECT_EQ(host.TextWithCursor(), "ab!|");
    EXPECT_EQ(insideAtNotify, (std::vector<bool>{false, true}));
    EXPECT_EQ(notifier.texts, (std::vector<std::string>{"ab", "ab!"}));
}

TEST_F(EditorEditingTest, EditMadeInsideTheMessageHookIsAnnouncedBeforeTheHookReturns) {
    Module& module = host.OpenText("Unit1.pas", "f|");
    RecordingNotifier notifier(module);
    bool inHook = false;
    std::vector<bool> inHookAtNotify;
    notifier.onNotify = [&](TNotifyCode) { inHookAtNotify.push_back(inHook); };
    host->Application().SetOnMessage([&](TMsg& msg, bool& handled) {
        if (msg.message != WM_KEYDOWN || msg.wParam != '9') return;
        inHook = true;
        host->EditorServices()->TopBuffer()->EditPosition().InsertText("()");
        host->EditorServices()->TopBuffer()->EditPosition().MoveRelative(0, -1);
        inHook = false;
        handled = true;
    });
    ASSERT_TRUE(host->TypeChar('('));
    EXPECT_EQ(host.TextWithCursor(), "f(|)");
    EXPECT_EQ(inHookAtNotify, (std::vector<bool>{true}));
}

TEST_F(EditorEditingTest, WriterEditIsAnnouncedOnceWhenCommitted) {
    Module& module = host.OpenText("Unit1.pas", "begin end");
    RecordingNotifier notifier(module);
    {
        auto writer = Editor().CreateUndoableWriter();
        writer->CopyTo(5);
        writer->Insert("\r\n");
        writer->CopyTo(6);
        writer->DeleteTo(9);
        writer->Insert("END");
        EXPECT_TRUE(notifier.codes.empty());
        EXPECT_EQ(host.Text(), "begin end");
    }
    EXPECT_EQ(host.Text(), "begin\r\n END");
    EXPECT_EQ(notifier.codes, (std::vector<TNotifyCode>{ncEditorModified}));
    EXPECT_EQ(notifier.texts.back(), "begin\r\n END");
}

TEST_F(EditorEditingTest, WriterEditIsOneUndoStep) {
    host.OpenText("Unit1.pas", "alpha beta gamma");
    auto writer = Editor().CreateUndoableWriter();
    writer->CopyTo(0);
    writer->DeleteTo(5);
    writer->Insert("ALPHA");
    writer->CopyTo(11);
    writer->DeleteTo(16);
    writer->Insert("GAMMA");
    writer->CopyTo(2147483647);
    writer->Commit();
    writer->Insert("ignored after commit");
    writer.reset();
    EXPECT_EQ(host.Text(), "ALPHA beta GAMMA");
    IEditBuffer* buffer = host->EditorServices()->TopBuffer();
    ASSERT_TRUE(buffer->Undo());
    EXPECT_EQ(host.Text(), "alpha beta gamma");
    EXPECT_FALSE(buffer->Undo());
}

TEST_F(EditorEditingTest, WriterIgnoresBackwardMovesAndStopsAtTheEnd) {
    host.OpenText("Unit1.pas", "abcdef");
    auto writer = Editor().CreateUndoableWriter();
    writer->CopyTo(4);
    writer->DeleteTo(2);  // behind the writer: nothing
    writer->CopyTo(1);
    EXPECT_EQ(writer->CurrentPos(), 4);
    writer->DeleteTo(100);
    writer->Insert("!");
    writer.reset();
    EXPECT_EQ(host.Text(), "abcd!");
}

TEST_F(EditorEditingTest, CharactersOutsideTheCodePageSurviveAWriterThatRewritesAroundThem) {
    host.OpenText("Unit1.pas", "a|b");
    // A character pasted from elsewhere that code page 1252 cannot hold.
    host.Current().Control()->insert(QString::fromUtf8("\u0416"));
    ASSERT_EQ(host.Text(), "a?b");
    auto writer = Editor().CreateUndoableWriter();
    writer->DeleteTo(3);
    writer->Insert("A?B");
    writer.reset();
    EXPECT_EQ(host.Current().Control()->text().toStdString(), "A\u0416B");
    // Editing exactly that character replaces it.
    writer = Editor().CreateUndoableWriter();
    writer->CopyTo(1);
    writer->DeleteTo(2);
    writer->Insert("-");
    writer.reset();
    EXPECT_EQ(host.Current().Control()->text().toStdString(), "A-B");
}

TEST_F(EditorEditingTest, ReaderCopiesFromPositionAndFewerAtTheEnd) {
    host.OpenText("Unit1.pas", "line1\r\nline2");
    auto reader = Editor().CreateReader();
    char buf[16] = {};
    EXPECT_EQ(reader->GetText(5, buf, 4), 4);
    EXPECT_EQ(std::string(buf, 4), "\r\nli");
    EXPECT_EQ(reader->GetText(10, buf, 16), 2);
    EXPECT_EQ(std::string(buf, 2), "e2");
    EXPECT_EQ(reader->GetText(12, buf, 16), 0);
    EXPECT_EQ(reader->GetText(-1, buf, 16), 0);
}

TEST_F(EditorEditingTest, ReaderOfAClosedModuleReadsNothing) {
    Module& module = host.OpenText("Unit1.pas", "text");
    auto reader = module.GetEditorInterface()->CreateReader();
    ASSERT_TRUE(module.Close());
    char buf[8];
    EXPECT_EQ(reader->GetText(0, buf, 8), 0);
    EXPECT_EQ(module.GetEditorInterface(), nullptr);
}

TEST_F(EditorEditingTest, ClosingTellsNotifiersModuleDeletedAndKeepsTheModuleUsable) {
    Module& module = host.OpenText("Unit1.pas", "text");
    RecordingNotifier notifier(module);
    ASSERT_TRUE(host->ToolServices().CloseFile(module.FileName()));
    EXPECT_EQ(notifier.codes, (std::vector<TNotifyCode>{ncModuleDeleted}));
    EXPECT_EQ(host->ToolServices().GetUnitCount(), 0);
    EXPECT_FALSE(module.AddNotifier(&notifier));
    EXPECT_FALSE(module.Save(true));
}

// ---- the edit position of the buffer in front ----

class EditPositionTest : public EditorEditingTest {
protected:
    IEditPosition& Pos() { return host->EditorServices()->TopBuffer()->EditPosition(); }
};

TEST_F(EditPositionTest, InsertTextHonoursAutomaticIndentation) {
    host.OpenText("Unit1.pas", "  begin|");
    IBufferOptions& options = host->EditorServices()->TopBuffer()->BufferOptions();
    ASSERT_TRUE(options.AutoIndent());
    Pos().InsertText("\r\nx;");
    EXPECT_EQ(host.TextWithCursor(), "  begin\r\n  x;|");
    options.SetAutoIndent(false);
    Pos().InsertText("\r\ny;");
    EXPECT_EQ(host.TextWithCursor(), "  begin\r\n  x;\r\ny;|");
}

// Enter keeps the indentation of the line above, as the IDE's editor does,
// also once the text is coloured: the Pascal lexer's block rules would put a
// statement under "begin" at the begin's own indentation.
TEST_F(EditorEditingTest, EnterKeepsTheIndentationOfTheLineAboveInColouredText) {
    struct Case {
        const char* text;
        const char* line;
    };
    const Case cases[] = {
        {"  if Count > 0 then\r\n  begin\r\n    WriteLn(1);|\r\n  end;", "    x|"},
        {"  if Count > 0 then\r\n  begin|\r\n  end;", "  x|"},
        {"begin\r\n  Go;\r\nend;|", "x|"},
    };
    for (const Case& c : cases) {
        host.OpenText("Unit1.pas", c.text);
        EditorControl& editor = *host.Current().Control();
        editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
        host.Press(VK_RETURN);
        host.Type("x");
        const std::string text = host.TextWithCursor();
        const std::size_t lineStart = text.rfind('\n', text.find('|'));
        EXPECT_EQ(text.substr(lineStart + 1, text.find('\r', lineStart + 1) - lineStart - 1), c.line) << c.text;
        host->CloseFile(host.Current());
    }
}

// The line numbers stay whole however long the unit grows.
TEST_F(EditorEditingTest, LineNumberMarginWidensWithTheHighestNumber) {
    host.OpenText("Unit1.pas", "x");
    EditorControl& editor = *host.Current().Control();
    const int narrow = editor.marginWidth(0);
    std::string lines;
    for (int i = 0; i < 12000; ++i) lines += "x\r\n";
    editor.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, static_cast<uintptr_t>(lines.size()), lines.data());
    editor.grab();  // painted, as typing or a playback's progress would be
    const int wide = editor.marginWidth(0);
    EXPECT_GT(wide, narrow);
    editor.LoadUtf8(lines + lines);
    EXPECT_EQ(editor.marginWidth(0), wide);
    editor.LoadUtf8("x");
    EXPECT_EQ(editor.marginWidth(0), narrow);
}

TEST_F(EditPositionTest, BackspaceDeleteAndDeleteCountCharactersOfTheText) {
    host.OpenText("Unit1.pas", "ab\r\ncd|ef");
    ASSERT_TRUE(Pos().BackspaceDelete(4));
    EXPECT_EQ(host.TextWithCursor(), "ab|ef");
    ASSERT_TRUE(Pos().BackspaceDelete(1));
    ASSERT_TRUE(Pos().Delete(5));
    EXPECT_EQ(host.TextWithCursor(), "a|");
    EXPECT_FALSE(Pos().Delete(0));
}

TEST_F(EditPositionTest, MovesAreRefusedOutsideTheBufferAndAllowedBeyondLineEnds) {
    host.OpenText("Unit1.pas", "ab\r\n\tc|");
    EXPECT_EQ(Pos().Row(), 2);
    EXPECT_EQ(Pos().Column(), 10);  // the tab reaches column 9
    EXPECT_FALSE(Pos().MoveRelative(1, 0));
    EXPECT_FALSE(Pos().MoveRelative(0, -10));
    EXPECT_EQ(Pos().Column(), 10);
    ASSERT_TRUE(Pos().MoveRelative(-1, 0));
    EXPECT_EQ(Pos().Column(), 10);  // beyond the end of "ab"
    EXPECT_EQ(Pos().Read(2), "\r\n");
    Pos().InsertText("x");
    EXPECT_EQ(host.TextWithCursor(), "ab       x|\r\n\tc");
    ASSERT_TRUE(Pos().MoveBOL());
    EXPECT_EQ(Pos().Column(), 1);
    ASSERT_TRUE(Pos().MoveEOL());
    EXPECT_EQ(Pos().Column(), 11);
}

TEST_F(EditPositionTest, SaveAndRestoreKeepAStackOfCursorPositions) {
    host.OpenText("Unit1.pas", "one\r\ntwo\r\nthree");
    Pos().Move(1, 2);
    Pos().Save();
    Pos().Move(3, 4);
    Pos().Save();
    Pos().Move(2, 1);
    Pos().Restore();
    EXPECT_EQ(std::make_pair(Pos().Row(), Pos().Column()), std::make_pair(3, 4));
    Pos().Restore();
    EXPECT_EQ(std::make_pair(Pos().Row(), Pos().Column()), std::make_pair(1, 2));
    Pos().Restore();  // nothing left: no effect
    EXPECT_EQ(std::make_pair(Pos().Row(), Pos().Column()), std::make_pair(1, 2));
}

struct SearchCase {
    const char* name;
    const char* text;  // "|" marks the cursor
    const char* find;
    bool caseSensitive, wholeWord, regex, forward, fromCursor;
    bool found;
    const char* selected;  // the block after the search
};

class SearchAgainTest : public EditPositionTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(SearchAgainTest, FindsWithTheBufferSearchOptions) {
    const SearchCase& c = GetParam();
    host.OpenText("Unit1.pas", c.text);
    TSearchOptions& options = Pos().SearchOptions();
    options.SearchText = c.find;
    options.CaseSensitive = c.caseSensitive;
    options.WordBoundary = c.wholeWord;
    options.RegularExpression = c.regex;
    options.Forward = c.forward;
    options.FromCursor = c.fromCursor;
    EXPECT_EQ(Pos().SearchAgain(), c.found);
    EXPECT_EQ(host->EditorServices()->TopBuffer()->EditBlock().Text(), c.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Options, SearchAgainTest,
    ::testing::Values(SearchCase{"AnyCaseForward", "|Begin x BEGIN", "begin", false, false, false, true, true, true, "Begin"},
                      SearchCase{"CaseSensitive", "|Begin x begin", "begin", true, false, false, true, true, true, "begin"},
                      SearchCase{"FromCursorSkipsEarlier", "begin |x", "begin", false, false, false, true, true, false, ""},
                      SearchCase{"EntireScope", "begin |x", "begin", false, false, false, true, false, true, "begin"},
                      SearchCase{"Backward", "end; begin| x", "e", false, false, false, false, true, true, "e"},
                      SearchCase{"WholeWords", "|beginning begin", "begin", false, true, false, true, true, true, "begin"},
                      SearchCase{"RegularExpression", "|x := 42;", "[0-9]+", false, false, true, true, true, true, "42"}),
    [](const ::testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

TEST_F(EditPositionTest, SearchingAgainMovesOnToTheNextMatch) {
    host.OpenText("Unit1.pas", "|a1 a2 a3");
    TSearchOptions& options = Pos().SearchOptions();
    options.SearchText = "a";
    ASSERT_TRUE(Pos().SearchAgain());
    ASSERT_TRUE(Pos().SearchAgain());
    EXPECT_EQ(Pos().Column(), 5);
    EXPECT_EQ(Pos().Read(1), "2");
}

TEST_F(EditPositionTest, ParameterHintShowsTheDeclaredParametersOfTheCall) {
    struct Case {
        const char* text;
        const char* hint;  // "" : no hint
    } cases[] = {
        {"  Writeln(Format('%d', [x]), Copy(s, 1|", "Copy(S: string; Index, Count: Integer): string"},
        {"procedure TForm1.Paint(Canvas: TCanvas;\r\n  Full: Boolean);\r\nbegin\r\n  Paint(c, |", "Paint(Canvas: TCanvas; Full: Boolean)"},
        {"  x := Unknown(|", ""},
        {"  x := Copy(s, 1, 2) + |", ""},
        {"  ShowMessage('a, (b|", "ShowMessage(const Msg: string)"},
    };
    int unit = 0;
    for (const Case& c : cases) {
        host.OpenText("Unit" + std::to_string(++unit) + ".pas", c.text);
        host->EditorServices()->TopViewActions()->CodeCompletion(2);
        EXPECT_EQ(host.Current().Buffer()->Actions().LastHint(), c.hint) << c.text;
        EXPECT_EQ(host.Current().Control()->SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE) != 0, *c.hint != 0) << c.text;
    }
}

TEST_F(EditPositionTest, ParameterHintFollowsEditsOfTheHeadings) {
    host.OpenText("Unit1.pas", "procedure Foo(a: Integer);\r\nprocedure Bar(b: string);\r\n  Foo(|");
    IEditActions& actions = *host->EditorServices()->TopViewActions();
    const auto hint = [&] {
        actions.CodeCompletion(2);
        return host.Current().Buffer()->Actions().LastHint();
    };
    EXPECT_EQ(hint(), "Foo(a: Integer)");
    EditorControl& editor = *host.Current().Control();
    editor.ReplaceAnsi(10, 3, "Baz");  // the first heading renamed
    EXPECT_EQ(hint(), "");
    editor.ReplaceAnsi(38, 3, "Foo");  // the second one takes the name
    EXPECT_EQ(hint(), "Foo(b: string)");
    editor.ReplaceAnsi(42, 0, "c: Char; ");
    EXPECT_EQ(hint(), "Foo(c: Char; b: string)");
}

// The editor reads a heading in growing pieces: it must read exactly what
// a plain reading of the whole unit finds, wherever the heading ends.
TEST_F(EditPositionTest, ParameterHintReadsHeadingsWhole) {
    const std::string longParams = "(" + std::string(300, 'A') + ": Integer; B: string)";
    const std::string headings[] = {
        "procedure Go;\r\n",
        "procedure Go(A: Integer);\r\n",
        "function Go" + longParams + ": Boolean;\r\n",
        // The ")" within the first piece read, the return type past it.
        "function Go(" + std::string(140, 'A') + ")" + std::string(20, ' ') + ": Boolean;\r\n",
        "function Go:" + std::string(170, ' ') + "Boolean;\r\n",
        "procedure Go" + longParams + "\r\n",
        "function Go(A: Integer)\r\n  : Boolean;\r\n",
        "function Go: Integer\r\n",  // the return type runs on to the end of the text
        "procedure Go(A: Integer" + std::string(2000, ' ') + ");\r\n",
    };
    int unit = 0;
    for (const std::string& heading : headings) {
        const std::string text = heading + "begin\r\n  Go(|\r\nend";
        host.OpenText("Unit" + std::to_string(++unit) + ".pas", text);
        host->EditorServices()->TopViewActions()->CodeCompletion(2);
        std::string plain = text;
        plain.erase(plain.find('|'), 1);
        EXPECT_EQ(host.Current().Buffer()->Actions().LastHint(), FindSignature("Go", plain).value_or("")) << heading;
    }
}

// Asked again on every key's release, the tip stays as a new one would stand.
TEST_F(EditPositionTest, ParameterHintAskedAgainKeepsTheTipCurrent) {
    host.OpenText("Unit1.pas", "  Copy(|\r\n");
    IEditActions& actions = *host->EditorServices()->TopViewActions();
    EditorControl& editor = *host.Current().Control();
    actions.CodeCompletion(2);
    editor.ReplaceAnsi(7, 0, "s, ");
    host.SetCursorPosition(10);
    actions.CodeCompletion(2);
    EXPECT_NE(editor.SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE), 0);
    // Scintilla hides the tip when the cursor goes back before this place.
    EXPECT_EQ(editor.SendScintilla(QsciScintillaBase::SCI_CALLTIPPOSSTART), editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
    editor.SendScintilla(QsciScintillaBase::SCI_CALLTIPCANCEL);
    actions.CodeCompletion(2);
    EXPECT_NE(editor.SendScintilla(QsciScintillaBase::SCI_CALLTIPACTIVE), 0);
}

TEST(ParameterHints, HighlightFollowsTheArgumentBeingTyped) {
    const std::string sig = "Copy(S: string; Index, Count: Integer): string";
    const auto shown = [&](int argument) {
        const HintRange r = ParameterRange(sig, argument);
        return sig.substr(r.start, r.end - r.start);
    };
    EXPECT_EQ(shown(0), "S: string");
    EXPECT_EQ(shown(1), "Index, Count: Integer");
    EXPECT_EQ(shown(2), "Index, Count: Integer");
    EXPECT_EQ(shown(3), "");
    EXPECT_EQ(FindCallAtCursor("  f(a, g(b, c), ")->argument, 2);
    EXPECT_EQ(FindCallAtCursor("  q.FieldByName(")->name, "q.FieldByName");
}

}  // namespace
}  // namespace skrivo::host
