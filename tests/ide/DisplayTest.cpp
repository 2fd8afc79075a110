// The IDE on a real X display, typed at through xdotool: what only a window system with its own
// keyboard focus, window manager and key codes shows. Results are read back from the unit's
// saved file and from the windows the IDE has mapped, never from pixels.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "ide/IdeOnDisplay.h"

namespace skrivo::testing {
namespace {

const std::string kUnit = "unit Unit1;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\nend.\r\n";

class DisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string missing = DisplayMissing(); !missing.empty()) GTEST_SKIP() << missing;
    }
    // Waits for a window of the IDE with this title to come or to go.
    static bool WaitShown(const IdeOnDisplay& ide, const std::string& title, bool shown = true) {
        return WaitUntil([&] { return ide.Shows(title) == shown; });
    }
    // Waits for a dialog to close and the editor window to have the keyboard back.
    static bool DialogGone(const IdeOnDisplay& ide, const std::string& title) {
        return WaitShown(ide, title, false) && ide.WaitFocused("Skrivo IDE$");
    }
    static void Type(const std::string& text) { Xdo("type --delay 30 '" + text + "'"); }
    static void Key(const std::string& keys) { Xdo("key --delay 60 " + keys); }
};

// Keys pressed while a file dialog had the keyboard must not stay "held" in
// the editor afterwards (typing turned into Ctrl+A, Ctrl+C...).
TEST_F(DisplayTest, KeysGivenToAFileDialogLeaveNoModifierHeld) {
    IdeOnDisplay ide;
    ASSERT_TRUE(ide.Start());
    Key("ctrl+s");
    ASSERT_TRUE(ide.WaitFocused("^Save As$"));
    Type(ide.Path("Saved.pas"));
    Key("Return");
    ASSERT_TRUE(WaitUntil([&] { return !ReadFile(ide.Path("Saved.pas")).empty(); })) << "Enter in the file dialog saves";
    const std::string saved = ReadFile(ide.Path("Saved.pas"));
    ASSERT_TRUE(DialogGone(ide, "^Save As$"));

    Type("abc");
    const std::string typed = ide.SaveAndRead("Saved.pas", "");
    ASSERT_EQ(typed.size(), saved.size() + 3) << typed;
    const std::size_t at = typed.find("abc");
    ASSERT_NE(at, std::string::npos) << typed;
    EXPECT_EQ(typed.substr(0, at) + typed.substr(at + 3), saved);
}

// The second road: Open through its dialog, click, Ctrl+End, type;
// then Ctrl+Z must undo, not redo.
TEST_F(DisplayTest, AfterTheOpenDialogTypingAndUndoAreWhatTheyAre) {
    IdeOnDisplay ide;
    ide.Write("Unit1.pas", kUnit);
    ASSERT_TRUE(ide.Start());
    Key("ctrl+o");
    ASSERT_TRUE(ide.WaitFocused("^Open$"));
    Type(ide.Path("Unit1.pas"));
    Key("Return");
    ASSERT_TRUE(WaitUntil([&] { return ide.Shows("^Unit1.pas - Skrivo IDE$"); }));
    Xdo("mousemove --window " + ide.MainWindow() + " 400 400 click 1");
    Key("ctrl+End");
    Type("xyz");
    EXPECT_EQ(ide.SaveAndRead("Unit1.pas", kUnit + "xyz"), kUnit + "xyz");
    Key("ctrl+z");
    EXPECT_EQ(ide.SaveAndRead("Unit1.pas", kUnit), kUnit);
}

// The IDE's own dialogs take Enter as their default button and Escape as Cancel.
TEST_F(DisplayTest, TheIdesDialogsAnswerEnterAndEscape) {
    const std::string unit = "unit Unit1;\r\n\r\nbegin\r\n  needle;\r\nend.\r\n";
    IdeOnDisplay ide({"Unit1.pas"});
    ide.Write("Unit1.pas", unit);
    ASSERT_TRUE(ide.Start());

    Key("ctrl+f");
    ASSERT_TRUE(ide.WaitFocused("^Find Text$"));
    Type("needle");
    Key("Return");
    ASSERT_TRUE(DialogGone(ide, "^Find Text$")) << "Enter searches and closes";
    Type("pin");  // replaces the found text
    Key("ctrl+f");
    ASSERT_TRUE(ide.WaitFocused("^Find Text$"));
    Key("Escape");
    ASSERT_TRUE(DialogGone(ide, "^Find Text$")) << "Escape cancels";
    Type("s");
    const std::string found = "unit Unit1;\r\n\r\nbegin\r\n  pins;\r\nend.\r\n";

    Key("ctrl+F4");
    ASSERT_TRUE(ide.WaitFocused("^Confirm$"));
    Key("Escape");
    ASSERT_TRUE(DialogGone(ide, "^Confirm$"));
    EXPECT_TRUE(ide.Shows("^Unit1.pas \\* - Skrivo IDE$")) << "Cancel keeps the unit open";
    Key("ctrl+F4");
    ASSERT_TRUE(ide.WaitFocused("^Confirm$"));
    Key("Return");
    EXPECT_TRUE(WaitUntil([&] { return ReadFile(ide.Path("Unit1.pas")) == found; })) << ReadFile(ide.Path("Unit1.pas"));
    EXPECT_TRUE(WaitShown(ide, "^Unit1.pas", false)) << "Yes saves and closes";
}

