// One open module: its file name, its editor and the notifiers told of what happens to it.
#include "host/editor/Module.h"

#include <algorithm>
#include <exception>

#include "host/HostLog.h"
#include "host/editor/EditNotifications.h"
#include "host/text/AnsiText.h"

namespace skrivo::host {

Module::Module(ModuleHost& host, EditNotifications& notifications, std::string fileName, EditorControl& editor)
    : host_(host), notifications_(notifications), fileName_(std::move(fileName)), control_(&editor) {
    auto name = [this] { return fileName_; };
    source_ = std::make_unique<SourceEditor>(editor, notifications, name);
    buffer_ = std::make_unique<EditBuffer>(*source_, name);
    changeConnection_ = QObject::connect(&editor, &QsciScintillaBase::SCN_MODIFIED, &editor,
                                         [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
                                             if (!(type & (QsciScintillaBase::SC_MOD_BEFOREINSERT | QsciScintillaBase::SC_MOD_BEFOREDELETE))) return;
                                             if (buffer_) {
                                                 if (type & QsciScintillaBase::SC_MOD_BEFOREINSERT)
                                                     buffer_->Actions().BeforeInsert(position, length);
                                                 else
                                                     buffer_->Actions().BeforeDelete(position, length);
                                             }
                                             if (!loading_) notifications_.MarkModified(*this);
                                         });
}

Module::~Module() {
    QObject::disconnect(changeConnection_);
    notifications_.Forget(*this);
}

bool Module::AddNotifier(IModuleNotifier* notifier) {
    if (!notifier || Closed()) return false;
    if (std::find(notifiers_.begin(), notifiers_.end(), notifier) != notifiers_.end()) return false;
    notifiers_.push_back(notifier);
    return true;
}

bool Module::RemoveNotifier(IModuleNotifier* notifier) {
    const auto it = std::find(notifiers_.begin(), notifiers_.end(), notifier);
    if (it == notifiers_.end()) return false;
    notifiers_.erase(it);
    return true;
}

bool Module::Save(bool forceSave) { return !Closed() && host_.SaveModule(*this, forceSave); }
bool Module::Close() { return !Closed() && host_.CloseModule(*this); }

void Module::LoadAnsi(std::string_view ansi) {
    if (!control_) return;
    lineBreak_ = DominantLineBreak(ansi);
    loading_ = true;
    control_->LoadUtf8(AnsiToEditorText(WithLineBreaks(ansi, LineBreak::CrLf)));
    loading_ = false;
    if (source_) source_->Block().AcceptEditorSelection();
    // The routine headings a parameter hint looks up are found when the
    // event loop is next idle, not by the first "(" typed into the unit.
    QMetaObject::invokeMethod(&idleContext_, [this] {
        if (buffer_) buffer_->Actions().PrepareDeclarations();
    }, Qt::QueuedConnection);
}

std::string Module::FileText(bool* lossy) const {
    if (!control_) return {};
    // Every break goes out in the unit's convention, also one that an edit
    // brought in some other way: the editor showed it as a line break.
    return WithLineBreaks(EditorTextToAnsi(control_->Utf8Text(), lossy), lineBreak_);
}

bool Module::Modified() const { return control_ && (untitled_ || control_->isModified()); }

void Module::NotifyAll(TNotifyCode code) {
    const std::vector<IModuleNotifier*> snapshot = notifiers_;
    for (IModuleNotifier* notifier : snapshot) {
        if (std::find(notifiers_.begin(), notifiers_.end(), notifier) == notifiers_.end()) continue;
        GuardHostCall("a module notifier", [&] { notifier->Notify(code); });
    }
}

void Module::Detach() {
    if (Closed()) return;
    QObject::disconnect(changeConnection_);
    notifications_.Forget(*this);
    NotifyAll(ncModuleDeleted);
    notifiers_.clear();
    buffer_.reset();
    source_.reset();
    control_.clear();
}

}  // namespace skrivo::host
