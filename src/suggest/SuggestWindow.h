// The suggestion list window TfmSuggest: a borderless, always-on-top form with the owner-drawn word list lvWords, and the mailbox of sound requests.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QFont>
#include <QHash>
#include <QList>
#include <QString>
#include <QTreeView>

#include "completion/SuggestPlacement.h"
#include "completion/SuggestionRanking.h"
#include "host/api/Form.h"
#include "platform/VirtualKeys.h"

class QPainter;
class QProxyStyle;

namespace skrivo::host {
class IHost;
}

namespace skrivo {

// Sound requests are posted to the list window with this message and the
// event number in wParam, so they play after the keystroke that asked.
inline constexpr win::UINT WM_PLAYSND = win::WM_USER + 1;

enum class ListMouseButton { Left, Right, Middle };

// What an owner-drawn row shows of its item's state.
struct TOwnerDrawState {
    bool selected = false;
    bool focused = false;  // the focus mark: where the keys move from
};

class SuggestItemModel;

// lvWords: a list view in report style with one column and no headers, whose
// rows the form draws. It behaves as a single-selection Windows list view:
// at most one selected item, and a separate focus mark; both may be absent.
// It never takes the keyboard focus; the key dispatch moves it with Perform
// while the editor keeps the focus. The item order is the one given (the
// caller sorts); the list never re-sorts.
class TSuggestListView final : public QTreeView {
public:
    explicit TSuggestListView(QWidget* parent);
    ~TSuggestListView() override;

    // Replaces all items at once (one repaint); no selection, no focus mark,
    // scrolled to the top.
    void SetItems(std::vector<SuggestionItem> items);
    int Count() const;
    // Caption and number (the FDict index) of an item; empty and 0 outside.
    std::string Caption(int index) const;
    int Data(int index) const;
    // The captions as the screen shows them.
    QString ScreenCaption(int index) const;
    const QList<QString>& ScreenCaptions() const;

    int Selected() const { return selected_; }
    // -1 clears the selection; selecting an item deselects the other.
    void SetSelected(int index);
    int ItemFocused() const { return focused_; }
    void SetItemFocused(int index);

    int TopIndex() const;
    // Rows fully in view.
    int VisibleRowCount() const;
    // Scrolls the item fully into view.
    void MakeVisible(int index);
    int ColumnWidth() const;
    void SetColumnWidth(int width);
    // The item at a point of the list's client area (inside its border); -1
    // for none, also for a row cut off at the bottom.
    int ItemAt(win::TPoint client) const;

    win::HWND Handle();
    // A message sent straight to the list (WM_KEYDOWN and WM_KEYUP move the
    // selection as the list view would; mouse messages act as the mouse).
    win::LRESULT Perform(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);

    // Events, attached by the form and the expert. OnKeyDown may set the key
    // to 0 to keep the list from handling it.
    std::function<void(win::WORD& key)> OnKeyDown;
    std::function<void(win::TPoint client)> OnMouseMove;
    std::function<void(ListMouseButton button, win::TPoint client)> OnMouseDown;
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(QPainter& canvas, int index, const QRect& rect, TOwnerDrawState state)> OnDrawItem;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    class Delegate;
    friend class Delegate;

    void KeyDown(win::WORD vk);
    void SelectAndFocus(int index);
    void UpdateRow(int index);
    // Moves the selection or the focus mark, repainting the rows it leaves and reaches.
    void MoveMark(int& mark, int index);
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    int ClientHeight() const;
    bool RowFullyInView(const QRect& row) const;

    SuggestItemModel* model_ = nullptr;  // a child of the list, which owns it
    Delegate* delegate_ = nullptr;       // likewise
    std::unique_ptr<QProxyStyle> scrollBarStyle_;
    int selected_ = -1;
    int focused_ = -1;
    bool leftPressed_ = false;
};

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
    std::function<void(int soundEvent)> OnPlaySnd;

    // The list's content as the ranking made it: the items in display order,
    // then the selected item and the focus mark.
    void Fill(const SuggestionListContent& content);
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
    // Widths of screen captions in captionWidthsFont_; emptied when the list's
    // font changes.
    mutable QHash<QString, int> captionWidths_;
    mutable QFont captionWidthsFont_;
    mutable bool captionWidthsValid_ = false;
};

// The screen as the placement needs it, from the running host.
SuggestScreen HostSuggestScreen(host::IHost& host);

}  // namespace skrivo
