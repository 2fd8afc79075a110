// The self-teaching dictionary: learning, saving to "Skrivo.dic", and taking in what other IDE instances saved.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "completion/DictionaryMerge.h"
#include "completion/FoldedWordList.h"
#include "completion/LearntEntryLog.h"
#include "platform/Clock.h"
#include "platform/StringList.h"

namespace skrivo {

class FixedDictionary;

inline constexpr int kDefaultDictionaryLimit = 10000;

// A limit below 1 can only come from a hand-edited configuration; taken
// literally it would empty the dictionary at the next new word. It falls back
// to the default limit instead.
int EffectiveDictionaryLimit(int configured);

struct LearningOptions {
    bool selfTeaching = true;
    int dictionaryLimit = kDefaultDictionaryLimit;
    // Spellings that differ only in case stay separate entries.
    bool keepCaseApart = false;
};

// The two options the merge confirmation can switch off, as references into
// the configuration record (the change is stored with the next configuration
// save).
struct MergeSwitches {
    bool& autoMergeWhenChanged;
    bool& mergeConfirmation;
};

struct MergeConfirmAnswer {
    bool merge = false;      // the dialog closed with "Yes"
    bool noMoreAsk = false;  // "No more ask" was checked
};

struct DictionaryMergeHooks {
    // Asks the user (modally) whether to merge. Unset: merge without asking.
    std::function<MergeConfirmAnswer()> confirm;
    // Runs the merge loop (RunMergeLoop over sourceFile into target) inside a
    // modal progress dialog and returns its outcome. Unset: the loop runs
    // without a dialog.
    std::function<MergeOutcome(StringList& target, const std::string& sourceFile)> runMerge;
};

enum class SaveOutcome {
    NothingToSave,  // not modified since the last save
    Deferred,       // a check or merge is running, or another IDE is saving; the next save writes it
    Written,
};

// When a save happens. While the IDE runs, a save that finds another IDE
// saving the same file waits a moment and otherwise leaves it to the next
// occasion; at close there is no next occasion, so it waits longer and then
// writes all the same (taking the file's entries in first, as always).
enum class SaveOccasion { Running, Closing };

inline constexpr std::chrono::milliseconds kSaveLockWaitRunning{500};
inline constexpr std::chrono::milliseconds kSaveLockWaitClosing{5000};

struct SaveResult {
    SaveOutcome outcome = SaveOutcome::NothingToSave;
    // Entries another instance had saved, taken in before writing.
    std::size_t takenIn = 0;
    // The file held text after a NUL that the reading rule cannot read; the
    // file was kept here before the save dropped it.
    std::optional<std::string> backup;
};

enum class DictionaryCheck {
    Skipped,    // automatic merging off, or a check or merge already running
    NoFile,
    Unchanged,  // the file holds exactly the dictionary
    NotNewer,   // different, but not written after the dictionary time
    Declined,   // the user said no
    Merged,
};

struct CheckResult {
    DictionaryCheck dictionary = DictionaryCheck::Skipped;
    std::optional<MergeOutcome> merge;
    bool fixedReloaded = false;
};

// Entries are kept most recently used first. The dictionary time is the
// moment up to which the file on disk is known to be reflected in the
// entries. Besides it the dictionary remembers the text it last read from or
// wrote to the file, so a save can tell whether another instance wrote the
// file in between — whatever the file times say — and take those entries in
// rather than write over them.
class SelfTeachingDictionary {
public:
    SelfTeachingDictionary() = default;
    SelfTeachingDictionary(const SelfTeachingDictionary&) = delete;
    SelfTeachingDictionary& operator=(const SelfTeachingDictionary&) = delete;

    // Writable access counts as a change: the folded copy is rebuilt.
    StringList& Entries();
    // The entries as a list, put together again after learning changed them:
    // for saving, merging and showing, not for every key.
    const StringList& Entries() const { return List(); }
    // The count and an entry (0 = top), without putting the list together.
    std::size_t Count() const { return logCurrent_ ? log_.Count() : entries_.Count(); }
    const std::string& At(std::size_t index) const { return logCurrent_ ? log_.At(index) : entries_[index]; }
    // The index of the top entry spelled exactly text, or -1, as the list's
    // IndexOf would give it.
    int IndexOf(std::string_view text) const;
    // The entries lower-cased, rebuilt only after a change.
    const FoldedWordList& FoldedEntries() const;
    // Moves on with every change of the entries.
    std::uint64_t Version() const { return version_; }
    FileTime DictTime() const { return dictTime_; }
    bool DictModified() const { return dictModified_; }
    std::uint32_t LastSaveTick() const { return lastSaveTick_; }
    bool CheckingDict() const { return checkingDict_; }
    bool Merging() const { return merging_; }

