// TSkrivoExpert: the self-teaching, fixed and per-unit dictionaries, their loading, saving and merging.
#include <string>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "completion/FixedDictionary.h"
#include "completion/LocalDictionary.h"
#include "completion/SelfTeachingDictionary.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "options/MergeDialogs.h"
#include "platform/Paths.h"

namespace skrivo {

void TSkrivoExpert::CreateDictionaries() {
    FDict = std::make_unique<SelfTeachingDictionary>();
    Rpt("FDict created");
    FFixedDict = std::make_unique<FixedDictionary>();
}

// A dictionary file that cannot be read must not keep the IDE from starting;
// the dictionary then starts empty and its next save takes the file's
// entries in before writing, so nothing on disk is lost.
void TSkrivoExpert::LoadDictionaries() {
    TExpertConfig& cfg = *GetCfg();
    if (cfg.Directory.empty()) cfg.Directory = AppPath();
    try {
        LoadfixedDic();
    } catch (const std::exception& e) {
        Rpt("fixed.dic not loaded: ", e.what());
    }
    try {
        FDict->LoadAtStart(cfg.Directory);
    } catch (const std::exception& e) {
        Rpt("Skrivo.dic not loaded: ", e.what());
    }
}

void TSkrivoExpert::FreeDictionaries() {
    FDict.reset();
    FFixedDict.reset();
}

void TSkrivoExpert::Collect(const std::string& word) {
    const TExpertConfig& cfg = *GetCfg();
    FDict->Collect(word, LearningOptions{cfg.SelfTeaching, cfg.DictionaryLimit});
}

void TSkrivoExpert::LoadfixedDic() { FFixedDict->LoadfixedDic(GetCfg()->Directory); }

void TSkrivoExpert::SaveDictionary() {
    const TExpertConfig& cfg = *GetCfg();
    const SaveResult result = FDict->SaveDictionary(cfg.Directory, cfg.AutoMergeWhenChanged);
    if (result.takenIn > 0) Rpt("Entries saved by another IDE taken in: ", std::to_string(result.takenIn));
}

void TSkrivoExpert::CheckDicChanged() {
    TExpertConfig& cfg = *GetCfg();
    const CheckResult result = FDict->CheckDicChanged(
        cfg.Directory, MergeSwitches{cfg.AutoMergeWhenChanged, cfg.MergeConfirmation}, MergeDialogHooks(),
        *FFixedDict);
    if (result.merge) Rpt("Merged lines: ", std::to_string(result.merge->inserted));
}

void TSkrivoExpert::MergeDictionary() {
    const MergeOutcome outcome = FDict->MergeDictionary(GetCfg()->Directory, MergeDialogHooks());
    Rpt("Merged lines: ", std::to_string(outcome.inserted));
}

StringList& TSkrivoExpert::NotifierDictionary(TQvNotifier* notifier) {
    if (!notifier->FWords) {
        notifier->FWords = std::make_unique<StringList>(BuildLocalDictionary(notifier->GetSource()));
        Rpt("Local dictionary of ", notifier->UnitName(), ": ", std::to_string(notifier->FWords->Count()), " words");
    }
    return *notifier->FWords;
}

}  // namespace skrivo
