#include "skin/controls/SkinChangeRelay.h"

#include "gui/WinControl.h"
#include "gui/WindowProc.h"
#include "skin/controls/SkinBevel.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinLinkLabel.h"
#include "skin/data/SkinNotifier.h"

#include <vector>

namespace skin {

namespace {

template <typename T> bool reaches(const T& control, const SkinData* store) {
    return !store || control.skinData() == store;
}

void relayTo(gui::Control& c, SkinData* store, int message) {
    if (auto* control = dynamic_cast<SkinControl*>(&c)) {
        if (reaches(*control, store)) {
            if (message == wmBeforeChangeSkinData)
                control->skinChanging();
            else
                control->skinChanged();
        }
    } else if (message == wmChangeSkinData) {
        if (auto* bevel = dynamic_cast<SkinBevel*>(&c); bevel && reaches(*bevel, store))
            bevel->skinChanged();
        else if (auto* label = dynamic_cast<SkinLinkLabel*>(&c); label && reaches(*label, store))
            label->skinChanged();
    }
}

void walk(gui::WinControl& parent, SkinData* store, int message) {
    // A reaction may resize or realign controls; walk a copy of the child list.
    const std::vector<gui::Control*> children = parent.controls();
    for (gui::Control* c : children) {
        relayTo(*c, store, message);
        if (auto* window = dynamic_cast<gui::WinControl*>(c))
            walk(*window, store, message);
    }
}

} // namespace

void relaySkinChange(gui::WinControl& root, SkinData* store, int message) {
    if (message != wmBeforeChangeSkinData && message != wmChangeSkinData)
        return;
    walk(root, store, message);
}

void SkinChangeRelayHook::hookMessage(gui::Message& m) {
    if ((m.msg == UINT(wmBeforeChangeSkinData) || m.msg == UINT(wmChangeSkinData)) && hookedControl()) {
        gui::WinControl& root = *hookedControl();
        gui::guardedCall([&] { relaySkinChange(root, reinterpret_cast<SkinData*>(m.wParam), int(m.msg)); });
    }
    callPrevious(m);
}

} // namespace skin
