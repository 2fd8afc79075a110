// Where the tip window goes: near the caret, never over it, inside the screen.
#include "tips/TipPlacement.h"

namespace skrivo {

namespace {
// The point kept free lies this far below and right of the caret, so the
// window also leaves the characters just typed readable.
constexpr int kCaretOffset = 20;
// Gaps kept between the window and that point, sideways and up or down.
constexpr int kSideGap = 150;
constexpr int kVerticalGap = 50;
// How far from the screen's edges the window stays.
constexpr int kEdgeMargin = 50;

void MoveTo(win::TRect& r, int left, int top) {
    const int w = r.Width();
    const int h = r.Height();
    r = {left, top, left + w, top + h};
}
void OffsetRect(win::TRect& r, int dx, int dy) { MoveTo(r, r.left + dx, r.top + dy); }
}  // namespace

win::TRect PlaceTipWindow(win::TPoint caretScreen, win::TRect r, int screenWidth, int screenHeight) {
    const win::TPoint p{caretScreen.x + kCaretOffset, caretScreen.y + kCaretOffset};
    const int w = r.Width();
    const int h = r.Height();
    auto covers = [&] { return win::PtInRect(r, p); };

    if (p.x < r.left - kSideGap || p.x > r.right + kSideGap || p.y < r.top - kVerticalGap || p.y > r.bottom + kVerticalGap)
        MoveTo(r, p.x - 5, p.y - 5);
    if (covers() && w < p.x - kSideGap) MoveTo(r, p.x - kSideGap - w, r.top);
    if (covers() && h < p.y - kVerticalGap) MoveTo(r, r.left, p.y - kVerticalGap - h);
    if (covers() && p.x + w + kSideGap < screenWidth) MoveTo(r, p.x + kSideGap, r.top);
    if (covers() && h + p.y + kVerticalGap < screenHeight) MoveTo(r, r.left, p.y + kVerticalGap);
    if (covers()) MoveTo(r, 0, 0);
    if (covers() && p.x == 0) {
        MoveTo(r, 32, r.top);
        if (covers()) MoveTo(r, screenWidth - w, r.top);
    }
    if (covers()) {
        MoveTo(r, r.left, screenHeight - h);
        if (covers()) MoveTo(r, 0, r.top);
    }
    if (r.bottom > screenHeight - kEdgeMargin) OffsetRect(r, 0, -(h + 2 * kVerticalGap));
    if (r.top < 0) OffsetRect(r, 0, h + 2 * kVerticalGap);
    if (r.right > screenWidth - kEdgeMargin) OffsetRect(r, -(w + 2 * kSideGap), 0);
    if (r.left < kEdgeMargin) OffsetRect(r, w + 2 * kSideGap, 0);
    return r;
}

}  // namespace skrivo
