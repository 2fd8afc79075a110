// The suggestion list window TfmSuggest: a borderless, always-on-top form with the owner-drawn word list lvWords, and the mailbox of sound requests.
#include "suggest/SuggestWindow.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include <QFontMetrics>
#include <QPainter>

#include "config/SoundEvents.h"
#include "host/api/Host.h"

namespace skrivo {

namespace {

// Form metrics the window starts with before the first fill sizes it.
constexpr int kInitialLeft = 385;
constexpr int kInitialTop = 78;
constexpr int kInitialClientWidth = 161;
constexpr int kInitialClientHeight = 114;
// "MS Sans Serif" 8 pt at 96 pixels per inch: a font height of -11. Pixels,
// not points, so the list keeps its size on screens of any density.
constexpr int kListFontPixels = 11;
// The caption's distance from the row's left edge. The list is as wide as
// the widest caption (bold, as the selected row draws it) and 8 pixels, of
// which the border takes two and the column's spare one: 3 here leaves the
// widest caption 2 pixels clear of the highlight's right edge, inside the
// dotted focus mark on both sides.
constexpr int kTextIndentX = 3;

}  // namespace

TfmSuggest::TfmSuggest(QWidget* owner) : host::TForm("TfmSuggest", "fmSuggest", owner) {
    // Window flags first: setting them afterwards would drop the no-activate
    // and stay-on-top flags that TForm sets.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    SetNoActivate(true);
    SetStayOnTop(true);
    SetCaption("fmSuggest");

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Active, QPalette::Button));
    setPalette(palette);
    setAutoFillBackground(true);

    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kListFontPixels);
    font.setBold(true);
    setFont(font);

    lvWords = new TSuggestListView(this);
    SetControlClass(lvWords, "lvWords", "TListView");
    lvWords->OnDrawItem = [this](QPainter& canvas, int index, const QRect& rect, TOwnerDrawState state) {
        lvWordsDrawItem(canvas, index, rect, state);
    };
    lvWords->OnKeyDown = [this](win::WORD& key) { lvWordsKeyDown(key); };
    lvWords->OnMouseMove = [this](win::TPoint client) { lvWordsMouseMove(client); };

    setGeometry(kInitialLeft, kInitialTop, kInitialClientWidth, kInitialClientHeight);
    lvWords->setGeometry(0, 0, kInitialClientWidth, kInitialClientHeight);
    lvWords->SetColumnWidth(SuggestColumnWidth(kInitialClientWidth - 2 * kSuggestListBorder, true, 0));
}

TfmSuggest::~TfmSuggest() = default;

void TfmSuggest::resizeEvent(QResizeEvent* event) {
    host::TForm::resizeEvent(event);
    lvWords->setGeometry(rect());
}

void TfmSuggest::Fill(SuggestionListContent content) {
    const int selected = content.selected;
    const int focused = content.focused;
    lvWords->SetItems(std::move(content));
    lvWords->SetSelected(selected);
    lvWords->SetItemFocused(focused);
}

// A caption's width is the sum of its characters' advances, as the system's
// text width has always been measured (no kerning between them): a table of
// 256 advances serves every caption, where shaping each of a thousand new
// captions on every key would cost more than everything else the key does.
const std::array<int, 256>& TfmSuggest::CharWidths() const {
    const QFont& font = lvWords->font();
    const win::CodePage cp = win::GetACP();
    if (!charWidthsValid_ || font != charWidthsFont_ || cp != charWidthsCodePage_) {
        const QFontMetrics metrics(font);
        for (int c = 0; c < 256; ++c)
            charWidths_[c] = c == 0 ? 0 : metrics.horizontalAdvance(ToScreenText(std::string(1, static_cast<char>(c))));
        widestChar_ = *std::max_element(charWidths_.begin() + 1, charWidths_.end());
        widestPlainChar_ = 0;
        for (int c = 1; c < 128; ++c)
            if (c != '\t') widestPlainChar_ = std::max(widestPlainChar_, charWidths_[c]);
        charWidthsFont_ = font;
        charWidthsCodePage_ = cp;
        charWidthsValid_ = true;
        ++charWidthsStamp_;
    }
    return charWidths_;
}

int TfmSuggest::CaptionWidth(const std::string& caption) const {
    const std::array<int, 256>& widths = CharWidths();
    int width = 0;
    for (char c : caption) width += widths[static_cast<unsigned char>(c)];
    return width;
}

// No caption is wider than its length times the widest character: measuring
// the longest ones first, only those that could still be wider need
// measuring, a handful where a list of thousands would otherwise be measured
// word by word. The widest character is that of the characters the captions
// hold: a tab is ten times as wide as a letter, and the captions' characters
// are looked through once, eight at a time, to find whether one is there.
int TfmSuggest::WidestCaptionWidth() const {
    const std::array<int, 256>& widths = CharWidths();
    const SuggestionListContent& items = lvWords->Items();
    const int widestChar = HoldsTabOrHighByte(items.AllOwnText()) ? widestChar_ : widestPlainChar_;
    int widest = 0;
    const auto measure = [&](std::string_view caption) {
        int width = 0;
        for (char c : caption) width += widths[static_cast<unsigned char>(c)];
        widest = std::max(widest, width);
    };
    const std::size_t own = items.OwnCount();
    std::size_t longest = 0;
    for (std::size_t i = 0; i < own; ++i) longest = std::max(longest, items.OwnText(i).size());
    for (std::size_t i = 0; i < own; ++i)
        if (items.OwnText(i).size() == longest) measure(items.OwnText(i));
    for (std::size_t i = 0; i < own; ++i)
        if (static_cast<long long>(items.OwnText(i).size()) * widestChar > widest) measure(items.OwnText(i));
    if (items.Shared()) widest = std::max(widest, WidestSharedWidth(items));
    return widest;
}

