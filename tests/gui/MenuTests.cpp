#include "gui/Bitmap.h"
#include "gui/GraphicsClasses.h"
#include "gui/ImageList.h"
#include "gui/MainMenu.h"
#include "gui/PopupMenu.h"

#include "layout/LayoutReader.h"

#include <gtest/gtest.h>

#include <memory>

using namespace gui;

namespace {

MenuItem* addItem(MenuItem& parent, const std::string& caption, ShortCut shortCut = scNone) {
    auto* item = new MenuItem();
    item->setCaption(caption);
    item->setShortCut(shortCut);
    parent.add(item);
    return item;
}

std::wstring nativeText(HMENU menu, UINT position) {
    wchar_t buffer[128] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = 127;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return buffer;
}

MENUITEMINFOW nativeInfo(HMENU menu, UINT position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    return info;
}

} // namespace

TEST(ShortCut, TextRoundTrip) {
    struct Case {
        ShortCut value;
        const char* text;
    } cases[] = {
        {makeShortCut('S', scCtrl), "Ctrl+S"},
        {makeShortCut(VK_F5, scShift | scCtrl), "Shift+Ctrl+F5"},
        {makeShortCut(VK_BACK, scAlt), "Alt+BkSp"},
        {makeShortCut(VK_DELETE), "Del"},
        {makeShortCut(VK_F12, scShift | scCtrl | scAlt), "Shift+Ctrl+Alt+F12"},
        {makeShortCut('7', scCtrl), "Ctrl+7"},
        {makeShortCut(VK_ADD, scCtrl), "Ctrl+Num +"},
        {makeShortCut(VK_NUMPAD3), "Num 3"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shortCutToText(c.value), c.text);
        EXPECT_EQ(textToShortCut(c.text), c.value) << c.text;
    }
    EXPECT_EQ(textToShortCut("ctrl + s"), makeShortCut('S', scCtrl));
    EXPECT_EQ(textToShortCut("Ctrl+"), scNone);
    EXPECT_EQ(textToShortCut("Hyper+S"), scNone);
    EXPECT_EQ(textToShortCut("Ctrl+Banana"), scNone);
    EXPECT_EQ(textToShortCut(""), scNone);
    EXPECT_EQ(shortCutToText(scNone), "");
    EXPECT_EQ(shortCutToText(makeShortCut(0xFF, scCtrl)), ""); // a key without a name
}

