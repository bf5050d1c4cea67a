#include "WindowTestSupport.h"
#include "core/Error.h"
#include "gui/Cursors.h"
#include "gui/Form.h"
#include "gui/Label.h"
#include "gui/MainMenu.h"
#include "gui/Panel.h"
#include "gui/Screen.h"
#include "gui/StandardClasses.h"
#include "gui/WindowAlignment.h"
#include "layout/LayoutReader.h"
#include "layout/LayoutWriter.h"

#include <gtest/gtest.h>

#include <memory>

using namespace gui;
using namespace testing_support;

// --- Alignment arithmetic ------------------------------------------------------------------------

TEST(AlignRects, DocksInPriorityOrderAndFillsTheRest) {
    // Listed out of order on purpose: top items go by their top, bottom items lowest first.
    std::vector<AlignedRect> items = {
        {Align::alClient, {0, 0, 5, 5}},   {Align::alTop, {0, 50, 10, 60}}, {Align::alTop, {0, 10, 10, 30}},
        {Align::alBottom, {0, 0, 10, 15}}, {Align::alLeft, {0, 0, 25, 10}}, {Align::alRight, {0, 0, 30, 10}},
        {Align::alNone, {7, 7, 9, 9}},
    };
    const core::Rect rest = alignRects({0, 0, 200, 100}, items);
    EXPECT_EQ(items[2].bounds, (core::Rect{0, 0, 200, 20}));    // first top item (top 10)
    EXPECT_EQ(items[1].bounds, (core::Rect{0, 20, 200, 30}));   // second top item
    EXPECT_EQ(items[3].bounds, (core::Rect{0, 85, 200, 100}));  // bottom
    EXPECT_EQ(items[4].bounds, (core::Rect{0, 30, 25, 85}));    // left, between top and bottom
    EXPECT_EQ(items[5].bounds, (core::Rect{170, 30, 200, 85})); // right
    EXPECT_EQ(items[0].bounds, (core::Rect{25, 30, 170, 85}));  // client: what is left
    EXPECT_EQ(items[6].bounds, (core::Rect{7, 7, 9, 9}));       // not aligned: untouched
    EXPECT_EQ(rest, (core::Rect{25, 30, 170, 85}));
}

TEST(AlignRects, ItemsKeepTheirThicknessWhenTheAreaIsTooSmall) {
    std::vector<AlignedRect> items = {{Align::alTop, {0, 0, 10, 40}}, {Align::alClient, {}}};
    alignRects({0, 0, 50, 30}, items);
    EXPECT_EQ(items[0].bounds.height(), 40); // survives shrinking, so growing again restores the layout
    EXPECT_EQ(items[1].bounds.height(), 0);  // never negative
    EXPECT_EQ(items[1].bounds.width(), 50);
}

TEST(AnchoredBounds, EachAxisKeepsTheDistancesToItsAnchoredEdges) {
    // A 20 x 10 control at (30, 40) in a 100 x 80 parent that becomes 150 x 60.
    const AnchorRules rules{{30, 40, 50, 50}, 100, 80};
    struct Case {
        Anchors anchors;
        core::Rect want;
    };
    const Case cases[] = {
        {Anchors(), {30, 40, 50, 50}},                                         // left, top: stays
        {{Anchor::akRight, Anchor::akBottom}, {80, 20, 100, 30}},              // moves with the far edges
        {{Anchor::akLeft, Anchor::akRight, Anchor::akTop}, {30, 40, 100, 50}}, // stretches across
        {{Anchor::akTop, Anchor::akBottom}, {50, 40, 70, 40}},                 // height clamps at 0
        {Anchors::none(), {50, 29, 70, 39}},                                   // the centre keeps its place
    };
    for (const Case& c : cases)
        EXPECT_EQ(anchoredBounds(rules, c.anchors, 150, 60), c.want);
    // Computed from the rules, not step by step: a squeeze to nothing and back gives the size back.
    const Anchors stretch{Anchor::akLeft, Anchor::akRight};
    EXPECT_EQ(anchoredBounds(rules, stretch, 10, 80).width(), 0);
    EXPECT_EQ(anchoredBounds(rules, stretch, 100, 80), rules.bounds);
}

