// TSKRadioGroup: a framed group of radio buttons with one chosen item, whose right-click shows its help.
#include "options/dialog/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace skrivo {

namespace {

// Room for the frame's caption above the first item and for the frame itself.
constexpr int kTopMargin = 16;
constexpr int kSideMargin = 8;
constexpr int kBottomMargin = 4;
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

void TSKRadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    Place();
}

// The items share the height below the caption evenly, as a radio group
// does, but never closer than one line apart.
void TSKRadioGroup::Place() {
    if (buttons_.isEmpty()) return;
    const int room = height() - kTopMargin - kBottomMargin;
    const int step = std::max(kItemHeight, room / static_cast<int>(buttons_.size()));
    for (int i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setGeometry(kSideMargin, kTopMargin + i * step + (step - kItemHeight) / 2, width() - 2 * kSideMargin, kItemHeight);
}

}  // namespace skrivo
