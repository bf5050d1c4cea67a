#include "WindowTestSupport.h"
#include "core/Utf8.h"
#include "gui/Form.h"

#include <gtest/gtest.h>

#include <memory>

using namespace gui;
using namespace testing_support;

namespace {

struct NoMainForm {
    NoMainForm() : previous(application().mainForm()) { application().setMainForm(nullptr); }
    ~NoMainForm() { application().setMainForm(previous); }
    CustomForm* previous;
};

} // namespace

// The client size given before the window exists is exact once it does, whatever the frame.
TEST(FormGeometry, ClientSizeSetBeforeTheWindowIsExact) {
    for (BorderStyle style : {BorderStyle::bsSizeable, BorderStyle::bsSingle, BorderStyle::bsDialog,
                              BorderStyle::bsToolWindow, BorderStyle::bsNone}) {
        Form form;
        form.setBorderStyle(style);
        form.setBounds(263, 177, 100, 100);
        form.setClientWidth(425);
        form.setClientHeight(390);
        form.show();
        RECT r;
        GetClientRect(form.handle(), &r);
        EXPECT_EQ(r.right, 425) << int(style);
        EXPECT_EQ(r.bottom, 390) << int(style);
        EXPECT_EQ(form.left(), 263);
        EXPECT_EQ(form.top(), 177);
        EXPECT_EQ(form.clientWidth(), 425);
    }
}

// Moving or sizing the window from outside (the user dragging it) updates the form's bounds.
TEST(FormGeometry, BoundsFollowTheWindow) {
    Form form;
    form.show();
    int resizes = 0;
    form.onResize = [&](core::Component*) { ++resizes; };
    SetWindowPos(form.handle(), nullptr, 40, 50, 333, 222, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(form.boundsRect(), (core::Rect{40, 50, 373, 272}));
    EXPECT_EQ(resizes, 1);
}

// The frame buttons come from the border icons; an empty set leaves the frame without a system
// menu, minimise or maximise box. Changing them re-makes the window keeping its client size.
TEST(FormFrame, BorderIconsDecideTheFrameButtons) {
    Form form;
    form.setBorderIcons(BorderIcons());
    form.setClientWidth(200);
    form.setClientHeight(120);
    form.show();
    LONG style = GetWindowLongW(form.handle(), GWL_STYLE);
    EXPECT_FALSE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);

    form.setBorderIcons(BorderIcon::biSystemMenu | BorderIcon::biMinimize);
    style = GetWindowLongW(form.handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_EQ(form.clientWidth(), 200);
    EXPECT_EQ(form.clientHeight(), 120);
    EXPECT_TRUE(IsWindowVisible(form.handle()));
}

// Captions are UTF-8 inside and wide in the window; a caption changed from outside is seen too.
TEST(FormFrame, CaptionRoundTripsThroughTheWindow) {
    Form form;
    const std::string title = "Velmora安装向导";
    form.setCaption(title);
    form.show();
    wchar_t text[64] = {};
    GetWindowTextW(form.handle(), text, 64);
    EXPECT_EQ(core::wideToUtf8(text), title);

    SetWindowTextW(form.handle(), L"联系方式");
    EXPECT_EQ(form.caption(), "联系方式");
}

// Closing: the query can refuse; a secondary form hides by default, or minimises, as its handler says.
TEST(FormClose, CloseQueryAndCloseActionDecide) {
    NoMainForm none;
    Form main;
    application().setMainForm(&main);
    Form form;
    form.show();
    bool allow = false;
    form.onCloseQuery = [&](core::Component*, bool& canClose) { canClose = allow; };
    form.close();
    EXPECT_TRUE(IsWindowVisible(form.handle()));

    allow = true;
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(IsWindowVisible(form.handle()));
    EXPECT_FALSE(application().isTerminated());

    form.show();
    form.onClose = [](core::Component*, CloseAction& action) { action = CloseAction::caMinimize; };
    form.close();
    EXPECT_TRUE(IsIconic(form.handle()));
    EXPECT_EQ(form.windowState(), WindowState::wsMinimized);
}

// onCreate fires once, after the form is built; onShow and onHide follow visibility.
TEST(FormEvents, CreateShowAndHide) {
    Form form;
    int created = 0;
    int shown = 0;
    int hidden = 0;
    form.onCreate = [&](core::Component*) { ++created; };
    form.onShow = [&](core::Component*) { ++shown; };
    form.onHide = [&](core::Component*) { ++hidden; };
    form.loaded();
    form.doCreate();
    EXPECT_EQ(created, 1);
    form.show();
    form.hide();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(hidden, 1);
}

// Tab moves the focus along the tab order of focusable window controls, wrapping around.
TEST(FormKeyboard, TabMovesFocusInTabOrder) {
    Form form;
    std::vector<WinControl*> controls;
    for (int i = 0; i < 3; ++i) {
        auto* c = new WinControl(&form);
        c->setParent(&form);
        c->setBounds(10, 10 + 30 * i, 50, 20);
        c->setTabStop(true);
        controls.push_back(c);
    }
    controls[2]->setTabOrder(0);
    form.show();
    SetForegroundWindow(form.handle());
    EXPECT_TRUE(form.selectNext(true));
    EXPECT_TRUE(controls[2]->isFocused());
    EXPECT_TRUE(form.selectNext(true));
    EXPECT_TRUE(controls[0]->isFocused());
    EXPECT_TRUE(form.selectNext(false));
    EXPECT_TRUE(controls[2]->isFocused());
    EXPECT_TRUE(form.selectNext(false)); // wraps to the last
    EXPECT_TRUE(controls[1]->isFocused());
}