TEST(ShortCut, AcceleratorsFollowTheAmpersandRules) {
    struct Case {
        const char* caption;
        char32_t accel;
        const char* shown;
    } cases[] = {
        {"&File", U'F', "File"},  {"Save &as", U'A', "Save as"}, {"Save && Exit", 0, "Save & Exit"},
        {"A&&B&c", U'C', "A&Bc"}, {"安装(&I)", U'I', "安装(I)"}, {"&安装", U'安', "安装"},
        {"&é", U'É', "é"},        {"Trailing&", 0, "Trailing"},  {"", 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(accelerator(c.caption), c.accel) << c.caption;
        EXPECT_EQ(stripHotkey(c.caption), c.shown) << c.caption;
    }
    EXPECT_TRUE(isAccel(U'f', "&File"));
    EXPECT_TRUE(isAccel(U'F', "&File"));
    EXPECT_FALSE(isAccel(U'e', "&File"));
    EXPECT_FALSE(isAccel(0, "No accelerator"));
}

// Sub-items belong to their parent: freeing the parent frees them, freeing one takes it out of the
// list, and an owner that also owns them frees each exactly once.
TEST(MenuItemTree, ParentsFreeTheirItemsOnce) {
    auto root = std::make_unique<MenuItem>();
    MenuItem* file = addItem(*root, "&File");
    MenuItem* open = addItem(*file, "&Open");
    MenuItem* quit = addItem(*file, "&Quit");
    uint16_t openCommand = open->command();
    EXPECT_EQ(MenuItem::findByCommand(openCommand), open);
    EXPECT_EQ(open->parent(), file);

    delete quit;
    EXPECT_EQ(file->count(), 1);
    root.reset();
    EXPECT_EQ(MenuItem::findByCommand(openCommand), nullptr);

    // Items owned by a component and hung under each other, freed from either side.
    auto owner = std::make_unique<core::Component>();
    auto* top = new MenuItem(owner.get());
    auto* sub = new MenuItem(owner.get());
    auto* leaf = new MenuItem(owner.get());
    top->add(sub);
    sub->add(leaf);
    delete sub; // frees leaf too, and the owner forgets both
    EXPECT_EQ(top->count(), 0);
    EXPECT_EQ(owner->componentCount(), 1);
    owner.reset();

    // An item cannot be moved under its own descendant.
    MenuItem a, b;
    a.add(&b);
    b.add(&a);
    EXPECT_EQ(a.parent(), nullptr);
    a.remove(&b);
}

TEST(MenuItemState, RadioGroupsAndAutoCheck) {
    MenuItem root;
    MenuItem* r1 = addItem(root, "One");
    MenuItem* r2 = addItem(root, "Two");
    MenuItem* other = addItem(root, "Other group");
    for (MenuItem* m : {r1, r2, other}) {
        m->setRadioItem(true);
        m->setAutoCheck(true);
    }
    other->setGroupIndex(2);
    r1->setChecked(true);
    other->setChecked(true);
    r2->click();
    EXPECT_FALSE(r1->isChecked());
    EXPECT_TRUE(r2->isChecked());
    EXPECT_TRUE(other->isChecked());
    r2->click(); // a radio item stays checked when clicked again
    EXPECT_TRUE(r2->isChecked());

    MenuItem* toggle = addItem(root, "Toggle");
    toggle->setAutoCheck(true);
    int clicks = 0;
    toggle->onClick = [&](MenuItem&) { ++clicks; };
    toggle->click();
    toggle->click();
    EXPECT_FALSE(toggle->isChecked());
    toggle->setEnabled(false);
    toggle->click();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(root.find("toggle"), nullptr);
    EXPECT_EQ(root.find("Toggle"), toggle);
}

// The native popup lists the visible items with their text, shortcut, states and submenus.
TEST(NativeMenu, PopupIsBuiltFromTheItems) {
    PopupMenu popup;
    MenuItem* save = addItem(popup.items(), "&Save", makeShortCut('S', scCtrl));
    addItem(popup.items(), "-");
    MenuItem* hidden = addItem(popup.items(), "Hidden");
    hidden->setVisible(false);
    MenuItem* more = addItem(popup.items(), "&More");
    MenuItem* disabled = addItem(*more, "Disabled");
    disabled->setEnabled(false);
    MenuItem* checked = addItem(*more, "Checked");
    checked->setRadioItem(true);
    checked->setChecked(true);
    save->setDefault(true);

    HMENU menu = popup.handle();
    ASSERT_TRUE(IsMenu(menu));
    ASSERT_EQ(GetMenuItemCount(menu), 3);
    EXPECT_EQ(nativeText(menu, 0), L"&Save\tCtrl+S");
    MENUITEMINFOW info = nativeInfo(menu, 0);
    EXPECT_EQ(info.wID, save->command());
    EXPECT_TRUE(info.fState & MFS_DEFAULT);
    EXPECT_TRUE(nativeInfo(menu, 1).fType & MFT_SEPARATOR);
    HMENU sub = nativeInfo(menu, 2).hSubMenu;
    ASSERT_TRUE(IsMenu(sub));
    ASSERT_EQ(GetMenuItemCount(sub), 2);
    EXPECT_TRUE(nativeInfo(sub, 0).fState & MFS_DISABLED);
    EXPECT_TRUE(nativeInfo(sub, 1).fState & MFS_CHECKED);
    EXPECT_TRUE(nativeInfo(sub, 1).fType & MFT_RADIOCHECK);

    // A change is picked up on the next use; the command reaches the item.
    hidden->setVisible(true);
    EXPECT_EQ(GetMenuItemCount(popup.handle()), 4);
    int saved = 0;
    save->onClick = [&](MenuItem&) { ++saved; };
    EXPECT_TRUE(popup.dispatchCommand(save->command()));
    EXPECT_FALSE(popup.dispatchCommand(popup.items().command()));
    EXPECT_EQ(saved, 1);
    EXPECT_TRUE(popup.isShortCut(makeShortCut('S', scCtrl)));
    EXPECT_EQ(saved, 2);
    EXPECT_FALSE(popup.isShortCut(makeShortCut('S', scAlt)));

    PopupMenu stranger;
    EXPECT_FALSE(stranger.dispatchCommand(save->command()));
}

namespace {

int g_keyStep = 0;

// Drives the open menu from inside its modal loop, as a user would with the keyboard.
void CALLBACK pressKeys(HWND, UINT, UINT_PTR id, DWORD) {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow))
        return;
    KillTimer(nullptr, id);
    for (WPARAM key : {WPARAM(VK_DOWN), WPARAM(VK_DOWN), WPARAM(VK_RETURN)}) {
        PostMessageW(menuWindow, WM_KEYDOWN, key, 0);
        PostMessageW(menuWindow, WM_KEYUP, key, LPARAM(0xC0000000));
    }
    ++g_keyStep;
}

} // namespace

