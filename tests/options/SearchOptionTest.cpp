// The option search over a small paged dialog, and the substitution dialog's keys.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

#include "host/api/Widgets.h"
#include "host/services/WindowsServices.h"
#include "options/MergeDialogTest.h"
#include "options/NewSubst.h"
#include "options/SearchOption.h"

namespace skrivo {
namespace {

using host::TForm;

// Two pages; "Hide" appears in captions, in a label repeating its check
// box, in a hint only, on a disabled control and on a hidden one.
class PagedDialog : public TForm {
public:
    PagedDialog() : TForm("TfmOptions", "fmOptions") {
        resize(485, 322);
        pages = new QStackedWidget(this);
        pages->setGeometry(30, 20, 440, 260);
        first = Page("shtWords");
        second = Page("shtSound");
        hideWhenNone = Check(first, "chkHideNoSuggestions", "Hide when no suggestions", 10);
        Control<QLabel>(first, "lblHideNoSuggestions", "Hide when no suggestions", 40);
        Check(first, "chkShowAutomatically", "Show words list &automatically", 70)
            ->setProperty("hint", "Shows the list by itself.\r\nHide it with Escape.\r\n||\r\n...");
        Check(first, "chkGone", "Hide me too", 100)->hide();
        auto* group = Control<QGroupBox>(first, "grpMouse", "  Mouse  ", 130);
        new QRadioButton("Hide words list window", group);
        beep = Check(second, "chkBeep", "Beep on error", 10);
        hideAfterSound = Check(second, "chkHideAfterSound", "Hide after a sound", 40);
        hideAfterSound->setEnabled(false);
        hideAfterWords = Check(second, "chkHideAfterWords", "Hide after words:", 70);
        show();
    }

    QWidget* Page(const char* name) {
        auto* page = new QWidget;
        page->setObjectName(name);
        pages->addWidget(page);
        return page;
    }
    template <class W>
    W* Control(QWidget* page, const char* name, const char* caption, int top) {
        auto* w = new W(QString::fromUtf8(caption), page);
        w->setObjectName(name);
        w->setGeometry(8, top, 200, 20);
        return w;
    }
    QCheckBox* Check(QWidget* page, const char* name, const char* caption, int top) {
        return Control<QCheckBox>(page, name, caption, top);
    }

    QStackedWidget* pages;
    QWidget* first;
    QWidget* second;
    QCheckBox* hideWhenNone;
    QCheckBox* beep;
    QCheckBox* hideAfterSound;
    QCheckBox* hideAfterWords;
};

class SearchOptionTest : public test::MergeDialogTest {
protected:
    QStringList Rows(const QString& pattern, bool inHints) {
        search.edPattern->setText(pattern);
        search.chkSearchInHints->setChecked(inHints);
        search.btnFind->click();
        QStringList rows;
        for (int i = 0; i < search.lvFoundOptions->count(); ++i) rows << search.lvFoundOptions->item(i)->text();
        return rows;
    }
    int Beeps() { return host->WindowsImpl().MessageBeepCount(); }

    static TOptionSearchTarget Over(QWidget* dialog) {
        TOptionSearchTarget target;  // the rest by default
        target.dialog = dialog;
        return target;
    }

