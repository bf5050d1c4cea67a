#pragma once
// Regions live in the Win32 base library; the framework uses them under its own namespace too.
// FIXME: forwarding header, to go once every user includes winbase/Region.h.
#include "gui/Handles.h"
#include "winbase/Region.h"

namespace gui {

using winbase::CombineMode;
using winbase::Region;

} // namespace gui