    // At start: the entries of "Skrivo.dic" when the folder has one, with the
    // dictionary time set to now; otherwise empty with the time left at 0.
    // A file that cannot be read raises FileError; the dictionary stays empty
    // and the next save takes the file's entries in before writing.
    void LoadAtStart(const std::string& directory);

    // Learns one entry: an entry equal to word but for case moves to the top
    // in word's spelling (nothing changes when it is already on top as
    // spelled); a new word goes on top and the oldest entries beyond the limit
    // are dropped. Words holding line breaks or NUL cannot be stored as one
    // line and are not learnt. True when the entries changed.
    bool Collect(std::string_view word, const LearningOptions& options);

    // Puts the entry at index on top, as an accepted suggestion does; the
    // dictionary counts as modified only through learning, as before.
    void MoveToTop(std::size_t index);

    // Writes the entries to "Skrivo.dic" (atomically, CR LF lines) when they
    // were modified. With automatic merging on, entries another instance saved
    // since this one last read or wrote the file are first taken in as the
    // merge loop would. Write and read errors raise FileError and leave the
    // file as it was and the dictionary modified.
    //
    // The read, merge and write run under a lock shared with every other
    // instance (a lock file beside the dictionary): no interleaving of two
    // instances' saves can drop the other's newest entries.
    SaveResult SaveDictionary(const std::string& directory, bool autoMergeWhenChanged,
                              SaveOccasion occasion = SaveOccasion::Running);

    // Tests only: runs inside a save's window, after the file was read and
    // before it is replaced, with the lock held.
    void SetSaveWindowHook(std::function<void()> hook) { saveWindowHook_ = std::move(hook); }

    // Notices a "Skrivo.dic" written by another instance (different text and
    // a newer write time), asks when confirmation is on and merges; then
    // reloads "fixed.dic" when it is newer. Read errors propagate; the guard
    // is cleared on every path.
    CheckResult CheckDicChanged(const std::string& directory, MergeSwitches switches,
                                const DictionaryMergeHooks& hooks, FixedDictionary& fixed);

    // Merges "Skrivo.dic" into the entries (the progress dialog through
    // hooks.runMerge) and sets the dictionary time to now. Merging does not
    // mark the dictionary modified.
    MergeOutcome MergeDictionary(const std::string& directory, const DictionaryMergeHooks& hooks);

private:
    const CaseFold& Fold();
    // The entries kept as a list are current: put together from the log
    // when they are not.
    const StringList& List() const;
    // The list is about to be changed as a list (writable access, merging).
    StringList& ListToChange();
    // Learning works on the log: entries changed as a list are taken over.
    void SettleInLog();
    // Learning while a merge works on the list: the merge holds it.
    bool CollectInList(std::string_view word, const LearningOptions& options);
    // Calls visit for the entries from the top down while it returns true.
    template <typename Visit>
    bool EachFromTop(Visit&& visit) const;
    // Whether the entries' lines joined with CR LF, as the file holds them,
    // are text.
    bool JoinsTo(std::string_view text) const;
    std::string Text() const;

    // The entries live in the log while words are learnt, and in the list
    // when they are changed as a list; at least one of the two is current.
    LearntEntryLog log_;
    mutable StringList entries_;
    bool logCurrent_ = true;
    mutable bool listCurrent_ = true;
    FileTime dictTime_ = 0;
    bool dictModified_ = false;
    std::uint32_t lastSaveTick_ = 0;
    bool checkingDict_ = false;
    bool merging_ = false;

    // The file's text as last read (and accepted, merged or declined) or
    // written; nullopt before that.
    std::optional<std::string> seenFileText_;
    bool loadFailed_ = false;

    std::function<void()> saveWindowHook_;

    // The file as last read by a check or written by a save, known by its
    // write time and size: the periodic check reads only a changed file.
    struct FileStamp {
        FileTime time = 0;
        std::uintmax_t size = 0;
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };
    static constexpr std::uintmax_t kUnknownSize = ~std::uintmax_t{0};
    static std::optional<FileStamp> StampOf(const std::string& path);
    struct KnownFile {
        FileStamp stamp;
        std::string text;  // as its lines joined with CR LF
        // The entries' version when they were last found to be this text;
        // seenFileText_ holds the text as long as it is current.
        std::optional<std::uint64_t> joinedVersion;
        // The text is seenFileText_'s (read or written just now): a
        // megabyte-size dictionary is not held twice.
        bool textIsSeen = false;
    };
    std::optional<KnownFile> knownFile_;

    // Bumped by every path that may change the entries.
    std::uint64_t version_ = 0;
    FoldedWordCache folded_;

    std::optional<CaseFold> fold_;
    unsigned foldCodePage_ = 0;
};

}  // namespace skrivo
