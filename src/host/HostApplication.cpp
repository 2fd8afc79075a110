// The stand-in IDE as a whole: starts Qt, the main window, the services, the pump and the clock.
#include "host/HostApplication.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "host/editor/EditNotifications.h"
#include "host/editor/EditorControl.h"
#include "host/editor/Module.h"
#include "host/forms/Desktop.h"
#include "host/forms/EditWindow.h"
#include "host/forms/FindDialog.h"
#include "host/forms/MessageForm.h"
#include "host/input/MessagePump.h"
#include "host/input/QtInputFilter.h"
#include "host/input/Recorder.h"
#include "host/menu/MainMenu.h"
#include "host/packages/PackageLoader.h"
#include "host/services/ApplicationObject.h"
#include "host/services/EditorServicesImpl.h"
#include "host/services/ModuleManager.h"
#include "host/services/ScreenServices.h"
#include "host/services/WindowsServices.h"
#include "host/sound/NullSound.h"
#include "host/text/AnsiText.h"
#include "host/time/Timers.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/ShortCut.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {

namespace {
using namespace win;

int gArgc = 1;
char gArgv0[] = "skrivo-host";
char* gArgv[] = {gArgv0, nullptr};

bool IsHeadlessPlatform() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

TShortCut Sc(WORD key, TShiftState shift = 0) { return ShortCut(key, shift); }
}  // namespace

// The pump's view of the host.
class HostApplication::Client final : public PumpClient {
public:
    explicit Client(HostApplication& host) : host_(host) {}
    TMessageEvent MessageHook() override { return host_.app_ ? host_.app_->OnMessage() : TMessageEvent(); }
    TShortCutEvent ShortCutHook() override { return host_.app_ ? host_.app_->OnShortCut() : TShortCutEvent(); }
    bool HostShortCut(const TMsg& msg, QWidget* target) override { return host_.HostShortCut(msg, target); }
    void KeyPassed(const TMsg& msg) override {
        if (host_.recorder_) host_.recorder_->KeyPassed(msg);
        const bool up = msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP;
        if (up && host_.layoutSwitchArmed_ && (msg.wParam == VK_SHIFT || msg.wParam == VK_MENU)) {
            host_.layoutSwitchArmed_ = false;
            host_.SwitchKeyboardLayout();
        }
    }

private:
    HostApplication& host_;
};

HostApplication::HostApplication(HostOptions options) : options_(std::move(options)) {
    if (!qApp) ownedApp_ = std::make_unique<QApplication>(gArgc, gArgv);
    const bool headless = IsHeadlessPlatform();

    SetACP(options_.codePage);
    if (options_.layouts.empty() || !SetInstalledLayouts(options_.layouts)) SetInstalledLayouts({HKL_US});
    ActivateKeyboardLayout(InstalledLayouts().front());
    if (options_.manualClock) {
        manual_ = std::make_unique<ManualClock>(options_.manualStartMs, options_.manualStartUtc);
        SetSystemClock(manual_.get());
    }
    sound_ = options_.sound ? std::move(options_.sound) : std::make_unique<NullSoundDevice>();

    Desktop& desktop = Desktop::Instance();
    desktop.Reset();
    desktop.SetFollowNativeActivation(!headless);
    desktop.SetModalMayWait(!options_.manualClock);
    QSize screen = options_.screenSize;
    if (screen.isEmpty()) screen = headless || !QGuiApplication::primaryScreen() ? QSize(1280, 1024) : QGuiApplication::primaryScreen()->geometry().size();
    desktop.SetScreenSize(screen);
    KeyState::Current() = KeyState();

    context_ = std::make_unique<QObject>();
    notifications_ = std::make_unique<EditNotifications>();
    notifications_->SetDeferredFlushRequest([this] {
        QMetaObject::invokeMethod(context_.get(), [this] { notifications_->Flush(); }, Qt::QueuedConnection);
    });
    client_ = std::make_unique<Client>(*this);
    pump_ = std::make_unique<MessagePump>(*client_, *notifications_);
    if (!options_.manualClock) {
        pump_->SetPostedHook([this] {
            if (postScheduled_) return;
            postScheduled_ = true;
            QMetaObject::invokeMethod(context_.get(), [this] {
                postScheduled_ = false;
                pump_->DeliverPosted();
            }, Qt::QueuedConnection);
        });
    }
    app_ = std::make_unique<ApplicationObject>(*pump_, [this] { ProcessMessages(); }, AppPath() + "skrivo-ide");
    timers_ = std::make_unique<TimerScheduler>(manual_.get());
    window_ = std::make_unique<TEditWindow>();
    modules_ = std::make_unique<ModuleManager>(*window_, *notifications_, options_.interactive);
    modules_->SetSaveErrorHandler([](const std::string&) { MessageDlg("Error", "Can't save.", MessageButtons::Ok); });
    editorServices_ = std::make_unique<EditorServicesImpl>(*modules_);
    screen_ = std::make_unique<ScreenServices>();
    windows_ = std::make_unique<WindowsServices>(*sound_, manual_.get());
    recorder_ = std::make_unique<KeystrokeRecorder>(*pump_, [this] { AfterInput(); });
    packages_ = std::make_unique<PackageLoader>();
    filter_ = std::make_unique<QtInputFilter>(*pump_);
    qApp->installEventFilter(filter_.get());

    BuildMenus();
    QObject::connect(window_.get(), &TEditWindow::CurrentEditorChanged, context_.get(), [this](EditorControl* editor) {
        if (editor && !editor->property("skrivoStatusWatched").toBool()) {
            editor->setProperty("skrivoStatusWatched", true);
            QObject::connect(editor, &QsciScintilla::cursorPositionChanged, context_.get(), [this](int, int) { UpdateStatus(); });
        }
        UpdateStatus();
    });
    QObject::connect(window_.get(), &TEditWindow::CloseRequested, context_.get(), [this] { Quit(); });
    window_->move(20, 20);
    if (options_.showMainWindow) window_->show();
    UpdateStatus();
    SetHost(this);
}

