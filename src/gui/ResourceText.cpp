#include "gui/ResourceText.h"

#include "core/Error.h"
#include "core/Utf8.h"

#include <windows.h>

namespace gui {

std::string rcDataText(const std::string& name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, core::utf8ToWide(name).c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL data = info ? LoadResource(module, info) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes)
        throw core::Error("Resource " + name + " not found");
    return std::string(static_cast<const char*>(bytes), SizeofResource(module, info));
}

} // namespace gui
