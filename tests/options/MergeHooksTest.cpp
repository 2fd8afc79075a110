// The dialogs behind the self-teaching dictionary's hooks: a file changed by another instance, asked about and merged.
#include <QCheckBox>
#include <QProgressBar>
#include <QPushButton>

#include "completion/FixedDictionary.h"
#include "completion/SelfTeachingDictionary.h"
#include "host/api/Form.h"
#include "options/MergeConfirm.h"
#include "options/MergeDialogs.h"
#include "options/MergeProgress.h"
#include "options/MergeDialogTest.h"

namespace skrivo {
namespace {

using host::TForm;
using test::Words;

class MergeHooks : public test::MergeDialogTest {
protected:
    void SetUp() override {
        folder = host.Temp().Path() + "/";
        WriteDictionary("Skrivo.dic", {"mine"});
        host.Advance(1000);
        dict.LoadAtStart(folder);
        host.Advance(500);
        WriteDictionary("Skrivo.dic", {"theirs", "mine"});
        host.Advance(100);
    }
    CheckResult Check() { return dict.CheckDicChanged(folder, {autoMerge, confirmation}, hooks, fixed); }

    std::string folder;
    SelfTeachingDictionary dict;
    FixedDictionary fixed;
    DictionaryMergeHooks hooks = MergeDialogHooks();
    bool autoMerge = true;
    bool confirmation = true;
    std::vector<std::string> dialogs;
};

// "Yes" with "No more ask": the progress dialog follows the question, the
// check that runs meanwhile from the idle timer stays out, and only the
// confirmation option is switched off.
TEST_F(MergeHooks, YesLeadsToTheProgressDialogAndAnotherCheckStaysOut) {
    std::optional<CheckResult> nested;
    host->SetModalAnswerer([&](TForm& form) {
        dialogs.push_back(form.ClassName());
        if (auto* confirm = dynamic_cast<TfmMergeConfirm*>(&form)) {
            confirm->chkNoMoreShow->setChecked(true);
            confirm->btnOK->click();
            return;
        }
        auto& progress = dynamic_cast<TfmMergeProgress&>(form);
        QObject::connect(progress.ProgressBar1, &QProgressBar::valueChanged, &progress, [&](int) {
            if (!nested) nested = Check();
        });
        host.Advance(100);
    });
    const CheckResult r = Check();
    EXPECT_EQ(dialogs, (Words{"TfmMergeConfirm", "TfmMergeProgress"}));
    EXPECT_EQ(r.dictionary, DictionaryCheck::Merged);
    ASSERT_TRUE(r.merge);
    EXPECT_EQ(r.merge->inserted, 1u);
    EXPECT_EQ(dict.Entries().Lines(), (Words{"theirs", "mine"}));
    ASSERT_TRUE(nested);
    EXPECT_EQ(nested->dictionary, DictionaryCheck::Skipped);
    EXPECT_FALSE(confirmation);
    EXPECT_TRUE(autoMerge);
    EXPECT_EQ(fmMergeConfirm, nullptr);
    EXPECT_EQ(fmMergeProgress, nullptr);
}

TEST_F(MergeHooks, EscapeDeclinesWithoutAProgressDialog) {
    host->SetModalAnswerer([&](TForm& form) {
        dialogs.push_back(form.ClassName());
        host->PressKey(win::VK_ESCAPE);
    });
    const CheckResult r = Check();
    EXPECT_EQ(dialogs, (Words{"TfmMergeConfirm"}));
    EXPECT_EQ(r.dictionary, DictionaryCheck::Declined);
    EXPECT_EQ(dict.Entries().Lines(), (Words{"mine"}));
    EXPECT_TRUE(confirmation);
    EXPECT_TRUE(autoMerge);
}

// A merge stopped at once leaves the file's entries to the next save, which
// takes them in rather than writing over them.
TEST_F(MergeHooks, StoppedMergeLeavesTheRestToTheNextSave) {
    confirmation = false;
    host->SetModalAnswerer([&](TForm& form) {
        dialogs.push_back(form.ClassName());
        dynamic_cast<TfmMergeProgress&>(form).btnStop->click();
    });
    const CheckResult r = Check();
    EXPECT_EQ(dialogs, (Words{"TfmMergeProgress"}));
    ASSERT_TRUE(r.merge);
    EXPECT_TRUE(r.merge->stopped);
    EXPECT_EQ(dict.Entries().Lines(), (Words{"mine"}));
    dict.Collect("learnt", {});
    dict.SaveDictionary(folder, autoMerge);
    StringList saved;
    saved.LoadFromFile(folder + "Skrivo.dic");
    EXPECT_NE(saved.IndexOf("theirs"), -1);
    EXPECT_NE(saved.IndexOf("learnt"), -1);
}

}  // namespace
}  // namespace skrivo
