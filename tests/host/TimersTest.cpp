// Timers on the manual clock: due-time order, re-entrant changes, the tick count.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/api/Form.h"
#include "host/testing/OffscreenHost.h"
#include "platform/VirtualKeys.h"
#include "platform/Clock.h"

namespace skrivo::host {
namespace {

using testing::OffscreenHost;

class TimersTest : public ::testing::Test {
protected:
    std::unique_ptr<ITimer> Make(unsigned interval, std::string name) {
        auto timer = host->CreateTimer();
        timer->SetInterval(interval);
        timer->SetOnTimer([this, name] { fired.push_back(name + "@" + std::to_string(win::GetTickCount())); });
        return timer;
    }
    OffscreenHost host;
    std::vector<std::string> fired;
};

TEST_F(TimersTest, DueTimersFireInOrderAsTheClockAdvances) {
    const std::uint32_t start = win::GetTickCount();
    auto slow = Make(250, "slow");
    auto fast = Make(100, "fast");
    slow->SetEnabled(true);
    fast->SetEnabled(true);
    host.Advance(99);
    EXPECT_TRUE(fired.empty());
    host.Advance(401);
    auto at = [&](const char* name, std::uint32_t ms) { return std::string(name) + "@" + std::to_string(start + ms); };
    EXPECT_EQ(fired, (std::vector<std::string>{at("fast", 100), at("fast", 200), at("slow", 250), at("fast", 300), at("fast", 400),
                                               at("slow", 500), at("fast", 500)}));
    EXPECT_EQ(win::GetTickCount(), start + 500);
}

TEST_F(TimersTest, HandlersMayStopRestartAndDestroyTimers) {
    const std::uint32_t start = win::GetTickCount();
    auto other = Make(100, "other");
    std::unique_ptr<ITimer> self = host->CreateTimer();
    self->SetInterval(150);
    int selfTicks = 0;
    self->SetOnTimer([&] {
        ++selfTicks;
        other->SetEnabled(false);
        other->SetEnabled(true);  // restarts its interval from now
        if (selfTicks == 2) self.reset();
    });
    other->SetEnabled(true);
    self->SetEnabled(true);
    host.Advance(1000);
    EXPECT_EQ(selfTicks, 2);
    EXPECT_EQ(self, nullptr);
    // other: 100; restarted at 150 -> 250; restarted at 300 -> 400, 500 ... 1000
    ASSERT_GE(fired.size(), 3u);
    EXPECT_EQ(fired[0], "other@" + std::to_string(start + 100));
    EXPECT_EQ(fired[1], "other@" + std::to_string(start + 250));
    EXPECT_EQ(fired[2], "other@" + std::to_string(start + 400));
    EXPECT_EQ(fired.back(), "other@" + std::to_string(start + 1000));
}

TEST_F(TimersTest, ZeroIntervalAndDisabledTimersNeverFire) {
    auto zero = Make(0, "zero");
    zero->SetEnabled(true);
    auto off = Make(10, "off");
    host.Advance(100);
    EXPECT_TRUE(fired.empty());
    EXPECT_EQ(off->Interval(), 10u);
    EXPECT_FALSE(off->Enabled());
}

TEST_F(TimersTest, PostedMessagesOfAHandlerAreDeliveredBeforeTheNextTick) {
    TForm form("TfmTest", "fmTest");
    std::vector<std::string> order;
    form.SetMessageHandler([&](win::UINT msg, win::WPARAM, win::LPARAM, win::LRESULT&) {
        if (msg == win::WM_USER + 1) order.push_back("message");
        return true;
    });
    auto timer = host->CreateTimer();
    timer->SetInterval(50);
    timer->SetOnTimer([&] {
        order.push_back("tick");
        host->Application().PostMessage(form.Handle(), win::WM_USER + 1, 0, 0);
    });
    timer->SetEnabled(true);
    host.Advance(100);
    EXPECT_EQ(order, (std::vector<std::string>{"tick", "message", "tick", "message"}));
}

TEST_F(TimersTest, SleepMovesTheManualClockWithoutFiringTimers) {
    auto timer = Make(10, "t");
    timer->SetEnabled(true);
    const std::uint32_t before = win::GetTickCount();
    host->Windows().Sleep(35);
    EXPECT_EQ(win::GetTickCount(), before + 35);
    EXPECT_TRUE(fired.empty());
    host.Advance(0);  // overdue timers fire at the next chance, in order
    EXPECT_EQ(fired.size(), 3u);
}

TEST(RealClockTimersTest, QtTimersFireOnTheRealClock) {
    HostOptions options = OffscreenHost::DefaultOptions();
    options.manualClock = false;
    OffscreenHost host(std::move(options));
    auto timer = host->CreateTimer();
    int ticks = 0;
    timer->SetInterval(10);
    timer->SetOnTimer([&] { ++ticks; });
    timer->SetEnabled(true);
    // A loaded machine may run the events late; a few ticks must come all the same.
    for (int waited = 0; ticks < 3 && waited < 5000; waited += 50) host.Advance(50);
    timer->SetEnabled(false);
    const int stopped = ticks;
    host.Advance(50);
    EXPECT_GE(stopped, 3);
    EXPECT_EQ(ticks, stopped);
}

}  // namespace
}  // namespace skrivo::host
