// The stand-in IDE as a whole: starts Qt, the main window, the services, the pump and the clock; one per process.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QSize>

#include "host/api/Host.h"
#include "host/input/KeyState.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/KeyboardLayout.h"

class QApplication;
class QObject;
class QWidget;

namespace skrivo {
class ManualClock;
}

namespace skrivo::host {

class ApplicationObject;
class EditNotifications;
class EditorServicesImpl;
class FreePascalJob;
class KeystrokeRecorder;
class MessagePump;
class Module;
class ModuleManager;
class PackageLoader;
class QtInputFilter;
class ScreenServices;
class TEditWindow;
class TForm;
class TimerScheduler;
class WindowsServices;

struct HostOptions {
    // Tests and the headless runner: time stands still until AdvanceClock.
    bool manualClock = false;
    std::uint64_t manualStartMs = 1000;
    // The manual clock's UTC time at manualStartMs (default 2026-01-01).
    FileTime manualStartUtc = kManualClockStartUtc;
    win::CodePage codePage = win::CodePage::Cp1252;
    // The installed keyboard layouts, the first one active.
    std::vector<win::HKL> layouts{win::HKL_US};
    bool showMainWindow = true;
    // Ask the user (file dialogs, "save changes?"): the IDE program. Tests
    // and the runner leave it off.
    bool interactive = false;
    // Screen size; empty: the real screen, or 1280 x 1024 without a display.
    QSize screenSize;
    // The sound device; empty: a device that only records requests.
    std::unique_ptr<ISoundDevice> sound;
};

enum class MouseButton { Left, Right, Middle };

// While alive it is the running host (Host()). It sets the process-wide
// code page, keyboard layouts and clock, and puts them back when it ends.
// Shutdown order: packages unload first (the expert goes while the windows
// and modules it knows still exist), then the modules close, then the
// windows go.
class HostApplication final : public IHost {
public:
    explicit HostApplication(HostOptions options = {});
    ~HostApplication() override;
    HostApplication(const HostApplication&) = delete;
    HostApplication& operator=(const HostApplication&) = delete;

    // IHost
    IApplication& Application() override;
    IScreen& Screen() override;
    IWindows& Windows() override;
    IToolServices& ToolServices() override;
    IEditorServices* EditorServices() override;
    IKeyboardServices* KeyboardServices() override;
    ISoundDevice& Sound() override { return *sound_; }
    std::unique_ptr<ITimer> CreateTimer() override;
    void RegisterLibraryExpert(IExpert* expert) override;

    // Files. Open brings an open file to the front; nullptr when the file
    // cannot be read (error says why).
    Module* OpenFile(const std::string& fileName, std::string* error = nullptr);
    Module* NewFile();
    bool SaveFile(Module& module);
    bool SaveFileAs(Module& module, const std::string& fileName);
    // Saves every modified module; stops at the first that fails.
    bool SaveAll();
    bool CloseFile(Module& module);
    Module* CurrentModule();
    ModuleManager& Modules() { return *modules_; }
    TEditWindow& MainWindow() { return *window_; }

    // Project > Compile: the unit in front through Free Pascal, in the
    // background; the messages pane says so at once and shows the compiler's
    // messages when it is done. True when a compile started (false without a
    // unit or a compiler, when an add-in cancelled or while one runs).
    // GoToMessage puts the cursor where a message row points.
    bool CompileCurrent();
    bool Compiling() const;
    void GoToMessage(int row);

    // Time. On a manual clock: moves time on, firing due timers in order and
    // delivering what they post. On the real clock: processes events for ms.
    void AdvanceClock(std::uint64_t ms);
    ManualClock* ManualClockOrNull() { return manual_.get(); }
    // Delivers posted messages and Qt's pending events (no timers on a
    // manual clock).
    void ProcessMessages();

    // Input through the same message pump as a real keyboard and mouse; each
    // call ends with the posted messages delivered.
    void KeyDown(win::WORD vk, KeySide side = KeySide::Left);
    void KeyUp(win::WORD vk, KeySide side = KeySide::Left);
    void PressKey(win::WORD vk, KeySide side = KeySide::Left);
    // Modifiers of the shortcut down (left keys), the key down and up, the
    // modifiers up.
    void PressShortCut(win::TShortCut shortCut);
    // Types one ANSI character with the key of the active layout that makes
    // it, holding Shift (and Ctrl/Alt) as that key needs. CR, LF, tab and
    // backspace press their keys. False (nothing typed) when no key types it.
    bool TypeChar(char ch);
    bool TypeText(std::string_view text);
    void MoveMouse(int x, int y);
    void Click(MouseButton button = MouseButton::Left);
    void DoubleClick(MouseButton button = MouseButton::Left);
    void MouseWheel(int delta);

    // The next installed layout becomes active (Alt+Shift and the menu).
    void SwitchKeyboardLayout();
    // An installed layout becomes active; false when it is not installed.
    bool SetKeyboardLayout(win::HKL layout);

    // Called with every modal form once it is visible (see TForm::ShowModal).
    void SetModalAnswerer(std::function<void(TForm&)> answerer);

    // Packages: register runs now; unregister when the package unloads or
    // the host ends.
    bool LoadPackage(const std::string& name, std::function<void()> reg, std::function<void()> unreg);
    bool UnloadPackage(const std::string& name);
    PackageLoader& Packages() { return *packages_; }

    // The IDE program: runs Qt's event loop until the IDE is closed.
    int Run();
    // Ends the IDE (the application is then Terminated).
    void Quit();
    // The same close, asking about unsaved units only when askToSave;
    // false when the user cancelled it.
    bool Close(bool askToSave);

    WindowsServices& WindowsImpl() { return *windows_; }
    KeystrokeRecorder& Recorder() { return *recorder_; }
    MessagePump& Pump() { return *pump_; }

private:
    class Client;
    void BuildMenus();
    void UpdateStatus();
    void AfterInput();
    void ShowPlaybackProgress();
    void CharNotRepresentable(char32_t ch);
    // Runs Qt's events until the main window is on the screen (at most maxMs).
    void WaitForWindowSystem(int maxMs);
    bool HostShortCut(const win::TMsg& msg, QWidget* target);
    void ShowEditorOptions();
    void FindWithDialog();
    void ShowInstalledPackages();
    void OpenWithDialog();
    void ShowCompilerMessages(const std::vector<std::string>& lines);

    HostOptions options_;
    std::unique_ptr<QApplication> ownedApp_;
    std::unique_ptr<ManualClock> manual_;
    std::unique_ptr<ISoundDevice> sound_;
    std::unique_ptr<QObject> context_;
    std::unique_ptr<EditNotifications> notifications_;
    std::unique_ptr<Client> client_;
    std::unique_ptr<MessagePump> pump_;
    std::unique_ptr<ApplicationObject> app_;
    std::unique_ptr<TimerScheduler> timers_;
    std::unique_ptr<TEditWindow> window_;
    std::unique_ptr<ModuleManager> modules_;
    std::unique_ptr<EditorServicesImpl> editorServices_;
    std::unique_ptr<ScreenServices> screen_;
    std::unique_ptr<WindowsServices> windows_;
    std::unique_ptr<KeystrokeRecorder> recorder_;
    std::unique_ptr<PackageLoader> packages_;
    std::unique_ptr<QtInputFilter> filter_;
    std::unique_ptr<FreePascalJob> compile_;
    bool postScheduled_ = false;
    bool onDisplay_ = false;
    bool layoutSwitchArmed_ = false;
    std::chrono::steady_clock::time_point playbackPaintDue_{};  // none while no playback runs
};

}  // namespace skrivo::host
