// Plain Windows-style value types that the expert and the host exchange.
#pragma once

#include <cstdint>

namespace skrivo::win {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// A window handle: an opaque, non-zero number the host hands out for every
// top-level window and control. 0 means "no window".
using HWND = std::uintptr_t;

// A keyboard layout handle. Only its low word (the language identifier,
// 0x0409 US English, 0x0419 Russian) is meaningful to the system.
using HKL = std::uint32_t;

struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Right and bottom are exclusive, as in Windows.
struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline bool PtInRect(const TRect& r, TPoint p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// One queued message, as the application's message hook sees it.
struct TMsg {
    HWND hwnd = 0;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    TPoint pt;
};

inline constexpr WORD LoWord(DWORD v) { return static_cast<WORD>(v & 0xFFFF); }
inline constexpr WORD HiWord(DWORD v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }

// Scan code in bits 16..23 of a key message's lParam.
inline constexpr LPARAM MakeKeyLParam(UINT scanCode, bool keyUp = false) {
    LPARAM lp = 1 | (static_cast<LPARAM>(scanCode & 0xFF) << 16);
    if (keyUp) lp |= (static_cast<LPARAM>(3) << 30);
    return lp;
}
inline constexpr UINT ScanCodeOf(LPARAM lParam) { return static_cast<UINT>((lParam >> 16) & 0xFF); }

}  // namespace skrivo::win
