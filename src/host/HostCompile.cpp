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

bool HostApplication::CompileCurrent() {
    QListWidget& pane = window_->Messages();
    auto show = [&](const std::vector<std::string>& lines) {
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
    };
    bool succeeded = false;
    const bool ran = modules_->Compile([&] {
        Module* module = modules_->Current();
        if (!module || !module->Control()) {
            show({"There is no unit to compile."});
            return;
        }
        const std::string compiler = FindFreePascal();
        if (compiler.empty()) {
            show({"No compiler found: Project > Compile uses Free Pascal (fpc), which is not on the PATH.",
                  "Install it (Debian: apt install fpc) to compile units from the IDE."});
            return;
        }
        window_->ShowStatusMessage(QStringLiteral("Compiling %1...").arg(QFileInfo(QString::fromStdString(module->FileName())).fileName()));
        EditorControl& editor = *module->Control();
        CompileRun run = CompileWithFreePascal(compiler, module->FileName(), editor.Index().ReadAnsi(0, editor.Index().Length()));
        succeeded = run.succeeded;
        run.output.push_back(succeeded ? "Compiled successfully." : "Compiling failed.");
        show(run.output);
        window_->ShowStatusMessage(QString::fromStdString(run.output.back()));
    });
    return ran && succeeded;
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
