#pragma once
// Passing the store's skin-change notifications from a window to its skinned controls.
#include "gui/MessageHook.h"

namespace gui {
class WinControl;
}

namespace skin {

class SkinData;

// Walks root's controls depth first (each control, then the children of window controls). For
// wmBeforeChangeSkinData every SkinControl whose store is `store` forgets its record; for
// wmChangeSkinData those controls, and the skinned bevels and link labels of that store, read
// their records again. A null store reaches every skinned control. Other messages do nothing.
void relaySkinChange(gui::WinControl& root, SkinData* store, int message);

// A hook for windows without a skinned frame of their own: relays the store's 1225 and 1226 to
// the window's skinned controls, then passes the message on.
class SkinChangeRelayHook final : public gui::MessageHook {
public:
    void hookMessage(gui::Message& m) override;
};

} // namespace skin
