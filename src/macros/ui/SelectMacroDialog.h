// TfmSelectMacro: chooses a macro to play and, in its lower panel, the repeat count and the text condition.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "options/DialogForm.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace skrivo {

class TKeyPreview;
class TMacro;
struct TPreviewKey;

inline constexpr int kSelectMacroWidth = 380;
inline constexpr int kSelectMacroCollapsed = 182;
inline constexpr int kSelectMacroExpanded = 323;

class TfmSelectMacro final : public TDialogForm {
    Q_OBJECT
public:
    TfmSelectMacro();
    ~TfmSelectMacro() override;
    TfmSelectMacro(const TfmSelectMacro&) = delete;
    TfmSelectMacro& operator=(const TfmSelectMacro&) = delete;

    // Rows in order; each row's macro is renamed in place when its caption is edited.
    void AddMacro(TMacro& macro);
    TMacro* SelectedMacro() const;

    bool FChanged = false;   // a name edited or the panel switched: the caller saves
    bool FAdvanced = false;  // the lower panel is open

    // Owned by the form (Qt children).
    QTreeWidget* lvMacroList;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QPushButton* btnAdvanced;
    QLabel* Label1;
    QComboBox* cbTextAtCursor;
    QCheckBox* chkCheckOnce;
    QGroupBox* grpIfNotMatches;
    QRadioButton* rbStop;
    QRadioButton* rbSkip;
    QLabel* Label2;
    QLineEdit* edRepeatCount;

    void FormActivate();
    void btnAdvancedClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool PreviewKey(const TPreviewKey& key);
    bool TypeAhead(const QString& typed);
    void ConditionChanged(const QString& text);
    void ShowPanel();
    void Select(QTreeWidgetItem* item);

    std::vector<TMacro*> macros_;
    TKeyPreview* preview_ = nullptr;
};

struct TSelectMacroRequest {
    std::vector<TMacro*> macros;          // the rows, in order
    std::vector<std::string> conditions;  // the condition history, newest first
    bool advanced = false;
};

struct TSelectMacroAnswer {
    bool execute = false;                 // "Execute" rather than "Cancel"
    TMacro* chosen = nullptr;
    std::string textAtCursor;
    bool checkOnce = false;
    std::int32_t repeatCount = 0;         // 0: the box was empty
    bool stopIfNotMatches = true;
    bool advanced = false;
    bool changed = false;
};

TSelectMacroAnswer AskSelectMacro(const TSelectMacroRequest& request);

}  // namespace skrivo
