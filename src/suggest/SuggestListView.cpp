// The owner-drawn word list lvWords: a single-selection list view whose rows its form draws, driven by messages while the editor keeps the focus.
#include "suggest/SuggestListView.h"

#include <algorithm>

#include <QAbstractItemDelegate>
#include <QAbstractListModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
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

// The items of the list. Captions are converted for the screen when a row
// is drawn or asked for, not when the list is filled: a fill of thousands of
// words then costs what the rows in sight cost.
class SuggestItemModel final : public QAbstractListModel {
public:
    explicit SuggestItemModel(QObject* parent) : QAbstractListModel(parent) {}

    void Reset(SuggestionListContent items) {
        beginResetModel();
        items_ = std::move(items);
        endResetModel();
    }
    int Count() const { return static_cast<int>(items_.Count()); }
    std::string Text(int index) const { return std::string(items_.Text(static_cast<std::size_t>(index))); }
    int DictIndex(int index) const { return items_.DictIndex(static_cast<std::size_t>(index)); }

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : Count(); }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= Count()) return {};
        if (role == Qt::DisplayRole) return ToScreenText(Text(index.row()));
        if (role == Qt::UserRole) return DictIndex(index.row());
        return {};
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
    }

private:
    SuggestionListContent items_;
};

// Owner drawing: every row is handed to OnDrawItem with its state.
class TSuggestListView::Delegate final : public QAbstractItemDelegate {
public:
    explicit Delegate(TSuggestListView& view) : QAbstractItemDelegate(&view), view_(view) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        // The sliver of a row cut off at the bottom is left blank: a clipped
        // word reads as a different one.
        if (!view_.OnDrawItem || !view_.RowFullyInView(option.rect)) return;
        const int row = index.row();
        const TOwnerDrawState state{row == view_.selected_, row == view_.focused_};
        painter->save();
        CallFromHost("the suggestion list's drawing", [&] { view_.OnDrawItem(*painter, row, view_.DrawnRowRect(option.rect), state); });
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        return {view_.ColumnWidth(), kSuggestRowHeight};
    }

private:
    TSuggestListView& view_;
};

TSuggestListView::TSuggestListView(QWidget* parent) : QTreeView(parent) {
    model_ = new SuggestItemModel(this);
    delegate_ = new Delegate(*this);
    setModel(model_);
    setItemDelegate(delegate_);

    setHeaderHidden(true);
    header()->setStretchLastSection(false);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSortingEnabled(false);
    // Selection and the focus mark are kept here, as a list view keeps them;
    // Qt's own selection would follow Qt's rules for keys and clicks.
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    // A flat line around the list sets it off from the editor below it.
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Plain);
    setLineWidth(kSuggestListBorder);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setAutoScroll(false);
    setTextElideMode(Qt::ElideNone);
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
    setUpdatesEnabled(false);
    selected_ = -1;
    focused_ = -1;
    model_->Reset(std::move(items));
    verticalScrollBar()->setValue(0);
    setUpdatesEnabled(true);
}

int TSuggestListView::Count() const { return model_->Count(); }

std::string TSuggestListView::Caption(int index) const { return Valid(index) ? model_->Text(index) : std::string(); }

int TSuggestListView::Data(int index) const { return Valid(index) ? model_->DictIndex(index) : 0; }

QString TSuggestListView::ScreenCaption(int index) const { return Valid(index) ? ToScreenText(model_->Text(index)) : QString(); }

void TSuggestListView::UpdateRow(int index) {
    if (Valid(index)) viewport()->update(DrawnRowRect(visualRect(model_->index(index, 0))));
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
    const int rows = std::max(VisibleRowCount(), 1);
    const int top = TopIndex();
    if (index < top)
        verticalScrollBar()->setValue(index);
    else if (index >= top + rows)
        verticalScrollBar()->setValue(index - rows + 1);
}

int TSuggestListView::ColumnWidth() const { return columnWidth(0); }

void TSuggestListView::SetColumnWidth(int width) { setColumnWidth(0, std::max(width, 0)); }

int TSuggestListView::ItemAt(win::TPoint client) const {
    if (client.x < 0 || client.x >= ColumnWidth()) return -1;
    const QModelIndex index = indexAt(QPoint(client.x, client.y));
    return index.isValid() && RowFullyInView(visualRect(index)) ? index.row() : -1;
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
