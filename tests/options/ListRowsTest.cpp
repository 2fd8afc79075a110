// The list pages' rules without a GUI: ".sl" files, substitution and macro rows, sound schemes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "config/TempHome.h"
#include "macros/MacroListFile.h"
#include "options/lists/MacroPageRows.h"
#include "options/lists/SoundPageModel.h"
#include "options/lists/SubstPageRows.h"
#include "platform/FileIO.h"
#include "platform/ShortCut.h"
#include "platform/VirtualKeys.h"

namespace skrivo::options {
namespace {

using subst::TSubstRow;
using subst::TSubstRows;
using Names = std::vector<std::string>;

// --- ".sl" files --------------------------------------------------------

TEST(SubstListFile, PairsWithOffMarkRoundTripAndOddLineIsDropped) {
    testing::TempHome home;
    const std::string path = home.File("mine.sl");
    WriteFileAtomic(path, "a\r\nb\n\x01" "c\rd\r\nlonely\r\n");
    const TSubstRows rows = subst::LoadSubstListFile(path);
    EXPECT_EQ(rows, (TSubstRows{{"a", "b", true}, {"c", "d", false}}));

    ASSERT_TRUE(subst::SaveSubstListFile(path, rows));
    EXPECT_EQ(ReadFileBytes(path), "a\r\nb\r\n\x01" "c\r\nd\r\n");
}

TEST(SubstListFile, NothingSelectedWritesNoFileAndKeepsAnOldOne) {
    testing::TempHome home;
    EXPECT_FALSE(subst::SaveSubstListFile(home.File("new.sl"), {}));
    EXPECT_FALSE(FileExists(home.File("new.sl")));
    WriteFileAtomic(home.File("old.sl"), "x\r\ny\r\n");
    EXPECT_FALSE(subst::SaveSubstListFile(home.File("old.sl"), {}));
    EXPECT_EQ(ReadFileBytes(home.File("old.sl")), "x\r\ny\r\n");
}

TEST(SubstListFile, ALineBreakInsideAFieldCannotShiftThePairs) {
    const std::string text = subst::SubstListFileText({{"a\r\nb", "c\nd", false}, {"e", "f", true}});
    StringList lines;
    lines.SetText(text);
    EXPECT_EQ(subst::SubstRowsFromList(lines), (TSubstRows{{"a  b", "c d", false}, {"e", "f", true}}));
}

// --- Substitution rows --------------------------------------------------

std::vector<std::string> Froms(const SubstPageRows& rows) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < rows.Count(); ++i) out.push_back(rows[i].from);
    return out;
}

SubstPageRows FiveRows() {
    SubstPageRows rows;
    rows.Fill(StringList{"a", "1", "\x01" "b", "2", "c", "3", "d", "4", "e", "5"});
    return rows;
}

TEST(SubstPageRows, FillShowsOffRowsUncheckedAndGivesThePairsBackUnpairedLineIncluded) {
    SubstPageRows rows = FiveRows();
    EXPECT_EQ(Froms(rows), (Names{"a", "b", "c", "d", "e"}));
    EXPECT_FALSE(rows[1].checked);
    EXPECT_EQ(rows.Pairs(), (StringList{"a", "1", "\x01" "b", "2", "c", "3", "d", "4", "e", "5"}));
    const StringList odd{"a", "1", "lonely"};
    rows.Fill(odd);
    EXPECT_EQ(rows.Count(), 1u);
    EXPECT_EQ(rows.Pairs(), odd);
}

TEST(SubstPageRows, NewGoesAfterTheSingleSelectionElseAtTheEnd) {
    SubstPageRows rows = FiveRows();
    rows.SelectOnly(1);
    rows.New("x", "X");
    EXPECT_EQ(Froms(rows), (Names{"a", "b", "x", "c", "d", "e"}));
    EXPECT_EQ(rows.SelectedIndexes(), std::vector<int>{2});
    EXPECT_TRUE(rows[2].checked);
    rows.Select(4, true);  // two selected: no single one
    rows.New("y", "Y");
    EXPECT_EQ(Froms(rows).back(), "y");
    EXPECT_EQ(rows.SelectedIndexes(), std::vector<int>{6});
}