// The suggestion list belongs to the editor: another application in front,
// or the IDE window moved, takes it away.
TEST_F(DisplayTest, TheListStaysWithTheEditor) {
    const std::string list = "^fmSuggest$";
    IdeOnDisplay ide({"Unit1.pas"});
    ide.Write("Unit1.pas", kUnit);
    ide.Write("home/fixed.dic", "begin\r\nBeginUpdate\r\n");
    ASSERT_TRUE(ide.Start());
    Key("ctrl+End");
    Type("beg");
    ASSERT_TRUE(WaitShown(ide, list));

    IdeOnDisplay other({"--without-skrivo"});
    ASSERT_TRUE(other.Start());
    EXPECT_TRUE(WaitShown(ide, list, false)) << "another application is in front";
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    EXPECT_FALSE(ide.Shows(list)) << "the idle timer brought it back over the other application";
    other.Stop();

    ASSERT_TRUE(ide.Activate());
    Type("i");
    ASSERT_TRUE(WaitShown(ide, list));
    Xdo("windowmove --relative " + ide.MainWindow() + " 40 30");
    EXPECT_TRUE(WaitShown(ide, list, false)) << "the IDE window moved";
}

// Macros with the keypad's 5 as the default keys, whatever Num Lock says:
// Shift+Ctrl+Num 5 records, Num 5 plays, Ctrl+Num 5 chooses from the list;
// the IDE's own Shift+Ctrl+R and Shift+Ctrl+P do nothing.
TEST_F(DisplayTest, MacrosRecordAndPlayOnTheKeypad) {
    IdeOnDisplay ide({"Unit1.pas"});
    ide.Write("Unit1.pas", kUnit);
    ASSERT_TRUE(ide.Start());
    Key("ctrl+End");
    Key("shift+ctrl+KP_Begin");  // Num Lock off: the key is the keypad's Begin
    Type("x1 ");
    Key("shift+ctrl+KP_Begin");
    ASSERT_TRUE(ide.WaitFocused("^Store macro$")) << "recording never started";
    Key("Return");
    ASSERT_TRUE(DialogGone(ide, "^Store macro$"));

    Key("KP_Begin");
    Key("KP_5");  // xdotool switches Num Lock on for it
    Key("shift+ctrl+r shift+ctrl+p");
    Key("ctrl+KP_Begin");
    ASSERT_TRUE(ide.WaitFocused("^Select macro$"));
    Key("Return");
    ASSERT_TRUE(DialogGone(ide, "^Select macro$"));
    const std::string expected = kUnit + "x1 x1 x1 x1 ";
    EXPECT_EQ(ide.SaveAndRead("Unit1.pas", expected), expected);
}

// A long repeated playback handles no events while it runs; Escape held down
// on the keyboard still stops it.
TEST_F(DisplayTest, EscapeHeldStopsARepeatedPlayback) {
    const int repeat = 20000;
    IdeOnDisplay ide({"Unit1.pas"});
    ide.Write("Unit1.pas", kUnit);
    ASSERT_TRUE(ide.Start());
    Key("ctrl+End");
    Key("shift+ctrl+KP_Begin");
    Type("a");
    Key("shift+ctrl+KP_Begin");
    ASSERT_TRUE(ide.WaitFocused("^Store macro$"));
    Key("Return");
    ASSERT_TRUE(DialogGone(ide, "^Store macro$"));

    Key("ctrl+KP_Begin");
    ASSERT_TRUE(ide.WaitFocused("^Select macro$"));
    const std::string dialog = ide.VisibleWindows("^Select macro$").front();
    Xdo("mousemove --window " + dialog + " 326 160 click 1");  // "Advanced >>"
    Xdo("mousemove --window " + dialog + " 326 272 click 1");  // the repeat count
    Type(std::to_string(repeat));
    Key("Return");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    Xdo("keydown Escape");
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    Xdo("keyup Escape");
    const std::string saved = ide.SaveAndRead("Unit1.pas", "");
    ASSERT_EQ(saved.rfind(kUnit, 0), 0u);
    const std::size_t played = saved.size() - kUnit.size() - 1;
    EXPECT_LT(played, static_cast<std::size_t>(repeat)) << "Escape did not stop the playback";
}

}  // namespace
}  // namespace skrivo::testing

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (skrivo::testing::DisplayMissing().empty()) skrivo::testing::StartWindowManager();
    const int result = RUN_ALL_TESTS();
    skrivo::testing::StopWindowManager();
    return result;
}
