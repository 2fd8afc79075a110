// Learning, saving, change detection and merging of the self-teaching dictionary.
#include "completion/SelfTeachingDictionary.h"

#include <algorithm>
#include <filesystem>
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

// Whether the lines joined with CR LF, as the file holds them, are text;
// without joining them: the lines usually differ at the first one.
bool JoinsTo(const StringList& list, std::string_view text) {
    std::size_t at = 0;
    for (const std::string& line : list.Lines()) {
        if (text.size() - at < line.size() + 2 || text.compare(at, line.size(), line) != 0 ||
            text.compare(at + line.size(), 2, "\r\n") != 0)
            return false;
        at += line.size() + 2;
    }
    return at == text.size();
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

std::optional<SelfTeachingDictionary::FileStamp> SelfTeachingDictionary::StampOf(const std::string& path) {
    const auto time = GetFileWriteTime(path);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!time || error || size == kUnknownSize) return std::nullopt;
    return FileStamp{*time, size};
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
    // Stamped before the read: a change made after it shows at the next check.
    const auto stamp = StampOf(*path);
    std::string bytes;
    try {
        bytes = ReadFileBytes(*path);
    } catch (...) {
        loadFailed_ = true;
        throw;
    }
    entries_.SetText(bytes);
    seenFileText_ = entries_.Text();
    // Without it the first periodic check reads the whole file again, in a
    // tick the user may be typing through.
    if (stamp) knownFile_ = KnownFile{*stamp, {}, version_, true};
    else knownFile_.reset();
    loadFailed_ = false;
    dictTime_ = SystemClock().Now();
}

bool SelfTeachingDictionary::Collect(std::string_view word, const LearningOptions& options) {
    if (!options.selfTeaching || word.empty() || CannotBeStoredAsOneLine(word)) return false;
    auto& entries = entries_.Lines();
    const CaseFold& fold = Fold();
    auto found = entries.end();
    // Learning happens at every finished word: the folded copy, when it is
    // up to date, names the few entries that begin like the word.
    if (const FoldedWordList* folded = folded_.Current(entries_, version_); folded && !TooLongToOffer(word)) {
        const std::size_t at = folded->FindFolded(fold.Lower(word), options.keepCaseApart ? word : std::string_view{});
        if (at != std::string_view::npos) found = entries.begin() + static_cast<std::ptrdiff_t>(at);
    } else {
        // Lengths first: most entries differ in length.
        found = std::find_if(entries.begin(), entries.end(), [&](const std::string& e) {
            if (options.keepCaseApart) return e == word;
            return e.size() == word.size() && fold.Lower(e[0]) == fold.Lower(word[0]) && fold.Equal(e, word);
        });
    }
    if (found != entries.end() && found == entries.begin() && *found == word) return false;
    // Copied before the entries move: word may be one of them.
    std::string learnt(word);
    const std::uint64_t before = version_++;
    dictModified_ = true;
    // The folded copy repeats the change instead of folding every entry
    // again at the next request: learning happens at every finished word.
    if (found != entries.end()) {
        const auto position = static_cast<std::size_t>(found - entries.begin());
        // Each entry above moves down once; a rotation would swap each,
        // three moves apiece, over up to the whole dictionary at every word.
        std::move_backward(entries.begin(), found, found + 1);
        entries.front() = std::move(learnt);
        folded_.Follow(before, version_, [&](FoldedWordList& f) { f.MoveToTop(position, entries.front()); });
        return true;
    }
    entries.insert(entries.begin(), std::move(learnt));
    const auto limit = static_cast<std::size_t>(EffectiveDictionaryLimit(options.dictionaryLimit));
    if (entries.size() > limit) entries.resize(limit);
    folded_.Follow(before, version_, [&](FoldedWordList& f) {
        f.PutOnTop(entries.front());
        f.KeepFirst(entries.size());
    });
    return true;
}

void SelfTeachingDictionary::MoveToTop(std::size_t index) {
    if (index == 0 || index >= entries_.Count()) return;
    const std::uint64_t before = version_++;
    entries_.Move(index, 0);
    folded_.Follow(before, version_, [&](FoldedWordList& f) { f.MoveToTop(index, entries_[0]); });
}

SaveResult SelfTeachingDictionary::SaveDictionary(const std::string& directory, bool autoMergeWhenChanged,
                                                  SaveOccasion occasion) {
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
            ++version_;
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
    if (const auto stamp = StampOf(path))
        knownFile_ = KnownFile{*stamp, {}, version_, true};
    else
        knownFile_.reset();
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
        // The check runs every few timer ticks while the user types; a file
        // that has not changed since it was last read or written is not read
        // again (a 50,000-entry file would stall the keystroke that meets it).
        const auto stamp = StampOf(*path);
        std::optional<FileTime> writeTime;
        if (!stamp || !knownFile_ || !(knownFile_->stamp == *stamp)) {
            StringList onDisk;
            onDisk.LoadFromFile(*path);
            writeTime = GetFileWriteTime(*path);
            knownFile_ = KnownFile{stamp.value_or(FileStamp{}), onDisk.Text(), std::nullopt, false};
            // Without a stamp the text cannot be recognised next time.
            if (!stamp) knownFile_->stamp.size = kUnknownSize;
        } else {
            writeTime = stamp->time;
        }
        const std::string& diskText = knownFile_->textIsSeen ? *seenFileText_ : knownFile_->text;
        // Entries that joined to this very text and have not changed since
        // still do: an idle user's checks need not compare a megabyte each.
        if (knownFile_->joinedVersion == version_) {
            result.dictionary = DictionaryCheck::Unchanged;
        } else if (JoinsTo(entries_, diskText)) {
            result.dictionary = DictionaryCheck::Unchanged;
            seenFileText_ = diskText;
            knownFile_->joinedVersion = version_;
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
                seenFileText_ = diskText;
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
