// The options dialog over a configuration: what each page shows and writes back, its enable and input rules, its languages and help.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextEdit>
#include <QTreeWidget>

#include "options/dialog/HelpWindow.h"
#include "options/dialog/HintText.h"
#include "options/dialog/OptionsPage.h"
#include "options/dialog/RadioGroup.h"
#include "options/dialog/help/HelpTables.h"
#include "options/OptionsDialogSupport.h"

namespace skrivo {
namespace {

using test::OptionsDialogTest;

// Every control a user can see and touch explains itself in both languages;
// a table that names a control the page does not have is a table out of step.
TEST_F(OptionsDialogTest, EveryControlHasHelpInBothLanguages) {
    Open();
    for (int i = 0; i < form->PageCount(); ++i) {
        TOptionsPage* page = form->Page(i);
        EXPECT_TRUE(ApplyHelpTable(page, page->Help()).empty()) << page->objectName().toStdString();
        for (QWidget* control : page->findChildren<QWidget*>()) {
            const bool touchable = qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                                   qobject_cast<QComboBox*>(control) || qobject_cast<QTreeWidget*>(control) ||
                                   qobject_cast<QGroupBox*>(control) || qobject_cast<QSlider*>(control) || qobject_cast<QLabel*>(control);
            if (!touchable || control->objectName().isEmpty() || qobject_cast<QRadioButton*>(control)) continue;
            if (qobject_cast<QLineEdit*>(control) && qobject_cast<QComboBox*>(control->parentWidget())) continue;
            const std::string hint = HintOf(control).toStdString();
            EXPECT_FALSE(HintHelp(hint, kEnglish).empty()) << control->objectName().toStdString();
            EXPECT_FALSE(HintHelp(hint, kRussian).empty()) << control->objectName().toStdString();
        }
    }
    EXPECT_TRUE(ApplyHelpTable(form.get(), FrameHelp()).empty());
}

TEST_F(OptionsDialogTest, PrepareThenWriteBackLeavesTheRecordAsItWas) {
    TExpertConfig& cfg = expert.Cfg();
    cfg.Language = 1;
    cfg.KeyComplete = 2;
    cfg.WhatShiftCtrl = 1;
    cfg.DelayTime = 750;
    cfg.AlphaBlendLevel = 99;
    cfg.WordsMaxInList = 321;
    cfg.DoNotShorForShorter = 4;
    cfg.DoNotSuggestShorter = 3;
    cfg.DictionaryLimit = 5000;
    cfg.WhenMouseOver = 3;
    cfg.HideAfterSpace = !cfg.HideAfterSpace;
    cfg.WordsList = StringList{"begin", "!end", " S"};
    cfg.Shortcuts[ShortcutEnglish] = 0x4000 | 'E';
    const std::string before = Saved(cfg, "before.sk");
    Open();
    TExpertConfig written = cfg;
    form->WriteBack(written);
    EXPECT_EQ(Saved(written, "after.sk"), before);
}

TEST_F(OptionsDialogTest, SmartRankingSitsOnTheRulesPageAndIsWrittenBack) {
    expert.Cfg().SmartRanking = true;
    Open();
    auto* box = Get<QCheckBox>("chkSmartRanking");
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(form->PageOf(box), form->PageOf(Get("chkAutoSelect")));
    box->setChecked(false);
    TExpertConfig written = expert.Cfg();
    form->WriteBack(written);
    EXPECT_FALSE(written.SmartRanking);
}

struct ShownCase {
    const char* option;
    const char* value;
    const char* control;
    const char* shown;
};

class ShownValue : public OptionsDialogTest, public ::testing::WithParamInterface<ShownCase> {};

TEST_P(ShownValue, OptionShowsAsTheNearestChoice) {
    expert.store.SetOption(GetParam().option, GetParam().value);
    Open();
    EXPECT_EQ(Get<QComboBox>(GetParam().control)->currentText().toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Choices, ShownValue,
                         ::testing::Values(ShownCase{"DelayTime", "100", "cbDelayTime", "250"},
                                           ShownCase{"DelayTime", "5000", "cbDelayTime", "2000"},
                                           ShownCase{"DelayTime", "1000", "cbDelayTime", "1000"},
                                           ShownCase{"DictionaryLimit", "3000", "cbMaxEntries", "1000"},
                                           ShownCase{"DictionaryLimit", "99", "cbMaxEntries", "100"},
                                           ShownCase{"DictionaryLimit", "60000", "cbMaxEntries", "50000"},
                                           ShownCase{"Language", "1", "cbLanguage", "Русский"}));

TEST_F(OptionsDialogTest, ADictionaryLimitBetweenChoicesIsStoredAsTheShownChoice) {
    expert.Cfg().DictionaryLimit = 3000;
    Open();
    form->WriteBack(expert.Cfg());
    EXPECT_EQ(expert.Cfg().DictionaryLimit, 1000);
}

TEST_F(OptionsDialogTest, ADelayTooShortBecomesTheShortestWhenTheFieldIsLeft) {
    Open();
    auto* edit = Get<QComboBox>("cbDelayTime")->lineEdit();
    edit->clear();
    Type(edit, "8");
    Type(edit, "0");
    EXPECT_EQ(edit->text(), "80");
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(edit, &out);
    EXPECT_EQ(edit->text(), "250");
    form->WriteBack(expert.Cfg());
    EXPECT_EQ(expert.Cfg().DelayTime, 250);
}

TEST_F(OptionsDialogTest, NumericFieldsRefuseOtherKeysWithABeepOnlyWhenBeepOnErrorIsChecked) {
    Open();
    auto* max = Get<QComboBox>("cbWordsMax")->lineEdit();
    max->clear();
    for (const char* digit : {"1", "2", "3", "4", "5"}) Type(max, digit);
    EXPECT_EQ(max->text(), "1234");  // four digits at most
    Get<QCheckBox>("chkBeep")->setChecked(true);
    int beeps = Beeps();
    Type(max, "x");
    Type(max, "", Qt::Key_Backspace);
    EXPECT_EQ(max->text(), "123");
    EXPECT_EQ(Beeps(), beeps + 1);

    auto* shorter = Get<QLineEdit>("edShorter");
    Type(shorter, "7");
    EXPECT_EQ(shorter->text(), "7");
    EXPECT_EQ(shorter->selectedText(), "7");
    Type(shorter, "0");
    Type(shorter, "", Qt::Key_Return);  // swallowed, silently
    EXPECT_EQ(shorter->text(), "7");
    EXPECT_EQ(Beeps(), beeps + 2);

    Get<QCheckBox>("chkBeep")->setChecked(false);
    beeps = Beeps();
    Type(shorter, "q");
    Type(max, "q");
    EXPECT_EQ(Beeps(), beeps);
}

TEST_F(OptionsDialogTest, AnEmptiedNumberKeepsItsOption) {
    expert.Cfg().WordsMaxInList = 500;
    expert.Cfg().DoNotSuggestShorter = -3;
    Open();
    Get<QComboBox>("cbWordsMax")->setEditText("");
    form->WriteBack(expert.Cfg());
    EXPECT_EQ(expert.Cfg().WordsMaxInList, 500);
    EXPECT_EQ(Get<QLineEdit>("edShorter")->text(), "3");  // shown as its size
}

TEST_F(OptionsDialogTest, ASwitchedOffHideAfterWordStaysOffWithItsMark) {
    expert.Cfg().WordsList = StringList{"begin", "!end"};
    Open();
    auto* list = Get<QTreeWidget>("lvWords");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(1)->text(0), "end");
    EXPECT_EQ(list->topLevelItem(1)->checkState(0), Qt::Unchecked);
    list->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    form->WriteBack(expert.Cfg());
    EXPECT_EQ(expert.Cfg().WordsList.Lines(), (std::vector<std::string>{"!begin", "!end"}));
}

TEST_F(OptionsDialogTest, HideAfterWordsAreRemovedAndMovedWithTheirState) {
    expert.Cfg().WordsList = StringList{"a", "!b", "c"};
    Open();
    auto* list = Get<QTreeWidget>("lvWords");
    list->setCurrentItem(list->topLevelItem(1));
    Get<QPushButton>("btnWordDown")->click();
    EXPECT_FALSE(Get<QPushButton>("btnWordDown")->isEnabled());  // now the last
    Get<QPushButton>("btnWordUp")->click();
    Get<QPushButton>("btnWordUp")->click();
    EXPECT_FALSE(Get<QPushButton>("btnWordUp")->isEnabled());
    list->setCurrentItem(list->topLevelItem(2));
    Get<QPushButton>("btnRemoveWord")->click();
    EXPECT_EQ(list->currentItem(), list->topLevelItem(1));  // the last row, as the removed one was
    form->WriteBack(expert.Cfg());
    EXPECT_EQ(expert.Cfg().WordsList.Lines(), (std::vector<std::string>{"!b", "a"}));
}

TEST_F(OptionsDialogTest, EditingAHideAfterWordNeverLeavesAnEmptyOne) {
    expert.Cfg().WordsList = StringList{"a", "b"};
    Open();
    auto* list = Get<QTreeWidget>("lvWords");
    // The row's editor takes typed text; Enter ends the edit.
    auto finishEdit = [&](const QString& text) {
        // Closed editors linger until deleted later: the open one is the newest.
        const QList<QLineEdit*> editors = list->viewport()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
        ASSERT_FALSE(editors.isEmpty());
        QLineEdit* editor = editors.last();
        editor->setText(text);
        Type(editor, "", Qt::Key_Return);
        QApplication::processEvents();  // the view ends an edit from its queue
    };
    auto rows = [&] {
        form->WriteBack(expert.Cfg());
        return expert.Cfg().WordsList.Lines();
    };
    list->setCurrentItem(list->topLevelItem(0));
    Get<QPushButton>("btnNewWord")->click();
    finishEdit("until");
    EXPECT_EQ(rows(), (std::vector<std::string>{"a", "until", "b"}));
    Get<QPushButton>("btnNewWord")->click();
    finishEdit("");  // a new row left empty goes
    EXPECT_EQ(rows(), (std::vector<std::string>{"a", "until", "b"}));
    list->setCurrentItem(list->topLevelItem(2));
    Type(list, "", Qt::Key_F2);
    finishEdit("");  // an edited row left empty keeps its word
    EXPECT_EQ(rows(), (std::vector<std::string>{"a", "until", "b"}));
    list->setCurrentItem(list->topLevelItem(0));
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::ControlModifier);
    QApplication::sendEvent(list, &down);
    Type(list, "", Qt::Key_Delete);
    EXPECT_EQ(rows(), (std::vector<std::string>{"until", "b"}));
    EXPECT_EQ(list->currentItem(), list->topLevelItem(1));
}

TEST_F(OptionsDialogTest, SpinButtonsPassTheCommandsThePageDoesNotOffer) {
    Open();
    auto* memo = Get<QPlainTextEdit>("memoShtcutName");
    std::vector<int> visited;
    for (int step = 0; step < 24; ++step) {
        Get<QPushButton>(step < 12 ? "spnDown" : "spnUp")->click();
        EXPECT_FALSE(memo->toPlainText().startsWith('-')) << memo->toPlainText().toStdString();
        EXPECT_FALSE(memo->toPlainText().contains("Jump") || memo->toPlainText().contains("history"));
    }
    // Down from the first command passes Jump and History to upper case.
    Get<QPushButton>("spnDown")->click();
    Get<QPushButton>("spnDown")->click();
    EXPECT_TRUE(memo->toPlainText().contains("upper case")) << memo->toPlainText().toStdString();
}

struct EnableCase {
    const char* driver;  // a check box (toggled) or "group=index"
    const char* target;
    bool enabledBefore;
    bool enabledAfter;
};

class EnableRule : public OptionsDialogTest, public ::testing::WithParamInterface<EnableCase> {};

TEST_P(EnableRule, DriverSwitchesTarget) {
    TExpertConfig& cfg = expert.Cfg();
    cfg.KeyComplete = 1;
    cfg.WhatShiftCtrl = 0;
    cfg.ShowListAutomatically = true;
    cfg.SemiTransparent = false;
    cfg.DoNotSuggestShorterUsed = false;
    cfg.SelfTeaching = true;
    cfg.WordsFromAllUnits = false;
    cfg.WhenMouseOver = 0;
    cfg.HideAfterWords = true;
    cfg.UseShortcuts = true;
    cfg.AutoCloseBrackets = true;
    Open();
    const EnableCase& c = GetParam();
    EXPECT_EQ(form->Control(c.target)->isEnabled(), c.enabledBefore);
    const std::string driver = c.driver;
    if (const auto eq = driver.find('='); eq != std::string::npos) {
        auto* group = Get<TSKRadioGroup>(driver.substr(0, eq));
        group->Button(std::stoi(driver.substr(eq + 1)))->click();
    } else {
        Get<QCheckBox>(driver)->click();
    }
    EXPECT_EQ(form->Control(c.target)->isEnabled(), c.enabledAfter);
}

INSTANTIATE_TEST_SUITE_P(Rules, EnableRule,
                         ::testing::Values(EnableCase{"grpKeysToComplete=0", "chkTwice", true, false},
                                           EnableCase{"grpKeysToComplete=0", "grpWhatShfCtl", true, false},
                                           EnableCase{"grpWhatShfCtl=2", "chkOtherShftCtrlHides", false, true},
                                           EnableCase{"chkShowAutomatically", "cbDelayTime", true, false},
                                           EnableCase{"chkShowAutomatically", "grpWhenToHide", true, false},
                                           EnableCase{"chkTransparent", "trkAlpha", false, true},
                                           EnableCase{"chkShorter", "edShorter", false, true},
                                           EnableCase{"chkSelfTeaching", "cbMaxEntries", true, false},
                                           EnableCase{"chkSelfTeaching", "grpAutoSave", true, false},
                                           EnableCase{"chkAllUnits", "chkCurrentUnit", true, false},
                                           EnableCase{"grpMouse=2", "chkClickNecessary", false, true},
                                           EnableCase{"chkHideAfterWords", "btnNewWord", true, false},
                                           EnableCase{"chkUseShortcuts", "btnChange", true, false},
                                           EnableCase{"chkUseShortcuts", "spnDown", true, false},
                                           EnableCase{"chkAutoBrackets", "chkSpacesBetween", true, false}));

TEST_F(OptionsDialogTest, ClickingALongCaptionTogglesAndFocusesItsBox) {
    expert.Cfg().AllowBackspace = false;
    Open();
    auto* label = Get<QLabel>("lblAllowRestore");
    const QPoint c = label->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, c, label->mapToGlobal(c), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, c, label->mapToGlobal(c), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &release);
    EXPECT_TRUE(Get<QCheckBox>("chkAllowRestore")->isChecked());
    EXPECT_EQ(form->focusWidget(), Get<QCheckBox>("chkAllowRestore"));
}

