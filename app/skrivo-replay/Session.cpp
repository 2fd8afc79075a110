// The replay session: preparing the home, starting the host with Skrivo, and acting on it.
#include "Session.h"

#include <cstdlib>
#include <filesystem>

#include "CommandTable.h"
#include "ScriptLine.h"
#include "bridge/LineScan.h"
#include "expert/SkrivoPackage.h"
#include "host/HostApplication.h"
#include "host/editor/Module.h"
#include "host/text/LineBreaks.h"
#include "host/sound/SoundChoice.h"
#include "platform/FileIO.h"
#include "platform/KeyboardLayout.h"

namespace skrivo::replay {

namespace fs = std::filesystem;

namespace {
constexpr const char* kPackageName = "SkrivoPackage.bpl";
}  // namespace

struct Session::HostState {
    std::unique_ptr<host::HostApplication> app;
};

Session::Session(std::ostream& out) : out_(out) {}

Session::~Session() {
    // Skrivo unloads with the host, while the windows and modules it knows exist.
    host_.reset();
    if (ownsHome_) {
        std::error_code ec;
        fs::remove_all(home_, ec);
    }
}

void Session::SetHome(const std::string& folder) {
    if (Started()) throw ReplayError("home must come before the first command that starts the IDE");
    const std::string absolute = fs::absolute(folder).lexically_normal().string();
    if (!home_.empty() && home_ != absolute) throw ReplayError("home must come before the first command that uses the home");
    if (!ForceDirectories(absolute)) throw ReplayError("cannot create the home folder " + absolute);
    home_ = absolute;
}

const std::string& Session::Home() {
    if (home_.empty()) {
        std::string pattern = (fs::temp_directory_path() / "skrivo-replay-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw ReplayError("cannot create a temporary home folder");
        home_ = pattern;
        ownsHome_ = true;
    }
    return home_;
}

std::string Session::PathOf(const std::string& scriptPath) {
    if (scriptPath.empty()) throw ReplayError("a path must not be empty");
    if (fs::path(scriptPath).is_absolute()) return scriptPath;
    return (fs::path(Home()) / scriptPath).lexically_normal().string();
}

void Session::SetCodePage(win::CodePage codePage) {
    if (Started()) throw ReplayError("codepage must come before the first command that starts the IDE");
    codePage_ = codePage;
}

void Session::SetLayouts(const std::vector<win::HKL>& layouts) {
    if (Started()) throw ReplayError("layouts must come before the first command that starts the IDE");
    layouts_ = layouts;
}

void Session::SetEnv(const std::string& name, const std::string& value) {
    if (Started()) throw ReplayError("env must come before the first command that starts the IDE");
    if (name.empty() || name.find('=') != std::string::npos) throw ReplayError("not a variable name: " + QuoteScriptText(name));
    ::setenv(name.c_str(), value.c_str(), 1);
}

void Session::SetScreen(int width, int height) {
    if (Started()) throw ReplayError("screen must come before the first command that starts the IDE");
    screenWidth_ = width;
    screenHeight_ = height;
}

FileTime Session::Now() const {
    if (Started()) return SystemClock().Now();
    return clockUtc_;
}

void Session::Restart() {
    if (!Started()) throw ReplayError("restart: the IDE is not running");
    host_->app->Quit();
    clockMs_ = SystemClock().Milliseconds();
    clockUtc_ = SystemClock().Now();
    host_.reset();
}

std::string Session::ToAnsi(std::string_view utf8) const {
    bool lossy = false;
    std::string ansi = win::Utf8ToAnsi(utf8, codePage_, &lossy);
    if (lossy)
        throw ReplayError("the text " + QuoteScriptText(utf8) + " holds characters that code page " +
                          std::to_string(static_cast<unsigned>(codePage_)) + " cannot hold");
    return ansi;
}

std::string Session::ToUtf8(std::string_view ansi) const { return win::AnsiToUtf8(ansi, codePage_); }

void Session::Start() {
    if (Started()) return;
    ::setenv("SKRIVO_HOME", Home().c_str(), 1);
    host::HostOptions options;
    options.manualClock = true;
    options.manualStartMs = clockMs_;
    options.manualStartUtc = clockUtc_;
    if (screenWidth_ > 0) options.screenSize = QSize(screenWidth_, screenHeight_);
    options.codePage = codePage_;
    if (!layouts_.empty()) options.layouts = layouts_;
    options.showMainWindow = true;
    // Scenarios never sound through the speakers unless asked to.
    options.sound = host::CreateSoundDeviceFromEnvironment("null");
    options.interactive = false;
    auto state = std::make_unique<HostState>();
    state->app = std::make_unique<host::HostApplication>(std::move(options));
    if (!state->app->LoadPackage(kPackageName, &Register, &Unregister))
        throw ReplayError("Skrivo could not be loaded into the IDE");
    host_ = std::move(state);
    InstallDialogAnswerer(*this);
}

host::IHost& Session::Host() {
    Start();
    return *host_->app;
}

host::IModuleInterface& Session::FrontModule() {
    Start();
    host::Module* module = host_->app->CurrentModule();
    if (!module || module->Closed()) throw ReplayError("no module is open");
    return *module;
}

host::IEditorInterface& Session::FrontEditor() {
    host::IEditorInterface* editor = FrontModule().GetEditorInterface();
    if (!editor) throw ReplayError("the module in front has no editor");
    return *editor;
}

host::IEditView& Session::FrontView() {
    host::IEditorInterface& editor = FrontEditor();
    host::IEditView* view = editor.GetViewCount() > 0 ? editor.GetView(0) : nullptr;
    if (!view) throw ReplayError("the module in front has no view");
    return *view;
}

void Session::Open(const std::string& path) {
    Start();
    std::string error;
    if (!host_->app->OpenFile(path, &error)) throw ReplayError("cannot open " + path + ": " + error);
}

void Session::New(const std::string& path) {
    if (FileExists(path)) throw ReplayError("new: " + path + " exists already (use open)");
    const std::string folder = ExtractFilePath(path);
    if (!folder.empty() && !ForceDirectories(folder)) throw ReplayError("cannot create the folder " + folder);
    WriteFileAtomic(path, "");
    Open(path);
}

void Session::CloseFront() {
    auto& module = static_cast<host::Module&>(FrontModule());
    if (!host_->app->CloseFile(module)) throw ReplayError("the module in front could not be closed");
}

void Session::SaveFront() {
    auto& module = static_cast<host::Module&>(FrontModule());
    if (!host_->app->SaveFile(module)) throw ReplayError("the module in front could not be saved");
}

void Session::LoadFrontText(const std::string& ansi, std::size_t cursor) {
    auto& module = static_cast<host::Module&>(FrontModule());
    module.LoadAnsi(ansi);
    // Nothing was typed, so no modification is reported; the notifiers are
    // only told to read the text afresh (the expert ignores form saving).
    module.NotifyAll(host::ncFormSaving);
    host::IEditView& view = FrontView();
    // The editor shows the text with CR LF line breaks.
    const std::size_t before = cursor == std::string::npos ? 0 : cursor;
    const int linear = static_cast<int>(host::WithLineBreaks(std::string_view(ansi).substr(0, before), host::LineBreak::CrLf).size());
    host::TCharPos charPos = LineScan(host::WithLineBreaks(ansi, host::LineBreak::CrLf), linear);
    host::TEditPos editPos;
    view.ConvertPos(false, editPos, charPos);
    view.SetPos(0, editPos);
    host_->app->ProcessMessages();
}

void Session::TypeChar(char ansi) {
    Start();
    if (!host_->app->TypeChar(ansi))
        throw ReplayError("no key of the active layout types " + QuoteScriptText(ToUtf8(std::string(1, ansi))));
}

void Session::PressShortCut(win::TShortCut shortCut) {
    Start();
    host_->app->PressShortCut(shortCut);
}

namespace {
host::KeySide HostSide(KeySide side) { return side == KeySide::Right ? host::KeySide::Right : host::KeySide::Left; }
}  // namespace

void Session::KeyDown(win::WORD virtualKey, KeySide side) {
    Start();
    host_->app->KeyDown(virtualKey, HostSide(side));
}

void Session::KeyUp(win::WORD virtualKey, KeySide side) {
    Start();
    host_->app->KeyUp(virtualKey, HostSide(side));
}

void Session::SwitchLayout(win::HKL layout) {
    Start();
    if (!host_->app->SetKeyboardLayout(layout)) throw ReplayError("the layout is not installed (see layouts)");
}

void Session::Wait(unsigned ms) {
    Start();
    host_->app->AdvanceClock(ms);
}

void Session::MoveMouse(int x, int y) {
    Start();
    host_->app->MoveMouse(x, y);
}

void Session::Click(MouseClick kind) {
    Start();
    switch (kind) {
        case MouseClick::Left: host_->app->Click(host::MouseButton::Left); break;
        case MouseClick::Right: host_->app->Click(host::MouseButton::Right); break;
        case MouseClick::Double: host_->app->DoubleClick(host::MouseButton::Left); break;
    }
}

}  // namespace skrivo::replay
