#pragma once
// The tab bar of a multi-document window: one tab per shown child, captioned like the child and
// following it (renamed, removed when the child is hidden or goes away), the active child's tab
// raised; a click on a tab activates its child (a minimised one is restored first). The skinned form
// of the parent (its MDITabsBar) and those of the children keep the bar informed. Its look is plain:
// face-coloured tabs with a frame, the active one in the window colour.
#include "gui/CustomControl.h"

#include <vector>

namespace gui {
class CustomForm;
}

namespace skin {

class SkinMDITabsBar : public gui::CustomControl {
public:
    explicit SkinMDITabsBar(core::Component* owner = nullptr);
    ~SkinMDITabsBar() override;
    const char* className() const override { return "TSkinMDITabsBar"; }

    // --- From the skinned forms --------------------------------------------------------------------
    // A child was shown: it gets a tab at the end (once).
    void addTab(gui::CustomForm* child);
    // The child's caption changed.
    void renameTab(gui::CustomForm* child);
    // The child was hidden or is going away.
    void removeTab(gui::CustomForm* child);
    // The active child changed (active: the new one, or null to ask the parent).
    void updateTabs(gui::CustomForm* active = nullptr);

    // --- State ---------------------------------------------------------------------------------------
    int tabCount() const { return int(m_tabs.size()); }
    gui::CustomForm* tabChild(int i) const { return m_tabs[size_t(i)].child; }
    const std::string& tabCaption(int i) const { return m_tabs[size_t(i)].caption; }
    int activeTab() const;
    core::Rect tabRect(int i) const;
    // Activates the child of tab i.
    void selectTab(int i);

protected:
    void paint(gui::Canvas& canvas) override;
    void mouseDown(gui::MouseButton button, gui::ShiftState shift, int x, int y) override;
    void boundsChanged(bool sizeChanged) override;
    void fontChanged() override;
    void notification(core::Component* component, core::Operation operation) override;

private:
    struct Tab {
        gui::CustomForm* child = nullptr;
        std::string caption;
    };
    int indexOf(const gui::CustomForm* child) const;
    void relayout();

    std::vector<Tab> m_tabs;
    std::vector<core::Rect> m_rects;
    gui::CustomForm* m_active = nullptr;
};

} // namespace skin