HostApplication::~HostApplication() {
    // The expert first, while everything it knows still exists.
    packages_->UnloadAll();
    if (qApp) qApp->removeEventFilter(filter_.get());
    modules_->CloseAll(false);
    SetHost(nullptr);
    recorder_.reset();
    editorServices_.reset();
    modules_.reset();
    window_.reset();
    timers_.reset();
    filter_.reset();
    app_.reset();
    pump_.reset();
    client_.reset();
    notifications_.reset();
    context_.reset();
    Desktop::Instance().Reset();
    KeyState::Current() = KeyState();
    SetSystemClock(nullptr);
    SetACP(CodePage::Cp1252);
    SetInstalledLayouts({HKL_US});
    windows_.reset();
    sound_.reset();
}

IApplication& HostApplication::Application() { return *app_; }
IScreen& HostApplication::Screen() { return *screen_; }
IWindows& HostApplication::Windows() { return *windows_; }
IToolServices& HostApplication::ToolServices() { return *modules_; }
IEditorServices* HostApplication::EditorServices() { return editorServices_.get(); }
IKeyboardServices* HostApplication::KeyboardServices() { return recorder_.get(); }
std::unique_ptr<ITimer> HostApplication::CreateTimer() { return timers_->CreateTimer(); }
void HostApplication::RegisterLibraryExpert(IExpert* expert) { packages_->RegisterExpert(expert); }

Module* HostApplication::OpenFile(const std::string& fileName, std::string* error) {
    Module* module = modules_->Open(fileName, error);
    UpdateStatus();
    return module;
}

Module* HostApplication::NewFile() {
    Module* module = modules_->New();
    UpdateStatus();
    return module;
}

bool HostApplication::SaveFile(Module& module) { return modules_->SaveModule(module, true); }
bool HostApplication::SaveFileAs(Module& module, const std::string& fileName) { return modules_->SaveAs(module, fileName); }
bool HostApplication::CloseFile(Module& module) { return modules_->CloseModule(module); }
Module* HostApplication::CurrentModule() { return modules_->Current(); }

void HostApplication::ProcessMessages() {
    pump_->DeliverPosted();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    pump_->DeliverPosted();
}

void HostApplication::AdvanceClock(std::uint64_t ms) {
    if (manual_) {
        timers_->Advance(ms, [this] { pump_->DeliverPosted(); });
        QCoreApplication::sendPostedEvents();
        pump_->DeliverPosted();
        UpdateStatus();
        return;
    }
    const std::uint64_t until = SystemClock().Milliseconds() + ms;
    while (SystemClock().Milliseconds() < until) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
}

void HostApplication::AfterInput() {
    pump_->DeliverPosted();
    UpdateStatus();
}

