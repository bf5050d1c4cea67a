#pragma once
// Forward declarations of the layout property reader and writer, for headers that only pass them on.

namespace core {

class PropertyReader;
class PropertyWriter;

} // namespace core
