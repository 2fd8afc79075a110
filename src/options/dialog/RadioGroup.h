// TSKRadioGroup: a framed group of radio buttons with one chosen item, whose right-click shows its help.
#pragma once

#include <functional>

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace skrivo {

// Items are laid out one under another; ItemIndex is -1 when none is chosen.
// OnClick runs when the user picks an item (not when ItemIndex is set).
class TSKRadioGroup final : public QGroupBox {
    Q_OBJECT
public:
    explicit TSKRadioGroup(QWidget* parent);

    void SetItems(const QStringList& items);
    QStringList Items() const;
    int ItemIndex() const;
    void SetItemIndex(int index);
    QRadioButton* Button(int index) const { return buttons_.value(index); }
    std::function<void()> OnClick;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Place();

    QButtonGroup* group_;
    QList<QRadioButton*> buttons_;
};

}  // namespace skrivo
