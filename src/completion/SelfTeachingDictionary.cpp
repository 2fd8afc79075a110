// Learning, saving, change detection and merging of the self-teaching dictionary.
#include "completion/SelfTeachingDictionary.h"

#include <algorithm>
#include <stdexcept>

#include "completion/DictionaryFiles.h"
#include "completion/FixedDictionary.h"
#include "platform/FileIO.h"
#include "platform/FileLock.h"
#include "platform/ScopedValue.h"

namespace skrivo {

namespace {

// The file rules compare whole texts (lines joined with CR LF); equal lines
// are the common case and need no joined copies.
bool SameText(const StringList& a, const StringList& b) {
    return a.Lines() == b.Lines() || a.Text() == b.Text();
}

bool CannotBeStoredAsOneLine(std::string_view word) {
    return word.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos;
}

bool WrittenLater(FileTime fileTime, FileTime knownTime) {
    // Compared as calendar times, to the millisecond.
    return FileTimeToSystemTime(fileTime) > FileTimeToSystemTime(knownTime);
}

}  // namespace

int EffectiveDictionaryLimit(int configured) {
    return configured < 1 ? kDefaultDictionaryLimit : configured;
}

const CaseFold& SelfTeachingDictionary::Fold() {
    const auto cp = static_cast<unsigned>(win::GetACP());
    if (!fold_ || foldCodePage_ != cp) {
        fold_.emplace(static_cast<win::CodePage>(cp));
        foldCodePage_ = cp;
    }
    return *fold_;
}

void SelfTeachingDictionary::LoadAtStart(const std::string& directory) {
    ++version_;
    entries_.Clear();
    const auto path = FindDictionaryFile(directory, kSelfTeachingDictionaryName);
    if (!path) return;
    std::string bytes;
    try {
        bytes = ReadFileBytes(*path);
    } catch (...) {
        loadFailed_ = true;
        throw;
    }
    entries_.SetText(bytes);
    seenFileText_ = entries_.Text();
    loadFailed_ = false;
    dictTime_ = SystemClock().Now();
}

bool SelfTeachingDictionary::Collect(std::string_view word, const LearningOptions& options) {
    if (!options.selfTeaching || word.empty() || CannotBeStoredAsOneLine(word)) return false;
    auto& entries = entries_.Lines();
    const CaseFold& fold = Fold();
    // Lengths first: most entries differ in length, and this scan runs over
    // up to the whole dictionary for every finished word.
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const std::string& e) {
        if (options.keepCaseApart) return e == word;
        return e.size() == word.size() && fold.Lower(e[0]) == fold.Lower(word[0]) && fold.Equal(e, word);
    });
    if (found != entries.end() && found == entries.begin() && *found == word) return false;
    // Copied before the entries move: word may be one of them.
    std::string learnt(word);
    ++version_;
    if (found != entries.end()) {
        std::rotate(entries.begin(), found, found + 1);
        entries.front() = std::move(learnt);
        dictModified_ = true;
        return true;
    }
    entries.insert(entries.begin(), std::move(learnt));
    dictModified_ = true;
    const auto limit = static_cast<std::size_t>(EffectiveDictionaryLimit(options.dictionaryLimit));
    if (entries.size() > limit) entries.resize(limit);
    return true;
}

