#pragma once
// Classes in this file: TrayClickTracker.
// The pure rules of a notification-area icon: its tooltip text, which image an index selects, the
// animation's next step, and telling a single click from a double click.
#include <cstdint>
#include <string>
#include <string_view>

namespace skin {

// Longest tooltip the notification area takes, in UTF-16 units (its buffer holds one more for the
// terminator).
constexpr size_t trayTipLength = 127;

// The tooltip for hint: empty unless showHint and hint is not empty; cut to trayTipLength units,
// never between the halves of a surrogate pair.
std::u16string trayTip(std::string_view hint, bool showHint);

// The index an icon list of count images keeps for the requested index: one past the end or more
// selects the last image, below zero the first; an empty list gives -1 (no image).
int32_t trayIconIndex(int32_t requested, int32_t count);

// The index shown after index in an animation over count images: the next one, or 0 after the last.
int32_t nextTrayIconIndex(int32_t index, int32_t count);

// Whether the animation timer runs: only while cycling with a positive interval.
constexpr bool trayCycleTimerRuns(bool cycleIcons, unsigned interval) {
    return cycleIcons && interval > 0;
}

// Tells a single click from a double click on the icon. A click fires once the double-click time has
// passed (or at button-up when the button was held longer); a double click fires no click.
class TrayClickTracker {
public:
    // Left button down: the double-click timer starts.
    void buttonDown();
    // Left button up; true when the click fires now.
    bool buttonUp();
    // Left button double click.
    void doubleClick();
    // The double-click time has passed; true when the click fires now.
    bool timerElapsed();
    // Whether the double-click timer should be running.
    bool timerRunning() const { return m_timerRunning; }

private:
    bool m_clickStarted = false;
    bool m_clickReady = false;
    bool m_wasDoubleClick = false;
    bool m_timerRunning = false;
};

} // namespace skin
