// The Sound page's working state: the twelve event paths, the scheme list and when a changed scheme is saved.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "sounds/SoundScheme.h"

namespace skrivo::options {

// The event list's row pictures.
enum class SoundRowImage { None = 0, Wave = 1, Beep = 2 };
SoundRowImage ImageOfSoundPath(const std::string& path);

// The question asked before leaving a changed scheme; the text is the
// product's and is kept as users have always seen it.
std::string SaveSchemeQuestion(const std::string& scheme);

class SoundPageModel {
public:
    // Answers SaveSchemeQuestion: true for Yes.
    using AskSave = std::function<bool(const std::string& question)>;

    // Keeps the configured paths as the "< current >" scheme and lists the
    // scheme files of schemeFolder after it.
    void Activate(const SoundPaths& configured, std::string schemeFolder, std::string soundHome);

    const SoundPaths& Paths() const { return paths_; }
    // The record's paths again ("Load from file", "Reset default"): shown,
    // not a change to the selected scheme.
    void SetPaths(const SoundPaths& paths) { paths_ = paths; }
    // Row 0 is kCurrentSoundScheme.
    const std::vector<std::string>& Schemes() const { return schemes_; }
    int SelectedScheme() const { return selectedScheme_; }
    bool Changed() const { return changed_; }
    // The distinct non-empty paths, in event order: the file combo's items.
    std::vector<std::string> FileChoices() const;

    void SetEventSelected(int event, bool selected);
    bool EventSelected(int event) const { return selected_.at(static_cast<std::size_t>(event)); }
    // The path all selected events share; empty when they differ or none is
    // selected.
    std::string CommonPath() const;

    // Browse and the file combo: the path for every selected event.
    bool Assign(const std::string& path);
    bool ClearSelected();

    // Asks about a changed named scheme first (Yes writes it), then loads
    // the chosen one: "< current >" gives back the configured paths, a
    // missing file clears all of them, an unreadable one changes nothing.
    // FileError when writing the changed scheme fails (nothing else changed).
    void SelectScheme(int row, const AskSave& ask);
    // Writes the paths as a scheme file and makes its row (same name in any
    // letter case, else a new one) the selected scheme. FileError on failure.
    void SaveAs(const std::string& fileName);
    // OK: a changed named scheme is written to its file.
    void SaveChangedScheme();

    bool CanBrowse() const;
    bool CanTest(const std::string& comboText) const { return CanBrowse() && !comboText.empty(); }
    bool CanClear() const;

private:
    std::string SchemeFile(const std::string& name) const;
    void MarkChanged();

    SoundPaths paths_{};
    SoundPaths kept_{};
    std::array<bool, kSoundEventCount> selected_{};
    std::vector<std::string> schemes_{kCurrentSoundScheme};
    int selectedScheme_ = 0;
    bool changed_ = false;
    std::string changedScheme_;
    std::string folder_;
    std::string soundHome_;
};

}  // namespace skrivo::options
