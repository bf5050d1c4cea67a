#include "skin/form/win32/SkinMDITabsBar.h"

#include "gui/Bitmap.h"
#include "gui/Canvas.h"
#include "gui/Form.h"
#include "skin/form/MDIRules.h"

#include <algorithm>

namespace skin {

namespace {

// The multi-document parent the bar sits on.
gui::CustomForm* parentFrame(const gui::Control& bar) {
    for (gui::WinControl* p = bar.parent(); p; p = p->parent())
        if (auto* f = dynamic_cast<gui::CustomForm*>(p))
            return f->isMDIForm() ? f : nullptr;
    return nullptr;
}

} // namespace

SkinMDITabsBar::SkinMDITabsBar(core::Component* owner) : gui::CustomControl(owner) {
    setHeight(24);
    setAlign(gui::Align::alTop);
}

SkinMDITabsBar::~SkinMDITabsBar() {
    beginDestroy();
}

int SkinMDITabsBar::indexOf(const gui::CustomForm* child) const {
    for (size_t i = 0; i < m_tabs.size(); ++i)
        if (m_tabs[i].child == child)
            return int(i);
    return -1;
}

void SkinMDITabsBar::addTab(gui::CustomForm* child) {
    if (!child || indexOf(child) >= 0)
        return;
    m_tabs.push_back({child, child->caption()});
    freeNotification(child);
    relayout();
}

void SkinMDITabsBar::renameTab(gui::CustomForm* child) {
    const int i = indexOf(child);
    if (i < 0 || m_tabs[size_t(i)].caption == child->caption())
        return;
    m_tabs[size_t(i)].caption = child->caption();
    relayout();
}

void SkinMDITabsBar::removeTab(gui::CustomForm* child) {
    const int i = indexOf(child);
    if (i < 0)
        return;
    m_tabs.erase(m_tabs.begin() + i);
    removeFreeNotification(child);
    if (m_active == child)
        m_active = nullptr;
    relayout();
}

void SkinMDITabsBar::updateTabs(gui::CustomForm* active) {
    if (!active)
        if (gui::CustomForm* frame = parentFrame(*this))
            active = frame->activeMDIChild();
    if (active && active->isDestroying())
        active = nullptr;
    if (active == m_active)
        return;
    m_active = active;
    invalidate();
}

int SkinMDITabsBar::activeTab() const {
    return indexOf(m_active);
}

core::Rect SkinMDITabsBar::tabRect(int i) const {
    return i >= 0 && i < int(m_rects.size()) ? m_rects[size_t(i)] : core::Rect{};
}

void SkinMDITabsBar::selectTab(int i) {
    if (i < 0 || i >= tabCount())
        return;
    gui::CustomForm* child = m_tabs[size_t(i)].child;
    if (!child->hasHandle())
        return;
    HWND client = GetParent(child->handle());
    if (IsIconic(child->handle()))
        SendMessageW(client, WM_MDIRESTORE, WPARAM(child->handle()), 0);
    SendMessageW(client, WM_MDIACTIVATE, WPARAM(child->handle()), 0);
    updateTabs(child);
}

void SkinMDITabsBar::relayout() {
    std::vector<int32_t> widths;
    gui::Bitmap measure(1, 1);
    gui::Canvas& canvas = measure.canvas();
    canvas.font().assign(font());
    for (const Tab& t : m_tabs)
        widths.push_back(canvas.textWidth(t.caption));
    m_rects = layoutMDITabs(widths, width(), height());
    invalidate();
}

void SkinMDITabsBar::boundsChanged(bool sizeChanged) {
    gui::CustomControl::boundsChanged(sizeChanged);
    if (sizeChanged)
        relayout();
}

void SkinMDITabsBar::fontChanged() {
    gui::CustomControl::fontChanged();
    relayout();
}

void SkinMDITabsBar::paint(gui::Canvas& canvas) {
    const core::Rect all = clientRect();
    canvas.brush().setColor(core::clBtnFace);
    canvas.fillRect(all);
    canvas.pen().setColor(core::clBtnShadow);
    canvas.moveTo(0, all.bottom - 1);
    canvas.lineTo(all.right, all.bottom - 1);
    canvas.font().assign(font());
    for (int i = 0; i < tabCount() && i < int(m_rects.size()); ++i) {
        const bool active = m_tabs[size_t(i)].child == m_active;
        core::Rect r = m_rects[size_t(i)];
        if (!active)
            r.top += 2; // the active tab stands higher
        canvas.brush().setColor(active ? core::clWindow : core::clBtnFace);
        canvas.pen().setColor(active ? core::clBtnText : core::clBtnShadow);
        canvas.rectangle(r);
        canvas.brush().setStyle(gui::BrushStyle::bsClear);
        canvas.font().setColor(active ? core::clWindowText : core::clBtnText);
        core::Rect text{r.left + 4, r.top, r.right - 4, r.bottom};
        canvas.drawText(m_tabs[size_t(i)].caption, text,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
        canvas.brush().setStyle(gui::BrushStyle::bsSolid);
    }
}

void SkinMDITabsBar::mouseDown(gui::MouseButton button, gui::ShiftState shift, int x, int y) {
    gui::CustomControl::mouseDown(button, shift, x, y);
    if (button == gui::MouseButton::mbLeft)
        selectTab(mdiTabAt(m_rects, {x, y}));
}

void SkinMDITabsBar::notification(core::Component* component, core::Operation operation) {
    gui::CustomControl::notification(component, operation);
    if (operation == core::Operation::Remove)
        if (auto* child = dynamic_cast<gui::CustomForm*>(component))
            removeTab(child);
}

} // namespace skin
