// TfmHelp: the small tooltip-coloured window that explains one control of the options dialog.
#pragma once

#include <memory>

#include <QPointer>

#include "host/api/Form.h"

class QTextEdit;

namespace skrivo {

namespace host {
class ITimer;
}

class TfmHelp final : public host::TForm {
    Q_OBJECT
public:
    static constexpr int kWidth = 280;
    // Kept clear at the screen's bottom: help that would reach into it opens
    // above its control.
    static constexpr int kBottomReserve = 50;
    static constexpr unsigned kGrowthIntervalMs = 25;

    TfmHelp(QWidget* control, bool animated);
    ~TfmHelp() override;
    TfmHelp(const TfmHelp&) = delete;
    TfmHelp& operator=(const TfmHelp&) = delete;

    QTextEdit* memHelp;

    // Places the window beside the control and shows it modally.
    int Execute();
    void Stop();

    // Where the window goes and how tall it becomes (screen coordinates);
    // valid once the memo holds its text.
    QRect TargetRect() const;
    int TargetHeight() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    int LastCharTop() const;
    void Grow();
    void PullPointerIn();

    QPointer<QWidget> control_;
    bool animated_;
    std::unique_ptr<host::ITimer> timer_;
    int step_ = 0;
    bool captured_ = false;
};

}  // namespace skrivo
