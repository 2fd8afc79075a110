// TfmTip: the tip window: borderless, stay-on-top, tooltip-coloured, never taking the keyboard from the editor.
#include "tips/TipWindow.h"

#include <algorithm>
#include <unordered_map>

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include "host/api/Host.h"
#include "tips/TipTexts.h"
#include "platform/VirtualKeys.h"

namespace skrivo {

namespace {
constexpr int kTitleHeight = 19;
constexpr int kCloseBoxSize = 15;
constexpr int kButtonRowHeight = 30;
// The text area gets this much per line of text, plus one line of air.
constexpr int kLinePixels = 16;
constexpr int kTextWidth = TfmTip::kWidth - 8;
const QColor kTooltipColour(0xFF, 0xFF, 0xE1);

QFont TipFont(bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    font.setBold(bold);
    return font;
}
}  // namespace

// The close box: a paint box drawing an X, on a panel that looks pressed
// while the click is being answered.
class TTipCloseBox final : public QWidget {
public:
    TTipCloseBox(TfmTip& form, QWidget* parent) : QWidget(parent), form_(form) {
        setFixedSize(kCloseBoxSize, kCloseBoxSize);
        setCursor(Qt::ArrowCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(3, 3, width() - 3, height() - 3);
        painter.drawLine(width() - 3, 3, 3, height() - 3);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) form_.CloseBoxClicked();
    }

private:
    TfmTip& form_;
};

TfmTip::TfmTip(const std::string& richText, bool showAcknowledge, TipWindowCallbacks callbacks)
    : host::TForm("TfmTip", "fmTip"), callbacks_(std::move(callbacks)) {
    // Window flags first: setting them afterwards would drop the no-activate
    // and stay-on-top flags that TForm sets.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    SetNoActivate(true);
    SetStayOnTop(true);
    SetCaption("fmTip");
    setFocusPolicy(Qt::NoFocus);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kTooltipColour);
    palette.setColor(QPalette::Base, kTooltipColour);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(TipFont(false));

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    frame->setGeometry(0, 0, kWidth, 1);  // sized with the window
    frame->setObjectName(QStringLiteral("bvFrame"));

    lblTitle = new QLabel(QStringLiteral("  Didn't You know..."), this);
    SetControlClass(lblTitle, "lblTitle", "TLabel");
    lblTitle->setFont(TipFont(true));
    lblTitle->setGeometry(2, 2, kWidth - kCloseBoxSize - 10, kTitleHeight - 2);

    pnClose = new QFrame(this);
    SetControlClass(pnClose, "pnClose", "TPanel");
    pnClose->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pnClose->setLineWidth(1);
    pnClose->setGeometry(kWidth - kCloseBoxSize - 5, 2, kCloseBoxSize + 2, kCloseBoxSize + 2);
    pbClose = new TTipCloseBox(*this, pnClose);
    SetControlClass(pbClose, "pbClose", "TPaintBox");
    pbClose->move(1, 1);

    reTip = new QTextEdit(this);
    SetControlClass(reTip, "reTip", "TRichEdit");
    reTip->setReadOnly(true);
    reTip->setFrameShape(QFrame::NoFrame);
    reTip->setFocusPolicy(Qt::NoFocus);
    reTip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    reTip->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    reTip->setPalette(palette);
    reTip->setHtml(QString::fromLatin1(richText.data(), static_cast<qsizetype>(richText.size())));

    btnAcknowledge = new QPushButton(QStringLiteral("Acknowledge"), this);
    SetControlClass(btnAcknowledge, "btnAcknowledge", "TButton");
    btnAcknowledge->setFocusPolicy(Qt::NoFocus);
    btnAcknowledge->setVisible(showAcknowledge);
    QObject::connect(btnAcknowledge, &QPushButton::clicked, this, [this] {
        if (callbacks_.onAcknowledge) callbacks_.onAcknowledge();
        PostClose();
    });

    chkShowTips = new QCheckBox(QStringLiteral("Show tips"), this);
    SetControlClass(chkShowTips, "chkShowTips", "TCheckBox");
    chkShowTips->setFocusPolicy(Qt::NoFocus);
    chkShowTips->setChecked(true);
    QObject::connect(chkShowTips, &QCheckBox::clicked, this, [this] {
        if (callbacks_.onCheckClick) callbacks_.onCheckClick();
    });

    // The configuration can only be changed from the options dialog; the
    // button stays on the form, hidden, as the component it always was.
    btnChangeConfig = new QPushButton(QStringLiteral("Change configuration now"), this);
    SetControlClass(btnChangeConfig, "btnChangeConfig", "TButton");
    btnChangeConfig->hide();

