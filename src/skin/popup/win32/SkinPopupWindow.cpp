#include "skin/popup/win32/SkinPopupWindow.h"

#include "gui/Canvas.h"
#include "gui/Form.h"
#include "gui/ImageList.h"
#include "gui/Menu.h"
#include "gui/MenuItem.h"
#include "gui/WindowProc.h"
#include "skin/data/DataSkinObjects.h"
#include "skin/data/DataSkinWindows.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/popup/win32/SkinMenu.h"
#include "skin/render/BitmapCopy.h"
#include "skin/render/Glyphs.h"
#include "skin/render/SkinCompose.h"
#include "skin/render/win32/RegionHandle.h"
#include "skin/render/win32/ScreenHelpers.h"
#include "winbase/Handles.h"

#include <algorithm>

namespace skin {

namespace {

enum TimerId : UINT_PTR { scrollTimer = 1, mouseTimer = 2, morphTimer = 3 };

const wchar_t* windowClass(bool shadow, WNDPROC proc) {
    static const wchar_t* const names[] = {L"VelmoraSkinPopup", L"VelmoraSkinPopupShadow"};
    static bool registered[2] = {false, false};
    const int i = shadow ? 1 : 0;
    if (!registered[i]) {
        WNDCLASSW wc{};
        wc.style = CS_SAVEBITS | (shadow ? CS_DROPSHADOW : 0u);
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = names[i];
        registered[i] = RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }
    return names[i];
}

const core::FBitmap* pictureAt(const SkinData& skin, int32_t index) {
    const auto& list = skin.activePictureList();
    if (index < 0 || index >= int32_t(list.size()) || list[size_t(index)].width() <= 0)
        return nullptr;
    return &list[size_t(index)];
}

SkinFrame sourceFrame(const DataSkinPopupWindow& s) {
    return {s.leftTopPoint, s.rightTopPoint, s.leftBottomPoint, s.rightBottomPoint, s.itemsRect};
}

} // namespace

SkinPopupWindow::SkinPopupWindow(SkinMenu& menu, SkinData* skin) : m_menu(menu), m_skin(skin) {
    if (!skin || skin->isSkinEmpty())
        return;
    const DataSkinPopupWindow& w = skin->popupWindowData();
    if (w.windowPictureIndex != -1 && (m_windowPicture = pictureAt(*skin, w.windowPictureIndex))) {
        m_windowSkin = &w;
        m_maskPicture = pictureAt(*skin, w.maskPictureIndex);
        m_frame = {m_windowPicture->width(), m_windowPicture->height(), w.leftTopPoint, w.rightTopPoint,
                   w.leftBottomPoint,        w.rightBottomPoint,        w.itemsRect};
    }
    for (const auto& o : skin->skinObjectList())
        if (auto* item = dynamic_cast<const DataSkinMenuItem*>(o.get())) {
            // NOTE: an entry record without its picture would give entries of no height; such a
            // skin draws its entries plainly instead.
            const core::FBitmap* picture = pictureAt(*skin, item->activePictureIndex);
            if (picture && !item->skinRect.isEmpty()) {
                m_itemSkin = item;
                m_itemPicture = picture;
                m_itemMetrics = {item->skinRect, item->dividerRect, item->textRect};
            }
            break;
        }
}

SkinPopupWindow::~SkinPopupWindow() {
    close();
}

void SkinPopupWindow::close() {
    if (!m_window)
        return;
    HWND w = std::exchange(m_window, nullptr);
    SetWindowLongPtrW(w, GWLP_USERDATA, 0);
    DestroyWindow(w);
}

void SkinPopupWindow::create() {
    const bool shadow = hasDropShadow();
    const wchar_t* cls = windowClass(shadow, &SkinPopupWindow::windowProc);
    HWND owner = m_menu.ownerForm().hasHandle() ? m_menu.ownerForm().handle() : nullptr;
    m_window = CreateWindowExW(WS_EX_TOOLWINDOW, cls, L"", WS_POPUP, 0, 0, 0, 0, owner, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!m_window)
        return;
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

core::Rect SkinPopupWindow::screenRect() const {
    RECT r{};
    if (m_window)
        GetWindowRect(m_window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

EntryPaintContext SkinPopupWindow::paintContext() const {
    EntryPaintContext c;
    c.record = m_itemSkin;
    c.picture = m_itemPicture;
    c.images = m_root && m_root->parentMenu() ? m_root->parentMenu()->images() : nullptr;
    c.glyphWidth = m_glyphWidth;
    c.useSkinFont = m_menu.useSkinFont;
    c.defaultFont = &m_menu.defaultItemFont();
    c.charset = m_skin && m_skin->resourceStrData() ? m_skin->resourceStrData()->charSet()
                                                    : m_menu.defaultItemFont().charset();
    return c;
}

void SkinPopupWindow::buildEntries(gui::MenuItem& root, gui::MenuItem* second, int startIndex) {
    m_root = &root;
    const gui::ImageList* images = root.parentMenu() ? root.parentMenu()->images() : nullptr;
    m_glyphWidth = images ? images->width() + 5 : 19;
    auto add = [&](gui::MenuItem& parent, int from) {
        for (int i = std::max(0, from); i < parent.count(); ++i)
            if (parent.item(i)->isVisible())
                m_entries.push_back(std::make_unique<SkinMenuEntry>(*parent.item(i)));
    };
    add(root, startIndex);
    if (second)
        add(*second, startIndex - root.count());
}

void SkinPopupWindow::show(const core::Rect& anchor, gui::MenuItem& root, gui::MenuItem* second,
                           PopupKind kind, int startIndex) {
    create();
    if (!m_window)
        return;
    buildEntries(root, second, startIndex);

    // Measure the captions with the font the entries are drawn in.
    std::vector<PopupEntrySize> sizes;
    {
        winbase::OwnedDC dc = winbase::OwnedDC::createCompatible();
        gui::Canvas canvas(dc.get());
        const EntryPaintContext c = paintContext();
        if (c.record && c.useSkinFont) {
            canvas.font().setName(c.record->fontName);
            canvas.font().setHeight(c.record->fontHeight);
            canvas.font().setStyle(gui::FontStyles::fromBits(c.record->fontStyle.bits()));
        } else {
            canvas.font().assign(m_menu.defaultItemFont());
        }
        canvas.font().setCharset(c.charset);
        for (const auto& e : m_entries) {
            std::string text = e->menuItem().caption();
            if (e->menuItem().shortCut() != gui::scNone)
                text += "  " + gui::shortCutToText(e->menuItem().shortCut());
            core::Rect r{0, 0, 0, 0};
            if (dc)
                canvas.drawText(text, r, DT_CALCRECT | DT_SINGLELINE);
            sizes.push_back({e->isSeparator(), r.width()});
        }
        canvas.setHandle(nullptr);
    }
    PopupSizeInput in;
    in.frame = m_windowSkin ? &m_frame : nullptr;
    in.item = m_itemSkin ? &m_itemMetrics : nullptr;
    in.defaultItemHeight = m_menu.defaultItemHeight;
    in.glyphWidth = m_glyphWidth;
    in.maxItemsInWindow = m_menu.maxMenuItemsInWindow;
    in.workAreaHeight = m_menu.workArea().height();
    in.twoRoots = second != nullptr;
    const PopupSize size = popupSize(in, sizes);
    applyLayout(size);

    const core::Point at =
        placePopup({m_menu.workArea(), anchor, m_size, m_list.itemsRect(), kind, size.scroll, size.scroll2});
    const bool layered = hasLayeredWindows() && m_menu.alphaBlend;
    const bool fade = layered && m_menu.alphaBlendAnimation && m_menu.isFirstPopup();
    if (layered) {
        SetWindowLongPtrW(m_window, GWL_EXSTYLE, GetWindowLongPtrW(m_window, GWL_EXSTYLE) | WS_EX_LAYERED);
        setWindowAlpha(m_window, fade ? 0 : m_menu.alphaBlendValue);
    }
    SetWindowPos(m_window, HWND_TOPMOST, at.x, at.y, m_size.x, m_size.y, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (fade) {
        for (int a = 3; a < m_menu.alphaBlendValue; a += 3)
            setWindowAlpha(m_window, uint8_t(a));
        setWindowAlpha(m_window, m_menu.alphaBlendValue);
    }
    SetTimer(m_window, mouseTimer, 50, nullptr);
    m_active = -1;
    for (int i = 0; i < entryCount(); ++i)
        if (m_entries[size_t(i)]->isSelectable()) {
            m_entries[size_t(i)]->autoSelected = true;
            m_active = i;
            m_menu.entryEnter(*this, i, true);
            break;
        }
}

void SkinPopupWindow::applyLayout(const PopupSize& size) {
    m_size = {size.width, size.height};
    m_scroll2 = size.scroll2;
    std::vector<PopupEntryState> states;
    for (const auto& e : m_entries)
        states.push_back({popupEntryHeight(e->isSeparator(), m_itemSkin ? &m_itemMetrics : nullptr,
                                           m_menu.defaultItemHeight),
                          e->isSelectable(),
                          {},
                          false});
    m_list =
        PopupEntryList(std::move(states),
                       popupItemsRect(m_windowSkin ? &m_frame : nullptr, m_size.x, m_size.y), size.scroll);
    syncEntryRects();
    if (m_maskPicture && m_windowSkin) {
        const SkinFrame source = sourceFrame(*m_windowSkin);
        const SkinFrame target =
            targetFrame(source, m_windowPicture->width(), m_windowPicture->height(), m_size.x, m_size.y);
        RegionHandle region = composeMaskRegionHandle(source, target, *m_maskPicture, m_size.x, m_size.y);
        if (region && SetWindowRgn(m_window, region.get(), TRUE))
            (void)region.release(); // the window owns it now
    }
}

void SkinPopupWindow::syncEntryRects() {
    for (int i = 0; i < entryCount(); ++i) {
        SkinMenuEntry& e = *m_entries[size_t(i)];
        e.visible = m_list.entry(i).visible;
        e.objectRect = m_list.entry(i).rect;
    }
}

// --- Painting ------------------------------------------------------------------------------------

void SkinPopupWindow::paint(HDC dc) {
    const int32_t w = m_size.x, h = m_size.y;
    if (w <= 0 || h <= 0)
        return;
    core::FBitmap image(w, h);
    const EntryPaintContext context = paintContext();
    if (m_windowSkin) {
        const SkinFrame source = sourceFrame(*m_windowSkin);
        const core::Rect r = m_windowPicture->bounds();
        const SkinFrame target = targetFrame(source, r.width(), r.height(), w, h);
        composeSkinImage(source, target, image, *m_windowPicture, r, w, h,
                         m_list.scrolls() ? DrawClient::Yes : DrawClient::No,
                         {m_windowSkin->leftStretch, m_windowSkin->topStretch, m_windowSkin->rightStretch,
                          m_windowSkin->bottomStretch});
    } else {
        const int32_t column = context.images ? m_glyphWidth + 2 : 21;
        fillRectangle(image, {0, 0, column, h}, core::clBtnFace);
        fillRectangle(image, {column, 0, w, h}, core::clWindow);
        frameRectangle(image, {0, 0, w, h}, core::clBtnShadow);
        frameRectangle(image, {1, 1, w - 1, h - 1}, core::clWindow);
    }
    for (const auto& e : m_entries)
        if (e->visible) {
            const core::FBitmap entryImage = e->paint(context);
            copyRect(image, e->objectRect, entryImage, entryImage.bounds());
        }
    if (m_list.scrolls())
        paintMarkers(image);
    drawTo(dc, 0, 0, image);
}

void SkinPopupWindow::paintMarkers(core::FBitmap& image) {
    core::Rect top = m_list.topMarker(), bottom = m_list.bottomMarker();
    core::Color normal = core::clBtnShadow, active = core::clBtnText;
    if (m_windowSkin) {
        normal = m_windowSkin->scrollMarkerColor;
        active = m_windowSkin->scrollMarkerActiveColor;
    } else {
        top = {3, 3, m_size.x - 3, 13};
        bottom = {3, m_size.y - 10, m_size.x - 3, m_size.y - 3};
    }
    drawArrowGlyph(image, top, m_scrollCode == 1 ? active : normal, 3);
    drawArrowGlyph(image, bottom, m_scrollCode == 2 ? active : normal, 4);
}

void SkinPopupWindow::redrawMarkers() {
    if (!m_window)
        return;
    HDC dc = GetDC(m_window);
    if (dc) {
        paint(dc);
        ReleaseDC(m_window, dc);
    }
}

void SkinPopupWindow::paintEntryNow(int index) {
    SkinMenuEntry& e = *m_entries[size_t(index)];
    if (!m_window || !e.visible)
        return;
    const core::FBitmap image = e.paint(paintContext());
    HDC dc = GetDC(m_window);
    if (dc) {
        drawTo(dc, e.objectRect.left, e.objectRect.top, image);
        ReleaseDC(m_window, dc);
    }
}

void SkinPopupWindow::requestRepaint(int index) {
    if (m_itemSkin && m_itemSkin->morphing && m_window) {
        if (!m_morphRunning)
            m_morphRunning = SetTimer(m_window, morphTimer, 20, nullptr) != 0;
        if (m_morphRunning)
            return;
    }
    paintEntryNow(index);
}

bool SkinPopupWindow::morphTick() {
    bool moved = false;
    for (int i = 0; i < entryCount(); ++i) {
        SkinMenuEntry& e = *m_entries[size_t(i)];
        if (!e.visible) {
            if (e.morphFactor != 0) { // scrolled out while animating: back to normal
                e.active = e.down = false;
                e.morphFactor = 0;
            }
            continue;
        }
        if (e.morphPending()) {
            e.morphStep();
            paintEntryNow(i);
            moved = true;
        }
    }
    return moved;
}

// --- Scrolling and the mouse -----------------------------------------------------------------------

void SkinPopupWindow::startScrolling(int code) {
    m_scrollCode = code;
    redrawMarkers();
    m_menu.closeFrom(m_menu.levelOf(this) + 1);
    SetTimer(m_window, scrollTimer, 100, nullptr);
}

void SkinPopupWindow::stopScrolling() {
    m_scrollCode = 0;
    if (m_window)
        KillTimer(m_window, scrollTimer);
    redrawMarkers();
}

void SkinPopupWindow::scrollTick() {
    const bool moved =
        m_scrollCode == 1 ? m_list.scrollUp(false) : m_scrollCode == 2 && m_list.scrollDown(false);
    if (!moved) {
        stopScrolling();
        return;
    }
    syncEntryRects();
    redrawMarkers();
}

void SkinPopupWindow::pollMouse() {
    POINT sp;
    if (!m_window || !GetCursorPos(&sp))
        return;
    POINT cp = sp;
    ScreenToClient(m_window, &cp);
    const core::Point p{cp.x, cp.y};
    if (p == m_lastCursor)
        return;
    m_lastCursor = p;
    if (WindowFromPoint(sp) == m_window)
        hoverAt(p);
    else if (m_list.scrolls() && m_scrollCode != 0)
        stopScrolling();
}

void SkinPopupWindow::hoverAt(core::Point p) {
    if (m_list.scrolls()) {
        if (m_list.topMarker().contains(p) && m_scrollCode == 0 && m_list.canScrollUp()) {
            startScrolling(1);
            return;
        }
        if (m_list.bottomMarker().contains(p) && m_scrollCode == 0 && m_list.canScrollDown()) {
            startScrolling(2);
            return;
        }
        if (m_scrollCode != 0 && !m_list.topMarker().contains(p) && !m_list.bottomMarker().contains(p))
            stopScrolling();
    }
    if (m_entries.empty())
        return;
    const int old = m_active;
    const int under = m_list.entryAt(p);
    if (under >= 0)
        m_active = under;
    if (m_active >= entryCount())
        m_active = -1;
    if (m_active == old) {
        if (m_active >= 0 && m_entries[size_t(m_active)]->autoSelected) {
            SkinMenuEntry& e = *m_entries[size_t(m_active)];
            e.autoSelected = false;
            if (e.hasSubItems())
                m_menu.entryEnter(*this, m_active, false);
        }
        return;
    }
    if (old >= 0 && m_entries[size_t(old)]->isSelectable())
        m_menu.entryLeave(*this, old);
    if (m_active >= 0 && m_entries[size_t(m_active)]->isSelectable())
        m_menu.entryEnter(*this, m_active, false);
}

void SkinPopupWindow::mouseUp(bool leftButton, core::Point p) {
    hoverAt(p);
    if (!leftButton || m_active < 0 || m_list.entryAt(p) < 0)
        return;
    if (!m_entries[size_t(m_active)]->isSeparator())
        m_menu.entryClick(*this, m_active); // may close this window: nothing after this
}

// --- Keyboard ------------------------------------------------------------------------------------

void SkinPopupWindow::makeActive(int index, bool keyboard) {
    const int old = m_active;
    if (index == old)
        return;
    m_active = index;
    if (index >= 0)
        m_menu.entryEnter(*this, index, keyboard);
    if (old >= 0 && old < entryCount())
        m_menu.entryLeave(*this, old);
}

void SkinPopupWindow::selectNext() {
    selectBy(&PopupEntryList::selectNext);
}

void SkinPopupWindow::selectPrevious() {
    selectBy(&PopupEntryList::selectPrevious);
}

void SkinPopupWindow::selectBy(int (PopupEntryList::*choose)(int)) {
    const int start = m_list.visibleStart();
    const int chosen = (m_list.*choose)(m_active);
    if (m_list.visibleStart() != start) { // the choice scrolled the window
        syncEntryRects();
        redrawMarkers();
    }
    makeActive(chosen, true);
}

// --- Window procedure ----------------------------------------------------------------------------

LRESULT CALLBACK SkinPopupWindow::windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<SkinPopupWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return msg == WM_MOUSEACTIVATE ? MA_NOACTIVATE : DefWindowProcW(window, msg, wParam, lParam);
    SkinMenu::HandlerScope scope(self->m_menu);
    LRESULT result = 0;
    bool handled = false;
    gui::guardedCall([&] {
        result = self->handleMessage(msg, wParam, lParam);
        handled = true;
    });
    return handled ? result : 0;
}

LRESULT SkinPopupWindow::handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    const core::Point p{short(LOWORD(lParam)), short(HIWORD(lParam))};
    switch (msg) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_ERASEBKGND:
        return 1; // WM_PAINT paints everything at once
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_window, &ps);
        if (dc)
            paint(dc);
        EndPaint(m_window, &ps);
        return 0;
    }
    case WM_TIMER:
        if (wParam == mouseTimer)
            pollMouse();
        else if (wParam == scrollTimer)
            scrollTick();
        else if (wParam == morphTimer && !morphTick()) {
            KillTimer(m_window, morphTimer);
            m_morphRunning = false;
        }
        return 0;
    case WM_MOUSEMOVE:
        pollMouse();
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        mouseUp(msg == WM_LBUTTONUP, p);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        return 0;
    default:
        return DefWindowProcW(m_window, msg, wParam, lParam);
    }
}

} // namespace skin