namespace {

// The words by length, longest first: counted by length, as words are
// short and a comparison sort of thousands would cost more.
std::vector<std::uint32_t> LongestFirst(const SharedSuggestionWords& shared) {
    std::uint32_t longest = 0;
    for (const SharedSuggestionWords::Word& r : shared.rows) longest = std::max(longest, r.length);
    std::vector<std::uint32_t> from(static_cast<std::size_t>(longest) + 2, 0);
    for (const SharedSuggestionWords::Word& r : shared.rows) ++from[longest - r.length + 1];
    for (std::size_t l = 1; l < from.size(); ++l) from[l] += from[l - 1];
    std::vector<std::uint32_t> order(shared.rows.size());
    for (std::size_t i = 0; i < shared.rows.size(); ++i)
        order[from[longest - shared.rows[i].length]++] = static_cast<std::uint32_t>(i);
    return order;
}

}  // namespace

int TfmSuggest::SharedWordWidth(const SharedSuggestionWords& shared, std::uint32_t word) const {
    const std::array<int, 256>& widths = CharWidths();
    const SharedSuggestionWords::Word& r = shared.rows[word];
    int width = 0;
    for (char c : std::string_view(shared.text).substr(r.start, r.length)) width += widths[static_cast<unsigned char>(c)];
    return width;
}

// The longest words give a width no word shorter than it divided by the
// widest character exceeds: all others that could are measured, and those
// at least as wide kept.
void TfmSuggest::MeasureShared(const SharedSuggestionWords& shared) const {
    CharWidths();
    const long long widestChar = shared.tabOrHighByte ? widestChar_ : widestPlainChar_;
    widestShared_.clear();
    sharedBound_ = 0;
    const std::vector<std::uint32_t> longestFirst = LongestFirst(shared);
    const std::uint32_t longest = longestFirst.empty() ? 0 : shared.rows[longestFirst.front()].length;
    for (const std::uint32_t word : longestFirst) {
        const SharedSuggestionWords::Word& r = shared.rows[word];
        if (r.length != longest && static_cast<long long>(r.length) * widestChar <= sharedBound_) break;
        const int w = SharedWordWidth(shared, word);
        if (r.length == longest) sharedBound_ = std::max(sharedBound_, w);
        widestShared_.push_back({w, word});
    }
    std::erase_if(widestShared_, [&](const auto& m) { return m.first < sharedBound_; });
}

// Shared words stay the same while their word list does, over many fills:
// the few of them that may be the widest are measured once, and a list of
// thousands of them is then settled by its widest shown one.
int TfmSuggest::WidestSharedWidth(const SuggestionListContent& items) const {
    const SharedSuggestionWords& shared = *items.Shared();
    const long long widestChar = shared.tabOrHighByte ? widestChar_ : widestPlainChar_;
    auto width = [&](std::uint32_t word) { return SharedWordWidth(shared, word); };
    const std::shared_ptr<const SharedSuggestionWords> measured = measuredShared_.lock();
    const bool measuredNow = measuredStamp_ == charWidthsStamp_;
    if (measured.get() != &shared || !measuredNow) {
        const std::shared_ptr<const SharedSuggestionWords> madeFrom = shared.madeFrom.lock();
        if (measuredNow && measured && madeFrom == measured) {
            // Made from the words measured last by a few edits: every word
            // not kept is still no wider than the bound, and of those put
            // in only the ones at least as wide join.
            std::vector<std::uint32_t> nowAt(measured->rows.size(), SharedSuggestionWords::kNew);
            for (std::size_t i = 0; i < shared.madeFromIndex.size(); ++i) {
                const std::uint32_t was = shared.madeFromIndex[i];
                if (was != SharedSuggestionWords::kNew) nowAt[was] = static_cast<std::uint32_t>(i);
            }
            std::vector<std::pair<int, std::uint32_t>> kept;
            for (const auto& [w, word] : widestShared_)
                if (nowAt[word] != SharedSuggestionWords::kNew) kept.push_back({w, nowAt[word]});
            for (std::size_t i = 0; i < shared.madeFromIndex.size(); ++i) {
                if (shared.madeFromIndex[i] != SharedSuggestionWords::kNew) continue;
                const int w = width(static_cast<std::uint32_t>(i));
                if (w >= sharedBound_) kept.push_back({w, static_cast<std::uint32_t>(i)});
            }
            widestShared_ = std::move(kept);
        } else {
            MeasureShared(shared);
        }
        std::stable_sort(widestShared_.begin(), widestShared_.end(),
                         [](const auto& a, const auto& b) { return a.first > b.first; });
        measuredShared_ = items.SharedHandle();
        measuredStamp_ = charWidthsStamp_;
    }
    for (const auto& [w, word] : widestShared_)
        if (items.ShowsShared(word)) return w;
    // The widest words are not shown: the shown ones are measured as any.
    int widest = 0;
    for (const std::uint32_t word : LongestFirst(shared)) {
        if (static_cast<long long>(shared.rows[word].length) * widestChar <= widest) break;
        if (items.ShowsShared(word)) widest = std::max(widest, width(word));
    }
    return widest;
}