TEST(NativeMenu, PopupRunsTheChosenItem) {
    PopupMenu popup;
    int popups = 0;
    popup.onPopup = [&](PopupMenu&) { ++popups; };
    MenuItem* first = addItem(popup.items(), "First");
    MenuItem* second = addItem(popup.items(), "Second");
    std::string chosen;
    first->onClick = [&](MenuItem& m) { chosen = m.caption(); };
    second->onClick = [&](MenuItem& m) { chosen = m.caption(); };
    g_keyStep = 0;
    UINT_PTR timer = SetTimer(nullptr, 0, 50, pressKeys);
    popup.popup(100, 100);
    KillTimer(nullptr, timer);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(g_keyStep, 1);
    EXPECT_EQ(chosen, "Second");
}

// Items with images are owner-drawn; measuring and drawing go through the item's handlers when set.
TEST(NativeMenu, OwnerDrawnItemsMeasureAndDraw) {
    auto images = std::make_unique<ImageList>(nullptr, 16, 16);
    Bitmap icon(16, 16);
    icon.pixels().fill(core::clRed);
    images->add(icon);
    PopupMenu popup;
    popup.setImages(images.get());
    MenuItem* item = addItem(popup.items(), "Open", makeShortCut('O', scCtrl));
    item->setImageIndex(0);
    HMENU menu = popup.handle();
    EXPECT_TRUE(nativeInfo(menu, 0).fType & MFT_OWNERDRAW);

    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_MENU;
    mis.itemID = item->command();
    mis.itemData = reinterpret_cast<ULONG_PTR>(item);
    ASSERT_TRUE(popup.measureItem(mis));
    EXPECT_GE(mis.itemHeight, 20u);
    EXPECT_GT(mis.itemWidth, 40u);

    Bitmap surface(120, 24);
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_MENU;
    dis.itemID = item->command();
    dis.itemData = reinterpret_cast<ULONG_PTR>(item);
    dis.itemState = ODS_SELECTED;
    dis.hDC = surface.dc();
    dis.rcItem = {0, 0, 120, 24};
    ASSERT_TRUE(popup.drawItem(dis));
    EXPECT_EQ(surface.pixels().pixel(5, 10), core::clRed); // the image
    EXPECT_EQ(surface.pixels().pixel(118, 1), core::colorToRgb(core::clHighlight));

    bool sawSelected = false;
    item->onDrawItem = [&](MenuItem&, Canvas& c, core::Rect r, bool selected) {
        sawSelected = selected;
        c.brush().setColor(core::rgb(0, 255, 0));
        c.fillRect(r);
    };
    item->onMeasureItem = [](MenuItem&, Canvas&, int32_t& w, int32_t& h) {
        w = 77;
        h = 33;
    };
    ASSERT_TRUE(popup.drawItem(dis));
    EXPECT_TRUE(sawSelected);
    EXPECT_EQ(surface.pixels().pixel(5, 10), core::rgb(0, 255, 0));
    ASSERT_TRUE(popup.measureItem(mis));
    EXPECT_EQ(mis.itemWidth, 77u);
    EXPECT_EQ(mis.itemHeight, 33u);

    // Someone else's item data is not ours to draw.
    dis.itemData = 0;
    EXPECT_FALSE(popup.drawItem(dis));
    dis.CtlType = ODT_BUTTON;
    EXPECT_FALSE(popup.drawItem(dis));

    // Removing the image list drops back to plain native items.
    images.reset();
    EXPECT_EQ(popup.images(), nullptr);
    EXPECT_FALSE(nativeInfo(popup.handle(), 0).fType & MFT_OWNERDRAW);
}