void HostApplication::KeyDown(WORD vk, KeySide side) {
    pump_->KeyDown(vk, side);
    AfterInput();
}

void HostApplication::KeyUp(WORD vk, KeySide side) {
    pump_->KeyUp(vk, side);
    AfterInput();
}

void HostApplication::PressKey(WORD vk, KeySide side) {
    KeyDown(vk, side);
    KeyUp(vk, side);
}

void HostApplication::PressShortCut(TShortCut shortCut) {
    WORD key = 0;
    TShiftState shift = 0;
    ShortCutToKey(shortCut, key, shift);
    if (shift & ssShift) KeyDown(VK_SHIFT);
    if (shift & ssCtrl) KeyDown(VK_CONTROL);
    if (shift & ssAlt) KeyDown(VK_MENU);
    PressKey(key);
    if (shift & ssAlt) KeyUp(VK_MENU);
    if (shift & ssCtrl) KeyUp(VK_CONTROL);
    if (shift & ssShift) KeyUp(VK_SHIFT);
}

bool HostApplication::TypeChar(char ch) {
    switch (ch) {
    case '\r': case '\n': PressKey(VK_RETURN); return true;
    case '\t': PressKey(VK_TAB); return true;
    case '\b': PressKey(VK_BACK); return true;
    default: break;
    }
    const std::int16_t scan = VkKeyScanEx(ch, GetKeyboardLayout());
    if (scan == -1) return false;
    const auto key = static_cast<WORD>(scan & 0xFF);
    const int mods = (scan >> 8) & 0xFF;
    if (mods & 1) KeyDown(VK_SHIFT);
    if (mods & 2) KeyDown(VK_CONTROL);
    if (mods & 4) KeyDown(VK_MENU);
    PressKey(key);
    if (mods & 4) KeyUp(VK_MENU);
    if (mods & 2) KeyUp(VK_CONTROL);
    if (mods & 1) KeyUp(VK_SHIFT);
    return true;
}

bool HostApplication::TypeText(std::string_view text) {
    bool all = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && i > 0 && text[i - 1] == '\r') continue;  // CR LF is one Enter
        all = TypeChar(text[i]) && all;
    }
    return all;
}

void HostApplication::MoveMouse(int x, int y) {
    pump_->MouseMessage(WM_MOUSEMOVE, {x, y});
    AfterInput();
}

void HostApplication::Click(MouseButton button) {
    const TPoint at = Desktop::Instance().CursorPos();
    const UINT down = button == MouseButton::Right ? WM_RBUTTONDOWN : button == MouseButton::Middle ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    pump_->MouseMessage(down, at);
    AfterInput();
    pump_->MouseMessage(down + 1, at);
    AfterInput();
}

void HostApplication::DoubleClick(MouseButton button) {
    Click(button);
    const TPoint at = Desktop::Instance().CursorPos();
    const UINT down = button == MouseButton::Right ? WM_RBUTTONDOWN : button == MouseButton::Middle ? WM_MBUTTONDOWN : WM_LBUTTONDOWN;
    pump_->MouseMessage(down + 2, at);
    AfterInput();
    pump_->MouseMessage(down + 1, at);
    AfterInput();
}

void HostApplication::MouseWheel(int delta) {
    pump_->MouseMessage(WM_MOUSEWHEEL, Desktop::Instance().CursorPos(), delta);
    AfterInput();
}

void HostApplication::SwitchKeyboardLayout() {
    ActivateNextKeyboardLayout();
    UpdateStatus();
}

bool HostApplication::SetKeyboardLayout(HKL layout) {
    if (ActivateKeyboardLayout(layout) == 0) return false;
    UpdateStatus();
    return true;
}

void HostApplication::SetModalAnswerer(std::function<void(TForm&)> answerer) { Desktop::Instance().SetModalAnswerer(std::move(answerer)); }

bool HostApplication::LoadPackage(const std::string& name, std::function<void()> reg, std::function<void()> unreg) {
    return packages_->Load(name, std::move(reg), std::move(unreg));
}

bool HostApplication::UnloadPackage(const std::string& name) { return packages_->Unload(name); }

int HostApplication::Run() {
    if (!window_->isVisible()) window_->show();
    return QApplication::exec();
}

void HostApplication::Quit() {
    if (!modules_->CloseAll(options_.interactive)) return;
    app_->Terminate();
    window_->hide();
    QCoreApplication::quit();
}

