// The owner-drawn word list lvWords: a single-selection list view whose rows its form draws, driven by messages while the editor keeps the focus.
#include "suggest/SuggestListView.h"

#include <algorithm>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QScrollBar>

#include "bridge/HostBoundary.h"
#include "completion/SuggestPlacement.h"
#include "host/api/Host.h"
#include "host/api/Widgets.h"
#include "platform/CodePage.h"

namespace skrivo {

namespace {

win::TPoint ToPoint(const QPointF& p) { return {static_cast<int>(p.x()), static_cast<int>(p.y())}; }

// Gives the list's scroll bar the host's width, the one the placement makes
// room for.
class ScrollBarExtentStyle final : public QProxyStyle {
public:
    explicit ScrollBarExtentStyle(int extent) : extent_(extent) {}
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_ScrollBarExtent && extent_ > 0) return extent_;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

private:
    int extent_;
};

}  // namespace

QString ToScreenText(const std::string& ansi) { return QString::fromStdString(win::AnsiToUtf8(ansi, win::GetACP())); }

TSuggestListView::TSuggestListView(QWidget* parent) : QAbstractScrollArea(parent) {
    // Selection and the focus mark are kept here, as a list view keeps them.
    setFocusPolicy(Qt::NoFocus);
    // A flat line around the list sets it off from the editor below it.
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(kSuggestListBorder);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(), [this] { viewport()->update(); });
    setMouseTracking(true);
    viewport()->setMouseTracking(true);

    const int extent = host::Host() ? host::Host()->Windows().GetSystemMetrics(win::SM_CXVSCROLL) : 0;
    scrollBarStyle_ = std::make_unique<ScrollBarExtentStyle>(extent);
    verticalScrollBar()->setStyle(scrollBarStyle_.get());

    host::SetWidgetMessageHandler(
        this, [this](win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) { return Perform(msg, wParam, lParam); });
}

TSuggestListView::~TSuggestListView() {
    // The scroll bar outlives this body; it must not be left with a style
    // that goes before it.
    verticalScrollBar()->setStyle(nullptr);
}

void TSuggestListView::SetItems(SuggestionListContent items) {
    selected_ = -1;
    focused_ = -1;
    items_ = std::move(items);
    UpdateScrollRange();
    verticalScrollBar()->setValue(0);
    viewport()->update();
}

int TSuggestListView::Count() const { return static_cast<int>(items_.Count()); }

std::string TSuggestListView::Caption(int index) const { return std::string(CaptionView(index)); }

std::string_view TSuggestListView::CaptionView(int index) const {
    return Valid(index) ? items_.Text(static_cast<std::size_t>(index)) : std::string_view();
}

int TSuggestListView::Data(int index) const { return Valid(index) ? items_.DictIndex(static_cast<std::size_t>(index)) : 0; }

QString TSuggestListView::ScreenCaption(int index) const { return Valid(index) ? ToScreenText(Caption(index)) : QString(); }

QRect TSuggestListView::RowRect(int index) const {
    return {0, (index - TopIndex()) * kSuggestRowHeight, columnWidth_, kSuggestRowHeight};
}

void TSuggestListView::UpdateScrollRange() {
    const int rows = VisibleRowCount();
    verticalScrollBar()->setRange(0, std::max(0, Count() - std::max(rows, 1)));
    verticalScrollBar()->setPageStep(std::max(rows, 1));
}

// Each row is handed to OnDrawItem with its state; the sliver of a row cut
// off at the bottom is left blank, as a clipped word reads as a different one.
void TSuggestListView::paintEvent(QPaintEvent* event) {
    if (!OnDrawItem) return;
    QPainter painter(viewport());
    const int top = TopIndex();
    const int last = std::min(Count() - 1, top + VisibleRowCount());
    for (int row = top; row <= last; ++row) {
        const QRect rect = RowRect(row);
        if (!RowFullyInView(rect) || !rect.intersects(event->rect())) continue;
        const TOwnerDrawState state{row == selected_, row == focused_};
        painter.save();
        CallFromHost("the suggestion list's drawing", [&] { OnDrawItem(painter, row, DrawnRowRect(rect), state); });
        painter.restore();
    }
}

void TSuggestListView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
}

void TSuggestListView::UpdateRow(int index) {
    if (Valid(index)) viewport()->update(DrawnRowRect(RowRect(index)));
}

void TSuggestListView::MoveMark(int& mark, int index) {
    if (!Valid(index)) index = -1;
    if (index == mark) return;
    const int old = mark;
    mark = index;
    UpdateRow(old);
    UpdateRow(index);
}

void TSuggestListView::SetSelected(int index) { MoveMark(selected_, index); }

void TSuggestListView::SetItemFocused(int index) { MoveMark(focused_, index); }

void TSuggestListView::SelectAndFocus(int index) {
    SetSelected(index);
    SetItemFocused(index);
}