TEST_F(OptionsDialogTest, RussianAndBackRelabelsEverythingAndKeepsFixedCaptions) {
    Open();
    auto* language = Get<QComboBox>("cbLanguage");
    auto* tips = Get<QCheckBox>("chkShowTips");
    auto* which = Get<TSKRadioGroup>("grpWhatShfCtl");
    const QString english = tips->text();
    language->setCurrentIndex(1);
    EXPECT_NE(tips->text(), english);
    EXPECT_EQ(which->Items().front(), QString::fromUtf8("Обе"));
    EXPECT_EQ(form->TabCaption(0), QString::fromUtf8("&Общие"));
    EXPECT_EQ(Get<QPushButton>("btnHelp")->text(), "?");  // help only: its caption stays
    QStringList searchCaptions;
    host->SetModalAnswerer([&](host::TForm& shown) {
        searchCaptions = {shown.windowTitle(), shown.findChild<QPushButton*>("btnGo")->text()};
        shown.findChild<QPushButton*>("btnCancel")->click();
    });
    Get<QPushButton>("btnSearch")->click();
    EXPECT_EQ(searchCaptions, (QStringList{QString::fromUtf8("Поиск настройки"), QString::fromUtf8("Перейти")}));
    for (QGroupBox* group : form->findChildren<QGroupBox*>()) {
        if (group->title().isEmpty()) continue;
        EXPECT_TRUE(group->title().startsWith("  ") && group->title().endsWith("  ")) << group->objectName().toStdString();
    }
    language->setCurrentIndex(0);
    EXPECT_EQ(tips->text(), english);
    Get<QPushButton>("btnSearch")->click();
    EXPECT_EQ(searchCaptions, (QStringList{"Search an option", "Go"}));
    EXPECT_EQ(which->Items(), (QStringList{"Any", "Left only", "Right only"}));
    EXPECT_EQ(form->TabCaption(3), "R&ules");
    EXPECT_EQ(form->PageIndexOf("rules"), 3);
    EXPECT_TRUE(Get<TSKRadioGroup>("grpExceedMaxWords")->title().isEmpty());
}

