// One open module: its file name, its editor and the notifiers told of what happens to it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QMetaObject>
#include <QObject>
#include <QPointer>

#include "host/api/Editor.h"
#include "host/editor/EditBuffer.h"
#include "host/editor/EditorControl.h"
#include "host/editor/SourceEditor.h"
#include "host/text/LineBreaks.h"

namespace skrivo::host {

class EditNotifications;
class Module;

// What a module asks of the host that owns it.
class ModuleHost {
public:
    virtual ~ModuleHost() = default;
    virtual bool SaveModule(Module& module, bool forceSave) = 0;
    virtual bool CloseModule(Module& module) = 0;
};

// A closed module stays alive (without editor) until the host shuts down, so
// a notifier that still holds it after ncModuleDeleted never holds a dangling
// pointer: its calls find no editor and take their neutral results.
class Module final : public IModuleInterface {
public:
    Module(ModuleHost& host, EditNotifications& notifications, std::string fileName, EditorControl& editor);
    ~Module() override;
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    std::string FileName() override { return fileName_; }
    IEditorInterface* GetEditorInterface() override { return source_.get(); }
    bool AddNotifier(IModuleNotifier* notifier) override;
    bool RemoveNotifier(IModuleNotifier* notifier) override;
    bool Save(bool forceSave) override;
    bool Close() override;

    void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }
    // Replaces the whole text as opening a file does: no undo step, no
    // notification, unmodified afterwards, the cursor at the start. The
    // editor gets CR LF line breaks; the file's own convention is kept for
    // FileText.
    void LoadAnsi(std::string_view ansi);
    // The text as the file holds it: ANSI, in the unit's line-break
    // convention. lossy is set when a character has no ANSI form.
    std::string FileText(bool* lossy) const;
    LineBreak FileLineBreak() const { return lineBreak_; }
    // Tells every notifier registered now (and still registered when its turn
    // comes); an exception from one notifier is reported and does not stop
    // the others.
    void NotifyAll(TNotifyCode code);
    // Tells the notifiers ncModuleDeleted, then lets go of the editor.
    void Detach();

    bool Closed() const { return !source_; }
    EditorControl* Control() { return control_.data(); }
    SourceEditor* Source() { return source_.get(); }
    EditBuffer* Buffer() { return buffer_.get(); }
    // Changed since it was last written; a unit never written counts as changed.
    bool Modified() const;
    // A module made by File > New that has never been written.
    bool Untitled() const { return untitled_; }
    void SetUntitled(bool untitled) { untitled_ = untitled; }
    int NotifierCount() const { return static_cast<int>(notifiers_.size()); }

private:
    ModuleHost& host_;
    EditNotifications& notifications_;
    std::string fileName_;
    QPointer<EditorControl> control_;
    std::unique_ptr<SourceEditor> source_;
    std::unique_ptr<EditBuffer> buffer_;
    std::vector<IModuleNotifier*> notifiers_;
    QMetaObject::Connection changeConnection_;
    bool untitled_ = false;
    bool loading_ = false;
    LineBreak lineBreak_ = LineBreak::CrLf;
    // Work queued for the event loop's next turn; going with the module, it
    // takes what is still queued along.
    QObject idleContext_;
};

}  // namespace skrivo::host