// With one scroll step per item, the scroll position is the top row; the
// view's own geometry would lag behind while the window is hidden.
int TSuggestListView::TopIndex() const { return Count() == 0 ? 0 : verticalScrollBar()->value(); }

// No header and no horizontal scroll bar: the client height follows from
// the list's own height, also before the window is first laid out.
int TSuggestListView::ClientHeight() const { return height() - 2 * frameWidth(); }

int TSuggestListView::VisibleRowCount() const { return std::max(ClientHeight(), 0) / kSuggestRowHeight; }

bool TSuggestListView::RowFullyInView(const QRect& row) const { return row.top() >= 0 && row.bottom() < ClientHeight(); }

QRect TSuggestListView::DrawnRowRect(const QRect& row) const {
    QRect drawn = row;
    const int below = ClientHeight() - (row.bottom() + 1);
    if (below > 0 && below < kSuggestRowHeight) drawn.setBottom(ClientHeight() - 1);
    return drawn;
}

void TSuggestListView::MakeVisible(int index) {
    if (!Valid(index)) return;
    UpdateScrollRange();
    const int rows = std::max(VisibleRowCount(), 1);
    const int top = TopIndex();
    if (index < top)
        verticalScrollBar()->setValue(index);
    else if (index >= top + rows)
        verticalScrollBar()->setValue(index - rows + 1);
}

int TSuggestListView::ColumnWidth() const { return columnWidth_; }

void TSuggestListView::SetColumnWidth(int width) {
    columnWidth_ = std::max(width, 0);
    UpdateScrollRange();
    viewport()->update();
}

int TSuggestListView::ItemAt(win::TPoint client) const {
    if (client.x < 0 || client.x >= ColumnWidth() || client.y < 0) return -1;
    const int row = TopIndex() + client.y / kSuggestRowHeight;
    return Valid(row) && RowFullyInView(RowRect(row)) ? row : -1;
}

win::HWND TSuggestListView::Handle() { return host::HandleOfWidget(this); }

win::LRESULT TSuggestListView::Perform(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_KEYDOWN || msg == win::WM_SYSKEYDOWN) {
        KeyDown(static_cast<win::WORD>(wParam & 0xFFFF));
        return 0;
    }
    // A list view acts on the key's press only.
    if (win::IsKeyMessage(msg)) return 0;
    if (msg >= win::WM_MOUSEFIRST && msg <= win::WM_MOUSELAST) host::DeliverAsQtEvent(this, msg, wParam, lParam);
    return 0;
}

void TSuggestListView::KeyDown(win::WORD vk) {
    win::WORD key = vk;
    if (OnKeyDown) OnKeyDown(key);
    if (key == 0) return;
    const int reference = focused_ >= 0 ? focused_ : selected_;
    const int target = ListViewKeyTarget(key, reference, TopIndex(), VisibleRowCount(), Count());
    if (target < 0) return;
    SelectAndFocus(target);
    MakeVisible(target);
}

void TSuggestListView::keyPressEvent(QKeyEvent* event) {
    const win::WORD vk = host::VirtualKeyOfKeyEvent(*event);
    if (vk == 0) {
        event->ignore();
        return;
    }
    CallFromHost("the suggestion list's key handler", [&] { KeyDown(vk); });
}

void TSuggestListView::mousePressEvent(QMouseEvent* event) {
    const win::TPoint at = ToPoint(event->position());
    ListMouseButton button = ListMouseButton::Left;
    if (event->button() == Qt::RightButton)
        button = ListMouseButton::Right;
    else if (event->button() == Qt::MiddleButton)
        button = ListMouseButton::Middle;
    else if (event->button() != Qt::LeftButton)
        return;
    // Either main button selects the item under it; a press beside the items
    // leaves nothing selected.
    if (button != ListMouseButton::Middle) {
        const int item = ItemAt(at);
        if (item >= 0)
            SelectAndFocus(item);
        else
            SetSelected(-1);
    }
    if (button == ListMouseButton::Left) leftPressed_ = true;
    if (OnMouseDown) CallFromHost("the suggestion list's mouse-down handler", [&] { OnMouseDown(button, at); });
}

void TSuggestListView::mouseReleaseEvent(QMouseEvent* event) {
    // Only a release that ends a press of this list is a click: not the
    // release after a double click, nor one whose press went elsewhere.
    if (event->button() != Qt::LeftButton || !leftPressed_) return;
    leftPressed_ = false;
    if (OnClick) CallFromHost("the suggestion list's click handler", [&] { OnClick(); });
}

void TSuggestListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    leftPressed_ = false;
    const int item = ItemAt(ToPoint(event->position()));
    if (item >= 0) SelectAndFocus(item);
    if (OnDblClick) CallFromHost("the suggestion list's double-click handler", [&] { OnDblClick(); });
}

void TSuggestListView::mouseMoveEvent(QMouseEvent* event) {
    const win::TPoint at = ToPoint(event->position());
    if (OnMouseMove) CallFromHost("the suggestion list's mouse-move handler", [&] { OnMouseMove(at); });
}

}  // namespace skrivo
