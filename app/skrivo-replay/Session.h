// The replay session: the Skrivo home, the host and Skrivo (started at the first command that needs them).
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "host/api/Host.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/ShortCut.h"
#include "platform/WinTypes.h"

namespace skrivo::replay {

enum class MouseClick { Left, Right, Double };
enum class KeySide { Either, Left, Right };

class Session {
public:
    explicit Session(std::ostream& out);
    // Unloads Skrivo, stops the host and removes a home the session made.
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    std::ostream& Out() { return out_; }

    // Preparing the start; refused (ReplayError) once the host runs.
    void SetHome(const std::string& folder);
    void SetCodePage(win::CodePage codePage);
    void SetLayouts(const std::vector<win::HKL>& layouts);
    // An environment variable the IDE sees (USER, for example).
    void SetEnv(const std::string& name, const std::string& value);
    void SetScreen(int width, int height);
    // The home folder; a fresh temporary one unless a script named one.
    const std::string& Home();
    // A script path: absolute, or relative to the home.
    std::string PathOf(const std::string& scriptPath);
    win::CodePage CodePage() const { return codePage_; }

    // Texts: scripts are UTF-8, the host's text is in its code page. A
    // character the code page cannot hold is an error, never a silent '?'.
    std::string ToAnsi(std::string_view utf8) const;
    std::string ToUtf8(std::string_view ansi) const;

    // The running host (started, with Skrivo loaded, on first use).
    bool Started() const { return host_ != nullptr; }
    host::IHost& Host();
    // Closes the IDE as a user would (its modules, then Skrivo unloads and
    // saves what it keeps); the next command starts it again on the same
    // home, with the clock going on from where it stood.
    void Restart();
    // The script's clock: the host's while it runs, else where it starts.
    FileTime Now() const;

    // The result of the last "call" of a command that answers True or False.
    void SetLastResult(bool result) { lastResult_ = result; }
    std::optional<bool> LastResult() const { return lastResult_; }

    // The module in front and its first view; ReplayError when none.
    host::IModuleInterface& FrontModule();
    host::IEditorInterface& FrontEditor();
    host::IEditView& FrontView();

    // Operations through the host's own input and file handling.
    void Open(const std::string& path);
    void New(const std::string& path);
    void CloseFront();
    void SaveFront();
    // Replaces the front module's text as loading a file would: no typing,
    // no modification notification; cursor is a linear position (npos: start).
    void LoadFrontText(const std::string& ansi, std::size_t cursor);
    void TypeChar(char ansi);
    void PressShortCut(win::TShortCut shortCut);
    void KeyDown(win::WORD virtualKey, KeySide side);
    void KeyUp(win::WORD virtualKey, KeySide side);
    void SwitchLayout(win::HKL layout);
    void Wait(unsigned ms);
    void MoveMouse(int x, int y);
    void Click(MouseClick kind);

private:
    struct HostState;
    void Start();

    std::ostream& out_;
    std::string home_;
    bool ownsHome_ = false;
    win::CodePage codePage_ = win::CodePage::Cp1252;
    std::vector<win::HKL> layouts_;
    int screenWidth_ = 0, screenHeight_ = 0;  // 0: the host's default
    std::uint64_t clockMs_ = 1000;
    FileTime clockUtc_ = kManualClockStartUtc;
    std::optional<bool> lastResult_;
    std::unique_ptr<HostState> host_;
};

}  // namespace skrivo::replay
