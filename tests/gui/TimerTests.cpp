#include "WindowTestSupport.h"
#include "gui/Timer.h"

#include <gtest/gtest.h>

#include <memory>

using namespace gui;
using namespace testing_support;

// Ticks come only from the message loop: none while it is not pumped, then several at about the
// interval.
TEST(TimerTicks, FireOnlyThroughTheMessageLoop) {
    Timer timer;
    timer.setInterval(20);
    int ticks = 0;
    timer.onTimer = [&](core::Component* sender) {
        EXPECT_EQ(sender, &timer);
        ++ticks;
    };
    Sleep(100);
    EXPECT_EQ(ticks, 0);
    const DWORD start = GetTickCount();
    ASSERT_TRUE(pumpUntil([&] { return ticks >= 3; }, 3000));
    EXPECT_GE(GetTickCount() - start, 35u); // three ticks of 20 ms need at least two intervals
}

// Disabled or zero-interval timers stay silent; enabling again resumes.
TEST(TimerTicks, DisabledOrZeroIntervalTimersStaySilent) {
    Timer timer;
    timer.setInterval(10);
    int ticks = 0;
    timer.onTimer = [&](core::Component*) { ++ticks; };
    timer.setEnabled(false);
    EXPECT_FALSE(timer.isArmed());
    pumpFor(80);
    EXPECT_EQ(ticks, 0);

    timer.setEnabled(true);
    timer.setInterval(0);
    EXPECT_FALSE(timer.isArmed());
    pumpFor(80);
    EXPECT_EQ(ticks, 0);

    timer.setInterval(10);
    EXPECT_TRUE(pumpUntil([&] { return ticks > 0; }));
}

// A timer freed by its owner, or by its own handler, never ticks again.
TEST(TimerTicks, FreedTimerNeverTicks) {
    core::Component owner;
    int ticks = 0;
    auto* selfFreeing = new Timer(&owner);
    selfFreeing->setInterval(5);
    selfFreeing->onTimer = [&](core::Component* sender) {
        ++ticks;
        delete sender;
    };
    EXPECT_TRUE(pumpUntil([&] { return ticks == 1; }));
    pumpFor(50);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(owner.componentCount(), 0);

    auto secondOwner = std::make_unique<core::Component>();
    auto* owned = new Timer(secondOwner.get());
    owned->setInterval(5);
    owned->onTimer = [&](core::Component*) { ++ticks; };
    Sleep(30);
    secondOwner.reset(); // frees the timer while its WM_TIMER may already be queued
    pumpFor(50);
    EXPECT_EQ(ticks, 1);
}
