// TfmConsole: the diagnostic console, a small tool window that shows diagnostic lines.
#pragma once

#include <string_view>

#include "host/api/Form.h"

class QMenu;
class QAction;
class QTextEdit;

namespace skrivo {

class TQvExpert;

class TfmConsole : public host::TForm {
    Q_OBJECT
public:
    TfmConsole();
    ~TfmConsole() override;
    TfmConsole(const TfmConsole&) = delete;
    TfmConsole& operator=(const TfmConsole&) = delete;

    // Appends the line and scrolls to the end.
    void Report(std::string_view line);
    void SetExpert(TQvExpert* expert) { expert_ = expert; }
    TQvExpert* Expert() const { return expert_; }
    // Toggles OnTop: checked keeps the console above other windows.
    void OnTop1Click();

    QTextEdit* RichEdit1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QAction* OnTop1 = nullptr;

private:
    void FormDestroy();
    TQvExpert* expert_ = nullptr;
};

// The one console, or nullptr.
extern TfmConsole* fmConsole;

// Creates the console for the expert when there is none (SetShowConsole).
void CreateConsole(TQvExpert* expert);
// Frees the console when there is one; fmConsole is cleared as it goes.
void FreeConsole();

}  // namespace skrivo
