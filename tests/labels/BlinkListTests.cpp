#include "labels/BlinkList.h"

#include <gtest/gtest.h>

using namespace labels;

namespace {

struct FakeTimer : BlinkTimer {
    std::vector<uint16_t>* intervals;
    explicit FakeTimer(std::vector<uint16_t>* log) : intervals(log) {}
    void setInterval(uint16_t ms) override { intervals->push_back(ms); }
};

struct Client : BlinkClient {
    bool blinking = false;
    std::vector<intptr_t> states;
    std::function<void()> onState;
    intptr_t blinkMessage(uint32_t message, intptr_t parameter) override {
        if (message == blinkQueryMessage)
            return blinking ? 1 : 0;
        if (message == blinkStateMessage) {
            states.push_back(parameter);
            if (onState)
                onState();
        }
        return 0;
    }
};

class BlinkListTest : public ::testing::Test {
protected:
    void SetUp() override {
        BlinkList::setTimerFactory([this](uint16_t interval, std::function<void()> tick) {
            intervals.push_back(interval);
            this->tick = std::move(tick);
            return std::make_unique<FakeTimer>(&intervals);
        });
    }
    void TearDown() override { BlinkList::setTimerFactory(nullptr); }

    std::vector<uint16_t> intervals;
    std::function<void()> tick;
};

} // namespace

TEST_F(BlinkListTest, PhasesAlternateWithTheirIntervalsAndOnlyBlinkersHear) {
    Client a, b;
    a.blinking = true;
    BlinkList::registerClient(&a);
    BlinkList::registerClient(&b);
    BlinkList* list = BlinkList::instance();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->state(), 1);
    list->setOnInterval(300);
    list->setOffInterval(700);

    tick();
    tick();
    tick();
    EXPECT_EQ(a.states, (std::vector<intptr_t>{0, 1, 0}));
    EXPECT_TRUE(b.states.empty());
    // Created with the off interval, then: off phase 700, on phase 300, off phase 700.
    EXPECT_EQ(intervals, (std::vector<uint16_t>{500, 700, 300, 700}));

    BlinkList::unregisterClient(&a);
    EXPECT_EQ(BlinkList::instance(), list);
    BlinkList::unregisterClient(&b);
    EXPECT_EQ(BlinkList::instance(), nullptr);
}

TEST_F(BlinkListTest, ClientsLeavingDuringATickAreSafe) {
    // The first label's repaint destroys the second and then itself: the tick must neither call the
    // gone label nor touch the freed list.
    Client a, b;
    a.blinking = b.blinking = true;
    BlinkList::registerClient(&a);
    BlinkList::registerClient(&b);
    a.onState = [&] {
        BlinkList::unregisterClient(&b);
        BlinkList::unregisterClient(&a);
    };
    std::function<void()> t = tick;
    t();
    EXPECT_EQ(a.states.size(), 1u);
    EXPECT_TRUE(b.states.empty());
    EXPECT_EQ(BlinkList::instance(), nullptr);
}
