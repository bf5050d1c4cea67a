#include "WindowTestSupport.h"
#include "core/Error.h"
#include "gui/Form.h"
#include "gui/Timer.h"

#include <gtest/gtest.h>

#include <memory>

using namespace gui;
using namespace testing_support;

namespace {

// Makes form the main form for the test and puts the previous one back afterwards.
struct MainFormScope {
    explicit MainFormScope(CustomForm* form) : previous(application().mainForm()) {
        application().setMainForm(form);
    }
    ~MainFormScope() { application().setMainForm(previous); }
    CustomForm* previous;
};

} // namespace

// Closing the main form from inside the loop ends run(); the loop really dispatched messages
// meanwhile (the timer fired several times first).
TEST(ApplicationLoop, ClosingTheMainFormEndsTheLoop) {
    Form form;
    MainFormScope scope(&form);
    form.setBounds(50, 50, 200, 150);
    Timer timer;
    timer.setInterval(10);
    int ticks = 0;
    timer.onTimer = [&](core::Component*) {
        if (++ticks == 3)
            form.close();
    };
    application().run();
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(IsWindowVisible(form.handle()));
    EXPECT_FALSE(application().isTerminated()); // ready for a later run
}

// A WM_CLOSE from the platform (the frame's close box, Alt+F4) goes the same way.
TEST(ApplicationLoop, WmCloseOnTheMainFormEndsTheLoop) {
    Form form;
    MainFormScope scope(&form);
    form.show();
    PostMessageW(form.handle(), WM_CLOSE, 0, 0);
    application().run();
    EXPECT_FALSE(IsWindowVisible(form.handle()));
    EXPECT_FALSE(application().isTerminated()); // ready for a later run
}

// The loop survives a handler that throws: the exception is reported and later ticks still come.
TEST(ApplicationLoop, ExceptionInTimerHandlerIsReportedAndLoopGoesOn) {
    Form form;
    MainFormScope scope(&form);
    std::vector<std::string> reported;
    application().onException = [&](const std::exception& e) { reported.push_back(e.what()); };
    Timer timer;
    timer.setInterval(10);
    int ticks = 0;
    timer.onTimer = [&](core::Component*) {
        if (++ticks == 1)
            throw std::runtime_error("tick failed");
        form.close();
    };
    application().run();
    application().onException = nullptr;
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(reported, std::vector<std::string>{"tick failed"});
}

// The default report goes to stderr and does not throw; a handler that itself throws falls back to it.
TEST(ApplicationExceptions, FailingHandlerFallsBackToDefaultReport) {
    application().onException = [](const std::exception&) { throw std::runtime_error("again"); };
    EXPECT_NO_THROW(application().handleException(std::make_exception_ptr(core::Error("boom"))));
    application().onException = nullptr;
    EXPECT_NO_THROW(application().handleException(std::make_exception_ptr(42)));
}

// Forms register while they exist; the first one becomes the main form when there is none.
TEST(ApplicationForms, FormsRegisterAndLeaveTheList) {
    MainFormScope none(nullptr);
    auto a = std::make_unique<Form>();
    auto b = std::make_unique<Form>();
    const auto& forms = application().forms();
    EXPECT_NE(std::find(forms.begin(), forms.end(), a.get()), forms.end());
    EXPECT_EQ(application().mainForm(), a.get());
    a.reset();
    EXPECT_EQ(std::find(forms.begin(), forms.end(), b.get()) != forms.end(), true);
    EXPECT_EQ(application().mainForm(), nullptr); // the main form went away
}

// Broadcasts reach the named form first, then every other form once, making windows as needed.
TEST(ApplicationForms, SendToFormsServesTheFirstFormFirst) {
    MainFormScope none(nullptr);
    Form a;
    Form b;
    Form c;
    std::vector<CustomForm*> order;
    std::vector<std::unique_ptr<FunctionHook>> hooks;
    for (CustomForm* f : {&a, &b, &c}) {
        hooks.push_back(std::make_unique<FunctionHook>(
            [&order, f](Message& m, const std::function<void(Message&)>& previous) {
                if (m.msg == 1225 && m.lParam == 1000)
                    order.push_back(f);
                previous(m);
            }));
        f->installHook(hooks.back().get());
    }
    application().sendToForms(1225, 0, 1000, &b);
    // Other forms of the process (from other tests) may be served too; ours come in this order.
    std::vector<CustomForm*> ours;
    for (CustomForm* f : order)
        if (f == &a || f == &b || f == &c)
            ours.push_back(f);
    EXPECT_EQ(ours, (std::vector<CustomForm*>{&b, &a, &c}));
    EXPECT_TRUE(c.hasHandle());
}

// A form released from its own handler is freed after the handler returns, not during it.
TEST(ApplicationForms, ReleaseFreesTheFormLater) {
    MainFormScope none(nullptr);
    auto* other = new Form;
    auto* form = new Form;
    bool destroyed = false;
    form->onDestroy = [&](core::Component*) { destroyed = true; };
    form->onClose = [](core::Component*, CloseAction& action) { action = CloseAction::caFree; };
    application().setMainForm(other);
    form->show();
    SendMessageW(form->handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(destroyed);
    pumpUntil([&] { return destroyed; });
    EXPECT_TRUE(destroyed);
    application().setMainForm(nullptr);
    delete other;
}

// Minimising the application minimises its main form, restoring brings it back; both are announced.
TEST(ApplicationWindow, MinimiseAndRestoreTheMainForm) {
    Form form;
    MainFormScope scope(&form);
    form.show();
    int minimised = 0;
    int restored = 0;
    application().onMinimize = [&](core::Component*) { ++minimised; };
    application().onRestore = [&](core::Component*) { ++restored; };
    application().minimize();
    EXPECT_TRUE(application().isMinimized());
    EXPECT_EQ(form.windowState(), WindowState::wsMinimized);
    application().restore();
    EXPECT_FALSE(application().isMinimized());
    EXPECT_EQ(form.windowState(), WindowState::wsNormal);
    application().onMinimize = nullptr;
    application().onRestore = nullptr;
    EXPECT_EQ(minimised, 1);
    EXPECT_EQ(restored, 1);
    EXPECT_NE(application().icon(), nullptr);
}
