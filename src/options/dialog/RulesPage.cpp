// The Rules page: how many words the list may hold, and which words and prefixes are worth suggesting.
#include <cstdlib>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "options/dialog/FocusLabel.h"
#include "options/dialog/InputRules.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/OptionsPage.h"
#include "options/dialog/Pages.h"
#include "options/dialog/RadioGroup.h"
#include "options/dialog/help/HelpTables.h"
#include "platform/IntegerText.h"

namespace skrivo {

namespace {

constexpr int kWordsMaxDigits = 4;

// A field left empty (Delete clears it; no key can type a blank) keeps the
// option it had instead of failing the whole OK.
void ReadNumber(const QString& text, std::int32_t& option) {
    std::int32_t value = 0;
    if (TryStrToInt(text.trimmed().toStdString(), value)) option = value;
}

class TRulesPage final : public TOptionsPage {
public:
    explicit TRulesPage(TfmOptions& form) : TOptionsPage(form, "shtRules", "&Правила||R&ules") {
        AddLabel("lblWordsMax", "Words in list, max:", QRect(8, 10, 132, 16));
        cbWordsMax = AddCombo("cbWordsMax", {QStringLiteral("100"), QStringLiteral("200"), QStringLiteral("500"), QStringLiteral("1000")},
                              true, QRect(140, 7, 62, 21));
        AcceptDigitsOnly(cbWordsMax->lineEdit(), kWordsMaxDigits, [this] { Form().RefusedKeyBeep(); });
        grpExceedMaxWords = AddOption("grpExceedMaxWords", "", {QStringLiteral("Stop and show list"), QStringLiteral("Do not suggest")},
                                      QRect(208, 0, 170, 56), &TExpertConfig::ExceedWordsMax);

        chkForShorter = AddOption("chkForShorter", "Do not suggest for less than", QRect(8, 64, 224, 17), &TExpertConfig::DoNotShowForShorterUsed);
        edForShorter = AddEdit("edForShorter", QRect(236, 62, 24, 21));
        AddLabel("lblForShorter", "typed chars", QRect(266, 65, 110, 16));
        chkShorter = AddOption("chkShorter", "Do not list words shorter than ", QRect(8, 88, 224, 17), &TExpertConfig::DoNotSuggestShorterUsed);
        edShorter = AddEdit("edShorter", QRect(236, 86, 24, 21));
        AddLabel("lblShorter", "chars", QRect(266, 89, 110, 16));
        for (QLineEdit* edit : {edForShorter, edShorter}) {
            edit->setMaxLength(1);
            edit->setAlignment(Qt::AlignCenter);
            AcceptOneDigit(edit, [this] { Form().RefusedKeyBeep(); });
        }
        UpdateOn(chkForShorter);
        UpdateOn(chkShorter);

        AddOption("chkDoNotListItself", "For a word itself do not list it", QRect(8, 116, 360, 17), &TExpertConfig::DoNotListWordItself);
        AddOption("chkMatchingFirst", "Only words matching first chars", QRect(8, 136, 360, 17), &TExpertConfig::OnlyWordsMatching1st);
        AddOption("chkNoSeparators", "Do not suggest separators", QRect(8, 156, 360, 17), &TExpertConfig::DoNotSuggestSeparators);
        QCheckBox* best = AddOption("chkAutoSelect", "Autoselect the best word from a list", QRect(8, 176, 20, 17),
                                    &TExpertConfig::AutoSelectBestWord);
        AddCheckLabel("lblAutoSelect", best, QRect(26, 175, 352, 19));
        AddOption("chkSmartRanking", "Smart ranking", QRect(8, 198, 360, 17), &TExpertConfig::SmartRanking);
    }

    THelpTable Help() const override { return RulesHelp(); }

    void Prepare(const TExpertConfig& cfg) override {
        PrepareBound(cfg);
        cbWordsMax->setEditText(QString::number(cfg.WordsMaxInList));
        edForShorter->setText(QString::number(cfg.DoNotShorForShorter));
        edShorter->setText(QString::number(std::abs(cfg.DoNotSuggestShorter)));
    }

    void WriteBack(TExpertConfig& cfg) const override {
        WriteBound(cfg);
        ReadNumber(cbWordsMax->currentText(), cfg.WordsMaxInList);
        ReadNumber(edForShorter->text(), cfg.DoNotShorForShorter);
        ReadNumber(edShorter->text(), cfg.DoNotSuggestShorter);
    }

    void UpdateEnables() override {
        SetFieldEnabled(edForShorter, chkForShorter->isChecked());
        SetFieldEnabled(edShorter, chkShorter->isChecked());
    }

    void Localize(int language) override {
        grpExceedMaxWords->SetItems(language == 1 ? QStringList{QString::fromUtf8("Показать список"), QString::fromUtf8("Не предлагать")}
                                                  : QStringList{QStringLiteral("Stop and show list"), QStringLiteral("Do not suggest")});
    }

private:
    TSKRadioGroup* grpExceedMaxWords;
    QComboBox* cbWordsMax;
    QCheckBox* chkForShorter;
    QLineEdit* edForShorter;
    QCheckBox* chkShorter;
    QLineEdit* edShorter;
};

}  // namespace

TOptionsPage* CreateRulesPage(TfmOptions& form) { return new TRulesPage(form); }

}  // namespace skrivo
