// Fresh temporary folders and a guard that puts the process-wide code page and layouts back.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/KeyboardLayout.h"

namespace skrivo::testing {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "skrivo-platform-XXXXXX").string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (!::mkdtemp(buffer.data())) throw std::runtime_error("mkdtemp failed");
        path_ = buffer.data();
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Names of everything in the folder, sorted.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(path_)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string path_;
};

// Sets a code page and layouts for one test and restores the defaults after.
class KeyboardScope {
public:
    KeyboardScope(win::CodePage cp, std::vector<win::HKL> layouts, win::HKL active) {
        win::SetACP(cp);
        win::SetInstalledLayouts(layouts);
        win::ActivateKeyboardLayout(active);
    }
    ~KeyboardScope() {
        win::SetACP(win::CodePage::Cp1252);
        win::SetInstalledLayouts({win::HKL_US});
    }
    KeyboardScope(const KeyboardScope&) = delete;
    KeyboardScope& operator=(const KeyboardScope&) = delete;
};

}  // namespace skrivo::testing