TEST(SubstPageRows, DeleteMovesTheSelectionByItsRule) {
    struct Case {
        std::vector<int> selected;
        Names left;
        int selectedAfter;
    };
    for (const Case& c : std::vector<Case>{
             {{1}, {"a", "c", "d", "e"}, 1},     // the old index
             {{4}, {"a", "b", "c", "d"}, 3},     // clamped to the last row
             {{2, 3}, {"a", "b", "e"}, 0},       // several: the first row
         }) {
        SubstPageRows rows = FiveRows();
        for (int i : c.selected) rows.Select(static_cast<std::size_t>(i), true);
        ASSERT_TRUE(rows.Delete());
        EXPECT_EQ(Froms(rows), c.left);
        EXPECT_EQ(rows.SelectedIndexes(), std::vector<int>{c.selectedAfter});
    }
    SubstPageRows none = FiveRows();
    EXPECT_FALSE(none.Delete());
}

TEST(SubstPageRows, DuplicateMovesKeepCheckStateAndButtonsFollowTheSelection) {
    SubstPageRows rows = FiveRows();
    EXPECT_FALSE(rows.CanSave() || rows.CanEdit() || rows.CanUp() || rows.CanDown());
    rows.SelectOnly(1);
    ASSERT_TRUE(rows.Duplicate());
    EXPECT_EQ(Froms(rows), (Names{"a", "b", "b", "c", "d", "e"}));
    EXPECT_FALSE(rows[2].checked);
    EXPECT_EQ(rows.SingleSelected(), 2);
    ASSERT_TRUE(rows.Up());
    ASSERT_TRUE(rows.Up());
    EXPECT_FALSE(rows.CanUp());
    EXPECT_FALSE(rows[0].checked);
    rows.SelectOnly(5);
    EXPECT_FALSE(rows.CanDown());
    rows.Select(4, true);
    EXPECT_TRUE(rows.CanSave() && rows.CanDelete());
    EXPECT_FALSE(rows.CanEdit() || rows.CanDuplicate() || rows.CanUp());
}

TEST(SubstPageRows, LoadedRowsAppendAndTheLastEndsSelected) {
    SubstPageRows rows = FiveRows();
    rows.SelectOnly(0);
    rows.Append({{"p", "P", true}, {"q", "Q", false}});
    EXPECT_EQ(Froms(rows), (Names{"a", "b", "c", "d", "e", "p", "q"}));
    EXPECT_EQ(rows.SelectedIndexes(), std::vector<int>{6});
    EXPECT_EQ(rows.SelectedRows(), (TSubstRows{{"q", "Q", false}}));
}

// --- Macro rows ---------------------------------------------------------

TMacroList Macros(const std::vector<std::pair<std::string, win::TShortCut>>& specs) {
    TMacroList list;
    for (const auto& [name, sc] : specs) {
        auto m = std::make_unique<TMacro>();
        m->SetName(name);
        m->SetShtcut(sc);
        m->FData.Write(name.data(), name.size());
        list.Add(std::move(m));
    }
    return list;
}

Names MacroNames(const MacroPageRows& rows) {
    Names out;
    for (std::size_t i = 0; i < rows.Count(); ++i) out.push_back(rows.Macro(i).FName);
    return out;
}

const win::TShortCut kCtrlA = win::scCtrl | 'A';
const win::TShortCut kShiftB = win::scShift | 'B';

TEST(MacroPageRows, CopiesKnowTheirIndexAndGoBackInRowOrder) {
    const TMacroList config = Macros({{"one", 0}, {"two", kCtrlA}});
    MacroPageRows rows;
    rows.Fill(config);
    EXPECT_EQ(rows.Macro(1).FListIndex, 1);
    EXPECT_NE(&rows.Macro(0), &config[0]);
    rows.SelectOnly(1);
    ASSERT_TRUE(rows.Top());
    rows.Rename(0, "renamed");
    const TMacroList back = rows.CopyList();
    ASSERT_EQ(back.Count(), 2u);
    EXPECT_EQ(back[0].FName, "renamed");
    EXPECT_EQ(back[0].FShtcut, kCtrlA);
    EXPECT_EQ(back[0].FListIndex, -1);
    EXPECT_EQ(config[1].FName, "two");  // the configuration's macros are untouched
}

