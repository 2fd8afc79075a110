// The host's own window manager: z-order, the active window, focus, mouse cursor, screen size, modal answers.
#pragma once

#include <functional>
#include <vector>

#include <QObject>
#include <QPointer>
#include <QSize>

#include "platform/WinTypes.h"

class QWidget;

namespace skrivo::host {

class TForm;

// Offscreen there is no window manager, so the host decides which window is
// in front and which is active, the way Windows would: a window shown comes
// to the front of its layer (stay-on-top windows form the front layer) and,
// unless it never takes activation, becomes active; a window hidden hands the
// activation to the next window in z-order. On a real desktop the host also
// follows the activations the window manager reports.
class Desktop : public QObject {
    Q_OBJECT
public:
    static Desktop& Instance();

    // Forgets everything (a new host starts).
    void Reset();

    void SetFollowNativeActivation(bool follow) { followNative_ = follow; }
    bool FollowNativeActivation() const { return followNative_; }

    // Top-level windows, front first.
    std::vector<QWidget*> Windows() const;
    void Track(QWidget* window);
    void BringToFront(QWidget* window);
    void WindowShown(QWidget* window);
    void WindowHidden(QWidget* window);
    // The visible window at a screen point, front first; nullptr when none.
    QWidget* WindowAt(win::TPoint point) const;

    QWidget* ActiveWindow() const { return active_.data(); }
    // Another application took the activation: no window of ours is in front.
    void ApplicationDeactivated();
    // Tool windows that float beside the main window without ever taking the
    // activation (the suggestion list) belong to where they were placed: they
    // go when the main window moves, resizes, minimises or loses the
    // activation to another application.
    void HideFloatingWindows();
    // Makes the window active (WM_ACTIVATE to the old and the new one).
    // Windows that never take activation are refused; nullptr deactivates.
    void Activate(QWidget* window);
    // The focused control of the active window, else the window itself.
    QWidget* FocusedWidget() const;
    static bool TakesActivation(const QWidget* window);

    win::TPoint CursorPos() const { return cursor_; }
    void SetCursorPos(win::TPoint point) { cursor_ = point; }

    QSize ScreenSize() const { return screen_; }
    void SetScreenSize(QSize size) { screen_ = size; }

    using ModalAnswerer = std::function<void(TForm& form)>;
    void SetModalAnswerer(ModalAnswerer answerer) { answerer_ = std::move(answerer); }
    const ModalAnswerer& Answerer() const { return answerer_; }
    // Whether a modal form may wait in an event loop for its answer (the real
    // clock); on a manual clock only the answerer can answer.
    void SetModalMayWait(bool mayWait) { modalMayWait_ = mayWait; }
    bool ModalMayWait() const { return modalMayWait_; }
    void PushModal(TForm* form);
    void PopModal(TForm* form);
    TForm* TopModal() const;

private:
    Desktop() = default;
    void Prune();
    void ActivateNextAfterHiding(QWidget* hidden);

    std::vector<QPointer<QWidget>> order_;  // front first
    std::vector<QPointer<TForm>> modal_;
    QPointer<QWidget> active_;
    win::TPoint cursor_{};
    QSize screen_{1280, 1024};
    ModalAnswerer answerer_;
    bool modalMayWait_ = false;
    bool followNative_ = false;
};

}  // namespace skrivo::host
