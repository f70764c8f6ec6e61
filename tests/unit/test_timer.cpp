#include <gtest/gtest.h>

#include "fakes/Fakes.h"
#include "platform/Timer.h"

namespace vnl {
namespace {

TEST(Timer, RunsOnlyWhenEnabledWithAnIntervalAndAHandler) {
    test::FakeTimers host;
    TTimer timer(host, false, 0);
    int ticks = 0;
    timer.SetOnTimer([&] { ++ticks; });
    EXPECT_FALSE(timer.Running());
    timer.SetEnabled(true);
    EXPECT_FALSE(timer.Running()) << "interval 0 never fires";
    timer.SetInterval(60000);
    ASSERT_TRUE(timer.Running());
    host.Fire(*host.Find(60000));
    EXPECT_EQ(ticks, 1);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Running());
    EXPECT_TRUE(host.running.empty());

    TTimer noHandler(host, true, 1000);
    EXPECT_FALSE(noHandler.Running()) << "a timer with no handler does not poll";
}

TEST(Timer, SameValueKeepsTheCountdownNewValueRestartsIt) {
    test::FakeTimers host;
    TTimer timer(host, true, 60000);
    timer.SetOnTimer([] {});
    const int starts = host.starts;
    timer.SetEnabled(true);
    timer.SetInterval(60000);
    EXPECT_EQ(host.starts, starts) << "unchanged values leave the countdown running";
    timer.SetInterval(120000);
    EXPECT_EQ(host.starts, starts + 1);
    EXPECT_TRUE(host.Find(120000).has_value());
    EXPECT_EQ(host.running.size(), 1u);
}

TEST(Timer, StopsWhenDestroyed) {
    test::FakeTimers host;
    {
        TTimer timer(host, true, 1000);
        timer.SetOnTimer([] {});
        EXPECT_EQ(host.running.size(), 1u);
    }
    EXPECT_TRUE(host.running.empty());
}

}  // namespace
}  // namespace vnl
