// The Mouse page: what the list does when the pointer comes over it, and what clicks on it do.
#include <QCheckBox>

#include "config/OptionChoices.h"
#include "options/dialog/OptionsPage.h"
#include "options/dialog/Pages.h"
#include "options/dialog/RadioGroup.h"
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

class TMousePage final : public TOptionsPage {
public:
    explicit TMousePage(TfmOptions& form) : TOptionsPage(form, "shtMouse", "&Мышь||&Mouse") {
        grpMouse = AddOption("grpMouse", "When mouse is over the list", EnglishItems(), QRect(8, 4, 370, 94), &TExpertConfig::WhenMouseOver);
        UpdateOn(grpMouse);
        clicks_[0] = AddOption("chkClickNecessary", "Click on word necessary", QRect(8, 108, 360, 17), &TExpertConfig::MouseClickNecessary);
        clicks_[1] = AddOption("chkReplaceLClick", "Replace by left button click", QRect(8, 128, 360, 17), &TExpertConfig::MouseLClickReplace);
        clicks_[2] = AddOption("chkRemoveRClick", "Remove by right button click", QRect(8, 148, 360, 17), &TExpertConfig::MouseRClickRemove);
        // The right button is the list's own help; the option stays in the
        // record but is not offered.
        clicks_[2]->setVisible(false);
    }

    THelpTable Help() const override { return MouseHelp(); }
    void Prepare(const TExpertConfig& cfg) override { PrepareBound(cfg); }
    void WriteBack(TExpertConfig& cfg) const override { WriteBound(cfg); }

    void UpdateEnables() override {
        // Clicks matter only while the list stays under the pointer.
        const bool clickable = grpMouse->ItemIndex() > wmoHide;
        for (QCheckBox* box : clicks_) box->setEnabled(clickable);
    }

    void Localize(int language) override {
        grpMouse->SetItems(language == 1 ? QStringList{QString::fromUtf8("Сменить позицию окна"), QString::fromUtf8("Скрыть окно"),
                                                       QString::fromUtf8("Сделать прозрачным (Windows2000)"),
                                                       QString::fromUtf8("Использовать для выделения")}
                                         : EnglishItems());
    }

private:
    static QStringList EnglishItems() {
        return {QStringLiteral("Switch window position"), QStringLiteral("Hide words list window"), QStringLiteral("Make transparent (Win2K)"),
                QStringLiteral("Use mouse to select words")};
    }

    TSKRadioGroup* grpMouse;
    QCheckBox* clicks_[3];
};

}  // namespace

TOptionsPage* CreateMousePage(TfmOptions& form) { return new TMousePage(form); }

}  // namespace skrivo
