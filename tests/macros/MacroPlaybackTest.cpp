// Recording and playing macros in the offscreen IDE: the commands by their keys, the dialogs answered, bad data stopping cleanly.
#include <random>

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QComboBox>
#include <QCheckBox>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include "expert/DispatchTestSupport.h"
#include "host/api/Form.h"
#include "host/services/SearchHistory.h"
#include "host/services/WindowsServices.h"
#include "platform/Registry.h"
#include "macros/recorder/KeyboardMacros.h"
#include "macros/ui/NewMacroDialog.h"
#include "macros/ui/SearchDialog.h"
#include "macros/ui/SelectMacroDialog.h"
#include "platform/ShortCut.h"

namespace skrivo {
namespace {

using dispatch_test::ExpertOverIde;
using win::scCtrl;
using win::scShift;

constexpr win::TShortCut kRecordKey = scShift | scCtrl | win::VK_NUMPAD5;
constexpr win::TShortCut kPlayKey = win::VK_NUMPAD5;

class MacroPlayback : public ExpertOverIde {
protected:
    TSkrivoExpert& Begin(const std::string& text) {
        TSkrivoExpert& e = Start(text);
        host->SetModalAnswerer([this](host::TForm& form) {
            ++dialogs;
            if (answer) answer(form);
        });
        return e;
    }
    int Beeps() { return static_cast<host::WindowsServices&>(host->Windows()).MessageBeepCount(); }
    TMacroList& Macros() { return Cfg().MacroList; }
    // A keystroke portion that types text, as the IDE records it.
    std::string Typed(const std::string& text) {
        host::IKeyboardServices& keys = *host->KeyboardServices();
        const std::string before = host.TextWithCursor();
        const int cursor = host.CursorPosition();
        keys.ToggleRecording();
        host.Type(text);
        keys.ToggleRecording();
        std::string bytes;
        keys.CurrentPlayback()->WriteToStream(bytes);
        // Take the typing back so the test's text stays as it was.
        host.Current().Buffer()->EditPosition().BackspaceDelete(static_cast<int>(text.size()));
        EXPECT_EQ(host.TextWithCursor(), before);
        EXPECT_EQ(host.CursorPosition(), cursor);
        TMemoryStream s;
        s.WriteInt32(static_cast<std::int32_t>(bytes.size()));
        s.WriteBytes(bytes);
        return std::string(s.Bytes());
    }
    TMacro& AddMacro(const std::string& name, win::TShortCut shortCut, const std::string& data) {
        auto m = std::make_unique<TMacro>();
        m->SetName(name);
        m->SetShtcut(shortCut);
        TMemoryStream s(data);
        m->LoadFromStream(s);
        return Macros().Add(std::move(m));
    }
    std::string Call(std::int32_t repeat, const std::string& inner, const std::string& text = "", bool stop = true,
                     bool once = false) {
        TMemoryStream s;
        WriteCallPortion(s, {repeat, once, stop, text, inner});
        return std::string(s.Bytes());
    }
    // Answers the macro list dialog.
    void ChooseFromList(int row, const std::string& repeat, const std::string& condition = "", bool skip = false,
                        bool once = false) {
        answer = [=](host::TForm& form) {
            auto& list = dynamic_cast<TfmSelectMacro&>(form);
            list.lvMacroList->setCurrentItem(list.lvMacroList->topLevelItem(row));
            list.edRepeatCount->setText(QString::fromStdString(repeat));
            list.cbTextAtCursor->setEditText(QString::fromStdString(condition));
            list.chkCheckOnce->setChecked(once);
            if (skip) list.rbSkip->setChecked(true);
            list.btnOK->click();
        };
    }

