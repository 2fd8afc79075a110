// Window handles and class names for every window and control of the application.
#include "host/forms/WindowRegistry.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTreeView>
#include <QWidget>

#include <Qsci/qsciscintillabase.h>

#include "host/api/Form.h"
#include "host/input/QtKeys.h"
#include "host/text/AnsiText.h"
#include "platform/VirtualKeys.h"

namespace skrivo::host {

namespace {

constexpr const char* kClassProperty = "skrivoClassName";

std::string ToAnsi(const QString& text) { return EditorTextToAnsi(text.toStdString()); }

class ControlRef final : public IControl {
public:
    explicit ControlRef(QWidget* widget) : widget_(widget) {}
    win::HWND Handle() override { return widget_ ? WindowRegistry::Instance().HandleOf(widget_) : 0; }
    std::string Name() override { return widget_ ? widget_->objectName().toStdString() : std::string(); }
    std::string ClassName() override { return WindowRegistry::ClassNameOf(widget_); }
    std::string Caption() override { return ControlCaption(widget_); }
    bool Visible() override { return widget_ && widget_->isVisible(); }
    void Click() override {
        if (!widget_) return;
        if (auto* button = qobject_cast<QAbstractButton*>(widget_.data())) {
            button->click();
            return;
        }
        const QPoint centre = widget_->rect().center();
        const auto lParam = static_cast<win::LPARAM>((centre.y() << 16) | (centre.x() & 0xFFFF));
        PerformMessage(widget_, win::WM_LBUTTONDOWN, win::MK_LBUTTON, lParam);
        PerformMessage(widget_, win::WM_LBUTTONUP, 0, lParam);
    }
    win::LRESULT Perform(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override {
        return PerformMessage(widget_, msg, wParam, lParam);
    }

private:
    QPointer<QWidget> widget_;
};

}  // namespace

WindowRegistry& WindowRegistry::Instance() {
    static WindowRegistry registry;
    return registry;
}

win::HWND WindowRegistry::HandleOf(QWidget* widget) {
    if (!widget) return 0;
    const auto it = handles_.find(widget);
    if (it != handles_.end()) return it->second;
    const win::HWND handle = next_;
    next_ += 4;
    handles_[widget] = handle;
    widgets_[handle] = widget;
    connect(widget, &QObject::destroyed, this, &WindowRegistry::Forget, Qt::UniqueConnection);
    return handle;
}

QWidget* WindowRegistry::WidgetOf(win::HWND handle) const {
    const auto it = widgets_.find(handle);
    return it == widgets_.end() ? nullptr : it->second.data();
}

IControl* WindowRegistry::ControlOf(QWidget* widget) {
    if (!widget) return nullptr;
    HandleOf(widget);  // also watches the widget's end
    auto& slot = controls_[widget];
    if (!slot) slot = std::make_unique<ControlRef>(widget);
    return slot.get();
}

void WindowRegistry::Forget(QObject* object) {
    const auto it = handles_.find(object);
    if (it != handles_.end()) {
        widgets_.erase(it->second);
        handles_.erase(it);
    }
    controls_.erase(object);
    handlers_.erase(object);
}

void WindowRegistry::SetMessageHandler(QWidget* widget, MessageHandler handler) {
    if (!widget) return;
    HandleOf(widget);
    handlers_[widget] = std::move(handler);
}

const WindowRegistry::MessageHandler* WindowRegistry::MessageHandlerOf(QWidget* widget) const {
    const auto it = handlers_.find(widget);
    return it == handlers_.end() || !it->second ? nullptr : &it->second;
}

void WindowRegistry::SetClassName(QWidget* widget, const std::string& className) {
    if (widget) widget->setProperty(kClassProperty, QString::fromStdString(className));
}

std::string WindowRegistry::ClassNameOf(const QWidget* widget) {
    if (!widget) return {};
    const QVariant own = widget->property(kClassProperty);
    if (own.isValid()) return own.toString().toStdString();
    if (qobject_cast<const QLabel*>(widget)) return "TLabel";
    if (qobject_cast<const QCheckBox*>(widget)) return "TCheckBox";
    if (qobject_cast<const QRadioButton*>(widget)) return "TRadioButton";
    if (qobject_cast<const QPushButton*>(widget)) return "TButton";
    if (qobject_cast<const QLineEdit*>(widget)) return "TEdit";
    if (qobject_cast<const QComboBox*>(widget)) return "TComboBox";
    if (qobject_cast<const QListWidget*>(widget)) return "TListBox";
    if (qobject_cast<const QTreeView*>(widget)) return "TListView";
    if (qobject_cast<const QListView*>(widget)) return "TListView";
    if (qobject_cast<const QGroupBox*>(widget)) return "TGroupBox";
    if (qobject_cast<const QTabWidget*>(widget)) return "TPageControl";
    if (qobject_cast<const QSpinBox*>(widget)) return "TSpinEdit";
    if (qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)) return "TMemo";
    if (qobject_cast<const QProgressBar*>(widget)) return "TProgressBar";
    if (qobject_cast<const QStatusBar*>(widget)) return "TStatusBar";
    if (qobject_cast<const QMenuBar*>(widget)) return "TMainMenu";
    if (qobject_cast<const QsciScintillaBase*>(widget)) return "TEditControl";
    if (widget->isWindow()) return widget->inherits("QDialog") ? "#32770" : "TForm";
    std::string name = widget->metaObject()->className();
    if (!name.empty() && name[0] == 'Q') name[0] = 'T';
    return name;
}

std::string ControlCaption(const QWidget* widget) {
    if (!widget) return {};
    if (auto* form = qobject_cast<const TForm*>(widget)) return ToAnsi(form->windowTitle());
    if (auto* label = qobject_cast<const QLabel*>(widget)) return ToAnsi(label->text());
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return ToAnsi(button->text());
    if (auto* group = qobject_cast<const QGroupBox*>(widget)) return ToAnsi(group->title());
    if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return ToAnsi(edit->text());
    if (auto* combo = qobject_cast<const QComboBox*>(widget)) return ToAnsi(combo->currentText());
    if (widget->isWindow()) return ToAnsi(widget->windowTitle());
    return {};
}

win::LRESULT PerformMessage(QWidget* widget, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (!widget) return 0;
    if (const auto* handler = WindowRegistry::Instance().MessageHandlerOf(widget)) return (*handler)(msg, wParam, lParam);
    if (auto* form = qobject_cast<TForm*>(widget)) return form->WndProc(msg, wParam, lParam);
    if (win::IsKeyMessage(msg) || (msg >= win::WM_MOUSEFIRST && msg <= win::WM_MOUSELAST)) {
        DeliverAsQtEvent(widget, msg, wParam, lParam);
        return 0;
    }
    return 0;
}

}  // namespace skrivo::host
