// Geometry of the suggestion list: its size for the items, its place beside the caret, its moves and opacity under the mouse.
#include "completion/SuggestPlacement.h"

#include <algorithm>

#include "platform/VirtualKeys.h"

namespace skrivo {

namespace {

win::TRect Offset(win::TRect r, int dx, int dy) {
    r.left += dx;
    r.right += dx;
    r.top += dy;
    r.bottom += dy;
    return r;
}

int ClampAlpha(int level) { return std::clamp(level, 0, 255); }

}  // namespace

int SuggestShownRows(int itemCount) { return std::clamp(itemCount, 0, kSuggestMaxRows); }

int SuggestListHeight(int itemCount) { return SuggestShownRows(itemCount) * kSuggestRowHeight + kSuggestHeightExtra; }

int SuggestListWidth(int widestCaption, bool allRowsShown, int hScrollWidth) {
    const int scrollExtra = allRowsShown ? 0 : hScrollWidth + kSuggestScrollBarExtra;
    return std::max(kSuggestMinWidth, widestCaption + scrollExtra + kSuggestCaptionExtra);
}

int SuggestColumnWidth(int clientWidth, bool allRowsShown, int hScrollWidth) {
    return allRowsShown ? clientWidth - 1 : clientWidth - hScrollWidth - 1;
}

win::TPoint SuggestListOrigin(win::TPoint caretScreen, int lineHeight, int width, int height,
                              const SuggestScreen& screen) {
    int left = caretScreen.x;
    if (left + width > screen.width) left = screen.width - width;
    // A list wider than the screen keeps the beginnings of its words in view.
    left = std::max(left, 0);

    const int belowLine = caretScreen.y + lineHeight;
    int top = belowLine;
    if (top + height > screen.height) top = screen.height - height;
    if (top < belowLine) top = caretScreen.y - height;
    return {left, top};
}

SuggestLayout LayOutSuggestList(int widestCaption, int itemCount, win::TPoint caretScreen, int lineHeight,
                                const SuggestScreen& screen) {
    SuggestLayout layout;
    layout.scrolls = SuggestShownRows(itemCount) < itemCount;
    const int width = SuggestListWidth(widestCaption, !layout.scrolls, screen.hScrollWidth);
    const int height = SuggestListHeight(itemCount);
    const win::TPoint origin = SuggestListOrigin(caretScreen, lineHeight, width, height, screen);
    layout.bounds = {origin.x, origin.y, origin.x + width, origin.y + height};
    layout.columnWidth = SuggestColumnWidth(width - 2 * kSuggestListBorder, !layout.scrolls, screen.hScrollWidth);
    return layout;
}

std::optional<win::TRect> SwitchSuggestPosition(const win::TRect& window, win::TPoint caretScreen, int lineHeight,
                                                win::TPoint cursor, const SuggestScreen& screen) {
    const int jump = window.Height() + lineHeight;
    win::TRect moved = Offset(window, 0, window.top < caretScreen.y ? jump : -jump);
    if (moved.top <= 0 || moved.bottom >= screen.height) {
        // No room on the other side of the line: step aside instead.
        moved = window;
        if (moved.left < caretScreen.x)
            moved = Offset(moved, caretScreen.x - moved.left, 0);
        else
            moved = Offset(moved, -moved.Width(), 0);
        if (moved.left < 0) moved = Offset(moved, -moved.left, 0);
        if (moved.right >= screen.width) moved = Offset(moved, screen.width - moved.right, 0);
    }
    if (win::PtInRect(moved, cursor)) return std::nullopt;
    return moved;
}

int SuggestShownAlpha(bool semiTransparent, int alphaBlendLevel) {
    return semiTransparent ? ClampAlpha(alphaBlendLevel) : 255;
}

int SuggestMouseOverAlpha(bool cursorInside, bool semiTransparent, int alphaBlendLevel) {
    const int level = ClampAlpha(alphaBlendLevel);
    if (!cursorInside) return semiTransparent ? level : 255;
    return semiTransparent ? level * kSuggestMouseOverAlphaPercent / 100 : level;
}

int ListViewKeyTarget(win::WORD vk, int reference, int topIndex, int rowsPerPage, int itemCount) {
    if (itemCount <= 0) return -1;
    const int last = itemCount - 1;
    const int page = std::max(rowsPerPage, 1);
    int target = -1;
    switch (vk) {
    case win::VK_DOWN: target = reference < 0 ? 0 : reference + 1; break;
    case win::VK_UP: target = reference < 0 ? 0 : reference - 1; break;
    case win::VK_HOME: target = 0; break;
    case win::VK_END: target = last; break;
    // A page key first goes to the edge of the rows in view, and only from
    // there a page further, as the list view does.
    case win::VK_PRIOR: target = reference == topIndex ? topIndex - page + 1 : topIndex; break;
    case win::VK_NEXT: {
        const int bottom = topIndex + page - 1;
        target = reference == bottom ? reference + page - 1 : bottom;
        break;
    }
    default: return -1;
    }
    return std::clamp(target, 0, last);
}

}  // namespace skrivo
