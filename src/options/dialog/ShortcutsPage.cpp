// The Shortcuts page: the twelve command shortcuts, and the typing aids for brackets, quotes and Enter.
#include <array>

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include "macros/ui/ShortcutDialog.h"
#include "options/DialogForm.h"
#include "options/dialog/FocusLabel.h"
#include "options/dialog/HintText.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/OptionsPage.h"
#include "options/dialog/OptionsServices.h"
#include "options/dialog/Pages.h"
#include "options/dialog/ShortcutCommands.h"
#include "options/dialog/help/HelpTables.h"
#include "platform/ShortCut.h"

namespace skrivo {

namespace {

class TShortcutsPage final : public TOptionsPage {
public:
    explicit TShortcutsPage(TfmOptions& form) : TOptionsPage(form, "shtShortcuts", "&Клавиши||Shor&tcuts") {
        chkUseShortcuts = AddOption("chkUseShortcuts", "Use shortcuts", QRect(8, 6, 250, 17), &TExpertConfig::UseShortcuts);
        UpdateOn(chkUseShortcuts);
        pnShortcut = new QFrame(this);
        host::TForm::SetControlClass(pnShortcut, "pnShortcut");
        pnShortcut->setGeometry(8, 26, 370, 86);
        pnShortcut->setFrameShape(QFrame::StyledPanel);
        memoShtcutName = new QPlainTextEdit(pnShortcut);
        host::TForm::SetControlClass(memoShtcutName, "memoShtcutName");
        memoShtcutName->setGeometry(4, 4, 332, 50);
        memoShtcutName->setReadOnly(true);
        memoShtcutName->setFrameShape(QFrame::NoFrame);
        memoShtcutName->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memoShtcutName->setFocusPolicy(Qt::NoFocus);
        spnUp = AddButton("spnUp", "", QRect(342, 4, 22, 19), pnShortcut);
        spnDown = AddButton("spnDown", "", QRect(342, 24, 22, 19), pnShortcut);
        spnUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
        spnDown->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
        edShortcut = AddEdit("edShortcut", QRect(4, 59, 170, 21), pnShortcut);
        edShortcut->setReadOnly(true);
        btnChange = AddButton("btnChange", "Change", QRect(182, 57, 88, 25), pnShortcut);
        btnClear = AddButton("btnClearShortcut", "Clear", QRect(276, 57, 88, 25), pnShortcut);
        connect(spnUp, &QPushButton::clicked, this, [this] { Spin(-1); });
        connect(spnDown, &QPushButton::clicked, this, [this] { Spin(+1); });
        connect(btnChange, &QPushButton::clicked, this, [this] { Change(); });
        connect(btnClear, &QPushButton::clicked, this, [this] {
            shortcuts_[static_cast<std::size_t>(index_)] = 0;
            SetShortcut();
        });

        chkFastReadText = AddCheck("chkFastReadText", "Fast work with huge text (no ReDo)", QRect(8, 118, 360, 17));
        AddOption("chkAutoQuotas", "Automatically close quotes", QRect(8, 137, 360, 17), &TExpertConfig::AutoUnquote);
        chkAutoBrackets = AddOption("chkAutoBrackets", "Automatically close ')', ']', '}'", QRect(8, 156, 360, 17), &TExpertConfig::AutoCloseBrackets);
        UpdateOn(chkAutoBrackets);
        chkSpacesBetween = AddOption("chkSpacesBetween", "Symmetric spaces inside brackets", QRect(26, 175, 340, 17),
                                     &TExpertConfig::SpacesBetweenAutoBrackets);
        AddOption("chkBracketsEndLine", "At the end of line only", QRect(26, 194, 340, 17), &TExpertConfig::AutoBracketsOnlyAtEndOfLine);
        QCheckBox* enter = AddOption("chkEnterNoDivide", "ENTER does not divide line (Shift+ENTER used)", QRect(8, 216, 20, 17),
                                     &TExpertConfig::EnterNoDivideLine);
        AddCheckLabel("lblEnterNoDivide", enter, QRect(26, 215, 352, 19));
    }

    THelpTable Help() const override { return ShortcutsHelp(); }

    void Prepare(const TExpertConfig& cfg) override {
        PrepareBound(cfg);
        for (std::size_t i = 0; i < shortcuts_.size(); ++i) shortcuts_[i] = static_cast<win::TShortCut>(cfg.Shortcuts[i]);
        chkFastReadText->setChecked(Form().Expert().FastReadText());
        SetShortcut();
    }

    void WriteBack(TExpertConfig& cfg) const override {
        WriteBound(cfg);
        for (std::size_t i = 0; i < shortcuts_.size(); ++i) cfg.Shortcuts[i] = shortcuts_[i];
    }

    void Commit() override { Form().Expert().SetFastReadText(chkFastReadText->isChecked()); }

    void Activate() override { SetShortcut(); }

    void UpdateEnables() override {
        const bool on = chkUseShortcuts->isChecked();
        pnShortcut->setEnabled(on);
        for (QWidget* w : std::initializer_list<QWidget*>{btnClear, btnChange, spnUp, spnDown}) w->setEnabled(on);
        chkSpacesBetween->setEnabled(chkAutoBrackets->isChecked());
    }

    void Localize(int) override { SetShortcut(); }

    // Out-of-range indexes wrap round.
    void SetShortcutIndex(int index) {
        if (index < 0) index = kShortcutCommandCount - 1;
        if (index >= kShortcutCommandCount) index = 0;
        index_ = index;
        SetShortcut();
    }

private:
    QString Description(int index) const {
        return QString::fromStdString(BilingualPart(kShortcutDescriptions[static_cast<std::size_t>(index)], Form().Language()));
    }

    void SetShortcut() {
        memoShtcutName->setPlainText(Description(index_));
        const win::TShortCut shortcut = shortcuts_[static_cast<std::size_t>(index_)];
        edShortcut->setText(shortcut ? AnsiToQt(win::ShortCutToText(shortcut)) : QString());
    }

    // Commands marked "-" are not offered here; every other command is, so
    // the loop always ends.
    void Spin(int delta) {
        do SetShortcutIndex(index_ + delta);
        while (Description(index_).startsWith(QLatin1Char('-')));
    }

    void Change() {
        win::TShortCut shortcut = shortcuts_[static_cast<std::size_t>(index_)];
        if (!AskShortcut(shortcut, &Form())) return;
        shortcuts_[static_cast<std::size_t>(index_)] = shortcut;
        SetShortcut();
    }

    std::array<win::TShortCut, kShortcutCommandCount> shortcuts_{};
    int index_ = 0;
    QCheckBox* chkUseShortcuts;
    QFrame* pnShortcut;
    QPlainTextEdit* memoShtcutName;
    QLineEdit* edShortcut;
    QPushButton* spnUp;
    QPushButton* spnDown;
    QPushButton* btnChange;
    QPushButton* btnClear;
    QCheckBox* chkFastReadText;
    QCheckBox* chkAutoBrackets;
    QCheckBox* chkSpacesBetween;
};

}  // namespace

TOptionsPage* CreateShortcutsPage(TfmOptions& form) { return new TShortcutsPage(form); }

}  // namespace skrivo