TEST(MacroPageRows, HeaderSortsBytewiseWithTiesInConfigurationOrderAndTogglesBack) {
    MacroPageRows rows;
    rows.Fill(Macros({{"b", kShiftB}, {"\xC4", 0}, {"B", kCtrlA}, {"a", kShiftB}, {"b", 0}}));
    rows.HeaderClick(MacroColumn::Name);
    EXPECT_EQ(MacroNames(rows), (Names{"B", "a", "b", "b", "\xC4"}));
    EXPECT_EQ(rows.Macro(2).FListIndex, 0);  // tie: configuration order
    rows.HeaderClick(MacroColumn::Name);
    EXPECT_EQ(MacroNames(rows), (Names{"b", "\xC4", "B", "a", "b"}));
    rows.HeaderClick(MacroColumn::Name);
    EXPECT_EQ(rows.SortColumn(), 0);
    // By the shortcut's text: "" < "Ctrl+A" < "Shift+B".
    rows.HeaderClick(MacroColumn::Shortcut);
    EXPECT_EQ(MacroNames(rows), (Names{"\xC4", "b", "B", "b", "a"}));
}

TEST(MacroPageRows, LoadedMacrosFollowTheConfiguredOnesInConfigurationOrder) {
    MacroPageRows rows;
    rows.Fill(Macros({{"m", 0}, {"z", 0}}));
    rows.HeaderClick(MacroColumn::Name);
    std::vector<std::unique_ptr<TMacro>> loaded;
    loaded.push_back(std::make_unique<TMacro>());
    loaded.back()->SetName("a");
    rows.Append(std::move(loaded));
    EXPECT_EQ(rows.SelectedIndexes(), std::vector<int>{2});
    rows.HeaderClick(MacroColumn::Shortcut);
    rows.HeaderClick(MacroColumn::Shortcut);
    EXPECT_EQ(MacroNames(rows), (Names{"m", "z", "a"}));
}

TEST(MacroPageRows, DeleteSelectsAtTheFocusedOrFirstDeletedRowOrTheLast) {
    struct Case {
        std::vector<int> selected;  // the last one is focused
        Names left;
        int selectedAfter;
    };
    for (const Case& c : std::vector<Case>{
             {{1, 3}, {"0", "2", "4"}, 2},
             {{3, 1}, {"0", "2", "4"}, 1},
             {{3, 4}, {"0", "1", "2"}, 2},
         }) {
        MacroPageRows rows;
        rows.Fill(Macros({{"0", 0}, {"1", 0}, {"2", 0}, {"3", 0}, {"4", 0}}));
        for (int i : c.selected) rows.Select(static_cast<std::size_t>(i), true);
        EXPECT_FALSE(rows.CanShortcut());
        ASSERT_TRUE(rows.Delete());
        EXPECT_EQ(MacroNames(rows), c.left);
        EXPECT_EQ(rows.SelectedIndexes(), std::vector<int>{c.selectedAfter});
    }
}

TEST(MacroPageRows, SavedSelectionLoadsBackWhole) {
    testing::TempHome home;
    MacroPageRows rows;
    rows.Fill(Macros({{"one", kCtrlA}, {"two", 0}, {"three", kShiftB}}));
    rows.Select(0, true);
    rows.Select(2, true);
    SaveMacroListFile(home.File("x.km"), rows.SelectedMacros());
    TMacroListRead read = LoadMacroListFile(home.File("x.km"));
    rows.Append(std::move(read.macros));
    EXPECT_EQ(MacroNames(rows), (Names{"one", "two", "three", "one", "three"}));
    EXPECT_EQ(rows.Macro(4).FShtcut, kShiftB);
    EXPECT_EQ(std::string(rows.Macro(4).GetData(), 5), "three");
    EXPECT_EQ(rows.SelectedIndexes(), (std::vector<int>{3, 4}));
}

// --- Sound schemes ------------------------------------------------------

class SoundPageModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        wav = home.File("ding.WAV");
        bip = home.File("tune.bip");
        WriteFileAtomic(wav, "RIFF");
        WriteFileAtomic(bip, "440\r\n100\r\n");
        WriteFileAtomic(home.File("Quiet.ss"), std::string(kSoundSchemeHeader) + "\r\n" + bip + "\r\n\r\n" + wav +
                                                     "\r\n" + home.File("gone.wav") + "\r\n");
        WriteFileAtomic(home.File("notascheme.ss"), "hello\r\n");
        configured.fill({});
        configured[seAnyChar] = wav;
        configured[seHaveWords] = wav;
        model.Activate(configured, home.Path(), home.Path());
    }
    testing::TempHome home;
    std::string wav, bip;
    SoundPaths configured{};
    SoundPageModel model;
};

TEST_F(SoundPageModelTest, ImagesAndTheFileChoices) {
    EXPECT_EQ(ImageOfSoundPath(""), SoundRowImage::None);
    EXPECT_EQ(ImageOfSoundPath("a/B.WaV"), SoundRowImage::Wave);
    EXPECT_EQ(ImageOfSoundPath("a.wav.bip"), SoundRowImage::Beep);
    EXPECT_EQ(model.FileChoices(), Names{wav});
    EXPECT_EQ(model.Schemes(), (Names{kCurrentSoundScheme, "Quiet"}));
}

TEST_F(SoundPageModelTest, TheComboShowsACommonPathAndButtonsFollowTheSelection) {
    EXPECT_FALSE(model.CanBrowse() || model.CanClear());
    model.SetEventSelected(seAppear, true);
    EXPECT_TRUE(model.CanBrowse());
    EXPECT_FALSE(model.CanClear());
    EXPECT_FALSE(model.CanTest(""));
    model.SetEventSelected(seAnyChar, true);
    EXPECT_EQ(model.CommonPath(), "");
    EXPECT_TRUE(model.CanClear());
    model.SetEventSelected(seAppear, false);
    model.SetEventSelected(seHaveWords, true);
    EXPECT_EQ(model.CommonPath(), wav);
}

TEST_F(SoundPageModelTest, ChangedNamedSchemeIsOfferedForSavingOnlyThere) {
    std::vector<std::string> asked;
    auto answer = [&](bool yes) {
        return [&asked, yes](const std::string& q) {
            asked.push_back(q);
            return yes;
        };
    };
    const std::string schemeBytes = ReadFileBytes(home.File("Quiet.ss"));
    // A change to "< current >" asks nothing.
    model.SetEventSelected(seEscape, true);
    model.Assign(bip);
    model.SelectScheme(1, answer(true));
    EXPECT_TRUE(asked.empty());
    // The 5-line scheme: events 0..3 from it (a missing file unassigns),
    // the others keep theirs.
    EXPECT_EQ(model.Paths()[seAppear], bip);
    EXPECT_EQ(model.Paths()[seDisappear], "");
    EXPECT_EQ(model.Paths()[seReplaced], wav);
    EXPECT_EQ(model.Paths()[seRestored], "");
    EXPECT_EQ(model.Paths()[seEscape], bip);

    model.ClearSelected();
    model.SelectScheme(0, answer(false));
    ASSERT_EQ(asked, Names{"Selected sound scheme 'Quiet'was changed. Save changes?"});
    EXPECT_EQ(model.Paths(), configured);
    EXPECT_EQ(ReadFileBytes(home.File("Quiet.ss")), schemeBytes);

    model.SelectScheme(1, nullptr);
    model.ClearSelected();
    model.SelectScheme(0, answer(true));
    SoundPaths reread{};
    ReadSoundScheme(home.Path(), "Quiet", home.Path(), reread);
    EXPECT_EQ(reread[seEscape], "");
    EXPECT_EQ(reread[seAppear], bip);
}

TEST_F(SoundPageModelTest, SaveAsReusesARowInAnyCaseAndMissingSchemeClearsAll) {
    model.SaveAs(home.File("QUIET.ss"));
    EXPECT_EQ(model.Schemes(), (Names{kCurrentSoundScheme, "QUIET"}));
    EXPECT_EQ(model.SelectedScheme(), 1);
    model.SaveAs(home.File("Loud.ss"));
    EXPECT_EQ(model.SelectedScheme(), 2);
    std::filesystem::remove(home.File("Loud.ss"));
    model.SelectScheme(2, nullptr);
    EXPECT_EQ(model.Paths(), SoundPaths{});
}

}  // namespace
}  // namespace skrivo::options
