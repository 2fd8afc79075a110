// TSkrivoExpert: the self-teaching, fixed and per-unit dictionaries, their loading, saving and merging.
#include <string>

#include "bridge/Diagnostics.h"
#include "bridge/QvNotifier.h"
#include "completion/DictionaryFiles.h"
#include "completion/FixedDictionary.h"
#include "completion/LocalDictionary.h"
#include "completion/SelfTeachingDictionary.h"
#include "completion/PassedOverWords.h"
#include "completion/SmartRanking.h"
#include "config/ExpertConfig.h"
#include "expert/SkrivoExpert.h"
#include "expert/SuggestListState.h"
#include "expert/StoreFailures.h"
#include "host/api/Host.h"
#include "host/api/Form.h"
#include "options/MergeDialogs.h"
#include "platform/FileIO.h"
#include "platform/Paths.h"

namespace skrivo {

void TSkrivoExpert::CreateDictionaries() {
    FDict = std::make_unique<SelfTeachingDictionary>();
    Rpt("FDict created");
    FFixedDict = std::make_unique<FixedDictionary>();
    FFrecency = std::make_unique<WordFrecency>();
    FPassedOver = std::make_unique<PassedOverWords>();
}

// A dictionary file that cannot be read must not keep the IDE from starting;
// the dictionary then starts empty and its next save takes the file's
// entries in before writing, so nothing on disk is lost.
void TSkrivoExpert::LoadDictionaries() {
    TExpertConfig& cfg = *GetCfg();
    if (cfg.Directory.empty()) cfg.Directory = AppPath();
    // Saves cut short by a kill leave their temporary files behind.
    const std::size_t stale = RemoveStaleTempFiles(DictionaryFolder(cfg.Directory));
    if (stale > 0) Rpt("Temporary files of interrupted saves removed: ", std::to_string(stale));
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
    try {
        FFrecency->Load(cfg.Directory);
    } catch (const std::exception& e) {
        Rpt("Word ranking not loaded: ", e.what());
    }
}

void TSkrivoExpert::FreeDictionaries() {
    FDict.reset();
    FFixedDict.reset();
    FFrecency.reset();
    FPassedOver.reset();
}

void TSkrivoExpert::Collect(const std::string& word) {
    const TExpertConfig& cfg = *GetCfg();
    FDict->Collect(word, LearningOptions{cfg.SelfTeaching, cfg.DictionaryLimit, cfg.SmartRanking});
    if (cfg.SmartRanking && cfg.SelfTeaching) FFrecency->Use(word);
    // The use counts order the list too, and they have no version of their own.
    FListState->FSearchedFor.reset();
}

// The pause after a separator learns again what its key learnt: the same
// words, on top already in the order learning them gives. Learning them
// again would shuffle them back into that order and count as a change of
// the dictionary, so the list the key found would be searched for again.
void TSkrivoExpert::CollectAll(const std::vector<std::string>& words) {
    const SelfTeachingDictionary& dict = *FDict;
    bool onTop = !GetCfg()->SmartRanking && dict.DictModified() && words.size() <= dict.Count();
    for (std::size_t i = 0; onTop && i < words.size(); ++i) onTop = dict.At(words.size() - 1 - i) == words[i];
    if (onTop) return;
    for (const std::string& word : words) Collect(word);
}

void TSkrivoExpert::LoadfixedDic() { FFixedDict->LoadfixedDic(GetCfg()->Directory); }

void TSkrivoExpert::SaveDictionary() {
    try {
        SaveDictionaryOn(SaveOccasion::Running);
    } catch (const std::exception& e) {
        FStoreFailures->FDictSaveFailedTick = win::GetTickCount();
        // Said once for each reason: an automatic save retries every
        // half minute, and the same box each time would only get in the way.
        if (e.what() != FStoreFailures->FDictSaveError) {
            FStoreFailures->FDictSaveError = e.what();
            TellDictionaryNotSaved(e.what(), "The words stay learnt; Skrivo saves them when it can.");
        }
        throw;
    }
    FStoreFailures->FDictSaveError.clear();
}

// At close there is no later save: the user is told every time, with the
// file and the reason, so the words can still be rescued by hand next time.
void TSkrivoExpert::SaveDictionaryAtClose() {
    try {
        SaveDictionaryOn(SaveOccasion::Closing);
    } catch (const std::exception& e) {
        Rpt("Dictionary not saved: ", e.what());
        TellDictionaryNotSaved(e.what(), "The words learnt since the last save are lost.");
    }
}

void TSkrivoExpert::SaveDictionaryOn(SaveOccasion occasion) {
    const TExpertConfig& cfg = *GetCfg();
    const SaveResult result = FDict->SaveDictionary(cfg.Directory, cfg.AutoMergeWhenChanged, occasion);
    if (result.takenIn > 0) Rpt("Entries saved by another IDE taken in: ", std::to_string(result.takenIn));
    if (result.backup) Rpt("Text after a NUL byte kept in ", *result.backup);
    if (result.outcome == SaveOutcome::Deferred) Rpt("Dictionary save deferred");
    // The ranking is only kept while it is used; an old version ignores the file.
    if (cfg.SmartRanking && FFrecency->Modified()) FFrecency->Save(cfg.Directory);
}

void TSkrivoExpert::TellDictionaryNotSaved(const std::string& reason, const std::string& consequence) {
    if (!host::Host()) return;
    const std::string path = DictionaryWritePath(GetCfg()->Directory, kSelfTeachingDictionaryName);
    host::MessageDlg("Skrivo Expert",
                     "The learnt words could not be saved to " + path + ".\n\n" + reason + "\n\n" + consequence,
                     host::MessageButtons::Ok);
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
        // A unit read only for its words keeps no copy of its text: with
        // twenty units open the copies alone would be megabytes no key reads.
        notifier->FWords = std::make_unique<StringList>(BuildLocalDictionary(
            notifier->HoldsSource() ? notifier->GetSource() : notifier->ReadSource()));
        Rpt("Local dictionary of ", notifier->UnitName(), ": ", std::to_string(notifier->FWords->Count()), " words");
        // Folded with the words: a request that first reaches the units'
        // lists (one the dictionaries cannot fill) would fold all of them.
        UnitWordsFolded(*notifier->FWords);
    }
    return *notifier->FWords;
}

}  // namespace skrivo
