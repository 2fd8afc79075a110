// TTipsWizard: watches the pressed keys and shows a tip when the user types by hand what Skrivo can type.
#include "tips/TipsWizard.h"

#include <cstdlib>
#include <iterator>

#include "macros/PressedKeyHistory.h"
#include "platform/Clock.h"
#include "platform/VirtualKeys.h"
#include "tips/TipPlacement.h"

namespace skrivo {

namespace {
// A tip never follows another (or its closing) within this time.
constexpr long long kQuietMs = 999;
// Counters above this stop a tip for good: its first showing sets 1 and
// each "Acknowledge" adds one.
constexpr std::uint8_t kLastShowing = 1;

constexpr std::uint32_t kExact = 0x7FF;                       // key and the three modifiers
constexpr std::uint32_t kAnyShift = kExact & ~std::uint32_t{kPressedShift};

constexpr TTipKey Key(std::uint32_t mask, std::uint32_t entry) { return (mask << 16) | entry; }
constexpr TTipKey kColon = Key(kExact, win::VK_OEM_1 | kPressedShift);
constexpr TTipKey kEquals = Key(kExact, win::VK_OEM_PLUS);
constexpr TTipKey kSpace = Key(kExact, win::VK_SPACE);
constexpr TTipKey Letter(char c) { return Key(kExact, static_cast<std::uint32_t>(c)); }

constexpr TTipKey kAssignKeys[] = {kColon, kEquals};
constexpr TTipKey kEqualsKey[] = {kEquals};
constexpr TTipKey kIntegerKeys[] = {kColon, kSpace, Key(kAnyShift, 'I'), Letter('N'), Letter('T'),
                                    Letter('E'), Letter('G'), Letter('E'), Letter('R')};
constexpr TTipKey kErKeys[] = {Letter('E'), Letter('R')};

template <std::size_t N>
constexpr int Last(const TTipKey (&)[N]) { return static_cast<int>(N) - 1; }

long long TicksApart(std::uint32_t a, std::uint32_t b) {
    return std::llabs(static_cast<long long>(a) - static_cast<long long>(b));
}
}  // namespace

TTipsWizard::TTipsWizard(ITipsHost& host, TipWindowFactory factory)
    : FHost(host), FFactory(std::move(factory)), FTimeStamp(win::GetTickCount()) {}

TTipsWizard::~TTipsWizard() = default;

bool TTipsWizard::CheckKeys(const TTipKey* pattern, int last) {
    const TPressedKeyHistory& keys = FHost.PressedKeys();
    if (keys.Count() < last + 1) return false;
    for (int i = 0; i <= last; ++i) {
        const TTipKey expected = pattern[last - i];
        const std::uint32_t mask = expected >> 16;
        const std::uint32_t entry = keys.GetPressedKeys(keys.Count() - 1 - i);
        if ((entry & mask) != (expected & mask)) return false;
    }
    return true;
}

bool TTipsWizard::CheckStr(const std::string& s) {
    const std::string before = FHost.TextBeforeCursor(static_cast<int>(s.size()));
    return before.size() >= s.size() && before.compare(before.size() - s.size(), s.size(), s) == 0;
}

bool TTipsWizard::Execute() {
    DropClosedWindow();
    if (!FHost.ShowTips()) return false;
    if (TicksApart(win::GetTickCount(), FTimeStamp) <= kQuietMs) return false;
    bool shown = false;
    if (CheckKeys(kAssignKeys, Last(kAssignKeys)) || (CheckKeys(kEqualsKey, Last(kEqualsKey)) && CheckStr(":=")))
        shown = DoTip(1);
    if (!shown && (CheckKeys(kIntegerKeys, Last(kIntegerKeys)) ||
                   (CheckKeys(kErKeys, Last(kErKeys)) && (CheckStr(": Intege") || CheckStr(": intege")))))
        shown = DoTip(2);
    return shown;
}

bool TTipsWizard::DoTip(int tip) {
    if (!FHost.ShowTips() || tip < 1 || tip > kTipCount || FCounters[static_cast<std::size_t>(tip)] > kLastShowing)
        return false;
    return Tip001(tip);
}

bool TTipsWizard::Tip001(int tip) {
    if (TipWindow()) return false;
    FTipIndex = tip;
    ShowTip(TipRichText(tip));
    std::uint8_t& counter = FCounters[static_cast<std::size_t>(tip)];
    if (counter == 0) counter = 1;
    return true;
}

void TTipsWizard::ShowTip(const std::string& richText) {
    FCaretPos = FHost.CaretScreenPos().value_or(win::TPoint{});
    TipWindowCallbacks callbacks;
    callbacks.onClose = [this] { TipClose(); };
    callbacks.onCheckClick = [this] { ChgTipsOn(); };
    callbacks.onAcknowledge = [this] { Acknowledge(); };
    callbacks.onShow = [this] { RepositionTipWnd(); };
    const bool showAcknowledge = FCounters[static_cast<std::size_t>(FTipIndex)] != 0;
    if (auto& spare = FSpare[static_cast<std::size_t>(FTipIndex)]) {
        FWindow = std::move(spare);
        FWindow->Reopen(showAcknowledge, std::move(callbacks));
    } else {
        FWindow = FFactory ? FFactory(richText, showAcknowledge, std::move(callbacks)) : nullptr;
    }
    FWindowTip = FTipIndex;
    FTimeStamp = win::GetTickCount();
}

void TTipsWizard::RepositionTipWnd() {
    if (!FWindow) return;
    const win::TPoint screen = FHost.ScreenSize();
    FWindow->SetBoundsRect(PlaceTipWindow(FCaretPos, FWindow->BoundsRect(), screen.x, screen.y));
}

void TTipsWizard::Acknowledge() {
    std::uint8_t& counter = FCounters[static_cast<std::size_t>(FTipIndex)];
    if (counter < 0xFF) ++counter;
}

void TTipsWizard::ChgTipsOn() {
    if (FWindow) FHost.SetShowTips(FWindow->ShowTipsChecked());
}

void TTipsWizard::TipClose() {
    if (FWindow && !FWindow->ShowTipsChecked()) {
        FHost.ShowMessage("Tips turned off!!!");
        FHost.SetShowTips(false);
    }
    FTimeStamp = win::GetTickCount();
}

void TTipsWizard::Away() {
    if (!TipWindow()) return;
    TipClose();
    RetireWindow();
}

ITipWindow* TTipsWizard::TipWindow() {
    DropClosedWindow();
    return FWindow.get();
}

std::uint8_t TTipsWizard::Acknowledged(int tip) const {
    return tip >= 1 && tip <= kTipCount ? FCounters[static_cast<std::size_t>(tip)] : 0;
}

// The window closes itself from inside its own handlers; it is freed here,
// the next time the wizard looks at it, never while it is still on the stack.
void TTipsWizard::DropClosedWindow() {
    if (FWindow && FWindow->Closed()) RetireWindow();
}

void TTipsWizard::PrepareWindows() {
    if (!FFactory) return;
    for (int tip = 1; tip <= kTipCount; ++tip) {
        auto& spare = FSpare[static_cast<std::size_t>(tip)];
        if (spare || (FWindow && FWindowTip == tip)) continue;
        spare = FFactory(TipRichText(tip), false, {});
        if (spare) spare->Retire();
    }
}

void TTipsWizard::RetireWindow() {
    if (!FWindow) return;
    FWindow->Retire();
    FSpare[static_cast<std::size_t>(FWindowTip)] = std::move(FWindow);
}

}  // namespace skrivo
