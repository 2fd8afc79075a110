// The Words list page: when the list shows by itself, its transparency, and when it hides.
#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>

#include "host/api/Form.h"
#include "options/dialog/FocusLabel.h"
#include "options/dialog/InputRules.h"
#include "options/dialog/OptionsForm.h"
#include "options/dialog/OptionsPage.h"
#include "options/dialog/Pages.h"
#include "options/dialog/help/HelpTables.h"
#include "platform/IntegerText.h"

namespace skrivo {

namespace {

constexpr int kDelayStep = 250;
constexpr int kDelayChoices = 8;  // 250 .. 2000
constexpr int kDelayDigits = 3;

class TWordsListPage final : public TOptionsPage {
public:
    explicit TWordsListPage(TfmOptions& form) : TOptionsPage(form, "shtWordsList", "&Список слов||&Words list") {
        chkShowAutomatically =
            AddOption("chkShowAutomatically", "Show words list automatically", QRect(8, 6, 250, 17), &TExpertConfig::ShowListAutomatically);
        UpdateOn(chkShowAutomatically);
        lblDelayTime = AddLabel("lblDelayTime", "Delay, ms:", QRect(26, 30, 80, 16));
        QStringList delays;
        for (int i = 1; i <= kDelayChoices; ++i) delays << QString::number(i * kDelayStep);
        cbDelayTime = AddCombo("cbDelayTime", delays, true, QRect(108, 27, 70, 21));
        AcceptDigitsOnly(cbDelayTime->lineEdit(), kDelayDigits, [this] { Form().RefusedKeyBeep(); });
        cbDelayTime->installEventFilter(this);
        cbDelayTime->lineEdit()->installEventFilter(this);

        // The frame round the transparency controls is part of the box's
        // caption: clicking it toggles the box.
        shpTransparent = new QFrame(this);
        host::TForm::SetControlClass(shpTransparent, "shpTransparent");
        shpTransparent->setGeometry(8, 54, 370, 50);
        shpTransparent->setFrameShape(QFrame::StyledPanel);
        shpTransparent->installEventFilter(this);
        chkTransparent = AddOption("chkTransparent", "Always transparent (Win2K only)", QRect(16, 60, 20, 17), &TExpertConfig::SemiTransparent);
        lblTransparent = AddCheckLabel("lblTransparent", chkTransparent, QRect(34, 59, 330, 19));
        UpdateOn(chkTransparent);
        trkAlpha = new QSlider(Qt::Horizontal, this);
        host::TForm::SetControlClass(trkAlpha, "trkAlpha");
        trkAlpha->setGeometry(16, 80, 354, 20);
        trkAlpha->setRange(0, 254);
        trkAlpha->setPageStep(16);

        grpWhenToHide = AddGroup("grpWhenToHide", "When to hide", QRect(8, 108, 370, 150));
        const struct {
            const char* name;
            const char* caption;
            bool TExpertConfig::*option;
        } hides[] = {
            {"chkHideNoSuggestions", "Hide when no suggestions", &TExpertConfig::HideWhenNoSuggestions},
            {"chkHideAtTheBeginning", "Hide at the beginning of a line", &TExpertConfig::HideAtTheBeginningOfLine},
            {"chkHideAfterSeparator", "Hide after separator", &TExpertConfig::HideAfterSeparator},
            {"chkHideAfterSemicolon", "Hide after ';' (semicolon)", &TExpertConfig::HideAfterSemicolon},
            {"chkHideAfterSpace", "Hide after ' ' (space)", &TExpertConfig::HideAfterSpace},
            {"chkHideAfterReplace", "Hide after replace", &TExpertConfig::HideAfterReplace},
            {"chkHideAfterRestore", "Hide after restore (BKSPC)", &TExpertConfig::HideAfterRestore},
        };
        int y = 20;
        for (const auto& hide : hides) {
            AddOption(hide.name, hide.caption, QRect(10, y, 350, 17), hide.option, grpWhenToHide);
            y += 18;
        }
    }

    THelpTable Help() const override { return WordsListHelp(); }

    void Prepare(const TExpertConfig& cfg) override {
        PrepareBound(cfg);
        const int index = std::clamp(cfg.DelayTime / kDelayStep - 1, 0, cbDelayTime->count() - 1);
        cbDelayTime->setCurrentIndex(index);
        cbDelayTime->setEditText(cbDelayTime->itemText(index));
        trkAlpha->setValue(cfg.AlphaBlendLevel);
    }

    void WriteBack(TExpertConfig& cfg) const override {
        WriteBound(cfg);
        std::int32_t delay = 0;
        // The field only takes digits; an empty one keeps the delay.
        if (TryStrToInt(cbDelayTime->currentText().toStdString(), delay)) cfg.DelayTime = std::max(delay, kDelayStep);
        cfg.AlphaBlendLevel = trkAlpha->value();
    }

    void UpdateEnables() override {
        const bool shown = chkShowAutomatically->isChecked();
        SetFieldEnabled(cbDelayTime, shown);
        lblDelayTime->setEnabled(shown);
        shpTransparent->setEnabled(shown);
        chkTransparent->setEnabled(shown);
        lblTransparent->setEnabled(shown);
        trkAlpha->setEnabled(shown && chkTransparent->isChecked());
        grpWhenToHide->setEnabled(shown);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut && (watched == cbDelayTime || watched == cbDelayTime->lineEdit())) LeaveDelay();
        if (watched == shpTransparent && event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && chkTransparent->isEnabled()) {
            chkTransparent->setFocus(Qt::MouseFocusReason);
            chkTransparent->click();
            return true;
        }
        return TOptionsPage::eventFilter(watched, event);
    }

private:
    // Shorter delays than one timer tick cannot be kept.
    void LeaveDelay() {
        std::int32_t delay = 0;
        if (!TryStrToInt(cbDelayTime->currentText().toStdString(), delay) || delay < kDelayStep)
            cbDelayTime->setEditText(QString::number(kDelayStep));
    }

    QCheckBox* chkShowAutomatically;
    QLabel* lblDelayTime;
    QComboBox* cbDelayTime;
    QFrame* shpTransparent;
    QCheckBox* chkTransparent;
    TFocusLabel* lblTransparent;
    QSlider* trkAlpha;
    QGroupBox* grpWhenToHide;
};

}  // namespace

TOptionsPage* CreateWordsListPage(TfmOptions& form) { return new TWordsListPage(form); }

}  // namespace skrivo