SaveResult SelfTeachingDictionary::SaveDictionary(const std::string& directory, bool autoMergeWhenChanged,
                                                  SaveOccasion occasion) {
    ++version_;
    SaveResult result;
    if (!dictModified_) return result;
    // A confirmation or progress dialog is up: writing now would pre-empt the
    // user's answer. The entries stay modified, so the next save writes them.
    if (checkingDict_ || merging_) {
        result.outcome = SaveOutcome::Deferred;
        return result;
    }

    const std::string lockPath =
        LockPathFor(DictionaryFolder(directory) + std::string(kSelfTeachingDictionaryName));
    const bool closing = occasion == SaveOccasion::Closing;
    FileLock lock(lockPath, closing ? kSaveLockWaitClosing : kSaveLockWaitRunning);
    if (lock.GetState() == FileLock::State::TimedOut && !closing) {
        result.outcome = SaveOutcome::Deferred;
        return result;
    }

    const auto existing = FindDictionaryFile(directory, kSelfTeachingDictionaryName);
    if (existing && (autoMergeWhenChanged || loadFailed_)) {
        StringList onDisk;
        onDisk.SetText(ReadFileBytes(*existing));
        std::string diskText = onDisk.Text();
        if (!seenFileText_ || diskText != *seenFileText_) {
            const MergeOutcome merged = MergeLines(entries_, onDisk.Lines());
            if (merged.failed)
                throw std::runtime_error("Cannot take in the entries of " + *existing + ": " + merged.error);
            result.takenIn = merged.inserted;
        }
    }
    if (saveWindowHook_) saveWindowHook_();

    const std::string path = existing ? *existing : DictionaryWritePath(directory, kSelfTeachingDictionaryName);
    ForceDirectories(ExtractFilePath(path));
    result.backup = KeepBackupOfUnreadText(path);
    std::string text = entries_.Text();
    WriteFileAtomic(path, text);

    dictModified_ = false;
    loadFailed_ = false;
    seenFileText_ = std::move(text);
    const auto writeTime = GetFileWriteTime(path);
    dictTime_ = writeTime ? *writeTime : SystemClock().Now();
    lastSaveTick_ = win::GetTickCount();
    result.outcome = SaveOutcome::Written;
    return result;
}

CheckResult SelfTeachingDictionary::CheckDicChanged(const std::string& directory, MergeSwitches switches,
                                                    const DictionaryMergeHooks& hooks, FixedDictionary& fixed) {
    CheckResult result;
    if (!switches.autoMergeWhenChanged || merging_ || checkingDict_) return result;
    ScopedValue guard(checkingDict_, true);

    result.dictionary = DictionaryCheck::NoFile;
    if (const auto path = FindDictionaryFile(directory, kSelfTeachingDictionaryName)) {
        StringList onDisk;
        onDisk.LoadFromFile(*path);
        const auto writeTime = GetFileWriteTime(*path);
        if (SameText(onDisk, entries_)) {
            result.dictionary = DictionaryCheck::Unchanged;
            seenFileText_ = onDisk.Text();
        } else if (!writeTime || !WrittenLater(*writeTime, dictTime_)) {
            result.dictionary = DictionaryCheck::NotNewer;
        } else {
            bool merge = true;
            if (switches.mergeConfirmation) {
                const MergeConfirmAnswer answer = hooks.confirm ? hooks.confirm() : MergeConfirmAnswer{true, false};
                merge = answer.merge;
                if (answer.noMoreAsk) {
                    switches.mergeConfirmation = false;
                    if (!merge) switches.autoMergeWhenChanged = false;
                }
            }
            if (merge) {
                result.merge = MergeDictionary(directory, hooks);
                result.dictionary = DictionaryCheck::Merged;
            } else {
                // The user turned this state of the file down; a later save
                // writes over it as it always has.
                seenFileText_ = onDisk.Text();
                result.dictionary = DictionaryCheck::Declined;
            }
            dictTime_ = SystemClock().Now();
        }
    }

    result.fixedReloaded = fixed.ReloadIfNewer(directory);
    return result;
}

MergeOutcome SelfTeachingDictionary::MergeDictionary(const std::string& directory,
                                                     const DictionaryMergeHooks& hooks) {
    // The merge dialog runs an event loop, in which a suggestion may fold the
    // half-merged entries; counting the change again on every way out makes
    // the next one fold them afresh.
    struct CountChangeOnExit {
        std::uint64_t& version;
        ~CountChangeOnExit() { ++version; }
    } countChange{version_};
    ++version_;
    MergeOutcome outcome;
    const auto path = FindDictionaryFile(directory, kSelfTeachingDictionaryName);
    if (path) {
        StringList onDisk;
        onDisk.LoadFromFile(*path);
        if (SameText(onDisk, entries_)) {
            seenFileText_ = onDisk.Text();
        } else {
            {
                ScopedValue merging(merging_, true);
                outcome = hooks.runMerge ? hooks.runMerge(entries_, *path) : MergeLines(entries_, onDisk.Lines());
            }
            // A stopped or failed merge has not taken in the whole file: the
            // next save takes in the rest.
            if (outcome.Completed()) seenFileText_ = onDisk.Text();
        }
    }
    dictTime_ = SystemClock().Now();
    return outcome;
}

}  // namespace skrivo
