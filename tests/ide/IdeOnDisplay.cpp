// The real skrivo-ide on an X display, driven through xdotool as a user's keyboard and mouse would.
#include "ide/IdeOnDisplay.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace skrivo::testing {

namespace {
pid_t windowManager = -1;

bool OnPath(const char* program) {
    int status = 0;
    Shell(std::string("command -v ") + program + " >/dev/null 2>&1", &status);
    return status == 0;
}

pid_t Spawn(const std::vector<std::string>& argv, const std::string& folder, const std::vector<std::string>& env) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    if (!folder.empty() && ::chdir(folder.c_str()) != 0) ::_exit(127);
    for (const std::string& setting : env) ::putenv(const_cast<char*>(setting.c_str()));
    // The IDE's output would only clutter the test's.
    if (FILE* null = std::fopen("/dev/null", "w")) ::dup2(::fileno(null), STDOUT_FILENO);
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    ::execvp(args[0], args.data());
    ::_exit(127);
}

bool Reap(pid_t pid, std::chrono::milliseconds limit) {
    return WaitUntil([pid] { return ::waitpid(pid, nullptr, WNOHANG) == pid; }, limit);
}

std::string MakeFolder(const char* stem) {
    std::string pattern = (std::filesystem::temp_directory_path() / (std::string(stem) + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}
}  // namespace

std::string Shell(const std::string& command, int* status) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        if (status) *status = -1;
        return out;
    }
    char buffer[512];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    const int rc = ::pclose(pipe);
    if (status) *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

bool Xdo(const std::string& args) {
    int status = 0;
    Shell("xdotool " + args + " 2>/dev/null", &status);
    return status == 0;
}

bool WaitUntil(const std::function<bool()>& ready, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!ready()) {
        if (std::chrono::steady_clock::now() >= end) return ready();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::string DisplayMissing() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return "no X display (run under xvfb-run)";
    if (!OnPath("xdotool")) return "xdotool is not installed";
    return {};
}

void StartWindowManager() {
    if (windowManager > 0 || !OnPath("openbox")) return;
    windowManager = Spawn({"openbox", "--sm-disable"}, {}, {});
    // It has taken the screen once it answers for the root window's active window.
    WaitUntil([] { return Xdo("get_desktop"); }, std::chrono::seconds(5));
}

void StopWindowManager() {
    if (windowManager <= 0) return;
    ::kill(windowManager, SIGTERM);
    Reap(windowManager, std::chrono::seconds(3));
    windowManager = -1;
}

IdeOnDisplay::IdeOnDisplay(std::vector<std::string> args, std::vector<std::string> env)
    : args_(std::move(args)), env_(std::move(env)), folder_(MakeFolder("skrivo-ide-display")), home_(folder_ + "/home") {
    std::filesystem::create_directory(home_);
}

IdeOnDisplay::~IdeOnDisplay() {
    Stop();
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

std::string IdeOnDisplay::Write(const std::string& name, const std::string& bytes) const {
    const std::string path = Path(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

bool IdeOnDisplay::Start() {
    std::vector<std::string> argv{SKRIVO_IDE_PATH};
    argv.insert(argv.end(), args_.begin(), args_.end());
    std::vector<std::string> env{"SKRIVO_HOME=" + home_, "SKRIVO_SOUND=null", "QT_QPA_PLATFORM=xcb"};
    env.insert(env.end(), env_.begin(), env_.end());
    pid_ = Spawn(argv, folder_, env);
    if (pid_ <= 0) return false;
    // A debug build starting beside a busy test run takes its time.
    const bool shown = WaitUntil([this] {
        const auto found = VisibleWindows("Skrivo IDE$");
        if (found.empty()) return false;
        window_ = found.front();
        return true;
    }, std::chrono::seconds(25));
    return shown && Activate();
}

void IdeOnDisplay::Stop() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGTERM);
    if (!Reap(pid_, std::chrono::seconds(5))) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
    }
    pid_ = -1;
}

bool IdeOnDisplay::Activate() const {
    if (window_.empty()) return false;
    // A window manager still taking the window over may drop the request:
    // ask again until the window has the keyboard. Without a window manager
    // there is nobody to ask: focus it directly.
    return WaitUntil([this] {
        Xdo((windowManager > 0 ? "windowactivate " : "windowfocus ") + window_);
        return WaitUntil([this] { return Focused("Skrivo IDE$"); }, std::chrono::milliseconds(700));
    }, std::chrono::seconds(15));
}

std::vector<std::string> IdeOnDisplay::VisibleWindows(const std::string& title) const {
    std::vector<std::string> ids;
    if (pid_ <= 0) return ids;
    std::istringstream found(
        Shell("xdotool search --all --onlyvisible --pid " + std::to_string(pid_) + " --name " + Quoted(title) + " 2>/dev/null"));
    for (std::string id; found >> id;) ids.push_back(id);
    return ids;
}

bool IdeOnDisplay::Focused(const std::string& title) const {
    std::string focused = Shell("xdotool getwindowfocus 2>/dev/null");
    while (!focused.empty() && (focused.back() == '\n' || focused.back() == ' ')) focused.pop_back();
    for (const std::string& id : VisibleWindows(title))
        if (id == focused) return true;
    return false;
}

bool IdeOnDisplay::WaitFocused(const std::string& title) const {
    return WaitUntil([&] { return Focused(title); });
}

std::string IdeOnDisplay::SaveAndRead(const std::string& name, const std::string& bytes) {
    Xdo("key ctrl+s");
    std::string content;
    WaitUntil([&] {
        content = ReadFile(Path(name));
        return content == bytes;
    }, std::chrono::seconds(5));
    return content;
}

}  // namespace skrivo::testing
