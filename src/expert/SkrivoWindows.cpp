// TSkrivoExpert: questions about the IDE's windows: the file in front, the editor, the code-insight list.
#include "bridge/Diagnostics.h"
#include "expert/SkrivoExpert.h"
#include "host/api/Host.h"
#include "platform/StringList.h"

namespace skrivo {

namespace {
// Window titles and class names are read with buffers of this size.
constexpr int kTitleBuffer = 100;
}  // namespace

std::string TSkrivoExpert::EditingFile() {
    host::IHost* host = host::Host();
    return host ? host->ToolServices().GetCurrentFile() : std::string();
}

bool TSkrivoExpert::IsEditorForeground() {
    host::IHost* host = host::Host();
    if (!host) return false;
    // Asked several times a key: one look-up of the window in front, not a
    // walk over every form.
    host::IForm* form = host->Screen().FindForm(host->Windows().GetForegroundWindow());
    return form && form->ClassName() == "TEditWindow";
}

bool TSkrivoExpert::KibitzWindowVisible() {
    host::IHost* host = host::Host();
    if (!host) return false;
    host::IWindows& windows = host->Windows();
    // The first pass only serves the log: each visible title once.
    if constexpr (kKeepDiagnostics) {
        windows.EnumWindows([&](win::HWND hwnd) {
            if (!windows.IsWindowVisible(hwnd)) return true;
            const std::string title = windows.GetWindowText(hwnd, kTitleBuffer);
            if (FWindowTitles && FWindowTitles->IndexOf(title) < 0) {
                FWindowTitles->Add(title);
                Rpt("Foreground window = <", title, ">");
            }
            return true;
        });
    }
    FKibitzFound = false;
    windows.EnumWindows([&](win::HWND hwnd) {
        if (!windows.IsWindowVisible(hwnd)) return true;
        const std::string title = windows.GetWindowText(hwnd, kTitleBuffer);
        if (title == "KibitzWindow" ||
            (title == "CodeTemplateListBox" && windows.GetClassName(hwnd, kTitleBuffer) == "TCodeTemplateBox")) {
            FKibitzFound = true;
            return false;
        }
        return true;
    });
    return FKibitzFound;
}

}  // namespace skrivo
