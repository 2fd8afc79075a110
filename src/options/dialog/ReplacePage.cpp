// The Replace page: which keys accept the selected word, and how replacing and the list's keys behave.
#include <QCheckBox>
#include <QGroupBox>

#include "options/dialog/FocusLabel.h"
#include "options/dialog/OptionsPage.h"
#include "options/dialog/Pages.h"
#include "options/dialog/RadioGroup.h"
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

class TReplacePage final : public TOptionsPage {
public:
    explicit TReplacePage(TfmOptions& form) : TOptionsPage(form, "shtReplace", "&Замена||&Replace") {
        grpKeysToComplete = AddOption("grpKeysToComplete", "Keys to complete",
                                      {QStringLiteral("ENTER"), QStringLiteral("SHIFT"), QStringLiteral("CTRL")}, QRect(8, 2, 124, 84),
                                      &TExpertConfig::KeyComplete);
        grpWhatShfCtl = AddOption("grpWhatShfCtl", "Which one",
                                  {QStringLiteral("Any"), QStringLiteral("Left only"), QStringLiteral("Right only")},
                                  QRect(138, 2, 106, 84), &TExpertConfig::WhatShiftCtrl);
        chkTwice = AddOption("chkTwice", "twice", QRect(248, 14, 134, 17), &TExpertConfig::ShiftCtrlTwice);
        chkOtherShftCtrlHides =
            AddOption("chkOtherShftCtrlHides", "Other hides list", QRect(248, 38, 134, 17), &TExpertConfig::OtherShfCtlHidesList);
        AddOption("chkForceView", "Use to force view", QRect(248, 62, 134, 17), &TExpertConfig::UseCtlShf2ForceViewList);
        UpdateOn(grpKeysToComplete);
        UpdateOn(grpWhatShfCtl);

        QGroupBox* also = AddGroup("grpAlsoComplete", "Also complete with", QRect(8, 88, 370, 42));
        AddOption("chkSeparatorComplete", "Separator keys", QRect(8, 18, 130, 17), &TExpertConfig::SeparatorComplete, also);
        AddOption("chkSpaceComplete", "Space", QRect(146, 18, 90, 17), &TExpertConfig::SpaceComplete, also);
        AddOption("chkSemicolonComplete", "Semicolon", QRect(244, 18, 120, 17), &TExpertConfig::SemicolonComplete, also);

        AddOption("chkForceCodeParam", "Force code param", QRect(8, 134, 250, 17), &TExpertConfig::ForceCodeParam);
        QCheckBox* restore = AddOption("chkAllowRestore", "Allow restore with BKSPC key immediately after replace", QRect(8, 153, 20, 17),
                                       &TExpertConfig::AllowBackspace);
        AddCheckLabel("lblAllowRestore", restore, QRect(26, 150, 352, 32));
        QCheckBox* before =
            AddOption("chkWordBeforeOnly", "Replace only word before caret", QRect(8, 184, 20, 17), &TExpertConfig::WordBeforeOnly);
        AddCheckLabel("lblWordBeforeOnly", before, QRect(26, 183, 352, 19));

        QGroupBox* keys = AddGroup("grpListKeys", "Keys in the list", QRect(8, 204, 370, 58));
        AddOption("chkUseINSERT", "Use INSERT", QRect(8, 16, 150, 17), &TExpertConfig::UseInsertKey, keys);
        AddOption("chkUpDownSmart", "Smart arrow keys", QRect(166, 16, 196, 17), &TExpertConfig::UpDownSmart, keys);
        AddOption("chkUseHomeEnd", "Use Home/End", QRect(8, 36, 150, 17), &TExpertConfig::UseHomeEnd, keys);
    }

    THelpTable Help() const override { return ReplaceHelp(); }
    void Prepare(const TExpertConfig& cfg) override { PrepareBound(cfg); }
    void WriteBack(TExpertConfig& cfg) const override { WriteBound(cfg); }

    void UpdateEnables() override {
        // Enter completes on its own; side and repetition belong to Shift and Ctrl.
        const bool modifierKey = grpKeysToComplete->ItemIndex() > 0;
        chkTwice->setEnabled(modifierKey);
        grpWhatShfCtl->setEnabled(modifierKey);
        chkOtherShftCtrlHides->setEnabled(grpWhatShfCtl->ItemIndex() != 0);
    }

    void Localize(int language) override {
        grpWhatShfCtl->SetItems(language == 1 ? QStringList{QString::fromUtf8("Обе"), QString::fromUtf8("Левая"), QString::fromUtf8("Правая")}
                                              : QStringList{QStringLiteral("Any"), QStringLiteral("Left only"), QStringLiteral("Right only")});
    }

private:
    TSKRadioGroup* grpKeysToComplete;
    QCheckBox* chkTwice;
    TSKRadioGroup* grpWhatShfCtl;
    QCheckBox* chkOtherShftCtrlHides;
};

}  // namespace

TOptionsPage* CreateReplacePage(TfmOptions& form) { return new TReplacePage(form); }

}  // namespace skrivo