SuggestLayout TfmSuggest::SizeAndPlace(win::TPoint caretScreen, int lineHeight, const SuggestScreen& screen) {
    const SuggestLayout layout =
        LayOutSuggestList(WidestCaptionWidth(), lvWords->Count(), caretScreen, lineHeight, screen);
    SetBoundsRect(layout.bounds);
    // A hidden window gets its resize event only when shown; the list is
    // sized now so its row count is right before that.
    lvWords->setGeometry(0, 0, layout.bounds.Width(), layout.bounds.Height());
    lvWords->SetColumnWidth(layout.columnWidth);
    return layout;
}

int TfmSuggest::ItemAtScreen(win::TPoint screen) const {
    const QPoint client = lvWords->viewport()->mapFromGlobal(QPoint(screen.x, screen.y));
    return lvWords->ItemAt({client.x(), client.y()});
}

bool TfmSuggest::ContainsScreenPoint(win::TPoint screen) { return win::PtInRect(BoundsRect(), screen); }

win::LRESULT TfmSuggest::WndProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    switch (msg) {
    case win::WM_ACTIVATE: WMActivate(wParam, lParam); return 0;
    case WM_PLAYSND: WMPlaySnd(wParam); return 0;
    default: return host::TForm::WndProc(msg, wParam, lParam);
    }
}

void TfmSuggest::WMActivate(win::WPARAM wParam, win::LPARAM lParam) {
    host::TForm::WndProc(win::WM_ACTIVATE, wParam, lParam);
    if (win::LoWord(static_cast<win::DWORD>(wParam)) != win::WA_ACTIVE || FShown) return;
    // Being shown must not take the activation from the editor.
    const auto previous = static_cast<win::HWND>(lParam);
    if (previous != 0 && host::Host()) host::Host()->Windows().SetActiveWindow(previous);
}

void TfmSuggest::WMPlaySnd(win::WPARAM wParam) {
    // Anyone may post to a window: a number that names no sound event must
    // not reach the handler, which indexes the sounds with it.
    if (wParam >= static_cast<win::WPARAM>(kSoundEventCount)) return;
    if (OnPlaySnd) OnPlaySnd(static_cast<TSoundEvent>(wParam));
}

void TfmSuggest::lvWordsDrawItem(QPainter& canvas, int index, const QRect& rect, TOwnerDrawState state) {
    // The window is never active, so the active colours are taken: the
    // selection stays as visible as in a focused list.
    const QPalette& palette = lvWords->palette();
    const QColor text = palette.color(QPalette::Active, state.selected ? QPalette::HighlightedText : QPalette::Text);
    canvas.fillRect(rect, palette.color(QPalette::Active, state.selected ? QPalette::Highlight : QPalette::Base));

    QFont font = lvWords->font();
    font.setBold(state.selected || state.focused);
    canvas.setFont(font);
    canvas.setPen(text);
    canvas.setClipRect(rect);
    // Centred in the row's own height: the bottom row's rectangle also takes
    // the pixels under it.
    const QRect textRect(rect.left() + kTextIndentX, rect.top(), rect.width() - kTextIndentX, kSuggestRowHeight);
    canvas.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    lvWords->ScreenCaption(index));

    if (state.focused) {
        // A dotted rectangle of single pixels, like the system's focus rectangle.
        QPen pen(text);
        pen.setCosmetic(true);
        pen.setDashPattern({1.0, 1.0});
        canvas.setPen(pen);
        canvas.setBrush(Qt::NoBrush);
        canvas.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

void TfmSuggest::lvWordsKeyDown(win::WORD& key) {
    if (key != win::VK_UP && key != win::VK_DOWN) return;
    if (lvWords->Selected() >= 0) return;
    // The first arrow selects the word the list points at, rather than the
    // one beside it.
    const int item = lvWords->ItemFocused() >= 0 ? lvWords->ItemFocused() : 0;
    lvWords->SetSelected(item);
    lvWords->MakeVisible(item);
    key = 0;
}

void TfmSuggest::lvWordsMouseMove(win::TPoint client) {
    if (!FMouseSelect) return;
    const int item = lvWords->ItemAt(client);
    if (item < 0) return;
    lvWords->SetSelected(item);
    lvWords->SetItemFocused(item);
}

SuggestScreen HostSuggestScreen(host::IHost& host) {
    return {host.Screen().Width(), host.Screen().Height(), host.Windows().GetSystemMetrics(win::SM_CXHSCROLL)};
}

}  // namespace skrivo
