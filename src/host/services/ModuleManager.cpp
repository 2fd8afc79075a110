// The open modules of the IDE: opening, saving, renaming, closing, add-in notifications; the tool services.
#include "host/services/ModuleManager.h"

#include <algorithm>
#include <exception>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "host/HostLog.h"
#include "host/editor/EditNotifications.h"
#include "host/editor/EditorControl.h"
#include "host/editor/UnitHeader.h"
#include "host/forms/EditWindow.h"
#include "host/forms/MessageForm.h"
#include "host/menu/MainMenu.h"
#include "host/text/AnsiText.h"
#include "platform/FileIO.h"

namespace skrivo::host {

namespace {

std::string AbsolutePath(const std::string& fileName) {
    if (fileName.empty()) return {};
    return QDir::cleanPath(QFileInfo(QString::fromStdString(fileName)).absoluteFilePath()).toStdString();
}

bool SameFile(const std::string& a, const std::string& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

QString FileNamePart(const std::string& path) { return QFileInfo(QString::fromStdString(path)).fileName(); }

constexpr char kNewUnitText[] = "unit %1;\r\n\r\ninterface\r\n\r\nimplementation\r\n\r\nend.\r\n";

}  // namespace

ModuleManager::ModuleManager(TEditWindow& window, EditNotifications& notifications, bool interactive)
    : window_(window), notifications_(notifications), interactive_(interactive) {}

ModuleManager::~ModuleManager() {
    // Modules still open go without their notifiers' knowledge only when the
    // host is torn down after the expert has left.
    for (auto& module : open_) module->Detach();
}

std::string ModuleManager::GetUnitName(int index) {
    if (index < 0 || index >= GetUnitCount()) return {};
    return open_[static_cast<std::size_t>(index)]->FileName();
}

std::string ModuleManager::GetCurrentFile() {
    Module* module = Current();
    return module ? module->FileName() : std::string();
}

bool ModuleManager::AddNotifier(IAddInNotifier* notifier) {
    if (!notifier || std::find(addIns_.begin(), addIns_.end(), notifier) != addIns_.end()) return false;
    addIns_.push_back(notifier);
    return true;
}

bool ModuleManager::RemoveNotifier(IAddInNotifier* notifier) {
    const auto it = std::find(addIns_.begin(), addIns_.end(), notifier);
    if (it == addIns_.end()) return false;
    addIns_.erase(it);
    return true;
}

IMainMenu* ModuleManager::GetMainMenu() { return &window_.Menu(); }

bool ModuleManager::CloseFile(const std::string& fileName) {
    Module* module = Find(fileName);
    return module && CloseModule(*module);
}

bool ModuleManager::SaveFile(const std::string& fileName) {
    Module* module = Find(fileName);
    return module && SaveModule(*module, true);
}

Module* ModuleManager::Find(const std::string& fileName) {
    if (fileName.empty()) return nullptr;
    const std::string wanted = AbsolutePath(fileName);
    for (auto& module : open_)
        if (SameFile(module->FileName(), wanted) || SameFile(module->FileName(), fileName)) return module.get();
    return nullptr;
}

Module* ModuleManager::Current() { return ModuleOf(window_.CurrentEditor()); }

Module* ModuleManager::ModuleOf(const EditorControl* editor) {
    if (!editor) return nullptr;
    for (auto& module : open_)
        if (module->Control() == editor) return module.get();
    return nullptr;
}

void ModuleManager::Activate(Module& module) {
    if (module.Control()) window_.SetCurrentEditor(module.Control());
}

bool ModuleManager::FileNotification(TFileNotification code, const std::string& fileName) {
    bool cancel = false;
    const std::vector<IAddInNotifier*> snapshot = addIns_;
    for (IAddInNotifier* notifier : snapshot) {
        if (std::find(addIns_.begin(), addIns_.end(), notifier) == addIns_.end()) continue;
        GuardHostCall("an add-in notifier", [&] { notifier->FileNotification(code, fileName, cancel); });
    }
    return !cancel;
}

void ModuleManager::UpdateTitle(Module& module) {
    EditorControl* editor = module.Control();
    if (!editor) return;
    QString title = FileNamePart(module.FileName());
    if (module.Modified()) title += QStringLiteral(" *");
    window_.SetEditorTitle(editor, title, QString::fromStdString(module.FileName()));
}

Module* ModuleManager::AddModule(const std::string& fileName, std::string_view ansiText) {
    auto* editor = new EditorControl;
    open_.push_back(std::make_unique<Module>(*this, notifications_, fileName, *editor));
    Module* module = open_.back().get();
    module->LoadAnsi(ansiText);
    window_.AddEditor(editor, FileNamePart(fileName));
    QObject::connect(editor, &QsciScintillaBase::SCN_SAVEPOINTLEFT, editor, [this, module] { UpdateTitle(*module); });
    QObject::connect(editor, &QsciScintillaBase::SCN_SAVEPOINTREACHED, editor, [this, module] { UpdateTitle(*module); });
    UpdateTitle(*module);
    return module;
}

Module* ModuleManager::Open(const std::string& fileName, std::string* error) {
    const std::string path = AbsolutePath(fileName);
    if (path.empty()) {
        if (error) *error = "no file name";
        return nullptr;
    }
    if (Module* open = Find(path)) {
        Activate(*open);
        return open;
    }
    if (!FileNotification(fnFileOpening, path)) {
        if (error) *error = "cancelled";
        return nullptr;
    }
    std::string bytes;
    try {
        bytes = ReadFileBytes(path);
    } catch (const FileError& e) {
        if (error) *error = e.what();
        return nullptr;
    }
    Module* module = AddModule(path, bytes);
    FileNotification(fnFileOpened, path);
    return module;
}

Module* ModuleManager::New() {
    const QDir folder = QDir::current();
    for (int n = 1;; ++n) {
        const QString unit = QStringLiteral("Unit%1").arg(n);
        const std::string path = AbsolutePath(folder.filePath(unit + QStringLiteral(".pas")).toStdString());
        if (Find(path) || QFileInfo::exists(QString::fromStdString(path))) continue;
        const std::string text = QString::fromLatin1(kNewUnitText).arg(unit).toStdString();
        Module* module = AddModule(path, text);
        module->SetUntitled(true);
        UpdateTitle(*module);
        FileNotification(fnFileOpened, path);
        return module;
    }
}

bool ModuleManager::WriteModule(Module& module, const std::string& path) {
    EditorControl* editor = module.Control();
    if (!editor) return false;
    bool lossy = false;
    const std::string bytes = module.FileText(&lossy);
    if (lossy) {
        lastError_ = "the text holds characters the code page cannot represent";
        return false;
    }
    try {
        WriteFileAtomic(path, bytes);
    } catch (const FileError& e) {
        lastError_ = e.what();
        return false;
    }
    lastError_.clear();
    return true;
}

bool ModuleManager::SaveModule(Module& module, bool forceSave) {
    if (module.Closed()) return false;
    if (!forceSave && !module.Modified() && !module.Untitled()) return true;
    if (module.Untitled() && interactive_) {
        const std::string path = AskFileName(module.FileName());
        return !path.empty() && SaveAs(module, path);
    }
    module.NotifyAll(ncBeforeSave);
    if (!WriteModule(module, module.FileName())) {
        if (saveError_) saveError_(lastError_);
        return false;
    }
    module.SetUntitled(false);
    if (EditorControl* editor = module.Control()) editor->setModified(false);
    UpdateTitle(module);
    module.NotifyAll(ncAfterSave);
    return true;
}

bool ModuleManager::SaveAs(Module& module, const std::string& fileName) {
    if (module.Closed()) return false;
    const std::string path = AbsolutePath(fileName);
    if (path.empty()) return false;
    if (Module* other = Find(path); other && other != &module) {
        lastError_ = "the file is open in another editor";
        if (saveError_) saveError_(lastError_);
        return false;
    }
    const bool renamed = path != module.FileName();
    const std::optional<std::string> oldUnit =
        renamed ? RenameUnit(module, QFileInfo(QString::fromStdString(path)).completeBaseName().toStdString()) : std::nullopt;
    module.NotifyAll(ncBeforeSave);
    if (!WriteModule(module, path)) {
        // The unit keeps its file, so it keeps its name.
        if (oldUnit) RenameUnit(module, *oldUnit);
        if (saveError_) saveError_(lastError_);
        return false;
    }
    module.SetFileName(path);
    module.SetUntitled(false);
    if (EditorControl* editor = module.Control()) editor->setModified(false);
    UpdateTitle(module);
    // The new name first, so that whoever keeps files beside the unit (the
    // expert's bookmarks) finds it when the save is announced.
    if (renamed) module.NotifyAll(ncModuleRenamed);
    module.NotifyAll(ncAfterSave);
    return true;
}

std::optional<std::string> ModuleManager::RenameUnit(Module& module, const std::string& newName) {
    EditorControl* editor = module.Control();
    SourceEditor* source = module.Source();
    // A file name that cannot be a unit name leaves the header alone.
    if (!editor || !source || !IsUnitIdentifier(newName)) return std::nullopt;
    const std::string text = editor->Index().ReadAnsi(0, editor->Index().Length());
    const std::optional<TextRange> name = FindUnitName(text);
    if (!name) return std::nullopt;
    std::string oldName = text.substr(static_cast<std::size_t>(name->start), static_cast<std::size_t>(name->end - name->start));
    if (oldName == newName) return std::nullopt;
    // Through the undoable writer, as any edit: one undo step, and the
    // notifiers hear of it like of any other change.
    std::unique_ptr<IEditWriter> writer = source->CreateUndoableWriter();
    writer->CopyTo(name->start);
    writer->DeleteTo(name->end);
    writer->Insert(newName);
    writer->Commit();
    return oldName;
}

bool ModuleManager::CloseModule(Module& module) {
    if (module.Closed()) return false;
    if (!FileNotification(fnFileClosing, module.FileName())) return false;
    if (interactive_ && module.Modified()) {
        const int answer = MessageDlg("Confirm", "Save changes to " + EditorTextToAnsi(FileNamePart(module.FileName()).toStdString()) + "?",
                                      MessageButtons::YesNoCancel);
        if (answer == mrCancel) return false;
        if (answer == mrYes && !SaveModule(module, true)) return false;
    }
    EditorControl* editor = module.Control();
    module.Detach();
    if (editor) {
        window_.RemoveEditor(editor);
        delete editor;
    }
    const auto it = std::find_if(open_.begin(), open_.end(), [&](const auto& p) { return p.get() == &module; });
    if (it != open_.end()) {
        closed_.push_back(std::move(*it));
        open_.erase(it);
    }
    return true;
}

bool ModuleManager::CloseAll(bool askToSave) {
    const bool wasInteractive = interactive_;
    interactive_ = interactive_ && askToSave;
    bool all = true;
    while (!open_.empty() && all) all = CloseModule(*open_.back());
    interactive_ = wasInteractive;
    return all;
}

bool ModuleManager::TellCompile(TEventNotification code) {
    bool cancel = false;
    const std::vector<IAddInNotifier*> snapshot = addIns_;
    for (IAddInNotifier* notifier : snapshot) {
        if (std::find(addIns_.begin(), addIns_.end(), notifier) == addIns_.end()) continue;
        GuardHostCall("an add-in notifier", [&] { notifier->EventNotification(code, cancel); });
    }
    return !cancel;
}

bool ModuleManager::BeginCompile() { return TellCompile(enBeforeCompile); }

void ModuleManager::EndCompile() { TellCompile(enAfterCompile); }

bool ModuleManager::Compile(const std::function<void()>& build) {
    if (!BeginCompile()) return false;
    if (build) build();
    EndCompile();
    return true;
}

std::string ModuleManager::AskFileName(const std::string& suggested) {
    const QString name = QFileDialog::getSaveFileName(&window_, QStringLiteral("Save As"), QString::fromStdString(suggested),
                                                      QStringLiteral("Pascal units (*.pas);;All files (*)"));
    return name.toStdString();
}

}  // namespace skrivo::host
