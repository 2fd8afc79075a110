// The suggestion list window on the offscreen host: size and place, activation and focus, list keys, mouse, sound mailbox, opacity, drawing.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QScrollBar>

#include <memory>
#include <string>
#include <vector>

#include "suggest/SuggestWindow.h"
#include "host/testing/OffscreenHost.h"
#include "platform/VirtualKeys.h"

namespace skrivo {
namespace {

using host::testing::OffscreenHost;
using win::TPoint;
using win::TRect;

SuggestionListContent Words(std::vector<std::string> words, int selected, int focused) {
    SuggestionListContent content;
    int index = 1;
    for (const std::string& word : words) content.Add(word, index++);
    content.selected = selected;
    content.focused = focused;
    return content;
}

SuggestionListContent Numbered(int count, int selected, int focused) {
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) words.push_back("Word" + std::to_string(10 + i));
    return Words(std::move(words), selected, focused);
}

class SuggestWindowTest : public ::testing::Test {
protected:
    OffscreenHost host;
    std::unique_ptr<TfmSuggest> list = std::make_unique<TfmSuggest>();

    host::IWindows& Windows() { return host->Windows(); }
    SuggestScreen Screen() { return HostSuggestScreen(host.Host()); }

    // Fills, sizes and shows the list the way the expert does, without
    // letting it take the activation.
    void Show(const SuggestionListContent& content, TPoint caret = {200, 300}) {
        list->Fill(content);
        list->SizeAndPlace(caret, 16, Screen());
        list->FShown = false;
        list->show();
        list->BringToFront();
        list->FShown = true;
        host->ProcessMessages();
    }
    // The middle of a row on the screen.
    TPoint RowOnScreen(int row) {
        const TRect bounds = list->BoundsRect();
        return {bounds.left + 20, bounds.top + (row - list->lvWords->TopIndex()) * kSuggestRowHeight + 8};
    }
    win::LRESULT PerformKey(win::WORD vk) {
        host::IControl* control = Windows().FindControl(list->lvWords->Handle());
        EXPECT_NE(control, nullptr);
        if (!control) return 0;
        control->Perform(win::WM_KEYDOWN, vk, win::MakeKeyLParam(0));
        return control->Perform(win::WM_KEYUP, vk, win::MakeKeyLParam(0, true));
    }
};

TEST_F(SuggestWindowTest, IsABorderlessStayOnTopToolFormThatNeverActivates) {
    EXPECT_EQ(list->ClassName(), "TfmSuggest");
    EXPECT_EQ(list->Name(), "fmSuggest");
    EXPECT_EQ(list->Caption(), "fmSuggest");
    EXPECT_EQ(list->BoundsRect(), (TRect{385, 78, 546, 192}));
    EXPECT_TRUE(list->StayOnTop());
    EXPECT_TRUE(list->NoActivate());
    EXPECT_TRUE(list->windowFlags() & Qt::FramelessWindowHint);
    host::IControl* words = list->FindComponent("lvWords");
    ASSERT_NE(words, nullptr);
    EXPECT_EQ(words->ClassName(), "TListView");
    EXPECT_EQ(words->Handle(), list->lvWords->Handle());
    EXPECT_TRUE(list->lvWords->font().bold());
    EXPECT_EQ(list->lvWords->font().pixelSize(), 11);
    EXPECT_EQ(list->lvWords->focusPolicy(), Qt::NoFocus);
}

TEST_F(SuggestWindowTest, TwelveItemsShowEightRowsAndScroll) {
    Show(Numbered(12, 0, 0));
    EXPECT_EQ(list->BoundsRect().Height(), 8 * 17 + 5);
    EXPECT_EQ(list->lvWords->VisibleRowCount(), 8);
    EXPECT_TRUE(list->lvWords->verticalScrollBar()->isVisible());
    EXPECT_EQ(list->lvWords->verticalScrollBar()->width(), Windows().GetSystemMetrics(win::SM_CXVSCROLL));
    // The scroll bar gets its own room beside the words and the column.
    const int width = list->BoundsRect().Width();
    EXPECT_EQ(width, std::max(80, list->WidestCaptionWidth() + 17 + 4 + 8));
    EXPECT_EQ(list->lvWords->ColumnWidth(), width - 2 - 17 - 1);  // inside the border

    list->lvWords->MakeVisible(11);
    EXPECT_EQ(list->lvWords->TopIndex(), 4);
    EXPECT_EQ(list->ItemAtScreen(RowOnScreen(4)), 4);
    EXPECT_EQ(list->ItemAtScreen(RowOnScreen(11)), 11);
    list->lvWords->MakeVisible(2);
    EXPECT_EQ(list->lvWords->TopIndex(), 2);
    // The row cut off below the eighth is no target for the mouse.
    EXPECT_EQ(list->ItemAtScreen({RowOnScreen(2).x, list->BoundsRect().bottom - 2}), -1);
}

TEST_F(SuggestWindowTest, SelectedItemIsScrolledIntoViewAlsoWhileHidden) {
    Show(Numbered(3, 0, 0));
    list->hide();
    list->Fill(Numbered(12, 10, 10));
    list->SizeAndPlace({200, 300}, 16, Screen());
    EXPECT_EQ(list->lvWords->VisibleRowCount(), 8);
    list->lvWords->MakeVisible(10);
    EXPECT_EQ(list->lvWords->TopIndex(), 3);
    list->show();
    host->ProcessMessages();
    EXPECT_EQ(list->lvWords->TopIndex(), 3);
    EXPECT_EQ(list->ItemAtScreen(RowOnScreen(10)), 10);
}

TEST_F(SuggestWindowTest, OneItemGivesOneRowAtLeastEightyWide) {
    Show(Words({"if"}, 0, 0));
    EXPECT_EQ(list->BoundsRect().Height(), 17 + 5);
    EXPECT_EQ(list->BoundsRect().Width(), 80);
    EXPECT_EQ(list->lvWords->VisibleRowCount(), 1);
    EXPECT_FALSE(list->lvWords->verticalScrollBar()->isVisible());
    EXPECT_EQ(list->ItemAtScreen(RowOnScreen(0)), 0);
    EXPECT_EQ(list->ItemAtScreen({list->BoundsRect().left + 5, list->BoundsRect().bottom - 2}), -1);
}

TEST_F(SuggestWindowTest, WidthFollowsTheWidestCaptionInTheBoldFont) {
    const std::string longest = "TCustomSuggestionListWindowWithALongName";
    Show(Words({"Caption", longest, "Cardinal"}, 0, 0));
    const int bold = list->CaptionWidth(longest);
    QFont regular = list->lvWords->font();
    regular.setBold(false);
    EXPECT_GT(bold, QFontMetrics(regular).horizontalAdvance(QString::fromStdString(longest)));
    EXPECT_EQ(list->WidestCaptionWidth(), bold);
    EXPECT_EQ(list->BoundsRect().Width(), bold + 8);
    EXPECT_EQ(list->lvWords->ColumnWidth(), bold + 8 - 2 - 1);
}

// Wide letters may make a shorter caption the widest: the width is that of
// the widest caption whatever the lengths.
TEST_F(SuggestWindowTest, WidestCaptionIsFoundAmongLongAndWideOnes) {
    const std::vector<std::vector<std::string>> lists = {
        {"illlllllll", "WMWMWMWM", "ll"},
        {"WMWMWMWM", "iiiiiiiiii"},
        {"a", "WMW", "iiiiii", "MWMW", "jjjjjjj"},
        {"same", "Same", "SAME"},
        // A tab is many letters wide; where it stands in the list's text
        // (first eight bytes, later ones, the last few) must not matter.
        {"abcdefghijkl", "a\t\tb"},
        {"abcdefghijklmnopq", "xyz", "a\t\tb"},
        {"abcdefghijklmnop", "xy", "\x89\x89\x89\x89\x89"},
    };
    for (const auto& words : lists) {
        list->Fill(Words(words, 0, 0));
        int widest = 0;
        for (const std::string& w : words) widest = std::max(widest, list->CaptionWidth(w));
        EXPECT_EQ(list->WidestCaptionWidth(), widest) << words.front();
    }
}

// Rows shown from shared words: the width is that of the widest shown one,
// whichever of them the list leaves out, filled again and again from the
// same words or from others.
TEST_F(SuggestWindowTest, WidestCaptionAmongSharedWordsIsThatOfTheShownOnes) {
    const std::vector<std::vector<std::string>> blocks = {
        {"illlllllll", "WMWMWMWM", "ll", "WMWMWMWM"},
        {"a", "WMW", "iiiiii", "MWMW", "jjjjjjj", "iiiiiiiiiiiiiiii"},
        {"abcdefghijklmnopq", "xyz", "a\t\tb"},
        {"abcdefghijklmnop", "xy", "\x89\x89\x89\x89\x89"},
    };
    for (const auto& words : blocks) {
        auto shared = std::make_shared<SharedSuggestionWords>();
        for (const std::string& w : words) {
            shared->rows.push_back({static_cast<std::uint32_t>(shared->text.size()), static_cast<std::uint32_t>(w.size())});
            shared->text += w;
        }
        shared->tabOrHighByte = HoldsTabOrHighByte(shared->text);
        // Each word left out in turn, then none.
        for (std::uint32_t hidden = 0; hidden <= words.size(); ++hidden) {
            SuggestionListContent content;
            content.Add("own", 1);
            std::vector<std::uint32_t> order{SuggestionListContent::OwnRow(0)};
            int widest = list->CaptionWidth("own");
            for (std::uint32_t i = 0; i < words.size(); ++i)
                if (i != hidden) {
                    order.push_back(i);
                    widest = std::max(widest, list->CaptionWidth(words[i]));
                }
            content.Show(shared, nullptr, order);
            list->Fill(std::move(content));
            EXPECT_EQ(list->WidestCaptionWidth(), widest) << words.front() << " without " << hidden;
        }
    }
}

// Shared words made from the last measured ones by a few edits: what was
// measured carries over, a word put in is measured, one taken out is gone.
TEST_F(SuggestWindowTest, WidestCaptionFollowsSharedWordsEditedSinceTheyWereMeasured) {
    auto make = [](const std::vector<std::string>& words) {
        auto shared = std::make_shared<SharedSuggestionWords>();
        for (const std::string& w : words) {
            shared->rows.push_back({static_cast<std::uint32_t>(shared->text.size()), static_cast<std::uint32_t>(w.size())});
            shared->text += w;
        }
        return shared;
    };
    auto fill = [&](const std::shared_ptr<SharedSuggestionWords>& shared, const std::vector<std::string>& words) {
        SuggestionListContent content;
        std::vector<std::uint32_t> order;
        int widest = 0;
        for (std::uint32_t i = 0; i < words.size(); ++i) {
            order.push_back(i);
            widest = std::max(widest, list->CaptionWidth(words[i]));
        }
        content.Show(shared, nullptr, order);
        list->Fill(std::move(content));
        EXPECT_EQ(list->WidestCaptionWidth(), widest) << words.front();
    };
    constexpr std::uint32_t kNew = SharedSuggestionWords::kNew;
    const std::vector<std::string> first = {"iiiiiiiiiiiiiiii", "WMWMWMWMWM", "abc", "WMWMWMWMWMWM"};
    auto a = make(first);
    fill(a, first);
    // The widest taken out, a wider one put in at the front.
    const std::vector<std::string> second = {"WWWWWWWWWWWWWWWWWW", "iiiiiiiiiiiiiiii", "WMWMWMWMWM", "abc"};
    auto b = make(second);
    b->madeFrom = a;
    b->madeFromIndex = {kNew, 0, 1, 2};
    fill(b, second);
    // The widest taken out again: the one before it is the widest now.
    const std::vector<std::string> third = {"iiiiiiiiiiiiiiii", "WMWMWMWMWM", "abc", "ab"};
    auto c = make(third);
    c->madeFrom = b;
    c->madeFromIndex = {1, 2, 3, kNew};
    fill(c, third);
}

TEST_F(SuggestWindowTest, PlacedBelowTheCaretLineOrFlushRightAndAboveNearTheScreenEdges) {
    Show(Numbered(3, 0, 0), {300, 400});
    EXPECT_EQ(list->BoundsRect().left, 300);
    EXPECT_EQ(list->BoundsRect().top, 416);

    list->hide();
    Show(Numbered(3, 0, 0), {1275, 1000});
    const TRect bounds = list->BoundsRect();
    EXPECT_EQ(bounds.right, host->Screen().Width());
    EXPECT_EQ(bounds.bottom, 1000);  // above the caret line
    TRect reported{};
    ASSERT_TRUE(Windows().GetWindowRect(list->Handle(), reported));
    EXPECT_EQ(reported, bounds);
}

TEST_F(SuggestWindowTest, ShowingLeavesTheActivationAndTheFocusWithTheEditor) {
    host.OpenText("Unit1.pas", "beg|");
    const win::HWND focus = Windows().GetFocus();
    ASSERT_EQ(host->Screen().ActiveForm()->ClassName(), "TEditWindow");
    Show(Words({"begin", "BeginUpdate"}, 0, 0));

    EXPECT_EQ(host->Screen().ActiveForm()->ClassName(), "TEditWindow");
    EXPECT_EQ(Windows().GetFocus(), focus);
    EXPECT_EQ(Windows().GetClassName(Windows().GetForegroundWindow(), 64), "TEditWindow");
    std::vector<std::string> front;
    Windows().EnumWindows([&](win::HWND hwnd) {
        if (Windows().IsWindowVisible(hwnd)) front.push_back(Windows().GetClassName(hwnd, 64));
        return true;
    });
    EXPECT_EQ(front, (std::vector<std::string>{"TfmSuggest", "TEditWindow"}));
    EXPECT_EQ(Windows().SetActiveWindow(list->Handle()), win::HWND{0});

    host.Type("i");
    EXPECT_EQ(host.TextWithCursor(), "begi|");
    EXPECT_EQ(list->lvWords->Selected(), 0);

    // Clicking a word does not activate the list either.
    host->MoveMouse(RowOnScreen(1).x, RowOnScreen(1).y);
    host->Click();
    EXPECT_EQ(list->lvWords->Selected(), 1);
    EXPECT_EQ(host->Screen().ActiveForm()->ClassName(), "TEditWindow");
    EXPECT_EQ(Windows().GetFocus(), focus);
}

TEST_F(SuggestWindowTest, ActivationWhileBeingShownGoesBackToTheWindowThatLostIt) {
    host.OpenText("Unit1.pas", "x");
    const win::HWND editWindow = host->Screen().ActiveForm()->Handle();
    host::TForm dialog("TfmDialog", "fmDialog");
    dialog.show();
    ASSERT_EQ(host->Screen().ActiveForm(), &dialog);
    host::IApplication& app = host->Application();

    list->FShown = true;
    app.SendMessage(list->Handle(), win::WM_ACTIVATE, win::WA_ACTIVE, static_cast<win::LPARAM>(editWindow));
    EXPECT_EQ(host->Screen().ActiveForm(), &dialog);

    list->FShown = false;
    app.SendMessage(list->Handle(), win::WM_ACTIVATE, win::WA_INACTIVE, static_cast<win::LPARAM>(editWindow));
    app.SendMessage(list->Handle(), win::WM_ACTIVATE, win::WA_CLICKACTIVE, static_cast<win::LPARAM>(editWindow));
    EXPECT_EQ(host->Screen().ActiveForm(), &dialog);
    app.SendMessage(list->Handle(), win::WM_ACTIVATE, win::WA_ACTIVE, static_cast<win::LPARAM>(editWindow));
    EXPECT_EQ(host->Screen().ActiveForm()->Handle(), editWindow);
}

TEST_F(SuggestWindowTest, FirstArrowWithNothingSelectedSelectsTheFocusedItem) {
    Show(Numbered(5, -1, 2));
    PerformKey(win::VK_DOWN);
    EXPECT_EQ(list->lvWords->Selected(), 2);
    EXPECT_EQ(list->lvWords->ItemFocused(), 2);
    PerformKey(win::VK_DOWN);
    EXPECT_EQ(list->lvWords->Selected(), 3);
    EXPECT_EQ(list->lvWords->ItemFocused(), 3);

    // Nothing focused either: the first item, also for Up.
    Show(Numbered(5, -1, -1));
    PerformKey(win::VK_UP);
    EXPECT_EQ(list->lvWords->Selected(), 0);
    PerformKey(win::VK_DOWN);
    EXPECT_EQ(list->lvWords->Selected(), 1);
    EXPECT_EQ(list->lvWords->ItemFocused(), 1);
}

TEST_F(SuggestWindowTest, ListKeysMoveTheSelectionAndKeepItInView) {
    Show(Numbered(12, 0, 0));
    PerformKey(win::VK_END);
    EXPECT_EQ(list->lvWords->Selected(), 11);
    EXPECT_EQ(list->lvWords->TopIndex(), 4);
    PerformKey(win::VK_HOME);
    EXPECT_EQ(list->lvWords->Selected(), 0);
    EXPECT_EQ(list->lvWords->TopIndex(), 0);
    PerformKey(win::VK_NEXT);
    EXPECT_EQ(list->lvWords->Selected(), 7);
    EXPECT_EQ(list->lvWords->TopIndex(), 0);
    PerformKey(win::VK_NEXT);
    EXPECT_EQ(list->lvWords->Selected(), 11);
    EXPECT_EQ(list->lvWords->TopIndex(), 4);
    PerformKey(win::VK_PRIOR);
    EXPECT_EQ(list->lvWords->Selected(), 4);
    PerformKey(win::VK_UP);
    EXPECT_EQ(list->lvWords->Selected(), 3);
    EXPECT_EQ(list->lvWords->TopIndex(), 3);
    // Keys that are no list keys leave it alone.
    PerformKey(win::VK_LEFT);
    PerformKey('A');
    EXPECT_EQ(list->lvWords->Selected(), 3);
    EXPECT_EQ(list->lvWords->ItemFocused(), 3);
}

TEST_F(SuggestWindowTest, MovingTheMouseSelectsOnlyWithMouseSelect) {
    Show(Numbered(6, 0, 0));
    host->MoveMouse(RowOnScreen(3).x, RowOnScreen(3).y);
    EXPECT_EQ(list->lvWords->Selected(), 0);

    list->FMouseSelect = true;
    host->MoveMouse(RowOnScreen(3).x, RowOnScreen(3).y);
    EXPECT_EQ(list->lvWords->Selected(), 3);
    EXPECT_EQ(list->lvWords->ItemFocused(), 3);
    // Below the last row there is no item: the selection stays.
    Show(Numbered(2, 0, 0));
    list->FMouseSelect = true;
    const TRect bounds = list->BoundsRect();
    host->MoveMouse(bounds.left + 10, bounds.bottom - 2);
    EXPECT_EQ(list->lvWords->Selected(), 0);
}

TEST_F(SuggestWindowTest, AClickSelectsAndReportsOnceADoubleClickReportsItsOwnEvent) {
    Show(Numbered(6, 0, 0));
    int clicks = 0;
    int doubleClicks = 0;
    std::vector<int> selectedAtClick;
    list->lvWords->OnClick = [&] {
        ++clicks;
        selectedAtClick.push_back(list->lvWords->Selected());
    };
    list->lvWords->OnDblClick = [&] { ++doubleClicks; };

    host->MoveMouse(RowOnScreen(2).x, RowOnScreen(2).y);
    host->Click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 0);
    EXPECT_EQ(selectedAtClick, (std::vector<int>{2}));