// The help window is modal: the host's answerer sees it while it is up.
class HelpShown : public OptionsDialogTest {
protected:
    void SetUp() override {
        host->SetModalAnswerer([this](host::TForm& shown) {
            if (auto* help = dynamic_cast<TfmHelp*>(&shown)) {
                texts.push_back(help->memHelp->toPlainText().toStdString());
                rects.push_back(help->geometry());
                targets.push_back(help->TargetRect());
            }
        });
    }
    std::vector<std::string> texts;
    std::vector<QRect> rects;
    std::vector<QRect> targets;
};

TEST_F(HelpShown, ARightClickOnADisabledBoxShowsItsHelp) {
    expert.Cfg().KeyComplete = 0;  // ENTER: "twice" is disabled
    Open();
    form->SetActivePage(form->PageOf(Get("chkTwice")));
    auto* twice = Get<QCheckBox>("chkTwice");
    ASSERT_FALSE(twice->isEnabled());
    const QPoint c = twice->rect().center();
    QMouseEvent release(QEvent::MouseButtonRelease, c, twice->mapToGlobal(c), Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(twice, &release);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], HintHelp(HintOf(twice).toStdString(), kEnglish));
    EXPECT_FALSE(texts[0].empty());
    // A left click explains nothing, but "?" explains the right-click.
    form->RMouseUp(twice, Qt::LeftButton);
    EXPECT_EQ(texts.size(), 1u);
    Get<QPushButton>("btnHelp")->click();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_NE(texts[1].find("Right-click"), std::string::npos);
}