void HostApplication::UpdateStatus() {
    if (!window_) return;
    Module* module = modules_ ? modules_->Current() : nullptr;
    if (module && module->Source()) {
        const TEditPos pos = module->Source()->View().CursorPos();
        window_->SetCursorText(QStringLiteral("%1: %2").arg(pos.Line).arg(pos.Col));
        window_->SetModifiedText(module->Modified() ? QStringLiteral("Modified") : QString());
    } else {
        window_->SetCursorText(QString());
        window_->SetModifiedText(QString());
    }
    window_->SetLayoutText(QString::fromLatin1(LayoutShortName(GetKeyboardLayout())));
}

bool HostApplication::HostShortCut(const TMsg& msg, QWidget* target) {
    const auto vk = static_cast<WORD>(msg.wParam);
    const KeyState& keys = KeyState::Current();
    const bool repeat = (msg.lParam >> 30) & 1;
    // Alt+Shift switches the layout when the second of the two is released
    // with no other key between, as Windows does; Alt+Shift+arrow stays a
    // selection key.
    const bool altShift = (vk == VK_SHIFT && keys.Pressed(VK_MENU)) || (vk == VK_MENU && keys.Pressed(VK_SHIFT));
    if (!repeat) layoutSwitchArmed_ = altShift && !keys.Pressed(VK_CONTROL);
    // The main window's keys work only while it has the keyboard.
    if (!target || target->window() != window_.get()) return false;
    if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU) return false;
    const TShiftState shift = keys.Shift();
    if (shift == ssAlt && Desktop::Instance().FollowNativeActivation() && vk >= 'A' && vk <= 'Z' &&
        window_->Menu().OpenBarByMnemonic(static_cast<char>(vk)))
        return true;
    if (MenuItem* item = window_->Menu().FindByShortCut(ShortCut(vk, shift))) {
        item->Click();
        return true;
    }
    Module* module = modules_->Current();
    if (module && module->Source() && vk >= '0' && vk <= '9') {
        EditView& view = module->Source()->View();
        const int id = vk - '0';
        if (shift == (ssShift | ssCtrl)) {
            // The same bookmark on the cursor's line again clears it.
            if (view.GetBookmarkPos(id).Line == view.CursorPos().Line)
                view.ClearBookmark(id);
            else
                view.BookmarkRecord(id);
            return true;
        }
        if (shift == ssCtrl) {
            view.GotoBookmark(id);
            module->Source()->Block().AcceptEditorSelection();
            return true;
        }
    }
    if (vk == VK_TAB && (shift & ssCtrl) && !(shift & ssAlt)) {
        QTabWidget& tabs = window_->Tabs();
        const int count = tabs.count();
        if (count > 1) tabs.setCurrentIndex((tabs.currentIndex() + ((shift & ssShift) ? count - 1 : 1)) % count);
        return true;
    }
    return false;
}

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
    TForm form("TEditorOptionsDialog", "EditorOptionsDialog");
    form.SetCaption("Editor Options");
    auto* layout = new QVBoxLayout(&form);
    auto* autoIndent = new QCheckBox(QStringLiteral("&Auto indent mode"), &form);
    TForm::SetControlClass(autoIndent, "cbAutoIndent");
    autoIndent->setChecked(editor.autoIndent());
    layout->addWidget(autoIndent);
    auto* row = new QHBoxLayout;
    auto* tabLabel = new QLabel(QStringLiteral("&Tab stops:"), &form);
    auto* tabWidth = new QSpinBox(&form);
    TForm::SetControlClass(tabWidth, "seTabWidth");
    tabWidth->setRange(1, 32);
    tabWidth->setValue(editor.tabWidth());
    tabLabel->setBuddy(tabWidth);
    row->addWidget(tabLabel);
    row->addWidget(tabWidth);
    layout->addLayout(row);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), &form);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), &form);
    TForm::SetControlClass(ok, "btnOK");
    TForm::SetControlClass(cancel, "btnCancel");
    form.SetButtonModalResult(ok, mrOk);
    form.SetButtonModalResult(cancel, mrCancel);
    ok->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    if (form.ShowModal() != mrOk) return;
    for (const auto& m : modules_->Modules()) {
        if (!m->Control()) continue;
        m->Control()->setAutoIndent(autoIndent->isChecked());
        m->Control()->setTabWidth(tabWidth->value());
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
