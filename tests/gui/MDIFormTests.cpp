#include "WindowTestSupport.h"
#include "gui/Form.h"
#include "gui/GraphicsClasses.h"
#include "gui/MainMenu.h"
#include "gui/MenuItem.h"
#include "gui/Panel.h"
#include "gui/StandardClasses.h"
#include "layout/LayoutReader.h"

#include <gtest/gtest.h>

#include <memory>

using namespace gui;
using namespace testing_support;

namespace {

// A multi-document frame as the application's main form for the length of a test.
struct MDIFrame {
    MDIFrame() : previous(application().mainForm()) {
        frame = std::make_unique<Form>();
        frame->setFormStyle(FormStyle::fsMDIForm);
        frame->setBounds(20, 20, 600, 420);
        application().setMainForm(frame.get());
        frame->show();
    }
    ~MDIFrame() {
        frame.reset();
        application().setMainForm(previous);
    }
    Form* child(const std::string& caption) {
        auto* f = new Form(frame.get());
        f->setFormStyle(FormStyle::fsMDIChild);
        f->setCaption(caption);
        f->setBounds(10, 10, 200, 150);
        f->show();
        return f;
    }
    bool isLive(const Form* f) const {
        for (CustomForm* c : application().forms())
            if (c == f)
                return true;
        return false;
    }
    CustomForm* previous;
    std::unique_ptr<Form> frame;
};

core::Rect childBounds(HWND parent, HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

// Children live in the frame's client window; the newest shown one is active, the list runs from the
// top one down, and closing a child frees it and activates the one below.
TEST(MDIForm, ChildrenOpenActivateAndClose) {
    MDIFrame f;
    ASSERT_NE(f.frame->clientHandle(), nullptr);
    wchar_t cls[32] = {};
    GetClassNameW(f.frame->clientHandle(), cls, 32);
    EXPECT_EQ(_wcsicmp(cls, L"MDICLIENT"), 0); // class names ignore case
    EXPECT_EQ(f.frame->activeMDIChild(), nullptr);

    Form* one = f.child("One");
    Form* two = f.child("Two");
    EXPECT_EQ(GetParent(one->handle()), f.frame->clientHandle());
    EXPECT_EQ(one->mdiParent(), f.frame.get());
    EXPECT_EQ(f.frame->activeMDIChild(), two);
    EXPECT_EQ(f.frame->mdiChildren(), (std::vector<CustomForm*>{two, one}));

    f.frame->next();
    EXPECT_EQ(f.frame->activeMDIChild(), one);

    one->close();
    EXPECT_TRUE(pumpUntil([&] { return !f.isLive(one); }));
    EXPECT_EQ(f.frame->mdiChildren(), (std::vector<CustomForm*>{two}));
    EXPECT_EQ(f.frame->activeMDIChild(), two);
}

// The client window covers the client area left free by aligned controls and follows the frame's
// size; cascade and tile place the children inside it.
TEST(MDIForm, ClientWindowLeavesAlignedControlsFreeAndArrangesChildren) {
    MDIFrame f;
    auto* bar = new Panel(f.frame.get());
    bar->setHeight(30);
    bar->setAlign(Align::alTop);
    bar->setParent(f.frame.get());
    const core::Rect client = f.frame->clientRect();
    EXPECT_EQ(childBounds(f.frame->handle(), f.frame->clientHandle()),
              (core::Rect{0, 30, client.width(), client.height()}));

    f.frame->setBounds(20, 20, 500, 380);
    const core::Rect smaller = f.frame->clientRect();
    EXPECT_EQ(f.frame->mdiClientRect(), (core::Rect{0, 30, smaller.width(), smaller.height()}));
    EXPECT_EQ(childBounds(f.frame->handle(), f.frame->clientHandle()), f.frame->mdiClientRect());

    Form* one = f.child("One");
    Form* two = f.child("Two");
    f.frame->tile(TileMode::tbVertical);
    // Side by side: same top, different left edges, together as wide as the client window.
    RECT inner;
    GetClientRect(f.frame->clientHandle(), &inner);
    EXPECT_EQ(one->top(), two->top());
    EXPECT_NE(one->left(), two->left());
    EXPECT_EQ(one->width() + two->width(), inner.right);
    f.frame->cascade();
    EXPECT_NE(one->top(), two->top());
}

// A child needs a multi-document main form when its window is made.
TEST(MDIForm, ChildWithoutAFrameFails) {
    const CustomForm* previous = application().mainForm();
    Form plain;
    application().setMainForm(&plain);
    Form child;
    child.setFormStyle(FormStyle::fsMDIChild);
    try {
        child.handle();
        FAIL() << "no error";
    } catch (const core::Error& e) {
        EXPECT_STREQ(e.what(), "Cannot create form. No MDI forms are currently active");
    }
    application().setMainForm(const_cast<CustomForm*>(previous));
}

// The native window menu lists the children; choosing an entry activates that child.
TEST(MDIForm, WindowMenuListsTheChildren) {
    MDIFrame f;
    auto* menu = new MainMenu(f.frame.get());
    auto* file = new MenuItem(menu);
    file->setCaption("&File");
    menu->items().add(file);
    auto* window = new MenuItem(menu);
    window->setCaption("&Window");
    menu->items().add(window);
    auto* cascade = new MenuItem(menu);
    cascade->setCaption("&Cascade");
    window->add(cascade);
    f.frame->setMenu(menu);
    f.frame->setWindowMenu(window);

    Form* one = f.child("First document");
    f.child("Second document");
    pumpFor(50);
    HMENU sub = GetSubMenu(GetMenu(f.frame->handle()), 1);
    ASSERT_NE(sub, nullptr);
    // "Cascade", a separator and one entry per child.
    ASSERT_EQ(GetMenuItemCount(sub), 4);
    wchar_t text[64] = {};
    GetMenuStringW(sub, 2, text, 64, MF_BYPOSITION);
    EXPECT_NE(std::wstring(text).find(L"First document"), std::wstring::npos);
    SendMessageW(f.frame->handle(), WM_COMMAND, GetMenuItemID(sub, 2), 0);
    EXPECT_EQ(f.frame->activeMDIChild(), one);
    // The frame's own items still run their click handlers.
    bool clicked = false;
    cascade->onClick = [&](MenuItem&) { clicked = true; };
    SendMessageW(f.frame->handle(), WM_COMMAND, cascade->command(), 0);
    EXPECT_TRUE(clicked);
}

// Ctrl+F4 in the message loop closes the active child.
TEST(MDIForm, CtrlF4ClosesTheActiveChild) {
    MDIFrame f;
    f.child("One");
    Form* two = f.child("Two");
    SetForegroundWindow(f.frame->handle());
    pumpFor(50);
    MSG msg{two->handle(), WM_KEYDOWN, VK_F4, 0, 0, {}};
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE savedControl = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    const bool taken = application().isMDIAccelerator(msg);
    keys[VK_CONTROL] = savedControl;
    SetKeyboardState(keys);
    EXPECT_TRUE(taken);
    EXPECT_TRUE(pumpUntil([&] { return !f.isLive(two); }));
}

// A layout makes a frame with its window menu and a child form.
TEST(MDIForm, LayoutReadsFormStyleAndWindowMenu) {
    layout::ClassRegistry registry;
    registerStandardClasses(registry);
    registerGraphicsClasses(registry);
    const CustomForm* previous = application().mainForm();
    {
        Form frame;
        application().setMainForm(&frame);
        layout::readLayout(frame,
                           "object Frame: TForm\n"
                           "  FormStyle = fsMDIForm\n"
                           "  Menu = MainMenu1\n"
                           "  WindowMenu = Window1\n"
                           "  object MainMenu1: TMainMenu\n"
                           "    object Window1: TMenuItem\n"
                           "      Caption = '&Window'\n"
                           "    end\n"
                           "  end\n"
                           "end\n",
                           "frame", registry);
        EXPECT_EQ(frame.formStyle(), FormStyle::fsMDIForm);
        ASSERT_NE(frame.windowMenu(), nullptr);
        EXPECT_EQ(frame.windowMenu()->name(), "Window1");
        frame.show();
        EXPECT_NE(frame.clientHandle(), nullptr);
        Form child(&frame);
        layout::readLayout(child, "object Doc: TForm\n  FormStyle = fsMDIChild\n  Visible = True\nend\n",
                           "doc", registry);
        EXPECT_TRUE(child.isMDIChild());
        EXPECT_EQ(frame.activeMDIChild(), &child);
    }
    application().setMainForm(const_cast<CustomForm*>(previous));
}

// A key runs the shortcut of the frame's menu, or else of the active child's menu.
TEST(MDIForm, ShortcutsOfTheActiveChildsMenu) {
    MDIFrame f;
    Form* child = f.child("Doc");
    auto* menu = new MainMenu(child);
    auto* save = new MenuItem(menu);
    save->setCaption("&Save");
    save->setShortCut(textToShortCut("F7"));
    int saved = 0;
    save->onClick = [&](MenuItem&) { ++saved; };
    menu->items().add(save);
    child->setMenu(menu);
    MSG msg{f.frame->handle(), WM_KEYDOWN, VK_F7, 0, 0, {}};
    EXPECT_TRUE(f.frame->isShortCut(msg));
    EXPECT_EQ(saved, 1);
    msg.wParam = VK_F8;
    EXPECT_FALSE(f.frame->isShortCut(msg));
}

// A frame that is not the main form takes the children given to it.
TEST(MDIForm, ChildOfAFrameThatIsNotTheMainForm) {
    CustomForm* previous = application().mainForm();
    {
        Form main;
        application().setMainForm(&main);
        Form frame;
        frame.setFormStyle(FormStyle::fsMDIForm);
        frame.show();
        Form child(&frame);
        child.setFormStyle(FormStyle::fsMDIChild);
        child.setMDIParent(&frame);
        child.show();
        EXPECT_EQ(GetParent(child.handle()), frame.clientHandle());
        EXPECT_EQ(frame.activeMDIChild(), &child);
    }
    application().setMainForm(previous);
}
