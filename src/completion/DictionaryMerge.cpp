// The merge loop over a dictionary file, with progress and a stop check per line.
#include "completion/DictionaryMerge.h"

#include <exception>
#include <string_view>
#include <unordered_set>

namespace skrivo {

namespace {

// Which lines the target already holds, decided once against the target as it
// is before anything is inserted. A hash set keeps a 50,000-line merge linear
// where a search of the joined text per line would be quadratic.
std::vector<bool> PresentBeforeMerge(const StringList& target, const std::vector<std::string>& lines) {
    const std::unordered_set<std::string_view> entries(target.Lines().begin(), target.Lines().end());
    std::vector<bool> present(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        present[i] = lines[i].empty() || entries.contains(lines[i]);
    return present;
}

// Lines found missing wait here in the order the loop meets them (last line of
// the file first) and reach the top of the target in blocks: inserting every
// line at the front of a vector on its own would again be quadratic.
class PendingInsertions {
public:
    explicit PendingInsertions(StringList& target) : target_(target) {}
    void Add(const std::string& line) { pending_.push_back(line); }
    void Flush() {
        auto& entries = target_.Lines();
        entries.insert(entries.begin(), std::make_move_iterator(pending_.rbegin()),
                       std::make_move_iterator(pending_.rend()));
        inserted_ += pending_.size();
        pending_.clear();
    }
    std::size_t Inserted() const { return inserted_; }

private:
    StringList& target_;
    std::vector<std::string> pending_;
    std::size_t inserted_ = 0;
};

}  // namespace

MergeOutcome MergeLines(StringList& target, const std::vector<std::string>& lines,
                        const MergeLoopHooks& hooks) {
    MergeOutcome outcome;
    PendingInsertions pending(target);
    try {
        const std::vector<bool> present = PresentBeforeMerge(target, lines);
        const std::size_t n = lines.size();
        int shownPercent = -1;
        for (std::size_t i = n; i-- > 0;) {
            const int percent = static_cast<int>((n - i) * 100 / n);
            if (percent != shownPercent) {
                pending.Flush();
                shownPercent = percent;
            }
            if (hooks.progress) hooks.progress(percent);
            if (hooks.stopRequested && hooks.stopRequested()) {
                outcome.stopped = true;
                break;
            }
            if (present[i]) continue;
            pending.Add(lines[i]);
        }
        pending.Flush();
    } catch (const std::exception& e) {
        outcome.failed = true;
        outcome.error = e.what();
    } catch (...) {
        outcome.failed = true;
        outcome.error = "unknown error";
    }
    if (outcome.failed) {
        try {
            pending.Flush();
        } catch (...) {
            // Out of memory while keeping the partial result: what reached
            // the dictionary before stays and is all that is counted.
        }
    }
    outcome.inserted = pending.Inserted();
    return outcome;
}

MergeOutcome RunMergeLoop(StringList& target, const std::string& sourceFile, const MergeLoopHooks& hooks) {
    StringList file;
    try {
        file.LoadFromFile(sourceFile);
    } catch (const std::exception& e) {
        MergeOutcome outcome;
        outcome.failed = true;
        outcome.error = e.what();
        return outcome;
    }
    return MergeLines(target, file.Lines(), hooks);
}

}  // namespace skrivo
