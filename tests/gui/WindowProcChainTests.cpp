#include "WindowTestSupport.h"
#include "core/Error.h"
#include "gui/Form.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <vector>

using namespace gui;
using namespace testing_support;

namespace {

// Records every message it sees and, for chosen messages, answers instead of passing on.
class RecordingHook : public MessageHook {
public:
    std::vector<UINT> seen;
    std::function<bool(Message&)> answer; // returns true when it answered

    void hookMessage(Message& m) override {
        seen.push_back(m.msg);
        if (answer && answer(m))
            return;
        callPrevious(m);
    }
    bool saw(UINT msg) const { return std::find(seen.begin(), seen.end(), msg) != seen.end(); }
};

class HookedForm : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<Form>();
        form->setBounds(100, 100, 300, 200);
        form->setCaption("hook test");
    }
    std::unique_ptr<Form> form;
};

LRESULT hitTest(HWND window, int x, int y) {
    return SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
}

} // namespace

// The chain sees the non-client messages before the window, can answer them, and taking it away
// gives the window its own behaviour back.
TEST_F(HookedForm, HookSeesNonClientMessagesFirstAndCanAnswerThem) {
    RecordingHook hook;
    form->installHook(&hook);
    form->show();
    HWND window = form->handle();
    EXPECT_TRUE(hook.saw(WM_NCCALCSIZE));
    EXPECT_TRUE(hook.saw(WM_NCCREATE));

    const core::Point centre = form->clientToScreen({150, 80});
    EXPECT_EQ(hitTest(window, centre.x, centre.y), HTCLIENT); // passed on: the window's answer
    EXPECT_TRUE(hook.saw(WM_NCHITTEST));

    hook.answer = [](Message& m) {
        if (m.msg != WM_NCHITTEST)
            return false;
        m.result = HTCAPTION;
        return true;
    };
    EXPECT_EQ(hitTest(window, centre.x, centre.y), HTCAPTION);

    form->removeHook(&hook);
    hook.seen.clear();
    EXPECT_EQ(hitTest(window, centre.x, centre.y), HTCLIENT);
    EXPECT_TRUE(hook.seen.empty());
}

// A hook that takes the whole window as client area in WM_NCCALCSIZE really changes the window's
// client rectangle; removing it and re-computing the frame restores the platform frame.
TEST_F(HookedForm, NcCalcSizeAnswerShapesTheClientArea) {
    form->show();
    const core::Rect framed = form->clientRect();
    ASSERT_LT(framed.width(), form->width());

    RecordingHook hook;
    hook.answer = [](Message& m) {
        if (m.msg != WM_NCCALCSIZE)
            return false;
        m.result = 0; // the proposed rectangle (the whole window) stays the client area
        return true;
    };
    form->installHook(&hook);
    SetWindowPos(form->handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(form->clientRect().width(), form->width());
    EXPECT_EQ(form->clientRect().height(), form->height());

    form->removeHook(&hook);
    SetWindowPos(form->handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_EQ(form->clientRect(), framed);
}

// Newer hooks sit in front of older ones; each passes on to the one installed before it.
TEST_F(HookedForm, NewestHookIsInFrontAndPassesToTheOlderOne) {
    std::vector<std::string> order;
    FunctionHook older([&](Message& m, const std::function<void(Message&)>& previous) {
        if (m.msg == WM_USER + 7)
            order.push_back("older");
        previous(m);
    });
    FunctionHook newer([&](Message& m, const std::function<void(Message&)>& previous) {
        if (m.msg == WM_USER + 7)
            order.push_back("newer");
        previous(m);
    });
    form->installHook(&older);
    form->installHook(&newer);
    form->sendMessage(WM_USER + 7);
    EXPECT_EQ(order, (std::vector<std::string>{"newer", "older"}));

    // Removing the older one from the middle keeps the rest of the chain intact.
    form->removeHook(&older);
    order.clear();
    form->perform(WM_USER + 7);
    EXPECT_EQ(order, (std::vector<std::string>{"newer"}));
    EXPECT_EQ(older.hookedControl(), nullptr);
    EXPECT_EQ(newer.hookedControl(), form.get());
}

// Re-creating the window keeps the hook in front, and it sees the new window's creation messages.
TEST_F(HookedForm, HooksSurviveWindowRecreation) {
    RecordingHook hook;
    form->installHook(&hook);
    form->show();
    HWND first = form->handle();
    hook.seen.clear();

    form->recreateWnd();
    EXPECT_NE(form->handle(), first);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(hook.saw(WM_NCCREATE));
    EXPECT_TRUE(hook.saw(WM_NCCALCSIZE));
    EXPECT_TRUE(form->hasHook(&hook));
    EXPECT_TRUE(IsWindowVisible(form->handle()));
}

// A hook that is destroyed takes itself out of the chain; the window goes on working.
TEST_F(HookedForm, DestroyedHookLeavesTheChain) {
    auto hook = std::make_unique<RecordingHook>();
    form->installHook(hook.get());
    form->show();
    hook.reset();
    const core::Point centre = form->clientToScreen({150, 80});
    EXPECT_EQ(hitTest(form->handle(), centre.x, centre.y), HTCLIENT);
}

// An exception thrown while a message is handled is reported through the application's handler and
// stops at the window procedure: the window stays alive and keeps answering.
TEST_F(HookedForm, ExceptionInHandlerIsReportedAndWindowLivesOn) {
    std::vector<std::string> reported;
    application().onException = [&](const std::exception& e) { reported.push_back(e.what()); };
    FunctionHook thrower([](Message& m, const std::function<void(Message&)>& previous) {
        if (m.msg == WM_USER + 1)
            throw core::Error("handler failed");
        previous(m);
    });
    form->installHook(&thrower);
    form->show();

    SendMessageW(form->handle(), WM_USER + 1, 0, 0);
    PostMessageW(form->handle(), WM_USER + 1, 0, 0);
    pumpUntil([&] { return reported.size() == 2; });
    application().onException = nullptr;

    EXPECT_EQ(reported, (std::vector<std::string>{"handler failed", "handler failed"}));
    EXPECT_TRUE(IsWindow(form->handle()));
    EXPECT_TRUE(IsWindowVisible(form->handle()));
    const core::Point centre = form->clientToScreen({150, 80});
    EXPECT_EQ(hitTest(form->handle(), centre.x, centre.y), HTCLIENT);
}