// --- Children, ownership, free notification ------------------------------------------------------

TEST(ControlTree, OwnerFreesOwnedControlsAndParentForgetsFreedChildren) {
    auto form = std::make_unique<Form>();
    auto* panel = new Panel(form.get());
    panel->setParent(form.get());
    auto* label = new Label(form.get());
    label->setParent(panel);
    // Parented only: goes with its parent.
    struct UnownedLabel : Label {
        explicit UnownedLabel(bool& freed) : Label(nullptr), m_freed(freed) {}
        ~UnownedLabel() override { m_freed = true; }
        bool& m_freed;
    };
    bool unownedFreed = false;
    auto* unowned = new UnownedLabel(unownedFreed);
    unowned->setParent(panel);
    EXPECT_EQ(panel->controlCount(), 2);

    delete label;
    EXPECT_EQ(panel->controlCount(), 1);
    EXPECT_EQ(form->componentCount(), 1);
    form->show();
    EXPECT_NO_THROW(renderClient(*panel));
    form.reset(); // frees the panel, which frees the unowned label
    EXPECT_TRUE(unownedFreed);
}

TEST(ControlTree, ReferenceToAFreedComponentIsCleared) {
    Form form;
    auto* menu = new MainMenu(nullptr);
    form.setMenu(menu);
    EXPECT_EQ(form.menu(), menu);
    delete menu;
    EXPECT_EQ(form.menu(), nullptr);
}

TEST(ControlTree, AControlCannotBecomeItsOwnAncestor) {
    Form form;
    auto* outer = new Panel(&form);
    outer->setParent(&form);
    auto* inner = new Panel(&form);
    inner->setParent(outer);
    EXPECT_THROW(outer->setParent(inner), core::Error);
    EXPECT_EQ(outer->parent(), &form);
}

// --- Alignment in a real window ------------------------------------------------------------------