    std::function<void(host::TForm&)> answer;
    int dialogs = 0;
};

TEST_F(MacroPlayback, RecordNameAndPlayByEveryKey) {
    Begin("|");
    std::string preset;
    answer = [&](host::TForm& form) {
        auto& store = dynamic_cast<TfmNewMacro&>(form);
        preset = store.edName->text().toStdString();
        store.edName->setText("ab macro");
        store.edShortcut->setText("Shift+Ctrl+M");
        store.btnOK->click();
    };
    host.PressShortCut(kRecordKey);
    ASSERT_TRUE(host->KeyboardServices()->CurrentRecord()->IsRecording());
    host.Type("aB1");
    host.PressShortCut(kRecordKey);
    EXPECT_FALSE(host->KeyboardServices()->CurrentRecord()->IsRecording());
    EXPECT_EQ(preset, "a B 1");
    ASSERT_EQ(Macros().Count(), 1u);
    EXPECT_EQ(Macros()[0].FName, "ab macro");
    EXPECT_EQ(Macros()[0].FShtcut, scShift | scCtrl | 'M');
    EXPECT_EQ(host.TextWithCursor(), "aB1|");

    host.PressShortCut(kPlayKey);
    EXPECT_EQ(host.TextWithCursor(), "aB1aB1|");
    host.PressShortCut(scShift | scCtrl | 'M');
    EXPECT_EQ(host.TextWithCursor(), "aB1aB1aB1|");
    // Without shortcuts no macro runs by its own key either.
    Cfg().UseShortcuts = false;
    host.PressShortCut(scShift | scCtrl | 'M');
    EXPECT_EQ(host.TextWithCursor(), "aB1aB1aB1|");
}

TEST_F(MacroPlayback, CancellingTheStoreDialogDiscardsTheRecording) {
    Begin("|");
    answer = [](host::TForm& form) { form.SetModalResult(host::mrCancel); };
    AddMacro("old", 0, Typed("o"));
    host.PressShortCut(kRecordKey);
    host.Type("x");
    host.PressShortCut(kRecordKey);
    ASSERT_EQ(Macros().Count(), 1u);
    EXPECT_EQ(Macros()[0].FName, "old");
}

TEST_F(MacroPlayback, AnIdeRecordingWithNoMacroToHoldItEndsAndStoresNothing) {
    TSkrivoExpert& e = Begin("|");
    host->KeyboardServices()->ToggleRecording();
    host.Type("x");
    EXPECT_TRUE(e.DoStartStopRecording());
    EXPECT_FALSE(host->KeyboardServices()->CurrentRecord()->IsRecording());
    EXPECT_TRUE(Macros().Empty());
    EXPECT_EQ(dialogs, 0);
}

TEST_F(MacroPlayback, AnEmptyMacroPlaysNothingAndBeeps) {
    Begin("|");
    AddMacro("empty", 0, "");
    const int beeps = Beeps();
    host.PressShortCut(kPlayKey);
    EXPECT_EQ(host.TextWithCursor(), "|");
    EXPECT_EQ(Beeps(), beeps + 1);
}

TEST_F(MacroPlayback, NestedCallsPlayTheInnerMacroR1TimesR2) {
    TSkrivoExpert& e = Begin("|");
    AddMacro("nested", 0, Call(3, Call(2, Typed("x"))));
    EXPECT_TRUE(e.DoExecuteMacro());
    EXPECT_EQ(host.TextWithCursor(), "xxxxxx|");
}

TEST_F(MacroPlayback, AMacroEndingInASearchReportsTrueAndPlaysNothingTwice) {
    TSkrivoExpert& e = Begin("|\r\nfind me");
    TMemoryStream search;
    WriteSearchPortion(search, {false, false, false, true, true, true, "me"});
    AddMacro("then search", 0, Typed("a") + std::string(search.Bytes()));
    EXPECT_TRUE(e.DoExecuteMacro());
    EXPECT_EQ(host.TextWithCursor(), "a\r\nfind me|");
}

TEST_F(MacroPlayback, ASearchThatNoLongerFindsStopsThePlaybackThere) {
    TSkrivoExpert& e = Begin("|");
    TMemoryStream search;
    WriteSearchPortion(search, {false, false, false, true, true, true, "absent"});
    AddMacro("m", 0, Typed("a") + std::string(search.Bytes()) + Typed("b"));
    const int beeps = Beeps();
    e.DoExecuteMacro();
    EXPECT_EQ(host.TextWithCursor(), "a|");
    EXPECT_EQ(Beeps(), beeps + 1);
}

TEST_F(MacroPlayback, RepeatFromTheListAndEscapeHeldStopsIt) {
    TSkrivoExpert& e = Begin("|");
    AddMacro("x", 0, Typed("x"));
    ChooseFromList(0, "5");
    EXPECT_TRUE(e.DoExecuteList());
    EXPECT_EQ(host.TextWithCursor(), "xxxxx|");

    host->KeyDown(win::VK_ESCAPE);
    const int beeps = Beeps();
    EXPECT_FALSE(e.DoExecuteList());
    EXPECT_EQ(host.TextWithCursor(), "xxxxx|");
    EXPECT_EQ(Beeps(), beeps + 1);
    host->KeyUp(win::VK_ESCAPE);
}

TEST_F(MacroPlayback, EscapeHeldStopsAHugeNestedRepeatAtOnce) {
    TSkrivoExpert& e = Begin("|");
    AddMacro("huge", 0, Call(1000000, Call(1000000, Typed("x"))));
    host->KeyDown(win::VK_ESCAPE);
    const int beeps = Beeps();
    e.DoExecuteMacro();
    EXPECT_EQ(host.TextWithCursor(), "|");
    EXPECT_EQ(Beeps(), beeps + 1);
    host->KeyUp(win::VK_ESCAPE);
}

// Every kind of damage to a macro's data: playback stops at the bad
// portion, never reads past its data, never hangs, and the IDE goes on.
TEST_F(MacroPlayback, FuzzedMacroDataNeverCrashesOrHangs) {
    TSkrivoExpert& e = Begin("|");
    TMemoryStream search;
    WriteSearchPortion(search, {false, false, false, true, true, true, "zz"});
    const std::string good = Typed("a") + Call(2, Typed("b"), "", false) + std::string(search.Bytes()) + Typed("c");
    std::mt19937 random(6);
    TMacro& m = AddMacro("fuzz", 0, good);
    auto play = [&](const std::string& data) {
        TMemoryStream s(data);
        m.LoadFromStream(s);
        e.DoExecuteMacro();
    };
    for (std::size_t cut = 0; cut < good.size(); ++cut) play(good.substr(0, cut));
    // Damage may also make a repeat count huge: Escape held ends those.
    host->KeyDown(win::VK_ESCAPE);
    for (int round = 0; round < 300; ++round) {
        std::string bad = good;
        for (int n = 0; n < 3; ++n) bad[random() % bad.size()] = static_cast<char>(random());
        play(bad);
    }
    host->KeyUp(win::VK_ESCAPE);
    // Nesting far deeper than allowed ends with one beep.
    std::string deep = Typed("d");
    for (int i = 0; i < 200; ++i) deep = Call(1, deep);
    TMemoryStream s(deep);
    m.LoadFromStream(s);
    host.Current().Buffer()->EditPosition().Move(1, 1);
    const std::string before = host.Text();
    const int beeps = Beeps();
    e.DoExecuteMacro();
    EXPECT_EQ(host.Text(), before);
    EXPECT_EQ(Beeps(), beeps + 1);
}

TEST_F(MacroPlayback, MoveLastMacroToTopNeverDisplacesTheRecording) {
    TSkrivoExpert& e = Begin("|");
    TMacro& a = AddMacro("a", 0, Typed("a"));
    TMacro& b = AddMacro("b", 0, Typed("b"));
    ChooseFromList(1, "");
    EXPECT_TRUE(e.DoExecuteList());
    EXPECT_EQ(&Macros()[0], &b);  // not recording: the chosen one goes to the top
    EXPECT_TRUE(e.DoExecuteMacro());
    EXPECT_EQ(host.TextWithCursor(), "bb|");

    answer = nullptr;
    host.PressShortCut(kRecordKey);  // the recording is index 0 now: [rec, b, a]
    TMacro* recording = &Macros()[0];
    ChooseFromList(0, "");  // b, at index 1
    EXPECT_TRUE(e.DoExecuteList());
    EXPECT_EQ(&Macros()[0], recording);
    EXPECT_EQ(&Macros()[1], &b);
    ChooseFromList(1, "");  // a, at index 2
    EXPECT_TRUE(e.DoExecuteList());
    EXPECT_EQ(&Macros()[0], recording);
    EXPECT_EQ(&Macros()[1], &a);
}

TEST_F(MacroPlayback, ChoosingFromTheListWhileRecordingRecordsBytesOrOneCall) {
    TSkrivoExpert& e = Begin("|");
    AddMacro("x", 0, Typed("x"));
    host.PressShortCut(kRecordKey);
    ChooseFromList(0, "");
    EXPECT_TRUE(e.DoExecuteList());
    ChooseFromList(0, "2");
    EXPECT_TRUE(e.DoExecuteList());
    answer = [](host::TForm& form) { form.SetModalResult(host::mrOk); };
    host.PressShortCut(kRecordKey);
    EXPECT_EQ(host.TextWithCursor(), "xxx|");
    // Played again: the inline copy and the call of two.
    ASSERT_EQ(Macros().Count(), 2u);
    TMemoryStream data(std::string(Macros()[0].FData.Bytes()));
    int calls = 0;
    while (data.Remaining() > 0) {
        const std::int32_t tag = data.ReadInt32();
        if (tag == kCallPortionTag) {
            EXPECT_EQ(ReadCallPortion(data).repeatCount, 2);
            ++calls;
        } else {
            ReadKeystrokePortion(data, tag);
        }
    }
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(e.DoExecuteMacro());
    EXPECT_EQ(host.TextWithCursor(), "xxxxxx|");
}

TEST_F(MacroPlayback, ASearchRecordedBackwardReplaysBackwardAndTheUsersOptionStaysForward) {
    TSkrivoExpert& e = Begin("one two one two|");
    answer = [](host::TForm& form) {
        auto& search = dynamic_cast<TfmSearchFast&>(form);
        search.cbText->setEditText("one");
        search.rbBackward->setChecked(true);
        search.btnOK->click();
    };
    host.PressShortCut(kRecordKey);
    host.Type("!");
    host.PressShortCut(scCtrl | 'F');
    EXPECT_TRUE(host->KeyboardServices()->CurrentRecord()->IsRecording());
    answer = [](host::TForm& form) { form.SetModalResult(host::mrOk); };
    host.PressShortCut(kRecordKey);
    host::TSearchOptions& options = host.Current().Buffer()->EditPosition().SearchOptions();
    options.Forward = true;
    host.Current().Buffer()->EditPosition().Move(1, 17);
    EXPECT_TRUE(e.DoExecuteMacro());
    EXPECT_EQ(host.Text(), "one two one two!!");
    EXPECT_EQ(host.CursorPosition(), 8);  // the second "one", found backward from the end
    EXPECT_TRUE(options.Forward);
}

TEST_F(MacroPlayback, CancellingTheSearchKeepsTheKeysBeforeItAsTheirOwnPortion) {
    TSkrivoExpert& e = Begin("|");
    host.PressShortCut(kRecordKey);
    host.Type("ab");
    answer = [](host::TForm& form) { form.SetModalResult(host::mrCancel); };
    host.PressShortCut(scCtrl | 'F');
    host.Type("c");
    answer = [](host::TForm& form) { form.SetModalResult(host::mrOk); };
    host.PressShortCut(kRecordKey);
    EXPECT_EQ(host.TextWithCursor(), "abc|");
    TMemoryStream data(std::string(Macros()[0].FData.Bytes()));
    int portions = 0;
    while (data.Remaining() > 0) {
        ReadKeystrokePortion(data, data.ReadInt32());
        ++portions;
    }
    EXPECT_EQ(portions, 2);
    EXPECT_TRUE(e.DoExecuteMacro());
    EXPECT_EQ(host.TextWithCursor(), "abcabc|");
}

TEST_F(MacroPlayback, TheSearchOffersTheIdesHistoryAndABrokenHistoryKeepsTheRecordingGoing) {
    Begin("one two|");
    host::AddToSearchHistory("older");
    host::AddToSearchHistory("newest");
    std::vector<std::string> offered;
    answer = [&](host::TForm& form) {
        auto& search = dynamic_cast<TfmSearchFast&>(form);
        for (int i = 0; i < search.cbText->count(); ++i) offered.push_back(search.cbText->itemText(i).toStdString());
        form.SetModalResult(host::mrCancel);
    };
    host.PressShortCut(kRecordKey);
    host.PressShortCut(scCtrl | 'F');
    EXPECT_EQ(offered, (std::vector<std::string>{"newest", "older"}));

    {
        Registry registry;
        ASSERT_TRUE(registry.OpenKey(host::kSearchHistoryKey, true));
        registry.WriteString("Count", "not a number");
    }
    offered.clear();
    host.PressShortCut(scCtrl | 'F');
    EXPECT_TRUE(offered.empty());
    EXPECT_TRUE(host->KeyboardServices()->CurrentRecord()->IsRecording());
}

// The condition rules, with a condition that holds while the cursor's line
// is shorter than a limit (the expert's own matcher is the substitutions').
class MacroConditions : public MacroPlayback {
protected:
    std::unique_ptr<TKeyboardMacros> Player(int limit) {
        TMacroServices services;
        services.config = [this]() -> TExpertConfig& { return Cfg(); };
        services.hideSuggestion = [](bool) {};
        services.resetTimer = [] {};
        services.saveCfg = [this] { ++saves; };
        services.checkAtCursor = [this, limit](const std::string&) {
            ++checks;
            return static_cast<int>(host.Text().size()) < limit;
        };
        services.forceCodeParam = [] {};
        services.errorBeep = [this] { ++beeps; };
        return std::make_unique<TKeyboardMacros>(std::move(services));
    }
    int checks = 0, saves = 0, beeps = 0;
};

TEST_F(MacroConditions, CheckOnceTestsOnlyBeforeTheFirstRepetition) {
    Begin("|");
    AddMacro("x", 0, Typed("x"));
    auto player = Player(2);
    ChooseFromList(0, "3", "cond", false, true);
    EXPECT_TRUE(player->DoExecuteList());
    EXPECT_EQ(host.TextWithCursor(), "xxx|");
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(Cfg().ConditionList[0], "cond");
    EXPECT_EQ(saves, 1);
}

TEST_F(MacroConditions, AFailedConditionStopsWithABeepOrSkipsSilently) {
    Begin("|");
    AddMacro("x", 0, Typed("x"));
    auto player = Player(2);
    ChooseFromList(0, "5", "cond");
    EXPECT_FALSE(player->DoExecuteList());
    EXPECT_EQ(host.TextWithCursor(), "xx|");
    EXPECT_EQ(beeps, 1);
    ChooseFromList(0, "5", "cond", true);
    EXPECT_TRUE(player->DoExecuteList());
    EXPECT_EQ(host.TextWithCursor(), "xx|");
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(Cfg().ConditionList.Count(), 1u);
    // The same rules inside a recorded call.
    TMacro& called = AddMacro("calls", 0, Call(5, Typed("y"), "cond", false));
    EXPECT_TRUE(player->ExecuteMacro(called));
    EXPECT_EQ(host.TextWithCursor(), "xx|");
}

}  // namespace
}  // namespace skrivo
