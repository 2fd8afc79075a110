// A host for tests: offscreen, on a manual clock, with a fresh home and a temporary folder for files.
#include "host/testing/OffscreenHost.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include <QApplication>

#include "host/editor/EditorControl.h"
#include "platform/FileIO.h"

namespace skrivo::host::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::string pattern = (fs::temp_directory_path() / "skrivo-host-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    // Folders a test made read-only must be writable again to be removed.
    for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(path_, ec);
}

std::string TempDir::Write(const std::string& name, std::string_view bytes) const {
    const std::string path = File(name);
    fs::create_directories(fs::path(path).parent_path());
    WriteFileAtomic(path, bytes);
    return path;
}

std::string TempDir::Read(const std::string& name) const { return ReadFileBytes(File(name)); }

void EnsureQtApplication() {
    static int argc = 1;
    static char name[] = "skrivo-host-test";
    static char* argv[] = {name, nullptr};
    if (qApp) return;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Never destroyed: at exit Qt's own globals are gone before any static
    // of ours could destroy it, and the process ends anyway.
    static QApplication* app = new QApplication(argc, argv);
    (void)app;
}

HostOptions OffscreenHost::DefaultOptions() {
    HostOptions options;
    options.manualClock = true;
    options.showMainWindow = true;
    options.interactive = false;
    return options;
}

OffscreenHost::OffscreenHost(HostOptions options) {
    EnsureQtApplication();
    home_ = temp_.Path() + "/home";
    fs::create_directories(home_);
    if (const char* old = std::getenv("SKRIVO_HOME")) {
        hadHome_ = true;
        oldHome_ = old;
    }
    ::setenv("SKRIVO_HOME", home_.c_str(), 1);
    host_ = std::make_unique<HostApplication>(std::move(options));
}

OffscreenHost::~OffscreenHost() {
    host_.reset();
    if (hadHome_)
        ::setenv("SKRIVO_HOME", oldHome_.c_str(), 1);
    else
        ::unsetenv("SKRIVO_HOME");
}

NullSoundDevice* OffscreenHost::Sound() { return dynamic_cast<NullSoundDevice*>(&host_->Sound()); }

Module& OffscreenHost::OpenText(const std::string& name, std::string_view textWithCursor) {
    std::string text(textWithCursor);
    const auto bar = text.find('|');
    if (bar != std::string::npos) text.erase(bar, 1);
    const std::string path = temp_.Write(name, text);
    std::string error;
    Module* module = host_->OpenFile(path, &error);
    if (!module) throw std::runtime_error("cannot open " + path + ": " + error);
    SetCursorPosition(bar == std::string::npos ? 0 : static_cast<int>(bar));
    return *module;
}

Module& OffscreenHost::Current() {
    Module* module = host_->CurrentModule();
    if (!module) throw std::runtime_error("no module is open");
    return *module;
}

std::string OffscreenHost::Text() {
    EditorControl* editor = Current().Control();
    return editor->Index().ReadAnsi(0, editor->Index().Length());
}

int OffscreenHost::CursorPosition() { return Current().Control()->CaretLinear(); }

void OffscreenHost::SetCursorPosition(int linear) {
    EditorControl* editor = Current().Control();
    editor->PlaceCaret(editor->Index().ByteOf(linear), 0);
    Current().Source()->Block().AcceptEditorSelection();
}

std::string OffscreenHost::TextWithCursor() {
    std::string text = Text();
    text.insert(static_cast<std::size_t>(CursorPosition()), "|");
    return text;
}

}  // namespace skrivo::host::testing
