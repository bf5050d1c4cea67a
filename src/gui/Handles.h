#pragma once
// The handle wrappers live in the Win32 base library; the framework uses them under its own
// namespace too.
// FIXME: forwarding header, to go once every user includes winbase/Handles.h.
#include "winbase/Handles.h"

namespace gui {

using winbase::BitmapHandle;
using winbase::BrushHandle;
using winbase::CursorHandle;
using winbase::FontHandle;
using winbase::GdiObject;
using winbase::IconHandle;
using winbase::liveHandleCount;
using winbase::MenuHandle;
using winbase::OwnedDC;
using winbase::PaintDC;
using winbase::PenHandle;
using winbase::RegionHandle;
using winbase::SelectObjectScope;
using winbase::UniqueHandle;
using winbase::WindowDC;

} // namespace gui
