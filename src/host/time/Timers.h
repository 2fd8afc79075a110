// Timers on the host clock: Qt timers on the real clock, due-time order on a manual clock.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "host/api/Application.h"

namespace skrivo {
class ManualClock;
}

namespace skrivo::host {

class HostTimer;

// An interval of 0 never fires (as the component library's timer). A timer
// handler may enable, disable, re-time or destroy any timer, itself included.
class TimerScheduler {
public:
    // manual: the clock tests advance; nullptr runs on the real clock.
    explicit TimerScheduler(ManualClock* manual);
    ~TimerScheduler();
    TimerScheduler(const TimerScheduler&) = delete;
    TimerScheduler& operator=(const TimerScheduler&) = delete;

    std::unique_ptr<ITimer> CreateTimer();

    // Manual clock only: moves the clock forward by ms, stopping at each due
    // time in turn (earliest first; equal times in the order they were armed)
    // to fire that timer and then run between (the host delivers what the
    // handler posted). Ends with the clock at now + ms.
    void Advance(std::uint64_t ms, const std::function<void()>& between);
    bool Manual() const { return manual_ != nullptr; }
    std::uint64_t Now() const;

private:
    friend class HostTimer;
    void Register(HostTimer* timer);
    void Unregister(HostTimer* timer);
    std::uint64_t NextSequence() { return ++sequence_; }

    ManualClock* manual_;
    std::vector<HostTimer*> timers_;
    std::uint64_t sequence_ = 0;
};

}  // namespace skrivo::host
