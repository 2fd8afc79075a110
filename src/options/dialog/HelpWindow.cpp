// TfmHelp: the small tooltip-coloured window that explains one control of the options dialog.
#include "options/dialog/HelpWindow.h"

#include <algorithm>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QToolTip>

#include "host/api/Host.h"
#include "options/DialogForm.h"

namespace skrivo {

namespace {

// The memo's last line must show whole: its top plus a line and a margin.
constexpr int kLastLineRoom = 18;
constexpr int kGrowthSlack = 8;
constexpr int kLastLineHeight = 16;
constexpr int kFirstStep = 4;
constexpr int kStartHeight = 8;

}  // namespace

TfmHelp::TfmHelp(QWidget* control, bool animated) : host::TForm("TfmHelp", "fmHelp"), control_(control), animated_(animated) {
    SetCaption("Help");
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    SetStayOnTop(true);
    setFont(DialogFont());
    QPalette pal = QToolTip::palette();
    setPalette(pal);
    memHelp = new QTextEdit(this);
    SetControlClass(memHelp, "memHelp");
    memHelp->setReadOnly(true);
    memHelp->setFrameShape(QFrame::Box);
    memHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memHelp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memHelp->setLineWrapMode(QTextEdit::WidgetWidth);
    pal.setColor(QPalette::Base, pal.color(QPalette::ToolTipBase));
    pal.setColor(QPalette::Text, pal.color(QPalette::ToolTipText));
    memHelp->setPalette(pal);
    memHelp->viewport()->setCursor(Qt::ArrowCursor);
    memHelp->viewport()->setMouseTracking(true);
    memHelp->viewport()->installEventFilter(this);
    memHelp->setGeometry(0, 0, kWidth, kStartHeight);
    resize(kWidth, kStartHeight);
    // The window holds the mouse as long as it is up: a click anywhere ends
    // it without reaching what lies under the pointer.
    qApp->installEventFilter(this);
}

TfmHelp::~TfmHelp() {
    qApp->removeEventFilter(this);
    if (captured_) memHelp->viewport()->releaseMouse();
}

void TfmHelp::showEvent(QShowEvent* event) {
    host::TForm::showEvent(event);
    QMetaObject::invokeMethod(
        this,
        [this] {
            PullPointerIn();
            // The pointer has been over the window: it holds the mouse from
            // now on, as after the first movement over it.
            if (isVisible() && !captured_) {
                memHelp->viewport()->grabMouse();
                captured_ = true;
            }
        },
        Qt::QueuedConnection);
}

// The top of the last line, in the memo's coordinates, with the text laid
// out at the window's width.
int TfmHelp::LastCharTop() const {
    QTextDocument* doc = memHelp->document();
    doc->setTextWidth(kWidth - 2 * memHelp->frameWidth());
    const QTextBlock last = doc->lastBlock();
    const QRectF block = doc->documentLayout()->blockBoundingRect(last);
    int lineTop = 0;
    if (QTextLayout* layout = last.layout(); layout && layout->lineCount() > 0)
        lineTop = static_cast<int>(layout->lineAt(layout->lineCount() - 1).y());
    return static_cast<int>(block.top()) + lineTop + memHelp->frameWidth();
}

int TfmHelp::TargetHeight() const { return LastCharTop() + kLastLineRoom; }

QRect TfmHelp::TargetRect() const {
    const int height = TargetHeight();
    if (!control_) return QRect(0, 0, kWidth, height);
    const QPoint centre = control_->mapToGlobal(QPoint(control_->width() / 2, control_->height()));
    int top = centre.y();
    int screenHeight = 0;
    int screenWidth = 0;
    if (host::IHost* h = host::Host()) {
        screenHeight = h->Screen().Height();
        screenWidth = h->Screen().Width();
    }
    if (screenHeight > 0 && top + height > screenHeight - kBottomReserve) top = top - height - control_->height();
    int left = centre.x();
    // Kept on the screen: a control at the right edge explains itself leftwards.
    if (screenWidth > 0) left = std::max(0, std::min(left, screenWidth - kWidth));
    return QRect(left, top, kWidth, height);
}

int TfmHelp::Execute() {
    const QRect target = TargetRect();
    const int height = animated_ ? std::min(kStartHeight, target.height()) : target.height();
    setGeometry(target.left(), target.top(), kWidth, height);
    memHelp->setGeometry(0, 0, kWidth, height);
    if (animated_ && height < target.height()) {
        step_ = kFirstStep;
        if (host::IHost* h = host::Host()) {
            timer_ = h->CreateTimer();
            timer_->SetInterval(kGrowthIntervalMs);
            timer_->SetOnTimer([this] { Grow(); });
            timer_->SetEnabled(true);
        }
    }
    return ShowModal();
}

void TfmHelp::Grow() {
    const int target = TargetHeight();
    const int h = height();
    if (h - kGrowthSlack < LastCharTop() + kLastLineHeight && h < target) {
        const int next = std::min(target, h + step_);
        ++step_;
        resize(kWidth, next);
        memHelp->resize(kWidth, next);
        return;
    }
    timer_->SetEnabled(false);
}

// The window is shown under the pointer's hand: the pointer visits it once
// so that the window, not the control below it, has the mouse.
void TfmHelp::PullPointerIn() {
    host::IHost* h = host::Host();
    if (!h) return;
    win::TPoint old{};
    if (!h->Windows().GetCursorPos(old)) return;
    h->Windows().SetCursorPos(x() + 1, y() + 1);
    h->Application().ProcessMessages();
    h->Windows().SetCursorPos(old.x, old.y);
}

void TfmHelp::Stop() {
    if (timer_) timer_->SetEnabled(false);
    if (captured_) {
        memHelp->viewport()->releaseMouse();
        captured_ = false;
    }
    if (IsModal())
        SetModalResult(host::mrCancel);
    else
        hide();
}

bool TfmHelp::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if ((press || event->type() == QEvent::MouseButtonRelease) && isVisible()) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() != this) {
            if (!press) Stop();
            return true;
        }
    }
    if (watched == memHelp->viewport()) {
        if (event->type() == QEvent::MouseMove && !captured_ && isVisible()) {
            memHelp->viewport()->grabMouse();
            captured_ = true;
        } else if (event->type() == QEvent::MouseButtonRelease) {
            Stop();
            return true;
        }
    }
    return host::TForm::eventFilter(watched, event);
}

void TfmHelp::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Stop();
        return;
    }
    host::TForm::keyPressEvent(event);
}

}  // namespace skrivo
