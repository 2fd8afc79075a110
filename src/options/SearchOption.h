// TfmSearchOption: finds the options dialog's controls by a text fragment and takes the user to one of them.
#pragma once

#include <functional>

#include <QString>

#include "options/DialogForm.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace skrivo {

// The picture of a found row, by the kind of control.
enum class TOptionKind { Label = 0, Button = 1, Group = 2, CheckBox = 3, Other = -1 };

// What the search needs of the dialog it searches.
struct TOptionSearchTarget {
    QWidget* dialog = nullptr;
    // A control's hint (help texts and captions of both languages).
    std::function<QString(const QWidget*)> hintOf;
    // The index of the page a control stands on (-1 for none), and bringing
    // a page forward. By default pages are those of a QStackedWidget.
    std::function<int(const QWidget*)> pageOf;
    std::function<void(int page)> showPage;
    // The dialog's "Beep on error"; by default its check box "chkBeep".
    std::function<bool()> beepOnError;
};

class TfmSearchOption final : public TDialogForm {
    Q_OBJECT
public:
    explicit TfmSearchOption(TOptionSearchTarget target);
    TfmSearchOption(const TfmSearchOption&) = delete;
    TfmSearchOption& operator=(const TfmSearchOption&) = delete;

    // Shows the dialog with "Search in hints" as given and returns the box's
    // state afterwards.
    bool Execute(bool searchInHints);
    // Speaks the options dialog's language (English, or Russian when russian).
    void Localize(bool russian);

    void Find();
    // Takes the user to the selected row's control and closes with OK.
    void Go();
    // The control a found row stands for.
    QWidget* FoundControl(int row) const;

    // Owned by the form (Qt children).
    QLineEdit* edPattern;
    QPushButton* btnFind;
    QListWidget* lvFoundOptions;
    QCheckBox* chkSearchInHints;
    QPushButton* btnGo;
    QPushButton* btnCancel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TOptionSearchTarget target_;
};

// The kind of a control as the search sees it, and the text its pattern is
// looked for in (radio groups: their items, then their caption).
TOptionKind OptionKindOf(const QWidget* control);
QString OptionSearchText(const QWidget* control);
// The caption the row shows: without the accelerator's "&" and the blanks
// that frame group captions.
QString OptionCaption(const QWidget* control);

}  // namespace skrivo
