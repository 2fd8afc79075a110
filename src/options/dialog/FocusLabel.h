// TFocusLabel: the long caption beside a check box; clicking it toggles the box, and it is framed while the box has the focus.
#pragma once

#include <QLabel>
#include <QCheckBox>
#include <QPointer>

class QCheckBox;

namespace skrivo {

class TFocusLabel final : public QLabel {
    Q_OBJECT
public:
    TFocusLabel(const QString& text, QCheckBox* box, QWidget* parent);
    QCheckBox* Box() const { return box_; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QCheckBox> box_;
};

}  // namespace skrivo
