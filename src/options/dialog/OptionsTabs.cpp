// TOptionsTabs: the options dialog's page control: owner-drawn tabs down the left side and the page beside them.
#include "options/dialog/OptionsTabs.h"

#include <QMouseEvent>
#include <QPainter>

#include "options/dialog/HintText.h"

namespace skrivo {

namespace {

constexpr int kTextIndent = 4;
constexpr int kActiveShift = 2;
constexpr int kTabsTop = 2;

}  // namespace

TOptionsTabs::TOptionsTabs(QWidget* parent) : QFrame(parent) { setFocusPolicy(Qt::TabFocus); }

void TOptionsTabs::AddPage(QWidget* page) {
    page->setParent(this);
    page->setGeometry(PageRect());
    page->setVisible(false);
    pages_.push_back({page, {}});
    if (active_ < 0) SetActiveIndex(0);
    update();
}

QWidget* TOptionsTabs::Page(int index) const {
    return index >= 0 && index < Count() ? pages_[static_cast<std::size_t>(index)].page : nullptr;
}

void TOptionsTabs::SetActiveIndex(int index) {
    if (index < 0 || index >= Count() || index == active_) return;
    if (QWidget* old = Page(active_)) old->setVisible(false);
    active_ = index;
    Page(active_)->setVisible(true);
    update();
    if (OnChange) OnChange(active_);
}

void TOptionsTabs::SetTabCaption(int index, const QString& caption) {
    if (index < 0 || index >= Count()) return;
    pages_[static_cast<std::size_t>(index)].caption = caption;
    update();
}

QString TOptionsTabs::TabCaption(int index) const {
    return index >= 0 && index < Count() ? pages_[static_cast<std::size_t>(index)].caption : QString();
}

QRect TOptionsTabs::TabRect(int index) const { return QRect(0, kTabsTop + index * kTabWidth, kTabHeight, kTabWidth); }

QRect TOptionsTabs::PageRect() const { return QRect(kTabHeight, 0, width() - kTabHeight, height()); }

void TOptionsTabs::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    for (const Tab& tab : pages_) tab.page->setGeometry(PageRect());
}

void TOptionsTabs::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        for (int i = 0; i < Count(); ++i)
            if (TabRect(i).contains(event->position().toPoint())) {
                SetActiveIndex(i);
                return;
            }
    QFrame::mousePressEvent(event);
}

void TOptionsTabs::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QPalette& pal = palette();
    // The page's frame, open towards the active tab.
    const QRect page = PageRect().adjusted(0, 0, -1, -1);
    painter.setPen(pal.color(QPalette::Light));
    painter.drawLine(page.topLeft(), page.topRight());
    painter.drawLine(page.topLeft(), page.bottomLeft());
    painter.setPen(pal.color(QPalette::Dark));
    painter.drawLine(page.topRight(), page.bottomRight());
    painter.drawLine(page.bottomLeft(), page.bottomRight());
    for (int i = 0; i < Count(); ++i) {
        const bool active = i == active_;
        QRect r = TabRect(i);
        if (active) r.adjust(-1, -1, 1, 1);
        painter.fillRect(r, pal.color(active ? QPalette::Window : QPalette::Button));
        painter.setPen(pal.color(QPalette::Light));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(pal.color(QPalette::Dark));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        if (active) {
            painter.setPen(pal.color(QPalette::Window));
            painter.drawLine(page.left(), r.top() + 1, page.left(), r.bottom() - 1);
        }
        QFont font = this->font();
        font.setBold(active);
        painter.setFont(font);
        painter.setPen(pal.color(isEnabled() ? QPalette::WindowText : QPalette::Mid));
        const TAcceleratedText text = SplitAccelerator(pages_[static_cast<std::size_t>(i)].caption.toStdString());
        const QString shown = QString::fromStdString(text.text);
        const QFontMetrics metrics(font);
        const int shift = active ? kActiveShift : 0;
        const int x = TabRect(i).left() + kTextIndent + shift;
        const int baseline = TabRect(i).top() + (kTabWidth + metrics.ascent() - metrics.descent()) / 2 + shift;
        painter.drawText(x, baseline, shown);
        if (text.accelerator >= 0) {
            // The letter's extent in characters, not bytes: Russian captions
            // are two bytes a letter in UTF-8.
            const int letter = QString::fromUtf8(text.text.data(), text.accelerator).size();
            const int from = x + metrics.horizontalAdvance(shown.left(letter));
            const int to = x + metrics.horizontalAdvance(shown.left(letter + 1)) - 1;
            const int y = baseline + metrics.descent() - 1;
            painter.drawLine(from, y, to, y);
        }
    }
}

}  // namespace skrivo
