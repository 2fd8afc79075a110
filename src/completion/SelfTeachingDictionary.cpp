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
    log_.Assign({});
    entries_.Clear();
    logCurrent_ = listCurrent_ = true;
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
    StringList read;
    read.SetText(bytes);
    seenFileText_ = read.Text();
    log_.Assign(std::move(read.Lines()));
    listCurrent_ = false;
    // Without it the first periodic check reads the whole file again, in a
    // tick the user may be typing through.
    if (stamp) knownFile_ = KnownFile{*stamp, {}, version_, true};
    else knownFile_.reset();
    loadFailed_ = false;
    dictTime_ = SystemClock().Now();
}

StringList& SelfTeachingDictionary::Entries() {
    ++version_;
    return ListToChange();
}

const StringList& SelfTeachingDictionary::List() const {
    if (!listCurrent_) {
        log_.CopyTo(entries_.Lines());
        listCurrent_ = true;
    }
    return entries_;
}

StringList& SelfTeachingDictionary::ListToChange() {
    List();
    logCurrent_ = false;
    return entries_;
}

void SelfTeachingDictionary::SettleInLog() {
    if (logCurrent_) return;
    log_.Assign(std::move(entries_.Lines()));
    entries_.Clear();
    logCurrent_ = true;
    listCurrent_ = false;
}

template <typename Visit>
bool SelfTeachingDictionary::EachFromTop(Visit&& visit) const {
    if (logCurrent_) return log_.EachFromTop(visit);
    for (const std::string& e : entries_.Lines())
        if (!visit(e)) return false;
    return true;
}

bool SelfTeachingDictionary::JoinsTo(std::string_view text) const {
    // Without joining them: the lines usually differ at the first one.
    std::size_t at = 0;
    return EachFromTop([&](const std::string& line) {
               if (text.size() - at < line.size() + 2 || text.compare(at, line.size(), line) != 0 ||
                   text.compare(at + line.size(), 2, "\r\n") != 0)
                   return false;
               at += line.size() + 2;
               return true;
           }) &&
           at == text.size();
}

std::string SelfTeachingDictionary::Text() const {
    std::size_t size = 0;
    EachFromTop([&](const std::string& e) {
        size += e.size() + 2;
        return true;
    });
    std::string text;
    text.reserve(size);
    EachFromTop([&](const std::string& e) {
        text.append(e).append("\r\n");
        return true;
    });
    return text;
}

const FoldedWordList& SelfTeachingDictionary::FoldedEntries() const {
    if (const FoldedWordList* folded = folded_.Current(Count(), version_)) return *folded;
    if (listCurrent_) return folded_.Get(entries_, version_);
    // A list put together only to be folded is not kept beside the log.
    StringList topFirst;
    log_.CopyTo(topFirst.Lines());
    return folded_.Get(topFirst, version_);
}

int SelfTeachingDictionary::IndexOf(std::string_view text) const {
    if (!logCurrent_) return entries_.IndexOf(text);
    const std::size_t at = log_.Find(text, true);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

bool SelfTeachingDictionary::Collect(std::string_view word, const LearningOptions& options) {
    if (!options.selfTeaching || word.empty() || CannotBeStoredAsOneLine(word)) return false;
    if (merging_ && !logCurrent_) return CollectInList(word, options);
    // Copied before the entries move: word may be one of them.
    std::string learnt(word);
    word = learnt;
    SettleInLog();
    log_.FoldWith(static_cast<win::CodePage>(win::GetACP()));
    const std::size_t found = log_.Find(word, options.keepCaseApart);
    if (found == 0 && log_.At(0) == word) return false;
    const std::uint64_t before = version_++;
    dictModified_ = true;
    listCurrent_ = false;
    // The folded copy repeats the change instead of folding every entry
    // again at the next request.
    if (found != std::string_view::npos) {
        log_.MoveToTop(found, std::move(learnt));
        folded_.Follow(before, version_, [&](FoldedWordList& f) { f.MoveToTop(found, log_.At(0)); });
        return true;
    }
    log_.PutOnTop(std::move(learnt));
    log_.KeepFirst(static_cast<std::size_t>(EffectiveDictionaryLimit(options.dictionaryLimit)));
    folded_.Follow(before, version_, [&](FoldedWordList& f) {
        f.PutOnTop(log_.At(0));
        f.KeepFirst(log_.Count());
    });
    return true;
}

// The merge loop holds the list and goes on with it after its dialog's
// events, in which a word may be learnt: the word goes into that list.
bool SelfTeachingDictionary::CollectInList(std::string_view word, const LearningOptions& options) {
    auto& entries = entries_.Lines();
    const CaseFold& fold = Fold();
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const std::string& e) {
        if (options.keepCaseApart) return e == word;
        return e.size() == word.size() && fold.Equal(e, word);
    });
    if (found == entries.begin() && found != entries.end() && *found == word) return false;
    std::string learnt(word);
    ++version_;
    dictModified_ = true;
    if (found != entries.end()) {
        std::move_backward(entries.begin(), found, found + 1);
        entries.front() = std::move(learnt);
        return true;
    }
    entries.insert(entries.begin(), std::move(learnt));
    const auto limit = static_cast<std::size_t>(EffectiveDictionaryLimit(options.dictionaryLimit));
    if (entries.size() > limit) entries.resize(limit);
    return true;
}

void SelfTeachingDictionary::MoveToTop(std::size_t index) {
    if (index == 0 || index >= Count()) return;
    if (merging_ && !logCurrent_) {
        ++version_;
        entries_.Move(index, 0);
        return;
    }
    SettleInLog();
    const std::uint64_t before = version_++;
    listCurrent_ = false;
    log_.MoveToTop(index);
    folded_.Follow(before, version_, [&](FoldedWordList& f) { f.MoveToTop(index, log_.At(0)); });
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
            const MergeOutcome merged = MergeLines(ListToChange(), onDisk.Lines());
            if (merged.failed)
                throw std::runtime_error("Cannot take in the entries of " + *existing + ": " + merged.error);
            result.takenIn = merged.inserted;
        }
    }
    if (saveWindowHook_) saveWindowHook_();

    const std::string path = existing ? *existing : DictionaryWritePath(directory, kSelfTeachingDictionaryName);
    ForceDirectories(ExtractFilePath(path));
    result.backup = KeepBackupOfUnreadText(path);
    std::string text = Text();
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
        } else if (JoinsTo(diskText)) {
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
        std::optional<std::string> diskText = onDisk.Text();
        if (!JoinsTo(*diskText)) {
            StringList& entries = ListToChange();
            {
                ScopedValue merging(merging_, true);
                outcome = hooks.runMerge ? hooks.runMerge(entries, *path) : MergeLines(entries, onDisk.Lines());
            }
            // A stopped or failed merge has not taken in the whole file: the
            // next save takes in the rest.
            if (!outcome.Completed()) diskText.reset();
        }
        if (diskText) seenFileText_ = std::move(*diskText);
    }
    dictTime_ = SystemClock().Now();
    return outcome;
}

}  // namespace skrivo