namespace {

HWND makeWindow() {
    static const wchar_t* cls = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VelmoraMenuTestWindow";
        RegisterClassW(&wc);
        return L"VelmoraMenuTestWindow";
    }();
    return CreateWindowExW(0, cls, L"menu test", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

} // namespace

TEST(NativeMenu, MainMenuBarFollowsItsItems) {
    HWND window = makeWindow();
    ASSERT_TRUE(window);
    MainMenu bar;
    MenuItem* file = addItem(bar.items(), "&File");
    addItem(*file, "E&xit", makeShortCut(VK_F4, scAlt));
    bar.setWindow(window);
    EXPECT_EQ(GetMenu(window), bar.handle());
    ASSERT_EQ(GetMenuItemCount(GetMenu(window)), 1);
    EXPECT_EQ(nativeText(GetMenu(window), 0), L"&File"); // bar entries show no shortcut column

    addItem(bar.items(), "&Help");
    EXPECT_EQ(GetMenuItemCount(GetMenu(window)), 2);
    EXPECT_EQ(nativeText(GetSubMenu(GetMenu(window), 0), 0), L"E&xit\tAlt+F4");

    bar.setWindow(nullptr);
    EXPECT_EQ(GetMenu(window), nullptr);

    // A window destroyed with the bar attached frees the native menu; the bar must not free it
    // again (the handle may already belong to another menu).
    bar.setWindow(window);
    HMENU attached = GetMenu(window);
    DestroyWindow(window);
    EXPECT_FALSE(IsMenu(attached));
    HMENU unrelated = CreatePopupMenu();
    file->setCaption("&Files");
    bar.setWindow(nullptr);
    EXPECT_TRUE(IsMenu(unrelated));
    DestroyMenu(unrelated);
}

namespace {

struct LayoutRoot : core::Component {
    int opened = 0;
    const char* className() const override { return "TRoot"; }
    std::function<void(core::Component*)> findMethod(const std::string& name) override {
        if (name == "OpenClick")
            return [this](core::Component*) { ++opened; };
        return core::Component::findMethod(name);
    }
};

} // namespace

// A layout nests menu items in their menu and in each other, and refers to an image list declared
// after the menu.
TEST(MenuLayout, ItemsHangWhereTheLayoutNestsThem) {
    layout::ClassRegistry registry;
    registerGraphicsClasses(registry);
    LayoutRoot root;
    layout::readLayout(root,
                       "object Root: TRoot\n"
                       "  object PopupMenu1: TPopupMenu\n"
                       "    Images = ImageList1\n"
                       "    object File1: TMenuItem\n"
                       "      Caption = '&File'\n"
                       "      object Open1: TMenuItem\n"
                       "        Caption = '&Open'\n"
                       "        ShortCut = 16463\n"
                       "        RadioItem = True\n"
                       "        OnClick = OpenClick\n"
                       "      end\n"
                       "    end\n"
                       "  end\n"
                       "  object ImageList1: TImageList\n"
                       "    Width = 20\n"
                       "  end\n"
                       "end\n",
                       "menus", registry);
    auto* popup = dynamic_cast<PopupMenu*>(root.findComponent("PopupMenu1"));
    ASSERT_NE(popup, nullptr);
    auto* images = dynamic_cast<ImageList*>(root.findComponent("ImageList1"));
    EXPECT_EQ(popup->images(), images);
    EXPECT_EQ(images->width(), 20);
    ASSERT_EQ(popup->items().count(), 1);
    MenuItem* file = popup->items().item(0);
    ASSERT_EQ(file->count(), 1);
    MenuItem* open = file->item(0);
    EXPECT_EQ(open->name(), "Open1");
    EXPECT_EQ(open->shortCut(), makeShortCut('O', scCtrl));
    EXPECT_TRUE(open->isRadioItem());
    EXPECT_EQ(open->parentMenu(), popup);
    EXPECT_TRUE(popup->isShortCut(makeShortCut('O', scCtrl)));
    EXPECT_EQ(root.opened, 1);
}
