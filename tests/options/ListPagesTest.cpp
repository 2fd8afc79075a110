// The Sound, Macros and Substitutions pages inside the dialog: rows shown and written back, their keys, schemes and sounds.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "host/api/Form.h"
#include "host/api/Widgets.h"
#include "platform/VirtualKeys.h"
#include "options/OptionsDialogSupport.h"
#include "platform/ShortCut.h"
#include "sounds/SoundScheme.h"

namespace skrivo {
namespace {

using test::OptionsDialogTest;

class ListPages : public OptionsDialogTest {
protected:
    void SetUp() override {
        TExpertConfig& cfg = expert.Cfg();
        cfg.MacroList.Clear();
        for (const auto& [name, key] : {std::pair{"wrap", 'W'}, {"bold", 'B'}, {"copy", 0}}) {
            auto macro = std::make_unique<TMacro>();
            macro->SetName(name);
            macro->SetShtcut(key ? static_cast<win::TShortCut>(win::scCtrl | key) : 0);
            macro->FData.WriteBytes(std::string("data of ") + name);
            cfg.MacroList.Add(std::move(macro));
        }
        cfg.SubstList = StringList{"a", "A", "\x01" "b", "B", "c", "C"};
    }

    QStringList Column(const char* list, int column = 0) {
        QStringList out;
        auto* tree = Get<QTreeWidget>(list);
        for (int i = 0; i < tree->topLevelItemCount(); ++i) out << tree->topLevelItem(i)->text(column);
        return out;
    }
    void SelectRow(const char* list, int row) {
        auto* tree = Get<QTreeWidget>(list);
        tree->setCurrentItem(tree->topLevelItem(row));
        host->Windows().SetFocus(host::HandleOfWidget(tree));
    }
    QWidget* Focused() { return host::WidgetOfHandle(host->Windows().GetFocus()); }
    void Page(const char* caption) { form->SetActivePage(form->PageIndexOf(QString::fromUtf8(caption))); }
    TExpertConfig Written() {
        TExpertConfig cfg = expert.Cfg();
        form->WriteBack(cfg);
        return cfg;
    }
};

TEST_F(ListPages, MacroCommandsByKeyAndHeaderWriteBackInRowOrder) {
    Open();
    Page("Macros");
    EXPECT_EQ(Column("lvMacroList", 1), (QStringList{"Ctrl+W", "Ctrl+B", ""}));
    emit Get<QTreeWidget>("lvMacroList")->header()->sectionClicked(0);
    EXPECT_EQ(Column("lvMacroList"), (QStringList{"bold", "copy", "wrap"}));
    SelectRow("lvMacroList", 0);
    host.PressShortCut(win::scCtrl | win::VK_DOWN);
    EXPECT_EQ(Column("lvMacroList"), (QStringList{"copy", "bold", "wrap"}));
    host.Press(win::VK_RETURN);  // edits the name: the keys are the editor's now
    QWidget* editor = Focused();
    ASSERT_NE(qobject_cast<QLineEdit*>(editor), nullptr);
    qobject_cast<QLineEdit*>(editor)->setText("strong");
    host.Press(win::VK_DELETE);  // inside the editor: deletes no macro
    host.Press(win::VK_RETURN);
    host->ProcessMessages();  // the view commits an edit after the key
    EXPECT_EQ(Column("lvMacroList"), (QStringList{"copy", "strong", "wrap"}));
    SelectRow("lvMacroList", 2);
    host.Press(win::VK_DELETE);
    const TExpertConfig cfg = Written();
    ASSERT_EQ(cfg.MacroList.Count(), 2u);
    EXPECT_EQ(cfg.MacroList[1].FName, "strong");
    EXPECT_EQ(std::string(cfg.MacroList[1].GetData(), cfg.MacroList[1].GetSize()), "data of bold");
    EXPECT_EQ(cfg.MacroList[1].FShtcut, win::scCtrl | 'B');
    // Sorting again and back gives the configuration's order.
    emit Get<QTreeWidget>("lvMacroList")->header()->sectionClicked(1);
    emit Get<QTreeWidget>("lvMacroList")->header()->sectionClicked(1);
    EXPECT_EQ(Column("lvMacroList"), (QStringList{"strong", "copy"}));
}

// The search dialog is the options dialog's child window: keys typed in it
// are its own, never the Macros page's commands.
TEST_F(ListPages, KeysTypedInTheSearchDialogStayThere) {
    Open();
    Page("Macros");
    SelectRow("lvMacroList", 0);
    host->SetModalAnswerer([&](host::TForm& shown) {
        auto* pattern = shown.findChild<QLineEdit*>("edPattern");
        host->Windows().SetFocus(host::HandleOfWidget(pattern));
        // As on a display, where the search dialog holds the system's focus.
        QApplication::setActiveWindow(&shown);
        pattern->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), pattern);
        host->TypeText("xy");
        host.Press(win::VK_LEFT);
        host.Press(win::VK_DELETE);
        EXPECT_EQ(pattern->text(), "x");
        shown.findChild<QPushButton*>("btnCancel")->click();
    });
    form->btnSearch->click();
    EXPECT_EQ(Column("lvMacroList"), (QStringList{"wrap", "bold", "copy"}));
}

