#pragma once
// A key name together with its lookup hash. Literal names, as records list their keys, are hashed when
// the program is compiled, so that reading a record's many keys hashes none of them again.
#include "skin/data/NameIndex.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>

namespace skin {

class IniKey {
public:
    // A literal name. Names beyond ASCII are hashed when they are looked up.
    template <size_t N> consteval IniKey(const char (&name)[N]) : m_name(name, N - 1) {
        m_hashed = NameIndex::tryHashAscii(m_name, m_hash);
    }
    // Names made at run time. The pointer constructor is a template so that literals take the one above.
    template <typename P>
    requires std::is_same_v<P, const char*> || std::is_same_v<P, char*> IniKey(P name)
        : IniKey(std::string_view(name)) {}
    IniKey(const std::string& name) : IniKey(std::string_view(name)) {}
    IniKey(std::string_view name) : m_name(name), m_hash(NameIndex::hash(name)), m_hashed(true) {}

    std::string_view name() const { return m_name; }
    uint32_t hash() const { return m_hashed ? m_hash : NameIndex::hash(m_name); }

private:
    std::string_view m_name;
    uint32_t m_hash = 0;
    bool m_hashed = false;
};

} // namespace skin
