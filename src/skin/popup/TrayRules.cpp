#include "skin/popup/TrayRules.h"

#include "core/Utf8.h"

namespace skin {

std::u16string trayTip(std::string_view hint, bool showHint) {
    if (!showHint || hint.empty())
        return {};
    std::u16string tip = core::utf8ToUtf16(hint);
    if (tip.size() > trayTipLength) {
        size_t cut = trayTipLength;
        // Do not keep the high half of a pair whose low half falls beyond the cut.
        if (tip[cut - 1] >= 0xD800 && tip[cut - 1] <= 0xDBFF)
            --cut;
        tip.resize(cut);
    }
    return tip;
}

int32_t trayIconIndex(int32_t requested, int32_t count) {
    if (count <= 0)
        return -1;
    if (requested >= count)
        return count - 1;
    return requested < 0 ? 0 : requested;
}

int32_t nextTrayIconIndex(int32_t index, int32_t count) {
    if (count <= 0)
        return -1;
    return index + 1 >= count || index < 0 ? 0 : index + 1;
}

void TrayClickTracker::buttonDown() {
    m_timerRunning = true;
    m_clickStarted = true;
}

bool TrayClickTracker::buttonUp() {
    bool fire = false;
    if (m_clickStarted) {
        m_clickReady = true;
        if (!m_timerRunning) {
            m_clickReady = false;
            fire = true;
        }
    }
    m_clickStarted = false;
    return fire;
}

void TrayClickTracker::doubleClick() {
    m_clickReady = false;
    m_wasDoubleClick = true;
}

bool TrayClickTracker::timerElapsed() {
    m_timerRunning = false;
    bool fire = false;
    if (!m_wasDoubleClick && m_clickReady) {
        m_clickReady = false;
        fire = true;
    }
    m_wasDoubleClick = false;
    return fire;
}

} // namespace skin
