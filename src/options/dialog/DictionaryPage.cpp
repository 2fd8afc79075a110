// The Dictionary page: the self-teaching dictionary's size, saving and merging, and where else words come from.
#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "options/dialog/OptionsPage.h"
#include "options/dialog/Pages.h"
#include "options/dialog/RadioGroup.h"
#include "options/dialog/help/HelpTables.h"

namespace skrivo {

namespace {

constexpr int kLimits[] = {100, 1000, 5000, 10000, 50000};

class TDictionaryPage final : public TOptionsPage {
public:
    explicit TDictionaryPage(TfmOptions& form) : TOptionsPage(form, "shtDictionary", "С&ловарь||&Dictionary") {
        chkSelfTeaching = AddOption("chkSelfTeaching", "Self-teaching", QRect(8, 6, 160, 17), &TExpertConfig::SelfTeaching);
        UpdateOn(chkSelfTeaching);
        lblMaxEntries = AddLabel("lblMaxEntries", "Max entries:", QRect(180, 8, 90, 16));
        QStringList limits;
        for (int limit : kLimits) limits << QString::number(limit);
        cbMaxEntries = AddCombo("cbMaxEntries", limits, false, QRect(274, 4, 100, 21));
        grpAutoSave = AddOption("grpAutoSave", "Auto save",
                                {QStringLiteral("When IDE closed only"), QStringLiteral("When any file saved"), QStringLiteral("Every 5 minutes")},
                                QRect(8, 30, 200, 74), &TExpertConfig::AutoSave);
        chkAutoMerge = AddOption("chkAutoMerge", "Auto merge when changed on disk", QRect(8, 110, 360, 17), &TExpertConfig::AutoMergeWhenChanged);
        AddOption("chkMergeConfirm", "Confirmation before merging", QRect(26, 130, 340, 17), &TExpertConfig::MergeConfirmation);
        AddOption("chkFixed", "Fixed dictionary ( fixed.dic )", QRect(8, 160, 360, 17), &TExpertConfig::FixedDictionary);
        chkCurrentUnit = AddOption("chkCurrentUnit", "Words from current unit", QRect(8, 180, 360, 17), &TExpertConfig::WordsFromCurrentUnit);
        chkAllUnits = AddOption("chkAllUnits", "Words from all opened units", QRect(8, 200, 360, 17), &TExpertConfig::WordsFromAllUnits);
        UpdateOn(chkAllUnits);
    }

    THelpTable Help() const override { return DictionaryHelp(); }

    void Prepare(const TExpertConfig& cfg) override {
        PrepareBound(cfg);
        // The largest choice the limit reaches; below the first, the first.
        int index = 0;
        for (int i = 0; i < static_cast<int>(std::size(kLimits)); ++i)
            if (cfg.DictionaryLimit >= kLimits[i]) index = i;
        cbMaxEntries->setCurrentIndex(index);
    }

    void WriteBack(TExpertConfig& cfg) const override {
        WriteBound(cfg);
        if (cbMaxEntries->currentIndex() >= 0) cfg.DictionaryLimit = kLimits[cbMaxEntries->currentIndex()];
    }

    void UpdateEnables() override {
        const bool teaching = chkSelfTeaching->isChecked();
        lblMaxEntries->setEnabled(teaching);
        cbMaxEntries->setEnabled(teaching);
        chkAutoMerge->setEnabled(teaching);
        grpAutoSave->setEnabled(teaching);
        // All units include the current one.
        chkCurrentUnit->setEnabled(!chkAllUnits->isChecked());
    }

    void Localize(int language) override {
        grpAutoSave->SetItems(language == 1 ? QStringList{QString::fromUtf8("По закрытию Delphi IDE"), QString::fromUtf8("При сохранении любого файла"),
                                                          QString::fromUtf8("Каждые 5 минут")}
                                            : QStringList{QStringLiteral("When IDE closed only"), QStringLiteral("When any file saved"),
                                                          QStringLiteral("Every 5 minutes")});
    }

private:
    QCheckBox* chkSelfTeaching;
    QLabel* lblMaxEntries;
    QComboBox* cbMaxEntries;
    TSKRadioGroup* grpAutoSave;
    QCheckBox* chkAutoMerge;
    QCheckBox* chkCurrentUnit;
    QCheckBox* chkAllUnits;
};

}  // namespace

TOptionsPage* CreateDictionaryPage(TfmOptions& form) { return new TDictionaryPage(form); }

}  // namespace skrivo
