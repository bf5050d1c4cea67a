#pragma once
// One level of a skinned menu cascade: a borderless top-level window that never takes activation and
// lists the visible sub-items of one menu item. It sizes and places itself (PopupGeometry), lays out
// and scrolls its entries (PopupEntryList), paints the frame and entries in one off-screen pass, and
// polls the mouse; what a hover, click or key means is the controller's (SkinMenu).
#include "core/FBitmap.h"
#include "skin/popup/PopupEntryList.h"
#include "skin/popup/PopupGeometry.h"
#include "skin/popup/win32/SkinMenuEntry.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace gui {
class MenuItem;
}

namespace skin {

class DataSkinMenuItem;
class DataSkinPopupWindow;
class SkinData;
class SkinMenu;

class SkinPopupWindow {
public:
    // skin: the store of the cascade, or null for the plain look.
    SkinPopupWindow(SkinMenu& menu, SkinData* skin);
    ~SkinPopupWindow();
    SkinPopupWindow(const SkinPopupWindow&) = delete;
    SkinPopupWindow& operator=(const SkinPopupWindow&) = delete;

    // Lists root's visible sub-items from startIndex on (then, with second, those of second from
    // startIndex less root's count), sizes, places and shows the window, and selects its first
    // selectable entry.
    void show(const core::Rect& anchor, gui::MenuItem& root, gui::MenuItem* second, PopupKind kind,
              int startIndex);

    // Destroys the window (timers and region go with it); the object lives on until the controller
    // frees it.
    void close();

    HWND handle() const { return m_window; }
    core::Rect screenRect() const;
    int entryCount() const { return int(m_entries.size()); }
    SkinMenuEntry& entry(int index) { return *m_entries[size_t(index)]; }
    int activeEntry() const { return m_active; }
    const PopupEntryList& layout() const { return m_list; }
    bool scrolls() const { return m_list.scrolls(); }

    // Keyboard: Down and Up; the choice of an entry by its accelerator; the click on the active one.
    void selectNext();
    void selectPrevious();
    void makeActive(int index, bool keyboard);
    // Mouse processing at a client point (as the 50 ms poll does), and a button release there.
    void hoverAt(core::Point p);
    void mouseUp(bool leftButton, core::Point p);
    // Repaints one entry on the window now, or through the morph timer when the skin animates it.
    void requestRepaint(int index);
    // One step of every unfinished entry animation; false when none moved (the timer then stops).
    bool morphTick();
    // Paints the whole window into dc: one composition, one transfer.
    void paint(HDC dc);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    void create();
    void buildEntries(gui::MenuItem& root, gui::MenuItem* second, int startIndex);
    void applyLayout(const PopupSize& size);
    void syncEntryRects();
    EntryPaintContext paintContext() const;
    void paintEntryNow(int index);
    void paintMarkers(core::FBitmap& image);
    void redrawMarkers();
    void selectBy(int (PopupEntryList::*choose)(int));
    void startScrolling(int code);
    void stopScrolling();
    void scrollTick();
    void pollMouse();

    SkinMenu& m_menu;
    SkinData* m_skin = nullptr;
    const DataSkinPopupWindow* m_windowSkin = nullptr;
    const core::FBitmap* m_windowPicture = nullptr;
    const core::FBitmap* m_maskPicture = nullptr;
    const DataSkinMenuItem* m_itemSkin = nullptr;
    const core::FBitmap* m_itemPicture = nullptr;
    PopupFrameMetrics m_frame;
    PopupItemMetrics m_itemMetrics;
    gui::MenuItem* m_root = nullptr;
    int32_t m_glyphWidth = 19;
    std::vector<std::unique_ptr<SkinMenuEntry>> m_entries;
    PopupEntryList m_list;
    core::Point m_size;
    int m_active = -1;
    int m_scrollCode = 0; // 0 none, 1 up, 2 down
    bool m_scroll2 = false;
    core::Point m_lastCursor{-1, -1};
    bool m_morphRunning = false;
    HWND m_window = nullptr;
};

} // namespace skin
