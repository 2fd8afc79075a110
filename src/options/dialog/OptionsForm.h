// TfmOptions: the options dialog's frame: title panel, left tabs, pages, help and search buttons, OK and Cancel.
//
// How a page joins the dialog
// ---------------------------
// Every page is a TOptionsPage (OptionsPage.h) in a file of its own, made by
// its Create...Page function (Pages.h) in tab order. The frame owns the pages
// (as Qt children) and calls their hooks; a page never reaches the expert's
// record except through these hooks:
//
//   Help()          the page's help table (help/HelpTables.h): every control
//                   with a hint, English and Russian help, both captions.
//                   The frame hangs the hints on the controls after building
//                   the page; right-click help, LocalizyCaptions and the
//                   option search read nothing else.
//   Prepare(cfg)    record -> controls. PrepareOptionsForm runs it for every
//                   page, on opening and after "Load from file" / "Reset
//                   default"; UpdateEnables follows.
//   WriteBack(cfg)  controls -> record, on OK and before "Save to file". It
//                   may run more than once, so it copies and leaves the page
//                   as it was (rows keep their own macro copies).
//   Commit()        on OK after WriteBack: what lives outside the record
//                   (FastReadText).
//   BeforeOk()      on OK before anything is written; false keeps the dialog
//                   open (a sound scheme that could not be saved).
//   Activate()      once, when the dialog is first shown (lists that are
//                   filled from disk, the "< current >" sounds).
//   UpdateEnables() the page's enable rules from its controls' states; a page
//                   calls it (UpdateOn) whenever a control of a rule changes.
//   Localize(lang)  texts hints do not carry: radio items, list columns,
//                   event rows; called after the hint captions are applied.
//   PageKey(event)  keys while the page is in front (the macro list's
//                   commands); true swallows the key.
//
// Refused keys beep through RefusedKeyBeep, which asks the Sound page's
// "Beep on error" box.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "options/DialogForm.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace skrivo {

class IOptionsExpert;
class TOptionsPage;
class TOptionsTabs;
class TfmHelp;
struct TExpertConfig;

inline constexpr int kOptionsWidth = 485;
inline constexpr int kOptionsHeight = 322;

class TfmOptions final : public TDialogForm {
    Q_OBJECT
public:
    explicit TfmOptions(IOptionsExpert& expert);
    ~TfmOptions() override;
    TfmOptions(const TfmOptions&) = delete;
    TfmOptions& operator=(const TfmOptions&) = delete;

    IOptionsExpert& Expert() const { return expert_; }

    // Record <-> controls, through every page.
    void PrepareFromConfig(const TExpertConfig& cfg);
    void WriteBack(TExpertConfig& cfg) const;
    void Commit();

    // Pages, in tab order.
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TOptionsPage* Page(int index) const;
    int ActivePage() const;
    // Out-of-range indexes show the first page.
    void SetActivePage(int index);
    // The page whose tab reads text (without "&", any case, either
    // language); -1 when none.
    int PageIndexOf(const QString& text) const;
    // The tab's text in the current language, "&" included.
    QString TabCaption(int index) const;
    // The page holding a control (walking up its parents); -1 outside pages.
    int PageOf(const QWidget* control) const;

    // Relabels the dialog in a language (0 English, 1 Russian).
    void LocalizyCaptions(int language);
    // The language the dialog speaks now (the language combo's choice).
    int Language() const;
    // Re-runs every page's enable rules.
    void UpdateEnables();

    // Right-click help: the help of a control with a hint.
    void RMouseUp(QWidget* sender, Qt::MouseButton button);
    // A right-click anywhere on the form: the help of the control under the
    // pointer, disabled controls and labels included.
    void FormMouseUp(Qt::MouseButton button, const QPoint& globalPos);
    TfmHelp* HelpWindow() const { return help_.get(); }
    void CloseHelp();
    bool AnimatedTooltips() const;

    // The state of "Beep on error" in the dialog; a refused key beeps with it.
    bool BeepOnErrorChecked() const;
    void RefusedKeyBeep() const;

    bool SearchInHints() const { return searchInHints_; }
    void SetSearchInHints(bool on) { searchInHints_ = on; }

    // Named controls of the dialog (nullptr when none).
    QWidget* Control(const std::string& name) const;

    QLabel* pnTitle;
    TOptionsTabs* pcOptions;
    QPushButton* btnHelp;
    QPushButton* btnSearch;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildFrame();
    void FormActivate();
    void OkClick();
    bool DragTitle(QEvent* event);
    bool PageAccelerator(QKeyEvent& event);

    IOptionsExpert& expert_;
    std::vector<TOptionsPage*> pages_;
    std::unique_ptr<TfmHelp> help_;
    bool searchInHints_ = true;
    bool activated_ = false;
    QPoint dragOffset_;
    bool dragging_ = false;
};

}  // namespace skrivo
