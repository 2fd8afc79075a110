// The open modules of the IDE: opening, saving, renaming, closing, add-in notifications; the tool services.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/api/ToolServices.h"
#include "host/editor/Module.h"

namespace skrivo::host {

class EditNotifications;
class EditorControl;
class TEditWindow;

// File names are the paths as the file system spells them (made absolute);
// modules are found by name without regard to case. Files are read and
// written in the host's ANSI code page, byte for byte: a file opened and
// saved unedited is unchanged, line breaks of every kind included.
class ModuleManager final : public IToolServices, public ModuleHost {
public:
    // interactive: ask with dialogs (file names for new files, unsaved
    // changes on close); otherwise act without asking.
    ModuleManager(TEditWindow& window, EditNotifications& notifications, bool interactive);
    ~ModuleManager() override;
    ModuleManager(const ModuleManager&) = delete;
    ModuleManager& operator=(const ModuleManager&) = delete;

    // IToolServices
    int GetUnitCount() override { return static_cast<int>(open_.size()); }
    std::string GetUnitName(int index) override;
    std::string GetCurrentFile() override;
    IModuleInterface* GetModuleInterface(const std::string& fileName) override { return Find(fileName); }
    bool AddNotifier(IAddInNotifier* notifier) override;
    bool RemoveNotifier(IAddInNotifier* notifier) override;
    IMainMenu* GetMainMenu() override;
    bool OpenFile(const std::string& fileName) override { return Open(fileName) != nullptr; }
    bool CloseFile(const std::string& fileName) override;
    bool SaveFile(const std::string& fileName) override;

    // ModuleHost
    bool SaveModule(Module& module, bool forceSave) override;
    bool CloseModule(Module& module) override;

    // Opens the file (or brings it to the front when open). nullptr when it
    // cannot be read or an add-in cancelled; error then says why.
    Module* Open(const std::string& fileName, std::string* error = nullptr);
    Module* New();
    bool SaveAs(Module& module, const std::string& fileName);
    // Runs the compiler steps: add-ins hear enBeforeCompile (and may cancel),
    // the build runs, and they hear enAfterCompile. False when cancelled.
    bool Compile(const std::function<void()>& build = {});
    // The same two steps apart, for a build that ends later: BeginCompile is
    // false when an add-in cancelled; EndCompile follows only a true one.
    bool BeginCompile();
    void EndCompile();
    // Closes every module; with askToSave the user may cancel (false).
    bool CloseAll(bool askToSave);

    Module* Find(const std::string& fileName);
    Module* Current();
    Module* ModuleOf(const EditorControl* editor);
    const std::vector<std::unique_ptr<Module>>& Modules() const { return open_; }
    void Activate(Module& module);

    // Called when a save fails, before the save reports failure: the host's
    // error box.
    void SetSaveErrorHandler(std::function<void(const std::string& reason)> handler) { saveError_ = std::move(handler); }
    const std::string& LastError() const { return lastError_; }

private:
    bool WriteModule(Module& module, const std::string& path);
    // Gives the unit header the new file's name, as a Pascal IDE's Save As
    // does; the name it replaced, or nothing when it changed nothing.
    std::optional<std::string> RenameUnit(Module& module, const std::string& newName);
    bool FileNotification(TFileNotification code, const std::string& fileName);
    // Tells the add-ins of a compile event; false when one cancelled.
    bool TellCompile(TEventNotification code);
    void UpdateTitle(Module& module);
    Module* AddModule(const std::string& fileName, std::string_view ansiText);
    std::string AskFileName(const std::string& suggested);

    TEditWindow& window_;
    EditNotifications& notifications_;
    bool interactive_;
    std::vector<std::unique_ptr<Module>> open_;
    std::vector<std::unique_ptr<Module>> closed_;  // see Module: kept until the host ends
    std::vector<IAddInNotifier*> addIns_;
    std::function<void(const std::string&)> saveError_;
    std::string lastError_;
};

}  // namespace skrivo::host
