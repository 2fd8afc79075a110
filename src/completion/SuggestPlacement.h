// Geometry of the suggestion list: its size for the items, its place beside the caret, its moves and opacity under the mouse.
#pragma once

#include <optional>

#include "platform/WinTypes.h"

namespace skrivo {

// Every row is as high as an empty image list (16, the default) plus the
// one-pixel gap the list view leaves between rows.
inline constexpr int kSuggestImageHeight = 16;
inline constexpr int kSuggestRowHeight = kSuggestImageHeight + 1;
// More rows than this make the list too tall to read at a glance; it scrolls.
inline constexpr int kSuggestMaxRows = 8;
// The list view's own border and margins below the last row.
inline constexpr int kSuggestHeightExtra = 5;
// Narrower than this the list looks like a stray mark beside the caret.
inline constexpr int kSuggestMinWidth = 80;
// Room for the text indent and the focus rectangle around a caption.
inline constexpr int kSuggestCaptionExtra = 8;
// A vertical scroll bar takes this much more besides its own width.
inline constexpr int kSuggestScrollBarExtra = 4;
// The line height used when the editor's font cannot be measured.
inline constexpr int kSuggestDefaultLineHeight = 10;
// The list view's flat border (no 3-D edge) on each side.
inline constexpr int kSuggestListBorder = 1;
// With the mouse over a semi-transparent list it fades to three quarters.
inline constexpr int kSuggestMouseOverAlphaPercent = 75;

// What the placement needs to know of the screen.
struct SuggestScreen {
    int width = 0;
    int height = 0;
    int hScrollWidth = 0;  // SM_CXHSCROLL
};

// Rows the list shows for a number of items (the rest scroll).
int SuggestShownRows(int itemCount);
int SuggestListHeight(int itemCount);
// widestCaption: the widest caption in the list's bold font.
int SuggestListWidth(int widestCaption, bool allRowsShown, int hScrollWidth);
// The one column spans the list's client area (inside its border), minus the
// scroll bar when there is one, so no horizontal scroll bar appears.
int SuggestColumnWidth(int clientWidth, bool allRowsShown, int hScrollWidth);

// Top left corner of a list of the given size: just below the caret line,
// flush with the right edge when it would run off the screen, above the caret
// line when it would run off the bottom.
win::TPoint SuggestListOrigin(win::TPoint caretScreen, int lineHeight, int width, int height,
                              const SuggestScreen& screen);

struct SuggestLayout {
    win::TRect bounds;   // screen coordinates of the whole (borderless) window
    int columnWidth = 0;
    bool scrolls = false;  // not every item has a row
};

// Size and place of the list for its items. The scroll bar is judged for the
// size the list is given here, so the width has room for it exactly when
// it shows.
SuggestLayout LayOutSuggestList(int widestCaption, int itemCount, win::TPoint caretScreen, int lineHeight,
                                const SuggestScreen& screen);

// "Switch window position": the list jumps to the other side of the caret
// line, or beside the caret when that side has no room. nullopt when the
// list should stay where it is (the new place would be under the mouse too).
std::optional<win::TRect> SwitchSuggestPosition(const win::TRect& window, win::TPoint caretScreen, int lineHeight,
                                                win::TPoint cursor, const SuggestScreen& screen);

// Opacity (0..255) of the list when it is shown.
int SuggestShownAlpha(bool semiTransparent, int alphaBlendLevel);
// Opacity (0..255) of a list that turns transparent under the mouse.
int SuggestMouseOverAlpha(bool cursorInside, bool semiTransparent, int alphaBlendLevel);

// The item a list view in report style moves its focus and selection to for a
// navigation key (Up, Down, Home, End, PgUp, PgDn); -1 when the key does not
// move it. reference: the focused item (-1 for none); topIndex: the first row
// in view; rowsPerPage: rows fully in view.
int ListViewKeyTarget(win::WORD vk, int reference, int topIndex, int rowsPerPage, int itemCount);

}  // namespace skrivo