    PagedDialog dialog;
    TfmSearchOption search{Over(&dialog)};
};

TEST_F(SearchOptionTest, CaptionsFindVisibleControlsOnEveryPageAndHintsOnlyWhenAsked) {
    EXPECT_EQ(Rows("HIDE", false), (QStringList{"Hide when no suggestions", "Mouse", "Hide after a sound", "Hide after words:"}));
    EXPECT_EQ(Rows("hide", true), (QStringList{"Hide when no suggestions", "Show words list automatically", "Mouse",
                                               "Hide after a sound", "Hide after words:"}));
    // The accelerator's "&" does not split a word.
    EXPECT_EQ(Rows("automatically", false), QStringList{"Show words list automatically"});
    EXPECT_TRUE(search.btnGo->isEnabled());
    EXPECT_EQ(search.FoundControl(0), dialog.findChild<QWidget*>("chkShowAutomatically"));
}

TEST_F(SearchOptionTest, ALabelRepeatingItsCheckBoxStaysWhenAloneInTheResult) {
    dialog.hideWhenNone->setText("Hide if the list is empty");
    EXPECT_EQ(Rows("no suggestions", false), QStringList{"Hide when no suggestions"});
    EXPECT_EQ(search.FoundControl(0), dialog.findChild<QWidget*>("lblHideNoSuggestions"));
}

TEST_F(SearchOptionTest, GoBringsThePageForwardAndFocusesOnlyAnEnabledControl) {
    struct Case {
        const char* pattern;
        QCheckBox* PagedDialog::*control;
        bool focused;
    };
    for (const Case& c : {Case{"after a sound", &PagedDialog::hideAfterSound, false},
                          Case{"after words", &PagedDialog::hideAfterWords, true},
                          Case{"no suggestions", &PagedDialog::hideWhenNone, true}}) {
        SCOPED_TRACE(c.pattern);
        QCheckBox* control = dialog.*c.control;
        dialog.pages->setCurrentIndex(control->parentWidget() == dialog.first ? 1 : 0);
        dialog.beep->setFocus();
        ASSERT_EQ(Rows(c.pattern, false).size(), 1);
        search.btnGo->click();
        EXPECT_EQ(dialog.pages->currentWidget(), control->parentWidget());
        EXPECT_EQ(dialog.focusWidget() == control, c.focused);
        win::TPoint cursor{};
        host->Windows().GetCursorPos(cursor);
        EXPECT_EQ(QPoint(cursor.x, cursor.y), control->mapToGlobal(control->rect().center()));
    }
}

TEST_F(SearchOptionTest, NothingFoundBeepsOnlyWithBeepOnError) {
    for (const bool beepOnError : {false, true}) {
        dialog.beep->setChecked(beepOnError);
        const int before = Beeps();
        EXPECT_TRUE(Rows("no such option", true).isEmpty());
        EXPECT_FALSE(search.btnGo->isEnabled());
        EXPECT_EQ(Beeps() - before, beepOnError ? 1 : 0);
        Rows("beep", false);
        EXPECT_EQ(Beeps() - before, beepOnError ? 1 : 0);
    }
}

TEST_F(SearchOptionTest, ExecuteHandsSearchInHintsOverAndBackAndEnterFinds) {
    host->SetModalAnswerer([&](TForm& shown) {
        EXPECT_EQ(&shown, &search);
        EXPECT_FALSE(search.chkSearchInHints->isChecked());
        EXPECT_FALSE(search.btnFind->isEnabled());
        search.edPattern->setFocus();
        host->TypeText("after words\r");
        ASSERT_EQ(search.lvFoundOptions->count(), 1);
        search.chkSearchInHints->setChecked(true);
        search.btnGo->click();
    });
    EXPECT_TRUE(search.Execute(false));
    EXPECT_EQ(search.ModalResult(), host::mrOk);
}

TEST_F(SearchOptionTest, NewSubstWalksBetweenItsLinesAndGivesTheTextsBackOnOk) {
    std::string from = "wh ", to = "while | do";
    host->SetModalAnswerer([&](TForm& shown) {
        auto& form = dynamic_cast<TfmNewSubst&>(shown);
        EXPECT_EQ(form.Caption(), "Define substitution");
        EXPECT_TRUE(form.edFrom->font().fixedPitch());
        EXPECT_TRUE(form.btnOK->isDefault());
        EXPECT_EQ(host::WidgetOfHandle(host->Windows().GetFocus()), form.edFrom);
        host->PressKey(win::VK_DOWN);
        EXPECT_EQ(host::WidgetOfHandle(host->Windows().GetFocus()), form.edTo);
        host->PressKey(win::VK_DOWN);
        EXPECT_EQ(host::WidgetOfHandle(host->Windows().GetFocus()), form.edTo);
        host->TypeText("!");
        host->PressKey(win::VK_UP);
        EXPECT_EQ(host::WidgetOfHandle(host->Windows().GetFocus()), form.edFrom);
        host->TypeText("x\r");
    });
    ASSERT_TRUE(AskSubstitution(from, to));
    EXPECT_EQ(from, "x");
    EXPECT_EQ(to, "while | do!");
    host->SetModalAnswerer([&](TForm& shown) { dynamic_cast<TfmNewSubst&>(shown).btnCancel->click(); });
    EXPECT_FALSE(AskSubstitution(from, to));
    EXPECT_EQ(from, "x");
}

}  // namespace
}  // namespace skrivo
