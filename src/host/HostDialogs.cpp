// The IDE's own dialogs opened from its menus: open files, find text, editor options, installed packages.
#include "host/HostApplication.h"

#include <QFileDialog>

#include "host/editor/EditorControl.h"
#include "host/editor/Module.h"
#include "host/forms/EditWindow.h"
#include "host/forms/EditorOptionsDialog.h"
#include "host/forms/FindDialog.h"
#include "host/forms/MessageForm.h"
#include "host/packages/PackageLoader.h"
#include "host/services/ModuleManager.h"
#include "host/text/AnsiText.h"

namespace skrivo::host {

using namespace win;

void HostApplication::OpenWithDialog() {
    if (!options_.interactive) return;
    const QStringList names = QFileDialog::getOpenFileNames(window_.get(), QStringLiteral("Open"), QString(),
                                                            QStringLiteral("Pascal units (*.pas *.dpr *.inc);;All files (*)"));
    for (const QString& name : names) {
        std::string error;
        if (!OpenFile(name.toStdString(), &error))
            MessageDlg("Error", "Can't open " + EditorTextToAnsi(name.toStdString()) + ": " + error, MessageButtons::Ok);
    }
}

void HostApplication::FindWithDialog() {
    Module* module = modules_->Current();
    if (!module || !module->Buffer()) return;
    IEditPosition& position = module->Buffer()->EditPosition();
    TFindTextDialog dialog(position.SearchOptions());
    if (dialog.ShowModal() != mrOk) return;
    const TSearchOptions chosen = dialog.Options();
    if (chosen.SearchText.empty()) return;
    position.SearchOptions() = chosen;
    if (!position.SearchAgain()) {
        MessageDlg("Information", "Search string '" + chosen.SearchText + "' not found", MessageButtons::Ok);
        return;
    }
    // The next F3 goes on from the match, whatever origin the dialog chose.
    position.SearchOptions().FromCursor = true;
}

void HostApplication::ShowEditorOptions() {
    Module* module = modules_->Current();
    if (!module || !module->Control()) return;
    EditorControl& editor = *module->Control();
    TEditorOptionsDialog dialog(editor.autoIndent(), editor.tabWidth());
    if (dialog.ShowModal() != mrOk) return;
    for (const auto& m : modules_->Modules()) {
        if (!m->Control()) continue;
        m->Control()->setAutoIndent(dialog.AutoIndent());
        m->Control()->setTabWidth(dialog.TabWidth());
    }
    UpdateStatus();
}

void HostApplication::ShowInstalledPackages() {
    std::string text;
    for (const std::string& name : packages_->Names()) {
        text += name + "\r\n";
        for (const ExpertInfo& expert : packages_->Experts())
            if (expert.package == name) text += "    " + expert.name + " (" + expert.idString + ")\r\n";
    }
    if (text.empty()) text = "No design-time packages are installed.";
    MessageDlg("Installed Packages", text, MessageButtons::Ok);
}

}  // namespace skrivo::host
