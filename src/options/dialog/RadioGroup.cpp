// TSKRadioGroup: a framed group of radio buttons with one chosen item, whose right-click shows its help.
#include "options/dialog/RadioGroup.h"

#include <QButtonGroup>
#include <QEvent>
#include <QRadioButton>

namespace skrivo {

namespace {

constexpr int kSideMargin = 6;
constexpr int kItemHeight = 17;

}  // namespace

TSKRadioGroup::TSKRadioGroup(QWidget* parent) : QGroupBox(parent), group_(new QButtonGroup(this)) {
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, [this](int) {
        if (OnClick) OnClick();
    });
}

void TSKRadioGroup::SetItems(const QStringList& items) {
    const int index = ItemIndex();
    for (int i = 0; i < items.size(); ++i) {
        if (i < buttons_.size()) {
            buttons_[i]->setText(items[i]);
            continue;
        }
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        buttons_.append(button);
        button->show();
    }
    while (buttons_.size() > items.size()) delete buttons_.takeLast();
    SetItemIndex(index < items.size() ? index : -1);
    Place();
}

QStringList TSKRadioGroup::Items() const {
    QStringList items;
    for (const QRadioButton* button : buttons_) items.append(button->text());
    return items;
}

int TSKRadioGroup::ItemIndex() const { return group_->checkedId(); }

void TSKRadioGroup::SetItemIndex(int index) {
    if (QAbstractButton* button = group_->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group will not uncheck its last button by itself.
    group_->setExclusive(false);
    for (QRadioButton* button : buttons_) button->setChecked(false);
    group_->setExclusive(true);
}

bool TSKRadioGroup::event(QEvent* event) {
    const bool done = QGroupBox::event(event);
    // A caption set or cleared moves the frame's inside.
    if (event->type() == QEvent::ContentsRectChange || event->type() == QEvent::StyleChange) Place();
    return done;
}

void TSKRadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    Place();
}

// The items share the room inside the frame (below its caption) evenly, as
// a radio group does, but never closer than one line apart.
void TSKRadioGroup::Place() {
    if (buttons_.isEmpty()) return;
    const QRect room = contentsRect();
    const int step = std::max(kItemHeight, room.height() / static_cast<int>(buttons_.size()));
    for (int i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setGeometry(room.left() + kSideMargin, room.top() + i * step + (step - kItemHeight) / 2,
                                 room.width() - 2 * kSideMargin, kItemHeight);
}

}  // namespace skrivo
