// TQvExpert: the expert base: shortcut hook, menu items, one notifier per module, the current notifier.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/api/Application.h"
#include "host/api/EditorServices.h"
#include "host/api/EditorTypes.h"
#include "host/api/ToolServices.h"
#include "bridge/MenuPosition.h"
#include "bridge/QvAddIn.h"

namespace skrivo {

class TQvNotifier;

using TMenuClickEvent = std::function<void(host::IMenuItem*)>;

class TQvExpert : public host::IExpert {
public:
    // Builds the expert in the order its descendants rely on: the log
    // rotation first, then Init (the descendant's own start), then the
    // shortcut hook and the add-in. Two-phase because Init is virtual.
    template <class TExpert, class... Args>
    static std::unique_ptr<TExpert> Create(Args&&... args) {
        std::unique_ptr<TExpert> expert(new TExpert(std::forward<Args>(args)...));
        expert->AfterConstruction();
        return expert;
    }

    ~TQvExpert() override;
    TQvExpert(const TQvExpert&) = delete;
    TQvExpert& operator=(const TQvExpert&) = delete;

    // The host's expert interface.
    std::string GetName() override;
    std::string GetAuthor() override;
    std::string GetComment() override;
    std::string GetPage() override;
    virtual int GetGlyph();
    int GetStyle() override;
    int GetState() override;
    std::string GetIDString() override;
    std::string GetMenuText() override;
    void Execute() override;

    // Hooks for descendants.
    virtual void Init();
    virtual void Notify(TQvNotifier* notifier, host::TNotifyCode code);
    virtual void DestroyingNotifier(TQvNotifier* notifier);
    virtual void NotifierCreated(TQvNotifier* notifier);
    virtual std::string PackageName();

    host::IMenuItem* AddMenuItem(TMenuBarItem bar, int position, const std::string& caption,
                                 const std::string& name, host::TIMenuFlags flags, TMenuClickEvent onClick);
    std::vector<host::IMenuItem*>& GetMenuItemsList();
    TNotifierList* GetNotifiers();
    bool NotifierExists(const std::string& fileName);
    TQvNotifier* GetCurrentNotifier();
    void CreateAllNotifiers();
    void SetReady(bool ready);
    void SetFastReadText(bool fast);
    void SetShowConsole(bool show);
    void IDEKeyDown(win::TMsg& msg, bool& handled);
    bool IsPlaying();
    bool IsRecording();
    std::string ReadText(int count);

    bool Ready() const { return FReady; }
    bool FastReadText() const { return FFastReadText; }
    bool ShowConsole() const { return FShowConsole; }
    TQvAddIn* AddIn() const { return FAddIn.get(); }

protected:
    TQvExpert();
    void AfterConstruction();
    // The base's teardown; a descendant's destructor calls it as its last
    // step (while the descendant's hooks still answer), the base destructor
    // again (then it does nothing).
    void DestroyBase();

    bool FShowConsole = false;
    bool FHooked = false;
    host::TShortCutEvent FOldOnShortCut;
    bool FReady = false;
    bool FFastReadText = false;
    std::unique_ptr<TQvAddIn> FAddIn;
    std::unique_ptr<std::vector<host::IMenuItem*>> FMenuItems;

private:
    // Adds a notifier for fileName's module unless the file is a project
    // group or package or already has one.
    void CreateNotifierFor(const std::string& fileName);
    std::string ReadTextFast(int count);
    std::string ReadTextBeforeCursor();
    // The line before the cursor as last read through the edit block: one
    // key reads it several times (substitutions, brackets, the trigger, the
    // list), and marking and restoring a block each time moves the editor's
    // caret and selection four times over.
    struct LineBeforeCursor {
        host::IEditBuffer* buffer = nullptr;
        std::uint64_t textVersion = 0;
        int row = 0;
        int col = 0;
        std::string text;
    };
    std::optional<LineBeforeCursor> FLineRead;
    bool baseDestroyed_ = false;
};

}  // namespace skrivo
