// Positions through the notifier: linear, character and editor positions, and where SetPosition scrolls.
#include "BridgeFixture.h"

#include <random>
#include <string_view>

#include "bridge/LineScan.h"

namespace skrivo::testing {
namespace {

host::TEditPos Edit(int col, int line) {
    host::TEditPos p;
    p.Col = static_cast<std::int16_t>(col);
    p.Line = line;
    return p;
}

host::TCharPos Char(int index, int line) {
    host::TCharPos p;
    p.CharIndex = static_cast<std::int16_t>(index);
    p.Line = line;
    return p;
}

class NotifierPositions : public BridgeTest {
protected:
    host::IEditView& View() { return *host.Current().GetEditorInterface()->GetView(0); }
};

TEST_F(NotifierPositions, CrLfCountsTwoAndBelongsToTheLineItEnds) {
    host.OpenText("Unit1.pas", "ab\r\ncd");
    StartExpert();
    TQvNotifier& n = Current();
    EXPECT_EQ(n.Pos2EditPosition(4), Edit(1, 2));
    EXPECT_EQ(n.Pos2EditPosition(2), Edit(3, 1));
    EXPECT_EQ(n.Pos2EditPosition(3), Edit(4, 1));
    EXPECT_EQ(n.CharPos2Position(Char(0, 2)), 4);
    EXPECT_EQ(n.EditPos2Position(Edit(2, 2)), 5);
}

TEST_F(NotifierPositions, TabbedLinesTakeTheEditorsColumns) {
    host.OpenText("Unit1.pas", "x\r\n\tab\r\ncd");
    StartExpert();
    TQvNotifier& n = Current();
    // After the tab the column is the tab stop's, as the editor shows it.
    EXPECT_EQ(n.Pos2EditPosition(4), Edit(9, 2));
    EXPECT_EQ(n.Pos2EditPosition(5), Edit(10, 2));
    // On the tab itself and on lines without one the index decides.
    EXPECT_EQ(n.Pos2EditPosition(3), Edit(1, 2));
    EXPECT_EQ(n.Pos2EditPosition(9), Edit(2, 3));
    EXPECT_EQ(n.Pos2EditPosEx(5, 2), Edit(10, 2));
    EXPECT_EQ(n.Pos2EditPosEx(9, 3), Edit(2, 3));
    EXPECT_EQ(n.EditPos2Position(Edit(10, 2)), 5);
}

TEST_F(NotifierPositions, CursorReadAndSetAgree) {
    host.OpenText("Unit1.pas", "one\r\n\ttwo\r\nthree");
    StartExpert();
    TQvNotifier& n = Current();
    n.SetEditPos(Edit(10, 2));
    EXPECT_EQ(n.GetEditPos(), Edit(10, 2));
    EXPECT_EQ(n.GetPosition(), 7);
    n.SetPosition(12);
    EXPECT_EQ(n.GetEditPos(), Edit(2, 3));
    EXPECT_EQ(host.CursorPosition(), 12);
}

TEST_F(NotifierPositions, NegativePositionLeavesTheCursor) {
    host.OpenText("Unit1.pas", "ab|cd");
    StartExpert();
    Current().SetPosition(-1);
    EXPECT_EQ(host.CursorPosition(), 2);
}

TEST_F(NotifierPositions, SetPositionScrollsByItsRules) {
    std::string text;
    for (int i = 1; i <= 300; ++i) text += std::string(static_cast<std::size_t>(i % 7), ' ') + "line" + std::to_string(i) + "\r\n";
    text += std::string(400, 'x');
    host.OpenText("Unit1.pas", text);
    StartExpert();
    TQvNotifier& n = Current();
    const host::TViewSize size = View().GetViewSize();
    ASSERT_GT(size.cy, 3);
    ASSERT_GT(size.cx, 10);

    // Below the view: the cursor ends on the last line but one.
    n.SetPosition(n.CharPos2Position(Char(0, 200)));
    host::TEditPos top = View().GetPos(1);
    EXPECT_EQ(top.Line, 200 - size.cy + 2);
    // Above the view: the cursor's line becomes the first one.
    n.SetPosition(n.CharPos2Position(Char(0, 50)));
    EXPECT_EQ(View().GetPos(1).Line, 50);
    // Inside the view nothing moves.
    n.SetPosition(n.CharPos2Position(Char(0, 51)));
    EXPECT_EQ(View().GetPos(1).Line, 50);
    // Right of the view: the cursor stands 4 columns left of the right edge.
    n.SetPosition(n.CharPos2Position(Char(300, 301)));
    top = View().GetPos(1);
    EXPECT_EQ(top.Col, 301 - size.cx + 4);
    // Back left of the view: one column of context stays.
    n.SetPosition(n.CharPos2Position(Char(10, 301)));
    EXPECT_EQ(View().GetPos(1).Col, 10);
}

TEST_F(NotifierPositions, ModuleWithoutEditorGivesNeutralResults) {
    host.OpenText("Unit1.pas", "abc");
    StartExpert();
    TQvNotifier& n = Current();
    // The host keeps a closed module without its editor; a notifier that
    // outlived it must not reach into the freed editor.
    host::IModuleInterface* module = n.Module();
    host->ToolServices().CloseFile(module->FileName());
    ASSERT_EQ(NotifierCount(), 0u);
    TQvNotifier orphan(module, nullptr);
    EXPECT_EQ(orphan.GetPosition(), -1);
    EXPECT_EQ(orphan.GetEditPos(), Edit(1, 1));
    EXPECT_EQ(orphan.CharPos2Position(Char(0, 1)), -1);
    EXPECT_EQ(orphan.GetSource(), "");
    EXPECT_EQ(orphan.ReadChars(0, 3), "");
    EXPECT_EQ(orphan.CurrentLine(true, true), "");
    EXPECT_TRUE(orphan.AtEOL());
    EXPECT_FALSE(orphan.Replace(0, 1, "x"));
    EXPECT_EQ(orphan.FFileName, "");
    orphan.SetPosition(1);  // no effect, no crash
}

// The view answers a position's line at once where it can; wherever it
// answers, it must agree with the scan of the text the notifier reads, also
// after edits bring lone CRs, lone LFs, NULs and broken CR LF pairs in.
TEST_F(NotifierPositions, TheViewsQuickLineAgreesWithTheScanOfTheText) {
    host.OpenText("Unit1.pas", "unit A;\r\n\r\nbegin\r\n  X;\r\nend.\r\n");
    StartExpert();
    TQvNotifier& n = Current();
    host::IEditView& view = View();
    std::mt19937 rng(7);
    const std::vector<std::string> pieces = {"ab", "\r\n", "\r", "\n", "\t", std::string(1, '\0'), "x\r\ny"};
    int answered = 0;
    for (int edit = 0; edit < 300; ++edit) {
        const int length = static_cast<int>(host.Text().size());
        const int at = static_cast<int>(rng() % static_cast<unsigned>(length + 1));
        if (rng() % 3 == 0 && at < length)
            n.Replace(at, 1 + static_cast<int>(rng() % 2), {});
        else
            n.Replace(at, 0, pieces[rng() % pieces.size()]);
        const std::string text = host.Text();
        const std::string_view asRead(text.c_str());  // the notifier's reading stops at a NUL
        for (int probe = 0; probe < 5; ++probe) {
            const int pos = static_cast<int>(rng() % (text.size() + 3));
            host::TCharPos quick{};
            if (!view.PosToCharPos(pos, quick)) continue;
            ++answered;
            EXPECT_EQ(quick, LineScan(asRead, pos)) << "edit " << edit << " at " << pos;
            EXPECT_EQ(n.Pos2EditPosition(pos), [&] {
                host::TEditPos e;
                host::TCharPos c = LineScan(asRead, pos);
                e.Col = static_cast<std::int16_t>(c.CharIndex + 1);
                e.Line = c.Line;
                if (TabBeforeOnLine(asRead, pos)) view.ConvertPos(false, e, c);
                return e;
            }()) << "edit " << edit << " at " << pos << " text " << ::testing::PrintToString(text);
        }
        // A reloaded unit has CR LF breaks only: the view answers again.
        if (edit % 15 == 14) {
            host.Current().LoadAnsi(std::string(asRead));
            host::TCharPos start{};
            EXPECT_TRUE(view.PosToCharPos(0, start));
        }
    }
    EXPECT_GT(answered, 100);
}

}  // namespace
}  // namespace skrivo::testing
