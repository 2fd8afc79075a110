// The owner-drawn word list lvWords: a list view in report style that behaves as a single-selection Windows list view.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QString>
#include <QAbstractScrollArea>

#include "completion/SuggestionRanking.h"
#include "platform/VirtualKeys.h"

class QPainter;
class QProxyStyle;

namespace skrivo {

// ANSI text of the active code page as the screen shows it.
QString ToScreenText(const std::string& ansi);

enum class ListMouseButton { Left, Right, Middle };

// What an owner-drawn row shows of its item's state.
struct TOwnerDrawState {
    bool selected = false;
    bool focused = false;  // the focus mark: where the keys move from
};

// lvWords: a list view in report style with one column and no headers, whose
// rows the form draws. It behaves as a single-selection Windows list view:
// at most one selected item, and a separate focus mark; both may be absent.
// It never takes the keyboard focus; the key dispatch moves it with Perform
// while the editor keeps the focus. The item order is the one given (the
// caller sorts); the list never re-sorts.
//
// Rows are all of one height and only those in sight are ever looked at:
// filling the list with thousands of words costs no more than the few that
// are drawn, which an item view's per-item layout would not allow.
class TSuggestListView final : public QAbstractScrollArea {
public:
    explicit TSuggestListView(QWidget* parent);
    ~TSuggestListView() override;

    // Replaces all items at once (one repaint); no selection, no focus mark,
    // scrolled to the top.
    // Replaces all items at once by the rows of content (its selection and
    // focus are not taken: the list starts with neither).
    void SetItems(SuggestionListContent content);
    int Count() const;
    // Caption and number (the FDict index) of an item; empty and 0 outside.
    std::string Caption(int index) const;
    // The same without a copy, valid until the next fill.
    std::string_view CaptionView(int index) const;
    // Its length in characters (index valid).
    std::size_t CaptionLength(int index) const { return items_.Length(static_cast<std::size_t>(index)); }
    const SuggestionListContent& Items() const { return items_; }
    int Data(int index) const;
    // A caption as the screen shows it.
    QString ScreenCaption(int index) const;

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
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void KeyDown(win::WORD vk);
    // The scroll range for the items and the rows in view (one step a row).
    void UpdateScrollRange();
    // A row's rectangle in the viewport, whether in view or not.
    QRect RowRect(int index) const;
    void SelectAndFocus(int index);
    void UpdateRow(int index);
    // Moves the selection or the focus mark, repainting the rows it leaves and reaches.
    void MoveMark(int& mark, int index);
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    int ClientHeight() const;
    bool RowFullyInView(const QRect& row) const;
    // A row as drawn: the bottom row also takes the pixels under it that are
    // too few for another row, so its highlight reaches the border.
    QRect DrawnRowRect(const QRect& row) const;

    SuggestionListContent items_;
    int columnWidth_ = 0;
    std::unique_ptr<QProxyStyle> scrollBarStyle_;
    int selected_ = -1;
    int focused_ = -1;
    bool leftPressed_ = false;
};

}  // namespace skrivo
