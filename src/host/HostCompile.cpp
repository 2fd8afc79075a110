// Project > Compile: the add-ins hear of it, the unit in front goes through Free Pascal when there is one, and its messages fill the messages pane.
#include "host/HostApplication.h"

#include <algorithm>
#include <cstdint>

#include <QFileInfo>
#include <QListWidget>

#include "host/compile/CompilerMessages.h"
#include "host/compile/FreePascal.h"
#include "host/editor/EditView.h"
#include "host/editor/EditorControl.h"
#include "host/editor/Module.h"
#include "host/editor/SourceEditor.h"
#include "host/forms/EditWindow.h"
#include "host/services/ModuleManager.h"

namespace skrivo::host {

namespace {
enum MessageRole { kFileRole = Qt::UserRole, kLineRole, kColumnRole };

bool SameFileName(const std::string& a, const std::string& b) {
    return QFileInfo(QString::fromStdString(a)).fileName().compare(QFileInfo(QString::fromStdString(b)).fileName(), Qt::CaseInsensitive) == 0;
}
}  // namespace

void HostApplication::ShowCompilerMessages(const std::vector<std::string>& lines) {
    QListWidget& pane = window_->Messages();
    pane.clear();
    for (const std::string& line : lines) {
        auto* item = new QListWidgetItem(QString::fromStdString(line), &pane);
        if (const std::optional<CompilerMessage> at = ParseCompilerMessage(line)) {
            item->setData(kFileRole, QString::fromStdString(at->file));
            item->setData(kLineRole, at->line);
            item->setData(kColumnRole, at->column);
        }
    }
    pane.show();
}

bool HostApplication::Compiling() const { return compile_ && compile_->Running(); }

bool HostApplication::CompileCurrent() {
    if (Compiling()) {
        window_->ShowStatusMessage(QStringLiteral("The compiler is still at work."));
        return false;
    }
    if (!modules_->BeginCompile()) return false;
    Module* module = modules_->Current();
    if (!module || !module->Control()) {
        ShowCompilerMessages({"There is no unit to compile."});
        modules_->EndCompile();
        return false;
    }
    const std::string compiler = FindFreePascal();
    if (compiler.empty()) {
        ShowCompilerMessages({"No compiler found: Project > Compile uses Free Pascal (fpc), which is not on the PATH.",
                              "Install it (Debian: apt install fpc) to compile units from the IDE."});
        modules_->EndCompile();
        return false;
    }
    const QString name = QFileInfo(QString::fromStdString(module->FileName())).fileName();
    const QString compiling = QStringLiteral("Compiling %1...").arg(name);
    ShowCompilerMessages({compiling.toStdString()});
    window_->ShowStatusMessage(compiling);
    EditorControl& editor = *module->Control();
    compile_ = std::make_unique<FreePascalJob>(compiler, module->FileName(), editor.Index().ReadAnsi(0, editor.Index().Length()),
                                               [this](CompileRun run) {
                                                   run.output.push_back(run.succeeded ? "Compiled successfully." : "Compiling failed.");
                                                   ShowCompilerMessages(run.output);
                                                   window_->ShowStatusMessage(QString::fromStdString(run.output.back()));
                                                   modules_->EndCompile();
                                               });
    return true;
}

void HostApplication::GoToMessage(int row) {
    QListWidgetItem* item = window_->Messages().item(row);
    if (!item || !item->data(kLineRole).isValid()) return;
    const std::string file = item->data(kFileRole).toString().toStdString();
    Module* module = modules_->Find(file);
    if (!module) {
        // The compiler names the unit as it was handed over: by its name alone.
        for (const auto& m : modules_->Modules())
            if (SameFileName(m->FileName(), file)) module = m.get();
    }
    if (!module || !module->Source() || !module->Control()) return;
    modules_->Activate(*module);
    EditView& view = module->Source()->View();
    const int linear = view.CharPosToPos({static_cast<std::int16_t>(std::max(item->data(kColumnRole).toInt() - 1, 0)), item->data(kLineRole).toInt()});
    EditorControl& editor = *module->Control();
    editor.PlaceCaret(editor.Index().ByteOf(linear), 0);
    module->Source()->Block().AcceptEditorSelection();
    editor.setFocus(Qt::OtherFocusReason);
    UpdateStatus();
}

}  // namespace skrivo::host
