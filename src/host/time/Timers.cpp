// Timers on the host clock: Qt timers on the real clock, due-time order on a manual clock.
#include "host/time/Timers.h"

#include <algorithm>
#include <exception>

#include <QTimer>

#include "host/HostLog.h"
#include "platform/Clock.h"

namespace skrivo::host {

class HostTimer final : public ITimer {
public:
    explicit HostTimer(TimerScheduler& scheduler) : scheduler_(scheduler) {
        if (!scheduler_.Manual()) {
            qtimer_ = std::make_unique<QTimer>();
            QObject::connect(qtimer_.get(), &QTimer::timeout, [this] { Fire(); });
        }
        scheduler_.Register(this);
    }
    ~HostTimer() override { scheduler_.Unregister(this); }
    HostTimer(const HostTimer&) = delete;
    HostTimer& operator=(const HostTimer&) = delete;

    void SetInterval(unsigned ms) override {
        if (interval_ == ms) return;
        interval_ = ms;
        Rearm();
    }
    unsigned Interval() const override { return interval_; }
    void SetEnabled(bool enabled) override {
        enabled_ = enabled;
        Rearm();
    }
    bool Enabled() const override { return enabled_; }
    void SetOnTimer(std::function<void()> handler) override { handler_ = std::move(handler); }

    bool Due(std::uint64_t by) const { return enabled_ && interval_ > 0 && due_ <= by; }
    std::uint64_t DueTime() const { return due_; }
    std::uint64_t Sequence() const { return sequence_; }

    void Fire() {
        // A copy: the handler may replace itself or destroy this timer.
        const std::function<void()> handler = handler_;
        if (!handler) return;
        GuardHostCall("a timer handler", handler);
    }

    // Manual clock: the next interval starts at the due time just reached.
    void Advanced() {
        due_ += interval_;
        sequence_ = scheduler_.NextSequence();
    }

private:
    void Rearm() {
        if (qtimer_) {
            qtimer_->stop();
            if (enabled_ && interval_ > 0) qtimer_->start(static_cast<int>(interval_));
            return;
        }
        due_ = scheduler_.Now() + interval_;
        sequence_ = scheduler_.NextSequence();
    }

    TimerScheduler& scheduler_;
    std::unique_ptr<QTimer> qtimer_;
    std::function<void()> handler_;
    unsigned interval_ = 1000;
    bool enabled_ = false;
    std::uint64_t due_ = 0;
    std::uint64_t sequence_ = 0;
};

TimerScheduler::TimerScheduler(ManualClock* manual) : manual_(manual) {}

TimerScheduler::~TimerScheduler() = default;

std::uint64_t TimerScheduler::Now() const { return manual_ ? manual_->Milliseconds() : SystemClock().Milliseconds(); }

std::unique_ptr<ITimer> TimerScheduler::CreateTimer() { return std::make_unique<HostTimer>(*this); }

void TimerScheduler::Register(HostTimer* timer) { timers_.push_back(timer); }

void TimerScheduler::Unregister(HostTimer* timer) { timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end()); }

void TimerScheduler::Advance(std::uint64_t ms, const std::function<void()>& between) {
    if (!manual_) return;
    const std::uint64_t target = manual_->Milliseconds() + ms;
    for (;;) {
        HostTimer* next = nullptr;
        for (HostTimer* t : timers_) {
            if (!t->Due(target)) continue;
            if (!next || t->DueTime() < next->DueTime() || (t->DueTime() == next->DueTime() && t->Sequence() < next->Sequence())) next = t;
        }
        if (!next) break;
        manual_->SetMilliseconds(next->DueTime());
        next->Advanced();
        next->Fire();
        if (between) between();
    }
    manual_->SetMilliseconds(target);
    if (between) between();
}

}  // namespace skrivo::host