TEST(ControlAlignment, ChildrenFollowTheClientAreaOfTheirWindow) {
    Form form;
    form.setClientWidth(300);
    form.setClientHeight(200);
    auto make = [&](Align a, int w, int h) {
        auto* p = new Panel(&form);
        p->setBounds(0, 0, w, h);
        p->setParent(&form);
        p->setAlign(a);
        return p;
    };
    Panel* top = make(Align::alTop, 10, 30);
    Panel* left = make(Align::alLeft, 40, 10);
    Panel* client = make(Align::alClient, 1, 1);
    Panel* hidden = make(Align::alBottom, 10, 50);
    hidden->hide();
    form.show();
    EXPECT_EQ(top->boundsRect(), (core::Rect{0, 0, 300, 30}));
    EXPECT_EQ(left->boundsRect(), (core::Rect{0, 30, 40, 200}));
    EXPECT_EQ(client->boundsRect(), (core::Rect{40, 30, 300, 200})); // the hidden bottom panel takes no room

    form.setClientWidth(400);
    EXPECT_EQ(top->width(), 400);
    EXPECT_EQ(client->boundsRect(), (core::Rect{40, 30, 400, 200}));

    hidden->show();
    EXPECT_EQ(hidden->boundsRect(), (core::Rect{0, 150, 400, 200}));
    EXPECT_EQ(client->boundsRect(), (core::Rect{40, 30, 400, 150}));
    // The child window really sits there.
    RECT r;
    GetWindowRect(client->handle(), &r);
    MapWindowPoints(HWND_DESKTOP, form.handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ((core::Rect{r.left, r.top, r.right, r.bottom}), client->boundsRect());
}

TEST(ControlAnchors, ChildrenKeepTheirDistancesWhenTheWindowIsResized) {
    Form form;
    form.setClientWidth(300);
    form.setClientHeight(200);
    auto make = [&](Anchors anchors, core::Rect bounds) {
        auto* p = new Panel(&form);
        p->setParent(&form);
        p->setBoundsRect(bounds);
        p->setAnchors(anchors);
        return p;
    };
    Panel* fixed = make(Anchors(), {10, 10, 60, 40});
    Panel* corner = make({Anchor::akRight, Anchor::akBottom}, {220, 150, 290, 190});
    Panel* wide = make({Anchor::akLeft, Anchor::akTop, Anchor::akRight}, {10, 50, 290, 80});
    Panel* tall = make({Anchor::akLeft, Anchor::akTop, Anchor::akBottom}, {10, 90, 60, 190});
    form.show();

    form.setClientWidth(400);
    form.setClientHeight(260);
    EXPECT_EQ(form.clientRect(), (core::Rect{0, 0, 400, 260}));
    EXPECT_EQ(fixed->boundsRect(), (core::Rect{10, 10, 60, 40}));
    EXPECT_EQ(corner->boundsRect(), (core::Rect{320, 210, 390, 250}));
    EXPECT_EQ(wide->boundsRect(), (core::Rect{10, 50, 390, 80}));
    EXPECT_EQ(tall->boundsRect(), (core::Rect{10, 90, 60, 250}));
    // The child window really sits there.
    RECT r;
    GetWindowRect(corner->handle(), &r);
    MapWindowPoints(HWND_DESKTOP, form.handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ((core::Rect{r.left, r.top, r.right, r.bottom}), corner->boundsRect());

    // Squeezed below a stretched control's size and grown back, the layout returns unchanged.
    form.setClientHeight(50);
    EXPECT_EQ(tall->height(), 0);
    form.setClientWidth(300);
    form.setClientHeight(200);
    EXPECT_EQ(tall->boundsRect(), (core::Rect{10, 90, 60, 190}));
    EXPECT_EQ(wide->boundsRect(), (core::Rect{10, 50, 290, 80}));
    EXPECT_EQ(corner->boundsRect(), (core::Rect{220, 150, 290, 190}));

    // Moving a control by hand sets new distances.
    corner->setLeft(100);
    form.setClientWidth(350);
    EXPECT_EQ(corner->left(), 150);
}

TEST(ControlAnchors, LayoutsReadAndWriteThem) {
    layout::ClassRegistry registry;
    registerStandardClasses(registry);
    struct LayoutForm : Form {
        const char* className() const override { return "TForm1"; }
    } form;
    const char* text = R"(object Form1: TForm1
  ClientHeight = 200
  ClientWidth = 300
  object Panel1: TPanel
    Left = 200
    Top = 10
    Width = 90
    Height = 30
    Anchors = [akTop, akRight]
  end
  object Panel2: TPanel
    Left = 10
    Top = 50
    Width = 280
    Height = 140
    Anchors = [akLeft, akTop, akRight, akBottom]
  end
end
)";
    layout::readLayout(form, text, "test.layout", registry);
    auto* right = dynamic_cast<Panel*>(form.findComponent("Panel1"));
    auto* both = dynamic_cast<Panel*>(form.findComponent("Panel2"));
    ASSERT_TRUE(right && both);
    EXPECT_EQ(right->anchors(), (Anchors{Anchor::akTop, Anchor::akRight}));
    form.setClientWidth(400);
    form.setClientHeight(250);
    EXPECT_EQ(right->boundsRect(), (core::Rect{300, 10, 390, 40}));
    EXPECT_EQ(both->boundsRect(), (core::Rect{10, 50, 390, 240}));

    const std::string written =
        layout::writeLayout(form, {[](const core::Component* c) -> const core::Component* {
                                auto* control = dynamic_cast<const Control*>(c);
                                return control ? control->parent() : nullptr;
                            }});
    EXPECT_NE(written.find("Anchors = [akTop, akRight]"), std::string::npos) << written;
    EXPECT_NE(written.find("Anchors = [akLeft, akTop, akRight, akBottom]"), std::string::npos);

    LayoutForm other;
    try {
        layout::readLayout(other,
                           "object Form1: TForm1\n  object P: TPanel\n    Anchors = [akMiddle]\n  end\nend\n",
                           "bad.layout", registry);
        ADD_FAILURE() << "accepted";
    } catch (const core::Error& e) {
        EXPECT_NE(std::string(e.what()).find("'akMiddle' is not an anchor"), std::string::npos) << e.what();
    }
}

TEST(ControlAlignment, PanelAlignsInsideItsBevels) {
    Form form;
    auto* panel = new Panel(&form);
    panel->setParent(&form);
    panel->setBounds(0, 0, 100, 80);
    panel->setBevelWidth(2);
    panel->setBorderWidth(3);
    auto* inner = new Panel(&form);
    inner->setParent(panel);
    inner->setAlign(Align::alClient);
    EXPECT_EQ(inner->boundsRect(), (core::Rect{5, 5, 95, 75}));
}

// --- Fonts and colours from the parent ------------------------------------------------------------

TEST(ControlInheritance, FontAndColourFollowTheParentUntilSetOwn) {
    Form form;
    auto* panel = new Panel(&form);
    panel->setParent(&form);
    auto* label = new Label(&form);
    label->setParent(panel);
    EXPECT_TRUE(label->font().sameAs(panel->font()));

    panel->font().setName("Arial");
    panel->font().setHeight(-20);
    EXPECT_EQ(label->font().name(), "Arial");
    EXPECT_TRUE(label->parentFont());
    panel->setColor(core::clRed);
    EXPECT_EQ(label->color(), core::clRed);

    label->font().setHeight(-9); // its own font from now on
    EXPECT_FALSE(label->parentFont());
    panel->font().setName("Tahoma");
    EXPECT_EQ(label->font().name(), "Arial");
    label->setParentFont(true);
    EXPECT_EQ(label->font().name(), "Tahoma");
    EXPECT_EQ(label->font().height(), -20);
}

// --- Mouse routing to graphic children ------------------------------------------------------------

namespace {

struct RoutingFixture : ::testing::Test {
    void SetUp() override {
        form = std::make_unique<Form>();
        form->setBounds(60, 60, 300, 200);
        panel = new Panel(form.get());
        panel->setParent(form.get());
        panel->setBounds(10, 10, 200, 100);
        label = new Label(form.get());
        label->setAutoSize(false);
        label->setBounds(20, 20, 50, 20);
        label->setParent(panel);
        label->onClick = [this](core::Component*) { ++labelClicks; };
        label->onMouseEnter = [this](core::Component*) { ++labelEnters; };
        label->onMouseLeave = [this](core::Component*) { ++labelLeaves; };
        panel->onClick = [this](core::Component*) { ++panelClicks; };
        form->show();
    }
    void post(UINT msg, int x, int y, WPARAM keys = 0) {
        SendMessageW(panel->handle(), msg, keys, MAKELPARAM(x, y));
    }
    std::unique_ptr<Form> form;
    Panel* panel = nullptr;
    Label* label = nullptr;
    int labelClicks = 0;
    int panelClicks = 0;
    int labelEnters = 0;
    int labelLeaves = 0;
};

} // namespace

TEST_F(RoutingFixture, PressAndReleaseOverAGraphicChildClickIt) {
    post(WM_LBUTTONDOWN, 30, 25, MK_LBUTTON);
    post(WM_LBUTTONUP, 31, 26);
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(panelClicks, 0);

    // Released outside the child: the child keeps the mouse, but it is no click.
    post(WM_LBUTTONDOWN, 30, 25, MK_LBUTTON);
    post(WM_MOUSEMOVE, 150, 80, MK_LBUTTON);
    post(WM_LBUTTONUP, 150, 80);
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(panelClicks, 0);

    // A disabled child lets the parent have the click.
    label->setEnabled(false);
    post(WM_LBUTTONDOWN, 30, 25, MK_LBUTTON);
    post(WM_LBUTTONUP, 30, 25);
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(panelClicks, 1);
}

TEST_F(RoutingFixture, MouseEnterAndLeaveFollowTheChildUnderTheCursor) {
    post(WM_MOUSEMOVE, 5, 5);
    EXPECT_EQ(labelEnters, 0);
    post(WM_MOUSEMOVE, 30, 25);
    post(WM_MOUSEMOVE, 32, 27);
    EXPECT_EQ(labelEnters, 1);
    EXPECT_TRUE(label->isMouseInside());
    post(WM_MOUSEMOVE, 150, 80);
    EXPECT_EQ(labelLeaves, 1);
    post(WM_MOUSEMOVE, 30, 25);
    SendMessageW(panel->handle(), WM_MOUSELEAVE, 0, 0); // the cursor left the window
    EXPECT_EQ(labelEnters, 2);
    EXPECT_EQ(labelLeaves, 2);
}

TEST_F(RoutingFixture, CursorOfTheChildUnderTheMouseIsShown) {
    label->setCursor(crHandPoint);
    const core::Point over = panel->clientToScreen({30, 25});
    SetCursorPos(over.x, over.y);
    SendMessageW(panel->handle(), WM_SETCURSOR, WPARAM(panel->handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), screen().cursor(crHandPoint));

    // A registered cursor replaces the standard one under its id.
    HCURSOR cross = LoadCursorW(nullptr, IDC_CROSS);
    screen().setCursor(26000, cross, CursorOwnership::Shared);
    label->setCursor(26000);
    SendMessageW(panel->handle(), WM_SETCURSOR, WPARAM(panel->handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), cross);
    screen().removeCursor(26000);
}

// --- Tab order ------------------------------------------------------------------------------------

TEST(ControlTabOrder, SettingAPositionMovesTheOthersAndClamps) {
    Form form;
    std::vector<Panel*> p;
    for (int i = 0; i < 3; ++i) {
        p.push_back(new Panel(&form));
        p.back()->setParent(&form);
    }
    p[2]->setTabOrder(0);
    EXPECT_EQ(p[2]->tabOrder(), 0);
    EXPECT_EQ(p[0]->tabOrder(), 1);
    EXPECT_EQ(p[1]->tabOrder(), 2);
    p[2]->setTabOrder(99);
    EXPECT_EQ(p[2]->tabOrder(), 2);
    p[0]->setTabOrder(-5);
    EXPECT_EQ(p[0]->tabOrder(), 0);
}

// --- Component messages --------------------------------------------------------------------------

namespace {

template <typename Base> struct Answering : Base {
    using Base::Base;
    void controlMessage(Message& m) override {
        if (m.msg == 46056)
            m.result = 1;
    }
};

} // namespace

// The components' own messages reach graphic and window controls alike, window ones through their
// hook chain and from the platform too.
TEST(ControlMessages, OwnMessagesReachGraphicAndWindowControls) {
    Form form;
    auto* label = new Answering<Label>(&form);
    label->setParent(&form);
    auto* panel = new Answering<Panel>(&form);
    panel->setParent(&form);
    EXPECT_EQ(label->perform(46056), 1);
    EXPECT_EQ(panel->perform(46056), 1);
    EXPECT_EQ(panel->perform(46057), 0);
    EXPECT_EQ(panel->sendMessage(46056), 1);
    int seen = 0;
    FunctionHook hook([&](Message& m, const std::function<void(Message&)>& previous) {
        seen += m.msg == 46056;
        previous(m);
    });
    panel->installHook(&hook);
    EXPECT_EQ(panel->perform(46056), 1);
    EXPECT_EQ(seen, 1);
}
