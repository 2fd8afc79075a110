// The real skrivo-ide on an X display, driven through xdotool as a user's keyboard and mouse would.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace skrivo::testing {

// Runs a shell command; its standard output, and its exit status in *status.
std::string Shell(const std::string& command, int* status = nullptr);

// xdotool with these arguments; false when it failed.
bool Xdo(const std::string& args);

// Polls until ready() holds or the time is up; the last answer.
bool WaitUntil(const std::function<bool()>& ready, std::chrono::milliseconds limit = std::chrono::seconds(8));

std::string ReadFile(const std::string& path);

// Why these tests cannot run here (no display, no xdotool), or empty.
std::string DisplayMissing();

// A window manager for the whole program when one is installed: focus,
// activation and moving then go through it as on a desktop.
void StartWindowManager();
void StopWindowManager();

// One skrivo-ide process in its own folder with a fresh Skrivo home.
class IdeOnDisplay {
public:
    explicit IdeOnDisplay(std::vector<std::string> args = {}, std::vector<std::string> env = {});
    ~IdeOnDisplay();
    IdeOnDisplay(const IdeOnDisplay&) = delete;
    IdeOnDisplay& operator=(const IdeOnDisplay&) = delete;

    // Writes a file into the IDE's folder before Start (text as given, bytes).
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string Path(const std::string& name) const { return folder_ + "/" + name; }
    const std::string& Home() const { return home_; }

    // Starts the IDE and waits for its main window to be shown and in front.
    bool Start();
    // SIGTERM closes it as File > Exit does (its close-time saves run).
    void Stop();

    const std::string& MainWindow() const { return window_; }
    // Gives the main window the keyboard again.
    bool Activate() const;
    // The visible top-level windows of this IDE whose title matches the regular expression.
    std::vector<std::string> VisibleWindows(const std::string& title) const;
    bool Shows(const std::string& title) const { return !VisibleWindows(title).empty(); }
    // Waits for a window with this title to have the keyboard: keys sent
    // before would go to the window that had it.
    bool WaitFocused(const std::string& title) const;
    bool Focused(const std::string& title) const;

    // Ctrl+S, then waits for the unit's file to hold `bytes`; the last content read.
    std::string SaveAndRead(const std::string& name, const std::string& bytes);

private:
    std::vector<std::string> args_;
    std::vector<std::string> env_;
    std::string folder_;
    std::string home_;
    std::string window_;
    pid_t pid_ = -1;
};

}  // namespace skrivo::testing
