// The Sound page's working state: the twelve event paths, the scheme list and when a changed scheme is saved.
#include "options/lists/SoundPageModel.h"

#include <algorithm>
#include <filesystem>

#include "platform/CodePage.h"
#include "platform/FileIO.h"

namespace skrivo::options {

namespace {

bool IsNamedScheme(const std::string& name) { return !name.empty() && name.front() != '<'; }

}  // namespace

SoundRowImage ImageOfSoundPath(const std::string& path) {
    if (path.empty()) return SoundRowImage::None;
    return win::AnsiSameText(ExtractFileExt(path), ".wav") ? SoundRowImage::Wave : SoundRowImage::Beep;
}

std::string SaveSchemeQuestion(const std::string& scheme) {
    return "Selected sound scheme '" + scheme + "'was changed. Save changes?";
}

void SoundPageModel::Activate(const SoundPaths& configured, std::string schemeFolder, std::string soundHome) {
    paths_ = configured;
    kept_ = configured;
    selected_.fill(false);
    folder_ = std::move(schemeFolder);
    soundHome_ = std::move(soundHome);
    schemes_ = {kCurrentSoundScheme};
    for (std::string& name : ScanSoundSchemes(folder_)) schemes_.push_back(std::move(name));
    selectedScheme_ = 0;
    changed_ = false;
    changedScheme_.clear();
}

std::vector<std::string> SoundPageModel::FileChoices() const {
    std::vector<std::string> out;
    for (const std::string& p : paths_)
        if (!p.empty() && std::find(out.begin(), out.end(), p) == out.end()) out.push_back(p);
    return out;
}

void SoundPageModel::SetEventSelected(int event, bool selected) { selected_.at(static_cast<std::size_t>(event)) = selected; }

std::string SoundPageModel::CommonPath() const {
    const std::string* common = nullptr;
    for (std::size_t i = 0; i < paths_.size(); ++i) {
        if (!selected_[i]) continue;
        if (common && *common != paths_[i]) return {};
        common = &paths_[i];
    }
    return common ? *common : std::string();
}

void SoundPageModel::MarkChanged() {
    changed_ = true;
    changedScheme_ = schemes_.at(static_cast<std::size_t>(selectedScheme_));
}

bool SoundPageModel::Assign(const std::string& path) {
    if (!CanBrowse()) return false;
    const std::string cut = path.substr(0, kMaxSoundPathLength);
    for (std::size_t i = 0; i < paths_.size(); ++i)
        if (selected_[i]) paths_[i] = cut;
    MarkChanged();
    return true;
}

bool SoundPageModel::ClearSelected() {
    if (!CanClear()) return false;
    for (std::size_t i = 0; i < paths_.size(); ++i)
        if (selected_[i]) paths_[i].clear();
    MarkChanged();
    return true;
}

std::string SoundPageModel::SchemeFile(const std::string& name) const {
    return (std::filesystem::path(folder_) / (name + kSoundSchemeExt)).string();
}

void SoundPageModel::SelectScheme(int row, const AskSave& ask) {
    if (row < 0 || static_cast<std::size_t>(row) >= schemes_.size()) return;
    if (changed_ && IsNamedScheme(changedScheme_) && ask && ask(SaveSchemeQuestion(changedScheme_)))
        WriteSoundScheme(SchemeFile(changedScheme_), paths_);
    selectedScheme_ = row;
    changed_ = false;
    if (row == 0) {
        paths_ = kept_;
        return;
    }
    SoundPaths read = paths_;
    try {
        ReadSoundScheme(folder_, schemes_[static_cast<std::size_t>(row)], soundHome_, read);
    } catch (const FileError&) {
        return;  // an unreadable scheme leaves the events as they were
    }
    paths_ = read;
}

void SoundPageModel::SaveAs(const std::string& fileName) {
    WriteSoundScheme(fileName, paths_);
    std::string name = ExtractFileName(fileName);
    if (win::AnsiSameText(ExtractFileExt(name), kSoundSchemeExt)) name.resize(name.size() - 3);
    auto found = std::find_if(schemes_.begin() + 1, schemes_.end(), [&](const std::string& s) { return win::AnsiSameText(s, name); });
    if (found == schemes_.end()) found = schemes_.insert(schemes_.end(), name);
    *found = name;
    selectedScheme_ = static_cast<int>(found - schemes_.begin());
    changed_ = false;
}

void SoundPageModel::SaveChangedScheme() {
    if (changed_ && IsNamedScheme(changedScheme_)) WriteSoundScheme(SchemeFile(changedScheme_), paths_);
    changed_ = false;
}

bool SoundPageModel::CanBrowse() const { return std::find(selected_.begin(), selected_.end(), true) != selected_.end(); }

bool SoundPageModel::CanClear() const {
    for (std::size_t i = 0; i < paths_.size(); ++i)
        if (selected_[i] && !paths_[i].empty()) return true;
    return false;
}

}  // namespace skrivo::options