    host->MoveMouse(RowOnScreen(4).x, RowOnScreen(4).y);
    host->DoubleClick();
    EXPECT_EQ(clicks, 2);  // the first half of the double click
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(list->lvWords->Selected(), 4);

    // Without handlers a click only selects.
    list->lvWords->OnClick = nullptr;
    list->lvWords->OnDblClick = nullptr;
    host->MoveMouse(RowOnScreen(1).x, RowOnScreen(1).y);
    host->DoubleClick();
    EXPECT_EQ(list->lvWords->Selected(), 1);
    EXPECT_EQ(clicks, 2);
}

TEST_F(SuggestWindowTest, SoundRequestsArriveThroughTheMessageQueueEvenWhenNeverShown) {
    std::vector<int> played;
    list->OnPlaySnd = [&](TSoundEvent event) { played.push_back(event); };
    host::IApplication& app = host->Application();
    ASSERT_FALSE(list->isVisible());
    ASSERT_TRUE(app.PostMessage(list->Handle(), 1025, 7, 0));
    EXPECT_TRUE(played.empty());  // not while the key that asked is handled
    host->ProcessMessages();
    EXPECT_EQ(played, (std::vector<int>{7}));

    // Numbers that are no sound event are dropped.
    app.PostMessage(list->Handle(), 1025, 12, 0);
    app.PostMessage(list->Handle(), 1025, static_cast<win::WPARAM>(-1), 0);
    app.PostMessage(list->Handle(), 1025, 11, 0);
    app.PostMessage(list->Handle(), 1025, 0, 0);
    host->ProcessMessages();
    EXPECT_EQ(played, (std::vector<int>{7, 11, 0}));

    // Without a handler the message is simply taken.
    list->OnPlaySnd = nullptr;
    app.PostMessage(list->Handle(), 1025, 3, 0);
    host->ProcessMessages();
    EXPECT_EQ(played.size(), 3u);
}

