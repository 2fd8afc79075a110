// The expert's dictionaries over a running IDE: loading at start, saving on unload, merging another IDE's file.
#include <gtest/gtest.h>

#include <QCheckBox>

#include <sys/stat.h>

#include "bridge/QvNotifier.h"
#include "completion/FixedDictionary.h"
#include "completion/SelfTeachingDictionary.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Form.h"
#include "host/testing/OffscreenHost.h"
#include "options/MergeConfirm.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"
#include "platform/StringList.h"

namespace skrivo {
namespace {

using host::testing::OffscreenHost;

class DictionaryWiring : public ::testing::Test {
protected:
    std::unique_ptr<TSkrivoExpert> Start() {
        auto expert = TQvExpert::Create<TSkrivoExpert>();
        expert->SetReady(true);
        return expert;
    }
    std::string DicPath() { return AppPath() + "Skrivo.dic"; }
    StringList ReadDic() {
        StringList list;
        list.LoadFromFile(DicPath());
        return list;
    }
    OffscreenHost host;
};

TEST_F(DictionaryWiring, StartLoadsBothDictionariesFromTheProgramFolder) {
    WriteFileAtomic(AppPath() + "Skrivo.dic", " Caption\r\nSelf.Caption\r\n");
    WriteFileAtomic(AppPath() + "fixed.dic", "begin\r\nend\r\n");
    auto expert = Start();
    EXPECT_EQ(expert->Dict().Entries(), (StringList{" Caption", "Self.Caption"}));
    EXPECT_EQ(expert->FixedDict().Entries(), (StringList{"begin", "end"}));
    EXPECT_NE(expert->Dict().DictTime(), 0u);
}

TEST_F(DictionaryWiring, UnloadSavesALearntDictionaryAndNothingElse) {
    {
        auto expert = Start();
        expert->Collect("Caption");
        expert->Collect("Self.Caption");
    }
    EXPECT_EQ(ReadDic(), (StringList{"Self.Caption", "Caption"}));

    // An unmodified dictionary is not written again.
    const auto before = GetFileWriteTime(DicPath());
    host.Advance(5000);
    { auto expert = Start(); }
    EXPECT_EQ(GetFileWriteTime(DicPath()), before);
}

// Words that cannot be saved at close are gone for good: the user is told,
// with the file and the reason, and the read-only file stays as it was.
TEST_F(DictionaryWiring, ReadOnlyDictionaryIsKeptAndAFailedCloseSaveIsReported) {
    WriteFileAtomic(DicPath(), "old\r\n");
    ASSERT_EQ(::chmod(DicPath().c_str(), 0444), 0);
    std::vector<std::string> messages;
    host->SetModalAnswerer([&](host::TForm& form) {
        if (host::IControl* label = form.FindComponent("Message")) messages.push_back(label->Caption());
        form.SetModalResult(host::mrOk);
    });
    {
        auto expert = Start();
        expert->Collect("Caption");
        EXPECT_THROW(expert->SaveDictionary(), FileError);
        EXPECT_THROW(expert->SaveDictionary(), FileError);
        ASSERT_EQ(messages.size(), 1u) << "said once while the IDE runs";
    }
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_NE(messages[1].find(DicPath()), std::string::npos) << messages[1];
    EXPECT_NE(messages[1].find("read-only"), std::string::npos) << messages[1];
    EXPECT_EQ(ReadFileBytes(DicPath()), "old\r\n");
}

TEST_F(DictionaryWiring, StartRemovesTemporaryFilesOfKilledSaves) {
    const std::string stale = AppPath() + ".Skrivo.dic.~999999999-0.tmp";
    WriteFileAtomic(stale, "half");
    ASSERT_TRUE(SetFileWriteTime(stale, 116444736000000000ull));  // 1970
    auto expert = Start();
    EXPECT_FALSE(FileExists(stale));
}

TEST_F(DictionaryWiring, AnotherIdesWordsAreMergedAfterConfirmation) {
    WriteFileAtomic(DicPath(), "Alpha\r\n");
    auto expert = Start();
    host.Advance(2000);
    WriteFileAtomic(DicPath(), "Beta\r\nGamma\r\nAlpha\r\n");  // another IDE saved

    std::vector<std::string> dialogs;
    host->SetModalAnswerer([&](host::TForm& form) {
        dialogs.push_back(form.Caption());
        if (form.Caption() == "Confirmation") {
            static_cast<TfmMergeConfirm&>(form).chkNoMoreShow->setChecked(true);
            form.FindComponent("btnOK")->Click();
        } else if (form.Caption() == "Merging dictionary") {
            host.Advance(100);  // the dialog merges on its first timer tick
        }
    });
    expert->CheckDicChanged();
    EXPECT_EQ(dialogs, (std::vector<std::string>{"Confirmation", "Merging dictionary"}));
    EXPECT_EQ(expert->Dict().Entries(), (StringList{"Beta", "Gamma", "Alpha"}));
    // "No more ask" with "Yes" stops the questions, not the merging.
    EXPECT_FALSE(expert->GetCfg()->MergeConfirmation);
    EXPECT_TRUE(expert->GetCfg()->AutoMergeWhenChanged);

    // The same file state is not offered again.
    dialogs.clear();
    expert->CheckDicChanged();
    EXPECT_TRUE(dialogs.empty());
}

TEST_F(DictionaryWiring, DecliningWithNoMoreAskSwitchesMergingOff) {
    WriteFileAtomic(DicPath(), "Alpha\r\n");
    auto expert = Start();
    host.Advance(2000);
    WriteFileAtomic(DicPath(), "Beta\r\nAlpha\r\n");
    host->SetModalAnswerer([&](host::TForm& form) {
        static_cast<TfmMergeConfirm&>(form).chkNoMoreShow->setChecked(true);
        form.FindComponent("btnCancel")->Click();
    });
    expert->CheckDicChanged();
    EXPECT_EQ(expert->Dict().Entries(), (StringList{"Alpha"}));
    EXPECT_FALSE(expert->GetCfg()->MergeConfirmation);
    EXPECT_FALSE(expert->GetCfg()->AutoMergeWhenChanged);
}

TEST_F(DictionaryWiring, LocalDictionaryIsBuiltOnceFromTheUnit) {
    host.OpenText("Unit1.pas", "Ab1 x_yz Caption caption Caption 9lives|");
    auto expert = Start();
    TQvNotifier* notifier = expert->GetCurrentNotifier();
    ASSERT_NE(notifier, nullptr);
    StringList& words = expert->NotifierDictionary(notifier);
    EXPECT_EQ(words, (StringList{"x_yz", "Caption", "caption", "lives"}));
    EXPECT_FALSE(notifier->HoldsSource());  // read for the words, not kept beside them
    host.Type(" Another");
    EXPECT_EQ(&expert->NotifierDictionary(notifier), &words);  // built once, not rebuilt
    EXPECT_EQ(words.Count(), 4u);
}

}  // namespace
}  // namespace skrivo
