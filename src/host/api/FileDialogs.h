// The common dialogs: open and save a file, browse for a folder. Host windows, so scripts and tests answer them like any dialog.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace skrivo::host {

// Paths are ANSI text in the active code page, as the expert keeps them.
struct TFileDialogOptions {
    // Empty: "Open" or "Save As".
    std::string title;
    // "Description|mask;mask|Description|mask", as the component library
    // writes filters; the first pair is chosen.
    std::string filter;
    // Appended (with its dot) to a saved name typed without an extension.
    std::string defaultExt;
    // Where the dialog starts; the current folder when empty or missing.
    std::string initialDir;
    std::string fileName;
    bool multiSelect = false;
};

// The dialog's components: the label "Folder" (the folder shown), the list
// "Files", the edit "FileName" (several names may be given in double quotes
// when multiSelect is on), the combo "FileType", the buttons "Open" or
// "Save", and "Cancel". Names are taken from the shown folder unless they
// are absolute.

// The chosen existing files; empty when cancelled.
std::vector<std::string> OpenFileDialog(const TFileDialogOptions& options);
// The chosen file name (it need not exist; replacing one is confirmed);
// nullopt when cancelled.
std::optional<std::string> SaveFileDialog(const TFileDialogOptions& options);
// The chosen existing folder, without a trailing separator; nullopt when
// cancelled. Caption "Browse for Folder", the title above the list, the
// folder in the edit "FileName", buttons "OK" and "Cancel".
std::optional<std::string> BrowseForFolder(const std::string& title, const std::string& initialDir);

}  // namespace skrivo::host
