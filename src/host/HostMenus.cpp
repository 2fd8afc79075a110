// The IDE's main menu: its bars and items and what each item does.
#include "host/HostApplication.h"

#include <QFileDialog>
#include <QTabWidget>

#include "host/editor/EditNotifications.h"
#include "host/editor/EditorControl.h"
#include "host/editor/Module.h"
#include "host/forms/EditWindow.h"
#include "host/forms/MessageForm.h"
#include "host/input/Recorder.h"
#include "host/menu/MainMenu.h"
#include "host/services/ModuleManager.h"
#include "platform/ShortCut.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {

using namespace win;

namespace {
TShortCut Sc(WORD key, TShiftState shift = 0) { return ShortCut(key, shift); }
}  // namespace

void HostApplication::BuildMenus() {
    MainMenu& menu = window_->Menu();
    auto withModule = [this](void (*action)(HostApplication&, Module&)) {
        return [this, action](IMenuItem*) {
            if (Module* module = modules_->Current()) action(*this, *module);
        };
    };

    MenuItem* file = menu.AddBar("&File", "FileMenu");
    file->Add("&New Unit", "FileNewItem", 0, [this](IMenuItem*) { NewFile(); });
    file->Add("&Open...", "FileOpenItem", Sc('O', ssCtrl), [this](IMenuItem*) { OpenWithDialog(); });
    file->Add("-", "FileN1");
    file->Add("&Save", "FileSaveItem", Sc('S', ssCtrl), withModule([](HostApplication& h, Module& m) { h.SaveFile(m); }));
    file->Add("Save &As...", "FileSaveAsItem", 0, withModule([](HostApplication& h, Module& m) {
                  const QString name = QFileDialog::getSaveFileName(h.window_.get(), QStringLiteral("Save As"),
                                                                    QString::fromStdString(m.FileName()),
                                                                    QStringLiteral("Pascal units (*.pas);;All files (*)"));
                  if (!name.isEmpty()) h.SaveFileAs(m, name.toStdString());
              }));
    file->Add("Save A&ll", "FileSaveAllItem", Sc('S', ssShift | ssCtrl), [this](IMenuItem*) {
        for (const auto& m : modules_->Modules())
            if (m->Modified() && !modules_->SaveModule(*m, false)) break;
    });
    file->Add("&Close", "FileCloseItem", Sc(VK_F1 + 3, ssCtrl), withModule([](HostApplication& h, Module& m) { h.CloseFile(m); }));
    file->Add("-", "FileN2");
    file->Add("E&xit", "FileExitItem", 0, [this](IMenuItem*) { Quit(); });
    if (!options_.interactive) file->Find("FileSaveAsItem")->Action()->setEnabled(false);

    MenuItem* edit = menu.AddBar("&Edit", "EditMenu");
    // The editor applies these keys itself; the menu only shows them.
    struct EditCommand {
        const char* caption;
        const char* name;
        QKeySequence::StandardKey key;
        void (QsciScintilla::*slot)();
    };
    const EditCommand commands[] = {{"&Undo", "EditUndoItem", QKeySequence::Undo, &QsciScintilla::undo},
                                    {"&Redo", "EditRedoItem", QKeySequence::Redo, &QsciScintilla::redo},
                                    {"Cu&t", "EditCutItem", QKeySequence::Cut, &QsciScintilla::cut},
                                    {"&Copy", "EditCopyItem", QKeySequence::Copy, &QsciScintilla::copy},
                                    {"&Paste", "EditPasteItem", QKeySequence::Paste, &QsciScintilla::paste},
                                    {"Select &All", "EditSelectAllItem", QKeySequence::SelectAll, nullptr}};
    for (const EditCommand& c : commands) {
        auto slot = c.slot;
        MenuItem* item = edit->Add(c.caption, c.name, 0, [this, slot](IMenuItem*) {
            Module* module = modules_->Current();
            if (!module || !module->Control()) return;
            EditScope scope(*notifications_);
            if (slot)
                (module->Control()->*slot)();
            else
                module->Control()->selectAll(true);
        });
        item->Action()->setShortcut(QKeySequence(c.key));
        item->Action()->setShortcutContext(Qt::WidgetShortcut);
        if (std::string(c.name) == "EditRedoItem") edit->Add("-", "EditN1");
    }

    MenuItem* search = menu.AddBar("&Search", "SearchMenu");
    search->Add("&Find...", "SearchFindItem", Sc('F', ssCtrl), [this](IMenuItem*) { FindWithDialog(); });
    search->Add("&Search Again", "SearchAgainItem", Sc(VK_F1 + 2), withModule([](HostApplication&, Module& m) {
                    if (!m.Buffer()) return;
                    IEditPosition& position = m.Buffer()->EditPosition();
                    if (!position.SearchOptions().SearchText.empty() && !position.SearchAgain())
                        MessageDlg("Information", "Search string '" + position.SearchOptions().SearchText + "' not found", MessageButtons::Ok);
                }));

    MenuItem* views = menu.AddBar("&View", "ViewsMenu");
    views->Add("Switch &Keyboard Layout", "ViewKeyboardLayoutItem", 0, [this](IMenuItem*) { SwitchKeyboardLayout(); });
    views->Add("&Next Window", "ViewNextWindowItem", 0, [this](IMenuItem*) {
        QTabWidget& tabs = window_->Tabs();
        if (tabs.count() > 1) tabs.setCurrentIndex((tabs.currentIndex() + 1) % tabs.count());
    });

    MenuItem* project = menu.AddBar("&Project", "ProjectMenu");
    project->Add("&Compile", "ProjectCompileItem", Sc(VK_F1 + 8, ssCtrl), [this](IMenuItem*) { modules_->Compile(); });

    MenuItem* run = menu.AddBar("&Run", "RunMenu");
    run->Add("&Run", "RunRunItem", 0, {}, mfVisible);  // nothing to run: there is no compiler behind the IDE

    MenuItem* component = menu.AddBar("&Component", "ComponentMenu");
    component->Add("Install &Packages...", "ComponentInstallPackagesItem", 0, [this](IMenuItem*) { ShowInstalledPackages(); });

    MenuItem* database = menu.AddBar("&Database", "DatabaseMenu");
    database->Add("&Explore", "DatabaseExploreItem", 0, {}, mfVisible);

    MenuItem* tools = menu.AddBar("&Tools", "ToolsMenu");
    tools->Add("&Editor Options...", "ToolsEditorOptionsItem", 0, [this](IMenuItem*) { ShowEditorOptions(); });
    tools->Add("&Record Keystrokes", "ToolsRecordItem", Sc('R', ssShift | ssCtrl), [this](IMenuItem*) { recorder_->ToggleRecording(); });
    tools->Add("&Play Keystrokes", "ToolsPlayItem", Sc('P', ssShift | ssCtrl), [this](IMenuItem*) { recorder_->ResumePlayback(); });
    tools->Add("-", "ToolsN1");
    tools->Add("&Configure Tools...", "ToolsConfigureItem", 0, {}, mfVisible);

    MenuItem* help = menu.AddBar("&Help", "HelpMenu");
    help->Add("&About...", "HelpAboutItem", 0, [](IMenuItem*) {
        MessageDlg("About", "Skrivo IDE: a Pascal source editor for the Skrivo typing assistant.", MessageButtons::Ok);
    });
}

}  // namespace skrivo::host
