// The base of every top-level window of the host and the expert.
#include "host/api/Form.h"

#include <algorithm>

#include <QAbstractButton>
#include <QCloseEvent>
#include <QEventLoop>
#include <QShowEvent>

#include "host/forms/Desktop.h"
#include "host/forms/WindowRegistry.h"
#include "host/text/AnsiText.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {

namespace {
QString FromAnsi(const std::string& text) { return QString::fromStdString(AnsiToEditorText(text)); }
}  // namespace

TForm::TForm(std::string className, const std::string& name, QWidget* parent)
    : QWidget(parent, Qt::Window), className_(std::move(className)) {
    setObjectName(QString::fromStdString(name));
    WindowRegistry::SetClassName(this, className_);
    Desktop::Instance().Track(this);
}

TForm::~TForm() {
    Desktop& desktop = Desktop::Instance();
    desktop.PopModal(this);
    if (desktop.ActiveWindow() == this) desktop.WindowHidden(this);
}

win::HWND TForm::Handle() { return WindowRegistry::Instance().HandleOf(this); }
std::string TForm::Name() { return objectName().toStdString(); }
std::string TForm::Caption() { return EditorTextToAnsi(windowTitle().toStdString()); }
void TForm::SetCaption(const std::string& caption) { setWindowTitle(FromAnsi(caption)); }

win::TRect TForm::BoundsRect() {
    const QRect r = frameGeometry();
    return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

void TForm::SetBoundsRect(const win::TRect& rect) {
    // Bounds include the window frame (none for borderless forms); Qt sizes
    // the client area and places the frame.
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const int extraWidth = frame.width() - client.width();
    const int extraHeight = frame.height() - client.height();
    move(rect.left, rect.top);
    resize(std::max(rect.Width() - extraWidth, 0), std::max(rect.Height() - extraHeight, 0));
}

QList<QWidget*> TForm::Components() const {
    QList<QWidget*> result;
    for (QWidget* child : findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) result.push_back(child);
    }
    return result;
}

int TForm::ComponentCount() { return static_cast<int>(Components().size()); }

IControl* TForm::Component(int index) {
    const QList<QWidget*> all = Components();
    if (index < 0 || index >= all.size()) return nullptr;
    return WindowRegistry::Instance().ControlOf(all[index]);
}

IControl* TForm::FindComponent(const std::string& name) {
    const QString wanted = QString::fromStdString(name);
    for (QWidget* child : Components())
        if (child->objectName().compare(wanted, Qt::CaseInsensitive) == 0) return WindowRegistry::Instance().ControlOf(child);
    return nullptr;
}

void TForm::SetNoActivate(bool noActivate) {
    noActivate_ = noActivate;
    setAttribute(Qt::WA_ShowWithoutActivating, noActivate);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus, noActivate);
}

void TForm::SetStayOnTop(bool stayOnTop) {
    stayOnTop_ = stayOnTop;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, stayOnTop);
    if (wasVisible) show();  // changing window flags hides a window
    Desktop::Instance().BringToFront(this);
}

void TForm::BringToFront() {
    Desktop::Instance().BringToFront(this);
    if (Desktop::Instance().FollowNativeActivation()) raise();
}

void TForm::SetAlpha(int alpha) {
    alpha_ = std::clamp(alpha, 0, 255);
    setWindowOpacity(alpha_ / 255.0);
}

void TForm::SetModalResult(int result) {
    modalResult_ = result;
    emit ModalResultChanged(result);
    if (modal_ && result != mrNone) hide();
}

void TForm::SetButtonModalResult(QAbstractButton* button, int result) {
    connect(button, &QAbstractButton::clicked, this, [this, result] { SetModalResult(result); });
}

int TForm::ShowModal() {
    Desktop& desktop = Desktop::Instance();
    modalResult_ = mrNone;
    modal_ = true;
    desktop.PushModal(this);
    // On a real desktop the window manager keeps the other windows from input too.
    const Qt::WindowModality modality = windowModality();
    if (!isVisible()) setWindowModality(Qt::ApplicationModal);
    struct ModalEnd {
        TForm& form;
        Qt::WindowModality modality;
        ~ModalEnd() {
            form.modal_ = false;
            Desktop::Instance().PopModal(&form);
            form.hide();
            form.setWindowModality(modality);
        }
    } end{*this, modality};
    show();
    if (const auto answerer = desktop.Answerer()) answerer(*this);
    if (modalResult_ == mrNone && isVisible()) {
        if (desktop.ModalMayWait()) {
            QEventLoop loop;
            connect(this, &TForm::ModalResultChanged, &loop, [&loop](int result) {
                if (result != mrNone) loop.quit();
            });
            loop.exec();
        } else {
            modalResult_ = mrCancel;
        }
    }
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

win::LRESULT TForm::WndProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    win::LRESULT result = 0;
    if (handler_ && handler_(msg, wParam, lParam, result)) return result;
    if (msg == win::WM_CLOSE) close();
    return 0;
}

void TForm::SetControlClass(QWidget* control, const std::string& name, const std::string& className) {
    if (!control) return;
    control->setObjectName(QString::fromStdString(name));
    if (!className.empty()) WindowRegistry::SetClassName(control, className);
}

void TForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) Desktop::Instance().WindowShown(this);
}

void TForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous()) return;
    if (modal_ && modalResult_ == mrNone) SetModalResult(mrCancel);
    Desktop::Instance().WindowHidden(this);
}

void TForm::closeEvent(QCloseEvent* event) {
    if (modal_ && modalResult_ == mrNone) SetModalResult(mrCancel);
    QWidget::closeEvent(event);
}

}  // namespace skrivo::host