    // A line of air below the text, and never less than the text needs.
    const TextExtent text = MeasureText(richText);
    const int textHeight = std::max(kLinePixels * text.lines + kLinePixels, text.height + 4);
    const int height = kTitleHeight + textHeight + kButtonRowHeight;
    resize(kWidth, height);
    frame->setGeometry(0, 0, kWidth, height);
    reTip->setGeometry(4, kTitleHeight, kTextWidth, textHeight);
    btnAcknowledge->setGeometry(6, kTitleHeight + textHeight + 3, 100, kButtonRowHeight - 7);
    chkShowTips->setGeometry(kWidth - 90, kTitleHeight + textHeight + 3, 84, kButtonRowHeight - 7);
    btnChangeConfig->setGeometry(6, kTitleHeight + textHeight + 3, 150, kButtonRowHeight - 7);

    if (host::IHost* h = host::Host()) {
        timer_ = h->CreateTimer();
        timer_->SetInterval(kShowDelayMs);
        timer_->SetOnTimer([this] { TimerTick(); });
        timer_->SetEnabled(true);
    }
}

TfmTip::~TfmTip() {
    if (timer_) timer_->SetEnabled(false);
    if (closeDelay_) closeDelay_->SetEnabled(false);
}

bool TfmTip::ShowTipsChecked() { return chkShowTips->isChecked(); }

// Lines as the text area breaks them at its width, and the height they take.
// Laying a tip out costs as much as building the rest of the window: each
// text is measured once in each font (the width is the window's own; the
// font follows the application's, which the user may change while the IDE
// runs).
TfmTip::TextExtent TfmTip::MeasureText(const std::string& richText) const {
    static std::unordered_map<std::string, TextExtent> measured;
    const std::string key = reTip->font().key().toStdString() + '\n' + richText;
    if (const auto known = measured.find(key); known != measured.end()) return known->second;
    QTextDocument document;
    document.setDefaultFont(reTip->font());
    document.setHtml(reTip->toHtml());
    document.setTextWidth(kTextWidth - 2 * reTip->frameWidth());
    TextExtent extent;
    extent.height = static_cast<int>(document.size().height());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.layout()) extent.lines += std::max(block.layout()->lineCount(), 1);
    measured.emplace(key, extent);
    return extent;
}

void TfmTip::TimerTick() {
    if (closed_ || closing_) return;
    if (!isVisible()) {
        timer_->SetInterval(kShownMs);
        timer_->SetEnabled(true);
        ShowTip();
    } else {
        timer_->SetEnabled(false);
        CloseTip();
    }
}

void TfmTip::ShowTip() {
    show();
    BringToFront();
    if (callbacks_.onShow) callbacks_.onShow();
}

void TfmTip::CloseBoxClicked() {
    if (closing_ || closed_) return;
    pnClose->setFrameShadow(QFrame::Sunken);
    pnClose->repaint();
    host::IHost* h = host::Host();
    if (!h) return;
    closeDelay_ = h->CreateTimer();
    closeDelay_->SetInterval(kCloseBoxPressMs);
    closeDelay_->SetOnTimer([this] {
        closeDelay_->SetEnabled(false);
        PostClose();
    });
    closeDelay_->SetEnabled(true);
}

void TfmTip::PostClose() {
    if (host::IHost* h = host::Host()) h->Application().PostMessage(Handle(), WM_TIPCLOSE, 0, 0);
}

win::LRESULT TfmTip::WndProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == WM_TIPCLOSE) {
        CloseTip();
        return 0;
    }
    return host::TForm::WndProc(msg, wParam, lParam);
}

void TfmTip::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        CloseTip();
        return;
    }
    host::TForm::keyPressEvent(event);
}

// The window hides at once; its owner frees it later, never from inside
// one of its own handlers. Until the close callback has returned (it may
// ask the user something) the window still counts as open.
void TfmTip::CloseTip() {
    if (closing_ || closed_) return;
    closing_ = true;
    if (timer_) timer_->SetEnabled(false);
    hide();
    if (callbacks_.onClose) callbacks_.onClose();
    closed_ = true;
}

void TfmTip::Retire() {
    if (timer_) timer_->SetEnabled(false);
    if (closeDelay_) closeDelay_->SetEnabled(false);
    hide();
    closing_ = false;
    closed_ = true;  // a close posted before it was retired finds it closed
}

void TfmTip::Reopen(bool showAcknowledge, TipWindowCallbacks callbacks) {
    Retire();
    callbacks_ = std::move(callbacks);
    btnAcknowledge->setVisible(showAcknowledge);
    chkShowTips->setChecked(true);
    pnClose->setFrameShadow(QFrame::Raised);
    closed_ = false;
    if (timer_) {
        timer_->SetInterval(kShowDelayMs);
        timer_->SetEnabled(true);
    }
}

std::unique_ptr<ITipWindow> CreateTipWindow(const std::string& richText, bool showAcknowledge,
                                            TipWindowCallbacks callbacks) {
    return std::make_unique<TfmTip>(richText, showAcknowledge, std::move(callbacks));
}

}  // namespace skrivo
