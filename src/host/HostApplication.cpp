// The stand-in IDE as a whole: starts Qt, the main window, the services, the pump and the clock, and ends them in order.
#include "host/compile/FreePascal.h"
#include "host/HostApplication.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QElapsedTimer>
#include <QThread>
#include <QWindow>

#include "host/editor/EditNotifications.h"
#include "host/editor/EditorControl.h"
#include "host/editor/Module.h"
#include "host/forms/Desktop.h"
#include "host/forms/EditWindow.h"
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
#include "host/time/Timers.h"
#include "platform/Clock.h"
#include "platform/Paths.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {

namespace {
using namespace win;

// Long enough for a window manager to map and place the main window.
constexpr int kMapWaitMs = 2000;

int gArgc = 1;
char gArgv0[] = "skrivo-host";
char* gArgv[] = {gArgv0, nullptr};

bool IsHeadlessPlatform() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

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
    void CharNotRepresentable(char32_t ch) override { host_.CharNotRepresentable(ch); }

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
            // Saving (also the expert's, through the tool services) ends "Modified" at once.
            QObject::connect(editor, &QsciScintillaBase::SCN_SAVEPOINTREACHED, context_.get(), [this] { UpdateStatus(); });
            QObject::connect(editor, &QsciScintillaBase::SCN_SAVEPOINTLEFT, context_.get(), [this] { UpdateStatus(); });
        }
        UpdateStatus();
    });
    QObject::connect(&window_->Messages(), &QListWidget::itemActivated, context_.get(),
                     [this](QListWidgetItem* item) { GoToMessage(window_->Messages().row(item)); });
    QObject::connect(window_.get(), &TEditWindow::CloseRequested, context_.get(), [this] { Quit(); });
    window_->move(20, 20);
    if (options_.showMainWindow) window_->show();
    onDisplay_ = !headless;
    // Under a window manager the window's place on the screen is known only
    // once it is mapped: whatever is placed against the editor before that
    // (the suggestion list) would stand off by the frame.
    if (onDisplay_ && options_.showMainWindow) WaitForWindowSystem(kMapWaitMs);
    UpdateStatus();
    SetHost(this);
}

HostApplication::~HostApplication() {
    // A compiler still running is stopped; nobody is left to hear of it.
    compile_.reset();
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

bool HostApplication::SaveFile(Module& module) {
    const bool saved = modules_->SaveModule(module, true);
    UpdateStatus();
    return saved;
}

bool HostApplication::SaveAll() {
    bool all = true;
    for (const auto& m : modules_->Modules())
        if (m->Modified() && !modules_->SaveModule(*m, false)) {
            all = false;
            break;
        }
    UpdateStatus();
    return all;
}

bool HostApplication::SaveFileAs(Module& module, const std::string& fileName) {
    const bool saved = modules_->SaveAs(module, fileName);
    UpdateStatus();
    return saved;
}

bool HostApplication::CloseFile(Module& module) {
    const bool closed = modules_->CloseModule(module);
    UpdateStatus();
    return closed;
}
Module* HostApplication::CurrentModule() { return modules_->Current(); }

void HostApplication::ProcessMessages() {
    pump_->DeliverPosted();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    pump_->DeliverPosted();
}

void HostApplication::WaitForWindowSystem(int maxMs) {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < maxMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QWindow* handle = window_->windowHandle();
        if (handle && handle->isExposed()) break;
        QThread::msleep(5);
    }
    // The window manager's placement follows the mapping.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

void HostApplication::AdvanceClock(std::uint64_t ms) {
    if (manual_) {
        // On a real display the window system's own events (placement,
        // exposure, painting) go on while scripted time stands still.
        if (onDisplay_) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
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
    ShowPlaybackProgress();
}

// A playback handles no window-system events until it ends, so a repeated
// macro of thousands of keys would leave the screen frozen on the text as it
// was; a few paints a second show it growing (and what Escape would stop),
// while a short playback paints nothing extra.
void HostApplication::ShowPlaybackProgress() {
    if (!onDisplay_ || !recorder_ || !recorder_->Playing()) {
        playbackPaintDue_ = {};
        return;
    }
    constexpr auto kPaintInterval = std::chrono::milliseconds(100);
    const auto now = std::chrono::steady_clock::now();
    if (playbackPaintDue_ == std::chrono::steady_clock::time_point{}) {
        playbackPaintDue_ = now + kPaintInterval;
    } else if (now >= playbackPaintDue_) {
        window_->repaint();
        playbackPaintDue_ = now + kPaintInterval;
    }
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

void HostApplication::Quit() { Close(options_.interactive); }

bool HostApplication::Close(bool askToSave) {
    if (!modules_->CloseAll(askToSave && options_.interactive)) return false;
    app_->Terminate();
    window_->hide();
    QCoreApplication::quit();
    return true;
}

void HostApplication::UpdateStatus() {
    if (!window_) return;
    Module* module = modules_ ? modules_->Current() : nullptr;
    QString title = QStringLiteral("Skrivo IDE");
    if (module && module->Source()) {
        const TEditPos pos = module->Source()->View().CursorPos();
        window_->SetCursorText(QStringLiteral("%1: %2").arg(pos.Line).arg(pos.Col));
        window_->SetModifiedText(module->Modified() ? QStringLiteral("Modified") : QString());
        title = QFileInfo(QString::fromStdString(module->FileName())).fileName() + (module->Modified() ? QStringLiteral(" * - ") : QStringLiteral(" - ")) + title;
    } else {
        window_->SetCursorText(QString());
        window_->SetModifiedText(QString());
    }
    if (window_->windowTitle() != title) window_->setWindowTitle(title);
    window_->SetLayoutText(QString::fromLatin1(LayoutShortName(GetKeyboardLayout())));
}

}  // namespace skrivo::host

namespace skrivo::host {

void HostApplication::CharNotRepresentable(char32_t ch) {
    windows_->MessageBeep();
    const QString shown = QString::fromUcs4(&ch, 1);
    const int codePage = GetACP() == CodePage::Cp1251 ? 1251 : 1252;
    window_->ShowStatusMessage(QStringLiteral("\u201C%1\u201D cannot be typed: code page %2 has no such character (start the IDE with --codepage %3)")
                                   .arg(shown)
                                   .arg(codePage)
                                   .arg(codePage == 1252 ? 1251 : 1252));
}

}  // namespace skrivo::host
