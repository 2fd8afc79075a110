// TFocusLabel: the long caption beside a check box; clicking it toggles the box, and it is framed while the box has the focus.
#include "options/dialog/FocusLabel.h"

#include <QCheckBox>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace skrivo {

TFocusLabel::TFocusLabel(const QString& text, QCheckBox* box, QWidget* parent) : QLabel(text, parent), box_(box) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setMargin(1);
    if (box) box->installEventFilter(this);
}

void TFocusLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && box_ && box_->isEnabled() && rect().contains(event->position().toPoint())) {
        box_->setFocus(Qt::MouseFocusReason);
        box_->click();
        event->accept();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void TFocusLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!box_ || !box_->hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

bool TFocusLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == box_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) update();
    return QLabel::eventFilter(watched, event);
}

}  // namespace skrivo
