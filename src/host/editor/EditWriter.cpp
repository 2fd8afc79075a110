// The undoable writer: one pass over the text from position 0, applied as one undo step of minimal edits.
#include "host/editor/EditWriter.h"

#include <algorithm>
#include <exception>

#include "host/HostLog.h"
#include "host/editor/EditNotifications.h"

namespace skrivo::host {


EditWriter::EditWriter(EditorControl& editor, EditNotifications& notifications)
    : editor_(&editor), notifications_(notifications), length_(editor.Index().Length()) {}

EditWriter::~EditWriter() {
    GuardHostCall("the writer's commit", [this] { Commit(); });
}

EditWriter::Edit& EditWriter::EditAtPlace() {
    if (edits_.empty() || edits_.back().end != pos_) edits_.push_back({pos_, pos_, {}});
    return edits_.back();
}

void EditWriter::CopyTo(int pos) {
    if (committed_) return;
    pos_ = std::max(pos_, std::min(pos, length_));
}

void EditWriter::DeleteTo(int pos) {
    if (committed_) return;
    const int to = std::min(pos, length_);
    if (to <= pos_) return;
    Edit& edit = EditAtPlace();
    edit.end = to;
    pos_ = to;
}

void EditWriter::Insert(std::string_view text) {
    if (committed_ || text.empty()) return;
    EditAtPlace().text.append(text);
}

void EditWriter::ApplyNarrowed(const Edit& edit) {
    const std::string old = editor_->Index().ReadAnsi(edit.start, edit.end - edit.start);
    const std::string& now = edit.text;
    std::size_t prefix = 0;
    while (prefix < old.size() && prefix < now.size() && old[prefix] == now[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < old.size() - prefix && suffix < now.size() - prefix &&
           old[old.size() - 1 - suffix] == now[now.size() - 1 - suffix])
        ++suffix;
    const std::size_t oldMid = old.size() - prefix - suffix;
    const std::size_t newMid = now.size() - prefix - suffix;
    if (oldMid == 0 && newMid == 0) return;
    if (oldMid != newMid) {
        editor_->ReplaceAnsi(edit.start + static_cast<int>(prefix), static_cast<int>(oldMid), std::string_view(now).substr(prefix, newMid));
        return;
    }
    // Same length: rewrite only the runs that differ, last first so earlier
    // positions stay valid.
    std::vector<std::pair<std::size_t, std::size_t>> runs;
    for (std::size_t i = prefix; i < prefix + oldMid;) {
        if (old[i] == now[i]) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < prefix + oldMid && old[j] != now[j]) ++j;
        runs.emplace_back(i, j - i);
        i = j;
    }
    for (auto it = runs.rbegin(); it != runs.rend(); ++it)
        editor_->ReplaceAnsi(edit.start + static_cast<int>(it->first), static_cast<int>(it->second), std::string_view(now).substr(it->first, it->second));
}

void EditWriter::Commit() {
    if (committed_) return;
    committed_ = true;
    if (!editor_ || edits_.empty()) return;
    EditScope scope(notifications_);
    UndoGroup group(*editor_);
    for (auto it = edits_.rbegin(); it != edits_.rend(); ++it) ApplyNarrowed(*it);
}

}  // namespace skrivo::host