TEST_F(HelpShown, HelpNearTheScreenBottomOpensAboveTheControl) {
    Open();
    auto* ok = Get<QPushButton>("btnOK");
    form->move(100, 50);
    form->RMouseUp(ok, Qt::RightButton);
    const QRect below = ok->geometry().translated(form->pos());
    ASSERT_EQ(targets.size(), 1u);
    EXPECT_EQ(targets[0].top(), ok->mapToGlobal(QPoint(0, ok->height())).y());
    form->move(100, host->Screen().Height() - form->height());
    form->RMouseUp(ok, Qt::RightButton);
    ASSERT_EQ(targets.size(), 2u);
    EXPECT_EQ(targets[1].bottom() + 1, ok->mapToGlobal(QPoint(0, 0)).y());
    EXPECT_EQ(rects[1].top(), targets[1].top());
    (void)below;
}

TEST_F(HelpShown, AnimatedHelpGrowsOnTheClockToItsHeight) {
    expert.Cfg().AnimatedTooltips = true;
    Open();
    host->SetModalAnswerer([this](host::TForm& shown) {
        auto* help = dynamic_cast<TfmHelp*>(&shown);
        if (!help) return;
        rects.push_back(help->geometry());
        host->AdvanceClock(25);
        rects.push_back(help->geometry());
        host->AdvanceClock(2000);
        rects.push_back(help->geometry());
        targets.push_back(help->TargetRect());
    });
    form->RMouseUp(Get<QWidget>("chkShowTips"), Qt::RightButton);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_LT(rects[0].height(), rects[1].height());
    EXPECT_EQ(rects[2].height(), targets[0].height());
}

}  // namespace
}  // namespace skrivo
