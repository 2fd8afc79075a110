// A host for tests: offscreen, on a manual clock, with a fresh home and a temporary folder for files.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "host/HostApplication.h"
#include "host/editor/Module.h"
#include "host/sound/NullSound.h"

namespace skrivo::host::testing {

// A fresh folder under the system's temporary folder, removed with its
// contents at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    // Writes bytes to a file in the folder and returns its path.
    std::string Write(const std::string& name, std::string_view bytes) const;
    std::string Read(const std::string& name) const;

private:
    std::string path_;
};

// Makes sure a QApplication exists (offscreen unless QT_QPA_PLATFORM says
// otherwise); it lives until the test program ends.
void EnsureQtApplication();

// The host of one test. Sets SKRIVO_HOME to a fresh folder for its lifetime.
//
//   OffscreenHost h;                       // US layout, code page 1252
//   h.OpenText("Unit1.pas", "begin|\r\nend.");   // "|" marks the cursor
//   h.Type("x");
//   EXPECT_EQ(h.TextWithCursor(), "beginx|\r\nend.");
//   h.Advance(250);                        // fires due timers
class OffscreenHost {
public:
    static HostOptions DefaultOptions();
    explicit OffscreenHost(HostOptions options = DefaultOptions());
    ~OffscreenHost();
    OffscreenHost(const OffscreenHost&) = delete;
    OffscreenHost& operator=(const OffscreenHost&) = delete;

    HostApplication& Host() { return *host_; }
    HostApplication* operator->() { return host_.get(); }
    TempDir& Temp() { return temp_; }
    const std::string& Home() const { return home_; }
    // The sound device when the default (recording) one is in use.
    NullSoundDevice* Sound();

    // Writes the text (ANSI; a "|" marks the cursor and is not written) to a
    // file in the temporary folder, opens it and places the cursor.
    Module& OpenText(const std::string& name, std::string_view textWithCursor);
    Module& Current();

    // The text of the module in front as ANSI, and with "|" at the cursor.
    std::string Text();
    std::string TextWithCursor();
    int CursorPosition();
    void SetCursorPosition(int linear);

    void Type(std::string_view text) { host_->TypeText(text); }
    void Press(win::WORD vk) { host_->PressKey(vk); }
    void PressShortCut(win::TShortCut shortCut) { host_->PressShortCut(shortCut); }
    void Advance(std::uint64_t ms) { host_->AdvanceClock(ms); }

private:
    TempDir temp_;
    std::string home_;
    std::string oldHome_;
    bool hadHome_ = false;
    std::unique_ptr<HostApplication> host_;
};

}  // namespace skrivo::host::testing