TEST_F(ListPages, SubstitutionRowsKeepTheirMarkAndFollowTheButtons) {
    Open();
    EXPECT_EQ(Column("lvSubst"), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(Get<QTreeWidget>("lvSubst")->topLevelItem(1)->checkState(0), Qt::Unchecked);
    EXPECT_FALSE(Get<QPushButton>("btnSaveSubst")->isEnabled());
    SelectRow("lvSubst", 0);
    Get<QPushButton>("btnDuplicateSubst")->click();
    Get<QTreeWidget>("lvSubst")->topLevelItem(1)->setCheckState(0, Qt::Unchecked);
    Get<QPushButton>("btnSubstDown")->click();
    host->SetModalAnswerer([](host::TForm& shown) {
        shown.findChild<QLineEdit*>("edTo")->setText("changed");
        shown.findChild<QPushButton*>("btnOK")->click();
    });
    Get<QPushButton>("btnEditSubst")->click();
    EXPECT_EQ(Written().SubstList, (StringList{"a", "A", "\x01" "b", "B", "\x01" "a", "changed", "c", "C"}));
    Get<QPushButton>("btnDeleteSubst")->click();
    EXPECT_EQ(Get<QTreeWidget>("lvSubst")->currentItem()->text(0), "c");
}

TEST_F(ListPages, SchemesAskBeforeLeavingAChangeAndOkSavesIt) {
    const std::string home = expert.AppPath();
    WriteFileAtomic(home + "ding.wav", "RIFF....WAVE");
    WriteFileAtomic(home + "Mine.ss", std::string(kSoundSchemeHeader) + "\r\n" + home + "ding.wav\r\n");
    expert.Cfg().AllowSounds = true;
    Open();
    auto* schemes = Get<QTreeWidget>("lvSchemes");
    ASSERT_EQ(schemes->topLevelItemCount(), 2);
    schemes->setCurrentItem(schemes->topLevelItem(1));
    auto* events = Get<QTreeWidget>("lvEvents");
    EXPECT_EQ(Get<QComboBox>("cbSoundFileName")->currentText(), "");
    events->topLevelItem(seAppear)->setSelected(true);
    EXPECT_EQ(Get<QComboBox>("cbSoundFileName")->currentText().toStdString(), home + "ding.wav");
    EXPECT_TRUE(Get<QPushButton>("btnTestSound")->isEnabled());
    Get<QPushButton>("btnTestSound")->click();
    ASSERT_EQ(host.Sound()->Requests().size(), 1u);
    EXPECT_EQ(host.Sound()->Requests()[0].wave, "RIFF....WAVE");
    // Any other file is a melody; typing its path assigns it to the event.
    WriteFileAtomic(home + "tune.bip", "440\r\n100\r\n");
    Get<QComboBox>("cbSoundFileName")->setEditText("tune.bip");
    EXPECT_EQ(Written().Sounds[seAppear], "tune.bip");
    Get<QPushButton>("btnTestSound")->click();
    ASSERT_EQ(host.Sound()->Requests().size(), 2u);
    EXPECT_EQ(host.Sound()->Requests()[1].frequency, 440u);

    Get<QPushButton>("btnClearSound")->click();
    std::string asked;
    host->SetModalAnswerer([&](host::TForm& shown) {
        asked = shown.findChild<QWidget*>("Message")->property("text").toString().toStdString();
        shown.findChild<QPushButton*>("No")->click();
    });
    schemes->setCurrentItem(schemes->topLevelItem(0));
    EXPECT_EQ(asked, "Selected sound scheme 'Mine'was changed. Save changes?");
    EXPECT_EQ(Written().Sounds, expert.Cfg().Sounds);

    schemes->setCurrentItem(schemes->topLevelItem(1));
    events->topLevelItem(seAppear)->setSelected(true);
    Get<QPushButton>("btnClearSound")->click();
    EXPECT_EQ(Written().Sounds[seAppear], "");
    form->btnOK->click();
    SoundPaths saved{};
    saved[seAppear] = "kept";
    ReadSoundScheme(home, "Mine", home, saved);
    EXPECT_EQ(saved[seAppear], "");
}

}  // namespace
}  // namespace skrivo
