// TQvNotifier: one per open module; reads its text, converts positions and edits its buffer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "host/api/Editor.h"
#include "platform/StringList.h"

namespace skrivo {

class TQvAddIn;

// Neutral results of the position operations when the module has no editor
// or no view.
inline constexpr int kUnknownPosition = -1;

class TQvNotifier final : public host::IModuleNotifier {
public:
    // Registers with the module and tells the expert (NotifierCreated). The
    // caller appends the new notifier to the add-in's list.
    TQvNotifier(host::IModuleInterface* module, TQvAddIn* addIn);
    ~TQvNotifier() override;
    TQvNotifier(const TQvNotifier&) = delete;
    TQvNotifier& operator=(const TQvNotifier&) = delete;

    // Reading (the module's own editor). GetSource keeps what it read until
    // the text changes; ReadSource reads it afresh and keeps nothing.
    const std::string& GetSource();
    std::string ReadSource() const;
    bool HoldsSource() const { return !FSource.empty(); }
    const std::string& GetTokens();
    static std::string RemoveComments(std::string_view text);
    std::string ReadChars(int pos, int count);
    std::string CurrentLine(bool before, bool after);
    bool AtEOL();
    void GetUnitFileName();
    std::string UnitName() const;

    // Positions (the first view of the module's editor).
    int GetPosition();
    host::TEditPos GetEditPos();
    void SetEditPos(host::TEditPos pos);
    void SetPosition(int pos);
    int CharPos2Position(host::TCharPos pos);
    int EditPos2Position(host::TEditPos pos);
    host::TEditPos Pos2EditPosition(int pos);
    host::TEditPos Pos2EditPosEx(int pos, int line);
    // A cursor standing in the empty columns past the end of its line goes to
    // that end; true when it moved. The linear position stays the same.
    bool LeaveVirtualSpace();

    // Editing. InsertText, MoveCursor, Paint and the direct branch of Replace
    // act on the editor in front.
    bool Replace(int pos, int count, std::string_view text);
    bool RemoveChars(int pos, int count);
    bool InsertText(std::string_view text);
    void MoveCursor(int delta);
    static void Paint();

    // From the host.
    void Notify(host::TNotifyCode code) override;
    void ComponentRenamed(void* component, const std::string& oldName, const std::string& newName) override;

    TQvAddIn* AddIn() const { return FAddIn; }
    host::IModuleInterface* Module() const { return FModule; }

private:
    TQvAddIn* FAddIn;                  // holds this notifier in its list; not owned
    host::IModuleInterface* FModule;   // the host's; unregistered from at destruction

public:
    std::string FFileName;             // full path as the editor reports it; empty without editor
    // The unit's words: filled by the completion engine, freed by the
    // expert's DestroyingNotifier; a notifier destroyed without it frees them.
    std::unique_ptr<StringList> FWords;

private:
    std::string FSource;               // cached text; empty = not read yet
    std::string FTokens;               // cached token text of FSource

public:
    std::int32_t FBookmarkTick = 0;    // bookmark loading state of the expert

private:
    host::IEditorInterface* Editor() const;
    host::IEditView* View() const;
    // The direct branch of Replace edits the buffer in front; it must be
    // this module's, or another unit's text would be changed.
    bool IsModuleInFront() const;
    bool AtEOLFromSource(int pos);
    void ForgetText();
};

}  // namespace skrivo
