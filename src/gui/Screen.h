#pragma once
// The screen: the process-wide cursor table (cursor ids to cursor handles, with registrations of the
// application's own cursors), a screen-wide cursor override, and the screen's size and work area.
#include "core/Geometry.h"
#include "gui/Cursors.h"
#include "winbase/Handles.h"

#include <windows.h>

#include <map>

namespace gui {

enum class CursorOwnership { Shared, Owned };

class Screen {
public:
    Screen();
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // The cursor for an id: a registered one, a standard one for the negative ids, else the arrow.
    // crNone gives null (no cursor). The handle stays owned by the table.
    HCURSOR cursor(int id) const;
    // Registers cursor under id, replacing (and, when it was owned, destroying) what was there.
    // Owned cursors are destroyed with the table; shared ones (LoadCursor of a system cursor) are not.
    void setCursor(int id, HCURSOR cursor, CursorOwnership ownership);
    // Removes a registration; the id then maps to its standard cursor or the arrow again.
    void removeCursor(int id);
    bool hasRegisteredCursor(int id) const { return m_cursors.count(id) != 0; }

    // A cursor shown over every window of the application while not crDefault (crHourGlass while busy).
    int screenCursor() const { return m_screenCursor; }
    void setScreenCursor(int id);

    int width() const;
    int height() const;
    // The work area of the monitor that holds the main form (or the primary one).
    core::Rect workAreaRect() const;

private:
    // owned holds the handle too when the table owns it, and destroys it with the entry.
    struct Entry {
        HCURSOR handle = nullptr;
        winbase::CursorHandle owned;
    };

    std::map<int, Entry> m_cursors;
    int m_screenCursor = crDefault;
};

Screen& screen();

} // namespace gui