TEST_F(SuggestWindowTest, OpacityIsSetThroughTheForm) {
    Show(Numbered(3, 0, 0));
    Windows().SetWindowAlpha(list->Handle(), SuggestMouseOverAlpha(true, true, 220));
    EXPECT_EQ(list->Alpha(), 165);
    EXPECT_NEAR(list->windowOpacity(), 165.0 / 255.0, 0.01);
    Windows().SetWindowAlpha(list->Handle(), SuggestMouseOverAlpha(false, false, 220));
    EXPECT_EQ(Windows().GetWindowAlpha(list->Handle()), 255);
    EXPECT_DOUBLE_EQ(list->windowOpacity(), 1.0);
}

TEST_F(SuggestWindowTest, FillingReplacesTheItemsAndStartsAtTheTop) {
    Show(Numbered(12, 11, 11));
    list->lvWords->MakeVisible(11);
    ASSERT_EQ(list->lvWords->TopIndex(), 4);
    list->Fill(Words({"Caption", "Cardinal"}, -1, 1));
    EXPECT_EQ(list->lvWords->Count(), 2);
    EXPECT_EQ(list->lvWords->TopIndex(), 0);
    EXPECT_EQ(list->lvWords->Selected(), -1);
    EXPECT_EQ(list->lvWords->ItemFocused(), 1);
    EXPECT_EQ(list->lvWords->Caption(1), "Cardinal");
    EXPECT_EQ(list->lvWords->Data(1), 2);
    EXPECT_EQ(list->lvWords->Caption(2), "");
    EXPECT_EQ(list->lvWords->Data(-1), 0);
    // The order given is the order shown: no sorting of its own.
    list->Fill(Words({"zeta", "Alpha", "beta"}, 0, 0));
    EXPECT_EQ(list->lvWords->Caption(0), "zeta");
    EXPECT_EQ(list->lvWords->Caption(2), "beta");
    // An index outside the items selects nothing.
    list->lvWords->SetSelected(7);
    EXPECT_EQ(list->lvWords->Selected(), -1);
}

