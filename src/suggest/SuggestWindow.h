// The suggestion list window TfmSuggest: a borderless, always-on-top form with the owner-drawn word list lvWords, and the mailbox of sound requests.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QFont>
#include <QString>

#include "completion/SuggestPlacement.h"
#include "completion/SuggestionRanking.h"
#include "config/SoundEvents.h"
#include "host/api/Form.h"
#include "platform/CodePage.h"
#include "suggest/SuggestListView.h"

class QPainter;

namespace skrivo::host {
class IHost;
}

namespace skrivo {

// Sound requests are posted to the list window with this message and the
// event number in wParam, so they play after the keystroke that asked.
inline constexpr win::UINT WM_PLAYSND = win::WM_USER + 1;

// The suggestion list window. Created by the expert on first use and shown
// beside the caret without ever taking the activation or the keyboard focus.
class TfmSuggest final : public host::TForm {
public:
    explicit TfmSuggest(QWidget* owner = nullptr);
    ~TfmSuggest() override;

    TSuggestListView* lvWords = nullptr;  // a child of the form, which owns it

    // False while the expert is showing the window; WMActivate hands the
    // activation back meanwhile.
    bool FShown = false;
    // Moving the mouse over the list selects the word under it.
    bool FMouseSelect = false;
    // Plays a sound event (WM_PLAYSND).
    std::function<void(TSoundEvent soundEvent)> OnPlaySnd;

    // The list's content as the ranking made it: the items in display order,
    // then the selected item and the focus mark.
    void Fill(SuggestionListContent content);
    // Width of a caption (ANSI) in the list's bold font.
    int CaptionWidth(const std::string& caption) const;
    int WidestCaptionWidth() const;
    // Sizes the window for its items, places it against the caret and fits
    // the column; returns what it applied.
    SuggestLayout SizeAndPlace(win::TPoint caretScreen, int lineHeight, const SuggestScreen& screen);
    // The item at a point of the screen; -1 when there is none.
    int ItemAtScreen(win::TPoint screen) const;
    bool ContainsScreenPoint(win::TPoint screen);

    win::LRESULT WndProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;

    void WMActivate(win::WPARAM wParam, win::LPARAM lParam);
    void WMPlaySnd(win::WPARAM wParam);
    void lvWordsDrawItem(QPainter& canvas, int index, const QRect& rect, TOwnerDrawState state);
    void lvWordsKeyDown(win::WORD& key);
    void lvWordsMouseMove(win::TPoint client);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The advance of each ANSI character in charWidthsFont_ and the code page
    // they were measured in; measured again when either changes.
    const std::array<int, 256>& CharWidths() const;
    mutable std::array<int, 256> charWidths_{};
    mutable QFont charWidthsFont_;
    mutable win::CodePage charWidthsCodePage_ = win::CodePage::Cp1252;
    mutable bool charWidthsValid_ = false;
    // The widest of all characters, and of those below 128 but the tab.
    mutable int widestChar_ = 0;
    mutable int widestPlainChar_ = 0;
    mutable std::uint64_t charWidthsStamp_ = 0;  // moves each time the advances are measured
    // The widest of the content's shared words.
    int WidestSharedWidth(const SuggestionListContent& items) const;
    int SharedWordWidth(const SharedSuggestionWords& shared, std::uint32_t word) const;
    void MeasureShared(const SharedSuggestionWords& shared) const;
    // The shared words measured last, with the advances of charWidthsStamp_:
    // the width of their longest, and those at least as wide, widest first;
    // no other word is wider than that width.
    mutable std::weak_ptr<const SharedSuggestionWords> measuredShared_;
    mutable std::uint64_t measuredStamp_ = 0;
    mutable std::vector<std::pair<int, std::uint32_t>> widestShared_;
    mutable int sharedBound_ = 0;
};

// The screen as the placement needs it, from the running host.
SuggestScreen HostSuggestScreen(host::IHost& host);

}  // namespace skrivo
