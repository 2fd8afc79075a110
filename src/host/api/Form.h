// The base of every top-level window of the host and the expert: class name, caption, bounds, messages, modality.
#pragma once

#include <functional>
#include <string>

#include <QWidget>

#include "host/api/Application.h"

class QAbstractButton;

namespace skrivo::host {

// Modal results, as the component library numbers them.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrAbort = 3;
inline constexpr int mrRetry = 4;
inline constexpr int mrIgnore = 5;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;

// A form is a top-level QWidget with a class name ("TEditWindow",
// "TMessageForm", "TfmSuggest", ...) and a component name (its objectName).
// The host tracks forms itself (z-order, the active form, focus), so all of
// this behaves the same offscreen, without a window manager.
//
// Controls are the form's child widgets; those with an objectName are its
// components, found by FindComponent. Their class names come from
// WindowRegistry (SetControlClass to choose one).
//
// Texts crossing this class are ANSI text in the active code page.
class TForm : public QWidget, public IForm {
    Q_OBJECT
public:
    TForm(std::string className, const std::string& name, QWidget* parent = nullptr);
    ~TForm() override;

    // IForm
    win::HWND Handle() override;
    std::string Name() override;
    std::string ClassName() override { return className_; }
    std::string Caption() override;
    bool Visible() override { return isVisible(); }
    win::TRect BoundsRect() override;
    int ComponentCount() override;
    IControl* Component(int index) override;
    IControl* FindComponent(const std::string& name) override;

    void SetCaption(const std::string& caption);
    // Screen coordinates of the whole window.
    void SetBoundsRect(const win::TRect& rect);

    // Tool windows such as the suggestion list: shown without taking the
    // activation or the keyboard focus, never made the active form.
    void SetNoActivate(bool noActivate);
    bool NoActivate() const { return noActivate_; }
    void SetStayOnTop(bool stayOnTop);
    bool StayOnTop() const { return stayOnTop_; }
    // Puts the form in front of the others of its layer without activating it.
    void BringToFront();

    // Opacity 0 (transparent) .. 255 (opaque).
    void SetAlpha(int alpha);
    int Alpha() const { return alpha_; }

    // Shows the form modally and returns its modal result. While it is up,
    // the host's modal answerer (tests, the headless runner) is called with
    // it; on a manual clock nothing else could answer, so a form still open
    // when the answerer returns is closed with mrCancel.
    int ShowModal();
    bool IsModal() const { return modal_; }
    int ModalResult() const { return modalResult_; }
    // Setting a result other than mrNone closes a modal form.
    void SetModalResult(int result);
    // A click on the button sets the form's modal result.
    void SetButtonModalResult(QAbstractButton* button, int result);

    // A message posted or sent to the form. The default handles WM_CLOSE;
    // subclasses override, or set a handler (tried first; return true when
    // it handled the message).
    virtual win::LRESULT WndProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam);
    using MessageHandler = std::function<bool(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam, win::LRESULT& result)>;
    void SetMessageHandler(MessageHandler handler) { handler_ = std::move(handler); }

    // Names a control and gives it a class name (empty: the default one).
    static void SetControlClass(QWidget* control, const std::string& name, const std::string& className = {});

signals:
    void ModalResultChanged(int result);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QList<QWidget*> Components() const;

    std::string className_;
    bool noActivate_ = false;
    bool stayOnTop_ = false;
    bool modal_ = false;
    int modalResult_ = mrNone;
    int alpha_ = 255;
    MessageHandler handler_;
};

enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

// Shows the host's message box ("TMessageForm") modally and returns its modal
// result (mrOk, mrYes, ...).
int MessageDlg(const std::string& caption, const std::string& message, MessageButtons buttons);

}  // namespace skrivo::host