TEST_F(SuggestWindowTest, CaptionsInCodePage1252ReachTheScreenAndBack) {
    const std::string word = "Gr\xFC\xDF" "e";  // "Grüße" in code page 1252
    Show(Words({word}, 0, 0));
    EXPECT_EQ(list->lvWords->Caption(0), word);
    EXPECT_EQ(list->lvWords->ScreenCaption(0), QString::fromUtf8("Gr\xC3\xBC\xC3\x9F" "e"));
}

// The selected row in highlight colours, its caption clear of the highlight's
// edges also when it is the widest, and the bottom row's highlight reaching
// the border (no strip of the list's white under it).
TEST_F(SuggestWindowTest, RowsAreDrawnWithTheSelectionInHighlightColours) {
    Show(Words({"Case", "Caption", "Cardinal"}, 2, 2));
    const QImage image = list->grab().toImage();
    ASSERT_EQ(image.height(), 3 * 17 + 5);
    const QPalette& palette = list->lvWords->palette();
    const QRgb highlight = palette.color(QPalette::Active, QPalette::Highlight).rgb();
    const QRgb base = palette.color(QPalette::Active, QPalette::Base).rgb();
    const QRgb highlightText = palette.color(QPalette::Active, QPalette::HighlightedText).rgb();
    const int border = kSuggestListBorder;
    const int emptyX = image.width() - 4;  // right of every caption, inside the column
    EXPECT_EQ(image.pixel(emptyX, border + 0 * 17 + 8), base);
    EXPECT_EQ(image.pixel(emptyX, border + 1 * 17 + 8), base);
    EXPECT_EQ(image.pixel(emptyX, border + 2 * 17 + 8), highlight);
    EXPECT_EQ(image.pixel(emptyX, image.height() - border - 2), highlight) << "a gap under the bottom row";

    QRect text;
    const int rowTop = border + 2 * 17;
    // Inside the dotted focus mark, which is drawn in the same colour.
    for (int y = rowTop + 1; y < image.height() - border - 1; ++y)
        for (int x = border + 1; x < border + list->lvWords->ColumnWidth() - 1; ++x)
            if (image.pixel(x, y) == highlightText) text |= QRect(x, y, 1, 1);
    ASSERT_GT(text.width(), 20);
    EXPECT_GE(text.left(), border + 2);
    EXPECT_LE(text.right(), border + list->lvWords->ColumnWidth() - 3);
    EXPECT_GE(text.top(), rowTop + 2);
    EXPECT_LE(text.bottom(), rowTop + 17 - 3);
}

}  // namespace
}  // namespace skrivo
